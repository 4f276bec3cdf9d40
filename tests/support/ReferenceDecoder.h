#pragma once

// A deliberately plain decoder written straight from the control-code table,
// one byte at a time, with every bound checked before it is used. It is the
// oracle that the library's decoder (with its table-driven fast path and
// chunked copies) and every encoder's streams are checked against; the library
// does not use it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace varnick::test {

/// The bytes stored decodes to (9 bytes or fewer: nothing), or nothing when the
/// stream is damaged: a code or its literals run past the input, a copy
/// reaches before the output, or the output would pass maxOutput bytes.
inline std::optional<std::vector<std::uint8_t>> referenceDecompress(
    std::span<const std::uint8_t> stored, std::size_t maxOutput = std::size_t { 64 } << 20)
{
    std::vector<std::uint8_t> out;
    std::size_t i = 9;
    while (i < stored.size()) {
        const unsigned a = stored[i];
        std::size_t codeLength = 1;
        std::size_t plain = 0;
        std::size_t count = 0;
        std::size_t offset = 0;
        bool stop = false;
        if (a <= 0x7F)
            codeLength = 2;
        else if (a <= 0xBF)
            codeLength = 3;
        else if (a <= 0xDF)
            codeLength = 4;
        if (stored.size() - i < codeLength)
            return std::nullopt;
        const unsigned b1 = codeLength > 1 ? stored[i + 1] : 0;
        const unsigned b2 = codeLength > 2 ? stored[i + 2] : 0;
        const unsigned b3 = codeLength > 3 ? stored[i + 3] : 0;
        if (a <= 0x7F) {
            plain = a & 3;
            count = ((a >> 2) & 7) + 3;
            offset = ((a & 0x60) << 3) + b1 + 1;
        } else if (a <= 0xBF) {
            plain = b1 >> 6;
            count = (a & 0x3F) + 4;
            offset = ((b1 & 0x3F) << 8) + b2 + 1;
        } else if (a <= 0xDF) {
            plain = a & 3;
            count = ((a & 0x0C) << 6) + b3 + 5;
            offset = ((a & 0x10) << 12) + (b1 << 8) + b2 + 1;
        } else if (a <= 0xFB) {
            plain = ((a & 0x1F) + 1) * 4;
        } else {
            plain = a & 3;
            stop = true;
        }
        i += codeLength;
        for (std::size_t k = 0; k < plain; ++k) {
            if (i >= stored.size() || out.size() >= maxOutput)
                return std::nullopt;
            out.push_back(stored[i++]);
        }
        if (stop)
            break;
        if (offset > out.size())
            return std::nullopt;
        for (std::size_t k = 0; k < count; ++k) {
            if (out.size() >= maxOutput)
                return std::nullopt;
            out.push_back(out[out.size() - offset]);
        }
    }
    return out;
}

} // namespace varnick::test
