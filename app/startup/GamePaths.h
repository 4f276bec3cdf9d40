#pragma once

#include "app/platform/Registry.h"
#include "app/startup/core/GameInstall.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Where the game is installed, where the user's documents are, and which
// folder below them holds the game's per-user data (module "modSims2General").
// The three paths are UTF-8 and found once at start-up; the marker "ERROR"
// stands for a path that was not found and is compared exactly.

namespace varnick {

/// The marker for a path that was not found.
inline constexpr std::string_view gstrPathNotFound = "ERROR";

/// The base game's install folder in long-name form; "" when the registry
/// names a folder that does not exist.
extern std::string gstrSims2InstallPath;
/// The user's documents folder as the registry gives it (translated to a host
/// path where the game runs under Wine).
extern std::string gstrDocumentsPath;
/// The game's per-user data folder: gstrDocumentsPath, "EA Games", then the folder's name.
extern std::string gstrSims2DataPath;

/// The registry key and value that name the install folder and the documents folder.
inline constexpr std::string_view gstrInstallKey = "SOFTWARE\\EA GAMES\\The Sims 2";
inline constexpr std::string_view gstrInstallValue = "Install Dir";
inline constexpr std::string_view gstrDocumentsKey
    = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr std::string_view gstrDocumentsValue = "Personal";

/// The data folder names tried in this order (English, Spanish, German, French, Dutch, Portuguese).
inline constexpr std::array<std::string_view, 6> gstrDataFolderCandidates = {
    "The Sims 2",
    "Los Sims 2",
    "Die Sims 2",
    "Les Sims 2",
    "De Sims 2",
    "Os Sims 2",
};

/// Fills the three paths from the first installation findGameInstalls()
/// lists for this machine (the environment's VARNICK_DOCUMENTS_DIR and
/// VARNICK_SIMS2_INSTALL_DIR first, then the one chosen last time, then the
/// most recently used). When it finds none, the classic search (registry or
/// environment, then gsFindSims2DataPath) fills them, "ERROR" marking what is
/// missing. Failures other than a missing value (a folder that cannot be
/// listed) go to the error trap as "modSims2General"/"gsGetSims2Paths".
void gsGetSims2Paths();

/// Sets the three paths to those of install: its install folder ("" when it
/// names none), its Documents folder, and its data folder ("ERROR" when the
/// game was never started there and the folder does not exist yet).
void gsUseGameInstall(const GameInstall& install);

/// Fills gstrSims2DataPath from gstrDocumentsPath: the first of the candidate
/// folders that exists, else the first folder in "EA Games" whose name contains
/// "Sims 2" (case-sensitive), else "ERROR". Throws Failure when "EA Games"
/// exists but cannot be listed.
void gsFindSims2DataPath();

/// The text of a registry value, or "ERROR" when the key or value is missing
/// or not text. lngBufferSize is the first buffer size tried in characters
/// (0 means 255); a longer value is still read whole. On return it holds the
/// size the registry reported, in characters with the closing NUL.
std::string gfstrGetRegistryValue(
    RegistryRoot root, std::string_view keyPath, std::string_view valueName, std::int32_t& lngBufferSize);

/// The long-name form of an existing file or folder path of any length, or ""
/// when it cannot be resolved. A Windows path from a Wine prefix's registry is
/// first translated to a host path.
std::string gfstrGetLongPath(std::string_view path);

} // namespace varnick
