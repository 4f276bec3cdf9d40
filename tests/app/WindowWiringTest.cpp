#include "app/WindowWiring.h"
#include "app/backups/BackupSettings.h"
#include "app/browser/ObjectTableModel.h"
#include "app/browser/ObjectTableView.h"
#include "app/browser/ThumbnailGrid.h"
#include "app/browser/core/ObjectRows.h"
#include "app/browser/frmMain.h"
#include "app/editor/frmBatchEdit.h"
#include "app/editor/frmEditObject.h"
#include "app/health/frmLibraryHealth.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/recolors/frmFindRecolors.h"
#include "app/startup/GamePaths.h"
#include "package/base/Paths.h"
#include "tests/common/EditorPackages.h"
#include "tools/demo/DemoWorld.h"

#include <QListWidget>
#include <QRadioButton>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace varnick;

class WindowWiringTest : public QObject {
    Q_OBJECT
private slots:
    void requestsOfTheMainWindowOpenTheirWindows();
    void restoreOriginalPutsBackThePackageBeforeTheBatchSave();
    void fiftyDemoObjectsEditedTogetherShowInTheTableAndOneIsRestored();
};

void WindowWiringTest::requestsOfTheMainWindowOpenTheirWindows()
{
    Settings::TemporaryStore store;
    frmEditObject::Seam::TestScope editor;
    frmLibraryHealth::Seam::TestScope health;
    frmFindRecolors::Seam::TestScope finder;
    frmMain window;
    connectMainWindow(window);

    emit window.editRequested(QStringLiteral("/downloads/sofa.package"));
    emit window.libraryHealthRequested(QStringLiteral("/downloads"));
    emit window.deleteMoveRequested(QStringLiteral("/downloads/a/sofa.package"), QStringLiteral("/downloads"), -7);
    emit LibraryHealthEvents::instance().editRequested(QStringLiteral("/downloads/lamp.package"));

    QCOMPARE(editor.requests(),
        (QList<QString> { QStringLiteral("/downloads/sofa.package"), QStringLiteral("/downloads/lamp.package") }));
    QCOMPARE(health.requests().size(), 1);
    QCOMPARE(health.requests()[0].root, QStringLiteral("/downloads"));
    QCOMPARE(finder.requests().size(), 1);
    QCOMPARE(finder.requests()[0].ObjectFilename, QStringLiteral("/downloads/a/sofa.package"));
    QCOMPARE(finder.requests()[0].SearchPath, QStringLiteral("/downloads"));
    QCOMPARE(finder.requests()[0].GUID, -7);
    QVERIFY(window.findChild<QAction*>(QStringLiteral("smenuLibraryHealth")) != nullptr);
}

void WindowWiringTest::restoreOriginalPutsBackThePackageBeforeTheBatchSave()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    test::TemporaryFolder dir;
    qputenv("VARNICK_USER_DATA_DIR", text::fromPath(dir.path() / "user").toUtf8());
    test::EditorPackage object;
    object.set(ObjectField::Price, 120);
    const std::filesystem::path file = object.write(dir, "sofa.package");
    const std::filesystem::path other = object.write(dir, "lamp.package");
    const ByteString original = test::readFileBytes(file);
    {
        BatchEdit batch;
        batch.load({ file });
        frmBatchEdit editor(std::move(batch));
        editor.findChild<QLineEdit*>(QStringLiteral("txtPrice"))->setText(QStringLiteral("500"));
        boxes.answerNext(QMessageBox::Save);
        QCOMPARE(editor.save().count(BatchOutcome::Saved), std::size_t { 1 });
    }
    const ByteString saved = test::readFileBytes(file);
    QVERIFY(saved != original);
    const qsizetype before = boxes.shown().size();

    frmMain window;
    connectMainWindow(window);
    const QString path = text::fromPath(file);
    // No: nothing changes. Yes: the original is back, the saved version kept as a backup.
    boxes.answerNext(QMessageBox::No);
    emit window.restoreOriginalRequested(path);
    QCOMPARE(boxes.last().title, QStringLiteral("Restore Original"));
    QCOMPARE(boxes.last().text,
        QStringLiteral("Restore the original version of sofa.package? The current version is kept as a backup."));
    QCOMPARE(test::readFileBytes(file), saved);
    boxes.answerNext(QMessageBox::Yes);
    emit window.restoreOriginalRequested(path);
    QCOMPARE(boxes.last().text, QStringLiteral("The original version of sofa.package was restored."));
    QCOMPARE(test::readFileBytes(file), original);
    QCOMPARE(test::readFileBytes(programBackups().generations(file).back().file), saved);
    // A package never written has nothing to restore: said, not asked.
    emit window.restoreOriginalRequested(text::fromPath(other));
    QCOMPARE(boxes.last().text, QStringLiteral("No backup of this object is kept."));
    QCOMPARE(boxes.shown().size() - before, 4);
    QCOMPARE(boxes.pendingAnswers(), 0);

    // The editor offers the button only where an original is kept.
    for (const auto& [package, kept] : { std::pair { file, true }, std::pair { other, false } }) {
        frmEditObject editor;
        editor.setLoadFileName(text::fromPath(package));
        editor.Form_Load();
        QCOMPARE(editor.findChild<QPushButton*>(QStringLiteral("cmdRestore"))->isEnabled(), kept);
    }
    qunsetenv("VARNICK_USER_DATA_DIR");
}

// The player's round on the demo world: marks fifty objects across two pages
// (a click, then a Shift-click on the next page), edits them together, sees
// the new category and price in the table, and restores one of them.
void WindowWiringTest::fiftyDemoObjectsEditedTogetherShowInTheTableAndOneIsRestored()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    frmBatchEdit::Seam::TestScope batchSeam;
    test::TemporaryFolder dir;
    qputenv("VARNICK_USER_DATA_DIR", text::fromPath(dir.path() / "user").toUtf8());
    demo::DemoOptions options;
    options.output = dir.path() / "world";
    options.packages = 500; // as the program's own demo folder
    const demo::DemoWorld world = demo::generateDemoWorld(options);
    gstrSims2DataPath = pathToUtf8(world.dataFolder);
    Settings::setValue(SettingKey::LastDownloadsFolderSelected, QStringLiteral("Downloads"));
    frmMain window;
    connectMainWindow(window);
    window.findChild<QRadioButton*>(QStringLiteral("optPath_0"))->setChecked(true);
    window.optPath_Click(0);
    QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), 20000);
    QVERIFY(window.controller().packageFiles().size() >= 50);

    auto* grid = window.findChild<ThumbnailGrid*>(QStringLiteral("picThumbs"));
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, QPoint(47, 47));
    window.cmdNext_Click();
    QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), 20000);
    QTest::mouseClick(grid, Qt::LeftButton, Qt::ShiftModifier, QPoint(4 * 95 + 47, 4 * 95 + 47));
    window.findChild<QAction*>(QStringLiteral("smenuEditSelected"))->trigger();
    QCOMPARE(batchSeam.requests().size(), 1);
    const QStringList files = batchSeam.requests().front();
    QCOMPARE(files.size(), 50);
    std::vector<std::filesystem::path> paths;
    for (const QString& file : files)
        paths.push_back(text::toPath(file));
    const ByteString original = test::readFileBytes(paths[7]);
    {
        BatchEdit batch;
        batch.load(paths);
        frmBatchEdit editor(std::move(batch));
        editor.findChild<QListWidget*>(QStringLiteral("lstFunction"))->setCurrentRow(2); // Appliances
        editor.findChild<QLineEdit*>(QStringLiteral("txtPrice"))->setText(QStringLiteral("777"));
        boxes.answerNext(QMessageBox::Save);
        QCOMPARE(editor.save().count(BatchOutcome::Saved), std::size_t { 50 });
    }
    window.refreshPage(); // as the wiring does after the batch window saved

    ObjectTableView& table = *window.objectTableView();
    window.show();
    window.showObjectsTab(1);
    QTRY_VERIFY_WITH_TIMEOUT(!table.busy() && table.model()->rowCount() >= 50, 20000);
    const auto cell = [&](const QString& file, browser::ObjectColumn column) {
        for (int row = 0; row < table.model()->rowCount(); ++row)
            if (table.model()->index(row, static_cast<int>(browser::ObjectColumn::File)).data().toString() == file)
                return table.model()->index(row, static_cast<int>(column)).data().toString();
        return QString();
    };
    for (const QString& file : files) {
        const QString name = text::fromPath(text::toPath(file).filename());
        QCOMPARE(cell(name, browser::ObjectColumn::Price), QStringLiteral("777"));
        QCOMPARE(cell(name, browser::ObjectColumn::Function), QStringLiteral("Appliances"));
    }

    // Restore one: its original bytes are back and the table shows its own price again.
    boxes.answerNext(QMessageBox::Yes);
    emit window.restoreOriginalRequested(files[7]);
    QCOMPARE(test::readFileBytes(paths[7]), original);
    table.reload();
    QTRY_VERIFY_WITH_TIMEOUT(!table.busy() && table.model()->rowCount() >= 50, 20000);
    QVERIFY(cell(text::fromPath(paths[7].filename()), browser::ObjectColumn::Price) != QStringLiteral("777"));
    qunsetenv("VARNICK_USER_DATA_DIR");
}

QTEST_MAIN(WindowWiringTest)
#include "WindowWiringTest.moc"
