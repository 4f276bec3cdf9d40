#include "app/startup/StartupChecks.h"

#include "app/startup/GamePaths.h"
#include "app/startup/ThumbnailCache.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Folders.h"
#include "package/base/KelvoraBinding.h"
#include "package/base/Paths.h"

#include <charconv>
#include <cmath>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace varnick {

namespace {

const char* const kCrLf = "\r\n";

// A path resolved as far as it exists, so that links and "..", which the
// platform follows, cannot hide where a folder really is.
fs::path resolved(const fs::path& path)
{
    std::error_code error;
    fs::path result = fs::weakly_canonical(fs::absolute(path, error), error);
    if (error)
        result = fs::absolute(path, error).lexically_normal();
    return result;
}

bool sameComponent(const fs::path& a, const fs::path& b)
{
#ifdef _WIN32
    const std::wstring& x = a.native();
    const std::wstring& y = b.native();
    return CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(), static_cast<int>(y.size()), TRUE)
        == CSTR_EQUAL;
#else
    return a == b;
#endif
}

std::string shortestDecimal(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc())
        return "?";
    return std::string(buffer, end);
}

} // namespace

StartupChecks::Seams StartupChecks::programSeams()
{
    Seams seams;
    seams.findGamePaths = [] { gsGetSims2Paths(); };
    seams.libraryVersion = [] { return kelvoraVersion(); };
    seams.programFolder = [] { return programFolder(); };
    seams.scratchParent = [] { return besideProgramFolder(); };
    return seams;
}

StartupChecks::StartupChecks(Seams seams)
    : mSeams(std::move(seams))
{
}

std::string StartupChecks::obsoleteLibraryMessage(double version, const Phrasebook& words)
{
    return words.say("StartupChecks", VARNICK_TRANSLATE_NOOP("StartupChecks", "Kelvora DLL version obsolete!")) + kCrLf
        + kCrLf
        + words.say("StartupChecks", VARNICK_TRANSLATE_NOOP("StartupChecks", "DLL version found: %1"),
            { shortestDecimal(version) })
        + kCrLf
        + words.say("StartupChecks", VARNICK_TRANSLATE_NOOP("StartupChecks", "DLL version required: %1"), { "1.31" });
}

bool StartupChecks::isInsideFolder(const fs::path& folder, const fs::path& outer)
{
    if (folder.empty() || outer.empty())
        return false;
    const fs::path inner = resolved(folder);
    const fs::path container = resolved(outer);
    auto it = inner.begin();
    for (const fs::path& part : container) {
        // A trailing separator shows up as an empty last component.
        if (part.empty())
            continue;
        if (it == inner.end() || !sameComponent(*it, part))
            return false;
        ++it;
    }
    return true;
}

StartupChecks::Result StartupChecks::run(const Phrasebook& words)
{
    const auto fatal = [](std::string message) { return Result { Outcome::Fatal, std::move(message) }; };

    // A failure inside the path search has been reported by its own trap.
    const std::int32_t trappedBefore = errorContext().Number;
    errorContext().Number = 0;
    mSeams.findGamePaths();
    if (errorContext().Number != 0)
        return Result { Outcome::Trapped, {} };
    errorContext().Number = trappedBefore;

    const auto missing = [](std::string message) { return Result { Outcome::Fatal, std::move(message), true }; };
    if (gstrDocumentsPath == gstrPathNotFound)
        return missing(
            words.say("StartupChecks", VARNICK_TRANSLATE_NOOP("StartupChecks", "Can not find the documents folder!")));
    if (gstrSims2InstallPath == gstrPathNotFound)
        return missing(words.say(
            "StartupChecks", VARNICK_TRANSLATE_NOOP("StartupChecks", "Can not find the path to the Sims 2!")));
    if (gstrSims2DataPath == gstrPathNotFound)
        return missing(
            words.say("StartupChecks", VARNICK_TRANSLATE_NOOP("StartupChecks", "Can not find Sims 2 data path!")));
    if (isInsideFolder(mSeams.programFolder(), pathFromUtf8(gstrSims2DataPath)))
        return fatal(words.say("StartupChecks",
            VARNICK_TRANSLATE_NOOP("StartupChecks", "Program can not be run from the sims data folder!")));

    double version = 0;
    try {
        version = mSeams.libraryVersion();
    } catch (const Failure& failure) {
        if (failure.code() == ErrorCode::LibraryMissing)
            return fatal(words.say("StartupChecks", VARNICK_TRANSLATE_NOOP("StartupChecks", "Kelvora DLL not found!"))
                + kCrLf + kCrLf + say(words, failure.phrase()));
        return fatal(words.say("StartupChecks", VARNICK_TRANSLATE_NOOP("StartupChecks", "Kelvora DLL can not be used!"))
            + kCrLf + kCrLf + say(words, failure.phrase()));
    }
    // Written so that a library answering "not a number" is refused too.
    if (!(version >= kRequiredLibraryVersion))
        return fatal(obsoleteLibraryMessage(version, words));

    mTempFolder = mSeams.scratchParent() / "temp";
    std::error_code error;
    if (!fs::is_directory(mTempFolder, error)) {
        fs::create_directories(mTempFolder, error);
        if (error || !fs::is_directory(mTempFolder))
            return fatal(
                words.say("StartupChecks", VARNICK_TRANSLATE_NOOP("StartupChecks", "Can not create the temp folder!"))
                + kCrLf + kCrLf + pathToUtf8(mTempFolder) + (error ? kCrLf + error.message() : std::string()));
    }

    const fs::path cache = pathFromUtf8(gstrSims2DataPath) / "Thumbnails" / "ObjectThumbnails.package";
    if (!gsLoadObjectThumbnails(cache))
        return Result { Outcome::Trapped, {} };

    gsInitTypeIDs();
    return Result {};
}

} // namespace varnick
