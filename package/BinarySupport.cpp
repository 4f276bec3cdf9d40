#include "package/BinarySupport.h"

#include "package/base/ErrorTrap.h"

#include <cstring>

namespace varnick {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Value of one hexadecimal digit, or -1 when the character is not one.
int hexDigitValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

// Digit values as the pair conversions take them: an invalid digit counts as 0.
int lenientDigit(char digit)
{
    const int value = hexDigitValue(digit);
    return value < 0 ? 0 : value;
}

void requireEvenLength(std::string_view hexText, const char* procedure)
{
    if (hexText.size() % 2 != 0)
        throw Failure(ErrorCode::InvalidArgument,
            std::string(procedure) + ": hexadecimal text \"" + std::string(hexText) + "\" has an odd number of digits ("
                + std::to_string(hexText.size()) + ")");
}

void requirePosition(std::int32_t position, const char* procedure)
{
    if (position < 1)
        throw Failure(ErrorCode::InvalidArgument,
            std::string(procedure) + ": position " + std::to_string(position) + " is before the first byte");
}

} // namespace

std::int32_t gflngStr4ToLong(ByteView bytes)
{
    if (bytes.size() < 4)
        throw Failure(
            ErrorCode::InvalidArgument, "gflngStr4ToLong: 4 bytes needed, " + std::to_string(bytes.size()) + " given");
    const std::uint32_t value = std::uint32_t(byteAt(bytes, 0)) | (std::uint32_t(byteAt(bytes, 1)) << 8)
        | (std::uint32_t(byteAt(bytes, 2)) << 16) | (std::uint32_t(byteAt(bytes, 3)) << 24);
    return static_cast<std::int32_t>(value);
}

std::int32_t gflngStrToLong(ByteView bytes)
{
    char padded[4] = { 0, 0, 0, 0 };
    std::memcpy(padded, bytes.data(), bytes.size() < 4 ? bytes.size() : 4);
    return gflngStr4ToLong(ByteView(padded, 4));
}

ByteString gfstrIntToStr2(std::int16_t value)
{
    const auto bits = static_cast<std::uint16_t>(value);
    return { static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8) };
}

ByteString gfstrLongToStr4(std::int32_t value)
{
    ByteString bytes;
    appendLong(bytes, static_cast<std::uint32_t>(value));
    return bytes;
}

void appendLong(ByteString& out, std::uint32_t value)
{
    const char bytes[4] = { static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
        static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24) };
    out.append(bytes, 4);
}

std::int16_t gfintBytesToInteger(std::uint8_t low, std::uint8_t high)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(high << 8 | low));
}

std::int16_t gfintHexByteToValue(std::string_view hexText)
{
    if (hexText.empty() || hexText.size() > 2)
        return -1;
    int value = lenientDigit(hexText.back());
    if (hexText.size() == 2)
        value += 16 * lenientDigit(hexText.front());
    return static_cast<std::int16_t>(value);
}

std::string gfstrByteToHex(std::uint8_t value)
{
    return { kHexDigits[value >> 4], kHexDigits[value & 0x0F] };
}

std::string gfstrStrToHex(ByteView bytes)
{
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::size_t i = bytes.size(); i > 0; --i) {
        const unsigned value = byteAt(bytes, i - 1);
        text += kHexDigits[value >> 4];
        text += kHexDigits[value & 0x0F];
    }
    return text;
}

ByteString gfstrHexToStr(std::string_view hexText)
{
    requireEvenLength(hexText, "gfstrHexToStr");
    ByteString bytes;
    bytes.reserve(hexText.size() / 2);
    for (std::size_t i = 0; i < hexText.size(); i += 2)
        bytes += static_cast<char>(gfintHexByteToValue(hexText.substr(i, 2)));
    return bytes;
}

ByteString gfstrHexToStrRev(std::string_view hexText)
{
    requireEvenLength(hexText, "gfstrHexToStrRev");
    ByteString bytes;
    bytes.reserve(hexText.size() / 2);
    for (std::size_t i = hexText.size(); i > 0; i -= 2)
        bytes += static_cast<char>(gfintHexByteToValue(hexText.substr(i - 2, 2)));
    return bytes;
}

std::int32_t gflngStrToValue(ByteView bytes)
{
    switch (bytes.size()) {
    case 0:
        return 0;
    case 1:
        return static_cast<std::int32_t>(byteAt(bytes, 0));
    case 2:
        return gfintBytesToInteger(
            static_cast<std::uint8_t>(byteAt(bytes, 0)), static_cast<std::uint8_t>(byteAt(bytes, 1)));
    case 3:
    case 4:
        return gflngStrToLong(bytes);
    default:
        throw Failure(ErrorCode::InvalidArgument,
            "gflngStrToValue: at most 4 bytes make a number, " + std::to_string(bytes.size()) + " given");
    }
}

ByteString gfstrReadPascalString(ByteView bytes, std::int32_t position)
{
    requirePosition(position, "gfstrReadPascalString");
    const auto start = static_cast<std::size_t>(position - 1);
    if (start >= bytes.size())
        return {};
    const std::size_t length = byteAt(bytes, start);
    return ByteString(bytes.substr(start + 1, length));
}

ByteString gfstrReadCString(ByteView bytes, std::int32_t position)
{
    requirePosition(position, "gfstrReadCString");
    const auto start = static_cast<std::size_t>(position - 1);
    if (start >= bytes.size())
        return {};
    const ByteView rest = bytes.substr(start);
    return ByteString(rest.substr(0, rest.find('\0')));
}

bool gfblnIsBitSet(std::int32_t value, std::int32_t flag)
{
    if (value < 0 || value > 32767 || flag < 1 || flag > 16384 || (flag & (flag - 1)) != 0)
        return false;
    return (value & flag) != 0;
}

ByteString gfstr4HexToSimsID(std::string_view hexText)
{
    if (hexText.size() < 8)
        return {};
    return gfstrHexToStrRev(hexText.substr(0, 8));
}

std::string simsIdToHex(ByteView id)
{
    return gfstrStrToHex(id);
}

} // namespace varnick
