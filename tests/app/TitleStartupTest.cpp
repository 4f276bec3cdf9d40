#include "app/platform/qt/MessageBox.h"
#include "app/startup/GamePaths.h"
#include "app/startup/StartupChecks.h"
#include "app/startup/ThumbnailCache.h"
#include "app/startup/Version.h"
#include "app/startup/frmTitle.h"
#include "package/base/ErrorTrap.h"
#include "package/base/KelvoraBinding.h"
#include "package/base/Paths.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/common/TrapRecorder.h"
#include "tools/common/PackageBuilder.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

namespace fs = std::filesystem;
using namespace varnick;

namespace {

// A machine as the checks see it: a documents folder with the game's data
// folder, a program folder beside it, and a place for the temp folder.
struct FakeMachine {
    test::TemporaryFolder root;
    std::string documents = pathToUtf8(root.path() / "Documents");
    std::string install = pathToUtf8(root.path() / "Game");
    std::string data = pathToUtf8(root.path() / "Documents" / "EA Games" / "The Sims 2");
    fs::path program = root.path() / "Varnick";
    fs::path scratch = root.path() / "Varnick";
    double version = 1.31;
    bool libraryMissing = false;
    int pathSearches = 0;

    FakeMachine()
    {
        fs::create_directories(pathFromUtf8(data) / "Thumbnails");
        fs::create_directories(program);
    }

    StartupChecks::Seams seams()
    {
        StartupChecks::Seams seams;
        seams.findGamePaths = [this] {
            ++pathSearches;
            gstrDocumentsPath = documents;
            gstrSims2InstallPath = install;
            gstrSims2DataPath = data;
        };
        seams.libraryVersion = [this] {
            if (libraryMissing)
                throw Failure(
                    ErrorCode::LibraryMissing, "Can not load the library " + pathToUtf8(program / "libkelvora.so"));
            return version;
        };
        seams.programFolder = [this] { return program; };
        seams.scratchParent = [this] { return scratch; };
        return seams;
    }

    StartupChecks::Result run() { return StartupChecks(seams()).run(); }
    fs::path cacheFile() const { return pathFromUtf8(data) / "Thumbnails" / "ObjectThumbnails.package"; }
};

QString fatal(const StartupChecks::Result& result)
{
    return result.outcome == StartupChecks::Outcome::Fatal ? QString::fromStdString(result.message)
                                                           : QStringLiteral("<no fatal message>");
}

} // namespace

class TitleStartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gudtObjectThumbnails().clear(); }

    void titleTextPadsMinorAndRevision();
    void everyCheckPassesOnAGoodMachine();
    void checksRunInOrderAndOnlyTheFirstFailureIsReported();
    void programInsideTheDataFolderIsRefused();
    void programBesideTheDataFolderWithALongerNameIsAccepted();
    void libraryVersionCheck();
    void missingLibraryNamesTheFile();
    void theBuiltLibraryPasses();
    void existingTempFolderIsKeptAndMissingOneCreated();
    void tempFolderThatCannotBeCreatedIsFatal();
    void missingThumbnailCacheIsEmptyAndDamagedOneIsTrapped();
    void failureInThePathSearchStopsTheChecks();
    void titleWindowShowsTheFatalBoxAndNothingElse();
    void titleWindowUnloadsOnceHoweverItCloses();
};

void TitleStartupTest::titleTextPadsMinorAndRevision()
{
    QCOMPARE(QString::fromStdString(titleText(1, 3, 5)), QStringLiteral("Varnick - Version 1.03.05"));
    QCOMPARE(QString::fromStdString(titleText(2, 10, 123)), QStringLiteral("Varnick - Version 2.10.123"));
    QCOMPARE(QString::fromStdString(titleText()), QStringLiteral("Varnick - Version 1.00.01"));
}

void TitleStartupTest::everyCheckPassesOnAGoodMachine()
{
    test::TrapRecorder trap;
    FakeMachine machine;
    const auto result = machine.run();
    QCOMPARE(int(result.outcome), int(StartupChecks::Outcome::Passed));
    QVERIFY(fs::is_directory(machine.scratch / "temp"));
    QCOMPARE(machine.pathSearches, 1);
    QVERIFY(trap.empty());
}

void TitleStartupTest::checksRunInOrderAndOnlyTheFirstFailureIsReported()
{
    test::TrapRecorder trap;
    {
        FakeMachine machine;
        machine.documents = machine.install = machine.data = "ERROR";
        machine.version = 1.0;
        QCOMPARE(fatal(machine.run()), QStringLiteral("Can not find the documents folder!"));
        // Nothing is written before the checks pass.
        QVERIFY(!fs::exists(machine.scratch / "temp"));
    }
    {
        FakeMachine machine;
        machine.install = machine.data = "ERROR";
        QCOMPARE(fatal(machine.run()), QStringLiteral("Can not find the path to the Sims 2!"));
    }
    {
        FakeMachine machine;
        machine.data = "ERROR";
        machine.version = 1.0;
        QCOMPARE(fatal(machine.run()), QStringLiteral("Can not find Sims 2 data path!"));
    }
    {
        // An install path of "" (a registry value naming a deleted folder) is not the marker.
        FakeMachine machine;
        machine.install = "";
        QCOMPARE(int(machine.run().outcome), int(StartupChecks::Outcome::Passed));
    }
    {
        FakeMachine machine;
        machine.program = pathFromUtf8(machine.data) / "Varnick";
        machine.version = 1.0;
        QCOMPARE(fatal(machine.run()), QStringLiteral("Program can not be run from the sims data folder!"));
    }
    QVERIFY(trap.empty());
}

void TitleStartupTest::programInsideTheDataFolderIsRefused()
{
    test::TemporaryFolder temp;
    const fs::path data = temp.path() / "EA Games" / "The Sims 2";
    fs::create_directories(data / "Downloads" / "Tools");
    QVERIFY(StartupChecks::isInsideFolder(data, data));
    QVERIFY(StartupChecks::isInsideFolder(data / "Downloads" / "Tools", data));
    QVERIFY(StartupChecks::isInsideFolder(data / "Downloads" / ".." / "Downloads", data));
    QVERIFY(StartupChecks::isInsideFolder(data / "Downloads", pathToUtf8(data) + "/"));
#ifdef _WIN32
    QVERIFY(StartupChecks::isInsideFolder(data / "Downloads", temp.path() / "ea games" / "THE SIMS 2"));
#else
    // A link that leads into the data folder is followed.
    std::error_code error;
    fs::create_directory_symlink(data / "Downloads", temp.path() / "shortcut", error);
    if (!error)
        QVERIFY(StartupChecks::isInsideFolder(temp.path() / "shortcut", data));
#endif
}

void TitleStartupTest::programBesideTheDataFolderWithALongerNameIsAccepted()
{
    test::TrapRecorder trap;
    FakeMachine machine;
    machine.program = pathFromUtf8(machine.data + " Tools");
    fs::create_directories(machine.program);
    QCOMPARE(int(machine.run().outcome), int(StartupChecks::Outcome::Passed));
    QVERIFY(!StartupChecks::isInsideFolder(machine.program, pathFromUtf8(machine.data)));
    QVERIFY(!StartupChecks::isInsideFolder(pathFromUtf8(machine.data).parent_path(), pathFromUtf8(machine.data)));
}

void TitleStartupTest::libraryVersionCheck()
{
    test::TrapRecorder trap;
    FakeMachine machine;
    machine.version = 1.3;
    QCOMPARE(fatal(machine.run()),
        QStringLiteral("Kelvora DLL version obsolete!\r\n\r\nDLL version found: 1.3\r\n"
                       "DLL version required: 1.31"));
    QVERIFY(!fs::exists(machine.scratch / "temp"));
    machine.version = 1.31;
    QCOMPARE(int(machine.run().outcome), int(StartupChecks::Outcome::Passed));
    machine.version = 2.0;
    QCOMPARE(int(machine.run().outcome), int(StartupChecks::Outcome::Passed));
    machine.version = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(fatal(machine.run()).startsWith(QStringLiteral("Kelvora DLL version obsolete!")));
    QCOMPARE(QString::fromStdString(StartupChecks::obsoleteLibraryMessage(1.25)).split(QStringLiteral("\r\n"))[2],
        QStringLiteral("DLL version found: 1.25"));
}

void TitleStartupTest::missingLibraryNamesTheFile()
{
    test::TrapRecorder trap;
    FakeMachine machine;
    machine.libraryMissing = true;
    const QString message = fatal(machine.run());
    QVERIFY2(message.startsWith(QStringLiteral("Kelvora DLL not found!")), qPrintable(message));
    QVERIFY(message.contains(QStringLiteral("libkelvora.so")));

    // The real binding pointed at a file that is not there.
    const fs::path missing = machine.program / "no-such-kelvora.so";
    setKelvoraLibraryForTesting(missing);
    StartupChecks::Seams seams = machine.seams();
    seams.libraryVersion = StartupChecks::programSeams().libraryVersion;
    const QString real = fatal(StartupChecks(seams).run());
    setKelvoraLibraryForTesting({});
    QVERIFY2(real.contains(QStringLiteral("no-such-kelvora.so")), qPrintable(real));
    QVERIFY(trap.empty());
}

void TitleStartupTest::theBuiltLibraryPasses()
{
    try {
        QVERIFY(kelvoraVersion() >= StartupChecks::kRequiredLibraryVersion);
    } catch (const Failure& failure) {
        QSKIP(failure.what());
    }
}

void TitleStartupTest::existingTempFolderIsKeptAndMissingOneCreated()
{
    test::TrapRecorder trap;
    FakeMachine machine;
    machine.scratch = machine.root.path() / "Scratch Ünicode";
    QCOMPARE(int(machine.run().outcome), int(StartupChecks::Outcome::Passed));
    QVERIFY(fs::is_directory(machine.scratch / "temp"));
    {
        std::ofstream(machine.scratch / "temp" / "thumbnail.jpg") << "keep";
    }
    QCOMPARE(int(machine.run().outcome), int(StartupChecks::Outcome::Passed));
    QCOMPARE(test::readFileBytes(machine.scratch / "temp" / "thumbnail.jpg"), std::string("keep"));
}

void TitleStartupTest::tempFolderThatCannotBeCreatedIsFatal()
{
    test::TrapRecorder trap;
    FakeMachine machine;
    {
        std::ofstream(machine.scratch / "temp") << "a file where the folder goes";
    }
    const QString message = fatal(machine.run());
    QVERIFY2(message.startsWith(QStringLiteral("Can not create the temp folder!")), qPrintable(message));
    QVERIFY(trap.empty());
}

void TitleStartupTest::missingThumbnailCacheIsEmptyAndDamagedOneIsTrapped()
{
    test::TrapRecorder trap;
    FakeMachine machine;
    QVERIFY(!fs::exists(machine.cacheFile()));
    QCOMPARE(int(machine.run().outcome), int(StartupChecks::Outcome::Passed));
    QCOMPARE(gudtObjectThumbnails().size(), std::size_t { 0 });
    QVERIFY(trap.empty());

    test::PackageBuilder builder;
    builder.add("AC2950C1", "00000000", "00000001", "7F123456", "jpeg bytes");
    ByteString bytes = builder.build();
    {
        std::ofstream(machine.cacheFile(), std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }
    QCOMPARE(int(machine.run().outcome), int(StartupChecks::Outcome::Passed));
    QCOMPARE(gudtObjectThumbnails().size(), std::size_t { 1 });

    test::patchInt32(bytes, test::kIndexCountAt, 1000000);
    {
        std::ofstream(machine.cacheFile(), std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }
    fs::remove_all(machine.scratch / "temp");
    QCOMPARE(int(machine.run().outcome), int(StartupChecks::Outcome::Trapped));
    // The temp folder is made before the cache is read.
    QVERIFY(fs::is_directory(machine.scratch / "temp"));
    QCOMPARE(trap.trapped().size(), std::size_t { 1 });
    QCOMPARE(QString::fromStdString(trap.last().Module), QStringLiteral("modSimsPackage"));
    QVERIFY(QString::fromStdString(trap.last().AdditionalData).contains(QStringLiteral("ObjectThumbnails.package")));
    QCOMPARE(gudtObjectThumbnails().size(), std::size_t { 0 });
}

void TitleStartupTest::failureInThePathSearchStopsTheChecks()
{
    test::TrapRecorder trap;
    FakeMachine machine;
    StartupChecks::Seams seams = machine.seams();
    seams.findGamePaths = [] {
        trapped("modSims2General", "gsGetSims2Paths", [] { throw Failure(ErrorCode::FolderFailed, "denied"); });
    };
    QCOMPARE(int(StartupChecks(seams).run().outcome), int(StartupChecks::Outcome::Trapped));
    QCOMPARE(trap.trapped().size(), std::size_t { 1 });
    QVERIFY(!fs::exists(machine.scratch / "temp"));
}

void TitleStartupTest::titleWindowShowsTheFatalBoxAndNothingElse()
{
    test::TrapRecorder trap;
    MessageBox::TestScope boxes;
    {
        FakeMachine machine;
        machine.install = "ERROR";
        frmTitle title(machine.seams());
        QVERIFY(!title.Form_Load());
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Fatal Error"));
        QCOMPARE(boxes.last().icon, QMessageBox::Critical);
        QCOMPARE(boxes.last().text, QStringLiteral("Can not find the path to the Sims 2!"));
        QCOMPARE(title.windowTitle(), QStringLiteral("Varnick - Version 1.00.01"));
    }
    FakeMachine machine;
    frmTitle title(machine.seams());
    QVERIFY(title.Form_Load());
    QCOMPARE(boxes.shown().size(), 1);
    auto* disclaimer = title.findChild<QPlainTextEdit*>(QStringLiteral("txtDisclaimer"));
    QVERIFY(disclaimer != nullptr && disclaimer->isReadOnly());
    QVERIFY(disclaimer->toPlainText().contains(QStringLiteral("without warranties")));
}

void TitleStartupTest::titleWindowUnloadsOnceHoweverItCloses()
{
    FakeMachine machine;
    {
        frmTitle title(machine.seams());
        QSignalSpy unloaded(&title, &frmTitle::unloaded);
        title.show();
        auto* ok = title.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QVERIFY(ok != nullptr);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!title.isVisible());
        title.close();
        QCOMPARE(unloaded.count(), 1);
    }
    frmTitle title(machine.seams());
    QSignalSpy unloaded(&title, &frmTitle::unloaded);
    title.show();
    title.close();
    QCOMPARE(unloaded.count(), 1);
}

QTEST_MAIN(TitleStartupTest)
#include "TitleStartupTest.moc"
