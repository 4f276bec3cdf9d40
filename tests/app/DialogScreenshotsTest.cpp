// Pictures of the dialogs as a player first sees them, for looking at after a
// change to their layout or words: VARNICK_DIALOG_SHOTS names the folder the
// PNGs go to (scripts and reviewers set it; without it the test is skipped).
// Run with QT_SCALE_FACTOR=2 it draws them as a 200 % screen shows them.
#include "app/browser/SkippedFilesDialog.h"
#include "app/browser/ThumbnailGrid.h"
#include "app/browser/frmMain.h"
#include "app/editor/frmBatchEdit.h"
#include "app/editor/frmEditObject.h"
#include "app/options/Appearance.h"
#include "app/options/Languages.h"
#include "app/platform/qt/HelpViewer.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/recolors/frmDeleteMove.h"
#include "app/recolors/frmViewRecolor.h"
#include "app/sims2pack/Sims2PackInstallDialog.h"
#include "app/startup/GamePaths.h"
#include "app/startup/ThumbnailCache.h"
#include "tests/common/EditorPackages.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/recolors/RecolorFixtures.h"
#include "tools/demo/DemoWorld.h"

#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/frmKnownClashes.h"
#include "app/health/frmLibraryHealth.h"
#endif

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

using namespace varnick;
using namespace varnick::test;

class DialogScreenshotsTest : public QObject {
    Q_OBJECT
private slots:
    void picturesOfTheDialogs();
};

namespace {

void shoot(QWidget& window, const QString& folder, const char* name)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(100);
    const QString file = QDir(folder).filePath(QString::fromLatin1(name));
    QVERIFY2(window.grab().save(file), qPrintable(file));
}

} // namespace

void DialogScreenshotsTest::picturesOfTheDialogs()
{
    const QString out = qEnvironmentVariable("VARNICK_DIALOG_SHOTS");
    if (out.isEmpty())
        QSKIP("VARNICK_DIALOG_SHOTS is not set");
    QDir().mkpath(out);
    MessageBox::TestScope boxes;
    TemporaryFolder dir;
    TemporaryFolder userData;
    qputenv("VARNICK_USER_DATA_DIR", text::fromPath(userData.path()).toUtf8());

    EditorPackage lamp;
    lamp.set(ObjectField::Price, 350)
        .set(ObjectField::RoomSortFlags, 1 | 4)
        .set(ObjectField::FunctionSortFlags, 0x20)
        .set(ObjectField::FunctionSubSort, 0x01)
        .set(ObjectField::GUID, 0x42)
        .set(ObjectField::EnergyRating, 3);
    lamp.entries = { { 1, "Desk Lamp", "" }, { 1, "A lamp for late reading.", "" } };
    const std::filesystem::path lampFile = lamp.write(dir, "Downloads/Lighting/desk lamp.package");
    {
        frmEditObject editor;
        editor.setLoadFileName(text::fromPath(lampFile));
        editor.Form_Load();
        editor.findChild<QLineEdit*>(QStringLiteral("txtName"))->setFocus();
        shoot(editor, out, "dialog-editor.png");
    }

    EditorPackage chair;
    chair.set(ObjectField::Price, 120).set(ObjectField::RoomSortFlags, 1).set(ObjectField::GUID, 0x42);
    const std::filesystem::path chairFile = chair.write(dir, "Downloads/Seating/chair.package");
    {
        BatchEdit batch;
        batch.load({ lampFile, chairFile });
        frmBatchEdit editor(std::move(batch));
        shoot(editor, out, "dialog-batch-editor.png");
    }
    // The editors in the two complete translations, the longest texts they show.
    for (const char* language : { "de", "es" }) {
        languages::installLanguageForTesting(*qApp, QString::fromLatin1(language));
        {
            frmEditObject editor;
            editor.setLoadFileName(text::fromPath(lampFile));
            editor.Form_Load();
            shoot(editor, out, qPrintable(QStringLiteral("dialog-editor-%1.png").arg(QLatin1String(language))));
        }
        BatchEdit batch;
        batch.load({ lampFile, chairFile });
        frmBatchEdit editor(std::move(batch));
        shoot(editor, out, qPrintable(QStringLiteral("dialog-batch-editor-%1.png").arg(QLatin1String(language))));
    }
    languages::installLanguageForTesting(*qApp, QStringLiteral("en"));

    // Dark: the editor, and the main window on a demo world with a cell marked and the frame shown.
    appearance::apply(*qApp, appearance::Dark);
    {
        frmEditObject editor;
        editor.setLoadFileName(text::fromPath(lampFile));
        editor.Form_Load();
        shoot(editor, out, "dialog-editor-dark.png");
    }
    {
        Settings::TemporaryStore store;
        demo::DemoOptions options;
        options.output = dir.path() / "dark world";
        options.packages = 80;
        const demo::DemoWorld world = demo::generateDemoWorld(options);
        gstrSims2DataPath = pathToUtf8(world.dataFolder);
        gsLoadObjectThumbnails(world.dataFolder / "Thumbnails" / "ObjectThumbnails.package");
        Settings::setValue(SettingKey::LastDownloadsFolderSelected, QStringLiteral("Downloads"));
        frmMain window;
        window.resize(1180, 640);
        window.findChild<QRadioButton*>(QStringLiteral("optPath_0"))->setChecked(true);
        window.optPath_Click(0);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.controller().cellsOnPage() > 2, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), 20000);
        auto* grid = window.findChild<ThumbnailGrid*>(QStringLiteral("picThumbs"));
        QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->cellRect(1).center());
        QTest::mouseClick(grid, Qt::LeftButton, Qt::ControlModifier, grid->cellRect(2).center());
        QTest::mouseClick(grid, Qt::LeftButton, Qt::ControlModifier, grid->cellRect(1).center());
        window.Timer1_Timer();
        window.Timer1_Timer();
        shoot(window, out, "main-dark.png");
    }
    appearance::apply(*qApp, appearance::System);

    // A raw 16 x 16 texture of four colours, to see its pixels kept sharp.
    ByteString raw;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool left = x < 8, top = y < 8;
            raw += static_cast<char>(left ? 0x30 : 0xE0);
            raw += static_cast<char>(top ? 0x90 : 0x40);
            raw += static_cast<char>((x + y) % 2 ? 0xF0 : 0x20);
            raw += static_cast<char>(0xFF);
        }
    const std::filesystem::path textureFile
        = dir.write("Downloads/Lighting/lamp recolor.package", texturePackage({ textureResource(1, 16, 16, { raw }) }));
    {
        frmViewRecolor viewer(text::fromPath(textureFile));
        shoot(viewer, out, "dialog-texture-viewer.png");
    }
    {
        frmDeleteMove window(
            frmDeleteMove::Request { text::fromPath(lampFile), { QString(), text::fromPath(textureFile) }, {}, {} });
        shoot(window, out, "dialog-delete-move.png");
    }

    // A damaged copy beside the clash of the lamp and the chair.
    ByteString damaged = lamp.builder().build();
    damaged.resize(damaged.size() - 30);
    dir.write("Downloads/Broken/cut short.package", damaged);
    dir.write("Downloads/Broken/empty.package", ByteString());
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    // Listed by its name only: the review does not open Sims2Pack files.
    dir.write("Downloads/New Downloads/Garden Set.sims2pack", ByteString("Sims2 Packager 1.0"));
    frmLibraryHealth review(text::fromPath(dir.path() / "Downloads"));
    review.resize(900, 420);
    QSignalSpy finished(&review, &frmLibraryHealth::scanFinished);
    review.startScan();
    QVERIFY(finished.wait(20000));
    shoot(review, out, "dialog-library-health.png");
    const std::filesystem::path knownFile = userData.path() / "known clashes.txt";
    health::KnownClashes(knownFile).setKnown(0x42, true);
    health::KnownClashes(knownFile).setKnown(0x1234, true);
    frmKnownClashes known(knownFile, review.report().clashes, text::fromPath(dir.path() / "Downloads"), &review);
    shoot(known, out, "dialog-known-clashes.png");
#endif
    // The windows that show the readers' reasons, and the help, in the two complete translations.
    const browser::ScanResult broken = browser::scanFolder(dir.path() / "Downloads" / "Broken");
    for (const char* language : { "de", "es" }) {
        languages::installLanguageForTesting(*qApp, QString::fromLatin1(language));
        {
            SkippedFilesDialog skipped;
            skipped.showFiles(broken.skipped);
            shoot(skipped, out, qPrintable(QStringLiteral("dialog-skipped-files-%1.png").arg(QLatin1String(language))));
        }
#ifdef VARNICK_HAVE_LIBRARY_INDEX
        {
            frmLibraryHealth translated(text::fromPath(dir.path() / "Downloads"));
            translated.resize(900, 420);
            QSignalSpy scanned(&translated, &frmLibraryHealth::scanFinished);
            translated.startScan();
            QVERIFY(scanned.wait(20000));
            shoot(translated, out,
                qPrintable(QStringLiteral("dialog-library-health-%1.png").arg(QLatin1String(language))));
        }
#endif
        HelpViewer* help = HelpViewer::showContext(nullptr, HelpViewer::kContextMainWindow);
        shoot(*help, out, qPrintable(QStringLiteral("dialog-help-%1.png").arg(QLatin1String(language))));
        help->close();
    }
    languages::installLanguageForTesting(*qApp, QStringLiteral("en"));

    // The demo world's two Sims2Pack files, one item of each clashing with an installed object.
    demo::DemoOptions world;
    world.output = dir.path() / "world";
    world.packages = demo::kMinimumPackages;
    const demo::DemoWorld demoWorld = demo::generateDemoWorld(world);
    const std::filesystem::path downloads = demoWorld.dataFolder / "Downloads";
    QStringList packs;
    for (const demo::GeneratedSims2Pack& pack : demoWorld.sims2Packs)
        packs.append(text::fromPath(downloads / pack.file));
    {
        Sims2PackInstallDialog install({ packs, text::fromPath(downloads) });
        QSignalSpy planned(&install, &Sims2PackInstallDialog::planned);
        install.startReading();
        QVERIFY(planned.wait(30000));
        shoot(install, out, "dialog-install-sims2pack.png");
    }
    qunsetenv("VARNICK_USER_DATA_DIR");
}

QTEST_MAIN(DialogScreenshotsTest)
#include "DialogScreenshotsTest.moc"
