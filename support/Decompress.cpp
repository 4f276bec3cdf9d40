// The decoder. Every copy is checked against both buffers before it runs:
// code bytes and literal bytes must lie inside the input, a back-reference must
// start inside the output decoded so far, and the output must stay under the
// ceiling. The output is sized once from the header's uncompressed size when
// the stream could produce that much, and grows only when the stream proves
// the header wrong.
//
// Most steps run on a fast path that checks, once per step, only that the
// output has room for the whole step and that a copy starts inside the output
// (while the input holds the longest step; near its end each step also checks
// its literal bytes' reach). Every step, literal runs included, is decoded
// through one table row per control byte, so the unpredictable mix of short
// copies and runs in real streams costs no branch on the family; a run is a
// step with an empty copy. Literals go in 16-byte chunks and copies in 8-byte
// words into the output's slack. Copies whose offset is shorter than a chunk
// write their period out once and copy the rest from a whole number of
// periods back. Near either end the checked path takes over.
#include "support/Codec.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

namespace kelvora {

namespace detail {

OutputBuffer::OutputBuffer(std::size_t initialCapacity)
    : mData(new std::uint8_t[initialCapacity + kSlack])
    , mCapacity(initialCapacity)
{
}

OutputBuffer::~OutputBuffer()
{
    delete[] mData;
}

void OutputBuffer::grow(std::size_t needed, std::size_t limit, std::size_t used)
{
    std::size_t grown = std::max(needed, mCapacity < limit / 2 ? mCapacity * 2 : limit);
    grown = std::min(std::max(grown, needed), limit);
    auto* larger = new std::uint8_t[grown + kSlack];
    std::memcpy(larger, mData, used);
    delete[] mData;
    mData = larger;
    mCapacity = grown;
}

std::size_t initialCapacity(std::span<const std::uint8_t> stored, std::size_t maxOutput)
{
    constexpr std::size_t kMinimum = 256;
    if (stored.size() <= kHeaderSize)
        return kMinimum;
    const std::size_t codeBytes = stored.size() - kHeaderSize;
    // A 4-byte copy code yields at most 3 + 1028 bytes: no stream grows faster
    // than 258 output bytes per input byte, so a larger header size is a lie.
    const std::size_t possible = codeBytes * 258;
    const std::size_t declared = (std::size_t { stored[6] } << 16) | (std::size_t { stored[7] } << 8) | stored[8];
    std::size_t capacity = declared != 0 ? declared : codeBytes * 4;
    capacity = std::min({ capacity, possible, maxOutput });
    return std::max(capacity, kMinimum);
}

namespace {

// Input that lets a step run without checking its literal bytes' reach: the
// longest step reads its code byte and 112 literal bytes; and input that lets
// one run with that check: its longest code and a 16-byte chunk of literals.
constexpr std::size_t kLongestStep = 1 + 112;
constexpr std::size_t kFastInput = 4 + 16;

// How a control byte below 0xFC spells its step, from the code's first 4
// bytes read as one big-endian word w: plain = plain + (w >> 22 & plainMask),
// count = count + (w & countMask), offset = offset + (w >> offsetShift &
// offsetMask). A literal run is a step whose copy is empty (count and offset 0).
struct Code {
    std::uint32_t codeLength;
    std::uint32_t plain;
    std::uint32_t plainMask;
    std::uint32_t count;
    std::uint32_t countMask;
    std::uint32_t offset;
    std::uint32_t offsetShift;
    std::uint32_t offsetMask;
};

consteval std::array<Code, 0xFC> makeCodes()
{
    std::array<Code, 0xFC> rows {};
    for (unsigned a = 0; a < 0xFC; ++a) {
        if (a < 0x80) // a b1: offset ((a & 0x60) << 3) + b1 + 1
            rows[a] = { 2, a & 3, 0, ((a >> 2) & 7) + 3, 0, ((a & 0x60u) << 3) + 1, 16, 0xFF };
        else if (a < 0xC0) // a b1 b2: plain b1 >> 6, offset ((b1 & 0x3F) << 8) + b2 + 1
            rows[a] = { 3, 0, 3, (a & 0x3F) + 4, 0, 1, 8, 0x3FFF };
        else if (a < 0xE0) // a b1 b2 b3: count + b3, offset + (b1 << 8) + b2
            rows[a] = { 4, a & 3, 0, ((a & 0x0Cu) << 6) + 5, 0xFF, ((a & 0x10u) << 12) + 1, 8, 0xFFFF };
        else
            rows[a] = { 1, ((a & 0x1F) + 1) * 4, 0, 0, 0, 0, 0, 0 };
    }
    return rows;
}

constexpr std::array<Code, 0xFC> kCodes = makeCodes();

// For a period p below 16: the smallest multiple of p that is at least 8, and at least 16.
constexpr std::uint8_t kPeriodsOf8[16] = { 0, 8, 8, 9, 8, 10, 12, 14, 8, 9, 10, 11, 12, 13, 14, 15 };
constexpr std::uint8_t kPeriodsOf16[16] = { 0, 16, 16, 18, 16, 20, 18, 21, 16, 18, 20, 22, 24, 26, 28, 30 };
// For a period p below 8: where bytes 4..7 of the copy can be read, relative to its source, once bytes 0..3 are
// written.
constexpr std::uint8_t kSecondWord[8] = { 0, 1, 2, 1, 0, 4, 4, 4 };

// Keeps two words in general registers, so that the compiler does not merge
// their 8-byte loads into one 16-byte load: such a load, of bytes written a
// moment ago by two earlier stores, waits for both to reach the cache.
inline void keepInRegister(std::uint64_t& first, std::uint64_t& second)
{
#if defined(__GNUC__) || defined(__clang__)
    asm("" : "+r"(first), "+r"(second));
#else
    (void)first;
    (void)second;
#endif
}

// Copies count bytes from offset bytes back; out points at the first byte to
// write, offset <= bytes already written, and the buffer has 32 bytes of
// slack behind out + count. Every chunk reads only bytes written before it:
// a short period is first written out once (its first 16 bytes), and the
// rest is copied from a whole number of periods back, at least a chunk away.
// An empty copy (count and offset 0, after a literal run) rewrites 16 bytes
// of the slack with themselves, which costs less than a branch that the mix
// of runs and copies would make unpredictable.
inline void copyBack(std::uint8_t* out, std::size_t offset, std::size_t count)
{
    const std::uint8_t* from = out - offset;
    std::uint8_t* const end = out + count;
    if (offset - 1 >= 15) {
        // Nearly every copy is done by the first 16 bytes or the next. They go
        // in 8-byte words through registers: a read of bytes written a moment
        // ago waits less when it falls within one earlier write, which a word
        // does more often than a 16-byte chunk.
        std::uint64_t w0;
        std::uint64_t w1;
        std::memcpy(&w0, from, 8);
        std::memcpy(&w1, from + 8, 8);
        keepInRegister(w0, w1);
        std::memcpy(out, &w0, 8);
        std::memcpy(out + 8, &w1, 8);
        if (count <= 16)
            return;
        std::memcpy(&w0, from + 16, 8);
        std::memcpy(&w1, from + 24, 8);
        keepInRegister(w0, w1);
        std::memcpy(out + 16, &w0, 8);
        std::memcpy(out + 24, &w1, 8);
        if (count <= 32)
            return;
        out += 32;
        from += 32;
        do {
            std::memcpy(out, from, 16);
            out += 16;
            from += 16;
        } while (out < end);
        return;
    }
    if (offset >= 8) {
        std::memcpy(out, from, 8);
    } else {
        out[0] = from[0];
        out[1] = from[1];
        out[2] = from[2];
        out[3] = from[3];
        std::memcpy(out + 4, from + kSecondWord[offset], 4);
    }
    if (count <= 8)
        return;
    std::memcpy(out + 8, out + 8 - kPeriodsOf8[offset], 8);
    if (count <= 16)
        return;
    from = out + 16 - kPeriodsOf16[offset];
    out += 16;
    do {
        std::memcpy(out, from, 16);
        out += 16;
        from += 16;
    } while (out < end);
}

// Steps without the checked path's care, while ip <= ipEnd: each checks that
// the output has room for the whole step (the slack takes the chunks'
// overrun) and that its copy starts inside the output; with checkInput, also
// that its literal bytes, read in 16-byte chunks, lie inside the input (else
// ipEnd leaves room for the longest step). Every code goes through one table
// row, without branching on its family: the families and literal runs
// alternate unpredictably in real streams. Stops at a stop code, at a step
// that does not fit, or at damage (damaged then holds the code's position).
template <bool checkInput>
const std::uint8_t* fastSteps(const std::uint8_t* ip, const std::uint8_t* const ipEnd, std::uint8_t*& opInOut,
    std::uint8_t* const opLimit, std::uint8_t* const base, const std::uint8_t*& damaged)
{
    std::uint8_t* op = opInOut;
    while (ip <= ipEnd) {
        const unsigned a = ip[0];
        if (a >= 0xFC)
            break; // the stop code ends the stream on the checked path
        const Code& row = kCodes[a];
        const std::uint32_t w = std::uint32_t { ip[0] } << 24 | std::uint32_t { ip[1] } << 16
            | std::uint32_t { ip[2] } << 8 | std::uint32_t { ip[3] };
        const std::size_t codeLength = row.codeLength;
        const std::size_t plain = row.plain + ((w >> 22) & row.plainMask);
        const std::size_t count = row.count + (w & row.countMask);
        const std::size_t offset = row.offset + ((w >> row.offsetShift) & row.offsetMask);
        if (plain + count > static_cast<std::size_t>(opLimit - op))
            break;
        if constexpr (checkInput) {
            if (codeLength + plain + 15 > static_cast<std::size_t>(ipEnd - ip) + kFastInput)
                break;
        }
        // The literals' first 16 bytes as two words, like a copy's (see copyBack).
        const std::uint8_t* literals = ip + codeLength;
        std::uint64_t first;
        std::uint64_t second;
        std::memcpy(&first, literals, 8);
        std::memcpy(&second, literals + 8, 8);
        std::memcpy(op, &first, 8);
        std::memcpy(op + 8, &second, 8);
        if (plain > 16) {
            for (std::size_t done = 16; done < plain; done += 16)
                std::memcpy(op + done, literals + done, 16);
        }
        op += plain;
        if (offset > static_cast<std::size_t>(op - base)) {
            damaged = ip;
            break;
        }
        ip = literals + plain;
        copyBack(op, offset, count);
        op += count;
    }
    opInOut = op;
    return ip;
}

} // namespace

DecodeStatus decode(std::span<const std::uint8_t> stored, std::size_t maxOutput, OutputBuffer& output,
    std::size_t& length, std::size_t& position)
{
    const std::uint8_t* in = stored.data();
    const std::size_t inSize = stored.size();
    std::uint8_t* base = output.data();
    std::size_t capacity = output.capacity();
    std::size_t i = kHeaderSize;
    std::size_t len = 0;
    length = 0;

    while (i < inSize) {
        // Fast steps: each checks only that the output has room for the whole
        // step (the slack takes the chunks' overrun) and that the copy starts
        // inside the output; the loop runs while the input holds a copy code
        // with its literal bytes read as 4, and a literal run checks its own
        // reach. Anything else falls to the checked step below.
        if (inSize - i >= kFastInput) {
            const std::uint8_t* ip = in + i;
            std::uint8_t* op = base + len;
            std::uint8_t* const opLimit = base + std::min(capacity, maxOutput);
            const std::uint8_t* damaged = nullptr;
            if (inSize - i >= kLongestStep)
                ip = fastSteps<false>(ip, in + inSize - kLongestStep, op, opLimit, base, damaged);
            if (damaged == nullptr)
                ip = fastSteps<true>(ip, in + inSize - kFastInput, op, opLimit, base, damaged);
            if (damaged != nullptr) {
                position = static_cast<std::size_t>(damaged - in);
                return DecodeStatus::OffsetBeforeStart;
            }
            i = static_cast<std::size_t>(ip - in);
            len = static_cast<std::size_t>(op - base);
        }
        if (i >= inSize)
            break;

        const std::size_t code = i;
        const auto damaged = [&position, code](DecodeStatus status) {
            position = code;
            return status;
        };
        const unsigned a = in[i];
        std::size_t plain = 0;
        std::size_t count = 0;
        std::size_t offset = 0;
        std::size_t codeLength = 1;
        if (a < 0x80) {
            codeLength = 2;
            if (inSize - i < codeLength)
                return damaged(DecodeStatus::TruncatedCode);
            const unsigned b1 = in[i + 1];
            plain = a & 3;
            count = ((a >> 2) & 7) + 3;
            offset = ((a & 0x60u) << 3) + b1 + 1;
        } else if (a < 0xC0) {
            codeLength = 3;
            if (inSize - i < codeLength)
                return damaged(DecodeStatus::TruncatedCode);
            const unsigned b1 = in[i + 1];
            const unsigned b2 = in[i + 2];
            plain = b1 >> 6;
            count = (a & 0x3F) + 4;
            offset = ((b1 & 0x3Fu) << 8) + b2 + 1;
        } else if (a < 0xE0) {
            codeLength = 4;
            if (inSize - i < codeLength)
                return damaged(DecodeStatus::TruncatedCode);
            const unsigned b1 = in[i + 1];
            const unsigned b2 = in[i + 2];
            const unsigned b3 = in[i + 3];
            plain = a & 3;
            count = ((a & 0x0Cu) << 6) + b3 + 5;
            offset = ((a & 0x10u) << 12) + (b1 << 8) + b2 + 1;
        } else if (a < 0xFC) {
            plain = ((a & 0x1F) + 1) * 4;
        } else {
            // Stop code: up to three last literal bytes, then the stream ends.
            plain = a & 3;
            i += 1;
            if (inSize - i < plain)
                return damaged(DecodeStatus::PlainPastEnd);
            if (plain > maxOutput - len)
                return damaged(DecodeStatus::OutputTooLarge);
            output.reserve(len + plain, maxOutput, len);
            std::memcpy(output.data() + len, in + i, plain);
            len += plain;
            break;
        }
        i += codeLength;
        if (inSize - i < plain)
            return damaged(DecodeStatus::PlainPastEnd);
        if (plain + count > maxOutput - len)
            return damaged(DecodeStatus::OutputTooLarge);
        if (len + plain + count > capacity) {
            output.reserve(len + plain + count, maxOutput, len);
            base = output.data();
            capacity = output.capacity();
        }
        std::uint8_t* out = base + len;

        if (inSize - i >= plain + 16) {
            // 16-byte chunks; the output's slack takes what lies beyond plain.
            for (std::size_t done = 0; done < plain; done += 16)
                std::memcpy(out + done, in + i + done, 16);
        } else {
            std::memcpy(out, in + i, plain);
        }
        i += plain;
        len += plain;
        out += plain;

        if (count != 0) {
            if (offset > len)
                return damaged(DecodeStatus::OffsetBeforeStart);
            copyBack(out, offset, count);
            len += count;
        }
    }
    length = len;
    return DecodeStatus::Ok;
}

} // namespace detail

const char* describe(DecodeStatus status)
{
    switch (status) {
    case DecodeStatus::Ok:
        return "decoded";
    case DecodeStatus::TruncatedCode:
        return "the stream ends inside a control code";
    case DecodeStatus::PlainPastEnd:
        return "literal bytes run past the end of the stream";
    case DecodeStatus::OffsetBeforeStart:
        return "a copy reaches back before the start of the output";
    case DecodeStatus::OutputTooLarge:
        return "the output would exceed the size limit";
    }
    return "unknown damage";
}

DecodeResult decompress(std::span<const std::uint8_t> stored, std::size_t maxOutput)
{
    DecodeResult result;
    result.status = decompressTo(stored, maxOutput, result.position,
        [&](const std::uint8_t* bytes, std::size_t size) { result.bytes.assign(bytes, bytes + size); });
    return result;
}

} // namespace kelvora
