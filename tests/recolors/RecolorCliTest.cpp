// varnick-cli recolors, texture, move and delete, run as scripts run them, one
// step after another on one library: each step's exit status, output and files.
#include "package/base/Paths.h"
#include "tests/common/CliRunner.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/recolors/RecolorFixtures.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

using namespace varnick;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

std::string u(const fs::path& path)
{
    return pathToUtf8(path);
}

} // namespace

TEST(RecolorCli, findsMovesAndDeletesAsTheWindowDoes)
{
#ifdef _WIN32
    GTEST_SKIP() << "checks the freedesktop trash (the Recycle Bin stands in on Windows)";
#else
    TemporaryFolder lib;
    TemporaryFolder work;
    const fs::path root = lib.path() / "Downloads";
    fs::create_directories(root / "Sub");
    fs::create_directories(lib.path() / "dest");
    fs::create_directories(lib.path() / "full");
    const fs::path object = lib.write("Downloads/chair.package", objectPackage(0xC0FFEE01));
    lib.write("Downloads/a.package", recolorOf(0xC0FFEE01));
    lib.write("Downloads/Sub/b.package", recolorOf(0xC0FFEE01));
    lib.write("Downloads/Sub/c.package", recolorOf(0xC0FFEE01));
    lib.write("Downloads/other.package", recolorOf(7));
    lib.write("Downloads/broken.package", "DBPF");
    lib.write("full/a.package", "not ours");
    const fs::path textured = lib.write("textured.package",
        texturePackage({ textureResource(1, 2, 1, { ByteString("\x01\x02\x03\x04\x05\x06\x07\x08", 8) }) }));

    const std::string r = u(root), o = u(object);
    struct Step {
        std::vector<std::string> arguments;
        int status;
        std::string output; ///< expected in standard output (or, for failures, standard error)
        std::function<void()> check;
    };
    const std::vector<Step> steps {
        { { "recolors", r, o, "--json" }, 0, "",
            [&] {
                const auto json = nlohmann::json::parse(readFileBytes(work.path() / "out"));
                EXPECT_EQ(json["guid"], 3237998081u);
                EXPECT_EQ(
                    json["recolors"], nlohmann::json::parse(R"(["Sub/b.package", "Sub/c.package", "a.package"])"));
                ASSERT_EQ(json["skipped"].size(), 1u);
                EXPECT_EQ(json["skipped"][0]["file"], "broken.package");
                EXPECT_FALSE(json["skipped"][0]["reason"].get<std::string>().empty());
                const std::string text = readFileBytes(work.path() / "out"); // keys in the documented order
                EXPECT_LT(text.find("\"guid\""), text.find("\"recolors\""));
                EXPECT_LT(text.find("\"recolors\""), text.find("\"skipped\""));
            } },
        { { "recolors", r, o }, 0, "GUID C0FFEE01: 3 recolors\n  Sub/b.package\n", {} },
        { { "texture", u(textured), "-o", u(work.path() / "t.bmp") }, 0, "",
            [&] {
                EXPECT_EQ(readFileBytes(work.path() / "t.bmp").substr(54),
                    ByteString("\x01\x02\x03\x05\x06\x07\0\0", 8)); // one row of two pixels, padded
            } },
        { { "texture", o, "-o", u(work.path() / "none.bmp") }, 1, "has no texture",
            [&] { EXPECT_FALSE(fs::exists(work.path() / "none.bmp")); } },
        { { "move", r, o, u(root / "") }, 1, "Source and destination are the same!", {} },
        { { "move", r, o, u(lib.path() / "full") }, 1, "full/a.package",
            [&] {
                EXPECT_TRUE(fs::exists(object) && fs::exists(root / "a.package"));
                EXPECT_EQ(readFileBytes(lib.path() / "full" / "a.package"), "not ours");
            } },
        { { "delete", r, o, "--recolor", "other.package" }, 1, "not one of the object's recolors",
            [&] { EXPECT_TRUE(fs::exists(root / "other.package")); } },
        { { "delete", r, o, "--permanent", "--recolor", "Sub/c.package" }, 0,
            "deleted: " + pathToUtf8(root / "Sub" / "c.package") + "\nThe selected recolors have been deleted.\n",
            [&] { EXPECT_FALSE(fs::exists(root / "Sub" / "c.package")); } },
        { { "move", r, o, u(lib.path() / "dest") }, 0,
            "3 files were moved to:\n" + pathToUtf8(lib.path() / "dest") + "\n",
            [&] {
                for (const char* name : { "chair.package", "a.package", "b.package" })
                    EXPECT_TRUE(fs::exists(lib.path() / "dest" / name)) << name;
                EXPECT_FALSE(fs::exists(object) || fs::exists(root / "Sub" / "b.package"));
            } },
        { { "delete", u(lib.path() / "dest"), u(lib.path() / "dest" / "chair.package") }, 0,
            "trashed: " + pathToUtf8(lib.path() / "dest" / "b.package") + "\nThe object has been deleted.\n",
            [&] {
                EXPECT_TRUE(fs::is_empty(lib.path() / "dest"));
                EXPECT_TRUE(fs::exists(work.path() / "Trash" / "files" / "chair.package"));
                EXPECT_TRUE(fs::exists(work.path() / "Trash" / "info" / "b.package.trashinfo"));
            } },
    };
    for (const Step& step : steps) {
        const CliRun run = runCli(step.arguments, { { "XDG_DATA_HOME", work.utf8() } });
        // What the step printed is also where the JSON step's check reads it.
        work.write("out", run.out);
        EXPECT_EQ(run.status, step.status) << step.arguments.front() << "\n" << run.err;
        const std::string shown = step.status == 0 ? run.out : run.err;
        EXPECT_NE(shown.find(step.output), std::string::npos) << step.arguments.front() << "\n" << shown;
        if (step.check)
            step.check();
    }
#endif
}
