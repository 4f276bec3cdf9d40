// The name rules every part of the game search shares: ASCII letters without
// case and nothing more, folders in name order whatever the file system lists,
// one key per folder however it was spelled.

#include "app/startup/core/FolderNames.h"
#include "package/base/Paths.h"
#include "tests/startup/GameFixtures.h"

#include <gtest/gtest.h>

#include <string_view>

namespace fs = std::filesystem;

namespace varnick::locate {
namespace {

TEST(FolderNames, foldsAsciiLettersOnly)
{
    struct Case {
        std::string_view a, b;
        bool equal;
    };
    const Case cases[] = {
        { "EA Games", "ea GAMES", true },
        { "TSBin", "tsbin", true },
        { "Die Sims 2 Vermächtnis", "DIE SIMS 2 VERMäCHTNIS", true },
        { "Die Sims 2 Vermächtnis", "Die Sims 2 VermÄchtnis", false }, // only ASCII letters are folded
        { "The Sims 2", "The Sims 2 ", false },
        { "[", "{", false }, // neighbours of the letters stay apart
        { "@", "`", false },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(equalsNoCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
        EXPECT_EQ(lower(c.a) == lower(c.b), c.equal) << c.a << " / " << c.b;
    }
    EXPECT_TRUE(containsNoCase("The Sims™ 2 ULTIMATE Collection", "ultimate collection"));
    EXPECT_FALSE(containsNoCase("Ultimate", "Ultimate Collection"));
}

TEST(FolderNames, listsFoldersInNameOrderAndFindsOtherSpellings)
{
    test::TemporaryFolder root;
    for (const char* name : { "Zeta", "alpha", "Beta", "ea games" })
        fs::create_directories(root.path() / name);
    test::writeText(root.path() / "Aardvark.txt", "a file, not a folder");

    std::vector<std::string> names;
    for (const fs::path& folder : subfolders(root.path()))
        names.push_back(nameOf(folder));
    EXPECT_EQ(names, (std::vector<std::string> { "Beta", "Zeta", "alpha", "ea games" }));
    EXPECT_TRUE(subfolders(root.path() / "missing").empty());

    std::error_code error;
    EXPECT_TRUE(fs::equivalent(childNoCase(root.path(), "EA Games"), root.path() / "ea games", error));
    EXPECT_EQ(childNoCase(root.path(), "Beta"), root.path() / "Beta");
    // Missing in every spelling: the exact name, where the game would make it.
    EXPECT_EQ(childNoCase(root.path(), "Gamma"), root.path() / "Gamma");
    EXPECT_TRUE(isFolder(root.path() / "Beta"));
    EXPECT_FALSE(isFolder(root.path() / "Aardvark.txt"));
    EXPECT_FALSE(isFolder({}));
}

TEST(FolderNames, givesOneKeyPerFolderHoweverItIsSpelled)
{
    test::TemporaryFolder root;
    const fs::path data = root.path() / "EA Games" / "The Sims 2";
    fs::create_directories(data);
    EXPECT_EQ(folderKey(data), folderKey(root.path() / "EA Games" / "." / "The Sims 2" / ""));
    EXPECT_EQ(folderKey(data), folderKey(root.path() / "EA Games" / "Other" / ".." / "The Sims 2"));
    EXPECT_NE(folderKey(data), folderKey(root.path() / "EA Games"));
#ifndef _WIN32
    std::error_code error;
    fs::create_directory_symlink(data, root.path() / "link", error);
    if (!error) {
        EXPECT_EQ(folderKey(root.path() / "link"), folderKey(data)) << "a folder reached through a link";
    }
#endif
    // A folder not made yet keeps its spelling, without the closing separator.
    EXPECT_EQ(pathToUtf8(normalFolder(root.path() / "Later" / "")), pathToUtf8(normalFolder(root.path() / "Later")));
}

} // namespace
} // namespace varnick::locate
