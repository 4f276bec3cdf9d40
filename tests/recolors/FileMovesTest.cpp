// Deleting and moving an object with its recolors: the same-place test, clashes
// refused before anything moves, a move across volumes, and deletes.
#include "app/recolors/core/FileMoves.h"
#include "package/base/ErrorTrap.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <cwctype>

using namespace varnick;
using namespace varnick::recolors;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

struct Library {
    TemporaryFolder dir;
    fs::path object, recolorA, recolorB, destination;
    Library()
    {
        fs::create_directories(dir.path() / "objects" / "recolors");
        fs::create_directories(dir.path() / "dest");
        object = dir.write("objects/object.package", "object bytes");
        recolorA = dir.write("objects/recolors/a.package", "recolor a");
        recolorB = dir.write("objects/b.package", ByteString(200000, 'b'));
        destination = dir.path() / "dest";
    }
    std::vector<fs::path> all() const { return { object, recolorA, recolorB }; }
};

} // namespace

TEST(FileMoves, theObjectsOwnFolderIsTheSamePlaceHoweverWritten)
{
    Library lib;
    const fs::path folder = lib.object.parent_path();
    struct Case {
        fs::path destination;
        bool same;
    };
    const std::vector<Case> cases {
        { folder, true },
        { folder / "", true }, // trailing separator
        { folder / "recolors" / "..", true },
        { folder / "recolors", false },
        { lib.destination, false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkMove({ lib.object }, c.destination).samePlace, c.same) << c.destination;
#ifdef _WIN32
    std::wstring upper = folder.wstring();
    for (wchar_t& ch : upper)
        ch = static_cast<wchar_t>(towupper(ch));
    EXPECT_TRUE(checkMove({ lib.object }, upper).samePlace); // letter case does not count on Windows
#endif
    EXPECT_TRUE(checkMove({ lib.object }, lib.dir.path() / "nowhere").destinationMissing);
    // A bare file name lies in the current folder, however that is written.
    EXPECT_TRUE(checkMove({ "x.package" }, ".").samePlace);
    EXPECT_TRUE(checkMove({ "x.package" }, fs::current_path()).samePlace);
}

TEST(FileMoves, clashesAreRefusedBeforeAnythingMoves)
{
    Library lib;
    // A name already in the destination, and a recolor already lying there.
    lib.dir.write("dest/b.package", "someone else's b");
    const fs::path already = lib.dir.write("dest/c.package", "recolor c");
    const MoveCheck taken = checkMove({ lib.object, lib.recolorA, lib.recolorB, already }, lib.destination);
    EXPECT_FALSE(taken.ok());
    EXPECT_EQ(taken.clashes, (std::vector<fs::path> { lib.destination / "b.package", lib.destination / "c.package" }));
    // Two moved files with one name.
    fs::create_directories(lib.dir.path() / "other");
    const fs::path twin = lib.dir.write("other/a.package", "another a");
    const MoveCheck twice
        = checkMove({ lib.object, lib.recolorA, twin }, lib.dir.path() / "objects" / "recolors" / "..");
    EXPECT_TRUE(twice.samePlace);
    const MoveCheck twins = checkMove({ lib.object, lib.recolorA, twin }, lib.destination);
    EXPECT_EQ(twins.clashes, std::vector<fs::path> { lib.destination / "a.package" });
    // moveFiles itself never overwrites, even when called without the check.
    EXPECT_THROW(moveFiles({ lib.recolorB }, lib.destination), Failure);
    EXPECT_EQ(readFileBytes(lib.destination / "b.package"), "someone else's b");
    EXPECT_TRUE(fs::exists(lib.recolorB));
}

TEST(FileMoves, movesByRenameOrByCheckedCopyAcrossVolumes)
{
    for (const bool acrossVolumes : { false, true }) {
        Library lib;
        int renames = 0;
        const RenameFunction rename = [&](const fs::path& from, const fs::path& to, std::error_code& ec) {
            ++renames;
            if (acrossVolumes)
                ec = std::make_error_code(std::errc::cross_device_link);
            else
                fs::rename(from, to, ec);
        };
        ASSERT_TRUE(checkMove(lib.all(), lib.destination).ok());
        EXPECT_EQ(moveFiles(lib.all(), lib.destination, rename), 3) << acrossVolumes;
        EXPECT_EQ(renames, 3);
        for (const fs::path& file : lib.all())
            EXPECT_FALSE(fs::exists(file)) << file;
        EXPECT_EQ(readFileBytes(lib.destination / "object.package"), "object bytes");
        EXPECT_EQ(readFileBytes(lib.destination / "a.package"), "recolor a");
        EXPECT_EQ(readFileBytes(lib.destination / "b.package"), ByteString(200000, 'b'));
    }
}

TEST(FileMoves, deletesEveryGivenFileAndCountsMissingOnesAsGone)
{
    Library lib;
    std::vector<fs::path> removed;
    const RemoveFunction remove = [&](const fs::path& file) {
        removed.push_back(file);
        return removeOutright(file);
    };
    // None selected: nothing is removed.
    EXPECT_EQ(deleteFiles({}, remove), 0);
    // Selected only.
    EXPECT_EQ(deleteFiles({ lib.recolorA }, remove), 1);
    EXPECT_FALSE(fs::exists(lib.recolorA));
    EXPECT_TRUE(fs::exists(lib.object) && fs::exists(lib.recolorB));
    // All, with one already gone: it counts without a remover call.
    removed.clear();
    EXPECT_EQ(deleteFiles(lib.all(), remove), 3);
    EXPECT_EQ(removed, (std::vector<fs::path> { lib.object, lib.recolorB }));
    EXPECT_FALSE(fs::exists(lib.object) || fs::exists(lib.recolorB));
    // A remover that refuses is not counted.
    const fs::path kept = lib.dir.write("kept.package", "x");
    EXPECT_EQ(deleteFiles({ kept }, [](const fs::path&) { return false; }), 0);
    EXPECT_TRUE(fs::exists(kept));
}
