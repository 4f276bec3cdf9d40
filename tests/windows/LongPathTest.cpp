// A Downloads tree whose packages lie beyond MAX_PATH (260 characters), as
// collections nested a few levels deep under a long Documents path soon do:
// each write either works there as anywhere else or refuses with one line and
// leaves every file as it was. Also names that are not valid Unicode, which
// NTFS allows and the standard library cannot convert.

#include "package/base/FileReplace.h"
#include "package/base/FolderListing.h"
#include "package/base/Paths.h"
#include "tests/common/CliRunner.h"
#include "tests/common/EditorPackages.h"
#include "tests/windows/WindowsTestSupport.h"
#include "tools/common/PackageBuilder.h"
#include "tools/demo/DemoWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace varnick {
namespace {

namespace fs = std::filesystem;
using test::runCli;

// Six levels of 44 characters each: the packages' paths pass 300 characters
// below any temporary folder.
const std::wstring kDeepFolders = [] {
    std::wstring folders;
    for (int level = 1; level <= 6; ++level)
        folders += L"\\Sehr lange Ordnerbezeichnung für Möbel " + std::to_wstring(level) + L" Ωμέγα";
    return folders;
}();

bool moveAnyLength(const fs::path& from, const fs::path& to)
{
    return MoveFileExW(test::extendedPath(from.native()).c_str(), test::extendedPath(to.native()).c_str(), 0) != 0;
}

bool existsAnyLength(const fs::path& file)
{
    return GetFileAttributesW(test::extendedPath(file.native()).c_str()) != INVALID_FILE_ATTRIBUTES;
}

ByteString bytesAnyLength(const fs::path& file)
{
    HANDLE handle = CreateFileW(test::extendedPath(file.native()).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return {};
    ByteString bytes(1 << 20, 0);
    DWORD read = 0;
    ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(handle);
    bytes.resize(read);
    return bytes;
}

// Names of the files directly in folder, listed with the system's calls.
std::vector<std::wstring> fileNames(const fs::path& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry {};
    HANDLE find = FindFirstFileW((test::extendedPath(folder.native()) + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.emplace_back(entry.cFileName);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// A generated world whose first object with recolors is moved, recolors and
// all, into a folder nested beyond MAX_PATH.
class LongPaths : public ::testing::Test {
protected:
    void SetUp() override
    {
        demo::DemoOptions options;
        options.output = fs::path(mScratch.path()) / L"w";
        options.packages = demo::kMinimumPackages;
        const demo::DemoWorld world = demo::generateDemoWorld(options);
        mDownloads = (world.dataFolder / "Downloads").make_preferred();
        mDeep = fs::path(mDownloads.native() + kDeepFolders);
        ASSERT_GT(mDeep.native().size(), 300U);
        ASSERT_TRUE(test::createFolders(mDeep.native()));
        for (const demo::GeneratedPackage& object : world.packages) {
            if (object.kind != demo::PackageKind::CatalogObject)
                continue;
            std::vector<fs::path> recolors;
            for (const demo::GeneratedPackage& recolor : world.packages)
                if (recolor.kind == demo::PackageKind::Recolor && recolor.guid == object.guid)
                    recolors.push_back(recolor.file);
            if (recolors.empty())
                continue;
            recolors.insert(recolors.begin(), object.file);
            for (const fs::path& file : recolors) {
                const fs::path moved = mDeep / file.filename();
                ASSERT_TRUE(moveAnyLength(mDownloads / file, moved)) << "error " << GetLastError();
                mFiles.push_back(moved);
            }
            break;
        }
        ASSERT_GE(mFiles.size(), 2U) << "the world has no object with recolors";
        for (const fs::path& file : mFiles)
            mBytes[file.filename()] = bytesAnyLength(file);
    }

    std::string deep(const fs::path& file) const { return pathToUtf8(file); }
    std::string object() const { return pathToUtf8(mFiles.front()); }

    /// Every moved file as it was, whole, in folder.
    void expectAllIn(const fs::path& folder)
    {
        for (const auto& [name, bytes] : mBytes)
            EXPECT_EQ(bytesAnyLength(folder / name), bytes) << pathToUtf8(name);
    }

    test::NonAsciiScratchFolder mScratch;
    fs::path mDownloads;
    fs::path mDeep;
    std::vector<fs::path> mFiles; ///< the object first, then its recolors
    std::map<fs::path, ByteString> mBytes; ///< file name -> bytes before the test
};

TEST_F(LongPaths, everyListingFindsThePackagesBeyondMaxPath)
{
    const test::CliRun scan = runCli({ "scan", pathToUtf8(mDeep) });
    ASSERT_EQ(scan.status, 0) << scan.err;
    EXPECT_NE(scan.out.find(pathToUtf8(mFiles.front().filename())), std::string::npos) << scan.out;
    EXPECT_EQ(scan.out.find("skipped"), std::string::npos) << scan.out;

    const test::CliRun folders = runCli({ "folders", pathToUtf8(mDownloads) });
    ASSERT_EQ(folders.status, 0) << folders.err;
    EXPECT_NE(folders.out.find("Möbel 6 Ωμέγα"), std::string::npos) << folders.out;

    const test::CliRun recolors = runCli({ "recolors", pathToUtf8(mDownloads), object() });
    ASSERT_EQ(recolors.status, 0) << recolors.err;
    for (std::size_t i = 1; i < mFiles.size(); ++i)
        EXPECT_NE(recolors.out.find(pathToUtf8(mFiles[i].filename())), std::string::npos) << recolors.out;

    // The library review and its index walk the whole tree.
    const test::CliRun health = runCli({ "health", pathToUtf8(mDownloads), "--no-game", "--json", "--index",
        pathToUtf8(fs::path(mScratch.path()) / L"index" / L"library.index") });
    ASSERT_EQ(health.status, 0) << health.err;
    EXPECT_EQ(health.out.find("Möbel 6"), std::string::npos) << "nothing deep is broken or orphaned: " << health.out;
    const test::CliRun orphans = runCli({ "health", pathToUtf8(mDownloads), "--no-game", "--json", "--index",
        pathToUtf8(fs::path(mScratch.path()) / L"index" / L"library.index") });
    EXPECT_EQ(orphans.out, health.out) << "the index kept the deep packages";

    // A stale scratch file of an ended writer is swept there too.
    const fs::path stale = mDeep / L"x.package.varnick-4000000000-1.tmp";
    ASSERT_TRUE(test::createFolders(mDeep.native()));
    HANDLE handle = CreateFileW(test::extendedPath(stale.native()).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    CloseHandle(handle);
    const test::CliRun sweep = runCli({ "sweep-scratch", pathToUtf8(mDownloads) });
    EXPECT_NE(sweep.out.find(": 1"), std::string::npos) << sweep.out << sweep.err;
    EXPECT_FALSE(existsAnyLength(stale));
}

TEST_F(LongPaths, anObjectEditSavesWithItsBackup)
{
    const fs::path backups = fs::path(mScratch.path()) / L"Backups";
    const test::CliRun set
        = runCli({ "set", object(), "--field", "Price=777", "--name", "Lang", "--backup-folder", pathToUtf8(backups) });
    ASSERT_EQ(set.status, 0) << set.err;
    const test::CliRun shown = runCli({ "object", object() });
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("\"Price\": 777"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("Lang"), std::string::npos) << shown.out;

    // The old version is kept (beside the note of its source), and nothing but the package is left in its folder.
    std::vector<fs::path> kept;
    std::error_code error;
    ASSERT_TRUE(walkFolderTree(
        backups,
        [&](const FolderEntry& entry) {
            if (entry.kind == FolderEntry::Kind::File && entry.path.extension() == L".package")
                kept.push_back(entry.path);
        },
        error))
        << error.message();
    ASSERT_EQ(kept.size(), 1U);
    EXPECT_EQ(bytesAnyLength(kept.front()), mBytes[mFiles.front().filename()]);
    for (const std::wstring& name : fileNames(mDeep))
        EXPECT_FALSE(isScratchFileName(name)) << test::utf8(name);

    const test::CliRun restore = runCli({ "restore", object(), "--backup-folder", pathToUtf8(backups) });
    ASSERT_EQ(restore.status, 0) << restore.err;
    EXPECT_EQ(bytesAnyLength(mFiles.front()), mBytes[mFiles.front().filename()]);
}

TEST_F(LongPaths, aMoveWithRecolorsGoesBothWays)
{
    const fs::path shallow = mDownloads / L"Umgezogen";
    ASSERT_TRUE(test::createFolders(shallow.native()));
    const test::CliRun out = runCli({ "move", pathToUtf8(mDownloads), object(), pathToUtf8(shallow) });
    ASSERT_EQ(out.status, 0) << out.err;
    expectAllIn(shallow);
    EXPECT_TRUE(fileNames(mDeep).empty());

    const test::CliRun back = runCli(
        { "move", pathToUtf8(mDownloads), pathToUtf8(shallow / mFiles.front().filename()), pathToUtf8(mDeep) });
    ASSERT_EQ(back.status, 0) << back.err;
    expectAllIn(mDeep);
    EXPECT_TRUE(fileNames(shallow).empty());
}

TEST_F(LongPaths, aDeleteToTheRecycleBinWorksOrRefusesWithEverythingKept)
{
    const test::CliRun out = runCli({ "delete", pathToUtf8(mDownloads), object() });
    if (out.status == 0) {
        EXPECT_TRUE(fileNames(mDeep).empty()) << out.out;
        EXPECT_NE(out.out.find("trashed: "), std::string::npos) << out.out;
        EXPECT_EQ(out.out.find("deleted: "), std::string::npos) << "never deleted for good instead: " << out.out;
        return;
    }
    // Refused: one line, and every file where it was.
    EXPECT_EQ(std::count(out.err.begin(), out.err.end(), '\n'), 1) << out.err;
    expectAllIn(mDeep);
}

TEST(SystemPath, givesTheExtendedFormOnlyToLongPaths)
{
    const std::wstring longTail(260, L'x');
    struct Case {
        std::wstring path;
        std::wstring expected;
    };
    const std::vector<Case> cases {
        { L"C:\\Games\\Downloads\\a.package", L"C:\\Games\\Downloads\\a.package" },
        { L"C:\\Games\\" + longTail, L"\\\\?\\C:\\Games\\" + longTail },
        { L"C:/Games/./Old/../" + longTail, L"\\\\?\\C:\\Games\\" + longTail },
        { L"\\\\server\\share\\" + longTail, L"\\\\?\\UNC\\server\\share\\" + longTail },
        { L"\\\\?\\C:\\Games\\" + longTail, L"\\\\?\\C:\\Games\\" + longTail },
    };
    for (const Case& c : cases)
        EXPECT_EQ(systemPath(fs::path(c.path)).native(), c.expected) << test::utf8(c.path.substr(0, 40));
    // A relative path is made absolute first.
    const std::wstring relative = systemPath(fs::path(longTail)).native();
    EXPECT_TRUE(relative.starts_with(L"\\\\?\\")) << test::utf8(relative.substr(0, 40));
    EXPECT_TRUE(relative.ends_with(L"\\" + longTail));
}

TEST(NotUnicodePath, isShownWithAReplacementCharacterAndNeverLeadsBackToTheFile)
{
    const fs::path odd = fs::path(L"C:\\Downloads") / (std::wstring(L"Tisch ") + wchar_t(0xD800) + L".package");
    EXPECT_FALSE(isUnicodePath(odd));
    EXPECT_FALSE(isUnicodePath(fs::path(std::wstring(L"x") + wchar_t(0xDC00) + wchar_t(0xD800))));
    EXPECT_TRUE(isUnicodePath(fs::path(L"C:\\Downloads\\Sessel \U0001F3B2.package")));
    EXPECT_EQ(pathToUtf8(odd.filename()), "Tisch \xEF\xBF\xBD.package");
    EXPECT_NE(pathFromUtf8(pathToUtf8(odd)), odd);
    EXPECT_EQ(pathFromUtf8("bad \xFF byte"), fs::path(L"bad \uFFFD byte"));
}

// A folder with a package whose name holds a lone surrogate, as NTFS allows.
// Wine refuses such a name, so there the listing is shown the name instead.
class NotUnicodeName : public ::testing::Test {
protected:
    void SetUp() override
    {
        mFolder = fs::path(mScratch.path());
        const ByteString object = test::EditorPackage {}.builder().build();
        writeWhole(mFolder / L"Sessel.package", object);
        mOdd = mFolder / (std::wstring(L"Tisch ") + wchar_t(0xD800) + L".package");
        if (writeWhole(mOdd, object))
            return;
        const fs::path stand = mFolder / L"Tisch X.package";
        ASSERT_TRUE(writeWhole(stand, object));
        mPreviousHook
            = setFolderListingHookForTesting([stand, odd = mOdd](const fs::path&, std::vector<FolderEntry>& entries) {
                  for (FolderEntry& entry : entries)
                      if (entry.path == stand)
                          entry.path = odd;
              });
        mHooked = true;
    }
    void TearDown() override
    {
        if (mHooked)
            setFolderListingHookForTesting(mPreviousHook);
    }

    static bool writeWhole(const fs::path& file, const ByteString& bytes)
    {
        HANDLE handle
            = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return false;
        DWORD written = 0;
        WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(handle);
        return written == bytes.size();
    }

    test::NonAsciiScratchFolder mScratch;
    fs::path mFolder;
    fs::path mOdd;
    FolderListingHook mPreviousHook;
    bool mHooked = false;
};

TEST_F(NotUnicodeName, aScanPassesOverItWithOneLineAndListsTheRest)
{
    const test::CliRun scan = runCli({ "scan", pathToUtf8(mFolder) });
    ASSERT_EQ(scan.status, 0) << scan.err;
    EXPECT_NE(scan.out.find("Sessel.package\t"), std::string::npos) << scan.out;
    EXPECT_NE(
        scan.out.find("skipped\tTisch \xEF\xBF\xBD.package\tThe file name is not valid Unicode"), std::string::npos)
        << scan.out;

    // The other walks finish too and never name it as something to act on.
    for (const std::vector<std::string>& arguments :
        std::vector<std::vector<std::string>> { { "folders", pathToUtf8(mFolder) },
            { "health", pathToUtf8(mFolder), "--no-game", "--json", "--index",
                pathToUtf8(mFolder / L"index" / L"library.index") },
            { "sweep-scratch", pathToUtf8(mFolder) } }) {
        const test::CliRun run = runCli(arguments);
        EXPECT_EQ(run.status, 0) << arguments.front() << ": " << run.err;
        EXPECT_EQ(run.out.find("Tisch"), std::string::npos) << arguments.front() << ": " << run.out;
    }
    // A recompress reaches it by its own name (never by the shown one) or refuses it.
    const test::CliRun recompress
        = runCli({ "recompress", pathToUtf8(mFolder), "--backup-folder", pathToUtf8(mFolder / L"Backups") });
    EXPECT_LE(recompress.status, 1) << recompress.err;
    EXPECT_NE(recompress.out.find("packages"), std::string::npos) << recompress.out << recompress.err;
    EXPECT_TRUE(existsAnyLength(mHooked ? mFolder / L"Tisch X.package" : mOdd)) << "the odd file is kept";
}

} // namespace
} // namespace varnick
