#pragma once

#include "app/backups/core/BackupStore.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The caches the game rebuilds at its next start: the catalog group caches
// and the thumbnail packages. Clearing them makes the game draw thumbnails of
// changed downloads anew; they go to the backup store rather than away.

namespace varnick {

/// The cache files in the data folder's root.
inline constexpr std::array<std::string_view, 2> kGameCacheFiles = { "Groups.cache", "Accessory.cache" };
/// The thumbnail packages, looked for in the data folder's Thumbnails folder and root.
inline constexpr std::array<std::string_view, 5> kThumbnailCacheFiles = {
    "ObjectThumbnails.package",
    "DesignModeThumbnails.package",
    "BuildModeThumbnails.package",
    "CANHObjectsThumbnails.package",
    "CASThumbnails.package",
};

struct GameCacheFile {
    std::filesystem::path file;
    std::uintmax_t size = 0;
};

/// The cache files present in dataFolder (names matched without ASCII case),
/// root files first, then the Thumbnails folder's. Never throws.
std::vector<GameCacheFile> gameCacheFiles(const std::filesystem::path& dataFolder);

struct ClearedCaches {
    struct Moved {
        std::filesystem::path file; ///< where the cache was
        std::filesystem::path keptAs; ///< its copy in the backup store
        std::uintmax_t size = 0;
    };
    struct Failed {
        std::filesystem::path file;
        std::string reason;
    };
    std::vector<Moved> moved;
    std::vector<Failed> failed; ///< left in place (a copy may already be kept)
    std::vector<std::filesystem::path> notReached; ///< left in place because of Cancel
};

/// Moves every cache file of dataFolder into store: each is kept as a new
/// generation (also when the store keeps the original alone, so that the
/// bytes removed are always kept), then removed. A file that cannot be kept
/// or removed stays where it is and is listed as failed; cancel stops between
/// files. progress(doneFiles, totalFiles) is called after each file. Never
/// throws for a file; the caller checks that the game is not running.
ClearedCaches clearGameCaches(const std::filesystem::path& dataFolder, const BackupStore& store,
    const std::atomic<bool>* cancel = nullptr, const std::function<void(std::size_t, std::size_t)>& progress = {});

} // namespace varnick
