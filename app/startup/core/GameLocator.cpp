#include "app/startup/core/GameLocator.h"

#include "app/startup/core/EditionFolders.h"
#include "app/startup/core/FolderNames.h"
#include "app/startup/core/GameFileError.h"
#include "app/startup/core/HomeFolderSearch.h"
#include "app/startup/core/InstallCollector.h"
#include "app/startup/core/RegistrySearch.h"
#include "app/startup/core/WinePrefixContext.h"
#include "package/base/Environment.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <system_error>
#include <tuple>

namespace fs = std::filesystem;

namespace varnick {

using locate::classicDataFolder;
using locate::containsNoCase;
using locate::equalsNoCase;
using locate::folderKey;
using locate::InstallCollector;
using locate::isFolder;
using locate::namedDataFolder;
using locate::nameOf;
using locate::namesOf;
using locate::normalFolder;
using locate::RegistryContext;
using locate::WinePrefixContext;

namespace {

// When the game last wrote below the data folder: it rewrites these at every start and exit.
fs::file_time_type lastUse(const fs::path& data)
{
    fs::file_time_type latest = fs::file_time_type::min();
    for (const char* name : { "", "Groups.cache", "Accessory.cache", "Thumbnails", "Neighborhoods", "Downloads",
             "Thumbnails/ObjectThumbnails.package" }) {
        std::error_code error;
        const fs::file_time_type time = fs::last_write_time(*name ? data / name : data, error);
        if (!error && time > latest)
            latest = time;
    }
    return latest;
}

void searchEnvironment(const GameSearchPlaces& places, const RegistryContext* machine, InstallCollector& out)
{
    const auto documentsText = places.environment("VARNICK_DOCUMENTS_DIR");
    const auto installText = places.environment("VARNICK_SIMS2_INSTALL_DIR");
    if (!documentsText && !installText)
        return;
    std::vector<fs::path> documents;
    if (documentsText) {
        documents.push_back(pathFromUtf8(*documentsText));
    } else if (machine != nullptr) {
        documents = machine->documentsFolders();
    } else if (places.homeFolders) {
        const auto prefix = places.environment("WINEPREFIX");
        documents
            = WinePrefixContext(prefix ? pathFromUtf8(*prefix) : places.home / ".wine", places.maxRegistryFileBytes)
                  .documentsFolders();
    }
    std::optional<fs::path> install;
    if (installText && isFolder(pathFromUtf8(*installText)))
        install = pathFromUtf8(*installText);
    for (const fs::path& folder : documents) {
        std::optional<fs::path> data = classicDataFolder(folder);
        if (!data) {
            std::vector<std::string> names = namesOf(kLegacyDataFolders);
            for (std::string_view name : kUltimateDataFolders)
                names.emplace_back(name);
            if (const auto named = namedDataFolder({ folder }, names); named && isFolder(named->folder))
                data = named->folder;
        }
        if (!data)
            continue;
        GameInstall found;
        found.edition = editionOfDataFolder(nameOf(*data));
        found.source = documentsText ? "VARNICK_DOCUMENTS_DIR" : "VARNICK_SIMS2_INSTALL_DIR";
        found.installFolder = install;
        found.dataFolder = *data;
        found.documents = folder;
        found.fromEnvironment = true;
        found.foundBy = FoundBy::EnvironmentVariable;
        out.add(std::move(found));
        return;
    }
}

void addRemembered(const GameSearchPlaces& places, InstallCollector& out)
{
    if (!places.remembered || !places.remembered->value || places.remembered->value->empty())
        return;
    fs::path folder;
    try {
        folder = checkedRememberedFolder(*places.remembered->value);
    } catch (const GameFileError& failure) {
        out.skipped().push_back(SkippedFile::because(places.remembered->store,
            Phrase(VARNICK_PHRASE("GameSearch", "the setting \"%1\" %2"),
                { std::string(kGameDataFolderSetting), failure.reason() })));
        return;
    }
    const std::string key = folderKey(folder);
    for (GameInstall& install : out.installs()) {
        if (folderKey(install.dataFolder) == key) {
            install.chosen = true;
            return;
        }
    }
    // A folder the player added by hand.
    GameInstall chosen;
    const fs::path normal = normalFolder(folder);
    chosen.edition
        = containsNoCase(pathToUtf8(normal), "/Aspyr/") ? GameEdition::Mac : editionOfDataFolder(nameOf(normal));
    chosen.source = "setting \"" + std::string(kGameDataFolderSetting) + "\""
        + (places.remembered->store.empty() ? std::string() : " (" + places.remembered->store + ")");
    chosen.dataFolder = normal;
    chosen.documents = equalsNoCase(nameOf(normal.parent_path()), "EA Games") ? normal.parent_path().parent_path()
                                                                              : normal.parent_path();
    chosen.chosen = true;
    chosen.foundBy = FoundBy::ChosenByPlayer;
    out.add(std::move(chosen));
}

} // namespace

GameSearchPlaces GameSearchPlaces::forThisMachine()
{
    GameSearchPlaces places;
    places.environment = [](const char* name) { return environmentText(name); };
#ifdef _WIN32
    places.machineRegistry = true;
    places.homeFolders = false;
#else
    if (const auto home = environmentText("HOME"))
        places.home = pathFromUtf8(*home);
    places.applicationFolders = { "/Applications" };
    if (!places.home.empty())
        places.applicationFolders.push_back(places.home / "Applications");
#endif
    try {
        places.remembered = rememberedGameFolder();
    } catch (const GameFileError& failure) {
        places.rememberedProblem = SkippedFile::because(pathToUtf8(settingsIniFile()), failure.reason());
    }
    return places;
}

GameSearch findGameInstalls(const GameSearchPlaces& places)
{
    InstallCollector out;
    if (places.rememberedProblem)
        out.skipped().push_back(*places.rememberedProblem);
    const std::unique_ptr<RegistryContext> machine
        = places.machineRegistry ? locate::machineRegistry() : std::unique_ptr<RegistryContext>();

    searchEnvironment(places, machine.get(), out);
    if (machine)
        locate::searchRegistry(*machine, out);
    if (places.homeFolders && !places.home.empty())
        locate::searchHomeFolders(places, out);
    addRemembered(places, out);

    GameSearch search;
    search.installs = std::move(out.installs());
    search.skipped = std::move(out.skipped());
    std::vector<std::pair<fs::file_time_type, std::size_t>> order;
    for (std::size_t i = 0; i < search.installs.size(); ++i)
        order.emplace_back(lastUse(search.installs[i].dataFolder), i);
    const auto rank = [&](const std::pair<fs::file_time_type, std::size_t>& entry) {
        const GameInstall& install = search.installs[entry.second];
        return std::make_tuple(!install.fromEnvironment, !install.chosen, !install.dataFolderExists);
    };
    std::stable_sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        return a.first > b.first;
    });
    std::vector<GameInstall> sorted;
    for (const auto& entry : order)
        sorted.push_back(std::move(search.installs[entry.second]));
    search.installs = std::move(sorted);
    return search;
}

std::vector<std::string> gameSearchOrder()
{
    return {
        "VARNICK_DOCUMENTS_DIR and VARNICK_SIMS2_INSTALL_DIR, when set (the classic search in that Documents folder)",
        "the data folder chosen last time (setting \"Game Data Folder\")",
        "Windows registry, then each Wine prefix's system.reg and user.reg, in this order:",
        "  HKCU\\Software\\Electronic Arts\\The Sims 2 Ultimate Collection 25: DisplayName, Sims2EP9.exe\\path "
        "(Legacy Collection)",
        "  HKLM\\SOFTWARE\\WOW6432Node\\Maxis\\The Sims 2 Legacy: Install Dir (Legacy Collection, EA app)",
        "  HKLM\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App 3314070: "
        "InstallLocation (Legacy Collection before its first start)",
        "  HKLM\\SOFTWARE\\WOW6432Node\\EA GAMES\\The Sims 2, then HKLM\\SOFTWARE\\EA GAMES\\The Sims 2: Install Dir, "
        "DisplayName (Ultimate Collection or classic)",
        "  HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Sims2EP9.exe (Ultimate Collection)",
        "  Documents\\EA Games: the classic search (\"The Sims 2\", \"Los Sims 2\", \"Die Sims 2\", \"Les Sims 2\", "
        "\"De Sims 2\", \"Os Sims 2\", then the first folder whose name holds \"Sims 2\"), then every folder with a "
        "known data folder name",
        "  (Documents: on Windows the Documents known folder, then Shell Folders\\Personal; in a prefix its "
        "Personal shell folder)",
        "Wine prefixes (Linux): $WINEPREFIX; steamapps/compatdata/3314070/pfx and steamapps/common/The Sims 2 "
        "Legacy Collection of every Steam library (~/.steam/steam, ~/.local/share/Steam, "
        "~/.var/app/com.valvesoftware.Steam/.local/share/Steam and the libraries their "
        "steamapps/libraryfolders.vdf lists); ~/.wine; Bottles ~/.local/share/bottles/bottles/* and "
        "~/.var/app/com.usebottles.bottles/data/bottles/bottles/*; Lutris ~/Games/*",
        "macOS: ~/Library/Containers/com.aspyr.sims2.appstore/Data/Library/Application Support/Aspyr/The Sims 2, "
        "~/Library/Application Support/Aspyr/The Sims 2",
    };
}

} // namespace varnick
