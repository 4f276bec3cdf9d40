#pragma once

// Catalog texts are UTF-8 in the game's own files, but downloaded packages may
// hold any bytes. These helpers turn such bytes into valid UTF-8 for display
// without ever changing the stored bytes themselves.

#include "package/base/Bytes.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace varnick {

/// The bytes as valid UTF-8: every well-formed sequence is kept, every byte
/// that does not start or continue one becomes U+FFFD (one per maximal invalid
/// subpart, as the Unicode standard recommends). Never throws beyond allocation.
std::string toValidUtf8(ByteView bytes);

/// Whether the bytes are well-formed UTF-8 (no overlongs, surrogates or values past U+10FFFF).
bool isValidUtf8(ByteView bytes);

/// The number of code points in valid UTF-8 text (each invalid byte counts as one).
std::size_t utf8CodePointCount(ByteView bytes);

/// Appends point in UTF-8's form: 1 to 4 bytes by its size, any value below
/// 2^21 (callers that need valid text pass code points only).
void appendUtf8(std::string& out, char32_t point);

/// UTF-16 text (Windows' wide strings: registry values, file names) as UTF-8;
/// a lone surrogate becomes U+FFFD. Never throws beyond allocation, where the
/// standard library's path conversion throws on such text.
std::string utf8FromUtf16(std::u16string_view text);

/// UTF-8 text as UTF-16; each invalid sequence becomes U+FFFD, as in toValidUtf8.
std::u16string utf16FromUtf8(std::string_view text);

#ifdef _WIN32
/// utf8FromUtf16 for the Windows API's wide strings.
inline std::string utf8FromWide(std::wstring_view text)
{
    return utf8FromUtf16(std::u16string(text.begin(), text.end()));
}

/// utf16FromUtf8 for the Windows API's wide strings.
inline std::wstring wideFromUtf8(std::string_view text)
{
    const std::u16string wide = utf16FromUtf8(text);
    return std::wstring(wide.begin(), wide.end());
}
#endif

} // namespace varnick
