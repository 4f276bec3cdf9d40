// The windows' side of finding the game: the Game Installation dialog, the
// first start's question, the start-up's choice of a data folder by hand,
// clearing the game's caches, and the refusal of every write while the game runs.

#include "app/backups/RestoreOriginalAction.h"
#include "app/browser/frmSelectPath.h"
#include "app/editor/frmEditObject.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/recolors/ThumbnailPurgeAction.h"
#include "app/startup/ClearCachesAction.h"
#include "app/startup/GamePaths.h"
#include "app/startup/GameRunningGuard.h"
#include "app/startup/core/RememberedGame.h"
#include "app/startup/frmGameInstallation.h"
#include "app/startup/frmTitle.h"
#include "tests/common/EditorPackages.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TrapRecorder.h"
#include "tests/startup/GameFixtures.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace fs = std::filesystem;
using namespace varnick;

namespace {

const QString kRunning
    = QStringLiteral("The Sims 2 is running (Sims2EP9.exe). Close the game before changing your downloads.");

fs::path makeData(const fs::path& folder)
{
    fs::create_directories(folder / "Downloads");
    return folder;
}

GameInstall install(GameEdition edition, const fs::path& data, bool exists = true)
{
    GameInstall found;
    found.edition = edition;
    found.source = "a key";
    found.dataFolder = data;
    found.downloads = data / "Downloads";
    found.dataFolderExists = exists;
    return found;
}

// The three game paths, restored after each test.
struct SavedPaths {
    std::string install = gstrSims2InstallPath;
    std::string documents = gstrDocumentsPath;
    std::string data = gstrSims2DataPath;
    ~SavedPaths()
    {
        gstrSims2InstallPath = install;
        gstrDocumentsPath = documents;
        gstrSims2DataPath = data;
    }
};

} // namespace

class GameInstallationWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        // The windows read the choice through their settings, as the program does.
        readGameChoiceFromSettings();
    }
    void cleanup() { setRememberedGameFolderReader({}); }

    void refusalNamesTheRunningProgram();
    void writeActionsAreRefusedWhileTheGameRuns();
    void dialogListsTheInstallsAndRemembersTheChoice();
    void aFolderAddedByHandIsCheckedAndRemembered();
    void firstStartAsksOnlyWhenSeveralInstallsAreFound();
    void fatalErrorOffersToChooseTheDataFolder();
    void clearGameCachesMovesThemAndListsThem();
    void menuItemsOpenTheirWindows();
};

void GameInstallationWindowTest::refusalNamesTheRunningProgram()
{
    MessageBox::TestScope boxes;
    {
        const RunningGameForTesting game(QStringLiteral("Sims2EP9.exe"));
        QVERIFY(refuseWhileGameRuns(nullptr));
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.last().text, kRunning);
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
    }
    const RunningGameForTesting none(std::nullopt);
    QVERIFY(!refuseWhileGameRuns(nullptr));
    QCOMPARE(boxes.shown().size(), 1);
}

void GameInstallationWindowTest::writeActionsAreRefusedWhileTheGameRuns()
{
    test::TrapRecorder trap;
    MessageBox::TestScope boxes;
    test::TemporaryFolder dir;
    const SavedPaths saved;
    test::EditorPackage object;
    object.set(ObjectField::Price, 50000);
    object.entries = { { 1, "Chair", "" }, { 1, "Nice", "" } };
    const fs::path file = object.write(dir, "chair.package");
    const ByteString before = test::readFileBytes(file);
    const fs::path data = makeData(dir.path() / "The Sims 2");
    test::writeText(data / "Groups.cache", "groups");
    gstrSims2DataPath = pathToUtf8(data);

    const RunningGameForTesting game(QStringLiteral("Sims2EP9.exe"));
    frmEditObject editor;
    editor.setLoadFileName(text::fromPath(file));
    editor.Form_Load();
    auto* price = editor.findChild<QLineEdit*>(QStringLiteral("txtPrice"));
    price->setText(QStringLiteral("40000"));
    QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QVERIFY(!editor.saved());
    QCOMPARE(price->text(), QStringLiteral("40000")); // the edits stay in the window

    QVERIFY(!restoreOriginalOf(nullptr, text::fromPath(file)));
    QVERIFY(!purgeObjectThumbnails(nullptr, text::fromPath(file)));
    QVERIFY(!clearGameCachesAction(nullptr));
    // Each action showed the refusal and nothing else: no question, no result.
    QCOMPARE(boxes.shown().size(), 4);
    for (const MessageBox::Shown& shown : boxes.shown())
        QCOMPARE(shown.text, kRunning);
    QCOMPARE(test::readFileBytes(file), before);
    QCOMPARE(test::readFileBytes(data / "Groups.cache"), ByteString("groups"));
    QVERIFY(trap.empty());
}

void GameInstallationWindowTest::dialogListsTheInstallsAndRemembersTheChoice()
{
    const Settings::TemporaryStore store;
    test::TemporaryFolder dir;
    const SavedPaths saved;
    const fs::path legacy = makeData(dir.path() / "Los Sims 2 Legado");
    const fs::path classic = makeData(dir.path() / "The Sims 2");
    GameSearch search;
    search.installs = { install(GameEdition::Legacy, legacy), install(GameEdition::Classic, classic),
        install(GameEdition::Legacy, dir.path() / "The Sims 2 Legacy", false) };
    search.installs[0].displayName = "Los Sims 2 Legado";
    search.installs[0].foundBy = FoundBy::SteamLibrary;
    search.installs[0].source = "/home/me/.steam/steam/steamapps/common/The Sims 2 Legacy";
    search.installs[1].foundBy = FoundBy::WindowsRegistry;
    search.installs[1].source = "HKLM\\SOFTWARE\\WOW6432Node\\EA GAMES\\The Sims 2";
    search.skipped = { SkippedFile { "/home/me/.wine/user.reg", "is damaged at line 9: a text has no closing quote" } };
    gstrSims2DataPath = pathToUtf8(classic);

    frmGameInstallation dialog(search, false);
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("lstInstalls"));
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Legacy Collection"));
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Los Sims 2 Legado"));
    QVERIFY(list->topLevelItem(2)->isDisabled()); // the game has not made that one yet
    // How each was found in the player's words; the key or folder itself in the tip.
    const int foundBy = list->columnCount() - 1;
    QCOMPARE(list->headerItem()->text(foundBy), QStringLiteral("Found by"));
    QCOMPARE(list->topLevelItem(0)->text(foundBy), QStringLiteral("Steam library"));
    QCOMPARE(list->topLevelItem(0)->toolTip(foundBy),
        QStringLiteral("/home/me/.steam/steam/steamapps/common/The Sims 2 Legacy"));
    QCOMPARE(list->topLevelItem(1)->text(foundBy), QStringLiteral("Windows registry"));
    QCOMPARE(
        list->topLevelItem(1)->toolTip(foundBy), QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\EA GAMES\\The Sims 2"));
    QCOMPARE(list->currentItem(), list->topLevelItem(1)); // the one in use
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("lblSkipped"))->text().contains(QStringLiteral("user.reg")));

    list->setCurrentItem(list->topLevelItem(0));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdUse")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(text::toPath(dialog.chosenFolder()), legacy);
    QCOMPARE(text::toPath(Settings::value(SettingKey::GameDataFolder)), legacy);
    QCOMPARE(rememberedGameFolder().value, std::optional<std::string>(pathToUtf8(legacy)));
}

void GameInstallationWindowTest::aFolderAddedByHandIsCheckedAndRemembered()
{
    const Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    frmSelectPath::Seam::TestScope folders;
    test::TemporaryFolder dir;
    const fs::path empty = dir.path() / "Empty";
    fs::create_directories(empty);
    const fs::path data = makeData(dir.path() / "Copy of The Sims 2");

    // Not a data folder: asked, refused, and then the folder dialog is cancelled.
    folders.answerNext(text::fromPath(empty));
    boxes.answerNext(QMessageBox::No);
    frmGameInstallation first(GameSearch {}, false);
    first.cmdAdd_Click();
    QCOMPARE(folders.requests().size(), 2);
    QCOMPARE(boxes.shown().size(), 1);
    QVERIFY(boxes.last().text.contains(QStringLiteral("does not look like the game's data folder")));
    QVERIFY(first.chosenFolder().isEmpty());
    QVERIFY(Settings::value(SettingKey::GameDataFolder).isEmpty());

    folders.answerNext(text::fromPath(data));
    frmGameInstallation second(GameSearch {}, false);
    second.cmdAdd_Click();
    QCOMPARE(text::toPath(second.chosenFolder()), data);
    QCOMPARE(text::toPath(Settings::value(SettingKey::GameDataFolder)), data);
    QCOMPARE(boxes.shown().size(), 1);
}

void GameInstallationWindowTest::firstStartAsksOnlyWhenSeveralInstallsAreFound()
{
#ifdef _WIN32
    QSKIP("The installs of this test are in a Unix home's folders, which the program searches only on Linux and macOS");
#endif
    const Settings::TemporaryStore store;
    frmGameInstallation::Seam::TestScope dialogs;
    test::TemporaryFolder dir;
    test::ScopedEnvironment environment;
    environment.set("HOME", pathToUtf8(dir.path()));
    environment.set("WINEPREFIX", std::nullopt);
    environment.set("VARNICK_DOCUMENTS_DIR", std::nullopt);
    environment.set("VARNICK_SIMS2_INSTALL_DIR", std::nullopt);
    makeData(dir.path() / "Library" / "Application Support" / "Aspyr" / "The Sims 2");

    askForGameInstallationIfSeveral(nullptr);
    QCOMPARE(dialogs.requests().size(), 0); // one install: nothing to ask

    makeData(dir.path() / "Library" / "Containers" / "com.aspyr.sims2.appstore" / "Data" / "Library"
        / "Application Support" / "Aspyr" / "The Sims 2");
    askForGameInstallationIfSeveral(nullptr);
    QCOMPARE(dialogs.requests().size(), 1);
    QVERIFY(dialogs.requests().last().firstStart);

    Settings::setValue(SettingKey::GameDataFolder, text::fromPath(dir.path()));
    askForGameInstallationIfSeveral(nullptr);
    QCOMPARE(dialogs.requests().size(), 1); // chosen before: not asked again
}

void GameInstallationWindowTest::fatalErrorOffersToChooseTheDataFolder()
{
    const Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    frmSelectPath::Seam::TestScope folders;
    test::TrapRecorder trap;
    test::TemporaryFolder dir;
    const SavedPaths saved;
    const fs::path data = makeData(dir.path() / "My Sims 2");
    fs::create_directories(dir.path() / "Varnick");

    // The checks find the game only where the player pointed.
    StartupChecks::Seams seams;
    int searches = 0;
    seams.findGamePaths = [&] {
        ++searches;
        const QString chosen = Settings::value(SettingKey::GameDataFolder);
        gstrDocumentsPath = pathToUtf8(dir.path());
        gstrSims2InstallPath = chosen.isEmpty() ? "ERROR" : "";
        gstrSims2DataPath = chosen.isEmpty() ? "ERROR" : text::toUtf8(chosen);
    };
    seams.libraryVersion = [] { return 1.31; };
    seams.programFolder = [&] { return dir.path() / "Varnick"; };
    seams.scratchParent = [&] { return dir.path() / "Varnick"; };

    {
        boxes.answerNext(QMessageBox::Close);
        frmTitle title(seams);
        QVERIFY(!title.Form_Load());
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Fatal Error"));
        QCOMPARE(boxes.last().text, QStringLiteral("Can not find the path to the Sims 2!"));
        QCOMPARE(boxes.last().buttons, MessageBox::Buttons(QMessageBox::Open | QMessageBox::Close));
    }
    // Choose, cancel the folder dialog (the box comes back), choose again and pick the folder.
    boxes.answerNext(QMessageBox::Open);
    boxes.answerNext(QMessageBox::Open);
    folders.answerNext(QString());
    folders.answerNext(text::fromPath(data));
    frmTitle title(seams);
    QVERIFY(title.Form_Load());
    QCOMPARE(boxes.shown().size(), 3);
    QCOMPARE(searches, 4);
    QCOMPARE(pathFromUtf8(gstrSims2DataPath), data);
    QCOMPARE(text::toPath(Settings::value(SettingKey::GameDataFolder)), data);
    QVERIFY(trap.empty());
}

void GameInstallationWindowTest::clearGameCachesMovesThemAndListsThem()
{
    const Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    test::TrapRecorder trap;
    test::TemporaryFolder dir;
    test::ScopedEnvironment environment;
    environment.set("VARNICK_USER_DATA_DIR", pathToUtf8(dir.path() / "user data"));
    const SavedPaths saved;
    const RunningGameForTesting none(std::nullopt);
    const fs::path data = makeData(dir.path() / "The Sims 2");
    test::writeText(data / "Accessory.cache", "accessories");
    test::writeText(data / "Thumbnails" / "CANHObjectsThumbnails.package", "canh");
    gstrSims2DataPath = pathToUtf8(data);

    boxes.answerNext(QMessageBox::No);
    QVERIFY(!clearGameCachesAction(nullptr));
    QVERIFY(boxes.last().text.contains(QStringLiteral("CANHObjectsThumbnails.package")));
    QVERIFY(fs::exists(data / "Accessory.cache"));

    boxes.answerNext(QMessageBox::Yes);
    QVERIFY(clearGameCachesAction(nullptr));
    QCOMPARE(boxes.last().title, QStringLiteral("OPERATION SUCCESSFUL"));
    QVERIFY(boxes.last().text.contains(QStringLiteral("Accessory.cache")));
    QVERIFY(!fs::exists(data / "Accessory.cache"));
    QVERIFY(!fs::exists(data / "Thumbnails" / "CANHObjectsThumbnails.package"));
    QVERIFY(fs::exists(dir.path() / "user data" / "Backups"));

    QVERIFY(!clearGameCachesAction(nullptr));
    QVERIFY(boxes.last().text.startsWith(QStringLiteral("There are no game caches to clear")));
    QVERIFY(trap.empty());
}

void GameInstallationWindowTest::menuItemsOpenTheirWindows()
{
    frmGameInstallation::Seam::TestScope dialogs;
    MessageBox::TestScope boxes;
    const RunningGameForTesting game(QStringLiteral("Sims2EP9.exe"));
    QWidget owner;
    QMenu file;
    QMenu tools;
    addGameInstallationMenuItem(&file, &owner);
    addClearGameCachesMenuItem(&tools, &owner);
    auto* installation = file.findChild<QAction*>(QStringLiteral("smenuGameInstallation"));
    auto* caches = tools.findChild<QAction*>(QStringLiteral("smenuClearCaches"));
    QVERIFY(installation != nullptr && caches != nullptr);
    installation->trigger();
    QCOMPARE(dialogs.requests().size(), 1);
    QVERIFY(!dialogs.requests().last().firstStart);
    caches->trigger();
    QCOMPARE(boxes.last().text, kRunning);
}

QTEST_MAIN(GameInstallationWindowTest)
#include "GameInstallationWindowTest.moc"
