#include "app/browser/SelectPathController.h"
#include "app/browser/frmSelectPath.h"
#include "app/platform/qt/MessageBox.h"
#include "app/startup/GamePaths.h"
#include "tests/common/TrapRecorder.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace varnick;

namespace {

// Answers the name prompt from a list, then cancels.
class QueuedNames {
public:
    explicit QueuedNames(QStringList names)
        : mNames(std::move(names))
    {
        frmSelectPath::setNamePromptForTesting([this](QWidget*) {
            ++mAsked;
            return mNames.isEmpty() ? QString() : mNames.takeFirst();
        });
    }
    ~QueuedNames() { frmSelectPath::setNamePromptForTesting({}); }
    int asked() const { return mAsked; }

private:
    QStringList mNames;
    int mAsked = 0;
};

QString native(const QString& path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

} // namespace

class SelectPathTest : public QObject {
    Q_OBJECT
private slots:
    void nameRuleAcceptsOnlyLettersDigitsDashAndUnderscore_data();
    void nameRuleAcceptsOnlyLettersDigitsDashAndUnderscore();
    void existingInitialPathOpensThereAndOkReturnsIt();
    void missingInitialPathOpensTheCurrentFolder();
    void okOnARootDoesNothing();
    void cancelAndCloseReturnEmpty();
    void formTitleReplacesTheDefaultCaption();
    void invalidNameIsRefusedAndAskedAgain();
    void existingFolderIsRefusedWithoutNewPrompt();
    void newFolderBelowARootHasOneSeparator();
    void driveListHoldsTheFileSystemRoot();
    void chooseShowsModallyOrAnswersFromTheSeam();
    void startsAtDownloadsTakesATypedPathAndAsksBeforeLeavingTheGame();
};

void SelectPathTest::nameRuleAcceptsOnlyLettersDigitsDashAndUnderscore_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("mixed") << QStringLiteral("My_Folder-2") << true;
    QTest::newRow("lower") << QStringLiteral("abc") << true;
    QTest::newRow("blank") << QStringLiteral("My Folder") << false;
    QTest::newRow("dot") << QStringLiteral("a.b") << false;
    QTest::newRow("accented") << QStringLiteral("Möbel") << false;
    QTest::newRow("separator") << QStringLiteral("a/b") << false;
    QTest::newRow("parent") << QStringLiteral("..") << false;
    QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
}

void SelectPathTest::nameRuleAcceptsOnlyLettersDigitsDashAndUnderscore()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(SelectPathController::mfblnFolderValid(name), valid);
}

void SelectPathTest::existingInitialPathOpensThereAndOkReturnsIt()
{
    test::TrapRecorder trap;
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("Downloads/Möbel"));
    QVERIFY(QDir().mkpath(folder));
    frmSelectPath dialog;
    dialog.setInitialPath(native(folder));
    dialog.show();
    auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("txtSelectedPath"));
    QVERIFY(text != nullptr);
    QCOMPARE(text->text(), native(folder));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedPath(), native(folder));
    QVERIFY(trap.empty());
}

void SelectPathTest::missingInitialPathOpensTheCurrentFolder()
{
    QTemporaryDir temp;
    frmSelectPath dialog;
    dialog.setInitialPath(temp.filePath(QStringLiteral("gone")));
    dialog.show();
    QCOMPARE(dialog.currentFolder(), QDir::cleanPath(QDir::currentPath()));
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("txtSelectedPath"))->text(), native(QDir::currentPath()));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Move Files - Select A Destination Folder"));
}

void SelectPathTest::okOnARootDoesNothing()
{
    QVERIFY(!SelectPathController::canChoose(QDir::rootPath()));
    QVERIFY(!SelectPathController::canChoose(QString()));
    QVERIFY(SelectPathController::canChoose(QDir::tempPath()));
    frmSelectPath dialog;
    dialog.setInitialPath(QDir::rootPath());
    dialog.show();
    QCOMPARE(dialog.currentFolder(), QDir::cleanPath(QDir::rootPath()));
    dialog.cmdOK_Click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.selectedPath(), QString());
}

void SelectPathTest::cancelAndCloseReturnEmpty()
{
    QTemporaryDir temp;
    {
        frmSelectPath dialog;
        dialog.setInitialPath(temp.path());
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.selectedPath(), QString());
    }
    frmSelectPath dialog;
    dialog.setInitialPath(temp.path());
    dialog.show();
    dialog.close();
    QCOMPARE(dialog.selectedPath(), QString());
}

void SelectPathTest::formTitleReplacesTheDefaultCaption()
{
    frmSelectPath dialog;
    dialog.setFormTitle(QStringLiteral("Select Alternate Path"));
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Alternate Path"));
}

void SelectPathTest::invalidNameIsRefusedAndAskedAgain()
{
    test::TrapRecorder trap;
    MessageBox::TestScope boxes;
    QTemporaryDir temp;
    QueuedNames names({ QStringLiteral("My Folder"), QStringLiteral("a.b"), QStringLiteral("Good_1") });
    frmSelectPath dialog;
    dialog.setInitialPath(temp.path());
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdMakeDir")), Qt::LeftButton);
    QCOMPARE(names.asked(), 3);
    QCOMPARE(boxes.shown().size(), 2);
    QCOMPARE(boxes.shown()[0].title, QStringLiteral("User Input Error"));
    QCOMPARE(boxes.shown()[0].text, QStringLiteral("Invalid folder name!"));
    QCOMPARE(boxes.shown()[0].icon, QMessageBox::Warning);
    const QString created = QDir::cleanPath(temp.filePath(QStringLiteral("Good_1")));
    QVERIFY(QFileInfo(created).isDir());
    QVERIFY(!QFileInfo::exists(temp.filePath(QStringLiteral("My Folder"))));
    QCOMPARE(dialog.currentFolder(), created);
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("txtSelectedPath"))->text(), native(created));
    QVERIFY(trap.empty());
}

void SelectPathTest::existingFolderIsRefusedWithoutNewPrompt()
{
    MessageBox::TestScope boxes;
    QTemporaryDir temp;
    QVERIFY(QDir(temp.path()).mkdir(QStringLiteral("Taken")));
    QueuedNames names({ QStringLiteral("Taken"), QStringLiteral("Other") });
    frmSelectPath dialog;
    dialog.setInitialPath(temp.path());
    dialog.show();
    dialog.cmdMakeDir_Click();
    QCOMPARE(names.asked(), 1);
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(boxes.last().text, QStringLiteral("Folder already exists!"));
    QCOMPARE(boxes.last().title, QStringLiteral("User Input Error"));
    QVERIFY(!QFileInfo::exists(temp.filePath(QStringLiteral("Other"))));
    QCOMPARE(dialog.currentFolder(), QDir::cleanPath(temp.path()));

    // An empty answer (cancel) stops at once and changes nothing.
    QueuedNames none({});
    dialog.cmdMakeDir_Click();
    QCOMPARE(boxes.shown().size(), 1);
}

void SelectPathTest::newFolderBelowARootHasOneSeparator()
{
    QString created;
    QCOMPARE(SelectPathController::makeDirectory(
                 QStringLiteral("/nonexistent-root-for-test"), QStringLiteral("x"), &created),
        SelectPathController::MakeDirResult::Failed);
    QTemporaryDir temp;
    QCOMPARE(SelectPathController::makeDirectory(temp.path() + QStringLiteral("/"), QStringLiteral("New"), &created),
        SelectPathController::MakeDirResult::Created);
    QCOMPARE(created, QDir::cleanPath(temp.path()) + QStringLiteral("/New"));
    QCOMPARE(QDir::cleanPath(QDir(QDir::rootPath()).filePath(QStringLiteral("x"))).count(QStringLiteral("//")), 0);
}

void SelectPathTest::driveListHoldsTheFileSystemRoot()
{
    const QStringList roots = SelectPathController::driveRoots();
    QVERIFY(!roots.isEmpty());
#ifndef _WIN32
    QCOMPARE(roots.first(), QStringLiteral("/"));
    QCOMPARE(
        SelectPathController::driveOf(QStringLiteral("/usr/share"), { QStringLiteral("/"), QStringLiteral("/usr") }),
        QStringLiteral("/usr"));
    QCOMPARE(SelectPathController::driveOf(QStringLiteral("/usrx"), { QStringLiteral("/"), QStringLiteral("/usr") }),
        QStringLiteral("/"));
#endif
}

void SelectPathTest::chooseShowsModallyOrAnswersFromTheSeam()
{
    {
        frmSelectPath::Seam::TestScope scope;
        scope.answerNext(QStringLiteral("/chosen"));
        QCOMPARE(frmSelectPath::choose(nullptr, QStringLiteral("Pick one:"), QStringLiteral("/start")),
            QStringLiteral("/chosen"));
        QCOMPARE(frmSelectPath::choose(nullptr, QString(), QString()), QString()); // nothing queued: cancelled
        QCOMPARE(scope.requests().size(), 2);
        QCOMPARE(scope.requests()[0].formTitle, QStringLiteral("Pick one:"));
        QCOMPARE(scope.requests()[0].initialPath, QStringLiteral("/start"));
    }
    // Without the seam the real dialog opens modally; closing it is a cancel.
    QTemporaryDir temp;
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    QCOMPARE(frmSelectPath::choose(nullptr, QStringLiteral("Pick one:"), temp.path()), QString());
}

void SelectPathTest::startsAtDownloadsTakesATypedPathAndAsksBeforeLeavingTheGame()
{
    QTemporaryDir temp;
    const QString data = QDir::cleanPath(temp.path() + QStringLiteral("/EA Games/The Sims 2"));
    const QString downloads = data + QStringLiteral("/Downloads");
    const QString outside = QDir::cleanPath(temp.path() + QStringLiteral("/Elsewhere"));
    QVERIFY(QDir().mkpath(downloads + QStringLiteral("/Chairs")));
    QVERIFY(QDir().mkpath(outside));
    const std::string saved = gstrSims2DataPath;
    gstrSims2DataPath = data.toStdString();
    MessageBox::TestScope boxes;

    // Nothing stored: the dialog opens at the game's Downloads folder.
    QCOMPARE(SelectPathController::startFolder(QString()), downloads);
    QVERIFY(SelectPathController::insideDataFolder(downloads + QStringLiteral("/Chairs")));
    QVERIFY(!SelectPathController::insideDataFolder(outside));
    QVERIFY(!SelectPathController::insideDataFolder(data + QStringLiteral(" Old")));

    frmSelectPath dialog;
    dialog.setConfirmOutsideDataFolder(true);
    dialog.show();
    QCOMPARE(dialog.currentFolder(), downloads);
    auto* path = dialog.findChild<QLineEdit*>(QStringLiteral("txtSelectedPath"));
    QVERIFY(!path->isReadOnly());

    // A typed path and Return open that folder; the dialog stays open.
    path->setFocus();
    path->selectAll();
    QTest::keyClicks(path, QDir::toNativeSeparators(downloads + QStringLiteral("/Chairs")));
    QTest::keyClick(path, Qt::Key_Return);
    QCOMPARE(dialog.currentFolder(), downloads + QStringLiteral("/Chairs"));
    QVERIFY(dialog.isVisible());
    // A folder that is not there: said so, nothing chosen.
    path->selectAll();
    QTest::keyClicks(path, QDir::toNativeSeparators(outside + QStringLiteral("/missing")));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCOMPARE(boxes.shown().size(), 1);
    QVERIFY(boxes.last().text.contains(QStringLiteral("There is no folder")));
    QVERIFY(dialog.isVisible());

    // A folder outside the game's: OK asks, naming it; No stays, Yes chooses it.
    path->selectAll();
    QTest::keyClicks(path, QDir::toNativeSeparators(outside));
    boxes.answerNext(QMessageBox::No);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCOMPARE(boxes.shown().size(), 2);
    QVERIFY(boxes.last().text.contains(QDir::toNativeSeparators(outside)));
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.selectedPath().isEmpty());
    boxes.answerNext(QMessageBox::Yes);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCOMPARE(dialog.selectedPath(), QDir::toNativeSeparators(outside));
    gstrSims2DataPath = saved;
}

QTEST_MAIN(SelectPathTest)
#include "SelectPathTest.moc"
