#pragma once
// What the delete and move window does with an object and its recolors,
// without widgets: the finder's results in the window's order, the two
// deletes and the checked move, and the texts the window and the command line
// print. Nothing here overwrites a file or deletes one that was not chosen.

#include "app/recolors/core/FileMoves.h"
#include "app/recolors/core/RecolorSearch.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace varnick::recolors {

/// An object's package with the recolors the finder found for it.
struct ObjectWithRecolors {
    std::filesystem::path Object;
    std::vector<std::filesystem::path> Recolors; ///< ascending by full path, compared by code unit
    std::vector<SkippedFile> Skipped; ///< packages that could not be examined
    bool Cancelled = false;
};

/// The object's GUID from its chosen definition; throws Failure ("The GUID of
/// object was not found.") when the package has none or cannot be read.
std::int32_t objectGuid(const std::filesystem::path& objectFile);

/// Runs the finder for guid under root and returns its results in the window's order.
ObjectWithRecolors findObjectRecolors(const std::filesystem::path& root, const std::filesystem::path& objectFile,
    std::int32_t guid, const RecolorProgress& progress = {}, const std::atomic<bool>* cancel = nullptr);

/// What a delete did: the files gone and those left in place (with the reason).
struct DeleteOutcome {
    std::vector<std::filesystem::path> Removed;
    std::vector<SkippedFile> Kept;
    bool ok() const { return Kept.empty(); }
};

/// Removes each file with remove (the trash, or outright); a file already gone counts as removed.
DeleteOutcome removeEach(const std::vector<std::filesystem::path>& files, const RemoveFunction& remove);

/// The object first, then every recolor: what "Delete Object And All Recolors" and the move take.
std::vector<std::filesystem::path> objectAndRecolors(const ObjectWithRecolors& set);

/// What a move did: refused (same place or clashes, nothing touched) or the files moved.
struct MoveOutcome {
    MoveCheck Check;
    std::vector<std::filesystem::path> Moved; ///< the sources, in the order moved
    std::string Failure; ///< one line when a file could not be moved (those before it stay moved)
};

/// Checks the whole move, then moves the object and every recolor into destination.
MoveOutcome moveObjectAndRecolors(
    const ObjectWithRecolors& set, const std::filesystem::path& destination, const RenameFunction& rename = {});

/// "N files were moved to:" CR LF destination.
std::string movedMessage(std::int32_t count, const std::string& destination);

/// The message for a refused move: the same-place text, or the clashing files one a line.
std::string refusedMoveMessage(const MoveCheck& check);

/// How many packages could not be read, as one sentence ("" when none).
std::string unreadableMessage(std::size_t count);

} // namespace varnick::recolors
