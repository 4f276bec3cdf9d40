#include "package/Crc24.h"
#include "package/base/CodePage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace varnick {
namespace {

// Bit-by-bit register steps, straight from the checksum's definition, to hold
// the table-driven implementation against.
std::int32_t referenceCrc24(ByteView bytes)
{
    std::uint32_t reg = 0xB704CE;
    for (unsigned char byte : bytes) {
        reg ^= static_cast<std::uint32_t>(byte) << 16;
        for (int i = 0; i < 8; ++i) {
            reg <<= 1;
            if (reg & 0x1000000)
                reg ^= 0x1864CFB;
        }
    }
    return static_cast<std::int32_t>(reg & 0xFFFFFF);
}

TEST(Crc24, givesTheCheckValueAndTheInitialValueForEmptyText)
{
    EXPECT_EQ(gflngCRC24OfString("123456789"), 0x21CF02);
    EXPECT_EQ(gflngCRC24OfString(""), 0xB704CE);
    EXPECT_EQ(gflngCRC24(ByteView {}), kCrc24Initial);
    EXPECT_EQ(crc24Hex(gflngCRC24OfString("123456789")), "21CF02");
}

TEST(Crc24, distinguishesCaseAndCoversEveryByteValue)
{
    EXPECT_NE(gflngCRC24OfString("Chair"), gflngCRC24OfString("chair"));
    ByteString all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    EXPECT_EQ(gflngCRC24(all), referenceCrc24(all));

    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        ByteString bytes(random() % 300, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() & 0xFF);
        const std::int32_t crc = gflngCRC24(bytes);
        ASSERT_EQ(crc, referenceCrc24(bytes));
        ASSERT_GE(crc, 0);
        ASSERT_LE(crc, 0xFFFFFF);
    }
}

TEST(Crc24, formatsSixUpperCaseDigitsWithLeadingZeros)
{
    EXPECT_EQ(crc24Hex(0), "000000");
    EXPECT_EQ(crc24Hex(0xABC), "000ABC");
    EXPECT_EQ(crc24Hex(0xFFFFFF), "FFFFFF");
}

TEST(Crc24, thumbnailKeyHashesTheLowerCasedTitleBehind7F)
{
    EXPECT_EQ(thumbnailKeyText("123456789"), "7F21CF02");
    EXPECT_EQ(thumbnailKeyText("Blue Chair"), "7F" + crc24Hex(gflngCRC24OfString("blue chair")));
    EXPECT_EQ(thumbnailKeyText("Blue Chair"), thumbnailKeyText("BLUE CHAIR"));
}

#ifndef _WIN32 // Windows takes its own ANSI code page, which depends on the system's language.
TEST(Crc24, hashesTextInTheGamesEightBitCodePage)
{
    // "Été" is lower-cased letter by letter and hashed as the Windows-1252 bytes E9 74 E9.
    EXPECT_EQ(thumbnailKeyText("\xC3\x89t\xC3\xA9"), "7F" + crc24Hex(gflngCRC24(ByteString("\xE9t\xE9"))));
    EXPECT_EQ(gflngCRC24OfString("\xE2\x82\xAC"), gflngCRC24(ByteString("\x80"))); // the euro sign
    EXPECT_EQ(gflngCRC24OfString("\xE6\x97\xA5"), gflngCRC24(ByteString("?"))); // not in the code page
    EXPECT_EQ(lowerCaseUtf8("\xC5\xA0\xC5\xB8\xC3\x97"), "\xC5\xA1\xC3\xBF\xC3\x97"); // Š Ÿ × -> š ÿ ×
    // Text that is not UTF-8 is already 8-bit text and is hashed as it is.
    EXPECT_EQ(gflngCRC24OfString("\xE9t\xE9"), gflngCRC24(ByteString("\xE9t\xE9")));
}
#endif

} // namespace
} // namespace varnick
