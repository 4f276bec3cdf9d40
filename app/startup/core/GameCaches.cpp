#include "app/startup/core/GameCaches.h"

#include "app/startup/core/FolderNames.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <exception>
#include <system_error>

namespace fs = std::filesystem;

namespace varnick {

using locate::equalsNoCase;

namespace {

// The regular files of folder whose names are in names, in the order of names.
template <typename Names> void collect(const fs::path& folder, const Names& names, std::vector<GameCacheFile>& out)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    for (const std::string_view name : names) {
        for (const fs::path& file : files) {
            if (!equalsNoCase(pathToUtf8(file.filename()), name))
                continue;
            std::error_code sizeError;
            const std::uintmax_t size = fs::file_size(file, sizeError);
            out.push_back(GameCacheFile { file, sizeError ? 0 : size });
        }
    }
}

} // namespace

std::vector<GameCacheFile> gameCacheFiles(const fs::path& dataFolder)
{
    std::vector<GameCacheFile> files;
    collect(dataFolder, kGameCacheFiles, files);
    collect(dataFolder, kThumbnailCacheFiles, files);
    collect(dataFolder / "Thumbnails", kThumbnailCacheFiles, files);
    return files;
}

ClearedCaches clearGameCaches(const fs::path& dataFolder, const BackupStore& store, const std::atomic<bool>* cancel,
    const std::function<void(std::size_t, std::size_t)>& progress)
{
    // With one generation a store keeps only the first copy it ever made of a
    // file; the bytes removed here must be kept whatever came before.
    BackupPolicy policy = store.policy();
    policy.generations = std::max(policy.generations, 2);
    BackupStore keeper(store.folder(), policy);

    ClearedCaches result;
    const std::vector<GameCacheFile> files = gameCacheFiles(dataFolder);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const GameCacheFile& cache = files[i];
        if (cancel != nullptr && cancel->load()) {
            result.notReached.push_back(cache.file);
            continue;
        }
        try {
            std::error_code error;
            const std::uintmax_t size = fs::file_size(cache.file, error);
            const auto kept = error ? std::nullopt : keeper.keep(cache.file);
            if (!kept)
                throw std::runtime_error("it is no longer there");
            if (fs::file_size(*kept, error) != size || error)
                throw std::runtime_error("its copy in the backup folder is incomplete");
            fs::remove(cache.file, error);
            if (error)
                throw std::runtime_error("it cannot be removed (" + error.message() + "); a copy is kept");
            result.moved.push_back(ClearedCaches::Moved { cache.file, *kept, size });
        } catch (const std::exception& failure) {
            result.failed.push_back(ClearedCaches::Failed { cache.file, failure.what() });
        }
        if (progress)
            progress(i + 1, files.size());
    }
    return result;
}

} // namespace varnick
