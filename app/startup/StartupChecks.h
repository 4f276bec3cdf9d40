#pragma once

#include "app/platform/Phrasebook.h"

#include <filesystem>
#include <functional>
#include <string>

namespace varnick {

/// The start-up checks and preparations of the title window, apart from any
/// window: find the game's folders, refuse to run where the program cannot
/// work, check the support library, create the temp folder, read the object
/// thumbnail cache's index and fill the type table. The first failing check
/// decides the outcome; nothing after it runs.
class StartupChecks {
public:
    /// Everything the checks ask the outside world, replaceable by tests.
    struct Seams {
        std::function<void()> findGamePaths; ///< fills the three game path strings
        std::function<double()> libraryVersion; ///< support library version; throws Failure when it cannot load
        std::function<std::filesystem::path()> programFolder; ///< the folder holding the program file
        std::function<std::filesystem::path()> scratchParent; ///< where the temp folder goes
    };

    /// The real program's seams.
    static Seams programSeams();

    enum class Outcome {
        Passed, ///< every check passed; the program may go on
        Fatal, ///< a check failed: show message in a "Fatal Error" box and end
        Trapped, ///< a failure went to the error trap (whose handler normally ends the program)
    };

    struct Result {
        Outcome outcome = Outcome::Passed;
        std::string message; ///< the fatal message (UTF-8, lines joined by CR LF)
        /// The game's folders were not found: the player may name the data folder by hand and run the checks again.
        bool gameFolderMissing = false;
    };

    explicit StartupChecks(Seams seams = programSeams());

    /// Runs the checks in order and returns the first failure.
    Result run(const Phrasebook& words = englishPhrases());

    /// The support library version the program needs at least.
    static constexpr double kRequiredLibraryVersion = 1.31;

    /// The message for a support library older than required, e.g. for 1.3:
    /// "Kelvora DLL version obsolete!", "", "DLL version found: 1.3", "DLL version required: 1.31".
    static std::string obsoleteLibraryMessage(double version, const Phrasebook& words = englishPhrases());

    /// Whether folder lies inside (or is) outer, comparing whole path
    /// components after resolving links, case-insensitively on Windows.
    static bool isInsideFolder(const std::filesystem::path& folder, const std::filesystem::path& outer);

    /// The temp folder the last run created or found ("" before).
    const std::filesystem::path& tempFolder() const { return mTempFolder; }

private:
    Seams mSeams;
    std::filesystem::path mTempFolder;
};

} // namespace varnick
