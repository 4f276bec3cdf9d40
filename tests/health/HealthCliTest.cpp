// varnick-cli health, run as scripts run it: the JSON shape, two instances
// sharing one index at once, a root that does not exist, and the Sims2Pack
// files lying in the library.
#include "package/ObjectDefinition.h"
#include "package/PropertySet.h"
#include "package/base/Paths.h"
#include "tests/common/CliRunner.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"
#include "tools/common/Sims2PackBuilder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <thread>
#include <vector>

using namespace varnick;
using namespace varnick::test;

namespace {

ByteString definitionPackage(std::uint32_t guid)
{
    ObjectDefinition definition = makeObjectDefinition();
    definition.setRaw(ObjectField::GUID, guid);
    return PackageBuilder()
        .add("4F424A44", "7FD46CD0", "00000041", "00000000", definition.data())
        .add("AC4F8687", "1C0532FA", "00000001", "00000000", "mesh")
        .build();
}

ByteString recolor(std::uint32_t guid)
{
    const ByteString number = storedId("EB61E4F7");
    return PackageBuilder()
        .add("4C697E5A", "1C0532FA", "00000001", "00000000",
            writeBinPropertySet({ { number, "objectGUID", "", static_cast<double>(guid) } }))
        .add("1C4A276C", "1C0532FA", "00000002", "00000000", "texture")
        .build();
}

} // namespace

TEST(HealthCli, printsTheReviewAsJsonAndSharesItsIndexWithASecondInstance)
{
    TemporaryFolder library;
    TemporaryFolder work;
    library.write("a.package", definitionPackage(0x42));
    library.write("b.package", definitionPackage(0x42));
    library.write("orphan.package", recolor(0x99));
    library.write("empty.package", "");
    ScopedEnvironment environment;
    environment.set("VARNICK_USER_DATA_DIR", work.utf8());
    const std::vector<std::string> arguments
        = { "health", library.utf8(), "--no-game", "--json", "--index", pathToUtf8(work.path() / "index.sqlite") };
    // Two instances at once on one index file, then a third that finds everything indexed.
    CliRun second;
    std::thread other([&] { second = runCli(arguments); });
    const CliRun firstRun = runCli(arguments);
    other.join();
    ASSERT_EQ(firstRun.status, 0) << firstRun.err;
    ASSERT_EQ(second.status, 0) << second.err;
    const auto first = nlohmann::json::parse(firstRun.out);
    EXPECT_EQ(first, nlohmann::json::parse(second.out));
    EXPECT_EQ(nlohmann::json::parse(runCli(arguments).out), first);
    // Built as values, not as text: a Windows path's backslashes would be escapes in JSON text.
    using nlohmann::json;
    const auto file = [&](const char* name) { return pathToUtf8(library.path() / name); };
    EXPECT_EQ(first["broken"],
        json::array({ json { { "file", file("empty.package") }, { "reason", "The file is empty" } } }));
    EXPECT_EQ(first["orphans"], json::array({ json { { "file", file("orphan.package") }, { "guid", 153 } } }));
    EXPECT_EQ(first["clashes"],
        json::array({ json {
            { "guid", 66 }, { "game", false }, { "files", json::array({ file("a.package"), file("b.package") }) } } }));
    // The two clashing objects are also byte-identical.
    ASSERT_EQ(first["duplicates"].size(), 1U);
    EXPECT_EQ(first["duplicates"][0]["files"], first["clashes"][0]["files"]);
    EXPECT_EQ(first["duplicates"][0]["size"], definitionPackage(0x42).size());
    EXPECT_EQ(first["duplicates"][0]["hash"].get<std::string>().size(), 16U);

    const CliRun missing = runCli({ "health", pathToUtf8(library.path() / "nowhere"), "--no-game" });
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("does not exist"), std::string::npos);
}

TEST(HealthCli, quarantineMovesWhatItCanAndNamesWhatStayed)
{
    TemporaryFolder library;
    TemporaryFolder data;
    const auto moving = library.write("sub/a.package", recolor(1));
    const auto stuck = library.write("other/b.package", recolor(2));
    data.write("Quarantine/other", "a file where the folder would go");
    const CliRun run = runCli({ "quarantine", library.utf8(), pathToUtf8(moving), pathToUtf8(stuck) },
        { { "VARNICK_USER_DATA_DIR", data.utf8() } });
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(
        run.out, pathToUtf8(moving) + " -> " + pathToUtf8(data.path() / "Quarantine" / "sub" / "a.package") + "\n");
    EXPECT_EQ(run.err.rfind("varnick-cli: " + pathToUtf8(stuck) + ": ", 0), 0U) << run.err;
    EXPECT_EQ(readFileBytes(stuck), recolor(2));
    EXPECT_EQ(readFileBytes(data.path() / "Quarantine" / "sub" / "a.package"), recolor(1));

    const CliRun elsewhere = runCli(
        { "quarantine", library.utf8(), pathToUtf8(stuck), "--quarantine-folder", pathToUtf8(data.path() / "Aside") });
    EXPECT_EQ(elsewhere.status, 0) << elsewhere.err;
    EXPECT_EQ(readFileBytes(data.path() / "Aside" / "other" / "b.package"), recolor(2));
}

TEST(HealthCli, listsTheSims2PackFilesLyingInTheLibrary)
{
    TemporaryFolder library;
    TemporaryFolder work;
    library.write("chair.package", definitionPackage(0x42));
    std::filesystem::create_directories(library.path() / "New");
    library.write("New/Later.Sims2Pack", Sims2PackBuilder().add({ "lamp.package", definitionPackage(0x43) }).build());
    library.write("New/lamps.sims2pack", Sims2PackBuilder().build());
    const CliRun run = runCli(
        { "health", library.utf8(), "--no-game", "--json", "--index", pathToUtf8(work.path() / "index.sqlite") },
        { { "VARNICK_USER_DATA_DIR", work.utf8() } });
    ASSERT_EQ(run.status, 0) << run.err;
    const auto report = nlohmann::json::parse(run.out);
    const std::string reason = "The game does not read Sims2Pack files; install them.";
    EXPECT_EQ(report["sims2packs"],
        nlohmann::json::array(
            { { { "file", pathToUtf8(library.path() / "New" / "Later.Sims2Pack") }, { "reason", reason } },
                { { "file", pathToUtf8(library.path() / "New" / "lamps.sims2pack") }, { "reason", reason } } }));
    // Not packages: nothing else of the review mentions them.
    EXPECT_TRUE(report["broken"].empty());
    EXPECT_TRUE(report["duplicates"].empty());
}

TEST(HealthCli, knownClashesAreMarkedListedAndTakenBack)
{
    TemporaryFolder work;
    ScopedEnvironment environment;
    environment.set("VARNICK_USER_DATA_DIR", work.utf8());
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* out;
    } steps[] = {
        { { "known-clashes" }, 0, "" },
        { { "known-clashes", "--mark", "0x42", "--mark", "1234" }, 0, "0x00000042\n0x00001234\n" },
        { { "known-clashes", "--unmark", "0X00000042" }, 0, "0x00001234\n" },
        // A GUID that is not one changes nothing, not even the good one beside it.
        { { "known-clashes", "--mark", "99", "--unmark", "0x1234", "--mark", "lamp" }, 1, "" },
        { { "known-clashes" }, 0, "0x00001234\n" },
    };
    for (const auto& step : steps) {
        const CliRun run = runCli(step.arguments);
        EXPECT_EQ(run.status, step.status) << run.err;
        EXPECT_EQ(run.out, step.out);
    }
}
