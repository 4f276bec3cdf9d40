#pragma once

// Removing the scratch files a killed run left behind. A write interrupted
// between creating its scratch file and renaming it into place leaves the
// target whole but the scratch file on disk; nothing else would ever remove
// it, so each process clears the folders it writes before it writes them.
//
// Only files with the scratch name shape are touched, and only those whose
// writer (the process id in the name) is no longer running, or that carry this
// process's id but are older than it (an earlier process that had the id): a
// scratch file another running copy of the program is still writing, or one
// this process made, is left alone.

#include <cstddef>
#include <filesystem>

namespace varnick {

/// Removes the stale scratch files in folder (and in its subfolders when
/// recursive; links to folders are not followed). Returns how many went.
/// Never throws: a folder that cannot be read, or a file that cannot be
/// removed, is skipped.
std::size_t removeStaleScratchFiles(const std::filesystem::path& folder, bool recursive = false);

/// removeStaleScratchFiles(folder) the first time this process asks for
/// folder; nothing afterwards. Called before every write into a folder, so
/// it must stay cheap. Thread-safe; never throws.
void sweepFolderBeforeWrite(const std::filesystem::path& folder);

/// Whether the scratch file at path is a leftover: its name has the scratch
/// shape and the process that made it is gone (under this process's own id:
/// the file is older than this process).
bool isStaleScratchFile(const std::filesystem::path& path);

} // namespace varnick
