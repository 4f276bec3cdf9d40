#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <fstream>

#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/frmKnownClashes.h"
#include "app/health/frmLibraryHealth.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "tests/common/EditorPackages.h"
#include "tests/common/TemporaryFolder.h"

#include <QDir>
#include <QLabel>
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
        QCOMPARE(window.report().broken.size(), std::size_t(3));
        QCOMPARE(window.report().duplicates.size(), std::size_t(1));
        QCOMPARE(list->topLevelItemCount(), 5);

        // The file comes first, below the search root, its full path in the tool tip.
        QTreeWidgetItem* empty = list->findItems(QStringLiteral("empty.package"), Qt::MatchExactly, 0).front();
        QCOMPARE(QDir::fromNativeSeparators(empty->toolTip(0)), library.filePath(QStringLiteral("empty.package")));
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("File"));
        empty->setSelected(true);
        QSignalSpy edits(&window, &frmLibraryHealth::editRequested);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdEdit")), Qt::LeftButton);
        QCOMPARE(edits.size(), 1);
        QCOMPARE(QDir::fromNativeSeparators(edits.front().front().toString()),
            library.filePath(QStringLiteral("empty.package")));

        // "Show in Folder" says where the file is when no file manager starts.
        MessageBox::TestScope boxes;
        {
            frmLibraryHealth::OpenFolderSeam::TestScope opener;
            opener.answerNext(false);
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdShow")), Qt::LeftButton);
            QCOMPARE(opener.requests(), QList<QString> { library.path() });
            QVERIFY(boxes.last().text.startsWith(QStringLiteral("No file manager could be started")));
            QVERIFY(boxes.last().text.contains(library.path()));
        }

        // The move is confirmed, saying where the files go; No moves nothing.
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdQuarantine")), Qt::LeftButton);
        QCOMPARE(boxes.last().title, QStringLiteral("Move to Quarantine"));
        QVERIFY2(QDir::fromNativeSeparators(boxes.last().text).contains(data.filePath(QStringLiteral("Quarantine"))),
            qPrintable(boxes.last().text));
        QVERIFY(QFile::exists(library.filePath(QStringLiteral("empty.package"))));
        boxes.answerNext(QMessageBox::Yes);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdQuarantine")), Qt::LeftButton);
        QVERIFY(!QFile::exists(library.filePath(QStringLiteral("empty.package"))));
        QVERIFY(QFile::exists(data.filePath(QStringLiteral("Quarantine/empty.package"))));
        QCOMPARE(list->topLevelItemCount(), 4);
        QVERIFY(boxes.last().text.startsWith(QStringLiteral("Moved 1 file to:")));
        // The summary follows the rows.
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("lblStatus"))
                    ->text()
                    .startsWith(QStringLiteral("2 files unreadable")));

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
        boxes.answerNext(QMessageBox::Yes);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdQuarantine")), Qt::LeftButton);

        QVERIFY(!QFile::exists(library.filePath(QStringLiteral("empty.package"))));
        QVERIFY(QFile::exists(library.filePath(QStringLiteral("sub/stuck.package"))));
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(QDir::fromNativeSeparators(list->topLevelItem(0)->text(0)), QStringLiteral("sub/stuck.package"));
        QCOMPARE(boxes.shown().size(), qsizetype(2)); // the question, then the file that stayed
        QVERIFY(boxes.last().text.contains(QStringLiteral("stuck.package")));
        qunsetenv("VARNICK_USER_DATA_DIR");
    }

    // A clash marked known in haste is taken back from the list of known clashes, by keyboard alone.
    void aClashMarkedKnownIsTakenBackFromTheListOfKnownClashes()
    {
        test::TemporaryFolder library;
        QTemporaryDir data;
        qputenv("VARNICK_USER_DATA_DIR", data.path().toUtf8());
        // Two objects with one GUID; their prices differ so that they are no duplicates.
        for (const auto& [name, price] : { std::pair { "a.package", 1u }, std::pair { "b.package", 2u } })
            test::EditorPackage().set(ObjectField::GUID, 0x42).set(ObjectField::Price, price).write(library, name);
        const QString root = text::fromPath(library.path());

        frmLibraryHealth window(root);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy finished(&window, &frmLibraryHealth::scanFinished);
        window.startScan();
        QVERIFY(finished.wait(20000));
        auto* list = window.findChild<QTreeWidget*>(QStringLiteral("tvProblems"));
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("GUID clash"));

        // The list has the focus with a current row; Space selects it, Alt+K marks the clash known.
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Space);
        QVERIFY(list->topLevelItem(0)->isSelected());
        QTest::keyClick(&window, Qt::Key_K, Qt::AltModifier);
        QVERIFY(finished.wait(20000));
        QCOMPARE(list->topLevelItemCount(), 0);
        QCOMPARE(window.knownClashes().size(), std::size_t { 1 });
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("lblStatus"))
                    ->text()
                    .contains(QStringLiteral("Marked 1 clash as known")));

        // "Known Clashes..." lists it with its packages, the list ready for the keyboard; "Unmark" takes the mark
        // back; Escape closes and rescans.
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdKnownList")), Qt::LeftButton);
        auto* known = window.findChild<frmKnownClashes*>();
        QVERIFY(known != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(known));
        auto* rows = known->findChild<QTreeWidget*>(QStringLiteral("tvKnown"));
        QCOMPARE(rows->topLevelItemCount(), 1);
        QCOMPARE(rows->topLevelItem(0)->text(0), QStringLiteral("0x00000042"));
        QCOMPARE(rows->topLevelItem(0)->text(1), QStringLiteral("a.package, b.package"));
        QCOMPARE(known->focusWidget(), rows);
        QTest::keyClick(rows, Qt::Key_Space);
        QTest::mouseClick(known->findChild<QPushButton*>(QStringLiteral("cmdUnmark")), Qt::LeftButton);
        QCOMPARE(rows->topLevelItemCount(), 0);
        QVERIFY(health::KnownClashes(health::defaultKnownClashesFile()).guids().empty());
        QTest::keyClick(rows, Qt::Key_Escape);
        QVERIFY(finished.wait(20000));
        QCOMPARE(list->topLevelItemCount(), 2);
        QVERIFY(window.knownClashes().empty());
        qunsetenv("VARNICK_USER_DATA_DIR");
    }

    void entryPointHasASeam()
    {
        frmLibraryHealth::Seam::TestScope scope;
        frmLibraryHealth::run(nullptr, QStringLiteral("/some/root"));
        QCOMPARE(scope.requests().size(), 1);
        QCOMPARE(scope.requests().front().root, QStringLiteral("/some/root"));
    }
#endif
};

QTEST_MAIN(LibraryHealthWindowTest)
#include "LibraryHealthWindowTest.moc"
