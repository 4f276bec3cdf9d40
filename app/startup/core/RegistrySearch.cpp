#include "app/startup/core/RegistrySearch.h"

#include "app/startup/GamePaths.h"
#include "app/startup/core/EditionFolders.h"
#include "app/startup/core/FolderNames.h"
#include "app/startup/core/GameLocator.h"
#include "app/startup/core/InstallCollector.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <utility>

namespace fs = std::filesystem;

namespace varnick::locate {

namespace {

// The keys the editions write (the registry's own spelling; "SOFTWARE\X" of a
// 32-bit installer is "SOFTWARE\WOW6432Node\X" on 64-bit Windows).
constexpr std::string_view kLegacyProgramKey
    = "Software\\Electronic Arts\\The Sims 2 Ultimate Collection 25\\Sims2EP9.exe";
constexpr std::string_view kEaAppKey = "SOFTWARE\\Maxis\\The Sims 2 Legacy";
constexpr std::string_view kSteamUninstallKey
    = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App 3314070";
constexpr std::string_view kAppPathsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Sims2EP9.exe";

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

void searchLegacyUserKey(const RegistryContext& registry, const std::vector<fs::path>& documents, InstallCollector& out)
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
        out.add(
            GameEdition::Legacy, registry.foundBy(), name ? name->where : program->where, install, *data, displayName);
}

void searchLegacyMachineKeys(
    const RegistryContext& registry, const std::vector<fs::path>& documents, InstallCollector& out)
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
            out.add(GameEdition::Legacy, registry.foundBy(), value->where, packsRoot(*install), *data,
                textOf(registry.machineValue(key, "DisplayName", RegistryView::ThirtyTwoBit)));
    }
}

void searchEaGamesKey(const RegistryContext& registry, const std::vector<fs::path>& documents, InstallCollector& out)
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
                out.add(GameEdition::Ultimate, registry.foundBy(), value->where, ultimateRoot(*install), *data,
                    displayName);
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
            out.add(GameEdition::Classic, registry.foundBy(), value->where, *install, *data, displayName);
    }
}

void searchAppPaths(const RegistryContext& registry, const std::vector<fs::path>& documents, InstallCollector& out)
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
            out.add(GameEdition::Ultimate, registry.foundBy(), value->where, root, *data, std::nullopt);
    }
}

// Data folders without any key: the classic search, then every known name.
void searchDocuments(const std::vector<fs::path>& documents, InstallCollector& out)
{
    for (const fs::path& folder : documents) {
        if (const auto data = classicDataFolder(folder))
            out.add(GameEdition::Classic, FoundBy::DocumentsFolder,
                pathToUtf8(folder / "EA Games") + " (classic search)", std::nullopt, DataFolder { *data, folder },
                std::nullopt);
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
                out.add(editionOfDataFolder(name), FoundBy::DocumentsFolder, pathToUtf8(eaGames), std::nullopt,
                    DataFolder { data, folder }, std::nullopt);
        }
    }
}

} // namespace

std::optional<std::string> textOf(const std::optional<FoundValue>& value)
{
    if (value && value->text && !value->text->empty())
        return value->text;
    return std::nullopt;
}

void searchRegistry(const RegistryContext& registry, InstallCollector& out)
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

} // namespace varnick::locate
