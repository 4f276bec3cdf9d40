// The main window's object browser on folders built in code: the folder tree
// and its settings, the scan on the worker thread, paging, selection, the
// frame, tool tips, the object display and the signals to the other windows.
#include "app/browser/MainWindowController.h"
#include "app/browser/ObjectTableView.h"
#include "app/browser/ThumbnailGrid.h"
#include "app/browser/ThumbnailLoader.h"
#include "app/browser/frmMain.h"
#include "app/browser/frmSelectPath.h"
#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/index/IndexedFolderScan.h"
#endif
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/startup/GamePaths.h"
#include "app/startup/ThumbnailCache.h"
#include "package/Crc24.h"
#include "package/ObjectDefinition.h"
#include "package/base/Paths.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/recolors/RecolorFixtures.h"
#include "tools/common/PackageBuilder.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace varnick;
using varnick::test::PackageBuilder;
using varnick::test::TemporaryFolder;

namespace {

ByteString textList(const std::vector<std::pair<char, std::string>>& texts)
{
    ByteString bytes(64, '\0');
    bytes += "\xFD\xFF";
    bytes += static_cast<char>(texts.size());
    bytes += '\0';
    for (const auto& [language, value] : texts) {
        bytes += language;
        bytes += value;
        bytes += '\0';
        bytes += '\0';
    }
    return bytes;
}

ByteString definition(std::uint32_t guid, std::uint16_t tileIndex = 0)
{
    ObjectDefinition objd = makeObjectDefinition();
    objd.setRaw(ObjectField::GUID, guid);
    objd.setRaw(ObjectField::MultiTileSubIndex, tileIndex);
    return objd.data();
}

ByteString catalogObject(std::vector<ByteString> definitions, const std::vector<std::pair<char, std::string>>& texts)
{
    PackageBuilder builder;
    int instance = 1;
    for (ByteString& data : definitions)
        builder.add("4F424A44", "7FD46CD0", "0000000" + std::to_string(instance++), "00000000", std::move(data));
    builder.add("AC4F8687", "1C0532FA", "00000001", "00000000", ByteString(40, 'm'));
    if (!texts.empty())
        builder.add("43545353", "7FD46CD0", "00000001", "00000000", textList(texts));
    return builder.build();
}

// Writes count catalog objects "Object 000.package" ... with captions "Name 000" ...
void writeObjects(const TemporaryFolder& dir, const std::filesystem::path& folder, int count)
{
    std::filesystem::create_directories(dir.path() / folder);
    for (int i = 0; i < count; ++i) {
        const std::string number = QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')).toStdString();
        dir.write(folder / ("Object " + number + ".package"),
            catalogObject({ definition(1000 + static_cast<std::uint32_t>(i)) },
                { { 1, "Name " + number }, { 1, "About " + number } }));
    }
}

QString jpegOfColour(Qt::GlobalColor colour)
{
    QImage picture(128, 128, QImage::Format_RGB32);
    picture.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG");
    return QString::fromLatin1(bytes.toBase64());
}

template <typename T> T* child(QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (found == nullptr)
        qFatal("no child %s", qPrintable(name));
    return found;
}

QStringList nodeTexts(QTreeWidgetItem* node)
{
    QStringList texts;
    for (int i = 0; i < node->childCount(); ++i)
        texts << node->child(i)->text(0);
    return texts;
}

} // namespace

class BrowserWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        mData = std::make_unique<TemporaryFolder>();
        gstrSims2DataPath = pathToUtf8(mData->path());
        std::filesystem::create_directories(mData->path() / "Downloads");
        gudtObjectThumbnails().clear();
        // The library index lives with the test's files, not in the player's folder.
        qputenv("VARNICK_USER_DATA_DIR", text::fromPath(mData->path() / "user").toUtf8());
    }
    void cleanup()
    {
        qunsetenv("VARNICK_USER_DATA_DIR");
        mData.reset();
    }

    void treeOrderAndTheStoredFolder();
    void alternateModeListsItsRootWithoutAStoredFolder();
    void choosingTheAlternatePath();
    void pagingThroughFolders_data();
    void pagingThroughFolders();
    void selectionToolTipsFrameAndSignals();
    void displayShowsTextsGuidAndThumbnail();
    void picturesAreMadeFromTexturesWhereTheCacheHasNone();
    void damagedFilesAreSkippedAndListed();
    void skippedFilesKeepHowTheirReasonWasWorded();
    void cancelStopsTheScan();
    void controlsAreEnabledFromWhatCanBeDone();
    void oneSelectionTheCommandsActOn();
    void firstStartShowsAHintAndRestoresThePlace();
    void unsavedTableChangesCanKeepThePlayerWhereTheyAre();
    void theGridWorksFromTheKeyboard();
    void theWindowWorksWithoutAMouse();
    void theGridGrowsWithTheWindow();
    void screenshotOfTheDemoWorld();

private:
    frmMain* openOn(const QString& storedFolder)
    {
        if (!storedFolder.isNull())
            Settings::setValue(SettingKey::LastDownloadsFolderSelected, storedFolder);
        auto* window = new frmMain;
        // As the first activation does: Downloads selected, then its handler.
        window->findChild<QRadioButton*>(QStringLiteral("optPath_0"))->setChecked(true);
        window->optPath_Click(0);
        return window;
    }
    static void settle(frmMain& window) { QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), 20000); }

    std::unique_ptr<TemporaryFolder> mData;
};

void BrowserWindowTest::treeOrderAndTheStoredFolder()
{
    Settings::TemporaryStore store;
    for (const char* folder : { "Downloads/b", "Downloads/a", "Downloads/A", "Downloads/a/inner" })
        std::filesystem::create_directories(mData->path() / folder);
    // Where letter case does not tell names apart (Windows), "A" is the folder "a".
    const bool caseTellsApart
        = !std::filesystem::equivalent(mData->path() / "Downloads/a", mData->path() / "Downloads/A");
    const QStringList folderNames = caseTellsApart
        ? QStringList { QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("b") }
        : QStringList { QStringLiteral("a"), QStringLiteral("b") };
    writeObjects(*mData, "Downloads/a/inner", 2);
    {
        // A stored folder that no longer exists selects nothing and shows no message.
        MessageBox::TestScope boxes;
        std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads\\gone")));
        auto* tree = child<QTreeWidget>(*window, QStringLiteral("tvFolders"));
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("Downloads"));
        QCOMPARE(root->data(0, Qt::UserRole).toString(), QStringLiteral("\\Downloads"));
        QVERIFY(root->isExpanded());
        QCOMPARE(nodeTexts(root), folderNames);
        QCOMPARE(root->child(caseTellsApart ? 1 : 0)->child(0)->data(0, Qt::UserRole).toString(),
            QStringLiteral("\\Downloads\\a\\inner"));
        QVERIFY(tree->currentItem() == nullptr);
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(window->controller().folders().contains(QStringLiteral("\\Downloads\\a\\inner")));
    }
    // The stored folder is selected, its parent expanded and its objects listed.
    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads\\a\\inner")));
    settle(*window);
    auto* tree = child<QTreeWidget>(*window, QStringLiteral("tvFolders"));
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("inner"));
    QVERIFY(tree->currentItem()->parent()->isExpanded());
    QCOMPARE(window->controller().packageFiles().size(), 2);
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblSimName_1"))->text(), QStringLiteral("Name 001"));
    // Clicking another folder stores it.
    window->tvFolders_NodeClick(tree->topLevelItem(0)->child(static_cast<int>(folderNames.size()) - 1));
    settle(*window);
    QCOMPARE(Settings::value(SettingKey::LastDownloadsFolderSelected), QStringLiteral("Downloads\\b"));
    QVERIFY(window->controller().packageFiles().isEmpty());
    QVERIFY(child<QLineEdit>(*window, QStringLiteral("txtFileName"))->text().isEmpty());
}

void BrowserWindowTest::alternateModeListsItsRootWithoutAStoredFolder()
{
    Settings::TemporaryStore store;
    TemporaryFolder alternate;
    writeObjects(alternate, "", 3);
    std::filesystem::create_directories(alternate.path() / "Sub");
    Settings::setValue(SettingKey::LastAlternatePathSelected, text::fromPath(alternate.path()));
    frmMain window;
    child<QRadioButton>(window, QStringLiteral("optPath_1"))->setChecked(true);
    window.optPath_Click(1);
    settle(window);
    auto* tree = child<QTreeWidget>(window, QStringLiteral("tvFolders"));
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("(Alternate Path Root)"));
    QCOMPARE(tree->topLevelItem(0)->child(0)->data(0, Qt::UserRole).toString(), QStringLiteral("(AltPath)\\Sub"));
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    QCOMPARE(window.controller().packageFiles().size(), 3);
    QCOMPARE(Settings::value(SettingKey::LastAlternateFolderSelected), QString());
    window.tvFolders_NodeClick(tree->topLevelItem(0)->child(0));
    settle(window);
    QCOMPARE(Settings::value(SettingKey::LastAlternateFolderSelected), QStringLiteral("\\Sub"));
}

void BrowserWindowTest::choosingTheAlternatePath()
{
    Settings::TemporaryStore store;
    TemporaryFolder first;
    TemporaryFolder second;
    std::filesystem::create_directories(first.path() / "One");
    std::filesystem::create_directories(second.path() / "Two");
    frmSelectPath::Seam::TestScope dialogs;
    frmMain window;
    // Stored after load, so the window starts without an alternate path.
    Settings::setValue(SettingKey::LastAlternatePathSelected, QStringLiteral("/stored/start"));
    auto* tree = child<QTreeWidget>(window, QStringLiteral("tvFolders"));
    auto* setPath = child<QPushButton>(window, QStringLiteral("cmdSetPath"));
    auto* alternate = child<QRadioButton>(window, QStringLiteral("optPath_1"));

    // No alternate path yet: the dialog opens; its choice becomes the root and the setting.
    dialogs.answerNext(text::fromPath(first.path()));
    alternate->setChecked(true);
    window.optPath_Click(1);
    QCOMPARE(dialogs.requests().size(), 1);
    QCOMPARE(dialogs.requests().first().formTitle, QStringLiteral("Please select an alternate path:"));
    QCOMPARE(dialogs.requests().first().initialPath, QStringLiteral("/stored/start"));
    QCOMPARE(window.controller().rootPath(), text::fromPath(first.path()));
    QCOMPARE(Settings::value(SettingKey::LastAlternatePathSelected), text::fromPath(first.path()));
    QCOMPARE(alternate->toolTip(), QStringLiteral(" Alternate Path: ") + text::fromPath(first.path()));
    QVERIFY(!setPath->isHidden());
    QCOMPARE(nodeTexts(tree->topLevelItem(0)), QStringList { QStringLiteral("One") });
    settle(window);

    // Cancelling "..." changes nothing; a new choice rebuilds the tree in alternate mode.
    window.cmdSetPath_Click();
    QCOMPARE(window.controller().rootPath(), text::fromPath(first.path()));
    dialogs.answerNext(text::fromPath(second.path()));
    window.cmdSetPath_Click();
    QCOMPARE(dialogs.requests().size(), 3);
    QCOMPARE(dialogs.requests().last().initialPath, text::fromPath(first.path()));
    QCOMPARE(window.controller().rootPath(), text::fromPath(second.path()));
    QCOMPARE(nodeTexts(tree->topLevelItem(0)), QStringList { QStringLiteral("Two") });

    // Back to Downloads: the data folder, no tool tip, "..." hidden; the alternate path is kept.
    child<QRadioButton>(window, QStringLiteral("optPath_0"))->setChecked(true);
    window.optPath_Click(0);
    settle(window);
    QCOMPARE(window.controller().rootPath(), text::fromUtf8(gstrSims2DataPath));
    QVERIFY(alternate->toolTip().isEmpty());
    QVERIFY(setPath->isHidden());
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Downloads"));
    QCOMPARE(window.controller().alternatePath(), text::fromPath(second.path()));
    // A new alternate path chosen in Downloads mode is stored but the tree stays.
    dialogs.answerNext(text::fromPath(first.path()));
    window.cmdSetPath_Click();
    QCOMPARE(window.controller().rootPath(), text::fromUtf8(gstrSims2DataPath));
    QCOMPARE(Settings::value(SettingKey::LastAlternatePathSelected), text::fromPath(first.path()));
}

void BrowserWindowTest::pagingThroughFolders_data()
{
    QTest::addColumn<int>("objects");
    QTest::addColumn<QString>("afterLast");
    QTest::addColumn<int>("cellsOnLast");
    QTest::newRow("none") << 0 << QString() << 0;
    QTest::newRow("one page") << 25 << QStringLiteral("Page 1 of 1") << 25;
    QTest::newRow("one more") << 26 << QStringLiteral("Page 2 of 2") << 1;
    QTest::newRow("three pages") << 51 << QStringLiteral("Page 3 of 3") << 1;
}

void BrowserWindowTest::pagingThroughFolders()
{
    QFETCH(int, objects);
    QFETCH(QString, afterLast);
    QFETCH(int, cellsOnLast);
    Settings::TemporaryStore store;
    writeObjects(*mData, "Downloads", objects);
    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads")));
    settle(*window);
    auto* pageCount = child<QLineEdit>(*window, QStringLiteral("txtPageCount"));
    auto* grid = child<ThumbnailGrid>(*window, QStringLiteral("picThumbs"));
    QCOMPARE(window->controller().packageFiles().size(), objects);
    window->cmdPrevious_Click();
    QCOMPARE(window->controller().page(), 0);
    window->cmdLast_Click();
    settle(*window);
    QCOMPARE(pageCount->text(), afterLast);
    QCOMPARE(window->controller().page(), std::max(0, (objects - 1) / 25));
    for (int cell = 0; cell < 25; ++cell) {
        QCOMPARE(grid->hasPicture(cell), cell < cellsOnLast);
        QCOMPARE(
            child<QLabel>(*window, QStringLiteral("lblSimName_%1").arg(cell))->text().isEmpty(), cell >= cellsOnLast);
    }
    // "Next" on the last page does nothing; the first object of a drawn page is displayed.
    window->cmdNext_Click();
    QCOMPARE(pageCount->text(), afterLast);
    if (objects > 0) {
        QCOMPARE(child<QLineEdit>(*window, QStringLiteral("txtFileName"))->text(),
            QStringLiteral("Object %1.package").arg((objects - 1) / 25 * 25, 3, 10, QLatin1Char('0')));
        window->cmdFirst_Click();
        settle(*window);
        QVERIFY(pageCount->text().startsWith(QStringLiteral("Page 1 of ")));
        QCOMPARE(child<QLabel>(*window, QStringLiteral("lblSimName_0"))->text(), QStringLiteral("Name 000"));
    }
}

void BrowserWindowTest::selectionToolTipsFrameAndSignals()
{
    Settings::TemporaryStore store;
    writeObjects(*mData, "Downloads", 3);
    std::unique_ptr<frmMain> window(openOn(QString()));
    auto* timer = child<QTimer>(*window, QStringLiteral("Timer1"));
    QVERIFY(!timer->isActive()); // nothing drawn yet: no frame to blink
    auto* tree = child<QTreeWidget>(*window, QStringLiteral("tvFolders"));
    tree->setCurrentItem(tree->topLevelItem(0));
    window->tvFolders_NodeClick(tree->currentItem());
    settle(*window);
    QVERIFY(timer->isActive());
    auto* grid = child<ThumbnailGrid>(*window, QStringLiteral("picThumbs"));
    auto* fileName = child<QLineEdit>(*window, QStringLiteral("txtFileName"));
    auto* details = child<QPlainTextEdit>(*window, QStringLiteral("txtDetails"));

    // A filled cell (row 0, column 2) and an empty one (row 1, column 0).
    window->picThumbs_MouseDown(Qt::LeftButton, 2 * 95 + 40, 30);
    QCOMPARE(window->controller().selected(), 2);
    QCOMPARE(fileName->text(), QStringLiteral("Object 002.package"));
    QCOMPARE(details->toPlainText(), QStringLiteral("Name 002\n\nAbout 002"));
    window->picThumbs_MouseMove(2 * 95 + 40, 30);
    QCOMPARE(grid->toolTip(), QStringLiteral("Object 002"));
    window->picThumbs_MouseMove(10, 100);
    QCOMPARE(grid->toolTip(), QString());

    QSignalSpy edits(window.get(), &frmMain::editRequested);
    QSignalSpy moves(window.get(), &frmMain::deleteMoveRequested);
    QSignalSpy purges(window.get(), &frmMain::purgeThumbnailsRequested);
    const QString expected = text::fromPath(mData->path() / "Downloads") + QStringLiteral("/Object 002.package");
    window->picThumbs_DblClick();
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits.first().first().toString(), expected);
    window->frmDelMove_Click();
    QCOMPARE(moves.count(), 1);
    QCOMPARE(moves.first().at(0).toString(), expected);
    QCOMPARE(moves.first().at(1).toString(), text::fromPath(mData->path() / "Downloads"));
    QCOMPARE(moves.first().at(2).toInt(), 1002);
    settle(*window); // the folder is read again after Delete/Move
    QCOMPARE(window->controller().selected(), 0);
    child<QMenu>(*window, QStringLiteral("mnuTools"))->actions().first()->trigger();
    QCOMPARE(purges.count(), 1);

    // Blinking: erased, then white, at alternate ticks; nothing while switched off.
    window->Timer1_Timer();
    QVERIFY(!grid->frameShown());
    window->Timer1_Timer();
    QVERIFY(grid->frameShown());
    window->smenuTurnSelectorOff_Click();
    QCOMPARE(Settings::value(SettingKey::TurnSelectionRectangleOff), QStringLiteral("-1"));
    QVERIFY(!grid->frameShown());
    window->Timer1_Timer();
    window->Timer1_Timer();
    QVERIFY(!grid->frameShown());
    window->picThumbs_MouseDown(Qt::LeftButton, 95 + 5, 5);
    QCOMPARE(fileName->text(), QStringLiteral("Object 001.package")); // still selects
    window->smenuTurnSelectorOff_Click();
    QCOMPARE(Settings::value(SettingKey::TurnSelectionRectangleOff), QStringLiteral("0"));
    window->Timer1_Timer();
    window->Timer1_Timer();
    QVERIFY(grid->frameShown());
    QCOMPARE(grid->frameCell(), 1);

    // An empty cell clears the display; the commands then do nothing.
    window->picThumbs_MouseDown(Qt::RightButton, 10, 100);
    QVERIFY(fileName->text().isEmpty());
    QVERIFY(details->toPlainText().isEmpty());
    window->cmdSelect_Click();
    window->frmDelMove_Click();
    QCOMPARE(edits.count(), 1);
    QCOMPARE(moves.count(), 1);
}

void BrowserWindowTest::displayShowsTextsGuidAndThumbnail()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    const std::filesystem::path downloads = mData->path() / "Downloads";
    mData->write("Downloads/a two.package",
        catalogObject({ definition(0x111, 3), definition(0x222, 0xFFFF) },
            { { 1, "Ch\xC3\xA4ir \xFF" }, { 1, "first\nsecond\r\nthird" } }));
    mData->write("Downloads/b none.package", catalogObject({ definition(5), definition(6) }, {}));
    // The cache files a picture under the key of "A TWO" (letter case does not matter).
    const QByteArray jpeg = QByteArray::fromBase64(jpegOfColour(Qt::red).toLatin1());
    const std::string key = thumbnailKeyText("a two");
    const std::filesystem::path cache = mData->write("ObjectThumbnails.package",
        PackageBuilder()
            .indexMinorVersion(2)
            .add("AC2950C1", "00000000", "00000001", key, ByteString(jpeg.constData(), jpeg.size()))
            .build());
    gsLoadObjectThumbnails(cache);

    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads")));
    settle(*window);
    auto* grid = child<ThumbnailGrid>(*window, QStringLiteral("picThumbs"));
    QVERIFY(grid->hasPicture(0));
    QVERIFY(grid->hasPicture(1)); // the "not found" picture
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblSimName_0"))->text(), QStringLiteral("Chäir \uFFFD"));
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblSimName_1"))->text(), QString());
    QCOMPARE(child<QPlainTextEdit>(*window, QStringLiteral("txtDetails"))->toPlainText(),
        QStringLiteral("Chäir \uFFFD\n\nfirst\nsecond\nthird"));
    QCOMPARE(window->objectGuid(), 0x222);
    const QPixmap large = child<QLabel>(*window, QStringLiteral("picObject"))->pixmap();
    QCOMPARE(large.size(), QSize(128, 128));
    QVERIFY(qRed(large.toImage().pixel(64, 64)) > 200);

    window->picThumbs_MouseDown(Qt::LeftButton, 100, 10);
    QCOMPARE(window->objectGuid(), 0);
    QVERIFY(child<QPlainTextEdit>(*window, QStringLiteral("txtDetails"))->toPlainText().isEmpty());
    QSignalSpy moves(window.get(), &frmMain::deleteMoveRequested);
    QSignalSpy edits(window.get(), &frmMain::editRequested);
    window->frmDelMove_Click();
    QCOMPARE(moves.count(), 0);
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Object Read Error."));
    QCOMPARE(boxes.last().text, QStringLiteral("The GUID of object was not found."));
    QCOMPARE(boxes.last().icon, QMessageBox::Critical);
    window->cmdSelect_Click(); // the editor still opens for it
    QCOMPARE(edits.count(), 1);

    // What the scan learnt draws the pages: no package is read for them, and
    // a second start shows the same without reading a package at all.
    QCOMPARE(window->packagesReadForDisplay(), 0);
    window.reset();
    window.reset(openOn(QStringLiteral("Downloads")));
    settle(*window);
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblSimName_0"))->text(), QStringLiteral("Chäir \uFFFD"));
    QCOMPARE(child<QPlainTextEdit>(*window, QStringLiteral("txtDetails"))->toPlainText(),
        QStringLiteral("Chäir \uFFFD\n\nfirst\nsecond\nthird"));
    QCOMPARE(window->objectGuid(), 0x222);
    QCOMPARE(window->packagesReadForDisplay(), 0);
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    const auto classifier = std::dynamic_pointer_cast<health::IndexedPackageClassifier>(
        window->controller().packageClassifier(text::toPath(window->searchRoot())));
    QVERIFY(classifier);
    QCOMPARE(classifier->packagesRead(), std::size_t { 0 });
#endif
    // An edited package is read again.
    mData->write(
        "Downloads/a two.package", catalogObject({ definition(0x333, 0xFFFF) }, { { 1, "Renamed" }, { 1, "text" } }));
    window->refreshPage();
    settle(*window);
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblSimName_0"))->text(), QStringLiteral("Renamed"));
    QVERIFY(window->packagesReadForDisplay() > 0);
}

namespace {

// A catalog object (definition and mesh) that also holds a raw 32-bit width x height texture of one colour (B, G, R, A
// bytes).
ByteString objectWithTexture(std::int32_t width, std::int32_t height, const ByteString& pixel)
{
    ByteString level;
    for (int i = 0; i < width * height; ++i)
        level += pixel;
    PackageBuilder builder;
    builder.add("4F424A44", "7FD46CD0", "00000001", "00000000", definition(0x777));
    builder.add("AC4F8687", "1C0532FA", "00000001", "00000000", ByteString(40, 'm'));
    builder.add("1C4A276C", "1C0532FA", "00000002", "00000000", test::textureResource(1, width, height, { level }));
    return builder.build();
}

} // namespace

void BrowserWindowTest::picturesAreMadeFromTexturesWhereTheCacheHasNone()
{
    const ByteString red("\x00\x00\xFF\xFF", 4);
    const ByteString blue("\xFF\x00\x00\xFF", 4);
    {
        // A wide texture is fitted whole, centred, never stretched; the cache's picture wins over it.
        const std::filesystem::path wide = mData->write("wide.package", objectWithTexture(4, 2, red));
        const QImage made = ThumbnailLoader::madeFromTexture(wide, 64);
        QCOMPARE(made.size(), QSize(64, 64));
        QVERIFY(qRed(made.pixel(32, 32)) > 200 && qBlue(made.pixel(32, 32)) < 50);
        QCOMPARE(qAlpha(made.pixel(32, 4)), 0);
        QCOMPARE(qAlpha(made.pixel(32, 60)), 0);
        const ThumbnailLoader::Picture fromPackage = ThumbnailLoader::read({ QStringLiteral("w"), {}, wide }, 64);
        QVERIFY(fromPackage.made);
        // Without a package to read, or with one that is not a package, there is no picture.
        QVERIFY(ThumbnailLoader::read({ QStringLiteral("w"), {}, {} }, 64).image.isNull());
        const std::filesystem::path junk = mData->write("junk.package", "not a package");
        const ThumbnailLoader::Picture none = ThumbnailLoader::read({ QStringLiteral("j"), {}, junk }, 64);
        QVERIFY(none.image.isNull());
        QVERIFY(!none.made);
    }

    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    mData->write("Downloads/a cached.package", objectWithTexture(2, 2, blue));
    mData->write("Downloads/b textured.package", objectWithTexture(2, 2, red));
    mData->write("Downloads/c plain.package", catalogObject({ definition(0x888) }, { { 1, "Plain" } }));
    const QByteArray jpeg = QByteArray::fromBase64(jpegOfColour(Qt::green).toLatin1());
    gsLoadObjectThumbnails(mData->write("ObjectThumbnails.package",
        PackageBuilder()
            .indexMinorVersion(2)
            .add("AC2950C1", "00000000", "00000001", thumbnailKeyText("a cached"),
                ByteString(jpeg.constData(), jpeg.size()))
            .build()));

    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads")));
    settle(*window);
    auto* grid = child<ThumbnailGrid>(*window, QStringLiteral("picThumbs"));
    // The game's picture; one made from the texture, badged; the "?" picture for an object with neither.
    for (int cell : { 0, 1, 2 })
        QVERIFY(grid->hasPicture(cell));
    QVERIFY(!grid->pictureIsMade(0));
    QVERIFY(grid->pictureIsMade(1));
    QVERIFY(!grid->pictureIsMade(2));
    const auto tipAt = [&](int cell) {
        const QPoint at = grid->cellRect(cell).center();
        window->picThumbs_MouseMove(at.x(), at.y());
        return grid->toolTip();
    };
    QCOMPARE(tipAt(0), QStringLiteral("a cached"));
    QCOMPARE(tipAt(1), QStringLiteral("b textured\nPicture made from the object's texture"));
    QCOMPARE(tipAt(2), QStringLiteral("c plain"));
    // The made picture is the texture's colour where the grid draws it.
    const QImage drawn = grid->grab().toImage();
    const QRect cell = grid->cellRect(1);
    const QRgb middle = drawn.pixel(cell.center().x(), cell.top() + cell.height() * 35 / 95);
    QVERIFY2(qRed(middle) > 200 && qGreen(middle) < 80, qPrintable(QString::number(middle, 16)));
}

void BrowserWindowTest::damagedFilesAreSkippedAndListed()
{
    Settings::TemporaryStore store;
    writeObjects(*mData, "Downloads", 2);
    mData->write("Downloads/empty.package", "");
    mData->write("Downloads/text.package", ByteString(300, 'x'));
    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads")));
    settle(*window);
    QCOMPARE(window->controller().packageFiles(),
        (QStringList { QStringLiteral("Object 000.package"), QStringLiteral("Object 001.package") }));
    auto* line = child<QPushButton>(*window, QStringLiteral("cmdSkipped"));
    QVERIFY(!line->isHidden());
    QCOMPARE(line->text(), QStringLiteral("2 files could not be read"));
    window->cmdSkipped_Click();
    auto* list = child<QTreeWidget>(*window, QStringLiteral("skippedFiles"));
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("empty.package"));
    QVERIFY(!list->topLevelItem(0)->text(1).isEmpty());
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("text.package"));
}

void BrowserWindowTest::skippedFilesKeepHowTheirReasonWasWorded()
{
    Settings::TemporaryStore store;
    writeObjects(*mData, "Downloads", 1);
    // The scan passes over a package whose index runs past its end; the page drawing
    // finds an object whose text list is cut short.
    mData->write("Downloads/cut.package", catalogObject({ definition(7) }, { { 1, "Cut" } }).substr(0, 150));
    PackageBuilder garbled;
    garbled.add("4F424A44", "7FD46CD0", "00000001", "00000000", definition(8))
        .add("AC4F8687", "1C0532FA", "00000001", "00000000", ByteString(40, 'm'))
        .add("43545353", "7FD46CD0", "00000001", "00000000", "abc");
    mData->write("Downloads/garbled.package", garbled.build());
    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads")));
    settle(*window);
    window->cmdSkipped_Click();
    auto* list = child<QTreeWidget>(*window, QStringLiteral("skippedFiles"));
    QMap<QString, QTreeWidgetItem*> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows.insert(list->topLevelItem(i)->text(0), list->topLevelItem(i));
    QCOMPARE(rows.keys(), (QList<QString> { QStringLiteral("cut.package"), QStringLiteral("garbled.package") }));
    // The reader's refusal in the player's words, its own sentence in the tool tip.
    QCOMPARE(rows[QStringLiteral("cut.package")]->text(1),
        QStringLiteral("The file is damaged: its table of contents runs past its end"));
    QVERIFY2(rows[QStringLiteral("cut.package")]->toolTip(1).startsWith(QStringLiteral("Index of ")),
        qPrintable(rows[QStringLiteral("cut.package")]->toolTip(1)));
    // A resource's refusal found while drawing the page is said from its phrase.
    QCOMPARE(rows[QStringLiteral("garbled.package")]->text(1),
        QStringLiteral("Text list: name at offset 0 needs 64 bytes, but only 3 of 3 are left"));
}

void BrowserWindowTest::cancelStopsTheScan()
{
    Settings::TemporaryStore store;
    const ByteString object = catalogObject({ definition(1) }, { { 1, "Same" } });
    for (int i = 0; i < 4000; ++i)
        mData->write("Downloads/o" + std::to_string(10000 + i) + ".package", object);
    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads")));
    QVERIFY(window->busy());
    window->cmdCancel_Click();
    settle(*window);
    const QStringList& files = window->controller().packageFiles();
    QVERIFY(files.size() < 4000);
    for (qsizetype i = 0; i < files.size(); ++i)
        QCOMPARE(files[i], QStringLiteral("o%1.package").arg(10000 + i));
    // The window answers while scanning: a second click starts over and finishes.
    window->tvFolders_NodeClick(child<QTreeWidget>(*window, QStringLiteral("tvFolders"))->topLevelItem(0));
    settle(*window);
    QCOMPARE(window->controller().packageFiles().size(), 4000);
}

void BrowserWindowTest::controlsAreEnabledFromWhatCanBeDone()
{
    Settings::TemporaryStore store;
    std::filesystem::create_directories(mData->path() / "Downloads" / "empty");
    writeObjects(*mData, "Downloads", 30);
    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads\\empty")));
    settle(*window);
    const auto enabled = [&](const char* name) { return child<QWidget>(*window, QLatin1String(name))->isEnabled(); };
    const auto action = [&](const char* name) { return child<QAction>(*window, QLatin1String(name))->isEnabled(); };
    // An empty folder: nothing to page through, show, edit or mark.
    for (const char* control : { "cmdFirst", "cmdPrevious", "cmdNext", "cmdLast", "cmdSelect", "frmDelMove" })
        QVERIFY2(!enabled(control), control);
    for (const char* entry : { "smenuDelThumbs", "smenuRestoreOriginal", "smenuSelectPage", "smenuEditSelected" })
        QVERIFY2(!action(entry), entry);
    QVERIFY(action("smenuLibraryHealth"));

    // Thirty objects: the first is shown, the second page is ahead.
    window->tvFolders_NodeClick(child<QTreeWidget>(*window, QStringLiteral("tvFolders"))->topLevelItem(0));
    settle(*window);
    QVERIFY(window->controller().canActOnObject());
    for (const char* control : { "cmdFirst", "cmdNext", "cmdLast", "cmdSelect", "frmDelMove" })
        QVERIFY2(enabled(control), control);
    QVERIFY(!enabled("cmdPrevious"));
    for (const char* entry : { "smenuDelThumbs", "smenuRestoreOriginal", "smenuSelectPage", "smenuEditSelected" })
        QVERIFY2(action(entry), entry);
    window->cmdNext_Click();
    settle(*window);
    QVERIFY(enabled("cmdPrevious"));
    QVERIFY(!enabled("cmdNext"));
    // An empty cell selected: the object actions wait for an object.
    window->picThumbs_MouseDown(Qt::LeftButton, 4 * 95 + 40, 4 * 95 + 40);
    QVERIFY(!enabled("cmdSelect"));
    QVERIFY(!action("smenuDelThumbs"));
}

// Cell c's middle in the grid's pixels, as the grid is laid out now.
static QPoint cellCentre(ThumbnailGrid& grid, int cell)
{
    return grid.cellRect(cell).center();
}

void BrowserWindowTest::oneSelectionTheCommandsActOn()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    writeObjects(*mData, "Downloads", 30);
    writeObjects(*mData, "Downloads/sub", 3);
    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads")));
    window->show();
    settle(*window);
    auto* grid = child<ThumbnailGrid>(*window, QStringLiteral("picThumbs"));
    auto* count = child<QLabel>(*window, QStringLiteral("lblMarked"));
    auto* fileName = child<QLineEdit>(*window, QStringLiteral("txtFileName"));
    auto* edit = child<QPushButton>(*window, QStringLiteral("cmdSelect"));
    auto* delMove = child<QPushButton>(*window, QStringLiteral("frmDelMove"));
    QSignalSpy edits(window.get(), &frmMain::editRequested);
    QSignalSpy batches(window.get(), &frmMain::editSelectedRequested);

    // The first object is shown, and it is the one mark.
    QCOMPARE(count->text(), QStringLiteral("1 object marked"));
    QCOMPARE(grid->markedCells(), QList<int> { 0 });
    QCOMPARE(fileName->text(), QStringLiteral("Object 000.package"));

    // Ctrl adds a second: it is shown, and "Edit Object" opens the batch editor on both.
    QTest::mouseClick(grid, Qt::LeftButton, Qt::ControlModifier, cellCentre(*grid, 2));
    QCOMPARE(count->text(), QStringLiteral("2 objects marked"));
    QCOMPARE(fileName->text(), QStringLiteral("Object 002.package"));
    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(edits.count(), 0);
    QCOMPARE(batches.count(), 1);
    QCOMPARE(batches.first().first().toStringList().size(), 2);

    // Ctrl again takes it off: nothing unmarked is shown, and what needs a shown object waits.
    QTest::mouseClick(grid, Qt::LeftButton, Qt::ControlModifier, cellCentre(*grid, 2));
    QCOMPARE(count->text(), QStringLiteral("1 object marked"));
    QVERIFY(fileName->text().isEmpty());
    QVERIFY(!delMove->isEnabled());
    QVERIFY(!edit->isEnabled());

    // A plain click: one mark, shown, edited alone.
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, cellCentre(*grid, 3));
    QCOMPARE(grid->markedCells(), QList<int> { 3 });
    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(edits.count(), 1);
    QVERIFY(edits.last().first().toString().endsWith(QStringLiteral("Object 003.package")));

    // Another folder: the marks of the old one are gone, its first object is the one mark.
    QTest::mouseClick(grid, Qt::LeftButton, Qt::ShiftModifier, cellCentre(*grid, 6));
    QCOMPARE(window->controller().markedCount(), 4);
    auto* tree = child<QTreeWidget>(*window, QStringLiteral("tvFolders"));
    window->tvFolders_NodeClick(tree->topLevelItem(0)->child(0));
    settle(*window);
    QCOMPARE(window->controller().markedCount(), 1);
    QVERIFY(
        QDir::fromNativeSeparators(window->controller().markedObjectFiles().first()).contains(QStringLiteral("/sub/")));

    // Delete/Move changes the folder's contents: the marks start afresh.
    window->tvFolders_NodeClick(tree->topLevelItem(0));
    settle(*window);
    window->controller().markAll(true);
    QCOMPARE(window->controller().markedCount(), 30);
    connect(window.get(), &frmMain::deleteMoveRequested, window.get(),
        [&](const QString& file, const QString&, qint32) { std::filesystem::remove(text::toPath(file)); });
    QTest::mouseClick(delMove, Qt::LeftButton);
    settle(*window);
    QCOMPARE(window->controller().markedCount(), 1);
    QCOMPARE(window->controller().packageFiles().size(), 29);
    QCOMPARE(count->text(), QStringLiteral("1 object marked"));
}

void BrowserWindowTest::firstStartShowsAHintAndRestoresThePlace()
{
    Settings::TemporaryStore store;
    writeObjects(*mData, "Downloads", 3);
    QRect placed;
    {
        // A new player: no folder stored, nothing chosen, nothing to act on.
        std::unique_ptr<frmMain> window(openOn(QString()));
        window->show();
        settle(*window);
        auto* grid = child<ThumbnailGrid>(*window, QStringLiteral("picThumbs"));
        QCOMPARE(grid->hint(), QStringLiteral("Choose a folder on the left to see its objects."));
        for (const char* name : { "cmdSelect", "frmDelMove", "cmdFirst", "cmdNext" })
            QVERIFY2(!child<QWidget>(*window, QLatin1String(name))->isEnabled(), name);
        for (const char* name : { "smenuDelThumbs", "smenuRestoreOriginal", "smenuEditSelected" })
            QVERIFY2(!child<QAction>(*window, QLatin1String(name))->isEnabled(), name);
        window->tvFolders_NodeClick(child<QTreeWidget>(*window, QStringLiteral("tvFolders"))->topLevelItem(0));
        settle(*window);
        QVERIFY(grid->hint().isEmpty());
        QVERIFY(child<QWidget>(*window, QStringLiteral("cmdSelect"))->isEnabled());

        // The place and size of this run are kept for the next.
        window->setGeometry(40, 60, 1100, 720);
        window->setSessionEnding(true);
        window->close();
        placed = window->geometry();
    }
    QVERIFY(!Settings::value(SettingKey::MainWindowGeometry).isEmpty());
    frmMain again;
    QCOMPARE(again.size(), placed.size());
}

void BrowserWindowTest::unsavedTableChangesCanKeepThePlayerWhereTheyAre()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    writeObjects(*mData, "Downloads/a", 2);
    writeObjects(*mData, "Downloads/b", 3);
    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads\\a")));
    window->resize(1000, 700);
    window->show();
    settle(*window);
    const QString folderA = text::fromPath(mData->path() / "Downloads" / "a");
    QCOMPARE(window->controller().currentFolder(), folderA);

    int asked = 0;
    bool goOn = false;
    window->setPendingSaveAnswerForTesting([&] {
        ++asked;
        return goOn;
    });
    auto* tree = child<QTreeWidget>(*window, QStringLiteral("tvFolders"));
    QTreeWidgetItem* nodeA = tree->topLevelItem(0)->child(0);
    QTreeWidgetItem* nodeB = tree->topLevelItem(0)->child(1);
    QCOMPARE(nodeB->text(0), QStringLiteral("b"));
    const auto clickNode = [&](QTreeWidgetItem* node) {
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(node).center());
    };
    auto* downloads = child<QRadioButton>(*window, QStringLiteral("optPath_0"));
    auto* alternate = child<QRadioButton>(*window, QStringLiteral("optPath_1"));

    // "Stay": the folder, its page, the tree's selection and the root all stay as they were.
    clickNode(nodeB);
    QCOMPARE(asked, 1);
    QCOMPARE(window->controller().currentFolder(), folderA);
    QCOMPARE(tree->currentItem(), nodeA);
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblSimName_1"))->text(), QStringLiteral("Name 001"));
    QTest::mouseClick(alternate, Qt::LeftButton);
    QCOMPARE(asked, 2);
    QVERIFY(downloads->isChecked());
    QCOMPARE(window->controller().currentFolder(), folderA);
    // Closing asks "Exit this program?" first, then the table; staying keeps the window open.
    boxes.answerNext(QMessageBox::Yes);
    QVERIFY(!window->close());
    QCOMPARE(asked, 3);
    QVERIFY(window->isVisible());

    // "Go on": the chosen folder opens.
    goOn = true;
    clickNode(nodeB);
    settle(*window);
    QCOMPARE(asked, 4);
    QCOMPARE(window->controller().currentFolder(), text::fromPath(mData->path() / "Downloads" / "b"));
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblSimName_2"))->text(), QStringLiteral("Name 002"));
    boxes.answerNext(QMessageBox::Yes);
    QVERIFY(window->close());
    QCOMPARE(asked, 5);
}

void BrowserWindowTest::theGridWorksFromTheKeyboard()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    frmSelectPath::Seam::TestScope folderDialogs;
    writeObjects(*mData, "Downloads", 30);
    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads")));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    settle(*window);
    auto* grid = child<ThumbnailGrid>(*window, QStringLiteral("picThumbs"));
    auto* fileName = child<QLineEdit>(*window, QStringLiteral("txtFileName"));
    QSignalSpy edits(window.get(), &frmMain::editRequested);
    QSignalSpy batches(window.get(), &frmMain::editSelectedRequested);
    QSignalSpy moves(window.get(), &frmMain::deleteMoveRequested);

    // Tab from the folder tree reaches the grid.
    auto* tree = child<QTreeWidget>(*window, QStringLiteral("tvFolders"));
    tree->setFocus();
    for (int i = 0; i < 8 && !grid->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(grid->hasFocus());

    // Arrows move the shown object, which is the one mark; the root option stays as it was.
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(window->controller().selected(), 1);
    QCOMPARE(fileName->text(), QStringLiteral("Object 001.package"));
    QCOMPARE(grid->markedCells(), QList<int> { 1 });
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(window->controller().selected(), 6);
    QVERIFY(child<QRadioButton>(*window, QStringLiteral("optPath_0"))->isChecked());
    QCOMPARE(folderDialogs.requests().size(), 0);

    // Shift extends; Enter then opens the batch editor, a single mark the editor.
    QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(grid->markedCells(), (QList<int> { 6, 7 }));
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(batches.count(), 1);
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(edits.count(), 1);
    QVERIFY(edits.last().first().toString().endsWith(QStringLiteral("Object 006.package")));

    // Ctrl moves without marking; Space marks, Ctrl+Space takes the mark off again.
    QTest::keyClick(grid, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(grid->markedCells(), QList<int> { 6 });
    QVERIFY(fileName->text().isEmpty());
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(grid->markedCells(), (QList<int> { 6, 7 }));
    QCOMPARE(fileName->text(), QStringLiteral("Object 007.package"));
    QTest::keyClick(grid, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(grid->markedCells(), QList<int> { 6 });

    // Pages: the bottom row goes on to the next page, Page Up/Down keep the cell, Home and End go to the ends.
    QTest::keyClick(grid, Qt::Key_End);
    QCOMPARE(window->controller().page(), 1);
    QCOMPARE(fileName->text(), QStringLiteral("Object 029.package"));
    QTest::keyClick(grid, Qt::Key_Home);
    QCOMPARE(window->controller().page(), 0);
    QCOMPARE(window->controller().selected(), 0);
    QTest::keyClick(grid, Qt::Key_PageDown);
    QCOMPARE(window->controller().page(), 1);
    QCOMPARE(window->controller().selected(), 0);
    QCOMPARE(child<QLineEdit>(*window, QStringLiteral("txtPageCount"))->text(), QStringLiteral("Page 2 of 2"));
    QTest::keyClick(grid, Qt::Key_PageUp);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(window->controller().selected(), 20);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(window->controller().page(), 1);
    QCOMPARE(window->controller().selected(), 0);
    QTest::keyClick(grid, Qt::Key_Up);
    QCOMPARE(window->controller().page(), 0);
    QCOMPARE(window->controller().selected(), 20);

    // Delete opens Delete/Move for the shown object.
    QTest::keyClick(grid, Qt::Key_Delete);
    QCOMPARE(moves.count(), 1);
    QVERIFY(moves.last().first().toString().endsWith(QStringLiteral("Object 020.package")));
    settle(*window);

    // The menu key gives the object's actions.
    QTest::keyClick(grid, Qt::Key_Right);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1), grid->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(grid, &menuKey);
    auto* menu = child<QMenu>(*window, QStringLiteral("mnuObject"));
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(menu->findChild<QAction*>(QStringLiteral("mnuObjectEdit"))->isEnabled());
    menu->close();
}

void BrowserWindowTest::theWindowWorksWithoutAMouse()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    writeObjects(*mData, "Downloads", 30);
    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads")));
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    settle(*window);

    // Tab goes from the folders to their objects, the shown object, then the commands.
    child<QTreeWidget>(*window, QStringLiteral("tvFolders"))->setFocus();
    QStringList visited { QStringLiteral("tvFolders") };
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        visited << (qobject_cast<QTabBar*>(focus) != nullptr ? QStringLiteral("tabs") : focus->objectName());
    }
    const QStringList expected { QStringLiteral("tvFolders"), QStringLiteral("picThumbs"),
        QStringLiteral("txtFileName"), QStringLiteral("txtDetails"), QStringLiteral("cmdFirst"),
        QStringLiteral("cmdPrevious"), QStringLiteral("txtPageCount"), QStringLiteral("cmdNext"),
        QStringLiteral("cmdLast"), QStringLiteral("cmdSelect"), QStringLiteral("frmDelMove"), QStringLiteral("tabs") };
    // Disabled buttons (Previous on the first page) are passed over.
    QStringList reached;
    for (const QString& name : visited)
        if (expected.contains(name) && !reached.contains(name))
            reached << name;
    QStringList enabled;
    for (const QString& name : expected)
        if (name == QStringLiteral("tabs") || child<QWidget>(*window, name)->isEnabled())
            enabled << name;
    QVERIFY2(reached == enabled, qPrintable(visited.join(QLatin1Char(' '))));

    // Every button, option and tab outside the table (it has its own) has an Alt+letter of its own, none
    // taken from the menus.
    QSet<QChar> letters;
    for (const QChar menu : { QLatin1Char('F'), QLatin1Char('O'), QLatin1Char('T'), QLatin1Char('H') })
        letters.insert(menu);
    QStringList texts;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (!button->text().isEmpty() && button->objectName() != QStringLiteral("cmdSkipped")
            && button->objectName() != QStringLiteral("cmdSetPath")
            && button->objectName() != QStringLiteral("cmdFocus") && button->window() == window.get()
            && !window->objectTableView()->isAncestorOf(button))
            texts << button->text();
    auto* tabs = child<QTabWidget>(*window, QStringLiteral("tabObjects"));
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    for (const char* label : { "lblThumbs", "lblDetails" })
        texts << child<QLabel>(*window, QLatin1String(label))->text();
    QVERIFY(texts.size() >= 10);
    for (const QString& text : std::as_const(texts)) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        QVERIFY2(at >= 0 && at + 1 < text.size(), qPrintable(text));
        const QChar letter = text.at(at + 1).toUpper();
        QVERIFY2(!letters.contains(letter), qPrintable(text));
        letters.insert(letter);
    }

    // The accelerators act: Alt+N turns the page, Alt+J takes the details, Alt+R the grid.
    auto* pageCount = child<QLineEdit>(*window, QStringLiteral("txtPageCount"));
    QCOMPARE(pageCount->text(), QStringLiteral("Page 1 of 2"));
    QTest::keyClick(window.get(), Qt::Key_N, Qt::AltModifier);
    // A button's accelerator shows the press before it clicks.
    QTRY_COMPARE(pageCount->text(), QStringLiteral("Page 2 of 2"));
    QTest::keyClick(window.get(), Qt::Key_J, Qt::AltModifier);
    QVERIFY(child<QPlainTextEdit>(*window, QStringLiteral("txtDetails"))->hasFocus());
    QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
    QVERIFY(child<ThumbnailGrid>(*window, QStringLiteral("picThumbs"))->hasFocus());
    QTest::keyClick(window.get(), Qt::Key_B, Qt::AltModifier);
    QCOMPARE(tabs->currentIndex(), 1);
}

void BrowserWindowTest::theGridGrowsWithTheWindow()
{
    Settings::TemporaryStore store;
    std::filesystem::create_directories(mData->path() / "Downloads");
    mData->write(
        std::filesystem::path("Downloads") / "A very long object name that will never fit under one picture.package",
        catalogObject(
            { definition(7) }, { { 1, "A very long caption that will never fit under one picture of the grid" } }));
    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads")));
    window->resize(1000, 700);
    window->show();
    settle(*window);
    auto* grid = child<ThumbnailGrid>(*window, QStringLiteral("picThumbs"));
    QTRY_VERIFY(!child<QLabel>(*window, QStringLiteral("lblSimName_0"))->text().isEmpty());
    const int small = grid->cellSize();
    auto* caption = child<QLabel>(*window, QStringLiteral("lblSimName_0"));
    // Shortened to fit, whole in the tool tip.
    QVERIFY(caption->text().endsWith(QChar(0x2026)));
    QCOMPARE(
        caption->toolTip(), QStringLiteral("A very long caption that will never fit under one picture of the grid"));

    window->resize(1600, 1000);
    QTRY_VERIFY(grid->cellSize() > small);
    QVERIFY(caption->width() > MainWindowController::simNameLabelGeometry(0).width());
    // Still 25 to a page, every cell inside the grid.
    QVERIFY(grid->rect().contains(grid->cellRect(24)));
    QCOMPARE(grid->cellAt(grid->cellRect(24).center().x(), grid->cellRect(24).center().y()), 24);
    // A splitter between every pane.
    QCOMPARE(child<QSplitter>(*window, QStringLiteral("splPanes"))->count(), 3);
}

// Keeps a picture of the window on a demo world for the documentation:
// VARNICK_SCREENSHOT_WORLD names the world's data folder, VARNICK_SCREENSHOT_OUT the PNG.
void BrowserWindowTest::screenshotOfTheDemoWorld()
{
    const QString world = qEnvironmentVariable("VARNICK_SCREENSHOT_WORLD");
    const QString out = qEnvironmentVariable("VARNICK_SCREENSHOT_OUT");
    if (world.isEmpty() || out.isEmpty())
        QSKIP("VARNICK_SCREENSHOT_WORLD and VARNICK_SCREENSHOT_OUT are not set");
    Settings::TemporaryStore store;
    gstrSims2DataPath = text::toUtf8(world);
    gsLoadObjectThumbnails(text::toPath(world) / "Thumbnails" / "ObjectThumbnails.package");
    std::unique_ptr<frmMain> window(openOn(QStringLiteral("Downloads")));
    window->resize(1180, 640);
    window->show();
    settle(*window);
    window->picThumbs_MouseDown(Qt::LeftButton, 95 + 40, 40);
    window->Timer1_Timer();
    window->Timer1_Timer();
    QTest::qWait(200);
    QVERIFY(window->grab().save(out));
}

QTEST_MAIN(BrowserWindowTest)
#include "BrowserWindowTest.moc"
