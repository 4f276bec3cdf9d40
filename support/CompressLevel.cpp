// The LZ77 encoder behind CompressLevel. Positions are chained by the hash of
// their first 4 bytes (a head table per hash, a ring of links for the last
// 131,072 positions); each search walks the chain from the nearest position
// back, up to the level's depth, and keeps the match that saves the most
// bytes once its code is paid for:
//
//   code family   code bytes   count     offset      saves
//   2-byte        2            3..10     ..1024      count - 2
//   3-byte        3            4..67     ..16384     count - 3
//   4-byte        4            5..1028   ..131072    count - 4
//
// Literal bytes go out as runs of 4..112 (multiples of 4), the last 0..3 of
// them riding on the next copy code or on the stop code that ends every
// stream. Levels 1..3 search greedily and, after a match, index only its
// last positions; levels 4..9 index every position and defer a match by one
// byte when the next position gives a better one (lazy matching).
#include "support/Codec.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

namespace kelvora {

namespace {

constexpr std::size_t kMaxOffset = 131072;
constexpr std::size_t kMaxCount = 1028;
constexpr std::size_t kMaxRun = 112;
constexpr std::int32_t kNoPosition = -1;

struct LevelSettings {
    int depth; ///< chain entries examined per search
    bool lazy; ///< try the next position before taking a match
    bool indexAll; ///< index every position inside a match
    std::size_t nice; ///< a match this long ends the search
};

constexpr LevelSettings kLevels[kMaxLevel + 1] = {
    { 1, false, false, 16 }, // unused
    { 1, false, false, 16 },
    { 2, false, false, 32 },
    { 6, false, true, 64 },
    { 8, true, true, 64 },
    { 16, true, true, 128 },
    { 32, true, true, 258 },
    { 96, true, true, 512 },
    { 512, true, true, kMaxCount },
    { 4096, true, true, kMaxCount },
};

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

// Bytes equal at a and b, at most limit.
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

class Encoder {
public:
    Encoder(std::span<const std::uint8_t> source, const LevelSettings& settings)
        : mIn(source.data())
        , mSize(source.size())
        , mSettings(settings)
    {
        // Tables sized to the input, so small resources do not pay for large ones.
        int bits = 10;
        while (bits < 16 && (std::size_t { 1 } << bits) < mSize)
            ++bits;
        mHashShift = 32 - bits;
        mHead.assign(std::size_t { 1 } << bits, kNoPosition);
        if (mSettings.depth > 1) {
            std::size_t ring = 64;
            while (ring < std::min(mSize, kMaxOffset))
                ring <<= 1;
            mRingMask = ring - 1;
            mLinks.resize(ring);
        }
        // Output never needs more than the input plus run codes; past the
        // input's size the stream is useless anyway, and encoding stops there.
        mOut.resize(kHeaderSize + mSize + mSize / kMaxRun + 16);
        mLimit = mOut.data() + kHeaderSize + mSize;
        mOp = mOut.data() + kHeaderSize;
    }

    std::optional<std::vector<std::uint8_t>> run()
    {
        if (mSize == 0)
            return std::nullopt; // the header alone is longer than nothing
        std::size_t i = 0;
        std::size_t literalStart = 0;
        std::size_t misses = 0;
        const bool greedy = !mSettings.lazy;
        while (i + 4 <= mSize) {
            indexUpTo(i);
            Match match = find(i);
            if (match.saving == 0) {
                // Incompressible stretches are crossed in growing steps at the
                // greedy levels, as each miss there is all but certain to repeat.
                ++misses;
                const std::size_t step = greedy ? 1 + (misses >> 5) : 1;
                i += step;
                if (step > 1)
                    mIndexed = std::min(i, mSize);
                continue;
            }
            misses = 0;
            if (mSettings.lazy) {
                while (i + 5 <= mSize) {
                    indexUpTo(i + 1);
                    const Match next = find(i + 1);
                    if (next.saving <= match.saving)
                        break;
                    match = next;
                    ++i;
                }
            }
            if (!emitLiterals(literalStart, i) || !emitCopy(match))
                return std::nullopt;
            i += match.count;
            literalStart = i;
            if (!mSettings.indexAll && i >= 2)
                mIndexed = std::max(mIndexed, i - 2);
        }
        if (!emitLiterals(literalStart, mSize))
            return std::nullopt;
        const std::size_t rest = (mSize - literalStart) % 4;
        *mOp++ = static_cast<std::uint8_t>(0xFC + rest);
        std::memcpy(mOp, mIn + mSize - rest, rest);
        mOp += rest;
        if (mOp >= mLimit)
            return std::nullopt;
        mOut.resize(static_cast<std::size_t>(mOp - mOut.data()));
        writeHeader();
        return std::move(mOut);
    }

private:
    std::size_t hashAt(std::size_t position) const
    {
        return static_cast<std::size_t>((load32(mIn + position) * 2654435761u) >> mHashShift);
    }

    void indexUpTo(std::size_t end)
    {
        const std::size_t last = std::min(end, mSize - 3); // a hash reads 4 bytes
        for (; mIndexed < last; ++mIndexed) {
            std::int32_t& head = mHead[hashAt(mIndexed)];
            if (!mLinks.empty())
                mLinks[mIndexed & mRingMask] = head;
            head = static_cast<std::int32_t>(mIndexed);
        }
    }

    Match find(std::size_t i) const
    {
        Match best;
        const std::size_t limit = std::min(kMaxCount, mSize - i);
        const std::uint8_t* here = mIn + i;
        std::int32_t candidate = mHead[hashAt(i)];
        for (int depth = mSettings.depth; candidate != kNoPosition && depth > 0; --depth) {
            const auto position = static_cast<std::size_t>(candidate);
            const std::size_t offset = i - position;
            if (offset > kMaxOffset)
                break;
            const std::uint8_t* there = mIn + position;
            // A candidate can only win if it reaches one byte past the best so far.
            if (best.count == 0 || (best.count < limit && there[best.count] == here[best.count])) {
                const std::size_t count = commonLength(there, here, limit);
                const std::size_t cost = copyCost(count, offset);
                if (cost != 0 && count - cost > best.saving) {
                    best = { count, offset, count - cost };
                    if (count >= mSettings.nice)
                        break;
                }
            }
            if (mLinks.empty())
                break;
            candidate = mLinks[position & mRingMask];
        }
        return best;
    }

    // Whole 4-byte units of [from, to) as literal runs; the 0..3 bytes left
    // go with the next code. False once the stream is no shorter than the input.
    bool emitLiterals(std::size_t from, std::size_t to)
    {
        std::size_t units = (to - from) & ~std::size_t { 3 };
        while (units != 0) {
            const std::size_t run = std::min(units, kMaxRun);
            *mOp++ = static_cast<std::uint8_t>(0xE0 + run / 4 - 1);
            std::memcpy(mOp, mIn + from, run);
            mOp += run;
            from += run;
            units -= run;
        }
        mPlainFrom = from;
        mPlain = to - from;
        return mOp < mLimit;
    }

    bool emitCopy(const Match& match)
    {
        const std::size_t plain = mPlain;
        const std::size_t d = match.offset - 1;
        if (match.offset <= 1024 && match.count <= 10) {
            *mOp++ = static_cast<std::uint8_t>(((d >> 3) & 0x60) | ((match.count - 3) << 2) | plain);
            *mOp++ = static_cast<std::uint8_t>(d & 0xFF);
        } else if (match.offset <= 16384 && match.count <= 67) {
            *mOp++ = static_cast<std::uint8_t>(0x80 | (match.count - 4));
            *mOp++ = static_cast<std::uint8_t>((plain << 6) | (d >> 8));
            *mOp++ = static_cast<std::uint8_t>(d & 0xFF);
        } else {
            const std::size_t c = match.count - 5;
            *mOp++ = static_cast<std::uint8_t>(0xC0 | ((d >> 12) & 0x10) | ((c >> 6) & 0x0C) | plain);
            *mOp++ = static_cast<std::uint8_t>((d >> 8) & 0xFF);
            *mOp++ = static_cast<std::uint8_t>(d & 0xFF);
            *mOp++ = static_cast<std::uint8_t>(c & 0xFF);
        }
        std::memcpy(mOp, mIn + mPlainFrom, plain);
        mOp += plain;
        mPlain = 0;
        return mOp < mLimit;
    }

    void writeHeader()
    {
        const std::size_t total = mOut.size();
        mOut[0] = static_cast<std::uint8_t>(total & 0xFF);
        mOut[1] = static_cast<std::uint8_t>((total >> 8) & 0xFF);
        mOut[2] = static_cast<std::uint8_t>((total >> 16) & 0xFF);
        mOut[3] = static_cast<std::uint8_t>((total >> 24) & 0xFF);
        mOut[4] = 0x10;
        mOut[5] = 0xFB;
        mOut[6] = static_cast<std::uint8_t>((mSize >> 16) & 0xFF);
        mOut[7] = static_cast<std::uint8_t>((mSize >> 8) & 0xFF);
        mOut[8] = static_cast<std::uint8_t>(mSize & 0xFF);
    }

    const std::uint8_t* mIn;
    std::size_t mSize;
    LevelSettings mSettings;
    int mHashShift = 0;
    std::vector<std::int32_t> mHead;
    std::vector<std::int32_t> mLinks;
    std::size_t mRingMask = 0;
    std::size_t mIndexed = 0; ///< positions below this are in the chains (or were skipped)
    std::vector<std::uint8_t> mOut;
    std::uint8_t* mOp = nullptr;
    const std::uint8_t* mLimit = nullptr;
    std::size_t mPlainFrom = 0;
    std::size_t mPlain = 0;
};

} // namespace

std::optional<std::vector<std::uint8_t>> compressLevel(std::span<const std::uint8_t> source, int level)
{
    if (source.size() > kMaxEncodedInput)
        throw std::length_error("input too large for a compressed resource");
    const int clamped = std::clamp(level, kMinLevel, kMaxLevel);
    return Encoder(source, kLevels[clamped]).run();
}

} // namespace kelvora
