#pragma once

// Removing an object's pictures from the game's two thumbnail caches
// (ObjectThumbnails.package and DesignModeThumbnails.package in the data
// folder's Thumbnails folder), so that the game draws them anew.
//
// Every resource filed under the object's key ("7F" and the CRC-24 of the
// lower-cased file title, as the browser looks thumbnails up) goes, whatever
// its type, with its records in the cache's one directory of compressed files.
// A cache is rewritten by streaming: its index and directory are held in
// memory, the kept resources' stored bytes are copied range by range from the
// old file into a scratch file beside it, and the scratch file replaces the
// cache in one step after the previous version was kept as a backup (in the
// program's backup store, and as the last version in "Thumbnail Backups"). Qt-free;
// the window and varnick-cli share it.

#include "package/base/Bytes.h"
#include "package/base/Phrase.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace varnick {

class BackupStore;

/// The two caches, in the order they are purged.
inline constexpr std::array<const char*, 2> kThumbnailCacheNames
    = { "ObjectThumbnails.package", "DesignModeThumbnails.package" };

/// The stored form of the key under which the caches file the pictures of the package objectFile (UTF-8 path).
ByteString thumbnailKeyOf(std::string_view objectFile);

/// What became of one cache.
enum class CacheOutcome {
    NotReached, ///< not examined: an earlier cache stopped the purge
    Missing, ///< the file does not exist (the game never drew one); skipped
    Corrupt, ///< not exactly one directory of compressed files; left untouched
    Purged, ///< rewritten without the object's resources (possibly none were there)
    Cancelled, ///< the user cancelled while it was written; left untouched
    Failed, ///< reading or writing failed (see PurgeResult::failure); left untouched
};

/// One cache as the purge planned and handled it.
struct CachePurge {
    std::string name; ///< file name without folder, e.g. "ObjectThumbnails.package"
    std::filesystem::path file;
    CacheOutcome outcome = CacheOutcome::NotReached;
    std::int64_t resourcesRemoved = 0;
    std::int64_t directoryRecordsRemoved = 0;
    std::int64_t resourcesKept = 0;
    std::int64_t bytesToWrite = 0; ///< size of the rewritten cache
    std::filesystem::path backup; ///< where the last version was kept (Purged only; empty when not kept there)
    /// The backup store's generation holding the previous version (Purged only; empty without a store).
    std::filesystem::path storedBackup;

    /// The refusal for a Corrupt cache: "<name> is corrupt!!!", two CR LF, "Operation aborted.".
    std::string corruptMessage() const;
    /// The same refusal as a Phrase, for a window to say in the player's language.
    Phrase corruptPhrase() const;
};

/// The whole purge: both caches in order; a Corrupt, Cancelled or Failed cache stops it.
struct PurgeResult {
    std::array<CachePurge, 2> caches;
    std::exception_ptr failure; ///< the Failure of a Failed cache, to be reported by the caller

    /// Whether any cache file was replaced.
    bool changed() const;
    /// The first cache that stopped the purge as Corrupt, or nullptr.
    const CachePurge* corrupt() const;
    bool cancelled() const;
    /// Rethrows failure (when there is one) with the failed cache's file name
    /// in the error context, for the caller's trap; returns when there is none.
    void rethrowFailure() const;
};

/// Progress over all the bytes to be written (both caches); called from the working thread.
using PurgeProgress = std::function<void(std::int64_t done, std::int64_t total)>;

/// The steps of one cache's rewrite, in order.
enum class PurgeStep { WriteScratch, KeepBackup, ReplaceCache };

struct PurgeOptions {
    /// Where the previous version of each cache is kept, one generation, under
    /// its own name; empty means userDataFolder() / "Thumbnail Backups".
    std::filesystem::path backupFolder;
    /// Whether that one generation is kept at all (off: only backups, when given).
    bool keepLastVersion = true;
    /// Also keeps the previous version of each cache in this store, as the
    /// editor's saves do (the original always, later ones as its policy says),
    /// before the last version above; none when null. A failure to keep it
    /// leaves the cache as it was.
    BackupStore* backups = nullptr;
    PurgeProgress progress;
    /// Checked between copied ranges; when set, the cache being written is left as it was.
    const std::atomic<bool>* cancel = nullptr;
    /// Test seam: called before each step of each cache; an exception thrown
    /// from it is a failure of that step.
    std::function<void(PurgeStep, const CachePurge&)> beforeStepForTesting;
};

/// The index and directory of both caches read, and what the purge will do:
/// reads only indexes and directories. Throws nothing for the caches' content
/// (a failure is recorded as the cache's Failed outcome).
class ThumbnailPurge {
public:
    /// Reads the caches of thumbnailsFolder (the data folder's "Thumbnails") for the key (stored form).
    ThumbnailPurge(const std::filesystem::path& thumbnailsFolder, ByteView key);
    ~ThumbnailPurge();
    ThumbnailPurge(const ThumbnailPurge&) = delete;
    ThumbnailPurge& operator=(const ThumbnailPurge&) = delete;

    /// The plan so far: outcomes are Missing, Corrupt, Failed or NotReached (to be purged).
    const PurgeResult& plan() const { return mResult; }
    /// Bytes run() will write in all (the progress total).
    std::int64_t totalBytes() const;

    /// Writes the caches in order and returns what became of each. May run on
    /// a working thread; touches no process-wide state except the files.
    PurgeResult run(const PurgeOptions& options);

private:
    struct Plan;
    std::array<std::unique_ptr<Plan>, 2> mPlans;
    PurgeResult mResult;
};

/// Plans and runs the purge of objectFile's pictures from the caches in
/// dataFolder / "Thumbnails" in one call (varnick-cli, tests).
PurgeResult purgeObjectThumbnails(
    const std::filesystem::path& dataFolder, std::string_view objectFile, const PurgeOptions& options = {});

} // namespace varnick
