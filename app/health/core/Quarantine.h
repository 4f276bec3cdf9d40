#pragma once
// Moving packages out of the game's reach without deleting them: each moved
// file goes to a quarantine folder in the per-user data folder, keeping its
// path below the search root, and can be moved back. Qt-free.

#include <filesystem>

namespace varnick::health {

/// One file moved to quarantine: where it was and where it is now.
struct QuarantineMove {
    std::filesystem::path Original;
    std::filesystem::path Quarantined;
};

/// The quarantine folder in the per-user data folder ("Quarantine").
std::filesystem::path defaultQuarantineFolder();

/// Moves file (below root) to quarantineFolder, keeping its relative path; a
/// name already taken there gets " (2)", " (3)"... before its extension.
/// Throws Failure when the file cannot be moved; it is then where it was.
QuarantineMove quarantineFile(const std::filesystem::path& file, const std::filesystem::path& root,
    const std::filesystem::path& quarantineFolder);

/// Moves a quarantined file back. Throws Failure (and moves nothing) when a
/// file of that name has appeared at the original place, or the move fails.
void undoQuarantine(const QuarantineMove& move);

} // namespace varnick::health
