#include "app/startup/ThumbnailCache.h"
#include "package/PackageReader.h"
#include "package/base/ErrorTrap.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/common/TrapRecorder.h"
#include "tools/common/PackageBuilder.h"

#include <QTest>

#include <chrono>

namespace fs = std::filesystem;
using namespace varnick;
using test::storedId;

namespace {

const char* const kThumb = "AC2950C1";

ByteString jpeg(int n)
{
    return "\xFF\xD8\xFF\xE0 thumbnail " + std::to_string(n) + std::string(static_cast<std::size_t>(n % 7) * 13, 'x');
}

// Writes bytes and moves the modification time on, so a rewrite within the
// file system's time resolution is still seen as a change.
void writeCache(const fs::path& file, const ByteString& bytes, int secondsLater = 0)
{
    {
        std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
    }
    if (secondsLater != 0)
        fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(secondsLater));
}

ByteString sampleCache()
{
    test::PackageBuilder builder;
    builder.gapBetweenResources(5);
    builder.add(kThumb, "00000000", "00000001", "7F000001", jpeg(1));
    builder.add(kThumb, "00000000", "00000002", "7F000002", jpeg(2));
    builder.add("1C4A276C", "00000000", "00000003", "7F000001", "other type, same resource id");
    builder.add(kThumb, "00000000", "00000004", "7FABCDEF", jpeg(4));
    builder.add(kThumb, "00000000", "00000005", "7FABCDEF", jpeg(5)); // filed twice
    builder.add(kThumb, "00000000", "00000006", "7F000006", "");
    return builder.build();
}

} // namespace

class ThumbnailCacheTest : public QObject {
    Q_OBJECT
private slots:
    void lookupsGiveWhatAWholeReadGives();
    void uniqueThumbnailNeedsExactlyOneMatch();
    void missingFileIsAnEmptyCacheUntilItAppears();
    void aChangedFileIsReadAgain();
    void damagedFileLeavesAnEmptyCacheAndReportsIt();
    void indexMinorVersionOneHasNoResourceIds();
    void manyEntriesAndRepeatedKeysMatchAPlainScan();
};

void ThumbnailCacheTest::lookupsGiveWhatAWholeReadGives()
{
    test::TemporaryFolder dir;
    const fs::path file = dir.write("ObjectThumbnails.package", sampleCache());
    ThumbnailCache cache;
    cache.load(file);
    QCOMPARE(cache.size(), std::size_t { 6 });
    const PackageFile whole = readPackage(file);
    for (std::size_t i = 0; i < whole.Files.size(); ++i) {
        const PackageResource& resource = whole.Files[i];
        const std::vector<IndexEntry> found = cache.find(resource.TypeID, resource.ResourceID);
        QVERIFY(!found.empty());
        bool seen = false;
        for (const IndexEntry& entry : found) {
            QCOMPARE(entry.TypeID, resource.TypeID);
            QCOMPARE(entry.ResourceID, resource.ResourceID);
            if (entry.InstanceID == resource.InstanceID) {
                QCOMPARE(cache.readBytes(entry), resource.Data);
                seen = true;
            }
        }
        QVERIFY(seen);
    }
    // Several matches come in index order.
    const auto twice = cache.find(storedId(kThumb), storedId("7FABCDEF"));
    QCOMPARE(twice.size(), std::size_t { 2 });
    QCOMPARE(twice[0].InstanceID, storedId("00000004"));
    QCOMPARE(twice[1].InstanceID, storedId("00000005"));
    QVERIFY(cache.find(storedId(kThumb), storedId("7F999999")).empty());
    QVERIFY(cache.find("short", storedId("7F000001")).empty());
    QVERIFY(cache.memoryBytes() < 1000);
}

void ThumbnailCacheTest::uniqueThumbnailNeedsExactlyOneMatch()
{
    test::TemporaryFolder dir;
    ThumbnailCache cache;
    cache.load(dir.write("ObjectThumbnails.package", sampleCache()));
    QCOMPARE(cache.uniqueThumbnail(storedId("7F000002")).value_or("<none>"), jpeg(2));
    QCOMPARE(cache.uniqueThumbnail(storedId("7F000001")).value_or("<none>"), jpeg(1));
    QVERIFY(!cache.uniqueThumbnail(storedId("7FABCDEF")).has_value());
    QVERIFY(!cache.uniqueThumbnail(storedId("7F123456")).has_value());
    QCOMPARE(cache.uniqueThumbnail(storedId("7F000006")).value_or("<none>"), ByteString());
}

void ThumbnailCacheTest::missingFileIsAnEmptyCacheUntilItAppears()
{
    test::TemporaryFolder dir;
    const fs::path file = dir.path() / "ObjectThumbnails.package";
    ThumbnailCache cache;
    cache.load(file);
    QCOMPARE(cache.size(), std::size_t { 0 });
    QVERIFY(!cache.uniqueThumbnail(storedId("7F000002")).has_value());
    writeCache(file, sampleCache());
    QCOMPARE(cache.uniqueThumbnail(storedId("7F000002")).value_or("<none>"), jpeg(2));
    fs::remove(file);
    QVERIFY(!cache.uniqueThumbnail(storedId("7F000002")).has_value());
    QCOMPARE(cache.size(), std::size_t { 0 });
}

void ThumbnailCacheTest::aChangedFileIsReadAgain()
{
    test::TemporaryFolder dir;
    const fs::path file = dir.path() / "ObjectThumbnails.package";
    writeCache(file, sampleCache());
    ThumbnailCache cache;
    cache.load(file);
    QVERIFY(!cache.refreshIfChanged());

    // The game rewrote the cache: other offsets, one thumbnail gone, one new.
    test::PackageBuilder builder;
    builder.indexFirst();
    builder.add(kThumb, "00000000", "00000009", "7F000009", jpeg(9));
    builder.add(kThumb, "00000000", "00000002", "7F000002", "redrawn");
    writeCache(file, builder.build(), 3);
    QCOMPARE(cache.uniqueThumbnail(storedId("7F000002")).value_or("<none>"), ByteString("redrawn"));
    QCOMPARE(cache.uniqueThumbnail(storedId("7F000009")).value_or("<none>"), jpeg(9));
    QVERIFY(!cache.uniqueThumbnail(storedId("7F000001")).has_value());
    QCOMPARE(cache.size(), std::size_t { 2 });
}

void ThumbnailCacheTest::damagedFileLeavesAnEmptyCacheAndReportsIt()
{
    test::TrapRecorder trap;
    test::TemporaryFolder dir;
    ByteString bytes = sampleCache();
    const fs::path file = dir.write("ObjectThumbnails.package", bytes);
    gudtObjectThumbnails().clear();
    QVERIFY(gsLoadObjectThumbnails(file));
    QCOMPARE(gudtObjectThumbnails().size(), std::size_t { 6 });
    QVERIFY(trap.empty());

    test::patchInt32(bytes, test::kIndexOffsetAt, 0x7FFFFFF0);
    writeCache(file, bytes, 3);
    QVERIFY_THROWS_EXCEPTION(Failure, gudtObjectThumbnails().refreshIfChanged());
    QCOMPARE(gudtObjectThumbnails().size(), std::size_t { 0 });
    QVERIFY(!gsLoadObjectThumbnails(file));
    QCOMPARE(trap.trapped().size(), std::size_t { 1 });
    QCOMPARE(QString::fromStdString(trap.last().Module), QStringLiteral("modSimsPackage"));
    QCOMPARE(QString::fromStdString(trap.last().Procedure), QStringLiteral("gsLoadObjectThumbnails"));
    QCOMPARE(gudtObjectThumbnails().size(), std::size_t { 0 });

    // Cut short after the index was read: the read of the thumbnail fails cleanly.
    const ByteString good = sampleCache();
    writeCache(file, good, 6);
    ThumbnailCache cache;
    cache.load(file);
    const auto entry = cache.find(storedId(kThumb), storedId("7F000002"));
    QCOMPARE(entry.size(), std::size_t { 1 });
    fs::resize_file(file, static_cast<std::uintmax_t>(entry[0].Offset + 1));
    QVERIFY_THROWS_EXCEPTION(Failure, cache.readBytes(entry[0]));
}

void ThumbnailCacheTest::indexMinorVersionOneHasNoResourceIds()
{
    test::TemporaryFolder dir;
    test::PackageBuilder builder;
    builder.indexMinorVersion(1);
    builder.add(kThumb, "00000000", "00000001", "00000000", jpeg(1));
    ThumbnailCache cache;
    cache.load(dir.write("old.package", builder.build()));
    QCOMPARE(cache.find(storedId(kThumb), ByteString(4, '\0')).size(), std::size_t { 1 });
    QVERIFY(!cache.uniqueThumbnail(storedId("7F000001")).has_value());
}

void ThumbnailCacheTest::manyEntriesAndRepeatedKeysMatchAPlainScan()
{
    test::TemporaryFolder dir;
    test::PackageBuilder builder;
    char hex[9];
    for (int i = 0; i < 700; ++i) {
        // Every seventh entry repeats one key; the others spread over a few hundred.
        std::snprintf(hex, sizeof hex, "7F%06X", i % 7 == 0 ? 0x42 : (i * 7919) % 300);
        char instance[9];
        std::snprintf(instance, sizeof instance, "%08X", i);
        builder.add(i % 5 == 0 ? "1C4A276C" : kThumb, "00000000", instance, hex, jpeg(i));
    }
    const fs::path file = dir.write("ObjectThumbnails.package", builder.build());
    const PackageFile whole = readPackage(file);
    ThumbnailCache cache;
    cache.load(file);
    for (const PackageResource& probe : whole.Files) {
        std::vector<ByteString> expected;
        for (const PackageResource& resource : whole.Files) {
            if (resource.TypeID == probe.TypeID && resource.ResourceID == probe.ResourceID)
                expected.push_back(resource.InstanceID);
        }
        std::vector<ByteString> found;
        for (const IndexEntry& entry : cache.find(probe.TypeID, probe.ResourceID))
            found.push_back(entry.InstanceID);
        QCOMPARE(found, expected);
    }
}

QTEST_MAIN(ThumbnailCacheTest)
#include "ThumbnailCacheTest.moc"
