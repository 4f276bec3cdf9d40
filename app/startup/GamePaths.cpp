#include "app/startup/GamePaths.h"

#include "app/startup/core/GameLocator.h"

#include "package/base/Environment.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace varnick {

std::string gstrSims2InstallPath;
std::string gstrDocumentsPath;
std::string gstrSims2DataPath;

namespace {

bool isSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/' || c == '\\';
#endif
}

// "C:\x", "\\server\x": written the Windows way, so joined with backslashes.
bool isWindowsStylePath(std::string_view path)
{
#ifdef _WIN32
    (void)path;
    return true;
#else
    const bool drive = path.size() >= 2 && path[1] == ':'
        && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return drive || path.starts_with("\\\\");
#endif
}

// Drops trailing separators but keeps a root ("/", "C:\").
std::string withoutTrailingSeparator(std::string path)
{
    while (path.size() > 1 && isSeparator(path.back())) {
        if (path.size() == 3 && path[1] == ':')
            break;
        path.pop_back();
    }
    return path;
}

std::string joinPath(const std::string& base, std::string_view name)
{
    const char separator = isWindowsStylePath(base) ? '\\' : '/';
    std::string joined = base;
    if (joined.empty() || !isSeparator(joined.back()))
        joined.push_back(separator);
    joined.append(name);
    return joined;
}

bool isFolder(const std::string& utf8Path)
{
    std::error_code error;
    return fs::is_directory(pathFromUtf8(utf8Path), error);
}

// The names in folder, folders only, in name order (file systems differ in
// the order they list, and the choice must not depend on that).
std::vector<std::string> folderNames(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(pathFromUtf8(folder), error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            names.push_back(pathToUtf8(it->path().filename()));
    }
    if (error)
        throw Failure(ErrorCode::FolderFailed, "Cannot list the folder " + folder + ": " + error.message());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

std::string gfstrGetRegistryValue(
    RegistryRoot root, std::string_view keyPath, std::string_view valueName, std::int32_t& lngBufferSize)
{
    if (lngBufferSize <= 0)
        lngBufferSize = 255;
    const auto value = readRegistryText(root, keyPath, valueName, static_cast<std::uint32_t>(lngBufferSize));
    if (!value)
        return std::string(gstrPathNotFound);
    lngBufferSize = static_cast<std::int32_t>(std::min<std::uint32_t>(value->sizeInChars, INT32_MAX));
    return value->text;
}

std::string gfstrGetLongPath(std::string_view path)
{
    const auto longPath = longPathName(registryPathToHostPath(path));
    return longPath ? *longPath : std::string();
}

void gsFindSims2DataPath()
{
    const std::string& documents = gstrDocumentsPath;
    if (documents.empty() || documents == gstrPathNotFound) {
        gstrSims2DataPath = std::string(gstrPathNotFound);
        return;
    }
    const std::string eaGames = joinPath(documents, "EA Games");
    for (const std::string_view candidate : gstrDataFolderCandidates) {
        gstrSims2DataPath = joinPath(eaGames, candidate);
        if (isFolder(gstrSims2DataPath))
            return;
    }
    gstrSims2DataPath = std::string(gstrPathNotFound);
    if (!isFolder(eaGames))
        return;
    for (const std::string& name : folderNames(eaGames)) {
        if (name.find("Sims 2") != std::string::npos) {
            gstrSims2DataPath = joinPath(eaGames, name);
            return;
        }
    }
}

namespace {

// The install folder as the classic install key names it: "ERROR" without the
// key, "" when the folder it names is gone.
std::string classicInstallPath()
{
    if (const auto installOverride = environmentText("VARNICK_SIMS2_INSTALL_DIR"))
        return withoutTrailingSeparator(gfstrGetLongPath(*installOverride));
    std::int32_t bufferSize = 0;
    const std::string install
        = gfstrGetRegistryValue(RegistryRoot::LocalMachine, gstrInstallKey, gstrInstallValue, bufferSize);
    return install == gstrPathNotFound ? install : withoutTrailingSeparator(gfstrGetLongPath(install));
}

} // namespace

void gsUseGameInstall(const GameInstall& install)
{
    if (install.installFolder)
        gstrSims2InstallPath = withoutTrailingSeparator(pathToUtf8(*install.installFolder));
    else if (install.edition == GameEdition::Classic && !install.chosen)
        // Only a data folder of the classic search: its install folder is the classic key's, as always.
        gstrSims2InstallPath = classicInstallPath();
    else
        // The newer editions start without knowing their install folder (only the game's own objects are
        // missed), and so does a data folder the player chose by hand.
        gstrSims2InstallPath = std::string();
    const fs::path documents = install.documents.empty() ? install.dataFolder.parent_path() : install.documents;
    gstrDocumentsPath = withoutTrailingSeparator(pathToUtf8(documents));
    // A game installed but never started has no data folder yet: the start-up checks say so.
    gstrSims2DataPath = install.dataFolderExists ? withoutTrailingSeparator(pathToUtf8(install.dataFolder))
                                                 : std::string(gstrPathNotFound);
}

void gsGetSims2Paths()
{
    trapped("modSims2General", "gsGetSims2Paths", [] {
        // Read before the search: asking Windows for the Documents known folder rewrites this shell value.
        std::string classicDocuments;
        if (const auto documentsOverride = environmentText("VARNICK_DOCUMENTS_DIR")) {
            classicDocuments = withoutTrailingSeparator(*documentsOverride);
        } else {
            std::int32_t bufferSize = 0;
            const std::string documents
                = gfstrGetRegistryValue(RegistryRoot::CurrentUser, gstrDocumentsKey, gstrDocumentsValue, bufferSize);
            classicDocuments = documents == gstrPathNotFound
                ? documents
                : withoutTrailingSeparator(registryPathToHostPath(documents));
        }

        const GameSearch search = findGameInstalls(GameSearchPlaces::forThisMachine());
        if (!search.installs.empty()) {
            gsUseGameInstall(search.installs.front());
            return;
        }

        // Nothing found anywhere: the classic search tells which of the three folders is missing.
        gstrSims2InstallPath = classicInstallPath();
        gstrDocumentsPath = classicDocuments;
        gsFindSims2DataPath();
    });
}

} // namespace varnick
