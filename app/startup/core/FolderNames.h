#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Names of the game's folders and files as the program compares them: ASCII
// letters without regard to case (the spellings of one folder that installers,
// Wine and players use differ only so), folders listed in name order so that a
// choice never depends on the order a file system lists them in.

namespace varnick::locate {

/// text with ASCII letters in lower case; other bytes unchanged.
std::string lower(std::string_view text);

/// Whether a and b are equal without regard to ASCII case.
bool equalsNoCase(std::string_view a, std::string_view b);

/// Whether text holds part, without regard to ASCII case.
bool containsNoCase(std::string_view text, std::string_view part);

/// Whether path names an existing folder; false for "" and on any error.
bool isFolder(const std::filesystem::path& path);

/// The file name of path as UTF-8.
std::string nameOf(const std::filesystem::path& path);

/// The folders in folder, sorted by name; none when it cannot be listed.
std::vector<std::filesystem::path> subfolders(const std::filesystem::path& folder);

/// folder / name, or a folder whose name differs only in ASCII case where the exact one is missing.
std::filesystem::path childNoCase(const std::filesystem::path& folder, std::string_view name);

/// One spelling per folder: links resolved, no trailing separator.
std::filesystem::path normalFolder(const std::filesystem::path& path);

/// The text two paths of one folder share (normalFolder, and on Windows without case or separator differences).
std::string folderKey(const std::filesystem::path& path);

} // namespace varnick::locate
