// The decoder. Every copy is checked against both buffers before it runs:
// code bytes and literal bytes must lie inside the input, a back-reference must
// start inside the output decoded so far, and the output must stay under the
// ceiling. The output is sized once from the header's uncompressed size when
// the stream could produce that much, and grows only when the stream proves
// the header wrong.
//
// Most steps run on a fast path that needs no bounds checks at all but the
// copy's reach: it is taken only while the input holds the longest possible
// step and the output has room for the largest, so literals and copies go in
// 8- and 16-byte chunks into the output's slack. Copies whose offset is
// shorter than a chunk write their period out once and copy the rest from a
// whole number of periods back. Near either end the checked path takes over.
#include "support/Codec.h"

#include <algorithm>
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

// Input and output room that lets a step run without checks: the longest code
// (4 bytes) with the longest literal run read in 16-byte chunks, and the
// largest output of one step (3 literal bytes and a 1028-byte copy).
constexpr std::size_t kFastInput = 4 + 112 + 16;
constexpr std::size_t kFastOutput = 3 + 1028;

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
        // Fast steps: while the input holds the longest step and the output
        // has room for the largest, only a copy's reach needs checking.
        const std::size_t outLimit = std::min(capacity, maxOutput);
        while (inSize - i >= kFastInput && outLimit - len >= kFastOutput) {
            const std::uint8_t* ip = in + i;
            std::uint8_t* out = base + len;
            const unsigned a = ip[0];
            std::size_t plain;
            std::size_t count;
            std::size_t offset;
            if (a < 0x80) {
                plain = a & 3;
                count = ((a >> 2) & 7) + 3;
                offset = ((a & 0x60u) << 3) + ip[1] + 1;
                ip += 2;
            } else if (a < 0xC0) {
                plain = ip[1] >> 6;
                count = (a & 0x3F) + 4;
                offset = ((ip[1] & 0x3Fu) << 8) + ip[2] + 1;
                ip += 3;
            } else if (a < 0xE0) {
                plain = a & 3;
                count = ((a & 0x0Cu) << 6) + ip[3] + 5;
                offset = ((a & 0x10u) << 12) + (unsigned { ip[1] } << 8) + ip[2] + 1;
                ip += 4;
            } else if (a < 0xFC) {
                plain = ((a & 0x1F) + 1) * 4;
                ++ip;
                for (std::size_t done = 0; done < plain; done += 16)
                    std::memcpy(out + done, ip + done, 16);
                i += 1 + plain;
                len += plain;
                continue;
            } else {
                break; // the stop code ends the stream on the checked path
            }
            // 0 to 3 literal bytes, written as 4; the copy overwrites the extra.
            std::memcpy(out, ip, 4);
            const std::size_t written = len + plain;
            if (offset > written) {
                position = i;
                return DecodeStatus::OffsetBeforeStart;
            }
            copyBack(out + plain, offset, count);
            i = static_cast<std::size_t>(ip - in) + plain;
            len = written + count;
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
