// A page of thumbnails read through one ThumbnailReader (the cache file open
// once for the page) gives exactly what reading each thumbnail alone gives,
// also when the page's sources name other cache files, missing files or
// entries that lie outside their file.
#include "app/browser/core/ObjectSummary.h"
#include "package/PackageReader.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

using namespace varnick;
using namespace varnick::test;

namespace {

const char* const kThumb = "AC2950C1";

ByteString picture(const std::string& cache, int n)
{
    return "\xFF\xD8\xFF\xE0 " + cache + " thumbnail " + std::to_string(n) + std::string(std::size_t(n) * 17, 'p');
}

// A cache of three thumbnails; its sources, one per entry.
std::vector<browser::ThumbnailSource> writeCache(const TemporaryFolder& dir, const std::string& name)
{
    PackageBuilder builder;
    for (int n = 1; n <= 3; ++n)
        builder.add(kThumb, "00000000", "0000000" + std::to_string(n), "7F00000" + std::to_string(n), picture(name, n));
    const std::filesystem::path file = dir.write(name + ".package", builder.build());
    std::vector<browser::ThumbnailSource> sources;
    for (const IndexEntry& entry : readPackageIndex(file).entries)
        sources.push_back({ file, { entry } });
    return sources;
}

} // namespace

TEST(ThumbnailReader, aPageReadThroughOneReaderGivesWhatEachReadAloneGives)
{
    TemporaryFolder dir;
    const auto first = writeCache(dir, "first");
    const auto second = writeCache(dir, "second");
    browser::ThumbnailSource outside = first[1];
    outside.matches.front().Offset = 1 << 30;
    browser::ThumbnailSource missing = first[0];
    missing.cacheFile = dir.path() / "gone.package";
    browser::ThumbnailSource twice = first[0];
    twice.matches.push_back(first[2].matches.front());

    const struct {
        browser::ThumbnailSource source;
        std::optional<ByteString> expected;
    } page[] = {
        { first[0], picture("first", 1) },
        { first[2], picture("first", 3) },
        { second[1], picture("second", 2) }, // another file: opened in its turn
        { first[1], picture("first", 2) }, // and back
        { outside, std::nullopt },
        { first[0], picture("first", 1) }, // a bad entry does not spoil the open file
        { missing, std::nullopt },
        { second[2], picture("second", 3) },
        { twice, std::nullopt }, // only a thumbnail filed once is shown
        { browser::ThumbnailSource {}, std::nullopt },
    };
    browser::ThumbnailReader reader;
    for (std::size_t i = 0; i < std::size(page); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(reader.read(page[i].source), page[i].expected);
        EXPECT_EQ(browser::readThumbnail(page[i].source), page[i].expected);
    }
}
