#include "app/startup/core/HomeFolderSearch.h"

#include "app/startup/core/EditionFolders.h"
#include "app/startup/core/FolderNames.h"
#include "app/startup/core/GameFileError.h"
#include "app/startup/core/InstallCollector.h"
#include "app/startup/core/RegistrySearch.h"
#include "app/startup/core/SteamKeyValues.h"
#include "app/startup/core/WinePrefixContext.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace varnick::locate {

namespace {

// The folder Steam installs the Legacy Collection into where its manifest names none.
constexpr std::string_view kLegacyInstallFolder = "The Sims 2 Legacy Collection";

struct SteamLibrary {
    fs::path folder;
    std::string listedIn; ///< the libraryfolders.vdf naming it, or "" for a Steam folder itself
};

std::vector<SteamLibrary> steamLibraries(const fs::path& home, InstallCollector& out)
{
    const fs::path roots[] = {
        home / ".steam" / "steam",
        home / ".local" / "share" / "Steam",
        home / ".var" / "app" / "com.valvesoftware.Steam" / ".local" / "share" / "Steam",
    };
    std::vector<SteamLibrary> libraries;
    std::vector<std::string> seen;
    const auto addLibrary = [&](const fs::path& folder, std::string listedIn) {
        if (!isFolder(folder))
            return;
        const std::string key = folderKey(folder);
        if (std::find(seen.begin(), seen.end(), key) != seen.end())
            return;
        seen.push_back(key);
        libraries.push_back(SteamLibrary { normalFolder(folder), std::move(listedIn) });
    };
    for (const fs::path& root : roots) {
        if (!isFolder(root) || std::find(seen.begin(), seen.end(), folderKey(root)) != seen.end())
            continue;
        addLibrary(root, {});
        const fs::path list = root / "steamapps" / "libraryfolders.vdf";
        std::error_code error;
        if (!fs::exists(list, error))
            continue;
        try {
            for (const fs::path& folder : steam::libraryFolders(readGameFile(list, steam::kMaxKeyValueFileBytes)))
                addLibrary(folder, pathToUtf8(list));
        } catch (const GameFileError& failure) {
            out.skipped().push_back(SkippedFile::because(pathToUtf8(list), failure.reason()));
        }
    }
    return libraries;
}

// The Legacy Collection in one Steam library: its Proton prefix (the game's
// registry and data folder) and its install folder.
void searchSteamLibrary(const SteamLibrary& library, const GameSearchPlaces& places, std::vector<std::string>& prefixes,
    InstallCollector& out)
{
    const fs::path steamapps = library.folder / "steamapps";
    const fs::path manifest = steamapps / ("appmanifest_" + std::string(kLegacySteamApp) + ".acf");
    std::string folderName(kLegacyInstallFolder);
    std::error_code error;
    if (fs::exists(manifest, error)) {
        try {
            if (const auto named = steam::manifestInstallFolder(readGameFile(manifest, steam::kMaxKeyValueFileBytes));
                named && named->find_first_of("/\\") == std::string::npos && *named != ".." && *named != ".")
                folderName = *named;
        } catch (const GameFileError& failure) {
            out.skipped().push_back(SkippedFile::because(pathToUtf8(manifest), failure.reason()));
        }
    }
    const fs::path common = steamapps / "common" / pathFromUtf8(folderName);
    const std::optional<fs::path> install = isFolder(common) ? std::optional(common) : std::nullopt;
    const fs::path prefix = steamapps / "compatdata" / pathFromUtf8(kLegacySteamApp) / "pfx";
    std::string source = pathToUtf8(isFolder(common) ? common : prefix);
    if (!library.listedIn.empty())
        source += " (listed in " + library.listedIn + ")";

    if (!WinePrefixContext::isPrefix(prefix)) {
        // Installed but never started: Proton makes the prefix, and the game its data folder, at the first start.
        if (install) {
            const fs::path documents = prefix / "drive_c" / "users" / "steamuser" / "Documents";
            out.add(GameEdition::Legacy, FoundBy::SteamLibrary, source, install,
                DataFolder { documents / "EA Games" / pathFromUtf8(kLegacyDataFolders.front()), documents },
                std::nullopt);
        }
        return;
    }
    prefixes.push_back(folderKey(prefix));
    const WinePrefixContext context(prefix, places.maxRegistryFileBytes);
    searchRegistry(context, out);
    const std::vector<fs::path> documents = context.documentsFolders();
    const auto displayName = textOf(context.userValue(kLegacyUserKey, "DisplayName"));
    const auto data
        = namedDataFolder(documents, displayName ? std::vector { *displayName } : namesOf(kLegacyDataFolders));
    if (data && (install || isFolder(data->folder)))
        out.add(GameEdition::Legacy, FoundBy::SteamLibrary, source, install, *data, displayName);
}

void searchPrefix(
    const fs::path& prefix, const GameSearchPlaces& places, std::vector<std::string>& prefixes, InstallCollector& out)
{
    if (!WinePrefixContext::isPrefix(prefix))
        return;
    const std::string key = folderKey(prefix);
    if (std::find(prefixes.begin(), prefixes.end(), key) != prefixes.end())
        return;
    prefixes.push_back(key);
    searchRegistry(WinePrefixContext(prefix, places.maxRegistryFileBytes), out);
}

void searchMac(const GameSearchPlaces& places, InstallCollector& out)
{
    const fs::path home = places.home;
    const fs::path folders[] = {
        home / "Library" / "Containers" / "com.aspyr.sims2.appstore" / "Data" / "Library" / "Application Support"
            / "Aspyr" / "The Sims 2",
        home / "Library" / "Application Support" / "Aspyr" / "The Sims 2",
    };
    std::optional<fs::path> bundle;
    for (const fs::path& applications : places.applicationFolders) {
        for (const fs::path& candidate : subfolders(applications)) {
            const std::string name = nameOf(candidate);
            if (!bundle && containsNoCase(name, "Sims 2") && equalsNoCase(pathToUtf8(candidate.extension()), ".app"))
                bundle = candidate;
        }
    }
    for (const fs::path& data : folders) {
        if (isFolder(data))
            out.add(GameEdition::Mac, FoundBy::ApplicationSupport, pathToUtf8(data), bundle,
                DataFolder { data, home / "Documents" }, std::nullopt);
    }
}

} // namespace

void searchHomeFolders(const GameSearchPlaces& places, InstallCollector& out)
{
    std::vector<std::string> prefixes;
    if (const auto prefix = places.environment("WINEPREFIX"))
        searchPrefix(pathFromUtf8(*prefix), places, prefixes, out);
    for (const SteamLibrary& library : steamLibraries(places.home, out))
        searchSteamLibrary(library, places, prefixes, out);
    searchPrefix(places.home / ".wine", places, prefixes, out);
    for (const fs::path& bottles : { places.home / ".local" / "share" / "bottles" / "bottles",
             places.home / ".var" / "app" / "com.usebottles.bottles" / "data" / "bottles" / "bottles" }) {
        for (const fs::path& prefix : subfolders(bottles))
            searchPrefix(prefix, places, prefixes, out);
    }
    for (const fs::path& prefix : subfolders(places.home / "Games"))
        searchPrefix(prefix, places, prefixes, out);
    searchMac(places, out);
}

} // namespace varnick::locate
