// The recolor finder and the details reader: which packages count as an
// object's recolors, the progress steps, skipped files, and the list order.
#include "app/recolors/core/RecolorSearch.h"
#include "app/recolors/core/FileMoves.h"
#include "package/base/Paths.h"
#include "tests/common/FailingFolderLister.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/recolors/RecolorFixtures.h"

#include <gtest/gtest.h>

#ifdef VARNICK_HAVE_DEMO
#include "tools/demo/DemoWorld.h"
#endif

#include <atomic>

using namespace varnick;
using namespace varnick::recolors;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kGuid = 0x8000ABCD; // negative as a signed number

std::vector<std::string> names(const std::vector<fs::path>& files, const fs::path& root)
{
    std::vector<std::string> out;
    for (const fs::path& file : files)
        out.push_back(pathToUtf8(file.lexically_relative(root).generic_string()));
    return out;
}

} // namespace

TEST(RecolorSearch, progressIsReportedAtMost24TimesWhateverTheCount)
{
    struct Case {
        int count;
        std::int32_t interval;
        std::vector<std::int32_t> steps;
    };
    std::vector<std::int32_t> every24(24);
    for (int i = 0; i < 24; ++i)
        every24[static_cast<std::size_t>(i)] = i + 1;
    std::vector<std::int32_t> even25;
    for (int i = 2; i <= 24; i += 2)
        even25.push_back(i);
    for (const Case& c : { Case { 0, 1, {} }, Case { 24, 1, every24 }, Case { 25, 2, even25 } }) {
        EXPECT_EQ(progressInterval(c.count), c.interval) << c.count;
        TemporaryFolder root;
        for (int i = 0; i < c.count; ++i)
            root.write("p" + std::to_string(100 + i) + ".package", objectPackage(1));
        std::vector<std::int32_t> steps;
        const RecolorSearchResult result = findRecolors(root.path(), 1, [&](std::int32_t done, std::int32_t count) {
            EXPECT_EQ(count, c.count);
            steps.push_back(done);
        });
        EXPECT_EQ(steps, c.steps) << c.count;
        EXPECT_TRUE(result.recolors.empty());
    }
}

TEST(RecolorSearch, findsOnlyRecolorsWhoseFirstMaterialOverrideNamesTheObject)
{
    TemporaryFolder root;
    const auto guidItem = [](double value) { return numberItem("objectGUID", value); };
    root.write("object.package", objectPackage(kGuid)); // the object itself names its GUID too
    root.write("plain.package", recolorOf(kGuid));
    root.write("second-only.package", recolorPackage({ { guidItem(7) }, { guidItem(kGuid) } }));
    root.write("first-of-two.package", recolorPackage({ { guidItem(kGuid) }, { guidItem(7) } }));
    root.write("twice.package", recolorPackage({ { guidItem(7), guidItem(kGuid) } }));
    root.write(
        "case.package", recolorPackage({ { numberItem("objectGuid", kGuid), numberItem("OBJECTGUID", kGuid) } }));
    root.write("signed.package", recolorPackage({ { guidItem(static_cast<std::int32_t>(kGuid)) } }));
    root.write("huge.package", recolorPackage({ { guidItem(1e300), guidItem(-1e300) } }));
    root.write("other.package", recolorOf(kGuid + 1));
    root.write("broken.package", "DBPF not really");
    root.write("notes.txt", recolorOf(kGuid));
    fs::create_directories(root.path() / "sub" / "deeper");
    root.write("sub/deeper/nested.package", recolorOf(kGuid));

    RecolorSearchResult result = findRecolors(root.path(), static_cast<std::int32_t>(kGuid));
    sortRecolors(result.recolors);
    EXPECT_EQ(names(result.recolors, root.path()),
        (std::vector<std::string> {
            "first-of-two.package", "plain.package", "signed.package", "sub/deeper/nested.package", "twice.package" }));
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skipped[0].file.filename(), "broken.package");
    EXPECT_FALSE(result.skipped[0].reason.empty());
    EXPECT_FALSE(result.cancelled);
}

TEST(RecolorSearch, aFolderThatCannotBeListedIsSkippedAndTheSearchGoesOn)
{
    TemporaryFolder root;
    fs::create_directories(root.path() / "locked");
    fs::create_directories(root.path() / "open");
    root.write("locked/hidden recolor.package", recolorOf(kGuid));
    root.write("open/found.package", recolorOf(kGuid));
    root.write("top.package", recolorOf(kGuid));
    const FailingFolderLister failing(root.path() / "locked");

    RecolorSearchResult result = findRecolors(root.path(), static_cast<std::int32_t>(kGuid));
    sortRecolors(result.recolors);
    EXPECT_EQ(names(result.recolors, root.path()), (std::vector<std::string> { "open/found.package", "top.package" }));
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skipped[0].file, root.path() / "locked");
    EXPECT_NE(result.skipped[0].reason.find("Permission denied"), std::string::npos);
    EXPECT_FALSE(result.cancelled);

    // The root itself unreadable: nothing found, the root listed as skipped.
    const FailingFolderLister failingRoot(root.path());
    result = findRecolors(root.path(), static_cast<std::int32_t>(kGuid));
    EXPECT_TRUE(result.recolors.empty());
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skipped[0].file, root.path());
}

TEST(RecolorSearch, sortsByFullPathInCodeUnitOrderAndStopsWhenCancelled)
{
    std::vector<fs::path> list { "/b/a.package", "/a/z.package", "/a/Z.package", "/a/y.package" };
    sortRecolors(list);
    EXPECT_EQ(list, (std::vector<fs::path> { "/a/Z.package", "/a/y.package", "/a/z.package", "/b/a.package" }));

    TemporaryFolder root;
    root.write("a.package", recolorOf(kGuid));
    const std::atomic<bool> cancel { true };
    const RecolorSearchResult result = findRecolors(root.path(), static_cast<std::int32_t>(kGuid), {}, &cancel);
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.recolors.empty());
}

TEST(RecolorDetails, showsTheLastOfEachExactlyNamedPropertyOfTheFirstOverride)
{
    TemporaryFolder root;
    const fs::path file = root.write("Blue Chair.package",
        recolorPackage({ { textItem("name", "first"), textItem("modelName", "chair"), textItem("name", "second"),
                             textItem("ModelName", "wrong case"), textItem("subsetName", "seat") },
            { textItem("name", "from the second override") } }));
    const RecolorDetails details = readRecolorDetails(pathToUtf8(file));
    EXPECT_EQ(details.title, "Selected Recolor Details - Blue Chair.package");
    EXPECT_EQ(pathFromUtf8(details.filePath), file.parent_path() / "");
    EXPECT_EQ(details.recolorName, "second");
    EXPECT_EQ(details.modelName, "chair");
    EXPECT_EQ(details.subsetName, "seat");

    const fs::path broken = root.write("broken.package", "DBPF");
    const RecolorDetails unread = readRecolorDetails(pathToUtf8(broken));
    EXPECT_EQ(unread.title, "Selected Recolor Details - broken.package");
    EXPECT_TRUE(unread.recolorName.empty() && unread.modelName.empty() && unread.subsetName.empty());
    EXPECT_EQ(readRecolorDetails("").title, "Selected Recolor Details - ");
}

#ifdef VARNICK_HAVE_DEMO
TEST(RecolorSearch, findsEveryRecolorOfTheDemoWorldsObjects)
{
    TemporaryFolder scratch;
    demo::DemoOptions options;
    options.output = scratch.path() / "world";
    options.packages = 40;
    const demo::DemoWorld world = demo::generateDemoWorld(options);
    const fs::path downloads = world.dataFolder / "Downloads";
    const RecolorSearchResult none = findRecolors(downloads, 0x7FFFFFF1);
    EXPECT_TRUE(none.recolors.empty());
    EXPECT_EQ(none.skipped.size(), static_cast<std::size_t>(world.count(demo::PackageKind::Damaged)));
    int checked = 0;
    for (const demo::GeneratedPackage& object : world.packages) {
        if (object.kind != demo::PackageKind::CatalogObject)
            continue;
        std::vector<std::string> expected;
        for (const demo::GeneratedPackage& recolor : world.packages) {
            if (recolor.kind == demo::PackageKind::Recolor && recolor.guid == object.guid
                && recolor.materialOverrides > 0)
                expected.push_back(pathToUtf8((downloads / recolor.file).lexically_normal()));
        }
        std::sort(expected.begin(), expected.end());
        RecolorSearchResult found = findRecolors(downloads, static_cast<std::int32_t>(object.guid));
        sortRecolors(found.recolors);
        std::vector<std::string> got;
        // The review folder's copies are the library review's fixture, checked with it.
        const std::string review = pathToUtf8((downloads / demo::kReviewFolder).lexically_normal());
        for (const fs::path& file : found.recolors) {
            const std::string text = pathToUtf8(file.lexically_normal());
            if (!text.starts_with(review))
                got.push_back(text);
        }
        EXPECT_EQ(got, expected) << object.title;
        checked += expected.empty() ? 0 : 1;
    }
    EXPECT_GT(checked, 0);
}
#endif
