#include "app/browser/WindowWiring.h"
#include "app/backups/BackupSettings.h"
#include "app/browser/frmMain.h"
#include "app/editor/frmBatchEdit.h"
#include "app/editor/frmEditObject.h"
#include "app/health/frmLibraryHealth.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/recolors/frmFindRecolors.h"
#include "tests/common/EditorPackages.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace varnick;

class WindowWiringTest : public QObject {
    Q_OBJECT
private slots:
    void requestsOfTheMainWindowOpenTheirWindows();
    void restoreOriginalPutsBackThePackageBeforeTheBatchSave();
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
    QCOMPARE(health.requests()[0].Root, QStringLiteral("/downloads"));
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
    test::TempDir dir;
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
    QCOMPARE(test::readFileBytes(programBackups().generations(file).back().File), saved);
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

QTEST_MAIN(WindowWiringTest)
#include "WindowWiringTest.moc"
