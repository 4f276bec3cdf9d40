// The encoder. The input is cut into blocks of L bytes; the first block is
// always a literal run, and every later block is either a 4-byte copy code
// pointing at the lowest earlier position whose L bytes equal the block (at
// least L + 1 and at most kEncoderWindow bytes back), or a literal run.
//
// Finding that lowest position by comparing at every position of the window
// costs up to 131,000 comparisons per block. Instead every position's L bytes
// are hashed as the window moves (a rolling hash), and positions are chained
// per hash bucket in increasing order; the first chain entry inside the window
// whose bytes really equal the block is the same position a full scan finds.
#include "support/Codec.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <stdexcept>

namespace kelvora {

namespace {

constexpr std::uint8_t kPlainRun = 0xE0; // + (n / 4 - 1): a literal run of n = 4..112 bytes
constexpr std::uint8_t kStop = 0xFC; // + r: the last r = 0..3 literal bytes, end of stream
constexpr std::uint8_t kLongCopy = 0xC0; // 4-byte copy code

constexpr std::int32_t kNone = -1;

/// Positions of the input chained by the hash of the L bytes starting there.
/// Only positions inside the window matter, so the per-position arrays are a
/// ring large enough for the window; a position leaves its chain (always from
/// the front, as chains are in increasing order) when its slot is reused or
/// when a search finds it below the window.
class BlockFinder {
public:
    BlockFinder(std::span<const std::uint8_t> source, std::size_t blockLength)
        : mSource(source)
        , mBlock(blockLength)
    {
        const std::size_t positions = std::min(source.size(), kRingLimit);
        mRingMask = roundUpToPowerOfTwo(std::max<std::size_t>(positions, 64)) - 1;
        const int bucketBits = std::clamp(bitWidth(mRingMask), 8, 18);
        mBucketShift = 64 - bucketBits;
        mHead.assign(std::size_t { 1 } << bucketBits, kNone);
        mTail.assign(std::size_t { 1 } << bucketBits, kNone);
        mNext.assign(mRingMask + 1, kNone);
        mHash.assign(mRingMask + 1, 0);
        mTopPower = 1;
        for (std::size_t k = 1; k < mBlock; ++k)
            mTopPower *= kBase;
    }

    /// The lowest position p in [low, high) whose block equals the block at
    /// blockStart, or kNone. Calls come with non-decreasing low and high.
    std::int32_t find(std::size_t blockStart, std::size_t low, std::size_t high)
    {
        while (mInserted < high)
            insertNext();
        const std::uint64_t hash = hashAt(blockStart);
        const std::size_t bucket = bucketOf(hash);
        std::int32_t& head = mHead[bucket];
        while (head != kNone && static_cast<std::size_t>(head) < low)
            popFront(bucket);
        const std::uint8_t* block = mSource.data() + blockStart;
        for (std::int32_t p = head; p != kNone; p = mNext[slot(p)]) {
            if (mHash[slot(p)] == hash && std::memcmp(mSource.data() + p, block, mBlock) == 0)
                return p;
        }
        return kNone;
    }

private:
    static constexpr std::uint64_t kBase = 0x100000001B3ull;
    static constexpr std::size_t kRingLimit = std::size_t { 1 } << 18; // > kEncoderWindow

    static std::size_t roundUpToPowerOfTwo(std::size_t value)
    {
        std::size_t power = 1;
        while (power < value)
            power <<= 1;
        return power;
    }

    static int bitWidth(std::size_t value)
    {
        int bits = 0;
        while (value != 0) {
            ++bits;
            value >>= 1;
        }
        return bits;
    }

    std::size_t slot(std::int32_t position) const { return static_cast<std::size_t>(position) & mRingMask; }

    std::size_t bucketOf(std::uint64_t hash) const
    {
        return static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15ull) >> mBucketShift);
    }

    std::uint64_t hashAt(std::size_t start) const
    {
        std::uint64_t hash = 0;
        for (std::size_t k = 0; k < mBlock; ++k)
            hash = hash * kBase + mSource[start + k];
        return hash;
    }

    void popFront(std::size_t bucket)
    {
        const std::int32_t first = mHead[bucket];
        mHead[bucket] = mNext[slot(first)];
        if (mHead[bucket] == kNone)
            mTail[bucket] = kNone;
    }

    void insertNext()
    {
        const std::size_t position = mInserted;
        if (position == 0)
            mRolling = hashAt(0);
        else
            mRolling = (mRolling - mSource[position - 1] * mTopPower) * kBase + mSource[position - 1 + mBlock];
        const std::size_t ring = position & mRingMask;
        if (position > mRingMask) {
            // The slot's previous position lies far below any window still to
            // come; if it still heads its chain, it leaves it now.
            const auto old = static_cast<std::int32_t>(position - (mRingMask + 1));
            const std::size_t oldBucket = bucketOf(mHash[ring]);
            if (mHead[oldBucket] == old)
                popFront(oldBucket);
        }
        const auto current = static_cast<std::int32_t>(position);
        const std::size_t bucket = bucketOf(mRolling);
        mHash[ring] = mRolling;
        mNext[ring] = kNone;
        if (mTail[bucket] == kNone)
            mHead[bucket] = current;
        else
            mNext[slot(mTail[bucket])] = current;
        mTail[bucket] = current;
        ++mInserted;
    }

    std::span<const std::uint8_t> mSource;
    std::size_t mBlock;
    std::size_t mRingMask = 0;
    int mBucketShift = 0;
    std::vector<std::int32_t> mHead;
    std::vector<std::int32_t> mTail;
    std::vector<std::int32_t> mNext;
    std::vector<std::uint64_t> mHash;
    std::uint64_t mTopPower = 1;
    std::uint64_t mRolling = 0;
    std::size_t mInserted = 0;
};

void appendPlainRun(std::vector<std::uint8_t>& out, const std::uint8_t* bytes, std::size_t count)
{
    out.push_back(static_cast<std::uint8_t>(kPlainRun + (count / 4 - 1)));
    out.insert(out.end(), bytes, bytes + count);
}

} // namespace

std::size_t blockLength(std::int32_t blockUnits)
{
    return 4 * static_cast<std::size_t>(std::clamp(blockUnits, 3, 16));
}

std::vector<std::uint8_t> compress(std::span<const std::uint8_t> source, std::int32_t blockUnits)
{
    const std::size_t size = source.size();
    if (size > kMaxEncodedInput)
        throw std::length_error("input too large for a compressed resource");
    const std::size_t block = blockLength(blockUnits);
    const std::uint8_t* in = source.data();

    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + size + size / block + 8);
    out.resize(kHeaderSize);

    // The finder is needed once a third block exists (the first search).
    std::optional<BlockFinder> finder;
    std::size_t i = 0;
    while (i < size) {
        if (size - i < block) {
            // The final partial block: whole 4-byte units as a literal run, the
            // last 1 to 3 bytes behind the stop code that carries them.
            const std::size_t rest = size - i;
            const std::size_t units = rest - rest % 4;
            if (units != 0)
                appendPlainRun(out, in + i, units);
            if (rest % 4 != 0) {
                out.push_back(static_cast<std::uint8_t>(kStop + rest % 4));
                out.insert(out.end(), in + i + units, in + size);
            }
            break;
        }
        const std::size_t blockStart = i;
        i += block;
        if (i <= block + 1) {
            appendPlainRun(out, in + blockStart, block);
            continue;
        }
        const std::size_t low = i > kEncoderWindow ? i - kEncoderWindow : 0;
        const std::size_t high = i - 2 * block;
        std::int32_t match = kNone;
        if (low < high) {
            if (!finder)
                finder.emplace(source, block);
            match = finder->find(blockStart, low, high);
        }
        if (match == kNone) {
            appendPlainRun(out, in + blockStart, block);
            continue;
        }
        const std::size_t distance = blockStart - static_cast<std::size_t>(match) - 1;
        out.push_back(static_cast<std::uint8_t>(kLongCopy + ((distance >> 16) << 4)));
        out.push_back(static_cast<std::uint8_t>((distance >> 8) & 0xFF));
        out.push_back(static_cast<std::uint8_t>(distance & 0xFF));
        out.push_back(static_cast<std::uint8_t>(block - 5));
    }

    // The header describes the data: whole resource size, signature, decoded size.
    const std::size_t total = out.size();
    out[0] = static_cast<std::uint8_t>(total & 0xFF);
    out[1] = static_cast<std::uint8_t>((total >> 8) & 0xFF);
    out[2] = static_cast<std::uint8_t>((total >> 16) & 0xFF);
    out[3] = static_cast<std::uint8_t>((total >> 24) & 0xFF);
    out[4] = 0x10;
    out[5] = 0xFB;
    out[6] = static_cast<std::uint8_t>((size >> 16) & 0xFF);
    out[7] = static_cast<std::uint8_t>((size >> 8) & 0xFF);
    out[8] = static_cast<std::uint8_t>(size & 0xFF);
    return out;
}

} // namespace kelvora
