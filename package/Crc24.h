#pragma once

#include "package/base/Bytes.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnick {

/// Register value before the first byte, and the checksum of no bytes at all.
inline constexpr std::int32_t kCrc24Initial = 0xB704CE;

/// CRC-24 (the OpenPGP checksum: start 0xB704CE, polynomial 0x1864CFB, no
/// reflection, no final XOR) of text, a UTF-8 string, taken in the system's
/// 8-bit code page (toAnsiCodePage) as the game sees file names; 0 to 16777215.
/// The game's thumbnail caches file each object's picture under this checksum. Never fails.
std::int32_t gflngCRC24OfString(std::string_view text) noexcept;

/// The same checksum over a byte array. An empty array gives kCrc24Initial. Never fails.
std::int32_t gflngCRC24(ByteView bytes) noexcept;

/// The checksum as six upper-case hexadecimal digits, padded with leading "0".
std::string crc24Hex(std::int32_t checksum);

/// The eight hexadecimal digits under which the thumbnail caches file the
/// picture of the package with this file title (UTF-8): "7F" and the CRC-24
/// of the lower-cased title. Never fails.
std::string thumbnailKeyText(std::string_view fileTitle);

} // namespace varnick
