// Fuzzes the conversions between stored package fields and numbers or
// hexadecimal text, which the readers apply to bytes from packages and to
// identifiers typed or pasted by the player: each either gives its result or
// throws InvalidArgument where its contract says so, and every conversion
// with an inverse comes back to where it started. The type table is filled
// again and must still name each type by its own text form.
#include "package/BinarySupport.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace varnick;

namespace {

template <typename Call> bool refused(Call call)
{
    try {
        (void)call();
        return false;
    } catch (const Failure& failure) {
        if (failure.code() != ErrorCode::InvalidArgument)
            std::abort();
        return true;
    }
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'f')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

void checkTypeTable()
{
    const std::array<std::pair<const ByteString*, const char*>, 4> samples { {
        { &gstrTypeOBJD, "4F424A44" },
        { &gstrTypeTXTR, "1C4A276C" },
        { &gstrTypeCTSS, "43545353" },
        { &gstrTypeAllOnes, "FFFFFFFF" },
    } };
    gsInitTypeIDs();
    for (const auto& [constant, text] : samples) {
        if (*constant != gfstr4HexToSimsID(text) || simsIdToHex(*constant) != text)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool tableChecked = (checkTypeTable(), true);
    (void)tableChecked;
    const ByteView bytes(reinterpret_cast<const char*>(data), size);

    // Numbers from stored bytes and back.
    const std::int32_t padded = gflngStrToLong(bytes);
    if (refused([&] { return gflngStr4ToLong(bytes); }) != (size < 4))
        std::abort();
    ByteString first4(bytes.substr(0, 4));
    first4.resize(4, '\0');
    if (gfstrLongToStr4(padded) != first4 || (size >= 4 && gflngStr4ToLong(bytes) != padded))
        std::abort();
    ByteString appended;
    appendLong(appended, static_cast<std::uint32_t>(padded));
    if (appended != first4)
        std::abort();
    if (size >= 2) {
        const std::int16_t value = gfintBytesToInteger(data[0], data[1]);
        if (gfstrIntToStr2(value) != bytes.substr(0, 2))
            std::abort();
    }
    const bool tooLong = size > 4;
    if (refused([&] { return gflngStrToValue(bytes); }) != tooLong)
        std::abort();
    if (!tooLong && size != 2 && size != 4 && gflngStrToValue(bytes) < 0)
        std::abort(); // 1 and 3 bytes are unsigned

    // Hexadecimal text: the input's bytes as digits, and the input as digits.
    const std::string hex = gfstrStrToHex(bytes);
    if (hex.size() != 2 * size || gfstrHexToStrRev(hex) != bytes)
        std::abort();
    if (size > 0
        && (gfstrByteToHex(data[size - 1]) != hex.substr(0, 2)
            || gfintHexByteToValue(hex.substr(0, 2)) != data[size - 1]))
        std::abort();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool odd = size % 2 != 0;
    if (refused([&] { return gfstrHexToStr(text); }) != odd || refused([&] { return gfstrHexToStrRev(text); }) != odd)
        std::abort();
    bool allDigits = true;
    for (const char c : text)
        allDigits = allDigits && isHexDigit(c);
    if (!odd) {
        const ByteString forward = gfstrHexToStr(text);
        const ByteString backward = gfstrHexToStrRev(text);
        if (forward.size() != size / 2 || ByteString(forward.rbegin(), forward.rend()) != backward)
            std::abort();
        if (allDigits && gfstrStrToHex(backward) != upper(text))
            std::abort();
    }
    const std::int16_t pairValue = gfintHexByteToValue(text.substr(0, 2));
    if ((size == 0) != (pairValue == -1) || pairValue > 255)
        std::abort();
    const ByteString id = gfstr4HexToSimsID(text);
    if (size < 8 ? !id.empty() : id.size() != 4)
        std::abort();
    if (size >= 8 && allDigits && simsIdToHex(id) != upper(text.substr(0, 8)))
        std::abort();

    // Strings at 1-based positions the input picks.
    const std::int32_t position = size > 0 ? static_cast<std::int32_t>(data[0]) - 8 : 1;
    const bool before = position < 1;
    if (refused([&] { return gfstrReadPascalString(bytes, position); }) != before
        || refused([&] { return gfstrReadCString(bytes, position); }) != before)
        std::abort();
    if (!before) {
        const ByteString pascal = gfstrReadPascalString(bytes, position);
        const ByteString cString = gfstrReadCString(bytes, position);
        const auto start = static_cast<std::size_t>(position - 1);
        if (start < size ? pascal.size() > data[start] || bytes.substr(start + 1, pascal.size()) != pascal
                         : !pascal.empty())
            std::abort();
        if (cString.find('\0') != ByteString::npos
            || (start < size ? bytes.substr(start, cString.size()) != cString : !cString.empty()))
            std::abort();
    }

    // Flags: a single bit in range, of a value in range.
    if (size >= 4) {
        const std::int32_t value = gfintBytesToInteger(data[0], data[1]);
        const std::int32_t flag = std::int32_t { 1 } << (data[2] % 16);
        if (gfblnIsBitSet(value, flag) != (value >= 0 && flag <= 16384 && (value & flag) != 0))
            std::abort();
        (void)gfblnIsBitSet(value, gfintBytesToInteger(data[2], data[3]));
    }
    return 0;
}
