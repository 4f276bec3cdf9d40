// The thumbnails of a page are resolved with one check of the cache file for
// changes: they are those single lookups give, and a cache the game or a purge
// replaced, damaged or deleted between pages is seen by the next page.
#include "app/browser/core/ObjectSummary.h"
#include "app/startup/ThumbnailCache.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

namespace fs = std::filesystem;
using namespace varnick;
using namespace varnick::test;

namespace {

const char* const kThumb = "AC2950C1";

struct Picture {
    std::string package;
    ByteString bytes;
};

ByteString jpeg(const std::string& what)
{
    return "\xFF\xD8\xFF\xE0 " + what;
}

// Writes a cache holding pictures and moves its modification time on by
// secondsLater, so a rewrite within the file system's time resolution is
// still a change.
void writeCache(const fs::path& file, const std::vector<Picture>& pictures, int secondsLater)
{
    PackageBuilder builder;
    int instance = 0;
    for (const Picture& picture : pictures) {
        char hex[9];
        std::snprintf(hex, sizeof hex, "%08X", ++instance);
        builder.add(kThumb, "00000000", hex, browser::thumbnailKeyFor(picture.package), picture.bytes);
    }
    const ByteString bytes = builder.build();
    {
        std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
    }
    fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(secondsLater));
}

// The pictures of a page as the thumbnail loader reads them.
std::vector<std::optional<ByteString>> readPage(const std::vector<browser::ThumbnailSource>& sources)
{
    browser::ThumbnailReader reader;
    std::vector<std::optional<ByteString>> pictures;
    for (const browser::ThumbnailSource& source : sources)
        pictures.push_back(reader.read(source));
    return pictures;
}

class ThumbnailPages : public ::testing::Test {
protected:
    TemporaryFolder dir;
    fs::path file = dir.path() / "ObjectThumbnails.package";
    ThumbnailCache cache;
    const std::vector<std::string> names { "Sofa.package", "Lamp.package", "Twice.package", "Absent.package" };

    // Resolves names as one page; expects one check of the file for it.
    std::vector<std::optional<ByteString>> page()
    {
        const std::size_t checks = cache.changeChecksForTesting();
        const std::vector<browser::ThumbnailSource> sources = browser::resolveThumbnails(cache, names);
        EXPECT_EQ(cache.changeChecksForTesting(), checks + 1);
        EXPECT_EQ(sources.size(), names.size());
        return readPage(sources);
    }
};

} // namespace

TEST_F(ThumbnailPages, aPageChecksTheCacheOnceAndFindsWhatSingleLookupsFind)
{
    writeCache(file,
        { { "Sofa.package", jpeg("sofa") }, { "Twice.package", jpeg("twice 1") }, { "Lamp.package", jpeg("lamp") },
            { "Twice.package", jpeg("twice 2") } },
        0);
    cache.load(file);
    const std::vector<std::optional<ByteString>> expected { jpeg("sofa"), jpeg("lamp"), std::nullopt, std::nullopt };
    EXPECT_EQ(page(), expected);

    std::vector<browser::ThumbnailSource> single;
    for (const std::string& name : names)
        single.push_back(browser::resolveThumbnail(cache, name));
    EXPECT_EQ(readPage(single), expected);
    const std::vector<browser::ThumbnailSource> together = browser::resolveThumbnails(cache, names);
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(together[i].cacheFile, single[i].cacheFile);
        ASSERT_EQ(together[i].matches.size(), single[i].matches.size());
        for (std::size_t m = 0; m < single[i].matches.size(); ++m)
            EXPECT_EQ(together[i].matches[m].Offset, single[i].matches[m].Offset);
    }
    EXPECT_TRUE(browser::resolveThumbnails(cache, {}).empty());
}

TEST_F(ThumbnailPages, theNextPageSeesTheCacheAsTheGameOrAPurgeLeftIt)
{
    writeCache(file, { { "Sofa.package", jpeg("sofa") }, { "Lamp.package", jpeg("lamp") } }, 0);
    cache.load(file);
    using Page = std::vector<std::optional<ByteString>>;
    EXPECT_EQ(page(), (Page { jpeg("sofa"), jpeg("lamp"), std::nullopt, std::nullopt }));

    // Rewritten: the sofa redrawn at another offset, the lamp purged, a new picture.
    writeCache(file, { { "Absent.package", jpeg("now present") }, { "Sofa.package", jpeg("sofa redrawn") } }, 3);
    EXPECT_EQ(page(), (Page { jpeg("sofa redrawn"), std::nullopt, std::nullopt, jpeg("now present") }));

    // Damaged: the page has no thumbnails and nothing throws.
    {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << "not a package at all, far too short";
    }
    fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(6));
    EXPECT_EQ(page(), Page(names.size()));
    EXPECT_EQ(page(), Page(names.size()));

    // Deleted by the player, then built anew by the game.
    fs::remove(file);
    EXPECT_EQ(page(), Page(names.size()));
    writeCache(file, { { "Lamp.package", jpeg("lamp again") } }, 9);
    EXPECT_EQ(page(), (Page { std::nullopt, jpeg("lamp again"), std::nullopt, std::nullopt }));
}

TEST_F(ThumbnailPages, aCacheNeverLoadedGivesEmptySourcesWithoutChecking)
{
    const std::vector<browser::ThumbnailSource> sources = browser::resolveThumbnails(cache, names);
    ASSERT_EQ(sources.size(), names.size());
    for (const browser::ThumbnailSource& source : sources)
        EXPECT_TRUE(source.matches.empty());
    EXPECT_EQ(cache.changeChecksForTesting(), std::size_t { 0 });
}
