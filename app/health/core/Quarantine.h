#pragma once
// Moving packages out of the game's reach without deleting them: each moved
// file goes to a quarantine folder in the per-user data folder, keeping its
// path below the search root, and can be moved back. Qt-free; the Library
// Health window and varnick-cli's "quarantine" share it.

#include "app/recolors/core/FileMoves.h"
#include "package/base/Phrase.h"

#include <filesystem>
#include <string>
#include <vector>

namespace varnick::health {

/// One file moved to quarantine: where it was and where it is now.
struct QuarantineMove {
    std::filesystem::path original;
    std::filesystem::path quarantined;
};

/// A file that could not be moved, and why; it is where it was.
struct QuarantineFailure {
    std::filesystem::path file;
    std::string reason; ///< in English
    Phrase phrase {}; ///< reason, for a window to say in the player's language
};

/// What became of the files of one quarantineFiles call, each in the order given.
struct QuarantineResult {
    std::vector<QuarantineMove> moved;
    std::vector<QuarantineFailure> failed;
};

/// The quarantine folder in the per-user data folder ("Quarantine").
std::filesystem::path defaultQuarantineFolder();

/// Moves file (below root) to quarantineFolder, keeping its relative path; a
/// name already taken there gets " (2)", " (3)"... before its extension. The
/// move is the object moves' checked one (recolors::moveFileChecked; rename is
/// its seam). Throws Failure when the file cannot be moved; it is then where it was.
QuarantineMove quarantineFile(const std::filesystem::path& file, const std::filesystem::path& root,
    const std::filesystem::path& quarantineFolder, const recolors::RenameFunction& rename = {});

/// Moves every file as quarantineFile does; one that cannot be moved does not
/// stop the others. Never throws for a file.
QuarantineResult quarantineFiles(const std::vector<std::filesystem::path>& files, const std::filesystem::path& root,
    const std::filesystem::path& quarantineFolder, const recolors::RenameFunction& rename = {});

/// Moves a quarantined file back. Throws Failure (and moves nothing) when a
/// file of that name has appeared at the original place, or the move fails.
void undoQuarantine(const QuarantineMove& move, const recolors::RenameFunction& rename = {});

} // namespace varnick::health
