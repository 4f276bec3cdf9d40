#pragma once

#include "app/startup/core/GameInstall.h"
#include "app/startup/core/RememberedGame.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Finding every installation of the game on this machine, whatever its
// edition or store: the Windows registry and Documents folder, the Wine
// prefixes of Steam, Lutris, Bottles and plain Wine, and the macOS folders.
// Qt-free: the windows and varnick-cli share it.

namespace varnick {

/// The Legacy Collection's Steam app number.
inline constexpr std::string_view kLegacySteamApp = "3314070";

/// Data folder names of the Legacy Collection by language (the game names the
/// folder by its registered DisplayName; these are the names it is known to use).
inline constexpr std::array<std::string_view, 6> kLegacyDataFolders = {
    "The Sims 2 Legacy",
    "Los Sims 2 Legado",
    "Die Sims 2 Vermächtnis",
    "Les Sims 2 Héritage",
    "Os Sims 2 Legado",
    "De Sims 2 Erfenis",
};

/// Data folder names of the Ultimate Collection (some players removed the ™).
inline constexpr std::array<std::string_view, 2> kUltimateDataFolders = {
    "The Sims™ 2 Ultimate Collection",
    "The Sims 2 Ultimate Collection",
};

/// What the search looks at; forThisMachine() describes the running machine,
/// tests a fixture home.
struct GameSearchPlaces {
    /// Environment variables (VARNICK_DOCUMENTS_DIR, VARNICK_SIMS2_INSTALL_DIR, WINEPREFIX).
    std::function<std::optional<std::string>(const char* name)> environment;
    /// The user's home folder ("" for none): Steam, Bottles, Lutris, ~/.wine and the macOS folders are below it.
    std::filesystem::path home;
    /// Where macOS application bundles are looked for.
    std::vector<std::filesystem::path> applicationFolders;
    /// Whether to read this Windows machine's registry and known folders.
    bool machineRegistry = false;
    /// Whether to look for Wine prefixes, Steam libraries and the macOS folders.
    bool homeFolders = true;
    /// What the settings store holds for the folder chosen last time; nullopt for nothing.
    std::optional<RememberedFolder> remembered;
    /// Why the settings store could not be read, when it could not.
    std::optional<SkippedFile> rememberedProblem;
    /// The largest registry file read.
    std::uintmax_t maxRegistryFileBytes = 128ull * 1024 * 1024;

    /// The running machine: its environment, home, registry (on Windows) and
    /// the remembered choice (through rememberedGameFolder(); a store that
    /// cannot be read is reported among the skipped files).
    static GameSearchPlaces forThisMachine();
};

/// Searches every source in order (see gameSearchOrder()) and returns the
/// installations found, each data folder once, in the order the program
/// chooses from, with the files skipped. Never throws for what it reads:
/// damaged files are skipped with their reason.
GameSearch findGameInstalls(const GameSearchPlaces& places);

/// The sources in the order they are searched, one line each, for help texts.
std::vector<std::string> gameSearchOrder();

/// The edition a data folder's name belongs to: a Legacy or Ultimate
/// Collection name, else Classic.
GameEdition editionOfDataFolder(std::string_view folderName);

/// Whether folder looks like a game data folder: it holds a Downloads,
/// Neighborhoods or Thumbnails folder, or a Groups.cache file.
bool looksLikeGameDataFolder(const std::filesystem::path& folder);

/// The Downloads folder of a data folder (a differently cased one where it exists).
std::filesystem::path downloadsFolderOf(const std::filesystem::path& dataFolder);

} // namespace varnick
