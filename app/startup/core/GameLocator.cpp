#include "app/startup/core/GameLocator.h"

#include "app/startup/GamePaths.h"
#include "app/startup/core/GameFileError.h"
#include "app/startup/core/RegistryContext.h"
#include "app/startup/core/SteamKeyValues.h"
#include "app/startup/core/WinePrefixContext.h"
#include "package/base/Environment.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace varnick {

using locate::FoundValue;
using locate::RegistryContext;
using locate::RegistryView;
using locate::WinePrefixContext;

namespace {

// The keys the editions write (the registry's own spelling; "SOFTWARE\X" of a
// 32-bit installer is "SOFTWARE\WOW6432Node\X" on 64-bit Windows).
constexpr std::string_view kLegacyUserKey = "Software\\Electronic Arts\\The Sims 2 Ultimate Collection 25";
constexpr std::string_view kLegacyProgramKey
    = "Software\\Electronic Arts\\The Sims 2 Ultimate Collection 25\\Sims2EP9.exe";
constexpr std::string_view kEaAppKey = "SOFTWARE\\Maxis\\The Sims 2 Legacy";
constexpr std::string_view kSteamUninstallKey
    = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App 3314070";
constexpr std::string_view kAppPathsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Sims2EP9.exe";
constexpr std::string_view kLegacyInstallFolder = "The Sims 2 Legacy Collection";

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = asciiLower(c);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && lower(a) == lower(b);
}

bool containsNoCase(std::string_view text, std::string_view part)
{
    return lower(text).find(lower(part)) != std::string::npos;
}

bool isFolder(const fs::path& path)
{
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

std::string nameOf(const fs::path& path)
{
    return pathToUtf8(path.filename());
}

// The folders in folder, sorted by name (file systems list in different orders).
std::vector<fs::path> subfolders(const fs::path& folder)
{
    std::vector<fs::path> folders;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            folders.push_back(it->path());
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

// folder / name, taking a folder whose name differs only in ASCII case where the exact one is missing.
fs::path childNoCase(const fs::path& folder, std::string_view name)
{
    fs::path exact = folder / pathFromUtf8(name);
    std::error_code error;
    if (fs::exists(exact, error))
        return exact;
    for (const fs::path& candidate : subfolders(folder)) {
        if (equalsNoCase(nameOf(candidate), name))
            return candidate;
    }
    return exact;
}

// One spelling per folder: links resolved, so that a folder reached two ways is listed once.
fs::path normalFolder(const fs::path& path)
{
    std::error_code error;
    fs::path normal = fs::weakly_canonical(path, error);
    if (error)
        normal = path.lexically_normal();
    while (normal.has_relative_path() && normal.filename().empty())
        normal = normal.parent_path();
    return normal;
}

std::string folderKey(const fs::path& path)
{
    std::string key = pathToUtf8(normalFolder(path));
#ifdef _WIN32
    key = lower(key);
    std::replace(key.begin(), key.end(), '/', '\\');
#endif
    return key;
}

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

bool isPackFolderName(std::string_view name)
{
    if (equalsNoCase(name, "Base"))
        return true;
    if (name.size() < 3 || !(equalsNoCase(name.substr(0, 2), "EP") || equalsNoCase(name.substr(0, 2), "SP")))
        return false;
    return std::all_of(name.begin() + 2, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "...\The Sims 2 Legacy Collection\EP9\TSBin\Sims2EP9.exe" -> "...\The Sims 2 Legacy Collection".
fs::path packsRoot(fs::path path)
{
    if (equalsNoCase(pathToUtf8(path.extension()), ".exe"))
        path = path.parent_path();
    if (equalsNoCase(nameOf(path), "TSBin"))
        path = path.parent_path();
    if (isPackFolderName(nameOf(path)))
        path = path.parent_path();
    return path;
}

// The Ultimate Collection's own folder: the one named so, or the one above
// its bundle folders ("Double Deluxe\Base", "Fun with Pets\SP9\TSBin").
fs::path ultimateRoot(const fs::path& path)
{
    fs::path built;
    for (const fs::path& part : path) {
        built /= part;
        if (containsNoCase(pathToUtf8(part), "Ultimate Collection"))
            return built;
    }
    fs::path root = packsRoot(path);
    if (equalsNoCase(nameOf(root), "Double Deluxe") || equalsNoCase(nameOf(root), "Fun with Pets")
        || isFolder(root.parent_path() / "Double Deluxe"))
        root = root.parent_path();
    return root;
}

bool looksUltimate(const fs::path& install, const std::optional<std::string>& displayName)
{
    if (displayName && containsNoCase(*displayName, "Ultimate Collection"))
        return true;
    for (const fs::path& part : install) {
        const std::string name = pathToUtf8(part);
        if (containsNoCase(name, "Ultimate Collection") || equalsNoCase(name, "Double Deluxe")
            || equalsNoCase(name, "Fun with Pets"))
            return true;
    }
    return isFolder(install / "Double Deluxe") || isFolder(install / "Fun with Pets");
}

std::optional<std::string> textOf(const std::optional<FoundValue>& value)
{
    if (value && value->text && !value->text->empty())
        return value->text;
    return std::nullopt;
}

// Where a data folder was found, or would be made by the game.
struct DataFolder {
    fs::path folder;
    fs::path documents;
};

// The first of names that exists below one of the Documents folders, else the
// first name below the first Documents folder (a game not yet started makes it there).
std::optional<DataFolder> namedDataFolder(const std::vector<fs::path>& documents, const std::vector<std::string>& names)
{
    for (const fs::path& folder : documents) {
        const fs::path eaGames = childNoCase(folder, "EA Games");
        for (const std::string& name : names) {
            const fs::path data = childNoCase(eaGames, name);
            if (isFolder(data))
                return DataFolder { data, folder };
        }
    }
    if (documents.empty() || names.empty())
        return std::nullopt;
    return DataFolder { documents.front() / "EA Games" / pathFromUtf8(names.front()), documents.front() };
}

std::vector<std::string> namesOf(auto const& table)
{
    return std::vector<std::string>(table.begin(), table.end());
}

// The classic search in one Documents folder: the six names in their order,
// then the first folder (by name) whose name holds "Sims 2" and is no other
// edition's.
std::optional<fs::path> classicDataFolder(const fs::path& documents)
{
    const fs::path eaGames = documents / "EA Games";
    for (const std::string_view candidate : gstrDataFolderCandidates) {
        const fs::path data = eaGames / pathFromUtf8(candidate);
        if (isFolder(data))
            return data;
    }
    for (const fs::path& folder : subfolders(eaGames)) {
        const std::string name = nameOf(folder);
        if (name.find("Sims 2") != std::string::npos && editionOfDataFolder(name) == GameEdition::Classic)
            return folder;
    }
    return std::nullopt;
}

// The installs found so far, each data folder once.
class Collector {
public:
    void add(GameInstall install)
    {
        install.dataFolder = normalFolder(install.dataFolder);
        if (install.installFolder)
            install.installFolder = normalFolder(*install.installFolder);
        install.dataFolderExists = isFolder(install.dataFolder);
        install.downloads = downloadsFolderOf(install.dataFolder);
        const std::string key = folderKey(install.dataFolder);
        for (GameInstall& known : mInstalls) {
            const bool sameData = folderKey(known.dataFolder) == key;
            // An install folder named twice is one install where one of the keys only guessed the data
            // folder the game has not made; two data folders that exist stay two (the macOS releases share one).
            const bool sameInstall = install.installFolder && known.installFolder && known.edition == install.edition
                && (!install.dataFolderExists || !known.dataFolderExists)
                && folderKey(*known.installFolder) == folderKey(*install.installFolder);
            if (!sameData && !sameInstall)
                continue;
            if (sameData && !known.installFolder && install.installFolder && known.edition == install.edition)
                known.installFolder = install.installFolder;
            if (sameInstall && !known.dataFolderExists && install.dataFolderExists) {
                known.dataFolder = install.dataFolder;
                known.documents = install.documents;
                known.downloads = install.downloads;
                known.dataFolderExists = true;
            }
            if (!known.displayName)
                known.displayName = install.displayName;
            return;
        }
        mInstalls.push_back(std::move(install));
    }

    void add(GameEdition edition, std::string source, std::optional<fs::path> install, const DataFolder& data,
        std::optional<std::string> displayName)
    {
        GameInstall found;
        found.edition = edition;
        found.source = std::move(source);
        found.installFolder = std::move(install);
        found.dataFolder = data.folder;
        found.documents = data.documents;
        found.displayName = std::move(displayName);
        add(std::move(found));
    }

    std::vector<GameInstall>& installs() { return mInstalls; }
    std::vector<SkippedFile>& skipped() { return mSkipped; }

private:
    std::vector<GameInstall> mInstalls;
    std::vector<SkippedFile> mSkipped;
};

// The install folder a value names, when it exists.
std::optional<fs::path> existingFolder(const RegistryContext& registry, const std::optional<std::string>& text)
{
    if (!text)
        return std::nullopt;
    const auto host = registry.hostPath(*text);
    if (!host || !isFolder(*host))
        return std::nullopt;
    return *host;
}

void searchLegacyUserKey(const RegistryContext& registry, const std::vector<fs::path>& documents, Collector& out)
{
    const auto name = registry.userValue(kLegacyUserKey, "DisplayName");
    const auto program = registry.userValue(kLegacyProgramKey, "path");
    if (!name && !program)
        return;
    const auto installed = registry.userValue(kLegacyProgramKey, "Installed");
    std::optional<fs::path> install;
    if (textOf(program) && !(installed && installed->number && *installed->number == 0)) {
        const auto host = registry.hostPath(*textOf(program));
        if (!host || !isFolder(packsRoot(*host)))
            return; // a key naming a folder that is gone is no install
        install = packsRoot(*host);
    }
    const auto displayName = textOf(name);
    const auto data
        = namedDataFolder(documents, displayName ? std::vector { *displayName } : namesOf(kLegacyDataFolders));
    if (data && (install || isFolder(data->folder)))
        out.add(GameEdition::Legacy, name ? name->where : program->where, install, *data, displayName);
}

void searchLegacyMachineKeys(const RegistryContext& registry, const std::vector<fs::path>& documents, Collector& out)
{
    const std::pair<std::string_view, std::string_view> keys[] = {
        { kEaAppKey, "Install Dir" },
        { kSteamUninstallKey, "InstallLocation" },
    };
    for (const auto& [key, valueName] : keys) {
        const auto value = registry.machineValue(key, valueName, RegistryView::ThirtyTwoBit);
        const auto install = existingFolder(registry, textOf(value));
        if (!install)
            continue;
        const auto data = namedDataFolder(documents, namesOf(kLegacyDataFolders));
        if (data)
            out.add(GameEdition::Legacy, value->where, packsRoot(*install), *data,
                textOf(registry.machineValue(key, "DisplayName", RegistryView::ThirtyTwoBit)));
    }
}

void searchEaGamesKey(const RegistryContext& registry, const std::vector<fs::path>& documents, Collector& out)
{
    for (const RegistryView view : { RegistryView::ThirtyTwoBit, RegistryView::Native }) {
        const auto value = registry.machineValue(gstrInstallKey, gstrInstallValue, view);
        const auto install = existingFolder(registry, textOf(value));
        if (!install)
            continue;
        const auto displayName = textOf(registry.machineValue(gstrInstallKey, "DisplayName", view));
        if (looksUltimate(*install, displayName)) {
            std::vector<std::string> names = namesOf(kUltimateDataFolders);
            if (displayName)
                names.insert(names.begin(), *displayName);
            if (const auto data = namedDataFolder(documents, names))
                out.add(GameEdition::Ultimate, value->where, ultimateRoot(*install), *data, displayName);
            continue;
        }
        std::optional<DataFolder> data;
        for (const fs::path& folder : documents) {
            if (const auto found = classicDataFolder(folder)) {
                data = DataFolder { *found, folder };
                break;
            }
        }
        if (!data)
            data = namedDataFolder(documents, namesOf(gstrDataFolderCandidates));
        if (data)
            out.add(GameEdition::Classic, value->where, *install, *data, displayName);
    }
}

void searchAppPaths(const RegistryContext& registry, const std::vector<fs::path>& documents, Collector& out)
{
    for (const RegistryView view : { RegistryView::ThirtyTwoBit, RegistryView::Native }) {
        const auto value = registry.machineValue(kAppPathsKey, "", view);
        const auto program = textOf(value);
        if (!program)
            continue;
        // The program of the classic Apartment Life has this name too; only the collection's is taken here.
        const auto host = registry.hostPath(*program);
        if (!host || !looksUltimate(*host, std::nullopt))
            continue;
        const fs::path root = ultimateRoot(*host);
        if (!isFolder(root))
            continue;
        if (const auto data = namedDataFolder(documents, namesOf(kUltimateDataFolders)))
            out.add(GameEdition::Ultimate, value->where, root, *data, std::nullopt);
    }
}

// Data folders without any key: the classic search, then every known name.
void searchDocuments(const std::vector<fs::path>& documents, Collector& out)
{
    for (const fs::path& folder : documents) {
        if (const auto data = classicDataFolder(folder))
            out.add(GameEdition::Classic, pathToUtf8(folder / "EA Games") + " (classic search)", std::nullopt,
                DataFolder { *data, folder }, std::nullopt);
    }
    for (const fs::path& folder : documents) {
        const fs::path eaGames = childNoCase(folder, "EA Games");
        for (const fs::path& data : subfolders(eaGames)) {
            const std::string name = nameOf(data);
            const auto known = [&](const auto& table) {
                return std::any_of(
                    table.begin(), table.end(), [&](std::string_view entry) { return equalsNoCase(entry, name); });
            };
            if (known(kLegacyDataFolders) || known(kUltimateDataFolders) || known(gstrDataFolderCandidates))
                out.add(editionOfDataFolder(name), pathToUtf8(eaGames), std::nullopt, DataFolder { data, folder },
                    std::nullopt);
        }
    }
}

void searchRegistry(const RegistryContext& registry, Collector& out)
{
    const std::vector<fs::path> documents = registry.documentsFolders();
    searchLegacyUserKey(registry, documents, out);
    searchLegacyMachineKeys(registry, documents, out);
    searchEaGamesKey(registry, documents, out);
    searchAppPaths(registry, documents, out);
    searchDocuments(documents, out);
    for (SkippedFile& file : registry.skipped())
        out.skipped().push_back(std::move(file));
}

void searchEnvironment(const GameSearchPlaces& places, const RegistryContext* machine, Collector& out)
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
        out.add(std::move(found));
        return;
    }
}

struct SteamLibrary {
    fs::path folder;
    std::string listedIn; ///< the libraryfolders.vdf naming it, or "" for a Steam folder itself
};

std::vector<SteamLibrary> steamLibraries(const fs::path& home, Collector& out)
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
            out.skipped().push_back(SkippedFile { pathToUtf8(list), failure.what() });
        }
    }
    return libraries;
}

// The Legacy Collection in one Steam library: its Proton prefix (the game's
// registry and data folder) and its install folder.
void searchSteamLibrary(
    const SteamLibrary& library, const GameSearchPlaces& places, std::vector<std::string>& prefixes, Collector& out)
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
            out.skipped().push_back(SkippedFile { pathToUtf8(manifest), failure.what() });
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
            out.add(GameEdition::Legacy, source, install,
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
        out.add(GameEdition::Legacy, source, install, *data, displayName);
}

void searchPrefix(
    const fs::path& prefix, const GameSearchPlaces& places, std::vector<std::string>& prefixes, Collector& out)
{
    if (!WinePrefixContext::isPrefix(prefix))
        return;
    const std::string key = folderKey(prefix);
    if (std::find(prefixes.begin(), prefixes.end(), key) != prefixes.end())
        return;
    prefixes.push_back(key);
    searchRegistry(WinePrefixContext(prefix, places.maxRegistryFileBytes), out);
}

void searchMac(const GameSearchPlaces& places, Collector& out)
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
            out.add(GameEdition::Mac, pathToUtf8(data), bundle, DataFolder { data, home / "Documents" }, std::nullopt);
    }
}

void addRemembered(const GameSearchPlaces& places, Collector& out)
{
    if (!places.remembered || !places.remembered->value || places.remembered->value->empty())
        return;
    fs::path folder;
    try {
        folder = checkedRememberedFolder(*places.remembered->value);
    } catch (const GameFileError& failure) {
        out.skipped().push_back(SkippedFile { places.remembered->store,
            "the setting \"" + std::string(kGameDataFolderSetting) + "\" " + failure.what() });
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
    out.add(std::move(chosen));
}

} // namespace

std::string_view editionName(GameEdition edition)
{
    switch (edition) {
    case GameEdition::Legacy:
        return "legacy";
    case GameEdition::Ultimate:
        return "ultimate";
    case GameEdition::Classic:
        return "classic";
    case GameEdition::Mac:
        return "mac";
    }
    return "classic";
}

std::string_view editionTitle(GameEdition edition)
{
    switch (edition) {
    case GameEdition::Legacy:
        return "Legacy Collection";
    case GameEdition::Ultimate:
        return "Ultimate Collection";
    case GameEdition::Classic:
        return "Classic";
    case GameEdition::Mac:
        return "macOS";
    }
    return "Classic";
}

GameEdition editionOfDataFolder(std::string_view folderName)
{
    for (const std::string_view name : kLegacyDataFolders) {
        if (equalsNoCase(name, folderName))
            return GameEdition::Legacy;
    }
    for (const std::string_view name : kUltimateDataFolders) {
        if (equalsNoCase(name, folderName))
            return GameEdition::Ultimate;
    }
    return containsNoCase(folderName, "Ultimate Collection") ? GameEdition::Ultimate : GameEdition::Classic;
}

bool looksLikeGameDataFolder(const fs::path& folder)
{
    std::error_code error;
    for (const char* name : { "Downloads", "Neighborhoods", "Thumbnails" }) {
        if (isFolder(childNoCase(folder, name)))
            return true;
    }
    return fs::is_regular_file(childNoCase(folder, "Groups.cache"), error);
}

fs::path downloadsFolderOf(const fs::path& dataFolder)
{
    return childNoCase(dataFolder, "Downloads");
}

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
        places.rememberedProblem = SkippedFile { pathToUtf8(settingsIniFile()), failure.what() };
    }
    return places;
}

GameSearch findGameInstalls(const GameSearchPlaces& places)
{
    Collector out;
    if (places.rememberedProblem)
        out.skipped().push_back(*places.rememberedProblem);
    const std::unique_ptr<RegistryContext> machine
        = places.machineRegistry ? locate::machineRegistry() : std::unique_ptr<RegistryContext>();

    searchEnvironment(places, machine.get(), out);
    if (machine)
        searchRegistry(*machine, out);
    if (places.homeFolders && !places.home.empty()) {
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
