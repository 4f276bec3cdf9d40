// The purge of an object's pictures from the game's two thumbnail caches:
// what goes, what stays byte for byte, refusals, failures at every step of
// the rewrite, the backup, the program's own cache afterwards, and the
// varnick-cli companion.
#include "app/recolors/core/ThumbnailPurge.h"

#include "app/backups/core/OriginalRestore.h"
#include "app/startup/ThumbnailCache.h"
#include "package/BinarySupport.h"
#include "package/Crc24.h"
#include "package/PackageReader.h"
#include "package/base/ErrorTrap.h"
#include "package/base/FileReplace.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "tests/common/CliRunner.h"
#include "tests/common/FailsWith.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

using namespace varnick;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

const char* const kThumb = "AC2950C1";
const char* const kDirectory = "E86B1EEF";

std::string keyOf(const std::string& title)
{
    return thumbnailKeyText(title);
}

// A 20-byte directory record.
ByteString record(const char* type, const std::string& instance, const std::string& resource, std::uint32_t size)
{
    return storedId(type) + storedId("FFFFFFFF") + storedId(instance) + storedId(resource) + le32(size);
}

// A cache as the game leaves it: pictures of "Blue Sofa" (a thumbnail and a
// second resource type, both in the directory) among those of other objects,
// one of them stored compressed, resources stored out of order with gaps,
// and the directory in the middle.
struct CacheShape {
    int directories = 1;
    bool withSofa = true;
};

ByteString cacheBytes(const CacheShape& shape, const std::string& sofaTitle = "blue sofa")
{
    const std::string sofa = keyOf(sofaTitle);
    const std::string lamp = keyOf("red lamp");
    const std::string chair = keyOf("old chair");
    const ByteString compressed = ByteString("\x20\x00\x00\x00\x10\xFB\x00\x00\x30", 9) + "compressed lamp picture";
    PackageBuilder builder;
    builder.gapBetweenResources(7).reverseStorage();
    builder.add(kThumb, "FFFFFFFF", "00000001", lamp, compressed);
    if (shape.withSofa)
        builder.add(kThumb, "FFFFFFFF", "00000002", sofa, "sofa picture");
    builder.add(kThumb, "FFFFFFFF", "00000003", chair, "chair picture");
    ByteString directory = record(kThumb, "00000001", lamp, 48);
    if (shape.withSofa)
        directory += record("2C43CBD4", "00000004", sofa, 99);
    for (int d = 0; d < shape.directories; ++d)
        builder.add(kDirectory, "E86B1EEF", "286B1F03", "00000000", directory);
    if (shape.withSofa)
        builder.add("2C43CBD4", "FFFFFFFF", "00000004", sofa, "sofa shape");
    builder.add(kThumb, "FFFFFFFF", "00000005", keyOf("lamp"), "other lamp picture");
    return builder.build();
}

struct Fixture {
    TemporaryFolder dir;
    fs::path data = dir.path() / "The Sims 2";
    fs::path thumbnails = data / "Thumbnails";
    fs::path backups = dir.path() / "backups";
    fs::path objectCache = thumbnails / "ObjectThumbnails.package";
    fs::path designCache = thumbnails / "DesignModeThumbnails.package";

    Fixture(const CacheShape& object = {}, const CacheShape& design = {}, bool designExists = true)
    {
        fs::create_directories(thumbnails);
        writeFile(objectCache, cacheBytes(object));
        if (designExists)
            writeFile(designCache, cacheBytes(design));
    }
    static void writeFile(const fs::path& file, ByteView bytes)
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    PurgeResult purge(const std::string& objectFile, PurgeOptions options = {})
    {
        options.backupFolder = backups;
        return purgeObjectThumbnails(data, objectFile, options);
    }
    // Only the two caches are left in the folder: no scratch files.
    std::size_t filesInThumbnails() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(thumbnails), fs::directory_iterator()));
    }
};

// The resources of a package as (type, resource, bytes), in index order.
std::vector<std::string> contents(const fs::path& file)
{
    std::vector<std::string> result;
    for (const PackageResource& r : readPackage(file).Files)
        result.push_back(simsIdToHex(r.TypeID) + " " + simsIdToHex(r.ResourceID) + " " + r.Data);
    return result;
}

std::string entry(const char* type, const std::string& resource, ByteView data)
{
    return std::string(type) + " " + resource + " " + std::string(data);
}

TEST(ThumbnailPurge, removesEveryResourceUnderTheKeyAndKeepsTheRestAsStored)
{
    // Letter case, extension and folder of the object file do not change the key.
    for (const std::string objectFile :
        { "Blue Sofa.package", "BLUE SOFA.package", "downloads/sub/blue sofa.bak", "Blue Sofa" }) {
        SCOPED_TRACE(objectFile);
        Fixture fixture;
        const PurgeResult result = fixture.purge(objectFile);
        ASSERT_FALSE(result.failure);
        ASSERT_TRUE(result.changed());
        for (const fs::path& cache : { fixture.objectCache, fixture.designCache }) {
            const PackageFile pkg = readPackage(cache);
            EXPECT_EQ(pkg.IndexMinorVersion, 2);
            EXPECT_EQ(pkg.MajorVersion, 1);
            EXPECT_EQ(pkg.HoleCount, 0);
            const ByteString compressed
                = ByteString("\x20\x00\x00\x00\x10\xFB\x00\x00\x30", 9) + "compressed lamp picture";
            EXPECT_EQ(contents(cache),
                (std::vector<std::string> { entry(kThumb, keyOf("red lamp"), compressed),
                    entry(kThumb, keyOf("old chair"), "chair picture"),
                    entry(kDirectory, "00000000", record(kThumb, "00000001", keyOf("red lamp"), 48)),
                    entry(kThumb, keyOf("lamp"), "other lamp picture") }));
        }
        for (const CachePurge& cache : result.caches) {
            EXPECT_EQ(cache.outcome, CacheOutcome::Purged);
            EXPECT_EQ(cache.resourcesRemoved, 2);
            EXPECT_EQ(cache.directoryRecordsRemoved, 1);
            EXPECT_EQ(cache.resourcesKept, 4);
        }
        EXPECT_EQ(fixture.filesInThumbnails(), 2u);
    }
}

TEST(ThumbnailPurge, findsKeysBelow0x100000AndRewritesCachesWithoutTheObject)
{
    // A title whose checksum has a leading zero digit.
    std::string title;
    for (int n = 0; title.empty(); ++n) {
        const std::string candidate = "object " + std::to_string(n);
        if (gflngCRC24OfString(candidate) < 0x100000)
            title = candidate;
    }
    ASSERT_EQ(keyOf(title).substr(0, 3), "7F0");
    Fixture fixture;
    Fixture::writeFile(fixture.objectCache, cacheBytes({}, title));
    PurgeResult result = fixture.purge(title + ".package");
    EXPECT_EQ(result.caches[0].resourcesRemoved, 2);
    EXPECT_EQ(result.caches[1].resourcesRemoved, 0); // the design cache files the sofa's key instead
    EXPECT_EQ(contents(fixture.objectCache).size(), 4u);

    // An object in neither cache: both are rewritten with every resource.
    const std::vector<std::string> before = contents(fixture.designCache);
    result = fixture.purge("nowhere.package");
    ASSERT_TRUE(result.changed());
    EXPECT_EQ(result.caches[1].outcome, CacheOutcome::Purged);
    EXPECT_EQ(result.caches[1].resourcesRemoved + result.caches[1].directoryRecordsRemoved, 0);
    EXPECT_EQ(contents(fixture.designCache), before);
}

TEST(ThumbnailPurge, refusesACorruptCacheAndSkipsAMissingOne)
{
    {
        // Two directories in the design cache: the object cache is purged first.
        Fixture fixture({}, CacheShape { 2, true });
        const ByteString design = readFileBytes(fixture.designCache);
        const PurgeResult result = fixture.purge("blue sofa.package");
        EXPECT_EQ(result.caches[0].outcome, CacheOutcome::Purged);
        ASSERT_NE(result.corrupt(), nullptr);
        EXPECT_EQ(
            result.corrupt()->corruptMessage(), "DesignModeThumbnails.package is corrupt!!!\r\n\r\nOperation aborted.");
        EXPECT_EQ(readFileBytes(fixture.designCache), design);
        EXPECT_EQ(contents(fixture.objectCache).size(), 4u);
    }
    {
        // No directory in the object cache: nothing is changed at all.
        Fixture fixture(CacheShape { 0, true });
        const ByteString object = readFileBytes(fixture.objectCache);
        const ByteString design = readFileBytes(fixture.designCache);
        const PurgeResult result = fixture.purge("blue sofa.package");
        EXPECT_FALSE(result.changed());
        EXPECT_EQ(
            result.corrupt()->corruptMessage(), "ObjectThumbnails.package is corrupt!!!\r\n\r\nOperation aborted.");
        EXPECT_EQ(result.caches[1].outcome, CacheOutcome::NotReached);
        EXPECT_EQ(readFileBytes(fixture.objectCache), object);
        EXPECT_EQ(readFileBytes(fixture.designCache), design);
    }
    {
        // A missing cache is skipped: not an error.
        Fixture fixture({}, {}, false);
        const PurgeResult result = fixture.purge("blue sofa.package");
        EXPECT_FALSE(result.failure);
        EXPECT_EQ(result.caches[0].outcome, CacheOutcome::Purged);
        EXPECT_EQ(result.caches[1].outcome, CacheOutcome::Missing);
        EXPECT_FALSE(fs::exists(fixture.designCache));
    }
}

TEST(ThumbnailPurge, aFailureAtAnyStepLeavesBothCachesWhole)
{
    const std::int64_t objectBytes = [] {
        Fixture probe;
        return ThumbnailPurge(probe.thumbnails, thumbnailKeyOf("blue sofa")).plan().caches[0].bytesToWrite;
    }();
    struct Case {
        const char* what;
        std::int64_t failWritesAfter; // -1: off
        bool failRename;
        int throwAtCache; // -1: none
        PurgeStep throwAt;
        bool objectPurged; // the failure hit the design cache
    };
    const Case cases[] = {
        { "disk full at once", 0, false, -1, PurgeStep::WriteScratch, false },
        { "disk full after the header", 96, false, -1, PurgeStep::WriteScratch, false },
        { "disk full in the resources", 120, false, -1, PurgeStep::WriteScratch, false },
        { "disk full at the last byte", objectBytes - 1, false, -1, PurgeStep::WriteScratch, false },
        { "disk full in the design cache", objectBytes + 100, false, -1, PurgeStep::WriteScratch, true },
        { "renames fail", -1, true, -1, PurgeStep::WriteScratch, false },
        { "backup fails", -1, false, 0, PurgeStep::KeepBackup, false },
        { "replacing the object cache fails", -1, false, 0, PurgeStep::ReplaceCache, false },
        { "replacing the design cache fails", -1, false, 1, PurgeStep::ReplaceCache, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture fixture;
        const ByteString object = readFileBytes(fixture.objectCache);
        const ByteString design = readFileBytes(fixture.designCache);
        PurgeOptions options;
        options.beforeStepForTesting = [&](PurgeStep step, const CachePurge& cache) {
            if (c.throwAtCache >= 0 && step == c.throwAt && cache.name == kThumbnailCacheNames[c.throwAtCache])
                throw Failure(ErrorCode::FileWriteFailed, "simulated");
        };
        RawFile::failWritesAfterForTesting(c.failWritesAfter);
        failRenameForTesting(c.failRename);
        const PurgeResult result = fixture.purge("blue sofa.package", options);
        RawFile::failWritesAfterForTesting(-1);
        failRenameForTesting(false);

        ASSERT_TRUE(result.failure);
        EXPECT_EQ(result.changed(), c.objectPurged);
        EXPECT_EQ(result.caches[c.objectPurged ? 1 : 0].outcome, CacheOutcome::Failed);
        if (c.objectPurged)
            EXPECT_EQ(contents(fixture.objectCache).size(), 4u);
        else
            EXPECT_EQ(readFileBytes(fixture.objectCache), object);
        EXPECT_EQ(readFileBytes(fixture.designCache), design);
        EXPECT_EQ(fixture.filesInThumbnails(), 2u);
    }
}

// The game rewrites its caches while it runs, often to the same length: a
// cache whose size or modification time changed since the plan is left with
// the game's change, whether the change came before the purge began or while
// its scratch file was written.
TEST(ThumbnailPurge, aCacheChangedOnDiskSinceThePlanIsLeftWithItsChange)
{
    for (const PurgeStep when : { PurgeStep::WriteScratch, PurgeStep::KeepBackup, PurgeStep::ReplaceCache }) {
        SCOPED_TRACE(static_cast<int>(when));
        Fixture fixture;
        ThumbnailPurge purge(fixture.thumbnails, thumbnailKeyOf("blue sofa"));
        ByteString changed = readFileBytes(fixture.objectCache);
        changed[changed.size() - 1] ^= 0x55; // same length, other bytes
        const auto change = [&] {
            const fs::file_time_type before = fs::last_write_time(fixture.objectCache);
            Fixture::writeFile(fixture.objectCache, changed);
            fs::last_write_time(fixture.objectCache, before + std::chrono::seconds(2));
        };
        PurgeOptions options;
        options.backupFolder = fixture.backups;
        options.beforeStepForTesting = [&](PurgeStep step, const CachePurge& cache) {
            if (step == when && cache.name == kThumbnailCacheNames[0])
                change();
        };
        const PurgeResult result = purge.run(options);
        EXPECT_EQ(result.caches[0].outcome, CacheOutcome::Failed);
        EXPECT_FALSE(result.changed());
        EXPECT_FAILS_WITH(result.rethrowFailure(), "changed on disk");
        EXPECT_EQ(readFileBytes(fixture.objectCache), changed);
        EXPECT_EQ(fixture.filesInThumbnails(), 2u);
    }
}

TEST(ThumbnailPurge, keepsThePreviousVersionOfEachCacheOneGeneration)
{
    Fixture fixture;
    const ByteString object = readFileBytes(fixture.objectCache);
    PurgeResult result = fixture.purge("blue sofa.package");
    EXPECT_EQ(result.caches[0].backup, fixture.backups / "ObjectThumbnails.package");
    EXPECT_EQ(readFileBytes(fixture.backups / "ObjectThumbnails.package"), object);
    EXPECT_TRUE(fs::exists(fixture.backups / "DesignModeThumbnails.package"));

    // The next purge keeps the cache as the first one left it.
    const ByteString purged = readFileBytes(fixture.objectCache);
    result = fixture.purge("red lamp.package");
    EXPECT_EQ(readFileBytes(fixture.backups / "ObjectThumbnails.package"), purged);
    EXPECT_EQ(std::distance(fs::directory_iterator(fixture.backups), fs::directory_iterator()), 2);

    // Cancelling leaves the cache and its backup as they were.
    const ByteString current = readFileBytes(fixture.objectCache);
    std::atomic<bool> cancel { true };
    PurgeOptions options;
    options.cancel = &cancel;
    result = fixture.purge("old chair.package", options);
    EXPECT_TRUE(result.cancelled());
    EXPECT_FALSE(result.changed());
    EXPECT_EQ(readFileBytes(fixture.objectCache), current);
    EXPECT_EQ(readFileBytes(fixture.backups / "ObjectThumbnails.package"), purged);
}

TEST(ThumbnailPurge, keepsEachCachesOriginalInTheBackupStoreToBeRestored)
{
    Fixture fixture;
    const ByteString object = readFileBytes(fixture.objectCache);
    const ByteString design = readFileBytes(fixture.designCache);
    BackupStore store(fixture.dir.path() / "store", BackupPolicy { 1, 30 });
    PurgeOptions options;
    options.backups = &store;
    const PurgeResult first = fixture.purge("blue sofa.package", options);
    ASSERT_TRUE(first.changed());
    const ByteString purged = readFileBytes(fixture.objectCache);
    // The second purge leaves the first original in the store, the last version beside it.
    ASSERT_TRUE(fixture.purge("red lamp.package", options).changed());
    EXPECT_EQ(first.caches[0].storedBackup, store.generations(fixture.objectCache).front().file);
    EXPECT_EQ(readFileBytes(store.generations(fixture.objectCache).front().file), object);
    EXPECT_EQ(readFileBytes(store.generations(fixture.designCache).front().file), design);
    EXPECT_EQ(readFileBytes(fixture.backups / "ObjectThumbnails.package"), purged);

    OriginalRestore restore(store, fixture.objectCache);
    ASSERT_TRUE(restore.available());
    restore.restore();
    EXPECT_EQ(readFileBytes(fixture.objectCache), object);
    ThumbnailCache cache;
    cache.load(fixture.objectCache);
    EXPECT_TRUE(cache.uniqueThumbnail(thumbnailKeyOf("blue sofa")));

    // A store that cannot be written stops the purge with the cache as it was; without backups none is kept.
    Fixture other;
    const ByteString before = readFileBytes(other.objectCache);
    Fixture::writeFile(other.dir.path() / "not a folder", "x");
    BackupStore blocked(other.dir.path() / "not a folder");
    options.backups = &blocked;
    const PurgeResult failed = other.purge("blue sofa.package", options);
    EXPECT_EQ(failed.caches[0].outcome, CacheOutcome::Failed);
    EXPECT_EQ(readFileBytes(other.objectCache), before);
    options.backups = nullptr;
    options.keepLastVersion = false;
    const PurgeResult bare = other.purge("blue sofa.package", options);
    EXPECT_TRUE(bare.changed());
    EXPECT_TRUE(bare.caches[0].backup.empty());
    EXPECT_FALSE(fs::exists(other.backups));
}

TEST(ThumbnailPurge, theProgramsCacheShowsThePurgedStateAfterItsReload)
{
    Fixture fixture;
    ThumbnailCache cache;
    cache.load(fixture.objectCache);
    ASSERT_TRUE(cache.uniqueThumbnail(thumbnailKeyOf("blue sofa")));
    const std::int64_t totalProgress = ThumbnailPurge(fixture.thumbnails, thumbnailKeyOf("blue sofa")).totalBytes();
    std::int64_t lastDone = -1;
    PurgeOptions options;
    options.progress = [&](std::int64_t done, std::int64_t total) {
        EXPECT_EQ(total, totalProgress);
        EXPECT_GE(done, lastDone);
        lastDone = done;
    };
    ASSERT_TRUE(fixture.purge("blue sofa.package", options).changed());
    EXPECT_EQ(lastDone, totalProgress);

    // The cache notices the new file on its own, and an explicit reload gives the same.
    EXPECT_FALSE(cache.uniqueThumbnail(thumbnailKeyOf("blue sofa")));
    EXPECT_EQ(cache.uniqueThumbnail(thumbnailKeyOf("old chair")), ByteString("chair picture"));
    cache.reload();
    EXPECT_FALSE(cache.uniqueThumbnail(thumbnailKeyOf("blue sofa")));
    EXPECT_EQ(cache.uniqueThumbnail(thumbnailKeyOf("old chair")), ByteString("chair picture"));
}

TEST(ThumbnailPurge, commandLinePrintsTheCountsAndRefusesACorruptCache)
{
    Fixture fixture({}, CacheShape { 2, true });
    const ByteString design = readFileBytes(fixture.designCache);
    CliRun last;
    const auto run = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "purge-thumbnails");
        last = runCli(arguments, { { "VARNICK_USER_DATA_DIR", pathToUtf8(fixture.backups) } });
        return last.status;
    };
    const ByteString object = readFileBytes(fixture.objectCache);
    const fs::path store = fixture.dir.path() / "store";
    EXPECT_EQ(
        run({ "Blue Sofa.package", "--data", pathToUtf8(fixture.data), "--backup-folder", pathToUtf8(store) }), 1);
    EXPECT_EQ(readFileBytes(BackupStore(store).generations(fixture.objectCache).front().file), object);
    EXPECT_EQ(last.out, "ObjectThumbnails.package: 2\n");
    EXPECT_EQ(last.err, "DesignModeThumbnails.package is corrupt!!!\n\nOperation aborted.\n");
    EXPECT_EQ(readFileBytes(fixture.designCache), design);

    fs::remove(fixture.designCache);
    EXPECT_EQ(run({ "Red Lamp.package", "--data", pathToUtf8(fixture.data) }), 0);
    EXPECT_EQ(last.out, "ObjectThumbnails.package: 1\nDesignModeThumbnails.package: not found\n");
    EXPECT_TRUE(fs::exists(fixture.backups / "Thumbnail Backups" / "ObjectThumbnails.package"));
    EXPECT_TRUE(BackupStore(fixture.backups / "Backups").hasOriginal(fixture.objectCache));

    // --no-backup: neither the store nor the last version is written.
    const ByteString lastVersion = readFileBytes(fixture.backups / "Thumbnail Backups" / "ObjectThumbnails.package");
    EXPECT_EQ(run({ "Old Chair.package", "--no-backup", "--backup-folder", pathToUtf8(fixture.dir.path() / "none"),
                  "--data", pathToUtf8(fixture.data) }),
        0);
    EXPECT_EQ(readFileBytes(fixture.backups / "Thumbnail Backups" / "ObjectThumbnails.package"), lastVersion);
    EXPECT_FALSE(fs::exists(fixture.dir.path() / "none"));
}

} // namespace
