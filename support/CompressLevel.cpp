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
// stream. Level 1 looks at one candidate per position and indexes only a
// match's last positions; levels 2 and 3 search chains greedily; levels 4 to 7
// defer a match by one byte when the next position gives a better one (lazy
// matching); levels 8 and 9 choose the cheapest path through all matches of
// each 64 KiB stretch (optimal parsing), with 3-byte matches as well.
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

enum class Parse {
    Skipping, ///< greedy on one candidate, indexing only the last positions inside a match
    Greedy, ///< take the best match at each position
    Lazy, ///< defer a match by one byte when the next position gives a better one
    Optimal, ///< the cheapest path through all matches of each 64 KiB stretch
};

struct LevelSettings {
    int depth; ///< chain entries examined per search
    Parse parse;
    std::size_t nice; ///< a match this long ends the search (and, when optimal, is taken)
};

constexpr LevelSettings kLevels[kMaxLevel + 1] = {
    { 1, Parse::Skipping, 16 }, // unused
    { 1, Parse::Skipping, 16 },
    { 2, Parse::Greedy, 32 },
    { 6, Parse::Greedy, 64 },
    { 8, Parse::Lazy, 64 },
    { 16, Parse::Lazy, 128 },
    { 32, Parse::Lazy, 258 },
    { 96, Parse::Lazy, 512 },
    { 64, Parse::Optimal, 128 },
    { 1024, Parse::Optimal, 1028 },
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
        if (mSettings.parse == Parse::Optimal) {
            mHash3Shift = mHashShift;
            mHead3.assign(mHead.size(), kNoPosition);
        }
        // Output never needs more than the input plus run codes; once as long
        // as the input the stream is useless, and encoding stops there.
        mOut.resize(kHeaderSize + mSize + mSize / kMaxRun + 16);
        mLimit = mOut.data() + mSize; // the header counts: a stream must be shorter than the input
        mOp = mOut.data() + kHeaderSize;
    }

    std::optional<std::vector<std::uint8_t>> run()
    {
        if (mSize == 0)
            return std::nullopt; // the header alone is longer than nothing
        std::size_t i = 0;
        std::size_t literalStart = 0;
        while (i + 4 <= mSize) {
            indexUpTo(i);
            Match match = find(i);
            if (match.saving == 0) {
                ++i;
                continue;
            }
            if (mSettings.parse == Parse::Lazy) {
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
        }
        return finish(literalStart);
    }

    /// The fastest parse: one candidate per position (the last with the same
    /// hash), taken when its first 4 bytes match, and only a match's last two
    /// positions indexed.
    std::optional<std::vector<std::uint8_t>> runFast()
    {
        if (mSize == 0)
            return std::nullopt;
        std::size_t i = 0;
        std::size_t literalStart = 0;
        while (i + 4 <= mSize) {
            std::int32_t& head = mHead[hashAt(i)];
            const std::int32_t candidate = head;
            head = static_cast<std::int32_t>(i);
            if (candidate != kNoPosition) {
                const auto position = static_cast<std::size_t>(candidate);
                const std::size_t offset = i - position;
                if (offset <= kMaxOffset && load32(mIn + position) == load32(mIn + i)) {
                    const std::size_t limit = std::min(kMaxCount, mSize - i);
                    const std::size_t count = 4 + commonLength(mIn + position + 4, mIn + i + 4, limit - 4);
                    const std::size_t cost = copyCost(count, offset);
                    if (cost != 0) {
                        if (!emitLiterals(literalStart, i) || !emitCopy(Match { count, offset, count - cost }))
                            return std::nullopt;
                        i += count;
                        literalStart = i;
                        for (std::size_t k = i - 2; k < i && k + 4 <= mSize; ++k)
                            mHead[hashAt(k)] = static_cast<std::int32_t>(k);
                        continue;
                    }
                }
            }
            ++i;
        }
        return finish(literalStart);
    }

    /// The stream along the cheapest path: within each stretch of 64 KiB,
    /// every position's literal and every length of each match found there
    /// (the nearest offset for each length) are weighed by their exact code
    /// bytes, and the path of the fewest bytes to the stretch's end is
    /// emitted. A literal's price depends on how many came since the last
    /// copy (the first three ride on the next code, the fourth opens a literal
    /// run), so each position is priced in five states: 0, 1, 2, 3 and 4 or
    /// more literals pending.
    std::optional<std::vector<std::uint8_t>> runOptimal()
    {
        if (mSize == 0)
            return std::nullopt;
        constexpr std::size_t kStretch = std::size_t { 1 } << 16;
        constexpr std::size_t kStates = 5;
        constexpr std::uint32_t kUnreached = 0xFFFFFFFFu;
        // Prices in 1/112 bytes: a literal riding on the next code costs a
        // byte, the fourth opens a run (a byte more), and each one after adds
        // its share of the run's code byte.
        constexpr std::uint32_t kByte = 112;
        constexpr std::uint32_t kLiteralPrice[kStates] = { kByte, kByte, kByte, 2 * kByte, kByte + 1 };
        // Sized to the input, so that small resources do not pay for a whole stretch.
        const std::size_t longest = std::min(kStretch, mSize);
        std::vector<std::uint32_t> price((longest + 1) * kStates);
        std::vector<std::uint8_t> previousState((longest + 1) * kStates);
        std::vector<std::uint16_t> copyCount(longest + 1);
        std::vector<std::uint32_t> copyOffset(longest + 1);
        std::vector<Match> found;
        std::vector<Match> path; // count 1 for a literal
        std::size_t literalStart = 0;
        for (std::size_t start = 0; start < mSize; start += kStretch) {
            const std::size_t span = std::min(kStretch, mSize - start);
            std::fill(price.begin(), price.begin() + static_cast<std::ptrdiff_t>((span + 1) * kStates), kUnreached);
            price[0] = 0;
            std::size_t searchFrom = 0;
            for (std::size_t k = 0; k < span; ++k) {
                const std::uint32_t* here = &price[k * kStates];
                std::uint32_t* next = &price[(k + 1) * kStates];
                std::uint8_t* nextFrom = &previousState[(k + 1) * kStates];
                std::size_t cheapest = 0;
                for (std::size_t state = 0; state < kStates; ++state) {
                    if (here[state] == kUnreached)
                        continue;
                    if (here[state] < here[cheapest])
                        cheapest = state;
                    const std::size_t to = std::min(state + 1, kStates - 1);
                    const std::uint32_t total = here[state] + kLiteralPrice[state];
                    if (total < next[to]) {
                        next[to] = total;
                        nextFrom[to] = static_cast<std::uint8_t>(state);
                    }
                }
                const std::size_t i = start + k;
                if (k < searchFrom || i + 4 > mSize)
                    continue;
                indexUpTo(i);
                collect(i, span - k, found);
                const std::uint32_t base = here[cheapest];
                const auto relax = [&](std::size_t count, std::size_t offset) {
                    const std::size_t cost = copyCost(count, offset);
                    if (cost == 0)
                        return;
                    const std::uint32_t total = base + static_cast<std::uint32_t>(cost * kByte);
                    std::uint32_t& target = price[(k + count) * kStates];
                    if (total < target) {
                        target = total;
                        previousState[(k + count) * kStates] = static_cast<std::uint8_t>(cheapest);
                        copyCount[k + count] = static_cast<std::uint16_t>(count);
                        copyOffset[k + count] = static_cast<std::uint32_t>(offset);
                    }
                };
                std::size_t shorter = 2;
                for (const Match& match : found) {
                    if (match.count >= mSettings.nice) {
                        // Long matches are taken whole; the positions they cover are not searched.
                        relax(match.count, match.offset);
                        searchFrom = k + match.count;
                        break;
                    }
                    for (std::size_t count = shorter + 1; count <= match.count; ++count)
                        relax(count, match.offset);
                    shorter = match.count;
                }
            }
            // Back from the stretch's end along the chosen steps, then forward.
            const std::uint32_t* last = &price[span * kStates];
            std::size_t state = static_cast<std::size_t>(std::min_element(last, last + kStates) - last);
            path.clear();
            for (std::size_t k = span; k > 0;) {
                const std::size_t from = previousState[k * kStates + state];
                if (state == 0) {
                    path.push_back({ copyCount[k], copyOffset[k], 0 });
                    k -= copyCount[k];
                } else {
                    path.push_back({ 1, 0, 0 });
                    --k;
                }
                state = from;
            }
            std::size_t at = start;
            for (auto step = path.rbegin(); step != path.rend(); ++step) {
                if (step->count > 1) {
                    if (!emitLiterals(literalStart, at) || !emitCopy(*step))
                        return std::nullopt;
                    literalStart = at + step->count;
                }
                at += step->count;
            }
        }
        return finish(literalStart);
    }

private:
    // The matches at i with lengths growing as offsets grow (each the longest
    // seen so far along the chain), at most limit bytes long; a 3-byte match
    // within 1,024 bytes comes first when it is nearer than them all.
    void collect(std::size_t i, std::size_t limit, std::vector<Match>& found) const
    {
        found.clear();
        limit = std::min(limit, kMaxCount);
        const std::uint8_t* here = mIn + i;
        std::size_t longest = 0;
        std::int32_t candidate = mHead[hashAt(i)];
        for (int depth = mSettings.depth; candidate != kNoPosition && depth > 0; --depth) {
            const auto position = static_cast<std::size_t>(candidate);
            const std::size_t offset = i - position;
            if (offset > kMaxOffset)
                break;
            const std::uint8_t* there = mIn + position;
            if (longest == 0 || (longest < limit && there[longest] == here[longest])) {
                const std::size_t count = commonLength(there, here, limit);
                if (count > longest && copyCost(count, offset) != 0) {
                    found.push_back({ count, offset, 0 });
                    longest = count;
                    if (count >= mSettings.nice || count == limit)
                        break;
                }
            }
            candidate = mLinks[position & mRingMask];
        }
        const std::int32_t near = mHead3[hash3At(i)];
        if (near == kNoPosition || limit < 3)
            return;
        const std::size_t offset = i - static_cast<std::size_t>(near);
        if (offset > 1024 || (!found.empty() && found.front().offset <= offset))
            return;
        const std::size_t count = commonLength(mIn + near, here, std::min<std::size_t>(limit, 10));
        if (count < 3)
            return;
        if (!found.empty() && count >= found.front().count)
            found.front() = { count, offset, 0 };
        else
            found.insert(found.begin(), { count, offset, 0 });
    }

    std::optional<std::vector<std::uint8_t>> finish(std::size_t literalStart)
    {
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

    std::size_t hashAt(std::size_t position) const
    {
        return static_cast<std::size_t>((load32(mIn + position) * 2654435761u) >> mHashShift);
    }

    std::size_t hash3At(std::size_t position) const
    {
        return static_cast<std::size_t>(((load32(mIn + position) & 0xFFFFFFu) * 2654435761u) >> mHash3Shift);
    }

    void indexUpTo(std::size_t end)
    {
        const std::size_t last = std::min(end, mSize - 3); // a hash reads 4 bytes
        for (; mIndexed < last; ++mIndexed) {
            std::int32_t& head = mHead[hashAt(mIndexed)];
            if (!mLinks.empty())
                mLinks[mIndexed & mRingMask] = head;
            head = static_cast<std::int32_t>(mIndexed);
            if (!mHead3.empty())
                mHead3[hash3At(mIndexed)] = static_cast<std::int32_t>(mIndexed);
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
    std::vector<std::int32_t> mHead3; ///< the nearest position per hash of 3 bytes (optimal parsing only)
    int mHash3Shift = 0;
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
    const LevelSettings& settings = kLevels[clamped];
    Encoder encoder(source, settings);
    switch (settings.parse) {
    case Parse::Skipping:
        return encoder.runFast();
    case Parse::Optimal:
        return encoder.runOptimal();
    default:
        return encoder.run();
    }
}

} // namespace kelvora
