// The decoder. Every copy is checked against both buffers before it runs:
// code bytes and literal bytes must lie inside the input, a back-reference must
// start inside the output decoded so far, and the output must stay under the
// ceiling. The output is sized once from the header's uncompressed size when
// the stream could produce that much, and grows only when the stream proves
// the header wrong.
//
// Most steps run on a fast path that checks, once per step, only that the
// output has room for the whole step and that a copy starts inside the output
// (the loop runs while the input holds the longest copy code; a literal run
// checks its own reach). The three copy families are decoded through one
// table row per control byte, so the unpredictable mix of short copies in real
// streams costs no branch on the family; literals and copies go in 16-byte
// chunks into the output's slack. Copies whose offset is shorter than a chunk
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

// Input that lets a copy step run without checks: its longest code (4 bytes)
// and its 0 to 3 literal bytes, read as 4.
constexpr std::size_t kFastInput = 4 + 4;

// How a control byte below 0xE0 spells its copy: plain = plain + (b1 >> 6 &
// plainMask), count = count + (b3 & countMask), offset = offset + ((b1 &
// highMask) << highShift) + (b2 & lowMask).
struct CopyCode {
    std::uint8_t codeLength;
    std::uint8_t plain;
    std::uint8_t plainMask;
    std::uint8_t countMask;
    std::uint8_t highMask;
    std::uint8_t highShift;
    std::uint8_t lowMask;
    std::uint16_t count;
    std::uint32_t offset;
};

constexpr std::array<CopyCode, 0xE0> makeCopyCodes()
{
    std::array<CopyCode, 0xE0> rows {};
    for (unsigned a = 0; a < 0xE0; ++a) {
        CopyCode& row = rows[a];
        if (a < 0x80) {
            row = { 2, static_cast<std::uint8_t>(a & 3), 0, 0, 0xFF, 0, 0,
                static_cast<std::uint16_t>(((a >> 2) & 7) + 3), ((a & 0x60u) << 3) + 1 };
        } else if (a < 0xC0) {
            row = { 3, 0, 3, 0, 0x3F, 8, 0xFF, static_cast<std::uint16_t>((a & 0x3F) + 4), 1 };
        } else {
            row = { 4, static_cast<std::uint8_t>(a & 3), 0, 0xFF, 0xFF, 8, 0xFF,
                static_cast<std::uint16_t>(((a & 0x0Cu) << 6) + 5), ((a & 0x10u) << 12) + 1 };
        }
    }
    return rows;
}

constexpr std::array<CopyCode, 0xE0> kCopyCodes = makeCopyCodes();

// For a period p below 16: the smallest multiple of p that is at least 8, and at least 16.
constexpr std::uint8_t kPeriodsOf8[16] = { 0, 8, 8, 9, 8, 10, 12, 14, 8, 9, 10, 11, 12, 13, 14, 15 };
constexpr std::uint8_t kPeriodsOf16[16] = { 0, 16, 16, 18, 16, 20, 18, 21, 16, 18, 20, 22, 24, 26, 28, 30 };
// For a period p below 8: where bytes 4..7 of the copy can be read, relative to its source, once bytes 0..3 are
// written.
constexpr std::uint8_t kSecondWord[8] = { 0, 1, 2, 1, 0, 4, 4, 4 };

// Copies count bytes from offset bytes back; out points at the first byte to
// write, offset <= bytes already written, and the buffer has 16 bytes of
// slack behind out + count. Every chunk reads only bytes written before it:
// a short period is first written out once (its first 16 bytes), and the
// rest is copied from a whole number of periods back, at least a chunk away.
inline void copyBack(std::uint8_t* out, std::size_t offset, std::size_t count)
{
    const std::uint8_t* from = out - offset;
    std::uint8_t* const end = out + count;
    if (offset >= 16) {
        // Two chunks whatever the count: nearly every copy is done by them.
        std::memcpy(out, from, 16);
        std::memcpy(out + 16, from + 16, 16);
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
            const std::uint8_t* const ipEnd = in + inSize - kFastInput;
            std::uint8_t* op = base + len;
            std::uint8_t* const opLimit = base + std::min(capacity, maxOutput);
            while (ip <= ipEnd) {
                const unsigned a = ip[0];
                if (a >= 0xE0) {
                    if (a >= 0xFC)
                        break; // the stop code ends the stream on the checked path
                    const std::size_t plain = ((a & 0x1F) + 1) * 4;
                    if (static_cast<std::size_t>(ipEnd - ip) + kFastInput < plain + 17
                        || plain > static_cast<std::size_t>(opLimit - op))
                        break;
                    ++ip;
                    for (std::size_t done = 0; done < plain; done += 16)
                        std::memcpy(op + done, ip + done, 16);
                    ip += plain;
                    op += plain;
                    continue;
                }
                // The three copy families through one table row per control
                // byte, without branching on the family (the families
                // alternate unpredictably in real streams).
                const CopyCode& row = kCopyCodes[a];
                const unsigned b1 = ip[1];
                const unsigned b2 = ip[2];
                const unsigned b3 = ip[3];
                // The next step's position is computed from a and b1 alone
                // (no table load on that chain of dependencies).
                // Masks rather than conditions, which the compiler would
                // turn back into branches: 00..7F is 2 bytes, 80..BF 3, C0..DF 4.
                const unsigned high = a >> 7;
                const unsigned fourBytes = high & (a >> 6) & 1;
                const unsigned threeMask = 0u - (high & ~fourBytes);
                const std::size_t codeLength = 2 + high + fourBytes;
                const std::size_t plain = ((b1 >> 6) & threeMask) | (a & 3 & ~threeMask);
                const std::size_t count = row.count + (b3 & row.countMask);
                const std::size_t offset = row.offset + ((b1 & row.highMask) << row.highShift) + (b2 & row.lowMask);
                if (plain + count > static_cast<std::size_t>(opLimit - op))
                    break;
                // 0 to 3 literal bytes, written as 4; the copy overwrites the extra.
                std::memcpy(op, ip + codeLength, 4);
                op += plain;
                if (offset > static_cast<std::size_t>(op - base)) {
                    position = static_cast<std::size_t>(ip - in);
                    return DecodeStatus::OffsetBeforeStart;
                }
                copyBack(op, offset, count);
                op += count;
                ip += codeLength + plain;
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
