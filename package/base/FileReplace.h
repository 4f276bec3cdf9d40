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

/// A scratch file name beside target, unique within this process: "<name>.<pid>-<n>.tmp".
std::filesystem::path scratchPathBeside(const std::filesystem::path& target);

/// Test seam: while set, every rename of replaceFileAtomically fails.
void failRenameForTesting(bool fail);

} // namespace varnick
