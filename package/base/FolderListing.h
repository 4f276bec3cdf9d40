#pragma once

// One folder's entries, read the same way on every platform. On Windows the
// standard library's folder iterator cannot open a folder whose path passes
// MAX_PATH (and with some runtimes silently lists the current folder instead),
// so there the listing goes through the system's own calls on the path's
// extended-length form.

#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

namespace varnick {

struct FolderEntry {
    enum class Kind { File, Folder, Other };
    std::filesystem::path path; ///< the folder's path joined with the entry's name, as given (no extended prefix)
    Kind kind = Kind::Other; ///< what the entry is; a link is the kind of what it points to where that is known
    bool isLink = false; ///< a symbolic link (on Windows also a junction)
    bool isHidden = false; ///< Windows: the hidden or system attribute; elsewhere a name starting with "."
};

/// The entries of folder (not "." and ".."), in the file system's order.
/// Returns false with error set when the folder cannot be listed; entries then
/// holds what was read before the failure. Never throws beyond allocation.
bool listFolder(const std::filesystem::path& folder, std::vector<FolderEntry>& entries, std::error_code& error);

/// Called with each folder's entries after listFolder read them, so that tests
/// can present names a file system at hand cannot hold (Wine refuses a lone
/// surrogate in a name; NTFS keeps it). Pass {} to remove. Returns the previous hook.
using FolderListingHook = std::function<void(const std::filesystem::path& folder, std::vector<FolderEntry>& entries)>;
FolderListingHook setFolderListingHookForTesting(FolderListingHook hook);

/// Calls visit for every entry below root, breadth first, without following
/// links to folders. A subfolder that cannot be listed costs only its own
/// entries; returns false with error set when root itself cannot be listed.
/// Throws only what visit throws (and on allocation failure).
bool walkFolderTree(
    const std::filesystem::path& root, const std::function<void(const FolderEntry&)>& visit, std::error_code& error);

} // namespace varnick
