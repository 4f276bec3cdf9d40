#pragma once

// Putting a finished file in place of another in one step, so that a failure
// at any point leaves the target as it was.

#include <filesystem>

namespace varnick {

/// Flushes scratch to disk and renames it over target (creating target when it
/// does not exist). When the two lie on different volumes, scratch is first
/// copied beside target and that copy is renamed. Afterwards scratch is gone.
/// Throws Failure(FileReplaceFailed) on failure; target is then unchanged and
/// scratch still exists.
void replaceFileAtomically(const std::filesystem::path& scratch, const std::filesystem::path& target);

/// Flushes file's bytes to disk (not necessarily its name: flush its folder
/// for that). Throws Failure(FileWriteFailed).
void flushFileDataToDisk(const std::filesystem::path& file);

/// Makes the names last created, renamed or removed in folder durable. Never
/// throws (a folder that cannot be flushed is not an error); nothing on Windows,
/// whose renames are durable when they return.
void flushFolderToDisk(const std::filesystem::path& folder);

/// Flushes everything written to the volume holding folder, in one step where
/// the system can (Linux). Returns false where it cannot, or when the flush
/// failed: the caller then flushes file by file, which reports the failure.
bool flushVolumeToDisk(const std::filesystem::path& folder);

/// A scratch file name beside target, unique within this process and the only
/// shape of scratch name the program makes: "<name>.varnick-<pid>-<n>.tmp".
std::filesystem::path scratchPathBeside(const std::filesystem::path& target);

/// Whether fileName (a bare name or a path, only its last part counts) has the
/// shape scratchPathBeside gives: a leftover of an interrupted write when no
/// running process of ours is writing it.
bool isScratchFileName(const std::filesystem::path& fileName);

/// Test seam: while set, every rename of replaceFileAtomically fails.
void failRenameForTesting(bool fail);

/// Test seam: while set, flushing the finished file to disk fails (a failing
/// device), so replaceFileAtomically throws before it renames anything.
void failFlushForTesting(bool fail);

} // namespace varnick
