#include "package/Crc24.h"

#include "package/base/CodePage.h"

#include <array>

namespace varnick {

namespace {

constexpr std::uint32_t kPolynomial = 0x1864CFB;

// One table entry per byte value: the register change of eight shift steps,
// so that each byte costs one lookup.
consteval std::array<std::uint32_t, 256> makeTable()
{
    std::array<std::uint32_t, 256> table {};
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        std::uint32_t reg = byte << 16;
        for (int bit = 0; bit < 8; ++bit) {
            reg <<= 1;
            if (reg & 0x1000000)
                reg ^= kPolynomial;
        }
        table[byte] = reg & 0xFFFFFF;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = makeTable();

} // namespace

std::int32_t gflngCRC24(ByteView bytes) noexcept
{
    std::uint32_t reg = kCrc24Initial;
    for (unsigned char byte : bytes)
        reg = ((reg << 8) & 0xFFFFFF) ^ kTable[((reg >> 16) ^ byte) & 0xFF];
    return static_cast<std::int32_t>(reg & 0xFFFFFF);
}

std::int32_t gflngCRC24OfString(std::string_view text) noexcept
{
    try {
        return gflngCRC24(toAnsiCodePage(text));
    } catch (...) {
        // Only an allocation can fail here; the bytes as given are the best answer left.
        return gflngCRC24(text);
    }
}

std::string crc24Hex(std::int32_t checksum)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(6, '0');
    auto value = static_cast<std::uint32_t>(checksum) & 0xFFFFFF;
    for (int i = 5; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
        value >>= 4;
    }
    return text;
}

std::string thumbnailKeyText(std::string_view fileTitle)
{
    return "7F" + crc24Hex(gflngCRC24OfString(lowerCaseUtf8(fileTitle)));
}

} // namespace varnick
