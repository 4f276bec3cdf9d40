#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace varnick {

/// UTF-8 text of a path, whatever the platform's native path encoding is. A
/// Windows name holding a lone UTF-16 surrogate (which NTFS allows) gets
/// U+FFFD in its place, so the text names such a file for a message but does
/// not lead back to it (see isUnicodePath). Never throws beyond allocation.
std::string pathToUtf8(const std::filesystem::path& path);

/// Path from UTF-8 text (never the 8-bit code page on Windows).
std::filesystem::path pathFromUtf8(std::string_view text);

/// Whether the path's text is valid Unicode, so that pathFromUtf8(pathToUtf8(path))
/// names the same file. Always true where paths are bytes (Linux, macOS).
bool isUnicodePath(const std::filesystem::path& path);

/// The path in the form the operating system's file functions take at any
/// length. On Windows, an absolute path too long for the classic limits
/// (MAX_PATH, less 12 for a folder) gets the extended-length prefix ("\\?\C:\..."
/// or "\\?\UNC\server\share\..."), with "/" turned into "\" and "." and ".."
/// resolved, because the prefix turns off that normalisation; a relative path is
/// made absolute first. Shorter paths, and every path elsewhere, come back as
/// they are. Never throws beyond allocation.
std::filesystem::path systemPath(const std::filesystem::path& path);

} // namespace varnick
