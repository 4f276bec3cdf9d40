#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace varnick {

/// UTF-8 text of a path, whatever the platform's native path encoding is.
std::string pathToUtf8(const std::filesystem::path& path);

/// Path from UTF-8 text (never the 8-bit code page on Windows).
std::filesystem::path pathFromUtf8(std::string_view text);

} // namespace varnick
