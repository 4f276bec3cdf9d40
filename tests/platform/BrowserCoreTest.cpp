// The object browser's Qt-free core on folders built in code: the folder
// list, the scan (order, skipped files, progress, cancel), page arithmetic
// and the object summaries.
#include "app/browser/core/FolderList.h"
#include "app/browser/core/ObjectSummary.h"
#include "app/browser/core/PackageScan.h"
#include "app/browser/core/ThumbnailPages.h"
#include "package/Crc24.h"
#include "package/ObjectDefinition.h"
#include "package/base/FolderListing.h"
#include "package/base/Paths.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <system_error>

#include <algorithm>
#include <map>

using namespace varnick;
using namespace varnick::browser;
using varnick::test::PackageBuilder;
using varnick::test::TemporaryFolder;

namespace {

struct Text {
    char language;
    std::string value;
};

// A catalog text list: the 64-byte name, FD FF, the count, then language, text and description per entry.
ByteString textList(const std::vector<Text>& texts)
{
    ByteString bytes(64, '\0');
    bytes += "\xFD\xFF";
    bytes += static_cast<char>(texts.size());
    bytes += '\0';
    for (const Text& text : texts) {
        bytes += text.language;
        bytes += text.value;
        bytes += '\0';
        bytes += '\0';
    }
    return bytes;
}

ByteString definition(std::uint32_t guid, std::uint16_t tileIndex)
{
    ObjectDefinition objd = makeObjectDefinition();
    objd.setRaw(ObjectField::GUID, guid);
    objd.setRaw(ObjectField::MultiTileSubIndex, tileIndex);
    return objd.data();
}

// A catalog object: its definitions, a mesh and (when texts are given) one text list.
ByteString catalogObject(const std::vector<ByteString>& definitions, const std::vector<Text>& texts = {})
{
    PackageBuilder builder;
    int instance = 1;
    for (const ByteString& data : definitions)
        builder.add("4F424A44", "7FD46CD0", "0000000" + std::to_string(instance++), "00000000", data);
    builder.add("AC4F8687", "1C0532FA", "00000001", "00000000", ByteString(40, 'm'));
    if (!texts.empty())
        builder.add("43545353", "7FD46CD0", "00000001", "00000000", textList(texts));
    return builder.build();
}

ByteString recolor()
{
    return PackageBuilder()
        .add("4C697E5A", "1C0532FA", "00000001", "00000000", ByteString(30, 'x'))
        .add("1C4A276C", "1C0532FA", "00000001", "00000000", ByteString(30, 't'))
        .build();
}

// Whether names that differ only in letter case can stand side by side in
// folder (not on Windows' file systems, where the cases below cannot be laid out).
bool caseSensitive(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder / "case-probe");
    std::error_code error;
    const bool sensitive = !std::filesystem::exists(folder / "CASE-PROBE", error);
    std::filesystem::remove(folder / "case-probe", error);
    return sensitive;
}

} // namespace

TEST(BrowserFolders, listsBreadthFirstAndSortsOrdinallyWithParentsFirst)
{
    TemporaryFolder root;
    if (!caseSensitive(root.path()))
        GTEST_SKIP() << "folders named A and a cannot both exist on this file system";
    for (const char* folder : { "b", "A", "a", "a/z", "a/Y", "A/deep/deeper", ".hidden" })
        std::filesystem::create_directories(root.path() / "Downloads" / folder);
    std::vector<std::string> listed = listDataFolders(root.path(), "\\Downloads");
    ASSERT_EQ(listed.size(), 8u);
    EXPECT_EQ(listed.front(), "\\Downloads");
    // Every level comes after the one above it.
    const auto depth = [](const std::string& path) { return std::count(path.begin(), path.end(), '\\'); };
    EXPECT_TRUE(std::is_sorted(
        listed.begin(), listed.end(), [&](const auto& x, const auto& y) { return depth(x) < depth(y); }));
    EXPECT_EQ(treeFolders(root.path() / "Downloads", ""),
        (std::vector<std::string> { "", "\\A", "\\A\\deep", "\\A\\deep\\deeper", "\\a", "\\a\\Y", "\\a\\z", "\\b" }));
    EXPECT_EQ(folderOnDisk(root.path(), "\\Downloads\\A\\deep"), root.path() / "Downloads" / "A" / "deep");
    EXPECT_EQ(mfstrGetFolderName("\\A\\deep"), "deep");
    EXPECT_EQ(mfstrGetParentPath("\\A\\deep"), "\\A");
    EXPECT_EQ(mfstrGetFolderName("plain"), "plain");
    EXPECT_EQ(mfstrGetParentPath("plain"), "");
    // A missing root still gives its own element; an empty one lists nothing else.
    EXPECT_EQ(listDataFolders(root.path() / "missing", "\\Downloads"), std::vector<std::string> { "\\Downloads" });
    EXPECT_EQ(listDataFolders({}, ""), std::vector<std::string> { "" });
}

TEST(BrowserScan, ordersByNameIgnoringCaseAndSkipsUnreadableFilesWithTheirReasons)
{
    TemporaryFolder folder;
    if (!caseSensitive(folder.path()))
        GTEST_SKIP() << "Alpha.package and alpha.package cannot both exist on this file system";
    const ByteString object = catalogObject({ definition(1, 0) });
    for (const char* name : { "beta.package", "Alpha.package", "alpha.package", "Élan.package", "elan2.package",
             "ZED.PACKAGE", "écru.package" })
        folder.write(pathFromUtf8(name), object);
    folder.write("recolor.package", recolor());
    folder.write("notes.txt", object);
    folder.write(".hidden.package", object);
    std::filesystem::create_directories(folder.path() / "dir.package");
    folder.write("empty.package", "");
    folder.write("truncated.package", object.substr(0, object.size() - 30));
    folder.write("text.package", ByteString(200, 'z'));

    const ScanResult result = scanFolder(folder.path());
    EXPECT_EQ(result.files,
        (std::vector<std::string> { "Alpha.package", "alpha.package", "beta.package", "elan2.package", "ZED.PACKAGE",
            "écru.package", "Élan.package" }))
        << "letter case ignored (é and É alike), then the exact bytes";
    EXPECT_EQ(result.total, 11u);
    EXPECT_EQ(result.done, 11u);
    EXPECT_FALSE(result.cancelled);
    ASSERT_EQ(result.skipped.size(), 3u);
    EXPECT_EQ(result.skipped[0].file, "empty.package");
    EXPECT_EQ(result.skipped[1].file, "text.package");
    EXPECT_EQ(result.skipped[2].file, "truncated.package");
    for (const SkippedFile& skipped : result.skipped) {
        EXPECT_FALSE(skipped.reason.empty());
        EXPECT_EQ(skipped.reason.find(skipped.file), std::string::npos) << "the reason does not repeat the name";
        // The reader's own words, for a window to say in the player's language.
        ASSERT_TRUE(skipped.phrase) << skipped.reason;
        EXPECT_EQ(skipped.phrase->english(), skipped.reason);
    }
    EXPECT_TRUE(packageNameLess("a.package", "B.package"));
    EXPECT_TRUE(packageNameLess("Ab", "ab"));
    EXPECT_FALSE(packageNameLess("ab", "ab"));
    EXPECT_TRUE(packageNameLess("ab", "abc"));
    EXPECT_TRUE(scanFolder(folder.path() / "missing").files.empty());
}

TEST(BrowserScan, listsEachEntryAsWhatItIsAndKeepsOnlyPlainPackageFiles)
{
    TemporaryFolder folder;
    folder.write("plain.package", "x");
    folder.write(".hidden.package", "x");
    std::filesystem::create_directories(folder.path() / "dir.package");
    struct Link {
        const char* name;
        const char* target;
    };
    std::error_code linkError;
    for (const Link& link : { Link { "link.package", "plain.package" }, Link { "dangling.package", "gone.package" },
             Link { "linkdir.package", "dir.package" } }) {
        std::filesystem::create_symlink(link.target, folder.path() / link.name, linkError);
        if (linkError)
            break;
    }
    struct Expected {
        FolderEntry::Kind kind;
        bool isLink;
        bool isHidden;
    };
    std::map<std::string, Expected> expected {
        { "plain.package", { FolderEntry::Kind::File, false, false } },
        { ".hidden.package", { FolderEntry::Kind::File, false, true } },
        { "dir.package", { FolderEntry::Kind::Folder, false, false } },
    };
    if (!linkError) {
        expected.insert({ "link.package", { FolderEntry::Kind::File, true, false } });
        expected.insert({ "dangling.package", { FolderEntry::Kind::Other, true, false } });
        expected.insert({ "linkdir.package", { FolderEntry::Kind::Folder, true, false } });
    }
    std::vector<FolderEntry> entries;
    std::error_code error;
    ASSERT_TRUE(listFolder(folder.path(), entries, error)) << error.message();
    ASSERT_EQ(entries.size(), expected.size());
    for (const FolderEntry& entry : entries) {
        const std::string name = pathToUtf8(entry.path.filename());
        SCOPED_TRACE(name);
        ASSERT_EQ(expected.count(name), 1u);
        EXPECT_EQ(entry.path, folder.path() / entry.path.filename()) << "the folder's path joined with the name";
        EXPECT_EQ(entry.kind, expected.at(name).kind);
        EXPECT_EQ(entry.isLink, expected.at(name).isLink);
        EXPECT_EQ(entry.isHidden, expected.at(name).isHidden);
    }
    EXPECT_EQ(listPackageFiles(folder.path()), std::vector<std::string> { "plain.package" });
    EXPECT_FALSE(listFolder(folder.path() / "plain.package", entries, error)) << "a file is not a folder";
    EXPECT_TRUE(error);
}

TEST(BrowserScan, listsInPackageNameOrderWhateverTheNames)
{
    TemporaryFolder folder;
    std::vector<std::string> names { "b.package", "B.package", "a.package", "ab.package", "A b.package", "Ä.package",
        "ä.package", "Ö.package", "Ω.package", "ω.package", "Я.package", "я.package", "Ё.package", "ё.package",
        "Ŀ.package", "ŀ.package", "Ÿ.package", "ÿ.package", "z.package", "中.package", "😀.package", "~.package" };
#ifndef _WIN32
    // Bytes a Linux name can hold that are not UTF-8: a lone continuation or
    // high byte, an overlong form, and 4-byte forms beyond the last code point.
    for (const char* odd : { "\x80.package", "\xFF.package", "a\xFF.package", "A\xFE.package", "\xC0\x80.package",
             "\xF4\x90\x80\x80.package", "\xF7\xBF\xBF\xBF.package", "\xF0\x9F\x98.package" })
        names.emplace_back(odd);
#endif
    const FolderListingHook previous
        = setFolderListingHookForTesting([&](const std::filesystem::path& listed, std::vector<FolderEntry>& entries) {
              entries.clear();
              for (const std::string& name : names)
                  entries.push_back({ listed / pathFromUtf8(name), FolderEntry::Kind::File, false, false });
          });
    const std::vector<std::string> listed = listPackageFiles(folder.path());
    setFolderListingHookForTesting(previous);

    std::vector<std::string> expected = names;
    std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
        const std::u32string x = packageNameKey(a);
        const std::u32string y = packageNameKey(b);
        return x != y ? x < y : a < b;
    });
    EXPECT_EQ(listed, expected);
    for (std::size_t i = 1; i < listed.size(); ++i)
        EXPECT_TRUE(packageNameLess(listed[i - 1], listed[i])) << listed[i - 1] << " | " << listed[i];
}

TEST(BrowserScan, reportsBatchesAndStopsWhenCancelled)
{
    TemporaryFolder folder;
    const ByteString object = catalogObject({ definition(1, 0) });
    for (int i = 0; i < 600; ++i)
        folder.write("object" + std::to_string(1000 + i) + ".package", object);
    std::vector<std::string> streamed;
    std::vector<std::size_t> done;
    const ScanResult whole = scanFolder(folder.path(), [&](const ScanResult& batch) {
        streamed.insert(streamed.end(), batch.files.begin(), batch.files.end());
        done.push_back(batch.done);
    });
    EXPECT_EQ(streamed, whole.files);
    // The first page's worth comes at once, then every 256 packages, then the end.
    EXPECT_EQ(done, (std::vector<std::size_t> { 25, 256, 512, 600 }));

    std::atomic<bool> cancel { false };
    const ScanResult cancelled = scanFolder(
        folder.path(),
        [&](const ScanResult& batch) {
            if (batch.done >= 256)
                cancel = true;
        },
        &cancel);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.files.size(), 256u);
    EXPECT_TRUE(std::equal(cancelled.files.begin(), cancelled.files.end(), whole.files.begin()));
}

TEST(BrowserPages, countsPagesAndFindsCells)
{
    struct Case {
        std::int64_t n, pages, last;
    };
    for (const Case& c :
        { Case { 0, 0, 0 }, Case { 1, 1, 0 }, Case { 25, 1, 0 }, Case { 26, 2, 1 }, Case { 51, 3, 2 } }) {
        EXPECT_EQ(pageCount(c.n), c.pages) << c.n;
        EXPECT_EQ(lastPageIndex(c.n), c.last) << c.n;
    }
    EXPECT_EQ(pageCountText(0, 25), "Page 1 of 1");
    EXPECT_EQ(pageCountText(2, 51), "Page 3 of 3");
    EXPECT_EQ(cellsOnPage(51, 2), 1);
    EXPECT_EQ(cellsOnPage(51, 1), 25);
    EXPECT_EQ(cellsOnPage(0, 0), 0);
    EXPECT_TRUE(cellHoldsObject(26, 1, 0));
    EXPECT_FALSE(cellHoldsObject(26, 1, 1));
    EXPECT_EQ(objectIndex(2, 0), 50);
    EXPECT_EQ(cellAt(0, 0), 0);
    EXPECT_EQ(cellAt(94, 94), 0);
    EXPECT_EQ(cellAt(95, 0), 1);
    EXPECT_EQ(cellAt(0, 95), 5);
    EXPECT_EQ(cellAt(474, 474), 24);
    EXPECT_EQ(cellAt(475, 10), -1);
    EXPECT_EQ(cellAt(-1, 10), -1);
}

TEST(BrowserObjects, thumbnailKeysUseTheLowerCaseTitleBeforeTheLastDot)
{
    EXPECT_EQ(thumbnailKeyFor("My.Chair.v2.package"), thumbnailKeyText("my.chair.v2"));
    EXPECT_EQ(thumbnailKeyFor("MY.CHAIR.V2.package"), thumbnailKeyFor("my.chair.v2.PACKAGE"));
    EXPECT_EQ(thumbnailKeyFor("noextension"), thumbnailKeyText("noextension"));
    // A checksum with fewer than six hexadecimal digits is padded to eight digits in all.
    std::string title;
    for (int i = 0; title.empty(); ++i)
        if (gflngCRC24OfString("t" + std::to_string(i)) < 0x100000)
            title = "t" + std::to_string(i);
    const std::string key = thumbnailKeyFor(title + ".package");
    EXPECT_EQ(key.size(), 8u);
    EXPECT_EQ(key.substr(0, 3), "7F0");
}

TEST(BrowserObjects, summaryShowsTextsAndTheChosenDefinitionsGuid)
{
    TemporaryFolder folder;
    const auto summaryOf
        = [&](const char* name, const ByteString& bytes) { return readObjectSummary(folder.write(name, bytes)); };
    ObjectSummary two = summaryOf("two.package",
        catalogObject({ definition(0x11111111, 0), definition(0x82222222, 0xFFFF) },
            { { 1, "Chair" }, { 1, "Line one\nLine two\r\nLine three" }, { 2, "Stuhl" } }));
    EXPECT_TRUE(two.readable);
    EXPECT_EQ(two.guid, static_cast<std::int32_t>(0x82222222));
    EXPECT_EQ(two.name, "Chair");
    EXPECT_EQ(two.description, "Line one\r\nLine two\r\nLine three");
    EXPECT_EQ(two.details, "Chair\r\n\r\nLine one\r\nLine two\r\nLine three");
    EXPECT_EQ(two.thumbnailKey, thumbnailKeyText("two"));

    // Name as the last entry: an empty line and no description. Invalid UTF-8 bytes are replaced.
    ObjectSummary last
        = summaryOf("last.package", catalogObject({ definition(7, 3) }, { { 2, "x" }, { 1, "Sofa \xFF" } }));
    EXPECT_EQ(last.guid, 7);
    EXPECT_EQ(last.details, "Sofa \xEF\xBF\xBD\r\n\r\n");

    // Several definitions without a lead tile, and no English text: GUID 0, no texts.
    ObjectSummary none
        = summaryOf("none.package", catalogObject({ definition(5, 0), definition(6, 1) }, { { 2, "Stuhl" } }));
    EXPECT_EQ(none.guid, 0);
    EXPECT_FALSE(none.hasName);
    EXPECT_EQ(none.details, "");

    ObjectSummary broken = summaryOf("broken.package", "not a package");
    EXPECT_FALSE(broken.readable);
    EXPECT_FALSE(broken.reason.empty());
    EXPECT_EQ(broken.file, "broken.package");
    EXPECT_FALSE(readObjectSummary(folder.path() / "gone.package").readable);
}
