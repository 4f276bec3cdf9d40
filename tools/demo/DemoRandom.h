#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace varnick::demo {

/// A small deterministic random source (SplitMix64). The standard library's
/// distributions differ between implementations, so the demo world draws every
/// number through these few functions: the same seed gives the same bytes on
/// every compiler and platform.
class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed)
        : mState(seed)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (mState += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint32_t next32() { return static_cast<std::uint32_t>(next() >> 32); }

    /// A number from 0 to bound - 1 (bound > 0).
    std::uint32_t below(std::uint32_t bound) { return static_cast<std::uint32_t>((next() >> 32) * bound >> 32); }

    /// A number from low to high, both included.
    int between(int low, int high) { return low + static_cast<int>(below(static_cast<std::uint32_t>(high - low + 1))); }

    /// True with the given chance in percent.
    bool percent(unsigned chance) { return below(100) < chance; }

    template <typename T> const T& pick(const std::vector<T>& items)
    {
        return items[below(static_cast<std::uint32_t>(items.size()))];
    }

    template <typename T, std::size_t N> const T& pick(const T (&items)[N])
    {
        return items[below(static_cast<std::uint32_t>(N))];
    }

    /// An independent stream for one part of the world, so adding draws in one
    /// part does not shift every number drawn after it.
    DemoRandom fork(std::uint64_t salt) { return DemoRandom(next() ^ (salt * 0xD6E8FEB86659FD93ull)); }

private:
    std::uint64_t mState;
};

} // namespace varnick::demo
