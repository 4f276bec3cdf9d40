#pragma once

#include "package/base/Phrase.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnick {

/// The editions of the game, by how they install and name their folders.
enum class GameEdition {
    Legacy, ///< the Legacy Collection (Steam or the EA app): packs below one folder, data folder named by the game
    Ultimate, ///< the Ultimate Collection: packs in bundle folders, "The Sims™ 2 Ultimate Collection" data folder
    Classic, ///< the disc releases: one folder per pack, "The Sims 2" data folder or a localised name
    Mac, ///< the macOS release: the data folder below the user's Library
};

/// "legacy", "ultimate", "classic", "mac".
std::string_view editionName(GameEdition edition);

/// "Legacy Collection", "Ultimate Collection", "Classic", "macOS" (marked for
/// translation under "Editions"; the command line prints them as they stand).
std::string_view editionTitle(GameEdition edition);

/// How the search came upon an installation.
enum class FoundBy {
    WindowsRegistry, ///< a key of this computer's registry
    WineRegistry, ///< a key of the registry of a Wine (or Proton) prefix
    DocumentsFolder, ///< a known data folder name in a Documents folder
    SteamLibrary, ///< the game in a Steam library
    ApplicationSupport, ///< the macOS release's folder in the user's Library
    EnvironmentVariable, ///< VARNICK_DOCUMENTS_DIR or VARNICK_SIMS2_INSTALL_DIR
    ChosenByPlayer, ///< the data folder the player added by hand
};

/// "Windows registry", "Steam library", "Chosen by you"...: how the windows
/// name foundBy, marked for translation under "FoundBy".
std::string_view foundByTitle(FoundBy foundBy);

/// One installation of the game as the search found it.
struct GameInstall {
    GameEdition edition = GameEdition::Classic;
    FoundBy foundBy = FoundBy::DocumentsFolder;
    std::string source; ///< where it was found: a registry key, a file or a folder
    std::optional<std::filesystem::path> installFolder; ///< the game's own folder; nullopt when none was named
    std::filesystem::path dataFolder; ///< the per-user data folder
    std::filesystem::path downloads; ///< the data folder's Downloads folder
    std::optional<std::string> displayName; ///< the name the installer registered
    std::filesystem::path documents; ///< the Documents folder holding the data folder ("" when none)
    bool dataFolderExists = false; ///< false for a game installed but never started
    bool fromEnvironment = false; ///< named by VARNICK_DOCUMENTS_DIR or VARNICK_SIMS2_INSTALL_DIR
    bool chosen = false; ///< the data folder the player chose last time
};

/// A file the search could not use, and why.
struct SkippedFile {
    std::string file;
    std::string reason; ///< in English, as the command line prints it
    /// The reason for a window to say in the player's language (absent: reason as it is).
    std::optional<Phrase> phrase {};

    /// A file passed over for the reason why.
    static SkippedFile because(std::string file, Phrase why)
    {
        std::string english = why.english();
        return SkippedFile { std::move(file), std::move(english), std::move(why) };
    }
};

/// What a search found: the installations in the order the program chooses
/// from (the environment's first, then the one chosen last time, then the
/// most recently used data folder), and the files it skipped.
struct GameSearch {
    std::vector<GameInstall> installs;
    std::vector<SkippedFile> skipped;
};

} // namespace varnick
