#pragma once

#include "package/base/ErrorTrap.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Shared file, path and string routines (module "modUtility") used by the
// browser, the editor and the recolor windows. Paths and texts are UTF-8.

namespace varnick {

/// A folder below a search's root that could not be listed, with the one-line reason.
struct UnlistedFolder {
    std::filesystem::path folder;
    std::string reason;
    Phrase phrase; ///< reason for a window to say in the player's language
};

/// Finds every file matching pattern ("*.package"; '*' and '?' wildcards, ASCII
/// letters compared without case) in root and all folders below it: the root's
/// files first, then each level of subfolders (breadth first), names sorted
/// within a folder. Hidden entries (and system entries on Windows) are skipped;
/// a folder reached twice through links is searched once. An empty root finds
/// nothing. Throws Failure (FolderFailed) when root cannot be listed, and when a
/// folder below it cannot be listed unless unlisted is given: that folder is then
/// added to unlisted and the search goes on without it.
std::vector<std::filesystem::path> findFiles(
    const std::filesystem::path& root, std::string_view pattern, std::vector<UnlistedFolder>* unlisted = nullptr);

/// Deletes the file at path if it exists as a normal (not hidden or system)
/// file, clearing a read-only attribute first; does nothing for a missing file
/// or a folder. Throws Failure (FileWriteFailed) when the deletion fails.
void killFile(const std::filesystem::path& path);

/// findFiles into files, trapped as "modUtility"/"gflngFindFiles": returns the
/// count, or 0 after a trapped failure (files then stays as it was). With an
/// empty root, returns 0 and leaves files untouched.
std::int32_t gflngFindFiles(
    const std::filesystem::path& root, std::string_view pattern, std::vector<std::filesystem::path>& files);

/// killFile, trapped as "modUtility"/"gsKillFile".
void gsKillFile(const std::filesystem::path& path);

/// One folder's entries as findFiles sees them: hidden entries left out, names
/// in a stable order (without case, then by code unit). Throws Failure (FolderFailed).
std::vector<std::filesystem::directory_entry> listFolderEntries(const std::filesystem::path& folder);

/// The failure of listing folder, for the system's reason systemText ("Permission denied").
Failure unlistableFolder(const std::filesystem::path& folder, const std::string& systemText);

/// What findFiles lists each folder with.
using FolderLister = std::function<std::vector<std::filesystem::directory_entry>(const std::filesystem::path&)>;

/// Replaces the folder lister of every later search (a folder that fails to
/// list, which permissions cannot stage for a root user); an empty function
/// restores listFolderEntries. Returns the lister it replaces.
FolderLister setFolderListerForTesting(FolderLister lister);

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
