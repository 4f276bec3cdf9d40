#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Shared file, path and string routines (module "modUtility") used by the
// browser, the editor and the recolor windows. Paths and texts are UTF-8.

namespace varnick {

/// Finds every file matching pattern ("*.package"; '*' and '?' wildcards, ASCII
/// letters compared without case) in root and all folders below it: the root's
/// files first, then each level of subfolders (breadth first), names sorted
/// within a folder. Hidden entries (and system entries on Windows) are skipped;
/// a folder reached twice through links is searched once. With an empty root,
/// returns 0 and leaves files untouched; otherwise files holds exactly the full
/// paths found. Failures (a folder that cannot be listed) go to the error trap
/// as "modUtility"/"gflngFindFiles" and return 0.
std::int32_t gflngFindFiles(
    const std::filesystem::path& root, std::string_view pattern, std::vector<std::filesystem::path>& files);

/// Deletes the file at path if it exists as a normal (not hidden or system)
/// file, clearing a read-only attribute first; does nothing for a missing file
/// or a folder. A deletion that fails goes to the error trap as "modUtility"/"gsKillFile".
void gsKillFile(const std::filesystem::path& path);

/// The text after the last path separator ('\\' and '/' on Windows, '/' elsewhere);
/// the whole text when there is none, "" when it ends in a separator.
std::string gfstrGetFileName(std::string_view path);

/// Whether a plain listing leaves the entry out: the hidden or system attribute
/// on Windows, a leading dot in its name elsewhere. Never throws.
bool isHiddenEntry(const std::filesystem::path& path);

/// gfstrGetFileName without its extension (the part before the last '.').
std::string gfstrGetFileTitle(std::string_view path);

/// Turns every line feed that does not follow a carriage return into CR LF.
std::string gfstrFixLineFeeds(std::string_view text);

/// Removes every carriage return.
std::string gfstrStripCR(std::string_view text);

/// Sorts strings in place: ascending or descending; by code unit (bytes of
/// UTF-8, which is code point order) or, with textCompare, ignoring the case
/// of ASCII letters. Equal strings may end in any order.
void gsSortStrings(std::vector<std::string>& strings, bool ascending, bool textCompare);

/// Whether name matches a wildcard pattern ('*' any run, '?' one character;
/// ASCII letters compared without case). Exposed for tests.
bool matchesFilePattern(std::string_view name, std::string_view pattern);

} // namespace varnick
