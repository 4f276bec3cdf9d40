// Our DXT1/DXT3 decoder against libsquish's on random blocks, including the
// three-colour DXT1 mode (first end point not above the second) and image
// sizes that are not a multiple of 4.
#include "app/recolors/core/DdsSupport.h"

#include <gtest/gtest.h>
#include <squish.h>

#include <random>
#include <vector>

using namespace varnick;
using namespace varnick::recolors;

TEST(DxtSquishComparison, decodesEveryPixelAsLibsquishDoes)
{
    std::mt19937 random(13);
    struct Case {
        std::int32_t ddsFormat;
        int squishFlags;
        std::size_t blockBytes;
        std::int32_t width, height;
    };
    for (const Case c : { Case { 1, squish::kDxt1, 8, 64, 64 }, Case { 3, squish::kDxt3, 16, 64, 64 },
             Case { 1, squish::kDxt1, 8, 13, 7 }, Case { 3, squish::kDxt3, 16, 5, 9 } }) {
        const std::size_t blocks
            = static_cast<std::size_t>((c.width + 3) / 4) * static_cast<std::size_t>((c.height + 3) / 4);
        ByteString data(blocks * c.blockBytes, '\0');
        for (std::size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<char>(random() & 0xFF);
        // Half the colour blocks in each mode: order the end points.
        for (std::size_t b = 0; b < blocks; ++b) {
            char* colour = data.data() + b * c.blockBytes + (c.blockBytes - 8);
            const bool swap
                = (b % 2 == 0) == (static_cast<unsigned char>(colour[1]) > static_cast<unsigned char>(colour[3]));
            if (swap) {
                std::swap(colour[0], colour[2]);
                std::swap(colour[1], colour[3]);
            }
        }
        const std::optional<ByteString> ours = decodeDxt(data, c.ddsFormat, c.height, c.width);
        ASSERT_TRUE(ours);
        std::vector<squish::u8> rgba(static_cast<std::size_t>(c.width * c.height) * 4);
        squish::DecompressImage(rgba.data(), c.width, c.height, data.data(), c.squishFlags);
        for (std::size_t p = 0; p < static_cast<std::size_t>(c.width * c.height); ++p) {
            const auto at = [&](std::size_t k) { return static_cast<unsigned char>((*ours)[p * 3 + k]); };
            ASSERT_EQ(at(0), rgba[p * 4 + 2]) << "pixel " << p << " format " << c.ddsFormat;
            ASSERT_EQ(at(1), rgba[p * 4 + 1]) << "pixel " << p;
            ASSERT_EQ(at(2), rgba[p * 4 + 0]) << "pixel " << p;
        }
    }
}
