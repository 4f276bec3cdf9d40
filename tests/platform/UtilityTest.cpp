#include "app/platform/Utility.h"

#include "package/base/Paths.h"
#include "tests/common/FailingFolderLister.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/common/TrapRecorder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using namespace varnick;

namespace {

using TempFolder = test::TemporaryFolder;

void touch(const fs::path& path)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << "x";
}

// Hidden as the platform understands it: a leading dot, or the attribute on Windows.
void markHidden(const fs::path& path)
{
#ifdef _WIN32
    SetFileAttributesW(path.c_str(), GetFileAttributesW(path.c_str()) | FILE_ATTRIBUTE_HIDDEN);
#else
    (void)path;
#endif
}

std::vector<std::string> relativeNames(const std::vector<fs::path>& files, const fs::path& root)
{
    std::vector<std::string> names;
    for (const fs::path& file : files)
        names.push_back(pathToUtf8(file.lexically_relative(root).generic_u8string()));
    return names;
}

} // namespace

TEST(FindFiles, emptyRootReturnsZeroAndLeavesTheListAlone)
{
    test::TrapRecorder trap;
    std::vector<fs::path> files { "keep.package" };
    EXPECT_EQ(gflngFindFiles("", "*.package", files), 0);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], fs::path("keep.package"));
    EXPECT_TRUE(trap.empty());
}

TEST(FindFiles, listsTheRootFirstThenEachLevelBreadthFirst)
{
    test::TrapRecorder trap;
    TempFolder temp;
    const fs::path root = temp.path();
    touch(root / "b" / "deep" / "d.package");
    touch(root / "a" / "a1.package");
    touch(root / "z.package");
    touch(root / "C" / "upper.PACKAGE");
    touch(root / "a" / "notes.txt");
    touch(root / "m.package");
    touch(root / pathFromUtf8("Möbel") / "stuhl.package");

    std::vector<fs::path> files { "stale1", "stale2", "stale3", "stale4", "stale5", "stale6", "stale7", "stale8" };
    const std::int32_t count = gflngFindFiles(root, "*.package", files);
    ASSERT_TRUE(trap.empty()) << trap.last().Description;
    EXPECT_EQ(count, 6);
    const std::vector<std::string> expected { "m.package", "z.package", "a/a1.package", "C/upper.PACKAGE",
        "Möbel/stuhl.package", "b/deep/d.package" };
    EXPECT_EQ(relativeNames(files, root), expected);
    EXPECT_EQ(files.size(), static_cast<std::size_t>(count));
    EXPECT_TRUE(errorContext().AdditionalData.empty());
}

TEST(FindFiles, aSearchWithoutMatchesClearsThePreviousResult)
{
    test::TrapRecorder trap;
    TempFolder temp;
    touch(temp.path() / "readme.txt");
    std::vector<fs::path> files { "old.package" };
    EXPECT_EQ(gflngFindFiles(temp.path(), "*.package", files), 0);
    EXPECT_TRUE(files.empty());
}

TEST(FindFiles, skipsHiddenEntriesAndLinkLoops)
{
    test::TrapRecorder trap;
    TempFolder temp;
    touch(temp.path() / ".hidden.package");
    touch(temp.path() / ".cache" / "x.package");
    touch(temp.path() / "sub" / "y.package");
    markHidden(temp.path() / ".hidden.package");
    markHidden(temp.path() / ".cache");
    std::error_code error;
    fs::create_directory_symlink(temp.path(), temp.path() / "sub" / "loop", error);
    std::vector<fs::path> files;
    EXPECT_EQ(gflngFindFiles(temp.path(), "*.package", files), 1);
    EXPECT_TRUE(trap.empty());
}

TEST(FindFiles, aMissingRootIsReportedToTheTrap)
{
    test::TrapRecorder trap;
    TempFolder temp;
    std::vector<fs::path> files { "keep" };
    EXPECT_EQ(gflngFindFiles(temp.path() / "gone", "*.package", files), 0);
    ASSERT_EQ(trap.trapped().size(), 1u);
    EXPECT_EQ(trap.last().Module, "modUtility");
    EXPECT_EQ(trap.last().Procedure, "gflngFindFiles");
    EXPECT_NE(trap.last().Description.find("gone"), std::string::npos);
    EXPECT_EQ(files.size(), 1u);
}

TEST(FindFiles, aSubfolderThatCannotBeListedIsSkippedOrFailsTheSearch)
{
    test::TrapRecorder trap;
    TempFolder temp;
    const fs::path root = temp.path();
    touch(root / "top.package");
    touch(root / "locked" / "inside.package");
    touch(root / "locked" / "below" / "deeper.package");
    touch(root / "open" / "fine.package");
    const test::FailingFolderLister failing(root / "locked");

    // Taken by the caller: the folder is named with its reason, the rest is searched.
    std::vector<UnlistedFolder> unlisted;
    const std::vector<fs::path> found = findFiles(root, "*.package", &unlisted);
    EXPECT_EQ(relativeNames(found, root), (std::vector<std::string> { "top.package", "open/fine.package" }));
    ASSERT_EQ(unlisted.size(), 1u);
    EXPECT_EQ(unlisted[0].folder, root / "locked");
    EXPECT_NE(unlisted[0].reason.find("Permission denied"), std::string::npos);

    // Not taken: the search fails, and the trapped form reports it and keeps the list.
    EXPECT_THROW(findFiles(root, "*.package"), Failure);
    std::vector<fs::path> files { "keep" };
    EXPECT_EQ(gflngFindFiles(root, "*.package", files), 0);
    ASSERT_EQ(trap.trapped().size(), 1u);
    EXPECT_EQ(trap.last().Procedure, "gflngFindFiles");
    EXPECT_EQ(files, std::vector<fs::path> { "keep" });
    EXPECT_TRUE(findFiles("", "*.package").empty());
}

TEST(FindFiles, aRootThatCannotBeListedFailsEvenWithAListForUnlistedFolders)
{
    TempFolder temp;
    const test::FailingFolderLister failing(temp.path());
    std::vector<UnlistedFolder> unlisted;
    EXPECT_THROW(findFiles(temp.path(), "*.package", &unlisted), Failure);
    EXPECT_THROW(findFiles(temp.path() / "gone", "*.package", &unlisted), Failure);
    EXPECT_TRUE(unlisted.empty());
}

TEST(FilePattern, matchesWildcardsWithoutCase)
{
    EXPECT_TRUE(matchesFilePattern("chair.package", "*.package"));
    EXPECT_TRUE(matchesFilePattern("CHAIR.Package", "*.package"));
    EXPECT_FALSE(matchesFilePattern("chair.package.bak", "*.package"));
    EXPECT_TRUE(matchesFilePattern("a.b.c", "*.*"));
    EXPECT_TRUE(matchesFilePattern("Stühle", "St?hle"));
    EXPECT_FALSE(matchesFilePattern("Stuehle", "St?hle"));
    EXPECT_TRUE(matchesFilePattern("", "*"));
    EXPECT_FALSE(matchesFilePattern("x", ""));
}

TEST(KillFile, missingFileIsNoError)
{
    test::TrapRecorder trap;
    TempFolder temp;
    gsKillFile(temp.path() / "missing.package");
    EXPECT_TRUE(trap.empty());
}

TEST(KillFile, deletesReadOnlyFilesButNotFolders)
{
    test::TrapRecorder trap;
    TempFolder temp;
    const fs::path file = temp.path() / "locked.package";
    touch(file);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    gsKillFile(file);
    EXPECT_FALSE(fs::exists(file));

    const fs::path folder = temp.path() / "folder";
    fs::create_directory(folder);
    gsKillFile(folder);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(trap.empty());
}

TEST(KillFile, theCoreThrowsWhereTheTrappedFormReports)
{
    TempFolder temp;
    const fs::path file = temp.path() / "gone.package";
    EXPECT_NO_THROW(killFile(file));
    touch(file);
    killFile(file);
    EXPECT_FALSE(fs::exists(file));
}

#ifndef _WIN32
TEST(KillFile, aFileThatCannotBeDeletedGoesToTheTrap)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root deletes from read-only folders";
    test::TrapRecorder trap;
    TempFolder temp;
    const fs::path file = temp.path() / "sub" / "keep.package";
    touch(file);
    fs::permissions(temp.path() / "sub", fs::perms::owner_read | fs::perms::owner_exec);
    gsKillFile(file);
    fs::permissions(temp.path() / "sub", fs::perms::owner_all);
    EXPECT_TRUE(fs::exists(file));
    ASSERT_EQ(trap.trapped().size(), 1u);
    EXPECT_EQ(trap.last().Procedure, "gsKillFile");
}
#endif

TEST(FileNames, nameAndTitle)
{
    EXPECT_EQ(gfstrGetFileName("/a/b/chair.package"), "chair.package");
    EXPECT_EQ(gfstrGetFileName("chair.package"), "chair.package");
    EXPECT_EQ(gfstrGetFileName("/a/b/"), "");
    EXPECT_EQ(gfstrGetFileTitle("/a/b/my.red.chair.package"), "my.red.chair");
    EXPECT_EQ(gfstrGetFileTitle("/a/b/README"), "README");
    EXPECT_EQ(gfstrGetFileTitle("/a/b/"), "");
    EXPECT_EQ(gfstrGetFileTitle("/a/Möbel/Stühle.package"), "Stühle");
#ifdef _WIN32
    EXPECT_EQ(gfstrGetFileName("C:\\Downloads\\chair.package"), "chair.package");
    EXPECT_EQ(gfstrGetFileTitle("C:\\Downloads\\"), "");
#endif
}

TEST(LineBreaks, fixLineFeedsAndStripCarriageReturns)
{
    EXPECT_EQ(gfstrFixLineFeeds("one\r\ntwo\r\n"), "one\r\ntwo\r\n");
    EXPECT_EQ(gfstrFixLineFeeds("\nstart"), "\r\nstart");
    EXPECT_EQ(gfstrFixLineFeeds("a\n\nb\r\n\n"), "a\r\n\r\nb\r\n\r\n");
    EXPECT_EQ(gfstrFixLineFeeds(""), "");
    EXPECT_EQ(gfstrStripCR("a\r\nb\rc\n"), "a\nbc\n");
    EXPECT_EQ(gfstrStripCR(gfstrFixLineFeeds("x\ny")), "x\ny");
}

TEST(SortStrings, ordinalAndTextComparisonInBothDirections)
{
    std::vector<std::string> strings { "b", "A", "a" };
    gsSortStrings(strings, true, false);
    EXPECT_EQ(strings, (std::vector<std::string> { "A", "a", "b" }));
    gsSortStrings(strings, false, false);
    EXPECT_EQ(strings, (std::vector<std::string> { "b", "a", "A" }));

    strings = { "b", "A", "a", "B" };
    gsSortStrings(strings, true, true);
    EXPECT_EQ(strings[2].size(), 1u);
    EXPECT_TRUE((strings[0] == "A" && strings[1] == "a") || (strings[0] == "a" && strings[1] == "A"));
    EXPECT_TRUE((strings[2] == "b" || strings[2] == "B") && (strings[3] == "b" || strings[3] == "B"));
    gsSortStrings(strings, false, true);
    EXPECT_TRUE(strings[0] == "b" || strings[0] == "B");
    EXPECT_TRUE(strings[3] == "a" || strings[3] == "A");
}

TEST(SortStrings, ordinalOrderKeepsParentsBeforeChildrenAndNonAsciiLast)
{
    std::vector<std::string> strings { "\\Downloads\\b", "", "\\Downloads\\Ä", "\\Downloads", "\\Downloads\\a\\x",
        "\\Downloads\\a" };
    gsSortStrings(strings, true, false);
    EXPECT_EQ(strings,
        (std::vector<std::string> {
            "", "\\Downloads", "\\Downloads\\a", "\\Downloads\\a\\x", "\\Downloads\\b", "\\Downloads\\Ä" }));
    std::vector<std::string> many;
    for (int i = 200; i > 0; --i)
        many.push_back(std::to_string(i % 37));
    gsSortStrings(many, true, true);
    EXPECT_TRUE(std::is_sorted(many.begin(), many.end()));
}
