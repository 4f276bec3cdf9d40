#pragma once

// Inputs for the codec tests and the benchmark: deterministic, and shaped like
// what packages hold (text, meshes, textures) or built to stress the codec.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace varnick::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes bytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

/// A small deterministic generator (xorshift), so failures reproduce.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : mState(seed * 0x9E3779B97F4A7C15ull + 1)
    {
    }
    std::uint64_t next()
    {
        mState ^= mState << 13;
        mState ^= mState >> 7;
        mState ^= mState << 17;
        return mState;
    }
    std::uint32_t below(std::uint32_t bound) { return static_cast<std::uint32_t>(next() % bound); }

private:
    std::uint64_t mState;
};

inline Bytes randomBytes(std::size_t size, std::uint64_t seed)
{
    Random random(seed);
    Bytes out(size);
    for (auto& byte : out)
        byte = static_cast<std::uint8_t>(random.next() >> 56);
    return out;
}

/// Catalog-like text: words from a small vocabulary, lines, some XML.
inline Bytes textBytes(std::size_t size, std::uint64_t seed)
{
    static const char* const words[] = { "chair", "table", "the", "modern", "oak", "lamp", "<property name=", "value",
        "\"", "</property>", "recolor", "sofa", "price", "=", "\r\n" };
    Random random(seed);
    Bytes out;
    out.reserve(size + 32);
    while (out.size() < size) {
        const char* word = words[random.below(sizeof words / sizeof *words)];
        out.insert(out.end(), word, word + std::strlen(word));
        out.push_back(' ');
    }
    out.resize(size);
    return out;
}

/// Mesh-like records: 32-byte vertices of slowly changing floats with fixed fields.
inline Bytes meshBytes(std::size_t size, std::uint64_t seed)
{
    Random random(seed);
    Bytes out;
    out.reserve(size + 32);
    float x = 0.0f;
    while (out.size() < size) {
        float vertex[8] = { x, x * 0.5f, 1.0f, 0.0f, 0.0f, 1.0f, static_cast<float>(random.below(4)) * 0.25f, 0.5f };
        if (random.below(8) == 0)
            x += 0.125f;
        const auto* raw = reinterpret_cast<const std::uint8_t*>(vertex);
        out.insert(out.end(), raw, raw + sizeof vertex);
    }
    out.resize(size);
    return out;
}

/// Texture-like pixels: runs of a few colours with noise in the low bits.
inline Bytes textureBytes(std::size_t size, std::uint64_t seed)
{
    Random random(seed);
    Bytes out(size);
    std::uint32_t colour = 0xFF808080u;
    for (std::size_t k = 0; k + 4 <= size; k += 4) {
        if (random.below(64) == 0)
            colour = static_cast<std::uint32_t>(random.next()) | 0xFF000000u;
        std::uint32_t pixel = colour;
        if (random.below(4) == 0)
            pixel ^= random.below(4);
        std::memcpy(&out[k], &pixel, 4);
    }
    return out;
}

/// A mix of all the above with repeats far and near: the encoder's varied input.
inline Bytes variedBytes(std::size_t size, std::uint64_t seed)
{
    Random random(seed);
    Bytes out;
    out.reserve(size + 70000);
    while (out.size() < size) {
        const std::size_t piece = 512 + random.below(16384);
        switch (random.below(6)) {
        case 0: {
            const Bytes part = textBytes(piece, random.next());
            out.insert(out.end(), part.begin(), part.end());
            break;
        }
        case 1: {
            const Bytes part = meshBytes(piece, random.next());
            out.insert(out.end(), part.begin(), part.end());
            break;
        }
        case 2: {
            const Bytes part = randomBytes(piece, random.next());
            out.insert(out.end(), part.begin(), part.end());
            break;
        }
        case 3:
            out.insert(out.end(), piece, static_cast<std::uint8_t>(random.below(3)));
            break;
        case 4: {
            const Bytes part = textureBytes(piece, random.next());
            out.insert(out.end(), part.begin(), part.end());
            break;
        }
        default:
            if (out.size() > piece) {
                // Repeat an earlier stretch, at an offset that is not block-aligned.
                const std::size_t from = random.below(static_cast<std::uint32_t>(out.size() - piece));
                const Bytes part(out.begin() + static_cast<std::ptrdiff_t>(from),
                    out.begin() + static_cast<std::ptrdiff_t>(from + piece));
                out.insert(out.end(), part.begin(), part.end());
            }
            break;
        }
    }
    out.resize(size);
    return out;
}

} // namespace varnick::test
