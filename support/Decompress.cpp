// The decoder. Every copy is checked against both buffers before it runs:
// code bytes and literal bytes must lie inside the input, a back-reference must
// start inside the output decoded so far, and the output must stay under the
// ceiling. Within those checks the copies run in 8- or 16-byte chunks where
// the buffers allow it (the output keeps slack behind its end for that), and
// runs whose offset is shorter than their count are copied period by period.
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

// Copies count bytes from offset bytes back; out points at the first byte to
// write, offset <= bytes already written, and the buffer has slack behind
// out + count.
inline void copyBack(std::uint8_t* out, std::size_t offset, std::size_t count)
{
    const std::uint8_t* from = out - offset;
    if (offset >= 16) {
        // Chunks never overlap: each reads only bytes written before it.
        for (std::size_t done = 0; done < count; done += 16)
            std::memcpy(out + done, from + done, 16);
    } else if (offset >= 8) {
        for (std::size_t done = 0; done < count; done += 8)
            std::memcpy(out + done, from + done, 8);
    } else if (offset == 1) {
        std::memset(out, out[-1], count);
    } else {
        // A run with a period of 2 to 7 bytes. Short ones go in 4-byte chunks
        // when the period allows, else byte by byte; long ones copy from a
        // whole number of periods back, doubling the span each time (the
        // source always starts offset bytes before out, and a chunk never
        // reads what it writes).
        if (count <= 16) {
            if (offset >= 4) {
                for (std::size_t done = 0; done < count; done += 4)
                    std::memcpy(out + done, from + done, 4);
            } else {
                for (std::size_t done = 0; done < count; ++done)
                    out[done] = from[done];
            }
            return;
        }
        std::size_t done = 0;
        for (std::size_t span = offset; done < count; span *= 2) {
            const std::size_t chunk = std::min(span, count - done);
            std::memcpy(out + done, out + done - span, chunk);
            done += chunk;
        }
    }
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
