#pragma once

#include <string>
#include <string_view>

namespace varnick {

/// Package data, identifiers and resource contents: bytes 0 to 255, one byte per
/// unit, no character-set conversion. std::string compares through
/// char_traits<char>, which orders as unsigned char, so comparison is bytewise.
using ByteString = std::string;
using ByteView = std::string_view;

/// The byte at position i as 0..255.
inline unsigned byteAt(ByteView bytes, std::size_t i)
{
    return static_cast<unsigned char>(bytes[i]);
}

} // namespace varnick
