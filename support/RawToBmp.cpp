// 32-bit pixels to the 24-bit pixel rows of a bitmap, in reverse pixel order.
#include "support/Codec.h"

namespace kelvora {

std::vector<std::uint8_t> rawToBmp(std::span<const std::uint8_t> source)
{
    const std::size_t pixels = source.size() / 4;
    std::vector<std::uint8_t> out(pixels * 3);
    std::uint8_t* to = out.data();
    for (std::size_t k = 0; k < pixels; ++k) {
        const std::uint8_t* from = source.data() + (pixels - 1 - k) * 4;
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
        to += 3;
    }
    return out;
}

} // namespace kelvora
