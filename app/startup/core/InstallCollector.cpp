#include "app/startup/core/InstallCollector.h"

#include "app/startup/core/FolderNames.h"
#include "app/startup/core/GameLocator.h"

namespace fs = std::filesystem;

namespace varnick::locate {

void InstallCollector::add(GameInstall install)
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

void InstallCollector::add(GameEdition edition, FoundBy foundBy, std::string source, std::optional<fs::path> install,
    const DataFolder& data, std::optional<std::string> displayName)
{
    GameInstall found;
    found.edition = edition;
    found.foundBy = foundBy;
    found.source = std::move(source);
    found.installFolder = std::move(install);
    found.dataFolder = data.folder;
    found.documents = data.documents;
    found.displayName = std::move(displayName);
    add(std::move(found));
}

} // namespace varnick::locate
