#include "app/browser/FolderPane.h"
#include "app/browser/FolderScanner.h"
#include "app/browser/MainWindowController.h"
#include "app/browser/ObjectTableView.h"
#include "app/browser/ObjectTabs.h"
#include "app/browser/ThumbnailPane.h"
#include "app/browser/frmMain.h"
#include "app/browser/frmSelectPath.h"
#include "app/platform/qt/HelpViewer.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Pause.h"
#include "app/platform/qt/Settings.h"
#include "app/startup/GamePaths.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

using namespace varnick;

namespace {

QAction* menuItem(QWidget& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { gstrSims2DataPath = "/games/EA Games/The Sims 2"; }

    void captionMenusAndControls();
    void settingsLiveInSectionSettingsAndMissingOnesReadEmpty();
    void loadReadsTheSelectorSwitchFromTheSettings_data();
    void loadReadsTheSelectorSwitchFromTheSettings();
    void selectorMenuStoresItsChoice();
    void layoutRules();
    void firstActivationChoosesTheDownloadsFolderOnce();
    void alternatePathWithoutChoiceFallsBackToDownloads();
    void alternatePathChoiceStartsAtTheLastOneElseTheShownFolder();
    void tableIsReadOncePerScanWhileItsTabShows();
    void folderTreeSelectsANodeByItsPathOrNone();
    void answeringNoKeepsTheWindowOpen();
    void answeringYesClosesAndExitMenuAsksToo();
    void shutdownClosesWithoutTheQuestion();
    void helpOpensAtTheContextPage();
    void helpPagesAreCompleteAndLinked();
    void optionsHoldTheBackupAndSaveSettings();
    void aboutNamesVersionsAndFoldersAndCopiesThem();
    void pauseWaitsAndLetsEventsRun();
    void retryPauseOnAWorkerOnlySleeps();
};

void MainWindowTest::optionsHoldTheBackupAndSaveSettings()
{
    Settings::TemporaryStore store;
    Settings::setValue(SettingKey::BackupGenerations, QStringLiteral("3"));
    frmMain window;
    window.show();
    menuItem(window, "smenuSettings")->trigger();
    auto* dialog = window.findChild<QDialog*>(QStringLiteral("frmOptions"));
    QVERIFY(dialog != nullptr && dialog->isVisible());
    auto* generations = dialog->findChild<QSpinBox*>(QStringLiteral("spnBackupGenerations"));
    auto* days = dialog->findChild<QSpinBox*>(QStringLiteral("spnBackupDays"));
    auto* compressed = dialog->findChild<QCheckBox*>(QStringLiteral("chkKeepCompressed"));
    QCOMPARE(generations->value(), 3);
    QCOMPARE(days->value(), 30); // the default
    QVERIFY(!compressed->isChecked());
    // Typed from the keyboard: the number boxes and the check box, then OK by Return.
    generations->setFocus();
    generations->selectAll();
    QTest::keyClicks(generations, QStringLiteral("5"));
    QTest::keyClick(days, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(days, QStringLiteral("0"));
    compressed->click();
    QTest::keyClick(dialog, Qt::Key_Return);
    QCOMPARE(Settings::value(SettingKey::BackupGenerations), QStringLiteral("5"));
    QCOMPARE(Settings::value(SettingKey::BackupDays), QStringLiteral("0"));
    QCOMPARE(Settings::value(SettingKey::KeepSavedResourcesCompressed), QStringLiteral("-1"));

    // Cancel keeps what was stored.
    menuItem(window, "smenuSettings")->trigger();
    dialog = window.findChildren<QDialog*>(QStringLiteral("frmOptions")).last();
    dialog->findChild<QSpinBox*>(QStringLiteral("spnBackupGenerations"))->setValue(9);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QCOMPARE(Settings::value(SettingKey::BackupGenerations), QStringLiteral("5"));
}

void MainWindowTest::aboutNamesVersionsAndFoldersAndCopiesThem()
{
    Settings::TemporaryStore store;
    frmMain window;
    window.show();
    menuItem(window, "smenuAbout")->trigger();
    auto* dialog = window.findChild<QDialog*>(QStringLiteral("frmAbout"));
    QVERIFY(dialog != nullptr && dialog->isVisible());
    const QString text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("txtDetails"))->toPlainText();
    for (const char* line : { "Varnick: 1.00.01",
             "Kelvora: ", "Qt: ", "Game folder: ", "Data folder: ", "Settings: ", "Backups: ", "Library index: " })
        QVERIFY2(text.contains(QLatin1String(line)), line);
    QVERIFY(text.contains(QStringLiteral("The Sims 2")));
    QVERIFY(text.contains(QDir::toNativeSeparators(store.fileName())));
    QApplication::clipboard()->clear();
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCopy")), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), text);
    dialog->close();
}

void MainWindowTest::captionMenusAndControls()
{
    Settings::TemporaryStore store;
    frmMain window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Varnick - Version 1.00.01"));
    QStringList menus;
    for (QAction* action : window.menuBar()->actions())
        menus << action->text();
    QCOMPARE(menus,
        (QStringList {
            QStringLiteral("&File"), QStringLiteral("&Options"), QStringLiteral("&Tools"), QStringLiteral("&Help") }));
    QCOMPARE(menuItem(window, "smenuExit")->text(), QStringLiteral("E&xit"));
    QCOMPARE(menuItem(window, "smenuTurnSelectorOff")->text(), QStringLiteral("Turn &Selection Rectangle Off"));
    QCOMPARE(menuItem(window, "smenuContents")->text(), QStringLiteral("Help &Contents"));
    QCOMPARE(menuItem(window, "smenuDelThumbs")->text(), QStringLiteral("Delete Selected Object &Thumbnails"));
    QCOMPARE(window.findChild<QRadioButton*>(QStringLiteral("optPath_0"))->text(), QStringLiteral("Do&wnloads Folder"));
    QCOMPARE(window.findChild<QRadioButton*>(QStringLiteral("optPath_1"))->text(), QStringLiteral("&Alternate Path"));
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("tvFolders")) != nullptr);
    for (const QString& key : { QStringLiteral("folder"), QStringLiteral("folder_greenarrow") })
        QCOMPARE(window.imageList1().value(key).availableSizes().value(0), QSize(17, 14));
    for (const char* name : { "cmdFirst", "cmdPrevious", "cmdNext", "cmdLast", "cmdSelect", "frmDelMove", "cmdFocus" })
        QVERIFY2(window.findChild<QPushButton*>(QLatin1String(name)) != nullptr, name);
    for (int i = 0; i < MainWindowController::kSimNameLabels; ++i) {
        auto* label = window.findChild<QLabel*>(QStringLiteral("lblSimName_%1").arg(i));
        QVERIFY(label != nullptr);
        QCOMPARE(label->geometry(), MainWindowController::simNameLabelGeometry(i));
        QVERIFY(label->text().isEmpty());
    }
}

void MainWindowTest::settingsLiveInSectionSettingsAndMissingOnesReadEmpty()
{
    QString file;
    {
        Settings::TemporaryStore store;
        file = store.fileName();
        QCOMPARE(Settings::value(SettingKey::LastDownloadsFolderSelected), QString());
        Settings::setValue(SettingKey::LastDownloadsFolderSelected, QStringLiteral("Downloads\\Möbel"));
        QCOMPARE(Settings::value(SettingKey::LastDownloadsFolderSelected), QStringLiteral("Downloads\\Möbel"));
        QSettings raw(file, QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Settings/Last Downloads Folder Selected")).toString(),
            QStringLiteral("Downloads\\Möbel"));
    }
    // The environment's settings file stands in for the user's store.
    QTemporaryDir folder;
    const QString environmentFile = folder.filePath(QStringLiteral("run.ini"));
    qputenv("VARNICK_SETTINGS_FILE", environmentFile.toUtf8());
    Settings::setValue(SettingKey::LastAlternatePathSelected, QStringLiteral("/srv/objects"));
    qunsetenv("VARNICK_SETTINGS_FILE");
    QCOMPARE(QSettings(environmentFile, QSettings::IniFormat)
                 .value(QStringLiteral("Settings/Last Alternate Path Selected"))
                 .toString(),
        QStringLiteral("/srv/objects"));
}

void MainWindowTest::loadReadsTheSelectorSwitchFromTheSettings_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("off");
    QTest::newRow("missing") << QString() << false;
    QTest::newRow("on") << QStringLiteral("0") << false;
    QTest::newRow("off") << QStringLiteral("-1") << true;
    QTest::newRow("other number") << QStringLiteral("2") << true;
    QTest::newRow("leading number") << QStringLiteral(" 1abc") << true;
    QTest::newRow("text") << QStringLiteral("abc") << false;
    QTest::newRow("zero fraction") << QStringLiteral("0.0") << false;
}

void MainWindowTest::loadReadsTheSelectorSwitchFromTheSettings()
{
    QFETCH(QString, stored);
    QFETCH(bool, off);
    Settings::TemporaryStore store;
    if (!stored.isNull())
        Settings::setValue(SettingKey::TurnSelectionRectangleOff, stored);
    Settings::setValue(SettingKey::LastAlternatePathSelected, QStringLiteral("/home/me/Objects"));
    QCOMPARE(MainWindowController::settingIsNonZero(stored), off);
    frmMain window;
    QCOMPARE(window.controller().selectorOff(), off);
    QCOMPARE(menuItem(window, "smenuTurnSelectorOff")->isChecked(), off);
    QCOMPARE(window.controller().alternatePath(), QStringLiteral("/home/me/Objects"));
    QVERIFY(window.controller().firstActivatePending());
}

void MainWindowTest::selectorMenuStoresItsChoice()
{
    Settings::TemporaryStore store;
    QCOMPARE(Settings::value(SettingKey::TurnSelectionRectangleOff), QString());
    frmMain window;
    menuItem(window, "smenuTurnSelectorOff")->trigger();
    QVERIFY(window.controller().selectorOff());
    QVERIFY(menuItem(window, "smenuTurnSelectorOff")->isChecked());
    QCOMPARE(Settings::value(SettingKey::TurnSelectionRectangleOff), QStringLiteral("-1"));
    menuItem(window, "smenuTurnSelectorOff")->trigger();
    QVERIFY(!menuItem(window, "smenuTurnSelectorOff")->isChecked());
    QCOMPARE(Settings::value(SettingKey::TurnSelectionRectangleOff), QStringLiteral("0"));
}

void MainWindowTest::layoutRules()
{
    QCOMPARE(MainWindowController::windowTop(9600, 120), 120);
    QCOMPARE(MainWindowController::windowTop(9585, 120), 0);
    QCOMPARE(MainWindowController::simNameLabelGeometry(0), QRect(2, 67, 91, 27));
    QCOMPARE(MainWindowController::simNameLabelGeometry(24), QRect(4 * 95 + 2, 4 * 95 + 67, 91, 27));
    QCOMPARE(MainWindowController::simNameLabelGeometry(48), QRect(3 * 95 + 2, 9 * 95 + 67, 91, 27));
}

void MainWindowTest::firstActivationChoosesTheDownloadsFolderOnce()
{
    Settings::TemporaryStore store;
    frmMain window;
    QSignalSpy roots(&window, &frmMain::rootChosen);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(roots.count(), 1);
    QCOMPARE(roots.first().first().toInt(), 0);
    QVERIFY(window.findChild<QRadioButton*>(QStringLiteral("optPath_0"))->isChecked());
    QCOMPARE(window.controller().rootPath(), QStringLiteral("/games/EA Games/The Sims 2"));
    QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("cmdSetPath"))->isVisible());
    window.Form_Activate();
    QCOMPARE(roots.count(), 1);
    MessageBox::TestScope boxes;
    boxes.answerNext(QMessageBox::Yes);
    window.close();
}

void MainWindowTest::alternatePathWithoutChoiceFallsBackToDownloads()
{
    Settings::TemporaryStore store;
    frmMain window;
    QSignalSpy roots(&window, &frmMain::rootChosen);
    frmSelectPath::Seam::TestScope dialogs; // the path dialog is cancelled
    window.optPath_Click(1);
    QCOMPARE(roots.count(), 1);
    QCOMPARE(roots.first().first().toInt(), 0);
    QVERIFY(window.findChild<QRadioButton*>(QStringLiteral("optPath_0"))->isChecked());

    // With a stored alternate path the root is taken from it and named in the tool tip.
    Settings::setValue(SettingKey::LastAlternatePathSelected, QStringLiteral("/home/me/Objects"));
    frmMain second;
    QSignalSpy secondRoots(&second, &frmMain::rootChosen);
    second.optPath_Click(1);
    QCOMPARE(secondRoots.count(), 1);
    QCOMPARE(secondRoots.first().first().toInt(), 1);
    QCOMPARE(second.controller().rootPath(), QStringLiteral("/home/me/Objects"));
    QCOMPARE(second.findChild<QRadioButton*>(QStringLiteral("optPath_1"))->toolTip(),
        QStringLiteral(" Alternate Path: /home/me/Objects"));
}

void MainWindowTest::alternatePathChoiceStartsAtTheLastOneElseTheShownFolder()
{
    Settings::TemporaryStore store;
    MainWindowController controller;
    controller.load();
    QCOMPARE(controller.alternatePathStart(), QString());
    const QString shown = QStringLiteral("/games/EA Games/The Sims 2/Downloads/Sofas");
    controller.openFolder(shown);
    QCOMPARE(controller.alternatePathStart(), shown);
    controller.setAlternatePath(QStringLiteral("/home/me/Objects"));
    QCOMPARE(controller.alternatePathStart(), QStringLiteral("/home/me/Objects"));
}

void MainWindowTest::tableIsReadOncePerScanWhileItsTabShows()
{
    Settings::TemporaryStore store;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path();
    MainWindowController controller;
    FolderScanner scanner;
    ObjectTabs tabs(new ThumbnailPane(controller, scanner));
    ObjectTableView& table = *tabs.table();
    // 1 when showing the scan read the rows, 0 when it did not, -1 when the reading did not end.
    const auto readsAgain = [&] {
        tabs.showScan(folder, {});
        const int started = table.busy() ? 1 : 0;
        return QTest::qWaitFor([&] { return !table.busy(); }) ? started : -1;
    };

    // Behind the thumbnails the scan is not read; its tab shown, it is, once.
    QCOMPARE(readsAgain(), 0);
    QVERIFY(table.folder().isEmpty());
    tabs.setCurrentIndex(1);
    QCOMPARE(readsAgain(), 1);
    QCOMPARE(table.folder(), folder);
    QCOMPARE(readsAgain(), 0);
    // A new scan is read; a change written while the table shows is its own (it reloads itself).
    tabs.scanStarted();
    QCOMPARE(readsAgain(), 1);
    tabs.objectsChanged();
    QCOMPARE(readsAgain(), 0);
    // A change written behind the thumbnails is read when the table shows next.
    tabs.setCurrentIndex(0);
    tabs.objectsChanged();
    tabs.setCurrentIndex(1);
    QCOMPARE(readsAgain(), 1);

    // Nothing pending: the folder may change; the seam answers in place of the question.
    QVERIFY(tabs.offerPendingSave());
    tabs.setPendingSaveAnswerForTesting([] { return false; });
    QVERIFY(!tabs.offerPendingSave());
}

void MainWindowTest::folderTreeSelectsANodeByItsPathOrNone()
{
    FolderPane pane;
    pane.fill({ { "Downloads", "\\Downloads", "Downloads", -1 }, { "a", "\\Downloads\\a", "Downloads\\a", 0 },
        { "b", "\\Downloads\\a\\b", "Downloads\\a\\b", 1 } });
    QTreeWidget& tree = *pane.tvFolders();
    QTreeWidgetItem* b = pane.select(QStringLiteral("Downloads\\a\\b"));
    QVERIFY(b != nullptr);
    QCOMPARE(tree.currentItem(), b);
    QVERIFY(b->parent()->isExpanded());
    // An unknown path changes nothing; no path (no folder open) leaves no node current.
    QCOMPARE(pane.select(QStringLiteral("Downloads\\c")), nullptr);
    QCOMPARE(tree.currentItem(), b);
    QCOMPARE(pane.select(QString()), nullptr);
    QCOMPARE(tree.currentItem(), nullptr);
}

void MainWindowTest::answeringNoKeepsTheWindowOpen()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    frmMain window;
    QSignalSpy unloaded(&window, &frmMain::unloaded);
    window.show();
    window.controller().setPageForTesting(3);
    boxes.answerNext(QMessageBox::No);
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(unloaded.count(), 0);
    QCOMPARE(window.controller().page(), 3);
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Confirm Action"));
    QCOMPARE(boxes.last().text, QStringLiteral("Exit this program?"));
    QCOMPARE(boxes.last().icon, QMessageBox::Question);
    QCOMPARE(boxes.last().buttons, QMessageBox::Yes | QMessageBox::No);
    boxes.answerNext(QMessageBox::Yes);
    window.close();
}

void MainWindowTest::answeringYesClosesAndExitMenuAsksToo()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    frmMain window;
    QSignalSpy unloaded(&window, &frmMain::unloaded);
    window.show();
    boxes.answerNext(QMessageBox::No);
    menuItem(window, "smenuExit")->trigger();
    QVERIFY(window.isVisible());
    boxes.answerNext(QMessageBox::Yes);
    menuItem(window, "smenuExit")->trigger();
    QVERIFY(!window.isVisible());
    QCOMPARE(unloaded.count(), 1);
    QCOMPARE(boxes.shown().size(), 2);
}

void MainWindowTest::shutdownClosesWithoutTheQuestion()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    frmMain window;
    QSignalSpy unloaded(&window, &frmMain::unloaded);
    window.show();
    window.setSessionEnding(true);
    QVERIFY(window.close());
    QCOMPARE(boxes.shown().size(), 0);
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!MainWindowController::asksBeforeClosing(MainWindowController::CloseReason::TaskManager));
    QVERIFY(MainWindowController::asksBeforeClosing(MainWindowController::CloseReason::User));
}

void MainWindowTest::helpOpensAtTheContextPage()
{
    Settings::TemporaryStore store;
    frmMain window;
    menuItem(window, "smenuContents")->trigger();
    HelpViewer* viewer = HelpViewer::current();
    QVERIFY(viewer != nullptr);
    QCOMPARE(viewer->currentPage(), QUrl(QStringLiteral("qrc:/help/main.html")));
    QVERIFY(viewer->isVisible());
    auto* browser = viewer->findChild<QTextBrowser*>(QStringLiteral("txtHelp"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Objects in the selected folder")));
    // The editor's help button opens the same viewer at context 8.
    QCOMPARE(HelpViewer::showContext(&window, HelpViewer::kContextEditor), viewer);
    QCOMPARE(viewer->currentPage(), QUrl(QStringLiteral("qrc:/help/editor.html")));
    QCOMPARE(HelpViewer::pageForContext(99), QUrl(QStringLiteral("qrc:/help/contents.html")));
    viewer->close();
}

void MainWindowTest::helpPagesAreCompleteAndLinked()
{
    HelpViewer::showContext(nullptr, 0);
    const QStringList pages { QStringLiteral("contents"), QStringLiteral("main"), QStringLiteral("editor"),
        QStringLiteral("categories"), QStringLiteral("recolors"), QStringLiteral("purge"), QStringLiteral("startup") };
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (const QString& page : pages) {
        QFile file(QStringLiteral(":/help/%1.html").arg(page));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
        const QString html = QString::fromUtf8(file.readAll());
        QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(page));
        QVERIFY2(html.size() > 1000, qPrintable(page));
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            QVERIFY2(
                QFile::exists(QStringLiteral(":/help/") + target), qPrintable(page + QStringLiteral(" -> ") + target));
        }
    }
    HelpViewer::current()->close();
}

void MainWindowTest::pauseWaitsAndLetsEventsRun()
{
    bool ran = false;
    QTimer::singleShot(10, [&ran] { ran = true; });
    QElapsedTimer timer;
    timer.start();
    gsPause(60);
    QVERIFY(timer.elapsed() >= 60);
    QVERIFY(timer.elapsed() < 2000);
    QVERIFY(ran);
    timer.restart();
    gsPause(0);
    gsPause(-5);
    QVERIFY(timer.elapsed() < 50);
}

void MainWindowTest::retryPauseOnAWorkerOnlySleeps()
{
    // A worker's own pending events stay pending: running events there is the window thread's business.
    bool workerEventRan = false;
    qint64 elapsed = 0;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        QObject local;
        QMetaObject::invokeMethod(
            &local, [&workerEventRan] { workerEventRan = true; }, Qt::QueuedConnection);
        QElapsedTimer timer;
        timer.start();
        pauseBeforeRetry(60);
        elapsed = timer.elapsed();
    }));
    worker->start();
    QVERIFY(worker->wait(5000));
    QVERIFY(elapsed >= 60);
    QVERIFY(!workerEventRan);

    // On the window thread the pause keeps the windows responsive.
    bool ran = false;
    QTimer::singleShot(10, [&ran] { ran = true; });
    pauseBeforeRetry(60);
    QVERIFY(ran);
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
