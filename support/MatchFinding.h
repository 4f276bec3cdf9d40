#pragma once

// What the LZ77 encoder behind CompressLevel finds its matches with: the
// codes' limits and prices, the nearest 3-byte match, and the binary tree of
// the optimal levels.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace kelvora::matching {

inline constexpr std::size_t kMaxOffset = 131072;
inline constexpr std::size_t kMaxCount = 1028;
inline constexpr std::int32_t kNoPosition = -1;

/// Code bytes for a copy of count bytes from offset back; 0 when no family can carry it.
inline std::size_t copyCost(std::size_t count, std::size_t offset)
{
    if (offset <= 1024 && count <= 10)
        return count >= 3 ? 2 : 0;
    if (offset <= 16384 && count <= 67)
        return count >= 4 ? 3 : 0;
    return count >= 5 ? 4 : 0;
}

struct Match {
    std::size_t count = 0;
    std::size_t offset = 0;
    std::size_t saving = 0; ///< count minus code bytes; 0 for no match
};

inline std::uint32_t load32(const std::uint8_t* at)
{
    std::uint32_t value;
    std::memcpy(&value, at, 4);
    return value;
}

/// The hash of the 4 bytes at at, in bits = 32 - shift bits.
inline std::size_t hash4(const std::uint8_t* at, int shift)
{
    return static_cast<std::size_t>((load32(at) * 2654435761u) >> shift);
}

inline void prefetch(const void* at)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(at);
#else
    (void)at;
#endif
}

/// Bytes equal at a and b, at most limit.
inline std::size_t commonLength(const std::uint8_t* a, const std::uint8_t* b, std::size_t limit)
{
    std::size_t length = 0;
    if constexpr (std::endian::native == std::endian::little) {
        while (length + 8 <= limit) {
            std::uint64_t x;
            std::uint64_t y;
            std::memcpy(&x, a + length, 8);
            std::memcpy(&y, b + length, 8);
            if (x != y)
                return length + static_cast<std::size_t>(std::countr_zero(x ^ y)) / 8;
            length += 8;
        }
    }
    while (length < limit && a[length] == b[length])
        ++length;
    return length;
}

/// The nearest earlier position per hash of 3 bytes, for the one kind of
/// match a search by 4 bytes cannot find: 3 bytes within 1,024 (a 2-byte code
/// that saves a byte). It matters only that near, so a small table, which
/// stays in the cache, holds it. Chained, positions of one hash are also
/// linked for 1,024 bytes back, so that the nearest match is found even where
/// another 3 bytes of the same hash came after it.
class NearThree {
public:
    NearThree(const std::uint8_t* in, bool chained);

    /// Adds position i (4 bytes must follow it: the hash reads a word).
    void add(std::size_t i)
    {
        std::int32_t& head = mHead[hashAt(i)];
        if (!mLinks.empty())
            mLinks[i & (kLinks - 1)] = head;
        head = static_cast<std::int32_t>(i);
    }

    /// The nearest 3-byte match within 1,024 bytes of i among the positions
    /// added, at most limit bytes long (none below 3).
    Match find(std::size_t i, std::size_t limit) const
    {
        if (limit < 3)
            return {};
        for (std::int32_t near = mHead[hashAt(i)]; near != kNoPosition;) {
            const std::size_t offset = i - static_cast<std::size_t>(near);
            if (offset > 1024)
                break;
            if (commonLength(mIn + near, mIn + i, 3) == 3)
                return { 3, offset, 1 };
            if (mLinks.empty())
                break;
            near = mLinks[static_cast<std::size_t>(near) & (kLinks - 1)];
        }
        return {};
    }

private:
    static constexpr int kBits = 12;
    // A ring longer than the 1,024 bytes a 3-byte match may reach back.
    static constexpr std::size_t kLinks = 2048;

    std::size_t hashAt(std::size_t position) const
    {
        return static_cast<std::size_t>(((load32(mIn + position) & 0xFFFFFFu) * 2654435761u) >> (32 - kBits));
    }

    const std::uint8_t* mIn;
    std::vector<std::int32_t> mHead;
    std::vector<std::int32_t> mLinks;
};

/// A binary tree per hash of 4 bytes over the window's positions, which every
/// position joins in turn as the root of its tree. The tree is ordered by the
/// bytes that follow each position, and each node is nearer than the nodes
/// below it, so the path from the root towards the bytes at a position
/// passes, for every length, the nearest position that matches at least that
/// long: what an unbounded walk of a hash chain finds, visiting only the
/// nodes on that path.
class MatchTree {
public:
    /// A tree of the size bytes at in, with tables of 2^hashBits hashes;
    /// a search visits at most depth nodes.
    MatchTree(const std::uint8_t* in, std::size_t size, int hashBits, int depth);

    /// Makes position i the root of its tree (i + 4 <= size), rearranging
    /// the nodes on its path; with found (holding count matches already),
    /// also records the matches met on the way, each longer than the last
    /// found and at most limit long, nearest first, while fewer than
    /// maxFound are held. Returns how many found holds. Tree order compares
    /// up to kMaxCount bytes, whatever the limit.
    std::size_t join(std::size_t i, std::size_t limit, Match* found, std::size_t count, std::size_t maxFound);

private:
    const std::uint8_t* mIn;
    std::size_t mSize;
    int mHashShift;
    int mDepth;
    std::size_t mRingMask = 0;
    std::vector<std::int32_t> mHead; ///< the root of each hash's tree
    std::vector<std::int32_t> mLinks; ///< per position of the window: the smaller and the larger subtree
};

} // namespace kelvora::matching
