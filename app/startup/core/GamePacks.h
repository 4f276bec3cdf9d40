#pragma once

#include <filesystem>
#include <vector>

// The game's own object packages, one per pack: the objects the game defines
// itself, which downloads may override or recolor.

namespace varnick {

/// The object package ("TSData/Res/Objects/objects.package", names matched
/// without ASCII case) of every pack of the installation in installFolder: the
/// folder itself and the folders one and two levels below it (the Legacy
/// Collection's Base, EP1..., SP1...; the Ultimate Collection's
/// "Double Deluxe/Base", "Fun with Pets/SP9", ...) and, where installFolder is
/// itself a pack (a classic base game), the packs beside it whose folder name
/// holds "Sims 2". Sorted by path; empty when there is none. Never throws.
std::vector<std::filesystem::path> gameObjectPackages(const std::filesystem::path& installFolder);

} // namespace varnick
