// The LZ77 encoder behind CompressLevel. Every code's price is known exactly:
//
//   code family   code bytes   count     offset      saves
//   2-byte        2            3..10     ..1024      count - 2
//   3-byte        3            4..67     ..16384     count - 3
//   4-byte        4            5..1028   ..131072    count - 4
//
// and literal bytes go out as runs of 4..112 (multiples of 4), the last 0..3
// of them riding on the next copy code or on the stop code that ends every
// stream: the first three literals after a copy cost a byte each, the fourth
// two (it opens a run), and each further one a byte and a share of the next
// run's code byte.
//
// Positions are chained by the hash of their first 4 bytes (a head table per
// hash, a ring of links for the last 131,072 positions); a search walks the
// chain from the nearest position back, up to the level's depth. The one
// kind of match those chains cannot find, 3 bytes within 1,024 (a 2-byte code
// that saves a byte), comes from a small table of the nearest position per
// hash of 3 bytes. Level 1 looks at one candidate per position and indexes only
// a match's last positions; levels 2 and 3 take the match that saves the most
// at each position; levels 4 to 6 defer it by a byte while the next position
// saves more, counting the literal that costs; every match of these levels is
// also extended backwards over the literals before it where they repeat.
// Levels 7 to 9 choose the cheapest path through all matches of each 32 KiB
// stretch (optimal parsing), weighing every length of every match found by its
// exact code bytes and every literal by the state of its run. Their matches
// come from a binary tree per hash of 4 bytes instead of a chain: a code's
// price depends only on its length and on which of three offset ranges holds
// it, so the nearest match of each length is all a path can use, and the
// tree's search path passes exactly those. Its depth bounds the nodes a search
// visits; unbounded, the path found is the cheapest the format allows (up to
// the stretches' ends), which compressWithDeepSearch gives for measuring.
#include "support/Codec.h"
#include "support/MatchFinding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <stdexcept>

namespace kelvora {

namespace {

using namespace matching;

constexpr std::size_t kMaxRun = 112;
enum class Parse {
    Skipping, ///< greedy on one candidate, indexing only the last positions inside a match
    Greedy, ///< take the best match at each position
    Lazy, ///< defer a match by one byte when the next position gives a better one
    Optimal, ///< the cheapest path through all matches of each stretch
};

struct LevelSettings {
    int depth; ///< chain entries (or, with tree, tree nodes) examined per search
    Parse parse;
    std::size_t nice; ///< a match this long ends the search (and, when optimal, is taken whole)
    bool tree = false; ///< optimal parsing: matches from a binary tree of the window instead of hash chains
};

constexpr LevelSettings kLevels[kMaxLevel + 1] = {
    { 1, Parse::Skipping, 16 }, // unused
    { 1, Parse::Skipping, 16 },
    { 2, Parse::Greedy, 32 },
    { 6, Parse::Greedy, 64 },
    { 8, Parse::Lazy, 64 },
    { 16, Parse::Lazy, 128 },
    { 48, Parse::Lazy, 258 },
    { 16, Parse::Optimal, 64, true },
    { 32, Parse::Optimal, 64, true },
    { 32, Parse::Optimal, 128, true },
};

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
        if (mSettings.tree) {
            mTree.emplace(mIn, mSize, bits, mSettings.depth);
        } else {
            mHead.assign(std::size_t { 1 } << bits, kNoPosition);
        }
        if (!mSettings.tree && mSettings.depth > 1) {
            std::size_t ring = 64;
            while (ring < std::min(mSize, kMaxOffset))
                ring <<= 1;
            mRingMask = ring - 1;
            mLinks.resize(ring);
        }
        if (mSettings.parse != Parse::Skipping)
            mNear.emplace(mIn, mSettings.parse == Parse::Optimal);
        // Output never needs more than the input plus run codes; once as long
        // as the input the stream is useless, and encoding stops there.
        mOut.resize(kHeaderSize + mSize + mSize / kMaxRun + 16);
        mLimit = mOut.data() + mSize; // the header counts: a stream must be shorter than the input
        mOp = mOut.data() + kHeaderSize;
    }

    /// Greedy or lazy: at each position the match that saves the most, taken
    /// (lazy: unless the next position saves more than the literal it costs),
    /// then extended backwards over the literals before it.
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
                    // Deferring costs a literal, and a byte more when that literal opens a run.
                    if (next.saving <= match.saving + (i - literalStart == 3 ? 1 : 0))
                        break;
                    match = next;
                    ++i;
                }
            }
            // A search at an earlier position may have missed this match (its
            // chain was cut short, or a hash collided).
            while (i > literalStart && i > match.offset && match.count < kMaxCount
                && mIn[i - 1] == mIn[i - 1 - match.offset]) {
                --i;
                ++match.count;
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

    /// The stream along the cheapest path: within each stretch, every
    /// position's literal and every length of each match found there (the
    /// nearest offset for each length) are weighed by their exact code bytes,
    /// and the path of the fewest bytes to the stretch's end is emitted. A
    /// literal's price depends on how many came since the last copy, so a
    /// position is reached in five states: by a copy, or with 1, 2, 3, or 4
    /// and more literals pending. The first three follow from the copies
    /// ending 1, 2 or 3 positions before; only the last needs its own price.
    /// A match of the level's "nice" length or more is taken whole, and the
    /// positions it covers are not searched.
    std::optional<std::vector<std::uint8_t>> runOptimal()
    {
        if (mSize == 0)
            return std::nullopt;
        // Sized to the input, so that small resources do not pay for a whole stretch.
        std::vector<Arrival> arrival(std::min(kStretch, mSize) + 1);
        std::array<Match, kMaxFound> found {};
        std::vector<Match> path; // count 1 for a literal
        std::size_t literalStart = 0;
        for (std::size_t start = 0; start < mSize; start += kStretch) {
            const std::size_t span = std::min(kStretch, mSize - start);
            for (std::size_t k = 0; k <= span; ++k)
                arrival[k].price = kUnreached;
            arrival[0].price = 0;
            std::uint32_t runPrice = kUnreached; // reaching k with 4 or more literals pending
            std::size_t searchFrom = 0;
            for (std::size_t k = 0; k <= span; ++k) {
                Arrival& here = arrival[k];
                // 4 or more literals: a run opened 4 literals after a copy, or one literal more.
                const std::uint32_t opened = k >= 4 ? arrival[k - 4].price + kRunOpening : kUnreached;
                here.runOpened = opened <= runPrice + kRunLiteral;
                runPrice = here.runOpened ? opened : runPrice + kRunLiteral;
                here.runPrice = runPrice;
                const std::size_t i = start + k;
                if (k == span || k < searchFrom || i + 4 > mSize)
                    continue;
                // The cheapest state to start a copy from.
                std::uint32_t base = here.price;
                std::uint8_t cheapest = 0;
                for (std::uint8_t pending = 1; pending <= 3 && pending <= k; ++pending) {
                    const std::uint32_t price = arrival[k - pending].price + pending * kByte;
                    if (price < base) {
                        base = price;
                        cheapest = pending;
                    }
                }
                if (runPrice < base) {
                    base = runPrice;
                    cheapest = 4;
                }
                std::size_t count;
                if (mSettings.tree) {
                    count = collectFromTree(i, span - k, found.data());
                } else {
                    indexUpTo(i);
                    prefetchHeads(i + kPrefetchAhead);
                    count = collect(i, span - k, found.data());
                }
                std::size_t shorter = 2;
                for (std::size_t m = 0; m < count; ++m) {
                    const Match& match = found[m];
                    if (match.count >= mSettings.nice) {
                        relaxCopy(arrival[k + match.count], base, match.count, match.offset, cheapest);
                        searchFrom = k + match.count;
                        // Only the last positions of such a match join the
                        // tree, as they would be found again when it repeats.
                        if (mSettings.tree)
                            mTreeNext = std::max(mTreeNext, i + match.count - kTreeTail);
                        break;
                    }
                    for (std::size_t length = shorter + 1; length <= match.count; ++length)
                        relaxCopy(arrival[k + length], base, length, match.offset, cheapest);
                    shorter = match.count;
                }
            }
            if (!emitPath(arrival, span, start, path, literalStart))
                return std::nullopt;
        }
        return finish(literalStart);
    }

private:
    // Prices in 1/112 bytes, so that a literal in a run can carry its share
    // of the run's code byte.
    static constexpr std::uint32_t kByte = 112;
    static constexpr std::uint32_t kRunOpening = 4 * kByte + kByte; ///< 4 literals and the run's code byte
    static constexpr std::uint32_t kRunLiteral = kByte + 1;
    static constexpr std::uint32_t kUnreached = 0x3FFFFFFFu;
    // Lengths only grow along a chain, so even the deepest search finds few.
    static constexpr std::size_t kMaxFound = 128;
    static constexpr std::size_t kStretch = std::size_t { 1 } << 15;
    static constexpr std::size_t kPrefetchAhead = 8;
    static constexpr std::size_t kTreeTail = 4;

    /// How a position is reached most cheaply: by a copy ending there (its
    /// price, the copy and the state it started from), and with 4 or more
    /// literals pending (the price, and whether the run opened here).
    struct Arrival {
        std::uint32_t price;
        std::uint32_t offset;
        std::uint32_t runPrice;
        std::uint16_t count;
        std::uint8_t from; ///< literals pending before the copy: 0..3, or 4 for 4 and more
        bool runOpened; ///< whether the run state came from a copy 4 positions back
    };

    static void relaxCopy(Arrival& target, std::uint32_t base, std::size_t count, std::size_t offset, std::uint8_t from)
    {
        const std::size_t cost = copyCost(count, offset);
        const std::uint32_t price = base + static_cast<std::uint32_t>(cost) * kByte;
        if (price < target.price && cost != 0) {
            target.price = price;
            target.offset = static_cast<std::uint32_t>(offset);
            target.count = static_cast<std::uint16_t>(count);
            target.from = from;
        }
    }

    // Back from the stretch's end along the chosen steps, then forward: the
    // path's copies and the literals between them go out.
    bool emitPath(const std::vector<Arrival>& arrival, std::size_t span, std::size_t start, std::vector<Match>& path,
        std::size_t& literalStart)
    {
        std::size_t state = 0;
        std::uint32_t best = arrival[span].price;
        for (std::size_t pending = 1; pending <= 3 && pending <= span; ++pending) {
            if (arrival[span - pending].price + pending * kByte < best) {
                best = arrival[span - pending].price + static_cast<std::uint32_t>(pending) * kByte;
                state = pending;
            }
        }
        if (arrival[span].runPrice < best)
            state = 4;
        path.clear();
        for (std::size_t k = span; k > 0;) {
            if (state == 0) {
                const Arrival& copy = arrival[k];
                path.push_back({ copy.count, copy.offset, 0 });
                k -= copy.count;
                state = copy.from;
            } else if (state < 4) {
                path.push_back({ state, 0, 0 });
                k -= state;
                state = 0;
            } else {
                const bool opened = arrival[k].runOpened;
                path.push_back({ opened ? 4u : 1u, 0, 0 });
                k -= opened ? 4 : 1;
                state = opened ? 0 : 4;
            }
        }
        std::size_t at = start;
        for (auto step = path.rbegin(); step != path.rend(); ++step) {
            if (step->offset != 0) {
                if (!emitLiterals(literalStart, at) || !emitCopy(*step))
                    return false;
                literalStart = at + step->count;
            }
            at += step->count;
        }
        return true;
    }

    // The matches at i with lengths growing as offsets grow (each the longest
    // seen so far along the chain), at most limit bytes long; a 3-byte match
    // within 1,024 bytes comes first when it is nearer than them all. Returns
    // how many were stored in found (at most kMaxFound).
    std::size_t collect(std::size_t i, std::size_t limit, Match* found) const
    {
        std::size_t count = 0;
        limit = std::min(limit, kMaxCount);
        const std::uint8_t* here = mIn + i;
        std::size_t longest = 2;
        if (const Match near = nearThree(i, limit); near.count != 0) {
            found[count++] = near;
            longest = 3;
        }
        std::int32_t candidate = mHead[hashAt(i)];
        for (int depth = mSettings.depth; candidate != kNoPosition && depth > 0; --depth) {
            const auto position = static_cast<std::size_t>(candidate);
            const std::size_t offset = i - position;
            if (offset > kMaxOffset)
                break;
            const std::uint8_t* there = mIn + position;
            if (longest < limit && there[longest] == here[longest]) {
                const std::size_t length = commonLength(there, here, limit);
                if (length > longest && copyCost(length, offset) != 0) {
                    if (count != 0 && found[count - 1].offset > offset)
                        --count; // nearer and longer: the 3-byte match is of no more use
                    found[count++] = { length, offset, 0 };
                    longest = length;
                    if (length >= mSettings.nice || length == limit || count == kMaxFound)
                        break;
                }
            }
            candidate = mLinks[position & mRingMask];
        }
        return count;
    }

    // collect's matches from the tree (see MatchTree), which every position
    // up to i joins in turn.
    std::size_t collectFromTree(std::size_t i, std::size_t limit, Match* found)
    {
        while (mTreeNext < i)
            joinTree(mTreeNext++, 0, nullptr);
        ++mTreeNext;
        return joinTree(i, std::min(limit, kMaxCount), found);
    }

    // Position i joins the 3-byte table and its tree; with found, the nearby
    // 3-byte match and the tree's matches are recorded as collect does.
    std::size_t joinTree(std::size_t i, std::size_t limit, Match* found)
    {
        if (i + 4 > mSize) // a hash reads 4 bytes
            return 0;
        std::size_t count = 0;
        if (found != nullptr) {
            if (const Match near = mNear->find(i, limit); near.count != 0)
                found[count++] = near;
        }
        mNear->add(i);
        return mTree->join(i, limit, found, count, kMaxFound);
    }

    /// The nearest 3-byte match within 1,024 bytes of i, if the table holds one.
    Match nearThree(std::size_t i, std::size_t limit) const { return mNear->find(i, limit); }

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

    std::size_t hashAt(std::size_t position) const { return hash4(mIn + position, mHashShift); }

    // The chain head of a position searched soon, fetched ahead so that the
    // search does not wait for it.
    void prefetchHeads(std::size_t position) const
    {
        if (position + 4 <= mSize)
            prefetch(&mHead[hashAt(position)]);
    }

    void indexUpTo(std::size_t end)
    {
        const std::size_t last = std::min(end, mSize - 3); // a hash reads 4 bytes
        for (; mIndexed < last; ++mIndexed) {
            std::int32_t& head = mHead[hashAt(mIndexed)];
            if (!mLinks.empty())
                mLinks[mIndexed & mRingMask] = head;
            head = static_cast<std::int32_t>(mIndexed);
            if (mNear)
                mNear->add(mIndexed);
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
        return best.saving != 0 ? best : nearThree(i, limit);
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
    std::optional<NearThree> mNear; ///< all but the fastest level
    std::optional<MatchTree> mTree; ///< the optimal levels' matches
    std::size_t mTreeNext = 0; ///< the next position to join its tree
    std::size_t mRingMask = 0;
    std::size_t mIndexed = 0; ///< positions below this are in the chains (or were skipped)
    std::vector<std::uint8_t> mOut;
    std::uint8_t* mOp = nullptr;
    const std::uint8_t* mLimit = nullptr;
    std::size_t mPlainFrom = 0;
    std::size_t mPlain = 0;
};

} // namespace

namespace detail {

std::optional<std::vector<std::uint8_t>> compressWithDeepSearch(
    std::span<const std::uint8_t> source, int depth, bool tree)
{
    if (source.size() > kMaxEncodedInput)
        throw std::length_error("input too large for a compressed resource");
    Encoder encoder(source, LevelSettings { std::max(depth, 1), Parse::Optimal, kMaxCount + 1, tree });
    return encoder.runOptimal();
}

} // namespace detail

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
