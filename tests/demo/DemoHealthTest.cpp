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
    std::vector<std::string> broken;
    std::vector<std::pair<std::string, std::uint32_t>> orphans;
    std::vector<std::pair<std::uint32_t, std::vector<std::string>>> clashes;
    std::vector<std::vector<std::string>> duplicates;
    bool operator==(const Findings&) const = default;
};

void PrintTo(const Findings& f, std::ostream* out)
{
    *out << "broken:";
    for (const auto& file : f.broken)
        *out << " " << file;
    *out << "\norphans:";
    for (const auto& [file, guid] : f.orphans)
        *out << " " << file << "=" << guidText(guid);
    *out << "\nclashes:";
    for (const auto& [guid, files] : f.clashes) {
        *out << " " << guidText(guid);
        for (const auto& file : files)
            *out << " " << file;
    }
    *out << "\nduplicates:";
    for (const auto& files : f.duplicates)
        for (const auto& file : files)
            *out << " " << file;
}

Findings findingsOf(const HealthReport& report)
{
    Findings f;
    for (const BrokenPackage& row : report.broken)
        f.broken.push_back(row.file);
    for (const OrphanRecolor& row : report.orphans)
        f.orphans.emplace_back(row.file, row.guid);
    for (const GuidClash& row : report.clashes) {
        EXPECT_FALSE(row.gameObject);
        f.clashes.emplace_back(row.guid, row.files);
    }
    for (const DuplicateSet& row : report.duplicates)
        f.duplicates.push_back(row.files);
    return f;
}

} // namespace

TEST(DemoWorldHealth, theReviewListsExactlyTheProblemsTheWorldWasGiven)
{
    const fs::path folder
        = fs::temp_directory_path() / ("varnick-demo-health-" + std::to_string(std::random_device {}())) / "world";
    fs::create_directories(folder.parent_path());
    DemoOptions options;
    options.output = folder;
    options.seed = 7;
    const DemoWorld world = generateDemoWorld(options);
    const fs::path downloads = world.dataFolder / "Downloads";
    const auto full = [&](const fs::path& relative) { return pathToUtf8(downloads / relative); };

    // What the world says is wrong with it.
    Findings expected;
    for (const GeneratedPackage& p : world.packages)
        if (p.kind == demo::PackageKind::Damaged)
            expected.broken.push_back(full(p.file));
    std::string gameRecolor;
    for (const ReviewCase& c : world.reviewCases) {
        switch (c.kind) {
        case ReviewKind::OrphanRecolor:
            expected.orphans.emplace_back(full(c.file), c.guid);
            break;
        case ReviewKind::GuidClash:
            expected.clashes.push_back({ c.guid, { full(c.original), full(c.file) } });
            break;
        case ReviewKind::Duplicate:
            expected.duplicates.push_back({ full(c.original), full(c.file) });
            break;
        case ReviewKind::GameObjectRecolor:
            gameRecolor = full(c.file);
            EXPECT_NE(std::find(world.gameObjectGuids.begin(), world.gameObjectGuids.end(), c.guid),
                world.gameObjectGuids.end());
            break;
        }
    }
    ASSERT_EQ(expected.broken.size(), 1u);
    ASSERT_EQ(expected.orphans.size(), 2u);
    ASSERT_EQ(expected.clashes.size(), 1u);
    ASSERT_EQ(expected.duplicates.size(), 2u);
    ASSERT_FALSE(gameRecolor.empty());
    for (auto& files : expected.duplicates)
        std::sort(files.begin(), files.end());
    for (auto& [guid, files] : expected.clashes)
        std::sort(files.begin(), files.end());
    std::sort(expected.orphans.begin(), expected.orphans.end());
    std::sort(expected.duplicates.begin(), expected.duplicates.end());

    // The review with the game's install folder, then without it: the
    // recolor of the game's object is then an orphan too.
    for (const bool withGame : { true, false }) {
        SCOPED_TRACE(withGame ? "with the game" : "without the game");
        LibraryIndex index({});
        ScanOptions scan;
        scan.root = downloads;
        scan.gameFolder = withGame ? world.installFolder : fs::path();
        const ScanResult result = scanLibrary(index, scan);
        EXPECT_EQ(result.records.size(), world.packages.size() + world.reviewCases.size());
        Findings want = expected;
        if (!withGame) {
            const ReviewCase& c = *std::find_if(world.reviewCases.begin(), world.reviewCases.end(),
                [](const ReviewCase& r) { return r.kind == ReviewKind::GameObjectRecolor; });
            want.orphans.emplace_back(gameRecolor, c.guid);
            std::sort(want.orphans.begin(), want.orphans.end());
        }
        const HealthReport report = analyseLibrary(downloads, result.records, result.gameGuids, {}, result.sims2Packs);
        EXPECT_EQ(findingsOf(report), want);
        // The two Sims2Pack files waiting in New Downloads, which the game does not read.
        std::vector<std::string> sims2Packs;
        for (const GeneratedSims2Pack& archive : world.sims2Packs)
            sims2Packs.push_back(pathToUtf8(downloads / archive.file));
        std::sort(sims2Packs.begin(), sims2Packs.end());
        ASSERT_EQ(report.sims2Packs.size(), 2u);
        for (std::size_t i = 0; i < report.sims2Packs.size(); ++i) {
            EXPECT_EQ(report.sims2Packs[i].file, sims2Packs[i]);
            EXPECT_EQ(report.sims2Packs[i].reason, "The game does not read Sims2Pack files; install them.");
        }
        // The damaged download's reason is the one the browser's folder scan gives.
        const fs::path damaged = pathFromUtf8(report.broken.at(0).file);
        const browser::ScanResult scanned = browser::scanFolder(damaged.parent_path());
        ASSERT_EQ(scanned.skipped.size(), 1u);
        EXPECT_EQ(scanned.skipped[0].reason, report.broken[0].reason);
    }
    std::error_code ignored;
    fs::remove_all(folder.parent_path(), ignored);
}
