// The Tools menu purge as the player meets it: the confirmation, the result
// and refusal messages, and the program's thumbnail cache afterwards.
#include "app/recolors/ThumbnailPurgeAction.h"
#include "app/backups/BackupSettings.h"
#include "app/platform/qt/MessageBox.h"
#include "app/startup/GamePaths.h"
#include "app/startup/ThumbnailCache.h"
#include "package/Crc24.h"
#include "package/base/Paths.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <QTest>

using namespace varnick;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

ByteString cache(int directories)
{
    const std::string sofa = thumbnailKeyText("blue sofa");
    PackageBuilder builder;
    builder.add("AC2950C1", "FFFFFFFF", "00000001", sofa, "sofa picture");
    builder.add("AC2950C1", "FFFFFFFF", "00000002", thumbnailKeyText("red lamp"), "lamp picture");
    for (int d = 0; d < directories; ++d)
        builder.add("E86B1EEF", "E86B1EEF", "286B1F03", "00000000", ByteString());
    return builder.build();
}

} // namespace

class ThumbnailPurgeActionTest : public QObject {
    Q_OBJECT

private slots:
    void confirmsPurgesAndReportsEachCache()
    {
        TemporaryFolder dir;
        qputenv("VARNICK_USER_DATA_DIR", QByteArray::fromStdString(pathToUtf8(dir.path() / "user")));
        const fs::path thumbnails = dir.path() / "Thumbnails";
        fs::create_directories(thumbnails);
        gstrSims2DataPath = pathToUtf8(dir.path());
        const fs::path objectCache = dir.write("Thumbnails/ObjectThumbnails.package", cache(1));
        gudtObjectThumbnails().load(objectCache);
        const ByteString sofaKey = storedKeyOf("blue sofa");

        MessageBox::TestScope boxes;
        // No: nothing happens.
        boxes.answerNext(QMessageBox::No);
        QVERIFY(!purgeObjectThumbnails(nullptr, QStringLiteral("/d/Blue Sofa.package")));
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("CONFIRM ACTION"));
        QCOMPARE(boxes.last().icon, QMessageBox::Question);
        QVERIFY(boxes.last().text.endsWith(
            QStringLiteral("custom content.)\r\n\r\nWould you like to delete all the thumbnails for this object?")));
        QCOMPARE(readFileBytes(objectCache), cache(1));

        // Yes with the design cache missing: purged, skipped, and the held cache reloaded.
        boxes.answerNext(QMessageBox::Yes);
        QVERIFY(purgeObjectThumbnails(nullptr, QStringLiteral("/d/Blue Sofa.package")));
        QCOMPARE(boxes.last().title, QStringLiteral("OPERATION SUCCESSFUL"));
        QCOMPARE(boxes.last().icon, QMessageBox::Information);
        QCOMPARE(boxes.last().text,
            QStringLiteral("All thumbnails for the selected object have been purged.\r\n\r\n"
                           "DesignModeThumbnails.package does not exist and was skipped."));
        QVERIFY(!gudtObjectThumbnails().uniqueThumbnail(sofaKey));
        QVERIFY(gudtObjectThumbnails().uniqueThumbnail(storedKeyOf("red lamp")));
        // The cache as it was is kept in the program's backups.
        QCOMPARE(readFileBytes(programBackups().generations(objectCache).front().file), cache(1));

        // A design cache with two directories: the object cache purged, then the refusal.
        dir.write("Thumbnails/DesignModeThumbnails.package", cache(2));
        boxes.answerNext(QMessageBox::Yes);
        QVERIFY(purgeObjectThumbnails(nullptr, QStringLiteral("Red Lamp.package")));
        QCOMPARE(boxes.last().title, QStringLiteral("EXTREMELY BAD ERROR"));
        QCOMPARE(boxes.last().icon, QMessageBox::Critical);
        QCOMPARE(
            boxes.last().text, QStringLiteral("DesignModeThumbnails.package is corrupt!!!\r\n\r\nOperation aborted."));
        QCOMPARE(readFileBytes(thumbnails / "DesignModeThumbnails.package"), cache(2));
        QVERIFY(!gudtObjectThumbnails().uniqueThumbnail(storedKeyOf("red lamp")));
        gudtObjectThumbnails().clear();
    }

private:
    static ByteString storedKeyOf(const std::string& title) { return storedId(thumbnailKeyText(title)); }
};

QTEST_MAIN(ThumbnailPurgeActionTest)
#include "ThumbnailPurgeActionTest.moc"
