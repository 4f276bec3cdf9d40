// The library review of the demo world lists exactly the problems the world
// was given: its damaged download, the orphan recolors, the GUID clash and
// the byte-identical copies, and nothing else (in particular not the recolor
// of a game object, which is sound only because the game's GUIDs are read).
#include "app/browser/core/PackageScan.h"
#include "app/health/core/HealthReport.h"
#include "app/health/index/LibraryIndex.h"
#include "app/health/index/LibraryScan.h"
#include "package/base/Paths.h"
#include "tools/demo/DemoWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace fs = std::filesystem;
using namespace varnick;
using namespace varnick::demo;
using namespace varnick::health;

namespace {

struct Findings {
    std::vector<std::string> Broken;
    std::vector<std::pair<std::string, std::uint32_t>> Orphans;
    std::vector<std::pair<std::uint32_t, std::vector<std::string>>> Clashes;
    std::vector<std::vector<std::string>> Duplicates;
    bool operator==(const Findings&) const = default;
};

void PrintTo(const Findings& f, std::ostream* out)
{
    *out << "broken:";
    for (const auto& file : f.Broken)
        *out << " " << file;
    *out << "\norphans:";
    for (const auto& [file, guid] : f.Orphans)
        *out << " " << file << "=" << guidText(guid);
    *out << "\nclashes:";
    for (const auto& [guid, files] : f.Clashes) {
        *out << " " << guidText(guid);
        for (const auto& file : files)
            *out << " " << file;
    }
    *out << "\nduplicates:";
    for (const auto& files : f.Duplicates)
        for (const auto& file : files)
            *out << " " << file;
}

Findings findingsOf(const HealthReport& report)
{
    Findings f;
    for (const BrokenPackage& row : report.Broken)
        f.Broken.push_back(row.File);
    for (const OrphanRecolor& row : report.Orphans)
        f.Orphans.emplace_back(row.File, row.Guid);
    for (const GuidClash& row : report.Clashes) {
        EXPECT_FALSE(row.GameObject);
        f.Clashes.emplace_back(row.Guid, row.Files);
    }
    for (const DuplicateSet& row : report.Duplicates)
        f.Duplicates.push_back(row.Files);
    return f;
}

} // namespace

TEST(DemoWorldHealth, theReviewListsExactlyTheProblemsTheWorldWasGiven)
{
    const fs::path folder
        = fs::temp_directory_path() / ("varnick-demo-health-" + std::to_string(std::random_device {}())) / "world";
    fs::create_directories(folder.parent_path());
    DemoOptions options;
    options.Output = folder;
    options.Seed = 7;
    const DemoWorld world = generateDemoWorld(options);
    const fs::path downloads = world.DataFolder / "Downloads";
    const auto full = [&](const fs::path& relative) { return pathToUtf8(downloads / relative); };

    // What the world says is wrong with it.
    Findings expected;
    for (const GeneratedPackage& p : world.Packages)
        if (p.Kind == demo::PackageKind::Damaged)
            expected.Broken.push_back(full(p.File));
    std::string gameRecolor;
    for (const ReviewCase& c : world.ReviewCases) {
        switch (c.Kind) {
        case ReviewKind::OrphanRecolor:
            expected.Orphans.emplace_back(full(c.File), c.Guid);
            break;
        case ReviewKind::GuidClash:
            expected.Clashes.push_back({ c.Guid, { full(c.Original), full(c.File) } });
            break;
        case ReviewKind::Duplicate:
            expected.Duplicates.push_back({ full(c.Original), full(c.File) });
            break;
        case ReviewKind::GameObjectRecolor:
            gameRecolor = full(c.File);
            EXPECT_NE(std::find(world.GameObjectGuids.begin(), world.GameObjectGuids.end(), c.Guid),
                world.GameObjectGuids.end());
            break;
        }
    }
    ASSERT_EQ(expected.Broken.size(), 1u);
    ASSERT_EQ(expected.Orphans.size(), 2u);
    ASSERT_EQ(expected.Clashes.size(), 1u);
    ASSERT_EQ(expected.Duplicates.size(), 2u);
    ASSERT_FALSE(gameRecolor.empty());
    for (auto& files : expected.Duplicates)
        std::sort(files.begin(), files.end());
    for (auto& [guid, files] : expected.Clashes)
        std::sort(files.begin(), files.end());
    std::sort(expected.Orphans.begin(), expected.Orphans.end());
    std::sort(expected.Duplicates.begin(), expected.Duplicates.end());

    // The review with the game's install folder, then without it: the
    // recolor of the game's object is then an orphan too.
    for (const bool withGame : { true, false }) {
        SCOPED_TRACE(withGame ? "with the game" : "without the game");
        LibraryIndex index({});
        ScanOptions scan;
        scan.Root = downloads;
        scan.GameFolder = withGame ? world.InstallFolder : fs::path();
        const ScanResult result = scanLibrary(index, scan);
        EXPECT_EQ(result.Records.size(), world.Packages.size() + world.ReviewCases.size());
        Findings want = expected;
        if (!withGame) {
            const ReviewCase& c = *std::find_if(world.ReviewCases.begin(), world.ReviewCases.end(),
                [](const ReviewCase& r) { return r.Kind == ReviewKind::GameObjectRecolor; });
            want.Orphans.emplace_back(gameRecolor, c.Guid);
            std::sort(want.Orphans.begin(), want.Orphans.end());
        }
        const HealthReport report = analyseLibrary(downloads, result.Records, result.GameGuids, {}, result.Sims2Packs);
        EXPECT_EQ(findingsOf(report), want);
        // The two Sims2Pack files waiting in New Downloads, which the game does not read.
        std::vector<std::string> sims2Packs;
        for (const GeneratedSims2Pack& archive : world.Sims2Packs)
            sims2Packs.push_back(pathToUtf8(downloads / archive.File));
        std::sort(sims2Packs.begin(), sims2Packs.end());
        ASSERT_EQ(report.Sims2Packs.size(), 2u);
        for (std::size_t i = 0; i < report.Sims2Packs.size(); ++i) {
            EXPECT_EQ(report.Sims2Packs[i].File, sims2Packs[i]);
            EXPECT_EQ(report.Sims2Packs[i].Reason, "The game does not read Sims2Pack files; install them.");
        }
        // The damaged download's reason is the one the browser's folder scan gives.
        const fs::path damaged = pathFromUtf8(report.Broken.at(0).File);
        const browser::ScanResult scanned = browser::scanFolder(damaged.parent_path());
        ASSERT_EQ(scanned.Skipped.size(), 1u);
        EXPECT_EQ(scanned.Skipped[0].Reason, report.Broken[0].Reason);
    }
    std::error_code ignored;
    fs::remove_all(folder.parent_path(), ignored);
}
