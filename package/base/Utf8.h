#pragma once

// Catalog texts are UTF-8 in the game's own files, but downloaded packages may
// hold any bytes. These helpers turn such bytes into valid UTF-8 for display
// without ever changing the stored bytes themselves.

#include "package/base/Bytes.h"

#include <cstddef>
#include <string>

namespace varnick {

/// The bytes as valid UTF-8: every well-formed sequence is kept, every byte
/// that does not start or continue one becomes U+FFFD (one per maximal invalid
/// subpart, as the Unicode standard recommends). Never throws beyond allocation.
std::string toValidUtf8(ByteView bytes);

/// Whether the bytes are well-formed UTF-8 (no overlongs, surrogates or values past U+10FFFF).
bool isValidUtf8(ByteView bytes);

/// The number of code points in valid UTF-8 text (each invalid byte counts as one).
std::size_t utf8CodePointCount(ByteView bytes);

} // namespace varnick
