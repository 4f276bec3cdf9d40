#pragma once

#include "package/base/Bytes.h"

#include <string>
#include <string_view>

namespace varnick {

/// Text in the system's 8-bit code page, one byte per character, as the game
/// and its caches see a file name: the ANSI code page on Windows, Windows-1252
/// (the game's usual code page, also Wine's default) elsewhere. Characters the
/// code page lacks become "?", as the platform's own conversion does. Text that
/// is not valid UTF-8 is returned unchanged: it already is 8-bit text.
ByteString toAnsiCodePage(std::string_view utf8);

/// UTF-8 text lower-cased letter by letter (all letters of Windows-1252 on
/// every platform; on Windows the platform's full case mapping).
std::string lowerCaseUtf8(std::string_view utf8);

} // namespace varnick
