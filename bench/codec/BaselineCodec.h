#pragma once

// The yardstick for CompressLevel and the decoder: an encoder and a decoder of
// the game's compressed format such as a careful community tool would write.
//
// The encoder follows the parameters players' recompressors are known to use,
// those of a deflate-style level 5: a hash of 3 bytes with chains of previous
// positions over a 128 KiB window, at most 32 candidates per search, a search
// ended by a match of 32 bytes ("nice"), and lazy matching (the match at the
// next position is looked for, and wins when longer) unless the current one
// already reaches 16 bytes. A match is the longest the code can carry at its
// offset (3 bytes within 1,024, 4 within 16,384, 5 beyond; at most 1,028).
// Literals go out as runs of 4..112 (multiples of 4), the last 0..3 riding on
// the next copy code or the stop code that ends the stream.
//
// The decoder takes one control code at a time, checks that its literal bytes
// and its copy lie inside the buffers, and copies byte by byte.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace varnick::bench {

struct BaselineParameters {
    int chain = 32; ///< candidates examined per search
    std::size_t lazy = 16; ///< a match at least this long is taken without looking at the next position
    std::size_t nice = 32; ///< a match at least this long ends the search
    std::size_t window = 131072; ///< how far back a match may start
};

namespace baseline_detail {

constexpr int kHashBits = 15;
constexpr std::size_t kMaxCount = 1028;
constexpr std::size_t kMaxRun = 112;

inline bool carried(std::size_t count, std::size_t offset)
{
    return count >= 5 || (count >= 4 && offset <= 16384) || (count >= 3 && offset <= 1024);
}

struct Match {
    std::size_t count = 0;
    std::size_t offset = 0;
};

class Encoder {
public:
    Encoder(std::span<const std::uint8_t> source, const BaselineParameters& parameters)
        : mIn(source.data())
        , mSize(source.size())
        , mParameters(parameters)
        , mHead(std::size_t { 1 } << kHashBits, -1)
        , mPrevious(parameters.window, -1)
    {
        mOut.reserve(9 + mSize + mSize / kMaxRun + 8);
        mOut.assign(9, 0);
    }

    std::vector<std::uint8_t> run()
    {
        std::size_t i = 0;
        Match previous;
        bool pending = false; // previous holds the match found at i - 1
        while (i < mSize) {
            Match current;
            if (i + 3 <= mSize) {
                const std::int32_t candidate = insert(i);
                if (!(pending && previous.count >= mParameters.lazy))
                    current = longest(i, candidate, pending ? previous.count : 0);
            }
            if (pending && previous.count >= 3 && current.count <= previous.count) {
                const std::size_t start = i - 1;
                emitLiterals(start);
                emitCopy(previous, start);
                for (std::size_t p = i + 1; p < start + previous.count && p + 3 <= mSize; ++p)
                    insert(p);
                i = start + previous.count;
                mLiteralStart = i;
                pending = false;
                continue;
            }
            previous = current;
            pending = true;
            ++i;
        }
        emitLiterals(mSize);
        const std::size_t rest = mSize - mLiteralStart;
        mOut.push_back(static_cast<std::uint8_t>(0xFC + rest));
        mOut.insert(mOut.end(), mIn + mLiteralStart, mIn + mSize);
        const std::size_t total = mOut.size();
        for (int k = 0; k < 4; ++k)
            mOut[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(total >> (8 * k));
        mOut[4] = 0x10;
        mOut[5] = 0xFB;
        mOut[6] = static_cast<std::uint8_t>(mSize >> 16);
        mOut[7] = static_cast<std::uint8_t>(mSize >> 8);
        mOut[8] = static_cast<std::uint8_t>(mSize);
        return std::move(mOut);
    }

private:
    std::size_t hashAt(std::size_t p) const
    {
        const std::uint32_t v = std::uint32_t { mIn[p] } << 16 | std::uint32_t { mIn[p + 1] } << 8 | mIn[p + 2];
        return (v * 2654435761u) >> (32 - kHashBits);
    }

    // Chains p in and returns the position that headed its chain before.
    std::int32_t insert(std::size_t p)
    {
        std::int32_t& head = mHead[hashAt(p)];
        const std::int32_t before = head;
        mPrevious[p % mParameters.window] = before;
        head = static_cast<std::int32_t>(p);
        return before;
    }

    Match longest(std::size_t i, std::int32_t candidate, std::size_t toBeat) const
    {
        Match best;
        best.count = toBeat;
        const std::size_t limit = std::min(kMaxCount, mSize - i);
        const std::uint8_t* here = mIn + i;
        for (int left = mParameters.chain; candidate >= 0 && left > 0; --left) {
            const auto p = static_cast<std::size_t>(candidate);
            const std::size_t offset = i - p;
            if (offset > mParameters.window)
                break;
            const std::uint8_t* there = mIn + p;
            if (best.count < limit && there[best.count] == here[best.count] && there[0] == here[0]) {
                std::size_t count = 0;
                while (count < limit && there[count] == here[count])
                    ++count;
                if (count > best.count && carried(count, offset)) {
                    best = { count, offset };
                    if (count >= mParameters.nice || count == limit)
                        break;
                }
            }
            candidate = mPrevious[p % mParameters.window];
        }
        return best.count > toBeat ? best : Match {};
    }

    void emitLiterals(std::size_t to)
    {
        while (to - mLiteralStart >= 4) {
            const std::size_t run = std::min((to - mLiteralStart) & ~std::size_t { 3 }, kMaxRun);
            mOut.push_back(static_cast<std::uint8_t>(0xE0 + run / 4 - 1));
            mOut.insert(mOut.end(), mIn + mLiteralStart, mIn + mLiteralStart + run);
            mLiteralStart += run;
        }
    }

    // The copy at start, carrying the 0..3 literals left before it.
    void emitCopy(const Match& match, std::size_t start)
    {
        const std::size_t riding = start - mLiteralStart;
        const std::size_t d = match.offset - 1;
        if (match.count <= 10 && match.offset <= 1024) {
            mOut.push_back(static_cast<std::uint8_t>(((d >> 3) & 0x60) | ((match.count - 3) << 2) | riding));
            mOut.push_back(static_cast<std::uint8_t>(d));
        } else if (match.count <= 67 && match.offset <= 16384) {
            mOut.push_back(static_cast<std::uint8_t>(0x80 | (match.count - 4)));
            mOut.push_back(static_cast<std::uint8_t>((riding << 6) | (d >> 8)));
            mOut.push_back(static_cast<std::uint8_t>(d));
        } else {
            const std::size_t c = match.count - 5;
            mOut.push_back(static_cast<std::uint8_t>(0xC0 | ((d >> 12) & 0x10) | ((c >> 6) & 0x0C) | riding));
            mOut.push_back(static_cast<std::uint8_t>(d >> 8));
            mOut.push_back(static_cast<std::uint8_t>(d));
            mOut.push_back(static_cast<std::uint8_t>(c));
        }
        mOut.insert(mOut.end(), mIn + mLiteralStart, mIn + mLiteralStart + riding);
    }

    const std::uint8_t* mIn;
    std::size_t mSize;
    BaselineParameters mParameters;
    std::vector<std::int32_t> mHead;
    std::vector<std::int32_t> mPrevious;
    std::vector<std::uint8_t> mOut;
    std::size_t mLiteralStart = 0; ///< the first input byte not yet in the output
};

} // namespace baseline_detail

/// The baseline encoder's stream for source (header with the true sizes, ended
/// by a stop code); it may be longer than source, which a package would then
/// store uncompressed.
inline std::vector<std::uint8_t> baselineCompress(
    std::span<const std::uint8_t> source, const BaselineParameters& parameters = {})
{
    return baseline_detail::Encoder(source, parameters).run();
}

/// The baseline decoder: the output sized once from the header's uncompressed
/// size, every code's literals and copy checked against both buffers before it
/// runs, then copied byte by byte. Nothing when the stream is damaged or
/// overruns its declared size.
inline std::optional<std::vector<std::uint8_t>> baselineDecompress(std::span<const std::uint8_t> stored)
{
    std::vector<std::uint8_t> out;
    const std::size_t size = stored.size();
    if (size <= 9)
        return out;
    const std::uint8_t* in = stored.data();
    out.resize(std::size_t { in[6] } << 16 | std::size_t { in[7] } << 8 | in[8]);
    std::uint8_t* const output = out.data();
    const std::size_t capacity = out.size();
    std::size_t len = 0;
    std::size_t i = 9;
    while (i < size) {
        const unsigned a = in[i];
        std::size_t plain = 0;
        std::size_t count = 0;
        std::size_t offset = 0;
        if (a < 0x80) {
            if (size - i < 2)
                return std::nullopt;
            const unsigned b1 = in[i + 1];
            plain = a & 3;
            count = ((a >> 2) & 7) + 3;
            offset = ((a & 0x60u) << 3) + b1 + 1;
            i += 2;
        } else if (a < 0xC0) {
            if (size - i < 3)
                return std::nullopt;
            const unsigned b1 = in[i + 1];
            const unsigned b2 = in[i + 2];
            plain = b1 >> 6;
            count = (a & 0x3F) + 4;
            offset = ((b1 & 0x3Fu) << 8) + b2 + 1;
            i += 3;
        } else if (a < 0xE0) {
            if (size - i < 4)
                return std::nullopt;
            const unsigned b1 = in[i + 1];
            const unsigned b2 = in[i + 2];
            const unsigned b3 = in[i + 3];
            plain = a & 3;
            count = ((a & 0x0Cu) << 6) + b3 + 5;
            offset = ((a & 0x10u) << 12) + (b1 << 8) + b2 + 1;
            i += 4;
        } else if (a < 0xFC) {
            plain = ((a & 0x1F) + 1) * 4;
            i += 1;
        } else {
            plain = a & 3;
            i += 1;
            if (size - i < plain || capacity - len < plain)
                return std::nullopt;
            for (std::size_t k = 0; k < plain; ++k)
                output[len++] = in[i++];
            break;
        }
        if (size - i < plain || capacity - len < plain + count)
            return std::nullopt;
        for (std::size_t k = 0; k < plain; ++k)
            output[len++] = in[i++];
        if (offset > len)
            return std::nullopt;
        for (std::size_t k = 0; k < count; ++k, ++len)
            output[len] = output[len - offset];
    }
    out.resize(len);
    return out;
}

} // namespace varnick::bench
