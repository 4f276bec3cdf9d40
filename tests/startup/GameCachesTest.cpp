// Clearing the caches the game rebuilds: every cache goes to the backup store
// byte for byte before it leaves the data folder, and nothing else is touched.

#include "app/startup/core/GameCaches.h"
#include "tests/startup/GameFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace varnick {
namespace {

class GameCachesTest : public ::testing::Test {
protected:
    fs::path data() const { return mRoot.path() / "The Sims 2"; }
    fs::path backups() const { return mRoot.path() / "Backups"; }

    void SetUp() override
    {
        test::writeText(data() / "Groups.cache", "groups");
        test::writeText(data() / "accessory.CACHE", "accessories");
        test::writeText(data() / "Thumbnails" / "ObjectThumbnails.package", "objects");
        test::writeText(data() / "Thumbnails" / "CASThumbnails.package", "cas");
        test::writeText(data() / "DesignModeThumbnails.package", "design in the root");
        // Not caches: kept.
        test::writeText(data() / "Downloads" / "Groups.cache", "a download");
        test::writeText(data() / "Thumbnails" / "FamilyThumbnails.package", "families");
        test::writeText(data() / "Neighborhoods" / "N001" / "N001_Neighborhood.package", "a neighborhood");
    }

    test::TemporaryFolder mRoot;
};

TEST_F(GameCachesTest, listsTheCachesOfTheRootAndTheThumbnailsFolder)
{
    std::vector<std::string> names;
    for (const GameCacheFile& file : gameCacheFiles(data())) {
        std::string name = pathToUtf8(file.file.lexically_relative(data()));
        std::replace(name.begin(), name.end(), '\\', '/'); // Windows separators
        names.push_back(std::move(name));
    }
    EXPECT_EQ(names,
        (std::vector<std::string> { "Groups.cache", "accessory.CACHE", "DesignModeThumbnails.package",
            "Thumbnails/ObjectThumbnails.package", "Thumbnails/CASThumbnails.package" }));
    EXPECT_EQ(gameCacheFiles(data())[0].size, 6U);
    EXPECT_TRUE(gameCacheFiles(mRoot.path() / "missing").empty());
}

TEST_F(GameCachesTest, movesEveryCacheIntoTheBackupStoreEvenWhenAnOriginalIsKept)
{
    // A store that keeps the original alone, which already holds an older Groups.cache.
    const BackupStore store(backups(), BackupPolicy { 1, 30 });
    BackupStore(backups(), BackupPolicy { 1, 30 }).keep(data() / "Groups.cache");
    test::writeText(data() / "Groups.cache", "newest groups");

    std::vector<std::pair<std::size_t, std::size_t>> progress;
    const ClearedCaches cleared = clearGameCaches(
        data(), store, nullptr, [&](std::size_t done, std::size_t total) { progress.emplace_back(done, total); });
    ASSERT_EQ(cleared.moved.size(), 5U);
    EXPECT_TRUE(cleared.failed.empty());
    EXPECT_EQ(progress.back(), (std::pair<std::size_t, std::size_t> { 5, 5 }));
    for (const ClearedCaches::Moved& moved : cleared.moved) {
        EXPECT_FALSE(fs::exists(moved.file)) << moved.file;
        EXPECT_TRUE(fs::exists(moved.keptAs));
    }
    EXPECT_EQ(test::readFileBytes(cleared.moved[0].keptAs), "newest groups");
    EXPECT_EQ(cleared.moved[0].size, 13U);
    EXPECT_EQ(test::readFileBytes(cleared.moved[3].keptAs), "objects");
    EXPECT_EQ(store.generations(data() / "Groups.cache").size(), 2U);
    EXPECT_EQ(test::readFileBytes(data() / "Downloads" / "Groups.cache"), "a download");
    EXPECT_TRUE(fs::exists(data() / "Thumbnails" / "FamilyThumbnails.package"));
    EXPECT_TRUE(fs::exists(data() / "Neighborhoods" / "N001" / "N001_Neighborhood.package"));
    EXPECT_TRUE(gameCacheFiles(data()).empty());
}

TEST_F(GameCachesTest, cancelLeavesTheRestInPlace)
{
    std::atomic<bool> cancel { false };
    const ClearedCaches cleared
        = clearGameCaches(data(), BackupStore(backups()), &cancel, [&](std::size_t done, std::size_t) {
              if (done == 2)
                  cancel = true;
          });
    EXPECT_EQ(cleared.moved.size(), 2U);
    EXPECT_EQ(cleared.notReached.size(), 3U);
    EXPECT_EQ(gameCacheFiles(data()).size(), 3U);
}

TEST_F(GameCachesTest, aCacheThatCannotBeKeptStaysWhereItIs)
{
    // The backup folder's place is taken by a file: nothing can be kept, so nothing is removed.
    test::writeText(backups(), "not a folder");
    const ClearedCaches cleared = clearGameCaches(data(), BackupStore(backups()));
    EXPECT_TRUE(cleared.moved.empty());
    ASSERT_EQ(cleared.failed.size(), 5U);
    EXPECT_FALSE(cleared.failed[0].reason.empty());
    EXPECT_EQ(test::readFileBytes(data() / "Groups.cache"), "groups");
    EXPECT_EQ(test::readFileBytes(data() / "Thumbnails" / "ObjectThumbnails.package"), "objects");
}

#ifndef _WIN32
TEST_F(GameCachesTest, aCacheThatCannotBeRemovedIsReportedWithItsCopyKept)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    fs::permissions(data() / "Thumbnails", fs::perms::owner_write, fs::perm_options::remove);
    const ClearedCaches cleared = clearGameCaches(data(), BackupStore(backups()));
    fs::permissions(data() / "Thumbnails", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(cleared.moved.size(), 3U);
    ASSERT_EQ(cleared.failed.size(), 2U);
    EXPECT_NE(cleared.failed[0].reason.find("a copy is kept"), std::string::npos) << cleared.failed[0].reason;
    EXPECT_EQ(test::readFileBytes(data() / "Thumbnails" / "ObjectThumbnails.package"), "objects");
}
#endif

} // namespace
} // namespace varnick
