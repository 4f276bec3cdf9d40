#pragma once
// Deleting and moving an object's package with its recolors, without widgets.
// Nothing is overwritten: a move is checked whole before any file is touched.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

namespace varnick::recolors {

/// Renames from to to; reports failure (EXDEV across volumes) through ec.
using RenameFunction
    = std::function<void(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& ec)>;

/// Removes one file; true when it is gone (or was never there).
using RemoveFunction = std::function<bool(const std::filesystem::path& file)>;

/// The outcome of checking a move before it starts.
struct MoveCheck {
    bool samePlace = false; ///< the destination is the object's own folder
    std::vector<std::filesystem::path> clashes; ///< destination names already taken or taken twice
    bool destinationMissing = false; ///< the destination is not an existing folder
    bool ok() const { return !samePlace && !destinationMissing && clashes.empty(); }
};

/// Whether two folders are the same folder as the file system sees them
/// (letter case on Windows, trailing separators, links).
bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

/// Checks moving files (object first) into destination.
MoveCheck checkMove(const std::vector<std::filesystem::path>& files, const std::filesystem::path& destination);

/// Moves one file to to, which must not exist yet (its folder must): renamed
/// when possible (rename, default std::filesystem::rename), otherwise copied
/// through a scratch file beside to, flushed to disk and put in place, compared
/// byte for byte with from, and only then is from removed. Throws Failure when
/// the file cannot be moved; from is then where it was, and no copy is left
/// unless from could not be removed after a good copy (the message says so).
void moveFileChecked(
    const std::filesystem::path& from, const std::filesystem::path& to, const RenameFunction& rename = {});

/// Moves each file into destination under its own name (moveFileChecked). Call
/// after checkMove().ok(). Returns the number moved; throws Failure on the first
/// file that cannot be moved (files moved before it stay moved; none is lost).
std::int32_t moveFiles(const std::vector<std::filesystem::path>& files, const std::filesystem::path& destination,
    const RenameFunction& rename = {});

/// Removes each file with remove; returns how many are gone. Missing files count as gone.
std::int32_t deleteFiles(const std::vector<std::filesystem::path>& files, const RemoveFunction& remove);

/// Whether this platform offers a trash the files can go to without Qt.
bool platformHasTrash();

/// Moves one file to the desktop's trash (freedesktop Trash on Linux and
/// similar, the Recycle Bin on Windows). False when it could not.
bool moveToPlatformTrash(const std::filesystem::path& file);

/// Removes one file for good (std::filesystem::remove).
bool removeOutright(const std::filesystem::path& file);

} // namespace varnick::recolors
