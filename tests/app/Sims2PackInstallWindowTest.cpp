// The Sims2Pack install window on the demo world's two Sims2Pack files (one
// stored, one compressed, one item of each sharing its GUID with an installed
// object) and on every kind of broken file.
#include "app/WindowWiring.h"
#include "app/browser/frmMain.h"
#include "app/browser/frmSelectPath.h"
#include "app/health/core/HealthReport.h"
#include "app/options/Languages.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/sims2pack/Sims2PackInstallDialog.h"
#include "app/startup/GamePaths.h"
#include "app/startup/GameRunningGuard.h"
#include "package/Sims2Pack.h"
#include "tests/common/BadSims2Packs.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/demo/DemoWorld.h"

#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/frmLibraryHealth.h"
#endif

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include <map>
#include <memory>

using namespace varnick;
namespace fs = std::filesystem;

namespace {

enum Column { ObjectColumn, TypeColumn, SizeColumn, TargetColumn, WarningColumn };

// Every file below folder with its bytes: what "nothing was written" compares.
std::map<fs::path, ByteString> snapshot(const fs::path& folder)
{
    std::map<fs::path, ByteString> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path()] = test::readFileBytes(entry.path());
    return files;
}

// A demo world of the fewest packages, with the program's paths and per-user data pointed into it.
struct DemoFixture {
    DemoFixture()
    {
        qputenv("VARNICK_USER_DATA_DIR", text::fromPath(dir.path() / "user").toUtf8());
        demo::DemoOptions options;
        options.output = dir.path() / "world";
        options.packages = demo::kMinimumPackages;
        world = demo::generateDemoWorld(options);
        gstrSims2DataPath = pathToUtf8(world.dataFolder);
        downloads = world.dataFolder / "Downloads";
        for (const demo::GeneratedSims2Pack& pack : world.sims2Packs)
            files.append(text::fromPath(downloads / pack.file));
    }
    ~DemoFixture() { qunsetenv("VARNICK_USER_DATA_DIR"); }

    /// Writes bytes to the file at path (below the fixture's folder).
    fs::path write(const fs::path& path, ByteView bytes) const
    {
        return dir.write(fs::relative(path, dir.path()), bytes);
    }
    /// Everything of the world, the per-user data left out.
    std::map<fs::path, ByteString> worldFiles() const { return snapshot(dir.path() / "world"); }
    /// The folder the objects of pack go to by default.
    fs::path folderOf(const demo::GeneratedSims2Pack& pack) const { return downloads / pack.file.stem(); }

    test::TemporaryFolder dir;
    demo::DemoWorld world;
    fs::path downloads;
    QStringList files;
};

// Reading a file whose item expands to 256 MiB takes a while on a busy machine.
constexpr int kWorkTimeoutMs = 180000;

// The window on files, read and planned; null when the reading did not end.
std::unique_ptr<Sims2PackInstallDialog> openWindow(const QStringList& files, const fs::path& downloads)
{
    auto window = std::make_unique<Sims2PackInstallDialog>(
        Sims2PackInstallDialog::Request { files, downloads.empty() ? QString() : text::fromPath(downloads) });
    QSignalSpy planned(window.get(), &Sims2PackInstallDialog::planned);
    window->startReading();
    if (!planned.wait(kWorkTimeoutMs))
        window.reset();
    return window;
}

QTreeWidget* listOf(Sims2PackInstallDialog& window)
{
    return window.findChild<QTreeWidget*>(QStringLiteral("tvItems"));
}

QPushButton* button(QWidget& window, const char* name)
{
    return window.findChild<QPushButton*>(QLatin1String(name));
}

// Clicks Install and waits for the install to end; false when none started.
bool clickInstall(Sims2PackInstallDialog& window)
{
    QSignalSpy installed(&window, &Sims2PackInstallDialog::installed);
    QTest::mouseClick(button(window, "cmdInstall"), Qt::LeftButton);
    if (!window.busy())
        return false;
    return installed.wait(kWorkTimeoutMs);
}

QString native(const fs::path& path)
{
    return QDir::toNativeSeparators(text::fromPath(path));
}

} // namespace

class Sims2PackInstallWindowTest : public QObject {
    Q_OBJECT
private slots:
    void listsEveryItemWithItsNameTargetAndClashWarning();
    void countsTakeTheLanguagesPluralForms_data();
    void countsTakeTheLanguagesPluralForms();
    void installWritesThePlannedFilesAndASecondInstallFindsThemInstalled();
    void brokenFileShowsItsReasonAndNothingIsWritten_data();
    void brokenFileShowsItsReasonAndNothingIsWritten();
    void brokenFileIsRefusedWhileTheOthersInstall();
    void takenNameIsOfferedForRenaming();
    void withoutDownloadsAFolderIsChosen();
    void installIsRefusedWhileTheGameRuns();
    void fileMenuAndDropOpenTheWindow();
    void libraryHealthOffersToInstallItsSims2PackFiles();
    void messagesNameTheFileAndFoldersMeetInTheirCommonParent();
};

void Sims2PackInstallWindowTest::listsEveryItemWithItsNameTargetAndClashWarning()
{
    DemoFixture demo;
    const auto window = openWindow(demo.files, demo.downloads);
    QVERIFY(window);
    QTreeWidget* list = listOf(*window);
    QCOMPARE(list->topLevelItemCount(), 2);
    for (int f = 0; f < 2; ++f) {
        const demo::GeneratedSims2Pack& pack = demo.world.sims2Packs[static_cast<std::size_t>(f)];
        QTreeWidgetItem* top = list->topLevelItem(f);
        // The file's line: its name, then where its objects go.
        QCOMPARE(top->text(ObjectColumn),
            text::fromPath(pack.file.filename()) + QStringLiteral(": 2 items into ")
                + native(fs::path("Downloads") / pack.file.stem()));
        QCOMPARE(top->childCount(), static_cast<int>(pack.items.size()));
        for (int i = 0; i < top->childCount(); ++i) {
            const demo::Sims2PackItemInfo& info = pack.items[static_cast<std::size_t>(i)];
            QTreeWidgetItem* row = top->child(i);
            QCOMPARE(row->text(ObjectColumn), text::fromUtf8(info.catalogName));
            QVERIFY(!row->icon(ObjectColumn).isNull());
            QCOMPARE(row->text(TypeColumn), QStringLiteral("Object"));
            QVERIFY(!row->text(SizeColumn).isEmpty());
            QCOMPARE(row->text(TargetColumn), text::fromUtf8(info.name));
            QCOMPARE(row->toolTip(TargetColumn), native(demo.folderOf(pack) / pathFromUtf8(info.name)));
            // The clash names the GUID and a package defining it (the world may hold
            // a copy of that package too); the tool tip lists them all in full.
            const QString clash
                = QStringLiteral("GUID %1 is already defined by ").arg(text::fromUtf8(health::guidText(info.guid)));
            if (info.clashesWith.empty()) {
                QVERIFY2(row->text(WarningColumn).isEmpty(), qPrintable(row->text(WarningColumn)));
            } else {
                QVERIFY2(row->text(WarningColumn).startsWith(clash), qPrintable(row->text(WarningColumn)));
                QVERIFY(!row->text(WarningColumn).contains(QLatin1Char('\n')));
                QVERIFY2(row->toolTip(WarningColumn).contains(native(demo.downloads / info.clashesWith)),
                    qPrintable(row->toolTip(WarningColumn)));
            }
        }
    }
    // Nothing is overwritten by an install: once there is something to install, Return installs.
    QVERIFY(window->canInstall());
    QVERIFY(button(*window, "cmdInstall")->isDefault());
    QVERIFY(!button(*window, "cmdCancel")->isDefault());
    QVERIFY(!window->findChild<QCheckBox*>(QStringLiteral("chkRename"))->isVisibleTo(window.get()));
}

void Sims2PackInstallWindowTest::countsTakeTheLanguagesPluralForms_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("readingOne");
    QTest::addColumn<QString>("readingTwo");
    QTest::addColumn<QString>("items");
    QTest::addColumn<QString>("summaryOfOne");
    QTest::addColumn<QString>("summaryOfTwo");
    QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("Reading 1 Sims2Pack file...")
                        << QStringLiteral("Reading 2 Sims2Pack files...") << QStringLiteral(": 2 items into ")
                        << QStringLiteral("2 objects to install, 1 GUID clash")
                        << QStringLiteral("4 objects to install, 2 GUID clashes");
    QTest::newRow("de") << QStringLiteral("de") << QStringLiteral("1 Sims2Pack-Datei wird gelesen...")
                        << QStringLiteral("2 Sims2Pack-Dateien werden gelesen...")
                        << QStringLiteral(": 2 Elemente nach ")
                        << QStringLiteral("2 Objekte zu installieren, 1 GUID-Konflikt")
                        << QStringLiteral("4 Objekte zu installieren, 2 GUID-Konflikte");
    QTest::newRow("es") << QStringLiteral("es") << QStringLiteral("Leyendo 1 archivo Sims2Pack...")
                        << QStringLiteral("Leyendo 2 archivos Sims2Pack...") << QStringLiteral(": 2 elementos en ")
                        << QStringLiteral("2 objetos para instalar, 1 conflicto de GUID")
                        << QStringLiteral("4 objetos para instalar, 2 conflictos de GUID");
}

void Sims2PackInstallWindowTest::countsTakeTheLanguagesPluralForms()
{
    QFETCH(QString, language);
    QFETCH(QString, readingOne);
    QFETCH(QString, readingTwo);
    QFETCH(QString, items);
    QFETCH(QString, summaryOfOne);
    QFETCH(QString, summaryOfTwo);
    DemoFixture demo;
    struct English {
        ~English() { languages::installLanguageForTesting(*qApp, QStringLiteral("en")); }
    } restore;
    QCOMPARE(languages::installLanguageForTesting(*qApp, language), language);
#ifndef VARNICK_HAVE_LIBRARY_INDEX
    // Without the library's index no clash is counted.
    summaryOfOne = summaryOfOne.section(QStringLiteral(", "), 0, 0);
    summaryOfTwo = summaryOfTwo.section(QStringLiteral(", "), 0, 0);
#endif
    const auto readingOf = [&](const QStringList& files) {
        Sims2PackInstallDialog window({ files, text::fromPath(demo.downloads) });
        window.startReading();
        const QString reading = window.findChild<QLabel*>(QStringLiteral("lblStatus"))->text();
        QSignalSpy planned(&window, &Sims2PackInstallDialog::planned);
        return planned.wait(kWorkTimeoutMs) ? reading : QString();
    };
    QCOMPARE(readingOf(demo.files.mid(0, 1)), readingOne);
    QCOMPARE(readingOf(demo.files), readingTwo);

    const auto one = openWindow(demo.files.mid(0, 1), demo.downloads);
    QVERIFY(one);
    QVERIFY2(listOf(*one)->topLevelItem(0)->text(ObjectColumn).contains(items),
        qPrintable(listOf(*one)->topLevelItem(0)->text(ObjectColumn)));
    const QString statusOfOne = one->findChild<QLabel*>(QStringLiteral("lblStatus"))->text();
    QVERIFY2(statusOfOne.startsWith(summaryOfOne), qPrintable(statusOfOne));
    const auto two = openWindow(demo.files, demo.downloads);
    QVERIFY(two);
    const QString statusOfTwo = two->findChild<QLabel*>(QStringLiteral("lblStatus"))->text();
    QVERIFY2(statusOfTwo.startsWith(summaryOfTwo), qPrintable(statusOfTwo));
}

void Sims2PackInstallWindowTest::installWritesThePlannedFilesAndASecondInstallFindsThemInstalled()
{
    DemoFixture demo;
    MessageBox::TestScope boxes;
    Sims2PackInstallDialog::OpenFolderSeam::TestScope folders;
    const auto before = demo.worldFiles();
    {
        const auto window = openWindow(demo.files, demo.downloads);
        QVERIFY(window);
        boxes.answerNext(QMessageBox::Open);
        folders.answerNext(true);
        QVERIFY(clickInstall(*window));
        QCOMPARE(window->outcome().installed, 4);
        QCOMPARE(window->result(), static_cast<int>(QDialog::Accepted));
    }
    QCOMPARE(boxes.last().title, QStringLiteral("Install Sims2Pack"));
    QVERIFY2(boxes.last().text.startsWith(QStringLiteral("Installed 4 objects:")), qPrintable(boxes.last().text));
    QVERIFY(boxes.last().buttons.testFlag(QMessageBox::Open));
    // "Show in Folder" opens the folder that holds both installs.
    QCOMPARE(folders.requests().size(), 1);
    QCOMPARE(QDir::fromNativeSeparators(folders.requests().front()),
        QDir::fromNativeSeparators(text::fromPath(demo.downloads)));

    // Exactly the items, expanded, each in the folder of its Sims2Pack; nothing else changed.
    auto expected = before;
    for (const demo::GeneratedSims2Pack& pack : demo.world.sims2Packs) {
        const Sims2PackFile file = Sims2PackFile::read(demo.downloads / pack.file);
        for (std::size_t i = 0; i < file.items().size(); ++i) {
            ByteString scratch;
            expected[demo.folderOf(pack) / pathFromUtf8(file.items()[i].name)] = ByteString(file.itemBytes(i, scratch));
        }
    }
    QVERIFY(demo.worldFiles() == expected);

    // Again: every object is found installed, and nothing is written.
    {
        const auto window = openWindow(demo.files, demo.downloads);
        QVERIFY(window);
        QCOMPARE(listOf(*window)->topLevelItem(0)->child(0)->text(TargetColumn), QStringLiteral("Already installed"));
        QVERIFY(clickInstall(*window));
        QCOMPARE(window->outcome().installed, 0);
        QCOMPARE(window->outcome().skipped, 4);
    }
    QCOMPARE(boxes.last().text, QStringLiteral("Nothing new was installed.\n\n4 objects already installed: skipped."));
    QVERIFY(demo.worldFiles() == expected);
}

void Sims2PackInstallWindowTest::brokenFileShowsItsReasonAndNothingIsWritten_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    for (const test::BadSims2Pack& bad : test::badSims2Packs())
        QTest::newRow(bad.fault.c_str()) << text::toByteArray(bad.bytes) << text::fromUtf8(bad.expected);
}

void Sims2PackInstallWindowTest::brokenFileShowsItsReasonAndNothingIsWritten()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    test::TemporaryFolder dir;
    qputenv("VARNICK_USER_DATA_DIR", text::fromPath(dir.path() / "user").toUtf8());
    const fs::path downloads = dir.path() / "Downloads";
    const fs::path file = dir.write("Downloads/New Downloads/broken.sims2pack", text::fromByteArray(bytes));
    const auto before = snapshot(downloads);

    const auto window = openWindow({ text::fromPath(file) }, downloads);
    QVERIFY(window);
    QTreeWidgetItem* top = listOf(*window)->topLevelItem(0);
    // Refused when read or when planned: the file's line says why.
    const QString reason = top->text(ObjectColumn);
    QVERIFY2(reason.startsWith(QStringLiteral("broken.sims2pack: ")), qPrintable(reason));
    QVERIFY2(reason.contains(expected.simplified()), qPrintable(reason));
    QVERIFY(!reason.contains(QLatin1Char('\n')));
    QVERIFY(!window->canInstall());
    QVERIFY(!button(*window, "cmdInstall")->isEnabled());
    QVERIFY(button(*window, "cmdCancel")->isDefault());
    QVERIFY(!clickInstall(*window));
    QVERIFY(snapshot(downloads) == before);
    qunsetenv("VARNICK_USER_DATA_DIR");
}

void Sims2PackInstallWindowTest::brokenFileIsRefusedWhileTheOthersInstall()
{
    DemoFixture demo;
    MessageBox::TestScope boxes;
    const fs::path broken
        = demo.write(demo.downloads / "New Downloads" / "cut.sims2pack", test::oneItem("chair.package").substr(0, 30));
    const auto window = openWindow(demo.files + QStringList { text::fromPath(broken) }, demo.downloads);
    QVERIFY(window);
    QVERIFY(clickInstall(*window));
    QCOMPARE(window->outcome().installed, 4);
    QCOMPARE(window->outcome().refused.size(), 1);
    QVERIFY(window->outcome().refused.front().startsWith(QStringLiteral("cut.sims2pack: ")));
    QCOMPARE(boxes.last().icon, QMessageBox::Warning);
    QVERIFY(boxes.last().text.contains(QStringLiteral("Refused, nothing of them written:\ncut.sims2pack: ")));
    QVERIFY(!fs::exists(demo.downloads / "cut"));
}

void Sims2PackInstallWindowTest::takenNameIsOfferedForRenaming()
{
    DemoFixture demo;
    MessageBox::TestScope boxes;
    const demo::GeneratedSims2Pack& pack = demo.world.sims2Packs.front();
    const fs::path taken = demo.folderOf(pack) / pathFromUtf8(pack.items.front().name);
    demo.write(taken, "a different object of the same name");
    const auto window = openWindow({ demo.files.front() }, demo.downloads);
    QVERIFY(window);
    QTreeWidgetItem* top = listOf(*window)->topLevelItem(0);
    QVERIFY2(top->text(ObjectColumn).contains(QStringLiteral("is taken")), qPrintable(top->text(ObjectColumn)));
    QCOMPARE(top->child(0)->text(WarningColumn), QStringLiteral("Its name is taken by a different file"));
    auto* rename = window->findChild<QCheckBox*>(QStringLiteral("chkRename"));
    QVERIFY(rename->isVisibleTo(window.get()));

    // Cancel: the question is all that happens.
    boxes.answerNext(QMessageBox::Cancel);
    QVERIFY(!clickInstall(*window));
    QCOMPARE(boxes.last().title, QStringLiteral("Names Taken"));
    QVERIFY(boxes.last().text.startsWith(text::fromPath(pack.file.filename()) + QStringLiteral(": ")));
    QCOMPARE(snapshot(demo.folderOf(pack)).size(), std::size_t { 1 });

    // The box ticked: planned again under numbered names, then installed beside the other file.
    QSignalSpy planned(window.get(), &Sims2PackInstallDialog::planned);
    rename->setChecked(true);
    QVERIFY(planned.wait(kWorkTimeoutMs));
    const fs::path numbered = taken.parent_path() / pathFromUtf8(sims2pack::numberedName(pack.items.front().name, 2));
    QCOMPARE(listOf(*window)->topLevelItem(0)->child(0)->text(TargetColumn), text::fromPath(numbered.filename()));
    QVERIFY(listOf(*window)->topLevelItem(0)->child(0)->text(WarningColumn).contains(QStringLiteral("is taken")));
    QVERIFY(clickInstall(*window));
    QCOMPARE(window->outcome().installed, 2);
    QCOMPARE(test::readFileBytes(taken), ByteString("a different object of the same name"));
    QVERIFY(fs::exists(numbered));
}

void Sims2PackInstallWindowTest::withoutDownloadsAFolderIsChosen()
{
    DemoFixture demo;
    MessageBox::TestScope boxes;
    frmSelectPath::Seam::TestScope chooser;
    const auto window = openWindow(demo.files, {});
    QVERIFY(window);
    QTreeWidgetItem* top = listOf(*window)->topLevelItem(0);
    QVERIFY2(top->text(ObjectColumn).contains(QStringLiteral("choose a folder to install into")),
        qPrintable(top->text(ObjectColumn)));
    QVERIFY(!window->canInstall());

    const fs::path chosen = demo.dir.path() / "chosen";
    chooser.answerNext(text::fromPath(chosen));
    QSignalSpy planned(window.get(), &Sims2PackInstallDialog::planned);
    QTest::mouseClick(button(*window, "cmdFolder"), Qt::LeftButton);
    QVERIFY(planned.wait(kWorkTimeoutMs));
    QVERIFY(window->canInstall());
    QVERIFY(clickInstall(*window));
    QCOMPARE(window->outcome().installed, 4);
    // Every Sims2Pack's objects go into the one chosen folder.
    QCOMPARE(snapshot(chosen).size(), std::size_t { 4 });
}

void Sims2PackInstallWindowTest::installIsRefusedWhileTheGameRuns()
{
    DemoFixture demo;
    MessageBox::TestScope boxes;
    RunningGameForTesting game(QStringLiteral("Sims2EP9.exe"));
    const auto window = openWindow(demo.files, demo.downloads);
    QVERIFY(window);
    QVERIFY(!clickInstall(*window));
    QCOMPARE(boxes.last().title, QStringLiteral("The Sims 2 Is Running"));
    for (const demo::GeneratedSims2Pack& pack : demo.world.sims2Packs)
        QVERIFY(!fs::exists(demo.folderOf(pack)));
}

void Sims2PackInstallWindowTest::fileMenuAndDropOpenTheWindow()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    Sims2PackInstallDialog::Seam::TestScope installs;
    Sims2PackInstallDialog::FilesSeam::TestScope chooser;
    test::TemporaryFolder dir;
    gstrSims2DataPath = pathToUtf8(dir.path() / "The Sims 2");
    frmMain window;
    connectMainWindow(window);

    // File, "Install Sims2Pack...": a cancelled file dialog opens nothing.
    QAction* menu = window.findChild<QAction*>(QStringLiteral("smenuInstallSims2Pack"));
    QVERIFY(menu != nullptr);
    menu->trigger();
    QCOMPARE(chooser.requests(), QList<QString> { text::fromPath(dir.path() / "The Sims 2" / "Downloads") });
    QVERIFY(installs.requests().isEmpty());
    const QStringList chosen { QStringLiteral("/downloads/a.sims2pack"), QStringLiteral("/downloads/b.Sims2Pack") };
    chooser.answerNext(chosen);
    menu->trigger();
    QCOMPARE(installs.requests(), QList<QStringList> { chosen });

    // A drop of several files offers the Sims2Pack files among them, in one window.
    const QString sofa = text::fromPath(dir.path() / "sofa.package");
    const QString pack = text::fromPath(dir.path() / "Living Room.SIMS2PACK");
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(sofa), QUrl::fromLocalFile(pack) });
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QCOMPARE(installs.requests().size(), 2);
    QCOMPARE(installs.requests().back().size(), 1);
    QCOMPARE(QDir::fromNativeSeparators(installs.requests().back().front()), QDir::fromNativeSeparators(pack));

    // Packages alone are not taken.
    QMimeData packages;
    packages.setUrls({ QUrl::fromLocalFile(sofa) });
    QDragEnterEvent refused(at, Qt::CopyAction, &packages, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(&window, &refused);
    QVERIFY(!refused.isAccepted());
}

void Sims2PackInstallWindowTest::libraryHealthOffersToInstallItsSims2PackFiles()
{
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    DemoFixture demo;
    Sims2PackInstallDialog::Seam::TestScope installs;
    frmLibraryHealth review(text::fromPath(demo.downloads));
    QSignalSpy finished(&review, &frmLibraryHealth::scanFinished);
    review.startScan();
    QVERIFY(finished.wait(kWorkTimeoutMs));
    QCOMPARE(review.report().sims2Packs.size(), std::size_t { 2 });
    auto* list = review.findChild<QTreeWidget*>(QStringLiteral("tvProblems"));
    QPushButton* install = button(review, "cmdInstall");
    QVERIFY(!install->isEnabled());
    QStringList rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        if (item->text(1) != QStringLiteral("Sims2Pack file"))
            continue;
        QCOMPARE(item->text(2), QStringLiteral("The game does not read Sims2Pack files; install them."));
        item->setSelected(true);
        rows.append(item->toolTip(0));
    }
    QCOMPARE(rows.size(), 2);
    QVERIFY(install->isEnabled());
    QVERIFY(!button(review, "cmdEdit")->isEnabled());
    QTest::mouseClick(install, Qt::LeftButton);
    QCOMPARE(installs.requests().size(), 1);
    QStringList asked = installs.requests().front();
    asked.sort();
    rows.sort();
    QCOMPARE(asked, rows);
#else
    QSKIP("this build has no library index");
#endif
}

void Sims2PackInstallWindowTest::messagesNameTheFileAndFoldersMeetInTheirCommonParent()
{
    const QString path = QStringLiteral("/home/sim/Downloads/New/Garden Set.sims2pack");
    const struct {
        std::string Message;
        QString Shown;
    } lines[] = {
        { "/home/sim/Downloads/New/Garden Set.sims2pack: item 0 (\"a.package\"): the name is empty",
            QStringLiteral("Garden Set.sims2pack: item 0 (\"a.package\"): the name is empty") },
        { "cannot be opened:\n  no such file", QStringLiteral("Garden Set.sims2pack: cannot be opened: no such file") },
        { "bad byte \xFF here", QStringLiteral("Garden Set.sims2pack: bad byte \uFFFD here") },
    };
    for (const auto& line : lines)
        QCOMPARE(Sims2PackInstallWork::line(path, line.Message), line.Shown);

    const struct {
        QStringList Folders;
        QString Common;
    } folders[] = {
        { {}, QString() },
        { { QStringLiteral("/d/Downloads/Garden Set") }, QStringLiteral("/d/Downloads/Garden Set") },
        { { QStringLiteral("/d/Downloads/Garden Set"), QStringLiteral("/d/Downloads/Kitchen") },
            QStringLiteral("/d/Downloads") },
        // Whole names only: "Garden" is no parent of "Garden Set".
        { { QStringLiteral("/d/Downloads/Garden Set"), QStringLiteral("/d/Downloads/Garden") },
            QStringLiteral("/d/Downloads") },
    };
    // Compared as paths: Windows writes its own separators.
    for (const auto& row : folders)
        QVERIFY2(text::toPath(Sims2PackInstallWork::commonFolder(row.Folders)) == text::toPath(row.Common),
            qPrintable(Sims2PackInstallWork::commonFolder(row.Folders)));
}

QTEST_MAIN(Sims2PackInstallWindowTest)
#include "Sims2PackInstallWindowTest.moc"
