// varnick-cli health, run as scripts run it: the JSON shape, two instances
// sharing one index at once, a root that does not exist, and the Sims2Pack
// files lying in the library.
#include "package/ObjectDefinition.h"
#include "package/PropertySet.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"
#include "tools/common/PackageBuilder.h"
#include "tools/common/Sims2PackBuilder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>

#ifndef _WIN32
#include <sys/wait.h>
#endif

using namespace varnick;
using namespace varnick::test;

namespace {

std::string quoted(const std::filesystem::path& path)
{
    std::string text = "'";
    for (const char c : pathToUtf8(path))
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

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
#ifdef _WIN32
    GTEST_SKIP() << "runs the tool through a POSIX shell";
#else
    const std::filesystem::path tool = programFolder() / "varnick-cli";
    if (!std::filesystem::exists(tool))
        GTEST_SKIP() << "varnick-cli is not built";
    TempDir library;
    TempDir work;
    library.write("a.package", definitionPackage(0x42));
    library.write("b.package", definitionPackage(0x42));
    library.write("orphan.package", recolor(0x99));
    library.write("empty.package", "");
    const std::string base = "VARNICK_USER_DATA_DIR=" + quoted(work.path()) + " " + quoted(tool) + " health "
        + quoted(library.path()) + " --no-game --json --index " + quoted(work.path() / "index.sqlite");
    // Two instances at once on one index file, then a third that finds everything indexed.
    const std::string command = base + " >" + quoted(work.path() / "1.json") + " & " + base + " >"
        + quoted(work.path() / "2.json") + "; wait";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto first = nlohmann::json::parse(readFileBytes(work.path() / "1.json"));
    EXPECT_EQ(first, nlohmann::json::parse(readFileBytes(work.path() / "2.json")));
    const std::string root = pathToUtf8(library.path());
    EXPECT_EQ(first["broken"],
        nlohmann::json::parse(R"([{"file":")" + root + R"(/empty.package","reason":"The file is empty"}])"));
    EXPECT_EQ(first["orphans"], nlohmann::json::parse(R"([{"file":")" + root + R"(/orphan.package","guid":153}])"));
    EXPECT_EQ(first["clashes"],
        nlohmann::json::parse(
            R"([{"guid":66,"game":false,"files":[")" + root + R"(/a.package",")" + root + R"(/b.package"]}])"));
    // The two clashing objects are also byte-identical.
    ASSERT_EQ(first["duplicates"].size(), 1U);
    EXPECT_EQ(first["duplicates"][0]["files"], first["clashes"][0]["files"]);
    EXPECT_EQ(first["duplicates"][0]["size"], definitionPackage(0x42).size());
    EXPECT_EQ(first["duplicates"][0]["hash"].get<std::string>().size(), 16U);

    const int missing = std::system((quoted(tool) + " health " + quoted(library.path() / "nowhere") + " --no-game 2>"
        + quoted(work.path() / "err.txt") + " >/dev/null")
                                        .c_str());
    EXPECT_EQ(WEXITSTATUS(missing), 1);
    EXPECT_NE(readFileBytes(work.path() / "err.txt").find("does not exist"), std::string::npos);
#endif
}

TEST(HealthCli, listsTheSims2PackFilesLyingInTheLibrary)
{
#ifdef _WIN32
    GTEST_SKIP() << "runs the tool through a POSIX shell";
#else
    const std::filesystem::path tool = programFolder() / "varnick-cli";
    if (!std::filesystem::exists(tool))
        GTEST_SKIP() << "varnick-cli is not built";
    TempDir library;
    TempDir work;
    library.write("chair.package", definitionPackage(0x42));
    std::filesystem::create_directories(library.path() / "New");
    library.write("New/Later.Sims2Pack", Sims2PackBuilder().add({ "lamp.package", definitionPackage(0x43) }).build());
    library.write("New/lamps.sims2pack", Sims2PackBuilder().build());
    const std::string command = "VARNICK_USER_DATA_DIR=" + quoted(work.path()) + " " + quoted(tool) + " health "
        + quoted(library.path()) + " --no-game --json --index " + quoted(work.path() / "index.sqlite") + " >"
        + quoted(work.path() / "out.json");
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto report = nlohmann::json::parse(readFileBytes(work.path() / "out.json"));
    const std::string root = pathToUtf8(library.path());
    const std::string reason = R"(","reason":"The game does not read Sims2Pack files; install them."})";
    EXPECT_EQ(report["sims2packs"],
        nlohmann::json::parse("[{\"file\":\"" + root + "/New/Later.Sims2Pack" + reason + ",{\"file\":\"" + root
            + "/New/lamps.sims2pack" + reason + "]"));
    // Not packages: nothing else of the review mentions them.
    EXPECT_TRUE(report["broken"].empty());
    EXPECT_TRUE(report["duplicates"].empty());
#endif
}
