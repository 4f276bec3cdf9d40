#include "app/startup/core/EditionFolders.h"

#include "app/platform/Translatable.h"
#include "app/startup/GamePaths.h"
#include "app/startup/core/FolderNames.h"
#include "app/startup/core/GameLocator.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace varnick {

namespace locate {

namespace {

bool isPackFolderName(std::string_view name)
{
    if (equalsNoCase(name, "Base"))
        return true;
    if (name.size() < 3 || !(equalsNoCase(name.substr(0, 2), "EP") || equalsNoCase(name.substr(0, 2), "SP")))
        return false;
    return std::all_of(name.begin() + 2, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

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

} // namespace locate

using locate::childNoCase;
using locate::containsNoCase;
using locate::equalsNoCase;
using locate::isFolder;

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

std::string_view foundByTitle(FoundBy foundBy)
{
    switch (foundBy) {
    case FoundBy::WindowsRegistry:
        return VARNICK_TRANSLATE_NOOP("FoundBy", "Windows registry");
    case FoundBy::WineRegistry:
        return VARNICK_TRANSLATE_NOOP("FoundBy", "Wine registry");
    case FoundBy::DocumentsFolder:
        return VARNICK_TRANSLATE_NOOP("FoundBy", "Documents folder");
    case FoundBy::SteamLibrary:
        return VARNICK_TRANSLATE_NOOP("FoundBy", "Steam library");
    case FoundBy::ApplicationSupport:
        return VARNICK_TRANSLATE_NOOP("FoundBy", "Application Support folder");
    case FoundBy::EnvironmentVariable:
        return VARNICK_TRANSLATE_NOOP("FoundBy", "Environment variable");
    case FoundBy::ChosenByPlayer:
        return VARNICK_TRANSLATE_NOOP("FoundBy", "Chosen by you");
    }
    return VARNICK_TRANSLATE_NOOP("FoundBy", "Documents folder");
}

std::string_view editionTitle(GameEdition edition)
{
    switch (edition) {
    case GameEdition::Legacy:
        return VARNICK_TRANSLATE_NOOP("Editions", "Legacy Collection");
    case GameEdition::Ultimate:
        return VARNICK_TRANSLATE_NOOP("Editions", "Ultimate Collection");
    case GameEdition::Classic:
        return VARNICK_TRANSLATE_NOOP("Editions", "Classic");
    case GameEdition::Mac:
        return VARNICK_TRANSLATE_NOOP("Editions", "macOS");
    }
    return VARNICK_TRANSLATE_NOOP("Editions", "Classic");
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

} // namespace varnick
