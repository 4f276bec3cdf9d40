// purge-thumbnails: removes an object's pictures from the game's two thumbnail
// caches, with the same code as the program's Tools menu.
#include "tools/cli/Commands.h"

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
};

std::filesystem::path gameDataFolder()
{
    gsGetSims2Paths();
    if (gstrSims2DataPath == gstrPathNotFound || gstrSims2DataPath.empty())
        throw Failure(ErrorCode::FolderFailed, "Can not find Sims 2 data path! (give it with --data)");
    return pathFromUtf8(gstrSims2DataPath);
}

void purgeThumbnails(const PurgeArguments& arguments)
{
    const std::filesystem::path data
        = arguments.dataFolder.empty() ? gameDataFolder() : pathFromUtf8(arguments.dataFolder);
    const PurgeResult result = purgeObjectThumbnails(data, arguments.objectFile);
    for (const CachePurge& cache : result.caches) {
        if (cache.outcome == CacheOutcome::Purged)
            std::printf("%s: %lld\n", cache.name.c_str(), static_cast<long long>(cache.resourcesRemoved));
        else if (cache.outcome == CacheOutcome::Missing)
            std::printf("%s: not found\n", cache.name.c_str());
    }
    std::fflush(stdout);
    if (const CachePurge* corrupt = result.corrupt()) {
        std::string message = corrupt->corruptMessage();
        for (std::size_t at = message.find('\r'); at != std::string::npos; at = message.find('\r', at))
            message.erase(at, 1);
        std::fprintf(stderr, "%s\n", message.c_str());
        std::exit(1);
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
        "The previous version of each cache is kept in the per-user data folder's \"Thumbnail Backups\". Prints one "
        "line per cache, in that order: \"<cache>: <resources removed>\", or \"<cache>: not found\" for a cache that "
        "does not exist. A corrupt cache (not exactly one directory of compressed files) is left untouched, "
        "its message goes to standard error and the exit status is 1; the caches before it stay purged.");
    purge->add_option("OBJECT_FILE", arguments->objectFile, "the object's package file (only its name counts)")
        ->required();
    purge->add_option("--data", arguments->dataFolder,
        "the game's data folder (holding Thumbnails); default: found as the program finds it");
    purge->callback([arguments] { purgeThumbnails(*arguments); });
}

} // namespace varnick::cli
