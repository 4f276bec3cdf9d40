#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Where each edition keeps its folders: the install folder above a program
// path a key names, and the data folder below the Documents folders.

namespace varnick::locate {

/// A data folder where it was found, or where the game would make it.
struct DataFolder {
    std::filesystem::path folder;
    std::filesystem::path documents; ///< the Documents folder holding it
};

/// The folder holding the packs of a program path
/// ("...\The Sims 2 Legacy Collection\EP9\TSBin\Sims2EP9.exe" -> "...\The Sims 2 Legacy Collection").
std::filesystem::path packsRoot(std::filesystem::path path);

/// The Ultimate Collection's own folder: the one named so, or the one above
/// its bundle folders ("Double Deluxe\Base", "Fun with Pets\SP9\TSBin").
std::filesystem::path ultimateRoot(const std::filesystem::path& path);

/// Whether an install folder (or the name it registered) is the Ultimate Collection's.
bool looksUltimate(const std::filesystem::path& install, const std::optional<std::string>& displayName);

/// The first of names that exists below one of the Documents folders' "EA Games", else the first name below the
/// first Documents folder (a game not yet started makes it there); nullopt without folders or names.
std::optional<DataFolder> namedDataFolder(
    const std::vector<std::filesystem::path>& documents, const std::vector<std::string>& names);

/// The classic search in one Documents folder: the six names in their order,
/// then the first folder (by name) whose name holds "Sims 2" and is no other
/// edition's; nullopt when none exists.
std::optional<std::filesystem::path> classicDataFolder(const std::filesystem::path& documents);

/// A table of names as the list namedDataFolder takes.
std::vector<std::string> namesOf(auto const& table)
{
    return std::vector<std::string>(table.begin(), table.end());
}

} // namespace varnick::locate
