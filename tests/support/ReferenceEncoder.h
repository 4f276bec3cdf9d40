#pragma once

// A deliberately plain encoder that compares each block with every candidate
// position of the window, one after another, lowest first. It exists to check
// the library's hashed search byte for byte and to measure its speed-up; the
// library does not use it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace varnick::test {

inline std::vector<std::uint8_t> referenceCompress(std::span<const std::uint8_t> source, std::int32_t blockUnits)
{
    const std::int64_t size = static_cast<std::int64_t>(source.size());
    const std::int64_t block = 4 * std::clamp<std::int64_t>(blockUnits, 3, 16);
    std::vector<std::uint8_t> out(9, 0);

    std::int64_t i = 0;
    while (i < size) {
        if (i + block > size) {
            const std::int64_t rest = size - i;
            const std::int64_t units = rest - rest % 4;
            if (units > 0) {
                out.push_back(static_cast<std::uint8_t>(0xE0 + ((units - 4) >> 2)));
                out.insert(out.end(), source.begin() + i, source.begin() + i + units);
            }
            if (rest % 4 != 0) {
                out.push_back(static_cast<std::uint8_t>(0xFC + rest % 4));
                out.insert(out.end(), source.begin() + i + units, source.end());
            }
            break;
        }
        const std::int64_t blockStart = i;
        i += block;
        bool found = false;
        if (i > block + 1) {
            for (std::int64_t j = std::max<std::int64_t>(0, i - 131000); j < i - 2 * block; ++j) {
                bool same = true;
                for (std::int64_t k = 0; k < block; ++k) {
                    if (source[j + k] != source[blockStart + k]) {
                        same = false;
                        break;
                    }
                }
                if (same) {
                    const std::int64_t d = blockStart - j - 1;
                    out.push_back(static_cast<std::uint8_t>(0xC0 + ((d >> 16) << 4)));
                    out.push_back(static_cast<std::uint8_t>((d >> 8) & 0xFF));
                    out.push_back(static_cast<std::uint8_t>(d & 0xFF));
                    out.push_back(static_cast<std::uint8_t>(block - 5));
                    found = true;
                    break;
                }
            }
        }
        if (!found) {
            out.push_back(static_cast<std::uint8_t>(0xE0 + (block / 4 - 1)));
            out.insert(out.end(), source.begin() + blockStart, source.begin() + i);
        }
    }

    const std::size_t total = out.size();
    for (int k = 0; k < 4; ++k)
        out[k] = static_cast<std::uint8_t>((total >> (8 * k)) & 0xFF);
    out[4] = 0x10;
    out[5] = 0xFB;
    out[6] = static_cast<std::uint8_t>((source.size() >> 16) & 0xFF);
    out[7] = static_cast<std::uint8_t>((source.size() >> 8) & 0xFF);
    out[8] = static_cast<std::uint8_t>(source.size() & 0xFF);
    return out;
}

} // namespace varnick::test
