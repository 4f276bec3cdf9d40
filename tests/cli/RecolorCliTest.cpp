// varnick-cli recolors, texture, move and delete, run as scripts run them: the
// finder's JSON, the refusals that leave every file in place, and the deletes
// that go to the trash.
#include "package/ObjectDefinition.h"
#include "package/PropertySet.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>

#ifndef _WIN32
#include <sys/wait.h>
#endif

using namespace varnick;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

std::string quoted(const fs::path& path)
{
    std::string text = "'";
    for (const char c : pathToUtf8(path))
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

ByteString objectPackage(std::uint32_t guid)
{
    ObjectDefinition definition = makeObjectDefinition();
    definition.setRaw(ObjectField::GUID, guid);
    return PackageBuilder().add("4F424A44", "7FD46CD0", "00000041", "00000000", definition.data()).build();
}

ByteString recolorPackage(std::uint32_t guid)
{
    return PackageBuilder()
        .add("4C697E5A", "1C0532FA", "00000001", "00000000",
            writeBinPropertySet({ { storedId("EB61E4F7"), "objectGUID", "", static_cast<double>(guid) } }))
        .add("1C4A276C", "1C0532FA", "00000002", "00000000", "texture")
        .build();
}

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class RecolorCli : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef _WIN32
        GTEST_SKIP() << "runs the tool through a POSIX shell";
#endif
        if (!fs::exists(programFolder() / "varnick-cli"))
            GTEST_SKIP() << "varnick-cli is not built";
        library.write("Chair.package", objectPackage(0x51));
        fs::create_directory(library.path() / "Sub");
        library.write("Sub/Chair red.package", recolorPackage(0x51));
        library.write("Chair blue.package", recolorPackage(0x51));
        library.write("Other red.package", recolorPackage(0x52));
        library.write("broken.package", "DBPF");
    }

    CliRun run(const std::string& arguments) const
    {
        const std::string command = "XDG_DATA_HOME=" + quoted(work.path() / "data") + " "
            + quoted(programFolder() / "varnick-cli") + " " + arguments + " >" + quoted(work.path() / "out") + " 2>"
            + quoted(work.path() / "err");
        const int status = std::system(command.c_str());
#ifndef _WIN32
        return { WEXITSTATUS(status), readFileBytes(work.path() / "out"), readFileBytes(work.path() / "err") };
#else
        return { status, {}, {} };
#endif
    }

    std::string at(const std::string& name) const
    {
        return quoted(library.path() / name);
    }

    TempDir library;
    TempDir work;
};

} // namespace

TEST_F(RecolorCli, listsRecolorsInTheWindowsOrderWithTheUnreadableOnes)
{
    const CliRun found = run("recolors " + quoted(library.path()) + " " + at("Chair.package") + " --json");
    ASSERT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(nlohmann::json::parse(found.out), nlohmann::json::parse(R"({"guid": 81,
        "recolors": ["Chair blue.package", "Sub/Chair red.package"],
        "skipped": [{"file": "broken.package", "reason": "The file is 4 bytes long, shorter than the 96-byte package header"}]})"))
        << found.out;

    EXPECT_EQ(run("recolors " + quoted(library.path()) + " " + at("Chair blue.package")).status, 1);
    EXPECT_EQ(run("texture " + at("Chair.package") + " -o " + quoted(work.path() / "t.bmp")).status, 1);
    EXPECT_FALSE(fs::exists(work.path() / "t.bmp"));
}

TEST_F(RecolorCli, refusesAMoveWithAClashOrIntoItsOwnFolderAndMovesNothing)
{
    TempDir destination;
    destination.write("Chair blue.package", "someone else's file");
    const std::string args = "move " + quoted(library.path()) + " " + at("Chair.package") + " ";
    for (const std::string& target :
        { quoted(destination.path()), quoted(library.path() / "Sub" / ".."), quoted(library.path()) + "/" }) {
        const CliRun refused = run(args + target);
        EXPECT_EQ(refused.status, 1) << target;
        EXPECT_TRUE(fs::exists(library.path() / "Chair.package"));
        EXPECT_TRUE(fs::exists(library.path() / "Sub" / "Chair red.package"));
    }
    EXPECT_NE(run(args + quoted(destination.path())).err.find("Chair blue.package"), std::string::npos);
    EXPECT_NE(run(args + quoted(library.path())).err.find("Source and destination are the same!"), std::string::npos);
    EXPECT_EQ(readFileBytes(destination.path() / "Chair blue.package"), "someone else's file");

    fs::remove(destination.path() / "Chair blue.package");
    const CliRun moved = run(args + quoted(destination.path()));
    ASSERT_EQ(moved.status, 0) << moved.err;
    EXPECT_NE(moved.out.find("3 files were moved to:\n" + pathToUtf8(destination.path())), std::string::npos);
    for (const char* name : { "Chair.package", "Chair blue.package", "Chair red.package" })
        EXPECT_TRUE(fs::exists(destination.path() / name)) << name;
    EXPECT_EQ(readFileBytes(destination.path() / "Chair red.package"), recolorPackage(0x51));
    EXPECT_TRUE(fs::exists(library.path() / "Other red.package"));
}

TEST_F(RecolorCli, deletesChosenRecolorsOrTheWholeObjectToTheTrash)
{
    const std::string args = "delete " + quoted(library.path()) + " " + at("Chair.package");
    // A file that is not one of the object's recolors refuses the whole delete.
    EXPECT_EQ(run(args + " --recolor 'Chair blue.package' --recolor 'Other red.package'").status, 1);
    EXPECT_TRUE(fs::exists(library.path() / "Chair blue.package"));

    const CliRun chosen = run(args + " --recolor 'Chair blue.package'");
    ASSERT_EQ(chosen.status, 0) << chosen.err;
    EXPECT_FALSE(fs::exists(library.path() / "Chair blue.package"));
    EXPECT_EQ(readFileBytes(work.path() / "data" / "Trash" / "files" / "Chair blue.package"), recolorPackage(0x51));
    EXPECT_TRUE(fs::exists(library.path() / "Chair.package"));

    const CliRun all = run(args + " --permanent");
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_NE(all.out.find("deleted\t"), std::string::npos);
    EXPECT_FALSE(fs::exists(library.path() / "Chair.package"));
    EXPECT_FALSE(fs::exists(library.path() / "Sub" / "Chair red.package"));
    EXPECT_TRUE(fs::exists(library.path() / "Other red.package"));
}
