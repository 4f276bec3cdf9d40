// purge-thumbnails: removes an object's pictures from the game's two thumbnail
// caches, with the same code as the program's Tools menu, keeping their
// previous versions in the backup store as "set" does.
#include "tools/cli/CliOutput.h"
#include "tools/cli/Commands.h"
#include "tools/cli/GameGuard.h"

#include "tools/cli/BackupOptions.h"

#include "app/backups/core/BackupStore.h"
#include "app/recolors/core/ThumbnailPurge.h"
#include "app/startup/GamePaths.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace varnick::cli {

namespace {

struct PurgeArguments {
    std::string objectFile;
    std::string dataFolder;
    BackupArguments backup;
};

std::filesystem::path gameDataFolder()
{
    gsGetSims2Paths();
    stopIfTrapped();
    if (gstrSims2DataPath == gstrPathNotFound || gstrSims2DataPath.empty())
        throw Failure(ErrorCode::FolderFailed, "Can not find Sims 2 data path! (give it with --data)");
    return pathFromUtf8(gstrSims2DataPath);
}

void purgeThumbnails(const PurgeArguments& arguments)
{
    const std::filesystem::path data
        = arguments.dataFolder.empty() ? gameDataFolder() : pathFromUtf8(arguments.dataFolder);
    // The backups as "set" keeps them: the store (pruned first) and the caches' last versions.
    BackupStore backups = arguments.backup.store();
    PurgeOptions options;
    options.keepLastVersion = !arguments.backup.none;
    if (!arguments.backup.none) {
        backups.prune();
        options.backups = &backups;
    }
    const PurgeResult result = purgeObjectThumbnails(data, arguments.objectFile, options);
    for (const CachePurge& cache : result.caches) {
        if (cache.outcome == CacheOutcome::Purged)
            printOut("%s: %lld\n", cache.name.c_str(), static_cast<long long>(cache.resourcesRemoved));
        else if (cache.outcome == CacheOutcome::Missing)
            printOut("%s: not found\n", cache.name.c_str());
    }
    cliOut().flush();
    if (const CachePurge* corrupt = result.corrupt()) {
        std::string message = corrupt->corruptMessage();
        for (std::size_t at = message.find('\r'); at != std::string::npos; at = message.find('\r', at))
            message.erase(at, 1);
        printErr("%s\n", message.c_str());
        throw CLI::RuntimeError(1);
    }
    result.rethrowFailure();
}

} // namespace

void addPurgeCommands(CLI::App& app)
{
    auto arguments = std::make_shared<PurgeArguments>();
    CLI::App* purge = app.add_subcommand("purge-thumbnails",
        "Remove every resource filed under OBJECT_FILE's thumbnail key from ObjectThumbnails.package and "
        "DesignModeThumbnails.package in the data folder's Thumbnails folder, so that the game draws new thumbnails. "
        "Before a cache is replaced its previous version is kept in the backup folder as \"set\" keeps a "
        "package's (default: the per-user data folder's \"Backups\"; the first version however many later ones "
        "come, backups older than --keep-days days, the first among them, pruned at the start; \"restore\" puts a "
        "cache's first version back), and as the last "
        "version in the per-user data folder's \"Thumbnail Backups\"; --no-backup keeps neither. Prints one "
        "line per cache, in that order: \"<cache>: <resources removed>\", or \"<cache>: not found\" for a cache that "
        "does not exist. A corrupt cache (not exactly one directory of compressed files) is left untouched, "
        "its message goes to standard error and the exit status is 1; the caches before it stay purged.");
    purge->add_option("OBJECT_FILE", arguments->objectFile, "the object's package file (only its name counts)")
        ->required();
    purge->add_option("--data", arguments->dataFolder,
        "the game's data folder (holding Thumbnails); default: found as the program finds it");
    addBackupOptions(*purge, arguments->backup);
    refuseWhileGameRuns(*purge);
    purge->callback([arguments] { purgeThumbnails(*arguments); });
}

} // namespace varnick::cli
