// The start-up checks on a home holding one edition of the game each: the
// program starts on whatever the search finds first, and the Downloads folder
// it browses is that edition's.

#include "app/startup/GamePaths.h"
#include "app/startup/StartupChecks.h"
#include "app/startup/core/GameLocator.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TrapRecorder.h"
#include "tests/startup/GameFixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace fs = std::filesystem;

namespace varnick {
namespace {

// Wine prefixes and the macOS folders are searched where the game has no registry of its own.
#ifndef _WIN32

using test::FixturePrefix;
using test::regKey;
using test::regText;
using test::resolved;

struct Edition {
    const char* name;
    /// Lays the edition out below home; returns its data folder, or nothing for a game never started.
    std::function<fs::path(const fs::path& home)> build;
};

fs::path steamRoot(const fs::path& home)
{
    return home / ".local" / "share" / "Steam";
}

const Edition kEditions[] = {
    { "Legacy Collection in Steam's prefix, Spanish",
        [](const fs::path& home) {
            const fs::path install = test::makeLegacyInstall(steamRoot(home));
            const FixturePrefix prefix(steamRoot(home) / "steamapps" / "compatdata" / "3314070" / "pfx");
            prefix.machineKeys("");
            prefix.userKeys(test::legacyUserKey(
                "Los Sims 2 Legado", test::windowsPath("Z:", (install / "EP9" / "TSBin").relative_path())));
            return prefix.dataFolder("Los Sims 2 Legado");
        } },
    { "Ultimate Collection in a Bottles prefix",
        [](const fs::path& home) {
            const FixturePrefix bottle(home / ".local" / "share" / "bottles" / "bottles" / "Sims 2");
            fs::create_directories(
                bottle.driveC() / "Games" / "The Sims 2 Ultimate Collection" / "Double Deluxe" / "Base");
            bottle.machineKeys(regKey("Software\\Wow6432Node\\EA GAMES\\The Sims 2",
                { regText("DisplayName", "The Sims™ 2 Ultimate Collection"),
                    regText("Install Dir", "C:\\Games\\The Sims 2 Ultimate Collection\\Double Deluxe\\Base") }));
            bottle.userKeys("");
            return bottle.dataFolder("The Sims™ 2 Ultimate Collection");
        } },
    { "classic install in ~/.wine",
        [](const fs::path& home) {
            const FixturePrefix wine(home / ".wine", "zoë");
            fs::create_directories(wine.driveC() / "Program Files" / "EA GAMES" / "The Sims 2");
            wine.machineKeys(regKey("Software\\EA GAMES\\The Sims 2",
                { regText("Install Dir", "C:\\Program Files\\EA GAMES\\The Sims 2") }));
            wine.userKeys("");
            return wine.dataFolder("The Sims 2");
        } },
    { "macOS, no application bundle",
        [](const fs::path& home) {
            const fs::path data = home / "Library" / "Application Support" / "Aspyr" / "The Sims 2";
            fs::create_directories(data / "Downloads");
            return data;
        } },
};

class StartupOnEditionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mEnvironment.set("HOME", pathToUtf8(home()));
        mEnvironment.set("WINEPREFIX", std::nullopt);
        mEnvironment.set("VARNICK_DOCUMENTS_DIR", std::nullopt);
        mEnvironment.set("VARNICK_SIMS2_INSTALL_DIR", std::nullopt);
        mEnvironment.set("VARNICK_SETTINGS_FILE", pathToUtf8(mRoot.path() / "settings.ini"));
    }

    void TearDown() override
    {
        gstrSims2InstallPath = mSavedInstall;
        gstrDocumentsPath = mSavedDocuments;
        gstrSims2DataPath = mSavedData;
    }

    fs::path home() const { return mRoot.path() / "Zoë home"; }

    StartupChecks::Result start() const
    {
        StartupChecks::Seams seams;
        seams.findGamePaths = [] { gsGetSims2Paths(); };
        seams.libraryVersion = [] { return StartupChecks::kRequiredLibraryVersion; };
        seams.programFolder = [this] { return mRoot.path() / "Program"; };
        seams.scratchParent = [this] { return mRoot.path() / "Scratch"; };
        return StartupChecks(seams).run();
    }

    test::TemporaryFolder mRoot;
    test::ScopedEnvironment mEnvironment;
    std::string mSavedInstall = gstrSims2InstallPath;
    std::string mSavedDocuments = gstrDocumentsPath;
    std::string mSavedData = gstrSims2DataPath;
};

class StartupOnEachEditionTest : public StartupOnEditionsTest, public ::testing::WithParamInterface<Edition> { };

TEST_P(StartupOnEachEditionTest, theProgramStartsOnTheEditionAndBrowsesItsDownloads)
{
    test::TrapRecorder traps;
    const fs::path data = GetParam().build(home());

    const StartupChecks::Result result = start();
    EXPECT_EQ(result.outcome, StartupChecks::Outcome::Passed) << result.message;
    EXPECT_EQ(gstrSims2DataPath, pathToUtf8(resolved(data)));
    EXPECT_EQ(downloadsFolderOf(pathFromUtf8(gstrSims2DataPath)), resolved(data) / "Downloads");
    EXPECT_NE(gstrDocumentsPath, gstrPathNotFound);
    EXPECT_NE(gstrSims2InstallPath, gstrPathNotFound);
    EXPECT_TRUE(traps.empty());
}

INSTANTIATE_TEST_SUITE_P(Editions, StartupOnEachEditionTest, ::testing::ValuesIn(kEditions),
    [](const ::testing::TestParamInfo<Edition>& edition) {
        std::string name;
        for (const char* c = edition.param.name; *c != '\0' && *c != ' ' && *c != ','; ++c)
            name += *c;
        return name + std::to_string(edition.index);
    });

// Installed but never started: the checks stop at the data folder and let the player name it.
TEST_F(StartupOnEditionsTest, aGameNeverStartedOffersTheChoiceByHand)
{
    test::TrapRecorder traps;
    test::makeLegacyInstall(steamRoot(home()));

    const StartupChecks::Result result = start();
    EXPECT_EQ(result.outcome, StartupChecks::Outcome::Fatal);
    EXPECT_EQ(result.message, "Can not find Sims 2 data path!");
    EXPECT_TRUE(result.gameFolderMissing);

    // Nothing anywhere: the classic search's message, with the same offer.
    fs::remove_all(home());
    fs::create_directories(home());
    const StartupChecks::Result nothing = start();
    EXPECT_EQ(nothing.outcome, StartupChecks::Outcome::Fatal);
    EXPECT_TRUE(nothing.gameFolderMissing) << nothing.message;
    EXPECT_TRUE(traps.empty());
}

#endif

} // namespace
} // namespace varnick
