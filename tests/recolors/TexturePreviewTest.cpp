// The texture viewer's bitmap: which texture of a package is shown, DXT1, DXT3
// and raw decoding, rows padded and shown as stored (not mirrored), the DDS file.
#include "app/recolors/core/DdsSupport.h"
#include "package/base/ErrorTrap.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/recolors/RecolorFixtures.h"

#include <gtest/gtest.h>

#include <optional>

using namespace varnick;
using namespace varnick::recolors;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

constexpr std::uint16_t kRed = 0xF800, kGreen = 0x07E0, kBlue = 0x001F;
const ByteString kRedBgr("\x00\x00\xFF", 3), kGreenBgr("\x00\xFF\x00", 3), kBlueBgr("\xFF\x00\x00", 3);

ByteString repeat(const ByteString& piece, std::size_t times)
{
    ByteString out;
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

ByteString dxt1(std::uint16_t colour, std::size_t blocks = 1)
{
    return repeat(solidDxt1Block(colour), blocks);
}

ByteString dxt3(std::uint16_t colour)
{
    return ByteString(8, '\xFF') + solidDxt1Block(colour);
}

// Raw 32-bit pixels numbered from first: pixel n is the bytes n*4+first .. +3.
ByteString rawPixels(int count, int first = 0)
{
    ByteString out;
    for (int i = 0; i < count * 4; ++i)
        out.push_back(static_cast<char>(first + i));
    return out;
}

// The bitmap's pixel bytes row by row from the top of the picture, padding removed.
ByteString topDownPixels(const ByteString& bmp)
{
    const std::int32_t width = int32At(bmp, 18);
    const std::int32_t height = int32At(bmp, 22);
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    const std::size_t stride = (row + 3) / 4 * 4;
    ByteString out;
    for (std::int32_t y = height; y-- > 0;)
        out += bmp.substr(54 + static_cast<std::size_t>(y) * stride, row);
    return out;
}

} // namespace

TEST(TexturePreview, showsTheFirstTextureInAFormatItCanShow)
{
    struct Case {
        const char* what;
        std::vector<ByteString> textures;
        std::optional<ByteString> pixels; ///< top-down B,G,R; nullopt: "not available"
        std::int32_t width = 4, height = 4;
    };
    const ByteString raw4x4 = textureResource(1, 4, 4, { rawPixels(16) });
    const std::vector<Case> cases {
        { "DXT3 before raw", { textureResource(5, 4, 4, { dxt3(kGreen) }), raw4x4 }, repeat(kGreenBgr, 16) },
        { "format 2 before DXT1",
            { textureResource(2, 4, 4, { dxt1(kRed) }), textureResource(4, 4, 4, { dxt1(kBlue) }) },
            repeat(kBlueBgr, 16) },
        { "only unknown formats",
            { textureResource(2, 4, 4, { dxt1(kRed) }), textureResource(3, 4, 4, { dxt1(kRed) }) }, std::nullopt },
        { "no levels", { textureResource(4, 4, 4, {}), textureResource(4, 4, 4, { dxt1(kRed) }) }, std::nullopt },
        { "a level too short", { textureResource(1, 4, 4, { rawPixels(15) }), raw4x4 }, std::nullopt },
        { "an unreadable texture first", { "not a collection", textureResource(4, 4, 4, { dxt1(kRed) }) },
            repeat(kRedBgr, 16) },
        { "no texture at all", {}, std::nullopt },
        // Several levels: the last stored (largest) one, which the header's size describes.
        { "several levels", { textureResource(1, 2, 2, { rawPixels(1, 200), rawPixels(4, 100), rawPixels(1, 50) }) },
            std::nullopt },
        { "several raw levels", { textureResource(1, 2, 1, { rawPixels(1, 200), rawPixels(2, 10) }) },
            ByteString("\x0A\x0B\x0C\x0E\x0F\x10", 6), 2, 1 },
        // Blocks beyond a size that is not a multiple of 4 are cut off.
        { "DXT1 of 5 x 3", { textureResource(4, 5, 3, { dxt1(kGreen, 1) + dxt1(kRed, 1) }) },
            repeat(repeat(kGreenBgr, 4) + kRedBgr, 3), 5, 3 },
    };
    for (const Case& c : cases) {
        TemporaryFolder dir;
        const fs::path file = dir.write("t.package", texturePackage(c.textures));
        const std::optional<ByteString> bmp = packagePreviewBitmap(file);
        ASSERT_EQ(bmp.has_value(), c.pixels.has_value()) << c.what;
        if (!bmp)
            continue;
        EXPECT_EQ(int32At(*bmp, 18), c.width) << c.what;
        EXPECT_EQ(int32At(*bmp, 22), c.height) << c.what;
        EXPECT_EQ(topDownPixels(*bmp), *c.pixels) << c.what;
    }
    EXPECT_THROW(packagePreviewBitmap(TemporaryFolder().path() / "missing.package"), Failure);
}

TEST(TexturePreview, rawPixelsAreShownAsStoredInPaddedBottomUpRows)
{
    // 4 x 2: rows p0..p3 and p4..p7; the file holds the bottom row first, each pixel's first three bytes.
    const ByteString bmp4 = *packagePreviewBitmap(
        TemporaryFolder().write("raw.package", texturePackage({ textureResource(1, 4, 2, { rawPixels(8) }) })));
    ByteString expected;
    for (const int p : { 4, 5, 6, 7, 0, 1, 2, 3 })
        expected += rawPixels(1, p * 4).substr(0, 3);
    EXPECT_EQ(bmp4.substr(54), expected);
    EXPECT_EQ(int32At(bmp4, 2), 54 + 24);

    // Widths whose rows are not a multiple of 4 bytes get padding; sizes in the header count it.
    struct Case {
        std::int32_t width, height, stride;
    };
    for (const Case& c :
        { Case { 1, 2, 4 }, Case { 2, 1, 8 }, Case { 3, 2, 12 }, Case { 5, 3, 16 }, Case { 4, 1, 12 } }) {
        const ByteString pixels = rawPixels(c.width * c.height);
        const std::optional<ByteString> bgr = decodeRaw32(pixels, c.height, c.width);
        ASSERT_TRUE(bgr);
        const ByteString bmp = bmpFileBytes(*bgr, c.height, c.width);
        ASSERT_EQ(bmp.size(), 54u + static_cast<std::size_t>(c.stride * c.height)) << c.width;
        EXPECT_EQ(int32At(bmp, 2), static_cast<std::int32_t>(bmp.size()));
        EXPECT_EQ(int32At(bmp, 34), c.stride * c.height);
        EXPECT_EQ(bmp.substr(0, 2), "BM");
        EXPECT_EQ(int32At(bmp, 10), 54);
        EXPECT_EQ(int32At(bmp, 14), 40);
        EXPECT_EQ(bmp[28], 24);
        EXPECT_EQ(topDownPixels(bmp), *bgr) << c.width;
        for (std::int32_t y = 0; y < c.height; ++y)
            EXPECT_EQ(bmp.substr(54 + static_cast<std::size_t>(y * c.stride + c.width * 3),
                          static_cast<std::size_t>(c.stride - c.width * 3)),
                ByteString(static_cast<std::size_t>(c.stride - c.width * 3), '\0'));
    }
    EXPECT_FALSE(decodeRaw32(rawPixels(7), 2, 4));
    EXPECT_FALSE(decodeRaw32(rawPixels(8), 0, 4));
    EXPECT_FALSE(decodeDxt(dxt1(kRed), 2, 4, 4));
    EXPECT_FALSE(decodeDxt(dxt1(kRed), 1, 4, 8));
}

TEST(TexturePreview, aLargeTextureKeepsItsSizeAndItsTopLeftOnTop)
{
    // 1024 x 1024 DXT1: the top-left block red, every other one blue.
    const ByteString blocks = dxt1(kRed) + dxt1(kBlue, 256 * 256 - 1);
    const ByteString bmp = *packagePreviewBitmap(TemporaryFolder().write(
        "big.package", texturePackage({ textureResource(4, 1024, 1024, { dxt1(kBlue), blocks }) })));
    EXPECT_EQ(int32At(bmp, 18), 1024);
    EXPECT_EQ(int32At(bmp, 22), 1024);
    ASSERT_EQ(bmp.size(), 54u + 1024u * 1024u * 3u);
    const std::size_t topRow = 54 + 1023u * 1024u * 3u;
    EXPECT_EQ(bmp.substr(topRow, 12), repeat(kRedBgr, 4));
    EXPECT_EQ(bmp.substr(topRow + 12, 3), kBlueBgr);
    EXPECT_EQ(bmp.substr(54, 3), kBlueBgr);
}

TEST(TexturePreview, ddsFilesCarryTheirFormatAndConvertToTheSameBitmap)
{
    TemporaryFolder dir;
    const ByteString blocks = dxt3(kGreen) + dxt3(kRed);
    const fs::path dds = dir.path() / "ddstemp.dds";
    gsWriteDDSFile(dds, blocks, 3, 4, 8);
    const ByteString file = readFileBytes(dds);
    ASSERT_EQ(file.size(), 128u + blocks.size());
    EXPECT_EQ(file.substr(0, 4), "DDS ");
    struct Field {
        std::size_t at;
        std::int32_t value;
    };
    for (const Field f : { Field { 4, 124 }, Field { 8, 0x81007 }, Field { 12, 4 }, Field { 16, 8 }, Field { 20, 32 },
             Field { 76, 32 }, Field { 80, 4 }, Field { 108, 0x1000 } })
        EXPECT_EQ(int32At(file, f.at), f.value) << f.at;
    EXPECT_EQ(file.substr(84, 4), "DXT3");
    EXPECT_EQ(ddsFileBytes("", 1, 1, 1).substr(84, 4), "DXT1");
    EXPECT_EQ(ddsFileBytes("", 9, 1, 1).substr(84, 4), ByteString(4, '\0'));

    const fs::path bmp = dir.path() / "bmptemp.bmp";
    ASSERT_TRUE(gsConvertDDStoBMP(dds, bmp));
    EXPECT_EQ(topDownPixels(readFileBytes(bmp)), repeat(repeat(kGreenBgr, 4) + repeat(kRedBgr, 4), 4));
    // A DDS it cannot decode writes nothing.
    const fs::path other = dir.path() / "other.bmp";
    gsWriteDDSFile(dds, blocks, 5, 4, 8);
    EXPECT_FALSE(gsConvertDDStoBMP(dds, other));
    gsWriteDDSFile(dds, blocks.substr(0, 16), 3, 4, 8);
    EXPECT_FALSE(gsConvertDDStoBMP(dds, other));
    EXPECT_FALSE(fs::exists(other));

    gsWriteBMPfile(rawPixels(8), 2, 4, bmp);
    EXPECT_EQ(readFileBytes(bmp).size(), 54u + 24u);
    EXPECT_THROW(gsWriteBMPfile(rawPixels(7), 2, 4, bmp), Failure);
}
