#include "app/recolors/core/ThumbnailPurge.h"

#include "app/backups/core/BackupStore.h"
#include "app/platform/Utility.h"
#include "package/BinarySupport.h"
#include "package/Crc24.h"
#include "package/PackageFile.h"
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/base/ErrorTrap.h"
#include "package/base/FileStamp.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "package/base/ScratchFile.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <system_error>

// A rewritten cache (all integers little-endian):
//
//   0 .. 95         the default header of a new package (index version 7.2),
//                   with IndexCount, IndexOffset, IndexSize of the index below
//   96 ..           the kept resources back to back, in the old index order;
//                   each one's stored bytes copied from the old file, except the
//                   directory of compressed files, which is rebuilt
//   IndexOffset ..  24 bytes per kept resource: TypeID, GroupID, InstanceID,
//                   ResourceID, Offset, Size
//
// The directory keeps its 20-byte records (with ResourceID) whatever the old
// header says, minus those filed under the key.

namespace fs = std::filesystem;

namespace varnick {

namespace {

constexpr std::int64_t kCopyChunk = 4 * 1024 * 1024;
constexpr std::int64_t kIndexEntryBytes = 24;

const ByteString& directoryType()
{
    static const ByteString id = gfstr4HexToSimsID("E86B1EEF");
    return id;
}

// Thrown inside a cache's write when the cancel flag is seen.
struct PurgeCancelled { };

// Copies and compares identifiers without holding four strings per entry:
// 100,000 entries stay below 3 MB.
struct KeptEntry {
    std::array<char, 16> ids {}; // type, group, instance, resource as stored
    std::int64_t sourceOffset = 0;
    std::int32_t size = 0;
    bool directory = false;
};

ByteString encodeHeader(std::int32_t count, std::int64_t indexOffset)
{
    PackageFile header;
    gsCreateDefaultPackageHeader(header);
    ByteString bytes;
    bytes.reserve(kPackageHeaderSize);
    appendLong(bytes, static_cast<std::uint32_t>(header.Magic));
    appendLong(bytes, static_cast<std::uint32_t>(header.MajorVersion));
    appendLong(bytes, static_cast<std::uint32_t>(header.MinorVersion));
    for (const std::int32_t reserved : header.Reserved1)
        appendLong(bytes, static_cast<std::uint32_t>(reserved));
    appendLong(bytes, static_cast<std::uint32_t>(header.DateCreated));
    appendLong(bytes, static_cast<std::uint32_t>(header.DateModified));
    appendLong(bytes, static_cast<std::uint32_t>(header.IndexMajorVersion));
    appendLong(bytes, static_cast<std::uint32_t>(count));
    appendLong(bytes, static_cast<std::uint32_t>(indexOffset));
    appendLong(bytes, static_cast<std::uint32_t>(static_cast<std::int64_t>(count) * kIndexEntryBytes));
    appendLong(bytes, static_cast<std::uint32_t>(header.HoleCount));
    appendLong(bytes, static_cast<std::uint32_t>(header.HoleOffset));
    appendLong(bytes, static_cast<std::uint32_t>(header.HoleSize));
    appendLong(bytes, static_cast<std::uint32_t>(header.IndexMinorVersion));
    bytes += header.Reserved2;
    return bytes;
}

// Keeps the previous version of cache as backupFolder / name, replacing the
// previous backup in one step. A hard link costs nothing and keeps the old
// bytes once the cache's name points at the new file; where links are not
// possible (another volume, FAT) the file is copied.
fs::path keepBackup(const fs::path& cache, const fs::path& backupFolder, const std::string& name)
{
    std::error_code error;
    fs::create_directories(backupFolder, error);
    if (error || !fs::is_directory(backupFolder))
        throw Failure(ErrorCode::FolderFailed,
            Phrase(VARNICK_PHRASE("ThumbnailPurge", "The backup folder %1 cannot be created: %2"),
                { pathToUtf8(backupFolder), error.message() }));
    const fs::path target = backupFolder / pathFromUtf8(name);
    try {
        ScratchFile scratch(target);
        if (!scratch.linkTo(cache)) {
            scratch.writeBehind();
            scratch.copyFrom(cache);
        }
        scratch.commit();
    } catch (const Failure& failure) {
        throw Failure(failure.code(),
            Phrase(VARNICK_PHRASE("ThumbnailPurge", "The previous %1 could not be kept in %2: %3"),
                { name, pathToUtf8(backupFolder), failure.phrase() }));
    }
    return target;
}

[[noreturn]] void changedOnDisk(const CachePurge& cache)
{
    throw Failure(ErrorCode::FileReadFailed,
        Phrase(VARNICK_PHRASE(
                   "ThumbnailPurge", "%1 changed on disk while it was purged; try again when the game is closed"),
            { cache.name }));
}

} // namespace

struct ThumbnailPurge::Plan {
    std::optional<FileStamp> stamp; ///< the cache's as it was read; the rewrite needs it unchanged
    std::int64_t sourceSize = 0;
    std::vector<KeptEntry> kept;
    ByteString directory; // the rebuilt directory's bytes
};

ByteString thumbnailKeyOf(std::string_view objectFile)
{
    return gfstr4HexToSimsID(thumbnailKeyText(gfstrGetFileTitle(objectFile)));
}

std::string CachePurge::corruptMessage() const
{
    return corruptPhrase().english();
}

Phrase CachePurge::corruptPhrase() const
{
    return Phrase(VARNICK_PHRASE("ThumbnailPurge", "%1 is corrupt!!!\r\n\r\nOperation aborted."), { name });
}

bool PurgeResult::changed() const
{
    return std::any_of(
        caches.begin(), caches.end(), [](const CachePurge& cache) { return cache.outcome == CacheOutcome::Purged; });
}

const CachePurge* PurgeResult::corrupt() const
{
    for (const CachePurge& cache : caches) {
        if (cache.outcome == CacheOutcome::Corrupt)
            return &cache;
    }
    return nullptr;
}

void PurgeResult::rethrowFailure() const
{
    if (!failure)
        return;
    for (const CachePurge& cache : caches) {
        if (cache.outcome == CacheOutcome::Failed) {
            const FileNameContext context(pathToUtf8(cache.file));
            std::rethrow_exception(failure);
        }
    }
    std::rethrow_exception(failure);
}

bool PurgeResult::cancelled() const
{
    return std::any_of(
        caches.begin(), caches.end(), [](const CachePurge& cache) { return cache.outcome == CacheOutcome::Cancelled; });
}

ThumbnailPurge::ThumbnailPurge(const fs::path& thumbnailsFolder, ByteView key)
{
    for (std::size_t c = 0; c < mResult.caches.size(); ++c) {
        CachePurge& cache = mResult.caches[c];
        cache.name = kThumbnailCacheNames[c];
        cache.file = thumbnailsFolder / pathFromUtf8(cache.name);
        std::error_code error;
        if (!fs::exists(cache.file, error)) {
            cache.outcome = CacheOutcome::Missing;
            continue;
        }
        try {
            auto plan = std::make_unique<Plan>();
            // Taken before reading, so that a change while reading counts as a change.
            plan->stamp = fileStampOf(cache.file);
            PackageIndex index = readPackageIndex(cache.file);
            plan->sourceSize = static_cast<std::int64_t>(fs::file_size(cache.file));

            std::size_t directories = 0;
            const IndexEntry* directoryEntry = nullptr;
            for (const IndexEntry& entry : index.entries) {
                if (entry.TypeID == directoryType()) {
                    ++directories;
                    directoryEntry = &entry;
                }
            }
            if (directories != 1) {
                cache.outcome = CacheOutcome::Corrupt;
                continue;
            }

            // The directory: records whose ResourceID is the key go.
            std::vector<DirectoryEntry> records = parseDirectory(readResourceBytes(cache.file, *directoryEntry), 2);
            const std::size_t before = records.size();
            std::erase_if(records, [&](const DirectoryEntry& record) { return record.ResourceID == key; });
            cache.directoryRecordsRemoved = static_cast<std::int64_t>(before - records.size());
            gsWriteDirectory(plan->directory, records, 2);
            records = {};

            // The resources: every one filed under the key goes, whatever its
            // type, except the directory itself, which the cache cannot lose.
            std::int64_t position = kPackageHeaderSize;
            const std::size_t count = index.entries.size();
            plan->kept.reserve(count);
            for (std::size_t i = 0; i < count; ++i) {
                const IndexEntry& entry = index.entries[i];
                const bool directory = &entry == directoryEntry;
                if (!directory && entry.ResourceID == key) {
                    ++cache.resourcesRemoved;
                    continue;
                }
                KeptEntry kept;
                std::memcpy(kept.ids.data(), entry.TypeID.data(), 4);
                std::memcpy(kept.ids.data() + 4, entry.GroupID.data(), 4);
                std::memcpy(kept.ids.data() + 8, entry.InstanceID.data(), 4);
                std::memcpy(kept.ids.data() + 12, entry.ResourceID.data(), 4);
                kept.directory = directory;
                if (directory) {
                    kept.size = static_cast<std::int32_t>(plan->directory.size());
                } else {
                    if (entry.Offset < 0 || entry.Size < 0
                        || static_cast<std::int64_t>(entry.Offset) + entry.Size > plan->sourceSize)
                        throw Failure(ErrorCode::BadPackage,
                            Phrase(VARNICK_PHRASE("ThumbnailPurge",
                                       "Resource %1 of %2 (type %3) at offset %4 with %5 bytes lies outside the file "
                                       "(%6 bytes)"),
                                { std::to_string(i + 1), std::to_string(count), simsIdToHex(entry.TypeID),
                                    std::to_string(entry.Offset), std::to_string(entry.Size),
                                    std::to_string(plan->sourceSize) }));
                    kept.sourceOffset = entry.Offset;
                    kept.size = entry.Size;
                }
                position += kept.size;
                plan->kept.push_back(kept);
            }
            index = {};
            const std::int64_t total = position + static_cast<std::int64_t>(plan->kept.size()) * kIndexEntryBytes;
            if (total > std::numeric_limits<std::int32_t>::max())
                throw Failure(ErrorCode::ResourceTooLarge,
                    Phrase(VARNICK_PHRASE("ThumbnailPurge",
                               "The rewritten %1 would grow past 2 GiB; offsets in a package are 32-bit"),
                        { cache.name }));
            cache.resourcesKept = static_cast<std::int64_t>(plan->kept.size());
            cache.bytesToWrite = total;
            mPlans[c] = std::move(plan);
        } catch (...) {
            cache.outcome = CacheOutcome::Failed;
            mResult.failure = std::current_exception();
            break;
        }
    }
}

ThumbnailPurge::~ThumbnailPurge() = default;

std::int64_t ThumbnailPurge::totalBytes() const
{
    std::int64_t total = 0;
    for (const CachePurge& cache : mResult.caches)
        total += cache.bytesToWrite;
    return total;
}

PurgeResult ThumbnailPurge::run(const PurgeOptions& options)
{
    PurgeResult result = mResult;
    const fs::path backupFolder
        = options.backupFolder.empty() ? userDataFolder() / "Thumbnail Backups" : options.backupFolder;
    const std::int64_t total = totalBytes();
    std::int64_t done = 0;
    std::unique_ptr<char[]> buffer;

    for (std::size_t c = 0; c < result.caches.size(); ++c) {
        CachePurge& cache = result.caches[c];
        if (cache.outcome == CacheOutcome::Missing)
            continue;
        if (cache.outcome != CacheOutcome::NotReached || !mPlans[c])
            break;
        const Plan& plan = *mPlans[c];
        const std::int64_t doneBefore = done;
        try {
            const auto step = [&](PurgeStep which) {
                if (options.beforeStepForTesting)
                    options.beforeStepForTesting(which, cache);
            };
            step(PurgeStep::WriteScratch);
            if (!buffer)
                buffer.reset(new char[kCopyChunk]);
            RawFile source(cache.file, RawFile::Mode::Read);
            if (!plan.stamp || fileStampOf(cache.file) != plan.stamp || source.size() != plan.sourceSize)
                changedOnDisk(cache);

            ScratchFile out(cache.file);
            out.writeBehind();
            const auto put = [&](const void* bytes, std::size_t size) {
                out.write(bytes, size);
                done += static_cast<std::int64_t>(size);
            };
            // Runs of kept resources that lie back to back in the old file are copied as one range.
            const auto copyRange = [&](std::int64_t from, std::int64_t size) {
                while (size > 0) {
                    if (options.cancel && options.cancel->load())
                        throw PurgeCancelled {};
                    const auto chunk = static_cast<std::size_t>(std::min(size, kCopyChunk));
                    source.readAt(from, buffer.get(), chunk);
                    put(buffer.get(), chunk);
                    from += static_cast<std::int64_t>(chunk);
                    size -= static_cast<std::int64_t>(chunk);
                    if (options.progress)
                        options.progress(done, total);
                }
            };

            const std::int64_t indexOffset
                = cache.bytesToWrite - static_cast<std::int64_t>(plan.kept.size()) * kIndexEntryBytes;
            const ByteString header = encodeHeader(static_cast<std::int32_t>(plan.kept.size()), indexOffset);
            put(header.data(), header.size());

            ByteString index;
            index.reserve(plan.kept.size() * kIndexEntryBytes);
            std::int64_t runFrom = 0;
            std::int64_t runSize = 0;
            for (const KeptEntry& kept : plan.kept) {
                index.append(kept.ids.data(), kept.ids.size());
                appendLong(index, static_cast<std::uint32_t>(out.size() + runSize));
                appendLong(index, static_cast<std::uint32_t>(kept.size));
                if (!kept.directory && runSize > 0 && runFrom + runSize == kept.sourceOffset) {
                    runSize += kept.size;
                    continue;
                }
                copyRange(runFrom, runSize);
                runSize = 0;
                if (kept.directory) {
                    put(plan.directory.data(), plan.directory.size());
                } else {
                    runFrom = kept.sourceOffset;
                    runSize = kept.size;
                }
            }
            copyRange(runFrom, runSize);
            put(index.data(), index.size());
            source.close();
            if (options.cancel && options.cancel->load())
                throw PurgeCancelled {};

            step(PurgeStep::KeepBackup);
            if (options.backups)
                cache.storedBackup = options.backups->keep(cache.file).value_or(fs::path());
            if (options.keepLastVersion)
                cache.backup = keepBackup(cache.file, backupFolder, cache.name);
            step(PurgeStep::ReplaceCache);
            if (fileStampOf(cache.file) != plan.stamp)
                changedOnDisk(cache);
            out.commit();
            cache.outcome = CacheOutcome::Purged;
            if (options.progress)
                options.progress(done, total);
        } catch (const PurgeCancelled&) {
            cache.outcome = CacheOutcome::Cancelled;
            cache.backup.clear();
            cache.storedBackup.clear();
            done = doneBefore;
            break;
        } catch (...) {
            cache.outcome = CacheOutcome::Failed;
            cache.backup.clear();
            cache.storedBackup.clear();
            result.failure = std::current_exception();
            break;
        }
    }
    return result;
}

PurgeResult purgeObjectThumbnails(const fs::path& dataFolder, std::string_view objectFile, const PurgeOptions& options)
{
    ThumbnailPurge purge(dataFolder / "Thumbnails", thumbnailKeyOf(objectFile));
    return purge.run(options);
}

} // namespace varnick
