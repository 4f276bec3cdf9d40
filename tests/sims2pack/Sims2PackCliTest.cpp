// varnick-cli sims2pack, run in-process as scripts run it: the listing's
// JSON shape, extract, install into the game's Downloads (found as the
// program finds it) with its output lines, a second install that skips, a
// taken name refused and then renamed, and a GUID clash warning from the
// library index.
#include "package/base/Paths.h"
#include "tests/common/BadSims2Packs.h"
#include "tests/common/CliRunner.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/Sims2PackBuilder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

using namespace varnick;
using namespace varnick::test;

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// A world with the game's data folder, so the tool finds Downloads as the program does.
class Sims2PackCli : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(downloads()); }

    fs::path downloads() const { return mWorld.path() / "Documents" / "EA Games" / "The Sims 2" / "Downloads"; }

    ToolRun run(const std::vector<std::string>& arguments) const
    {
        const CliRun result = runCli(arguments,
            { { "VARNICK_DOCUMENTS_DIR", pathToUtf8(mWorld.path() / "Documents") },
                { "VARNICK_USER_DATA_DIR", pathToUtf8(mWork.path() / "data") } });
        return { result.status, result.out, result.err };
    }

    TemporaryFolder mWorld;
    TemporaryFolder mWork;
};

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

} // namespace

TEST_F(Sims2PackCli, listsItemsAsJsonAndAsText)
{
    Sims2PackEntry lamp { "Lamp.package", objectPackage(0x2222, "Lamp"), true };
    lamp.guid = "0x00002222";
    Sims2PackEntry lot { "Lot.package", objectPackage(0x3333, "House") };
    lot.type = "Lot";
    const fs::path file = mWork.write("set.sims2pack",
        Sims2PackBuilder()
            .add({ "Chair.package", objectPackage(0x1111, "Chair") })
            .add(lamp)
            .add(lot)
            .add({ "bad.package", "not a package" })
            .build());

    const ToolRun json = run({ "sims2pack", "list", pathToUtf8(file), "--json" });
    ASSERT_EQ(json.status, 0) << json.err;
    const auto listing = nlohmann::json::parse(json.out);
    EXPECT_EQ(listing["type"], "Object");
    ASSERT_EQ(listing["items"].size(), 4U);
    EXPECT_EQ(listing["items"][0],
        nlohmann::json::parse(R"({"name":"Chair.package","type":"Object","length":)"
            + std::to_string(objectPackage(0x1111).size())
            + R"(,"compressed":false,"guid":null,"catalog_name":"Chair","readable":true,"reason":null})"));
    EXPECT_EQ(listing["items"][1]["guid"], "0x00002222");
    EXPECT_EQ(listing["items"][1]["compressed"], true);
    EXPECT_EQ(listing["items"][1]["catalog_name"], "Lamp");
    EXPECT_EQ(listing["items"][2]["type"], "Lot");
    EXPECT_EQ(listing["items"][3]["readable"], false);
    EXPECT_TRUE(listing["items"][3]["reason"].is_string());
    EXPECT_TRUE(listing["items"][3]["catalog_name"].is_null());
    // The keys in the documented order.
    const auto ordered = nlohmann::ordered_json::parse(json.out);
    std::vector<std::string> keys;
    for (const auto& field : ordered["items"][0].items())
        keys.push_back(field.key());
    EXPECT_EQ(keys,
        (std::vector<std::string> {
            "name", "type", "length", "compressed", "guid", "catalog_name", "readable", "reason" }));

    const ToolRun text = run({ "sims2pack", "list", pathToUtf8(file) });
    ASSERT_EQ(text.status, 0) << text.err;
    const std::vector<std::string> rows = lines(text.out);
    ASSERT_EQ(rows.size(), 5U);
    EXPECT_EQ(rows[0], "type: Object");
    EXPECT_EQ(rows[2],
        "Lamp.package\tObject\t" + std::to_string(bzip2Compress(objectPackage(0x2222, "Lamp")).size())
            + "\tcompressed\t0x00002222\tLamp\tDownloads\tok");
    EXPECT_NE(rows[3].find("\tHouse\tgame\tok"), std::string::npos) << rows[3];
}

TEST_F(Sims2PackCli, refusesABrokenFileWithOneLineAndStatusOne)
{
    const fs::path file = mWork.write("broken.sims2pack", ByteString("Sims2 Packager 1.0\x05\0\0\0", 22));
    for (const std::string command : { "list", "extract" }) {
        const ToolRun result = run(command == "extract"
                ? std::vector<std::string> { "sims2pack", command, pathToUtf8(file), pathToUtf8(mWork.path() / "x") }
                : std::vector<std::string> { "sims2pack", command, pathToUtf8(file) });
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err,
            "varnick-cli: " + pathToUtf8(file)
                + ": the data offset (bytes 18 to 21) is 5, before byte 22, where the XML begins\n");
        EXPECT_FALSE(fs::exists(mWork.path() / "x"));
    }
}

TEST_F(Sims2PackCli, extractsEveryItem)
{
    const ByteString chair = objectPackage(0x1111);
    const fs::path file
        = mWork.write("set.sims2pack", Sims2PackBuilder().add({ "Chair.package", chair, true }).build());
    const ToolRun result = run({ "sims2pack", "extract", pathToUtf8(file), pathToUtf8(mWork.path() / "out") });
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "extracted: " + pathToUtf8(mWork.path() / "out" / "Chair.package") + "\n");
    EXPECT_EQ(readFileBytes(mWork.path() / "out" / "Chair.package"), chair);
}

TEST_F(Sims2PackCli, installsIntoDownloadsSkipsRefusesAndRenames)
{
    const ByteString chair = objectPackage(0x1111, "Chair");
    Sims2PackEntry lot { "House.package", objectPackage(0x3333, "House") };
    lot.type = "Lot";
    const fs::path file
        = mWork.write("Nice Set.sims2pack", Sims2PackBuilder().add({ "Chair.package", chair, true }).add(lot).build());
    const fs::path folder = downloads() / "Nice Set";
    const std::string source = pathToUtf8(file);

    const ToolRun first = run({ "sims2pack", "install", pathToUtf8(file) });
    ASSERT_EQ(first.status, 0) << first.out << first.err;
    EXPECT_EQ(lines(first.out),
        (std::vector<std::string> { "installed: " + pathToUtf8(folder / "Chair.package"),
            "install through the game: " + source + ": \"House.package\" (Lot)",
            "1 installed, 0 skipped, 1 to install through the game, 0 refused" }));
    EXPECT_EQ(readFileBytes(folder / "Chair.package"), chair);

    const ToolRun second = run({ "sims2pack", "install", pathToUtf8(file) });
    ASSERT_EQ(second.status, 0) << second.out;
    EXPECT_EQ(lines(second.out)[0], "skipped: " + pathToUtf8(folder / "Chair.package") + " (already installed)");

    // A different chair of the same name: refused whole, then renamed.
    const fs::path other = mWork.write("Nice Set 2.sims2pack",
        Sims2PackBuilder().add({ "chair.package", objectPackage(0x4444, "Other chair") }).build());
    const ToolRun refused = run({ "sims2pack", "install", pathToUtf8(other), "--to", pathToUtf8(folder) });
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(lines(refused.out),
        (std::vector<std::string> { "refused: " + pathToUtf8(other) + ": \"chair.package\" is taken in \""
                + pathToUtf8(folder) + "\" by a different file (--rename installs such items under numbered names)",
            "0 installed, 0 skipped, 0 to install through the game, 1 refused" }));
    EXPECT_EQ(readFileBytes(folder / "Chair.package"), chair);

    const ToolRun renamed = run({ "sims2pack", "install", "--rename", "--to", pathToUtf8(folder), pathToUtf8(other) });
    ASSERT_EQ(renamed.status, 0) << renamed.out;
    EXPECT_EQ(lines(renamed.out)[0],
        "installed: " + pathToUtf8(folder / "chair (2).package") + " (renamed from \"chair.package\")");

    // One good file and one broken: the good one installs, the status tells of the other.
    const fs::path broken = mWork.write("broken.sims2pack", "no");
    const fs::path third = mWork.write(
        "third.sims2pack", Sims2PackBuilder().add({ "Table.package", objectPackage(0x5555, "Table") }).build());
    const ToolRun mixed = run({ "sims2pack", "install", pathToUtf8(broken), pathToUtf8(third) });
    EXPECT_EQ(mixed.status, 1);
    EXPECT_EQ(lines(mixed.out).front().rfind("refused: " + pathToUtf8(broken) + ": the file is 2 bytes long", 0), 0U)
        << mixed.out;
    EXPECT_TRUE(fs::exists(downloads() / "third" / "Table.package"));
}

TEST_F(Sims2PackCli, warnsOfGuidsTheLibraryDefinesAlready)
{
    const fs::path installed = downloads() / "old" / "Lamp.package";
    fs::create_directories(installed.parent_path());
    mWorld.write(installed.lexically_relative(mWorld.path()), objectPackage(0x2222, "Old lamp"));
    const fs::path file = mWork.write(
        "lamps.sims2pack", Sims2PackBuilder().add({ "New Lamp.package", objectPackage(0x2222, "New lamp") }).build());
    const ToolRun result = run({ "sims2pack", "install", pathToUtf8(file) });
    ASSERT_EQ(result.status, 0) << result.out << result.err;
    const std::vector<std::string> out = lines(result.out);
    ASSERT_GE(out.size(), 2U);
    EXPECT_EQ(out[0],
        "warning: " + pathToUtf8(file) + ": item 1 (\"New Lamp.package\"): GUID 0x00002222 is already defined by "
            + pathToUtf8(installed));
    EXPECT_EQ(out[1], "installed: " + pathToUtf8(downloads() / "lamps" / "New Lamp.package"));
}
