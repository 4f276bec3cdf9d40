#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <fstream>

#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/frmLibraryHealth.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"

#include <QDir>
#include <QPushButton>

using namespace varnick;

namespace {

void writeFile(const QString& file, const std::string& bytes)
{
    std::ofstream(text::toPath(file), std::ios::binary) << bytes;
}

} // namespace
#endif

class LibraryHealthWindowTest : public QObject {
    Q_OBJECT
private slots:
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    void scansListsAndMovesToQuarantineAndBack()
    {
        QTemporaryDir library;
        QTemporaryDir data;
        qputenv("VARNICK_USER_DATA_DIR", data.path().toUtf8());
        writeFile(library.filePath(QStringLiteral("empty.package")), "");
        writeFile(library.filePath(QStringLiteral("copy-1.package")), std::string(120, 'x'));
        writeFile(library.filePath(QStringLiteral("copy-2.package")), std::string(120, 'x'));

        frmLibraryHealth window(library.path());
        QSignalSpy finished(&window, &frmLibraryHealth::scanFinished);
        window.startScan();
        QVERIFY(finished.wait(20000));
        auto* list = window.findChild<QTreeWidget*>(QStringLiteral("tvProblems"));
        QVERIFY(list != nullptr);
        // Both copies are unreadable too (not packages at all) and byte-identical.
        QCOMPARE(window.report().Broken.size(), std::size_t(3));
        QCOMPARE(window.report().Duplicates.size(), std::size_t(1));
        QCOMPARE(list->topLevelItemCount(), 5);

        QTreeWidgetItem* empty = list->findItems(QStringLiteral("empty.package"), Qt::MatchEndsWith, 1).front();
        empty->setSelected(true);
        QSignalSpy edits(&window, &frmLibraryHealth::editRequested);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdEdit")), Qt::LeftButton);
        QCOMPARE(edits.size(), 1);
        QCOMPARE(edits.front().front().toString(), library.filePath(QStringLiteral("empty.package")));

        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdQuarantine")), Qt::LeftButton);
        QVERIFY(!QFile::exists(library.filePath(QStringLiteral("empty.package"))));
        QVERIFY(QFile::exists(data.filePath(QStringLiteral("Quarantine/empty.package"))));
        QCOMPARE(list->topLevelItemCount(), 4);

        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdUndo")), Qt::LeftButton);
        QVERIFY(QFile::exists(library.filePath(QStringLiteral("empty.package"))));
        QVERIFY(finished.wait(20000));
        QCOMPARE(list->topLevelItemCount(), 5);
        qunsetenv("VARNICK_USER_DATA_DIR");
    }

    // A file that could not be moved keeps its row, beside the rows of the files that moved.
    void aFileThatCouldNotBeQuarantinedStaysListed()
    {
        QTemporaryDir library;
        QTemporaryDir data;
        qputenv("VARNICK_USER_DATA_DIR", data.path().toUtf8());
        QDir(library.path()).mkpath(QStringLiteral("sub"));
        writeFile(library.filePath(QStringLiteral("empty.package")), "");
        writeFile(library.filePath(QStringLiteral("sub/stuck.package")), "");
        // A file where the quarantine needs the folder "sub": that move fails.
        QDir(data.path()).mkpath(QStringLiteral("Quarantine"));
        writeFile(data.filePath(QStringLiteral("Quarantine/sub")), "in the way");

        frmLibraryHealth window(library.path());
        QSignalSpy finished(&window, &frmLibraryHealth::scanFinished);
        window.startScan();
        QVERIFY(finished.wait(20000));
        auto* list = window.findChild<QTreeWidget*>(QStringLiteral("tvProblems"));
        QCOMPARE(list->topLevelItemCount(), 2);
        list->selectAll();
        MessageBox::TestScope boxes;
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdQuarantine")), Qt::LeftButton);

        QVERIFY(!QFile::exists(library.filePath(QStringLiteral("empty.package"))));
        QVERIFY(QFile::exists(library.filePath(QStringLiteral("sub/stuck.package"))));
        QCOMPARE(list->topLevelItemCount(), 1);
        QVERIFY(list->topLevelItem(0)->text(1).endsWith(QStringLiteral("stuck.package")));
        QCOMPARE(boxes.shown().size(), qsizetype(1));
        QVERIFY(boxes.last().text.contains(QStringLiteral("stuck.package")));
        qunsetenv("VARNICK_USER_DATA_DIR");
    }

    void entryPointHasASeam()
    {
        frmLibraryHealth::Seam::TestScope scope;
        frmLibraryHealth::run(nullptr, QStringLiteral("/some/root"));
        QCOMPARE(scope.requests().size(), 1);
        QCOMPARE(scope.requests().front().Root, QStringLiteral("/some/root"));
    }
#endif
};

QTEST_MAIN(LibraryHealthWindowTest)
#include "LibraryHealthWindowTest.moc"
