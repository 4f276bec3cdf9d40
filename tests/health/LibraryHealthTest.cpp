// The persistent library index and the health review built on it.
#include "app/browser/core/PackageScan.h"
#include "app/health/core/HealthReport.h"
#include "app/health/core/Quarantine.h"
#include "app/health/index/IndexedFolderScan.h"
#include "app/health/index/LibraryIndex.h"
#include "app/health/index/LibraryScan.h"
#include "package/ObjectDefinition.h"
#include "package/PropertySet.h"
#include "package/TextList.h"
#include "package/base/ErrorTrap.h"
#include "package/base/FileReplace.h"
#include "package/base/PhraseCode.h"
#include "package/base/RawFile.h"
#include "tests/common/FailsWith.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <thread>

using namespace varnick;
using namespace varnick::health;
using namespace varnick::test;

namespace {

ByteString objectPackage(std::uint32_t guid, const std::string& name)
{
    ObjectDefinition definition = makeObjectDefinition();
    definition.setRaw(ObjectField::GUID, guid);
    TextList list;
    list.ListName = "names";
    list.Entries.push_back({ "\x01", name, "two\nlines \xFF" }); // a bare line feed and an invalid byte
    ByteString text;
    gsWriteTextList(list, text);
    return PackageBuilder()
        .add("4F424A44", "7FD46CD0", "00000041", "00000000", definition.data())
        .add("AC4F8687", "1C0532FA", "00000001", "00000000", "mesh")
        .add("43545353", "7FD46CD0", "00000001", "00000000", text)
        .build();
}

ByteString recolorPackage(std::uint32_t objectGuid)
{
    const ByteString number = storedId("EB61E4F7");
    const ByteString material = writeBinPropertySet({ { number, "family", "", 1 },
        { number, "objectGUID", "", static_cast<double>(static_cast<std::int32_t>(objectGuid)) } });
    return PackageBuilder()
        .add("4C697E5A", "1C0532FA", "00000001", "00000000", material)
        .add("1C4A276C", "1C0532FA", "00000002", "00000000", "texture")
        .build();
}

ScanResult scan(LibraryIndex& index, const std::filesystem::path& root, const std::filesystem::path& game = {})
{
    ScanOptions options;
    options.root = root;
    options.gameFolder = game;
    options.threads = 2;
    return scanLibrary(index, options);
}

std::vector<std::string> fileNames(const std::vector<std::string>& files)
{
    std::vector<std::string> names;
    for (const std::string& file : files)
        names.push_back(std::filesystem::path(file).filename().string());
    return names;
}

} // namespace

TEST(LibraryIndex, rereadsOnlyWhatChangedBetweenRuns)
{
    TemporaryFolder library;
    TemporaryFolder data;
    const auto dbFile = data.path() / "index.sqlite";
    library.write("a.package", objectPackage(1, "A"));
    library.write("b.package", objectPackage(2, "B"));
    std::filesystem::create_directories(library.path() / "sub");
    library.write("sub/c.package", recolorPackage(2));
    library.write("d.package", objectPackage(4, "D"));
    library.write("notes.txt", "not a package");
    {
        LibraryIndex index(dbFile);
        EXPECT_EQ(scan(index, library.path()).reread, 4U);
    }
    {
        LibraryIndex index(dbFile); // a second start
        const ScanResult again = scan(index, library.path());
        EXPECT_EQ(again.reread, 0U);
        ASSERT_EQ(again.records.size(), 4U);
        EXPECT_EQ(again.records[0].name, "A");
        EXPECT_EQ(again.records[0].guids, std::vector<std::uint32_t> { 1 });
        EXPECT_EQ(again.records[3].relativePath, "sub/c.package");
        EXPECT_EQ(again.records[3].kind, PackageKind::Recolor);
        EXPECT_EQ(again.records[3].objectGuid, 2U);
    }
    // Changed (another size), added, removed and renamed.
    library.write("a.package", objectPackage(11, "A longer name"));
    library.write("e.package", objectPackage(5, "E"));
    std::filesystem::remove(library.path() / "b.package");
    std::filesystem::rename(library.path() / "d.package", library.path() / "sub" / "d2.package");
    LibraryIndex index(dbFile);
    const ScanResult changed = scan(index, library.path());
    EXPECT_EQ(changed.reread, 3U);
    const auto stored = index.records();
    EXPECT_EQ(stored.size(), 4U);
    EXPECT_FALSE(stored.contains("b.package"));
    EXPECT_FALSE(stored.contains("d.package"));
    EXPECT_EQ(stored.at("sub/d2.package").guids, std::vector<std::uint32_t> { 4 });
    EXPECT_EQ(stored.at("a.package").guids, std::vector<std::uint32_t> { 11 });
}

// The index is a cache, so a failing database is passed over; anything else
// that breaks on its writer thread ends the scan with that failure instead of the process.
TEST(LibraryIndex, aFailureOnTheWriterThreadComesBackFromTheScan)
{
    TemporaryFolder library;
    TemporaryFolder data;
    for (int i = 0; i < 20; ++i)
        library.write("p" + std::to_string(i) + ".package", objectPackage(static_cast<std::uint32_t>(i + 1), "P"));
    LibraryIndex index(data.path() / "index.sqlite");
    ScanOptions options;
    options.root = library.path();
    options.threads = 2;
    options.beforeIndexWriteForTesting = [] { throw std::runtime_error("the writer ran out of something"); };
    EXPECT_FAILS_WITH(scanLibrary(index, options), "ran out of something");
    options.beforeIndexWriteForTesting = [] { throw Failure(ErrorCode::FileWriteFailed, "database is locked"); };
    EXPECT_EQ(scanLibrary(index, options).records.size(), 20U);
    options.beforeIndexWriteForTesting = nullptr;
    EXPECT_EQ(scanLibrary(index, options).reread, 20U); // nothing was kept by the failed scans
}

TEST(LibraryIndex, rebuildsADamagedOrForeignFileAndLosesNothing)
{
    TemporaryFolder library;
    library.write("a.package", objectPackage(1, "A"));
    struct Case {
        const char* what;
        std::function<void(const std::filesystem::path&)> spoil;
    };
    const std::vector<Case> cases {
        { "garbage bytes", [](const std::filesystem::path& file) { std::ofstream(file) << "not a database at all"; } },
        { "a truncated database",
            [](const std::filesystem::path& file) {
                {
                    LibraryIndex index(file);
                }
                std::filesystem::resize_file(file, 1000);
            } },
        { "another schema version",
            [](const std::filesystem::path& file) {
                sqlite3* db = nullptr;
                sqlite3_open(file.string().c_str(), &db);
                sqlite3_exec(db, "UPDATE meta SET value='0' WHERE key='schema'", nullptr, nullptr, nullptr);
                sqlite3_close(db);
            } },
        { "deleted", [](const std::filesystem::path& file) { std::filesystem::remove(file); } },
        // A newer version's classification, or a damaged row: read again, not trusted.
        { "a kind this version does not know",
            [](const std::filesystem::path& file) {
                sqlite3* db = nullptr;
                sqlite3_open(file.string().c_str(), &db);
                sqlite3_exec(db, "UPDATE packages SET kind=77", nullptr, nullptr, nullptr);
                sqlite3_close(db);
            } },
        { "an index kind this version does not know",
            [](const std::filesystem::path& file) {
                sqlite3* db = nullptr;
                sqlite3_open(file.string().c_str(), &db);
                sqlite3_exec(db, "UPDATE packages SET index_kind=-1", nullptr, nullptr, nullptr);
                sqlite3_close(db);
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryFolder data;
        const auto dbFile = data.path() / "index.sqlite";
        {
            LibraryIndex first(dbFile);
            scan(first, library.path());
        }
        c.spoil(dbFile);
        LibraryIndex index(dbFile);
        EXPECT_TRUE(index.persistent());
        const ScanResult result = scan(index, library.path());
        EXPECT_EQ(result.reread, 1U);
        ASSERT_EQ(result.records.size(), 1U);
        EXPECT_EQ(result.records[0].guids, std::vector<std::uint32_t> { 1 });
        LibraryIndex reopened(dbFile);
        EXPECT_FALSE(reopened.rebuilt());
        EXPECT_EQ(reopened.records().size(), 1U);
    }
}

namespace {

// The reasons of a report's unreadable packages, by file name.
std::map<std::string, BrokenPackage> brokenByName(const std::filesystem::path& root, const ScanResult& result)
{
    std::map<std::string, BrokenPackage> rows;
    for (BrokenPackage& row : analyseLibrary(root, result.records, {}, {}).broken) {
        const std::string name = std::filesystem::path(row.file).filename().string();
        rows.emplace(name, std::move(row));
    }
    return rows;
}

void execute(const std::filesystem::path& file, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.string().c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message), SQLITE_OK) << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
}

std::string storedSchema(const std::filesystem::path& file)
{
    sqlite3* db = nullptr;
    sqlite3_open(file.string().c_str(), &db);
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(db, "SELECT value FROM meta WHERE key='schema'", -1, &select, nullptr);
    std::string value;
    if (sqlite3_step(select) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(select, 0));
    sqlite3_finalize(select);
    sqlite3_close(db);
    return value;
}

} // namespace

// The window says a stored reason in the player's language a later run: the
// index keeps the phrase beside the English, which the command line reads.
TEST(LibraryIndex, keepsHowAReasonWasWordedForTheNextRun)
{
    TemporaryFolder library;
    TemporaryFolder data;
    library.write("empty.package", "");
    library.write("later-game.package",
        PackageBuilder().versions(2, 0).add("4F424A44", "7FD46CD0", "00000041", "00000000", "x").build());
    library.write("short.package", "not a package");
    const auto dbFile = data.path() / "index.sqlite";
    std::map<std::string, BrokenPackage> first;
    {
        LibraryIndex index(dbFile);
        first = brokenByName(library.path(), scan(index, library.path()));
    }
    LibraryIndex index(dbFile);
    const ScanResult again = scan(index, library.path());
    EXPECT_EQ(again.reread, 0U);
    const std::map<std::string, BrokenPackage> stored = brokenByName(library.path(), again);
    ASSERT_EQ(stored.size(), 3U);
    EXPECT_EQ(stored.at("empty.package").reason, "The file is empty");
    ASSERT_TRUE(stored.at("empty.package").phrase);
    EXPECT_STREQ(stored.at("empty.package").phrase->text().english, "The file is empty");
    ASSERT_TRUE(stored.at("later-game.package").phrase);
    EXPECT_STREQ(stored.at("later-game.package").phrase->text().english,
        "The package is the container of a later game (version %1.%2); this game reads version 1");
    for (const auto& [name, row] : stored) {
        SCOPED_TRACE(name);
        EXPECT_EQ(row.reason, first.at(name).reason) << "the English is the same read fresh or from the index";
        EXPECT_EQ(row.phrase.has_value(), first.at(name).phrase.has_value());
        if (row.phrase) {
            EXPECT_EQ(row.phrase->english(), row.reason);
        }
    }
}

// An index written before reasons kept their phrases is brought up to date in
// place: nothing is read again, and its reasons show their English as before.
TEST(LibraryIndex, anIndexOfTheVersionBeforeKeepsItsRowsAndTheirEnglish)
{
    TemporaryFolder library;
    TemporaryFolder data;
    const auto empty = library.write("empty.package", "");
    const auto dbFile = data.path() / "index.sqlite";
    // The stamp as the scan takes it.
    LibraryIndex memory({});
    const std::int64_t ticks = scan(memory, library.path()).records.at(0).modifiedTime;
    // The schema as version 2 wrote it, with one row of its own.
    execute(dbFile,
        "PRAGMA journal_mode=WAL;"
        "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL);"
        "CREATE TABLE packages(path TEXT PRIMARY KEY, size INTEGER NOT NULL,"
        " mtime INTEGER NOT NULL, kind INTEGER NOT NULL, guids TEXT NOT NULL, name BLOB NOT NULL,"
        " object_guid INTEGER, hash TEXT NOT NULL, error TEXT NOT NULL, has_name INTEGER NOT NULL,"
        " description BLOB NOT NULL, shown_guid INTEGER NOT NULL, material_guids TEXT NOT NULL,"
        " index_kind INTEGER NOT NULL) WITHOUT ROWID;"
        "CREATE TABLE game_guids(guid INTEGER PRIMARY KEY);"
        "INSERT INTO meta VALUES('schema','2');"
        "INSERT INTO packages VALUES('empty.package', 0, "
            + std::to_string(ticks)
            + ", 3, '', X'', NULL, '', 'The file is empty (as version 2 said)', 0, X'', 0, '', 3);");
    {
        LibraryIndex index(dbFile);
        EXPECT_FALSE(index.rebuilt());
        EXPECT_TRUE(index.persistent());
        const ScanResult result = scan(index, library.path());
        EXPECT_EQ(result.reread, 0U);
        const std::map<std::string, BrokenPackage> rows = brokenByName(library.path(), result);
        ASSERT_EQ(rows.size(), 1U);
        EXPECT_EQ(rows.at("empty.package").reason, "The file is empty (as version 2 said)");
        EXPECT_FALSE(rows.at("empty.package").phrase);
    }
    EXPECT_EQ(storedSchema(dbFile), std::to_string(kIndexSchemaVersion));
    // A phrase that does not say the row's English is not its phrase.
    execute(dbFile,
        "UPDATE packages SET error_phrase='"
            + encodePhrase(Phrase(VARNICK_PHRASE("LibraryHealth", "The file is empty"))) + "'");
    {
        LibraryIndex index(dbFile);
        EXPECT_FALSE(index.rebuilt());
        EXPECT_FALSE(index.records().at("empty.package").errorPhrase);
    }
    // Reading the package again stores its phrase.
    library.write("empty.package", "");
    std::filesystem::last_write_time(empty, std::filesystem::last_write_time(empty) + std::chrono::seconds(5));
    LibraryIndex index(dbFile);
    EXPECT_EQ(scan(index, library.path()).reread, 1U);
    EXPECT_TRUE(index.records().at("empty.package").errorPhrase);
}

TEST(LibraryIndex, twoInstancesShareOneFile)
{
    TemporaryFolder library;
    TemporaryFolder data;
    const auto dbFile = data.path() / "index.sqlite";
    library.write("a.package", objectPackage(1, "A"));
    LibraryIndex first(dbFile);
    LibraryIndex second(dbFile);
    scan(first, library.path());
    EXPECT_EQ(second.records().size(), 1U);

    // Another instance holds a write transaction for a moment: the writer waits for it instead of failing.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dbFile.string().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; DELETE FROM game_guids", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    library.write("b.package", objectPackage(2, "B"));
    EXPECT_EQ(scan(second, library.path()).reread, 1U);
    release.join();
    sqlite3_close(other);
    EXPECT_EQ(first.records().size(), 2U);
    EXPECT_EQ(scan(first, library.path()).reread, 0U);

    // A lock that outlasts the timeout: the scan's result stands, the index
    // keeps what it had, and the next run reads the new file again.
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(dbFile.string().c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE; DELETE FROM game_guids", nullptr, nullptr, nullptr), SQLITE_OK);
    library.write("c.package", objectPackage(3, "C"));
    {
        LibraryIndex blocked(dbFile, 50);
        const ScanResult result = scan(blocked, library.path());
        EXPECT_EQ(result.records.size(), 3U);
        EXPECT_EQ(result.records[2].guids, std::vector<std::uint32_t> { 3 });
    }
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    EXPECT_EQ(scan(first, library.path()).reread, 1U);
}

TEST(LibraryHealth, listsEachKindOfUnreadablePackage)
{
    TemporaryFolder library;
    const ByteString good = objectPackage(1, "A");
    const ByteString damagedStream { "\x0D\x00\x00\x00\x10\xFB\x00\x01\x00\xE3xyz", 13 };
    struct Case {
        std::string file;
        ByteString bytes;
        std::string reason;
    };
    const std::vector<Case> cases {
        { "empty.package", "", "empty" },
        { "truncated.package", good.substr(0, good.size() - 30), "" },
        { "later-game.package",
            PackageBuilder().versions(2, 0).add("4F424A44", "7FD46CD0", "00000041", "00000000", "x").build(),
            "later game" },
        { "damaged-compression.package",
            PackageBuilder()
                .addCompressed(ResourceKey { storedId("4F424A44"), storedId("7FD46CD0"), storedId("00000041"),
                                   storedId("00000000") },
                    "plain", [&](const ByteString&) { return damagedStream; })
                .add("AC4F8687", "1C0532FA", "00000001", "00000000", "mesh")
                .build(),
            "" },
        { "directory-disagrees.package",
            PackageBuilder()
                .add("4F424A44", "7FD46CD0", "00000041", "00000000", makeObjectDefinition().data())
                .add("AC4F8687", "1C0532FA", "00000001", "00000000", "mesh")
                .add(directoryKey(),
                    ByteString(storedId("42484156") + storedId("7FD46CD0") + storedId("00001000") + le32(40)))
                .build(),
            "directory of compressed files" },
    };
    for (const Case& c : cases)
        library.write(c.file, c.bytes);
    library.write("good.package", good);
    LibraryIndex index({});
    const ScanResult result = scan(index, library.path());
    const HealthReport report = analyseLibrary(library.path(), result.records, {}, {});
    ASSERT_EQ(report.broken.size(), cases.size());
    for (const BrokenPackage& row : report.broken) {
        SCOPED_TRACE(row.file);
        const auto c
            = std::find_if(cases.begin(), cases.end(), [&](const Case& item) { return row.file.ends_with(item.file); });
        ASSERT_NE(c, cases.end());
        EXPECT_NE(row.reason.find(c->reason), std::string::npos) << row.reason;
        EXPECT_FALSE(row.reason.empty());
        EXPECT_EQ(row.reason.find(c->file), std::string::npos) << "the reason does not repeat the file name";
    }
}

TEST(LibraryHealth, findsOrphansClashesAndDuplicatesAndKeepsKnownClashesQuiet)
{
    TemporaryFolder library;
    TemporaryFolder game;
    TemporaryFolder data;
    library.write("clash-1.package", objectPackage(0x100, "First"));
    library.write("clash-2.package", objectPackage(0x100, "Second"));
    library.write("object.package", objectPackage(0x200, "Object"));
    library.write("recolor-of-object.package", recolorPackage(0x200));
    library.write("orphan.package", recolorPackage(0x300));
    library.write("recolor-of-game.package", recolorPackage(0x80000005));
    library.write("overrides-game.package", objectPackage(0x700, "Override"));
    library.write("copy-a.package", recolorPackage(0x300));
    std::filesystem::create_directories(library.path() / "sub");
    library.write("sub/copy-b.package", recolorPackage(0x300));
    std::filesystem::create_directories(game.path() / "TSData" / "Res" / "Objects");
    game.write("TSData/Res/Objects/objects.package",
        PackageBuilder()
            .add("4F424A44", "7FD46CD0", "00000041", "00000000",
                [] {
                    ObjectDefinition d = makeObjectDefinition();
                    d.setRaw(ObjectField::GUID, 0x80000005);
                    return d.data();
                }())
            .add("4F424A44", "7FD46CD0", "00000042", "00000000",
                [] {
                    ObjectDefinition d = makeObjectDefinition();
                    d.setRaw(ObjectField::GUID, 0x700);
                    return d.data();
                }())
            .build());

    LibraryIndex index(data.path() / "index.sqlite");
    const ScanResult result = scan(index, library.path(), game.path());
    KnownClashes known(data.path() / "known.txt");
    HealthReport report = analyseLibrary(library.path(), result.records, result.gameGuids, known.guids());

    std::vector<std::string> orphans;
    for (const OrphanRecolor& row : report.orphans) {
        orphans.push_back(std::filesystem::path(row.file).filename().string());
        EXPECT_EQ(row.guid, 0x300U);
    }
    EXPECT_EQ(orphans, (std::vector<std::string> { "copy-a.package", "orphan.package", "copy-b.package" }));
    ASSERT_EQ(report.clashes.size(), 2U);
    EXPECT_EQ(report.clashes[0].guid, 0x100U);
    EXPECT_FALSE(report.clashes[0].gameObject);
    EXPECT_EQ(fileNames(report.clashes[0].files), (std::vector<std::string> { "clash-1.package", "clash-2.package" }));
    EXPECT_EQ(report.clashes[1].guid, 0x700U);
    EXPECT_TRUE(report.clashes[1].gameObject);
    // The three copies of one recolor are byte-identical; the other recolors differ in size or bytes.
    ASSERT_EQ(report.duplicates.size(), 1U);
    EXPECT_EQ(fileNames(report.duplicates[0].files),
        (std::vector<std::string> { "copy-a.package", "orphan.package", "copy-b.package" }));

    // Marked known, a clash stays quiet, also for the next start.
    known.setKnown(0x100, true);
    KnownClashes reread(data.path() / "known.txt");
    report = analyseLibrary(library.path(), result.records, result.gameGuids, reread.guids());
    ASSERT_EQ(report.clashes.size(), 1U);
    EXPECT_EQ(report.clashes[0].guid, 0x700U);
    reread.setKnown(0x100, false);
    EXPECT_TRUE(KnownClashes(data.path() / "known.txt").guids().empty());

    // The game's GUIDs come from the index on the next scan.
    LibraryIndex again(data.path() / "index.sqlite");
    EXPECT_EQ(again.gameGuids(), (std::vector<std::uint32_t> { 0x700, 0x80000005 }));
    EXPECT_EQ(scan(again, library.path(), game.path()).gameGuids, again.gameGuids());
}

// The listing finds packages at any depth by their extension in any letter
// case, and nothing else: no folder named like a package, no bare ".package",
// no link to a folder (which could loop), but a link to a package file.
TEST(LibraryIndex, listingFindsEveryPackageAndNothingElse)
{
    TemporaryFolder library;
    std::filesystem::create_directories(library.path() / "one" / "two" / "three");
    for (const char* file : { "a.package", "B.PACKAGE", "one/c.Package", "one/two/three/d.package", "notes.txt",
             ".package", "one/e.package.bak",
             // The scratch files of a write under way, or of a killed one, are never packages.
             "a.package.varnick-12-1.tmp", "one/two/d.package.varnick-4-2.tmp" })
        library.write(file, "x");
    std::filesystem::create_directories(library.path() / "folder.package");
    std::error_code linkError;
    std::filesystem::create_directory_symlink(library.path() / "one", library.path() / "loop", linkError);
    std::filesystem::create_symlink(library.path() / "a.package", library.path() / "link.package", linkError);
    std::vector<std::string> listed;
    for (const PackageRecord& record : listPackages(library.path())) {
        listed.push_back(record.relativePath);
        EXPECT_EQ(record.size, 1) << record.relativePath;
    }
    std::vector<std::string> expected { "B.PACKAGE", "a.package", "one/c.Package", "one/two/three/d.package" };
    if (!linkError)
        expected.insert(expected.begin() + 2, "link.package");
    EXPECT_EQ(listed, expected);
    EXPECT_THROW(listPackages(library.path() / "missing"), Failure);

#ifndef _WIN32
    // A tree of more folders than the process may hold open at once is listed whole.
    TemporaryFolder wide;
    for (int i = 0; i < 64; ++i) {
        std::filesystem::create_directories(wide.path() / std::to_string(i));
        wide.write(std::to_string(i) + "/p.package", "x");
    }
    rlimit limit {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    rlimit lowered = limit;
    lowered.rlim_cur = 32;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    const std::size_t found = listPackages(wide.path()).size();
    ::setrlimit(RLIMIT_NOFILE, &limit);
    EXPECT_EQ(found, 64u);
#endif
}

// The duplicate check hashes a file read whole with the scan and a large one
// in pieces: both ways give one value, and any changed byte changes it.
TEST(LibraryHealth, contentHashIsTheSameReadWholeOrInPieces)
{
    TemporaryFolder dir;
    ByteString bytes = objectPackage(5, "Hashed");
    bytes.append((3 << 20) + 7 - bytes.size(), 'x'); // several of the streaming reads, and a tail
    const auto file = dir.write("big.package", bytes);
    const std::string whole = inspectPackage(file, static_cast<std::int64_t>(bytes.size()), true).hash;
    EXPECT_EQ(whole.size(), 16u);
    EXPECT_EQ(hashFile(file), whole);
    std::set<std::string> seen { whole };
    for (const std::size_t at : { std::size_t { 0 }, bytes.size() / 2, bytes.size() - 1 }) {
        ByteString changed = bytes;
        changed[at] = static_cast<char>(changed[at] ^ 1);
        EXPECT_TRUE(seen.insert(hashFile(dir.write("changed.package", changed))).second) << at;
    }
    EXPECT_TRUE(seen.insert(hashFile(dir.write("shorter.package", bytes.substr(0, bytes.size() - 1)))).second);
}

TEST(LibraryHealth, csvQuotesWhatNeedsQuoting)
{
    HealthReport report;
    report.broken.push_back({ "C:/My \"best\", finds/a.package", "Resource 1 lies past the end" });
    report.orphans.push_back({ "b.package", 0x1A2B });
    report.clashes.push_back({ 0x10, { "c.package", "d.package" }, true });
    report.duplicates.push_back({ 42, "00ff", { "e.package", "f.package" } });
    EXPECT_EQ(healthCsv(report),
        "Problem,File,Detail\r\n"
        "Cannot be read,\"C:/My \"\"best\"\", finds/a.package\",Resource 1 lies past the end\r\n"
        "Orphan recolor,b.package,objectGUID 0x00001A2B matches no object\r\n"
        "GUID clash,c.package,GUID 0x00000010 is defined by 2 packages and the game\r\n"
        "GUID clash,d.package,GUID 0x00000010 is defined by 2 packages and the game\r\n"
        "Duplicate,e.package,\"2 identical files of 42 bytes, hash 00ff\"\r\n"
        "Duplicate,f.package,\"2 identical files of 42 bytes, hash 00ff\"\r\n");
}

TEST(LibraryHealth, quarantineMovesFilesAsideAndUndoPutsThemBack)
{
    TemporaryFolder library;
    TemporaryFolder data;
    std::filesystem::create_directories(library.path() / "sub");
    const auto first = library.write("sub/a.package", recolorPackage(1));
    const auto quarantine = data.path() / "Quarantine";
    const QuarantineMove moved = quarantineFile(first, library.path(), quarantine);
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_EQ(moved.quarantined, quarantine / "sub" / "a.package");
    EXPECT_EQ(readFileBytes(moved.quarantined), recolorPackage(1));

    // A second file of the same name does not overwrite the first.
    library.write("sub/a.package", objectPackage(2, "B"));
    const QuarantineMove second = quarantineFile(first, library.path(), quarantine);
    EXPECT_EQ(second.quarantined, quarantine / "sub" / "a (2).package");

    // Undo refuses to overwrite a file that appeared meanwhile, and leaves both as they are.
    library.write("sub/a.package", "new");
    EXPECT_THROW(undoQuarantine(moved), Failure);
    EXPECT_EQ(readFileBytes(first), "new");
    EXPECT_EQ(readFileBytes(moved.quarantined), recolorPackage(1));
    std::filesystem::remove(first);
    undoQuarantine(moved);
    EXPECT_EQ(readFileBytes(first), recolorPackage(1));
    EXPECT_FALSE(std::filesystem::exists(moved.quarantined));
}

// Each file that cannot be moved is reported with its reason (and stays where
// it is); the others move. The window and varnick-cli read this one result.
TEST(LibraryHealth, quarantineReportsEachFileThatCouldNotMoveWithItsReason)
{
    TemporaryFolder library;
    TemporaryFolder data;
    const auto moving = library.write("a.package", recolorPackage(1));
    const auto stuck = library.write("sub/b.package", recolorPackage(2));
    const auto quarantine = data.path() / "Quarantine";
    data.write("Quarantine/sub", "a file where the folder would go");
    const QuarantineResult result = quarantineFiles({ moving, stuck }, library.path(), quarantine);
    ASSERT_EQ(result.moved.size(), 1U);
    EXPECT_EQ(result.moved[0].original, moving);
    EXPECT_EQ(result.moved[0].quarantined, quarantine / "a.package");
    ASSERT_EQ(result.failed.size(), 1U);
    EXPECT_EQ(result.failed[0].file, stuck);
    EXPECT_NE(result.failed[0].reason.find("b.package"), std::string::npos) << result.failed[0].reason;
    EXPECT_EQ(readFileBytes(stuck), recolorPackage(2));
    EXPECT_FALSE(std::filesystem::exists(moving));
}

// A move across volumes copies: the original goes only once the copy is
// complete, flushed to disk and equal to it. The quarantine and the object
// moves share that one mover; a failure at any step leaves the original and no copy.
TEST(LibraryHealth, movesAcrossVolumesKeepTheOriginalUntilItsCopyIsSafe)
{
    const recolors::RenameFunction otherVolume
        = [](const std::filesystem::path&, const std::filesystem::path&, std::error_code& ec) {
              ec = std::make_error_code(std::errc::cross_device_link);
          };
    using Mover = std::function<std::filesystem::path(const std::filesystem::path& file, const TemporaryFolder& to)>;
    const std::pair<const char*, Mover> movers[] = {
        { "quarantine",
            [&](const std::filesystem::path& file, const TemporaryFolder& to) {
                return quarantineFile(file, file.parent_path(), to.path(), otherVolume).quarantined;
            } },
        { "object move",
            [&](const std::filesystem::path& file, const TemporaryFolder& to) {
                recolors::moveFiles({ file }, to.path(), otherVolume);
                return to.path() / file.filename();
            } },
    };
    struct Case {
        const char* what;
        std::function<void()> inject;
    };
    const Case failures[] = {
        { "disk full part way", [] { RawFile::failWritesAfterForTesting(5000); } },
        { "flush fails", [] { failFlushForTesting(true); } },
        { "putting the copy in place fails", [] { failRenameForTesting(true); } },
    };
    const ByteString bytes = recolorPackage(7) + ByteString(20000, 'x');
    for (const auto& [name, move] : movers) {
        for (const Case& c : failures) {
            SCOPED_TRACE(std::string(name) + ": " + c.what);
            TemporaryFolder library;
            TemporaryFolder elsewhere;
            const auto file = library.write("a.package", bytes);
            c.inject();
            EXPECT_FAILS_WITH(move(file, elsewhere), "a.package");
            RawFile::failWritesAfterForTesting(-1);
            failFlushForTesting(false);
            failRenameForTesting(false);
            EXPECT_EQ(readFileBytes(file), bytes);
            EXPECT_TRUE(std::filesystem::is_empty(elsewhere.path()));
        }
        SCOPED_TRACE(name);
        TemporaryFolder library;
        TemporaryFolder elsewhere;
        const auto file = library.write("a.package", bytes);
        const auto modified = std::filesystem::last_write_time(file) - std::chrono::hours(30);
        std::filesystem::last_write_time(file, modified);
        const std::filesystem::path moved = move(file, elsewhere);
        EXPECT_FALSE(std::filesystem::exists(file));
        EXPECT_EQ(readFileBytes(moved), bytes);
        EXPECT_EQ(std::filesystem::last_write_time(moved), modified);
        EXPECT_EQ(std::distance(
                      std::filesystem::directory_iterator(moved.parent_path()), std::filesystem::directory_iterator()),
            1);
    }
}

// The browser's folder scan through the index: a later scan (a new
// classifier, as at the next program start) opens only the changed packages
// and the ones stored as unreadable, lists exactly what reading every
// package's index lists, and leaves its records for the library review.
TEST(IndexedFolderScan, servesUnchangedPackagesFromTheIndexAndRereadsChangedOnes)
{
    TemporaryFolder library;
    TemporaryFolder data;
    const auto dbFile = data.path() / "index.sqlite";
    std::filesystem::create_directories(library.path() / "Shelf" / "Deeper");
    std::filesystem::create_directories(library.path() / "Shelfy");
    library.write("Shelf/a.package", objectPackage(1, "A"));
    library.write("Shelf/b.package", recolorPackage(1));
    library.write("Shelf/c.package", "not a package at all");
    library.write("Shelf/Deeper/d.package", objectPackage(2, "D"));
    library.write("Shelfy/e.package", objectPackage(3, "E")); // sorts between "Shelf/" and its end
    library.write("f.package", objectPackage(4, "F"));
    const auto shelf = library.path() / "Shelf";
    const auto same = [](const browser::ScanResult& a, const browser::ScanResult& b) {
        EXPECT_EQ(a.files, b.files);
        ASSERT_EQ(a.skipped.size(), b.skipped.size());
        for (std::size_t i = 0; i < a.skipped.size(); ++i) {
            EXPECT_EQ(a.skipped[i].file, b.skipped[i].file);
            EXPECT_EQ(a.skipped[i].reason, b.skipped[i].reason);
        }
    };
    const struct {
        const char* what;
        std::filesystem::path folder;
        std::size_t read;
    } runs[] = {
        { "first scan reads all three", shelf, 3 },
        { "second start reads only the unreadable one", shelf, 1 },
        { "the root folder: one new package", library.path(), 1 },
        { "a folder outside the root is read as without an index", data.path(), 0 },
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.what);
        IndexedPackageClassifier classifier(library.path(), dbFile);
        const browser::ScanResult indexed = browser::scanFolder(run.folder, {}, nullptr, &classifier);
        same(indexed, browser::scanFolder(run.folder));
        EXPECT_EQ(classifier.packagesRead(), run.read);
        // Below the root the page drawing gets each object's texts and GUID
        // with the scan, exactly as reading the package gives them.
        ASSERT_EQ(indexed.summaries.size(), indexed.files.size());
        for (std::size_t i = 0; i < indexed.files.size(); ++i) {
            const auto& known = indexed.summaries[i];
            ASSERT_EQ(known.has_value(), run.folder != data.path());
            if (!known)
                continue;
            const auto file = run.folder / indexed.files[i];
            const browser::ObjectSummary read = browser::readObjectSummary(file);
            EXPECT_TRUE(browser::stillCurrent(*known, file));
            EXPECT_EQ(known->summary.file, read.file);
            EXPECT_EQ(known->summary.details, read.details);
            EXPECT_EQ(known->summary.hasName, read.hasName);
            EXPECT_EQ(known->summary.guid, read.guid);
            EXPECT_EQ(known->summary.thumbnailKey, read.thumbnailKey);
        }
    }

    // a turns into a recolor (another size): it is read again and no longer listed.
    library.write("Shelf/a.package", recolorPackage(7));
    IndexedPackageClassifier classifier(library.path(), dbFile);
    const browser::ScanResult changed = browser::scanFolder(shelf, {}, nullptr, &classifier);
    same(changed, browser::scanFolder(shelf));
    EXPECT_TRUE(changed.files.empty());
    EXPECT_EQ(classifier.packagesRead(), 2u);

    // The review reads only what no folder scan has read yet.
    LibraryIndex index(dbFile);
    EXPECT_EQ(scan(index, library.path()).reread, 2u); // d and e

    // The recolor finder takes every package the index holds unchanged from
    // it (all but the unreadable one) and finds what reading them finds.
    for (const std::int32_t guid : { 7, 1, 2 }) {
        IndexedRecolorLookup lookup(library.path(), dbFile);
        const recolors::RecolorSearchResult viaIndex
            = recolors::findRecolors(library.path(), guid, {}, nullptr, &lookup);
        const recolors::RecolorSearchResult direct = recolors::findRecolors(library.path(), guid);
        EXPECT_EQ(viaIndex.recolors, direct.recolors);
        EXPECT_EQ(viaIndex.recolors.size(), guid == 2 ? 0u : 1u);
        ASSERT_EQ(viaIndex.skipped.size(), 1u);
        EXPECT_EQ(viaIndex.skipped[0].reason, direct.skipped[0].reason);
        EXPECT_EQ(lookup.served(), 5u);
    }
}
