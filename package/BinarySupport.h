#pragma once

// Conversions between the stored forms of package fields (little-endian bytes,
// identifiers as their 4 stored bytes) and numbers or hexadecimal text.
// None of them traps: a failure (Failure with ErrorCode::InvalidArgument)
// reaches the caller's handler. Positions are 1-based where the procedures
// take them, as in the rest of the package code.

#include "package/base/Bytes.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnick {

/// Bytes 1 to 4 as a little-endian signed 32-bit value; throws when fewer than 4 bytes are given.
std::int32_t gflngStr4ToLong(ByteView bytes);

/// Like gflngStr4ToLong, with a shorter string padded with NUL bytes at its end
/// (longer strings: their first 4 bytes). Never throws.
std::int32_t gflngStrToLong(ByteView bytes);

/// The 2 stored bytes of a 16-bit value, low byte first.
ByteString gfstrIntToStr2(std::int16_t value);

/// The 4 stored bytes of a 32-bit value, lowest byte first.
ByteString gfstrLongToStr4(std::int32_t value);

/// Appends the 4 stored bytes of a 32-bit value, lowest byte first (for writers).
void appendLong(ByteString& out, std::uint32_t value);

/// The signed 16-bit value of a low and a high byte.
std::int16_t gfintBytesToInteger(std::uint8_t low, std::uint8_t high);

/// The value of 1 or 2 hexadecimal digits (either case); -1 for an empty text
/// or one of 3 or more characters. An invalid digit counts as 0.
std::int16_t gfintHexByteToValue(std::string_view hexText);

/// Two upper-case hexadecimal digits of a byte ("0A" for 10).
std::string gfstrByteToHex(std::uint8_t value);

/// Hexadecimal text of a byte string, last byte first (01 02 gives "0201").
/// Applied to an identifier it gives its 8-digit text form.
std::string gfstrStrToHex(ByteView bytes);

/// Bytes from hexadecimal text, first digit pair first ("FDFF" gives FD FF).
/// Throws when the text has an odd number of digits.
ByteString gfstrHexToStr(std::string_view hexText);

/// Bytes from hexadecimal text, last digit pair first ("FB10" gives 10 FB).
/// Throws when the text has an odd number of digits.
ByteString gfstrHexToStrRev(std::string_view hexText);

/// A little-endian number of 1 to 4 bytes: 1 byte 0..255, 2 bytes signed
/// 16-bit, 3 bytes 0..16777215, 4 bytes signed 32-bit; 0 for no bytes.
/// Throws for more than 4 bytes.
std::int32_t gflngStrToValue(ByteView bytes);

/// The length-prefixed string whose length byte is at the 1-based position;
/// stops at the end of bytes when the length runs past it. Throws for a position below 1.
ByteString gfstrReadPascalString(ByteView bytes, std::int32_t position);

/// The bytes from the 1-based position up to the next NUL (or the end); empty
/// when the position holds a NUL or lies past the end. Throws for a position below 1.
ByteString gfstrReadCString(ByteView bytes, std::int32_t position);

/// Whether flag (a power of two from 1 to 16384) is set in value (0 to 32767);
/// false for negative values and for flags that are not a single bit in range.
bool gfblnIsBitSet(std::int32_t value, std::int32_t flag);

/// The stored form (4 bytes, least significant first) of an identifier's
/// 8-digit text form: "4F424A44" gives 44 4A 42 4F. A text shorter than 8
/// characters gives the empty string; characters after the eighth are ignored.
ByteString gfstr4HexToSimsID(std::string_view hexText);

/// The 8-digit upper-case text form of a stored 4-byte identifier (most significant first).
std::string simsIdToHex(ByteView id);

} // namespace varnick
