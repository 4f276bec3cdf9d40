// The game search on homes laid out as each edition and store leaves them.

#include "app/startup/core/GameLocator.h"
#include "app/startup/GamePaths.h"
#include "app/startup/core/GamePacks.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TrapRecorder.h"
#include "tests/startup/GameFixtures.h"

#include <gtest/gtest.h>

#include <chrono>

namespace fs = std::filesystem;

namespace varnick {
namespace {

using test::FixturePrefix;
using test::regDword;
using test::regKey;
using test::regText;
using test::resolved;

// Wine prefixes, Steam libraries and the macOS folders are searched where the
// game runs without a registry of its own; Windows reads its registry instead.
#ifndef _WIN32

class GameLocatorTest : public ::testing::Test {
protected:
    fs::path home() const { return mRoot.path() / "Zoë home"; }
    fs::path steamRoot() const { return home() / ".local" / "share" / "Steam"; }

    GameSearch search(std::map<std::string, std::string> environment = {}) const
    {
        return findGameInstalls(test::placesFor(home(), std::move(environment)));
    }

    // "Z:\...": the host path as a program inside a prefix names it.
    static std::string onDriveZ(const fs::path& host) { return test::windowsPath("Z:", host.relative_path()); }

    static void touch(const fs::path& folder, std::chrono::hours age)
    {
        fs::last_write_time(folder, fs::file_time_type::clock::now() - age);
        for (const char* name : { "Downloads" })
            fs::last_write_time(folder / name, fs::file_time_type::clock::now() - age);
    }

    test::TemporaryFolder mRoot;
};

TEST_F(GameLocatorTest, findsTheLegacyCollectionInASteamLibraryWithItsSpanishName)
{
    const fs::path install = test::makeLegacyInstall(steamRoot());
    const FixturePrefix prefix(steamRoot() / "steamapps" / "compatdata" / "3314070" / "pfx");
    prefix.machineKeys("");
    prefix.userKeys(test::legacyUserKey("Los Sims 2 Legado", onDriveZ(install / "EP9" / "TSBin")));
    const fs::path data = prefix.dataFolder("Los Sims 2 Legado");

    const GameSearch found = search();
    ASSERT_EQ(found.installs.size(), 1U);
    const GameInstall& legacy = found.installs[0];
    EXPECT_EQ(legacy.edition, GameEdition::Legacy);
    EXPECT_EQ(legacy.installFolder, resolved(install));
    EXPECT_EQ(legacy.dataFolder, resolved(data));
    EXPECT_EQ(legacy.downloads, resolved(data) / "Downloads");
    EXPECT_EQ(legacy.displayName, "Los Sims 2 Legado");
    EXPECT_EQ(legacy.documents, resolved(prefix.documents()));
    EXPECT_TRUE(legacy.dataFolderExists);
    EXPECT_NE(legacy.source.find("user.reg: HKCU\\Software\\Electronic Arts\\The Sims 2 Ultimate Collection 25"),
        std::string::npos)
        << legacy.source;
    EXPECT_EQ(legacy.foundBy, FoundBy::WineRegistry);
    EXPECT_TRUE(found.skipped.empty());
}

TEST_F(GameLocatorTest, legacyNeverStartedIsFoundThroughTheStoresKeysAndFolders)
{
    // Through Steam's uninstall key in a Wine prefix: the game has not named its data folder yet.
    const FixturePrefix wine(home() / ".wine", "zoë");
    const fs::path install
        = wine.driveC() / "Program Files (x86)" / "Steam" / "steamapps" / "common" / "The Sims 2 Legacy Collection";
    fs::create_directories(install / "Base");
    wine.machineKeys(regKey("Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App 3314070",
        { regText("InstallLocation", "C:\\Program Files (x86)\\Steam\\steamapps\\common\\The Sims 2 Legacy Collection"),
            regText("DisplayName", "The Sims 2 Legacy Collection") }));
    wine.userKeys("");

    GameSearch found = search();
    ASSERT_EQ(found.installs.size(), 1U);
    EXPECT_EQ(found.installs[0].edition, GameEdition::Legacy);
    EXPECT_EQ(found.installs[0].installFolder, resolved(install));
    EXPECT_EQ(found.installs[0].dataFolder, resolved(wine.documents()) / "EA Games" / "The Sims 2 Legacy");
    EXPECT_FALSE(found.installs[0].dataFolderExists);
    EXPECT_EQ(found.installs[0].displayName, "The Sims 2 Legacy Collection");
    EXPECT_NE(found.installs[0].source.find("Steam App 3314070"), std::string::npos);

    // A localised data folder the player already has is the one it goes with.
    const fs::path data = wine.dataFolder("Die Sims 2 Vermächtnis");
    found = search();
    ASSERT_EQ(found.installs.size(), 1U);
    EXPECT_EQ(found.installs[0].dataFolder, resolved(data));
    EXPECT_TRUE(found.installs[0].dataFolderExists);

    // Installed by Steam but never started: Proton has not even made the prefix.
    fs::remove_all(home() / ".wine");
    const fs::path steamInstall = test::makeLegacyInstall(steamRoot());
    found = search();
    ASSERT_EQ(found.installs.size(), 1U);
    EXPECT_EQ(found.installs[0].installFolder, resolved(steamInstall));
    EXPECT_EQ(found.installs[0].dataFolder,
        resolved(steamRoot()) / "steamapps" / "compatdata" / "3314070" / "pfx" / "drive_c" / "users" / "steamuser"
            / "Documents" / "EA Games" / "The Sims 2 Legacy");
    EXPECT_FALSE(found.installs[0].dataFolderExists);
}

TEST_F(GameLocatorTest, findsTheUltimateCollectionWithTheTrademarkSignInItsName)
{
    const FixturePrefix bottle(home() / ".local" / "share" / "bottles" / "bottles" / "Sims 2");
    const fs::path root = bottle.driveC() / "Program Files (x86)" / "EA GAMES" / "The Sims 2 Ultimate Collection";
    fs::create_directories(root / "Double Deluxe" / "Base");
    fs::create_directories(root / "Fun with Pets" / "SP9" / "TSBin");
    bottle.machineKeys(regKey("Software\\Wow6432Node\\EA GAMES\\The Sims 2",
        { regText("DisplayName", "The Sims™ 2 Ultimate Collection"),
            regText("Install Dir",
                "C:\\Program Files (x86)\\EA GAMES\\The Sims 2 Ultimate Collection\\Double Deluxe\\Base") }));
    bottle.userKeys("");
    const fs::path data = bottle.dataFolder("The Sims™ 2 Ultimate Collection");
    ASSERT_NE(test::readFileBytes(bottle.root() / "system.reg").find("The Sims\\x2122 2"), std::string::npos);

    GameSearch found = search();
    ASSERT_EQ(found.installs.size(), 1U);
    EXPECT_EQ(found.installs[0].edition, GameEdition::Ultimate);
    EXPECT_EQ(found.installs[0].installFolder, resolved(root));
    EXPECT_EQ(found.installs[0].dataFolder, resolved(data));
    EXPECT_EQ(found.installs[0].displayName, "The Sims™ 2 Ultimate Collection");

    // A player who took the sign out of the folder's name.
    fs::rename(data, data.parent_path() / "The Sims 2 Ultimate Collection");
    found = search();
    ASSERT_EQ(found.installs.size(), 1U);
    EXPECT_EQ(found.installs[0].dataFolder, resolved(data.parent_path() / "The Sims 2 Ultimate Collection"));
    EXPECT_EQ(found.installs[0].installFolder, resolved(root));
}

TEST_F(GameLocatorTest, findsAClassicInstallInALutrisPrefixByTheClassicSearch)
{
    const FixturePrefix lutris(home() / "Games" / "the-sims-2", "zoë");
    const fs::path install = lutris.driveC() / "Program Files (x86)" / "EA GAMES" / "The Sims 2";
    fs::create_directories(install);
    lutris.machineKeys(regKey("Software\\Wow6432Node\\EA GAMES\\The Sims 2",
        { regText("Install Dir", "C:\\Program Files (x86)\\EA GAMES\\The Sims 2") }));
    lutris.userKeys("");
    lutris.dataFolder("Les Sims 2");
    const fs::path german = lutris.dataFolder("Die Sims 2");

    const GameSearch found = search();
    ASSERT_EQ(found.installs.size(), 2U);
    // The classic search's order picks the German folder for the key; the French one is listed on its own.
    const auto keyed = std::find_if(found.installs.begin(), found.installs.end(),
        [](const GameInstall& entry) { return entry.installFolder.has_value(); });
    ASSERT_NE(keyed, found.installs.end());
    EXPECT_EQ(keyed->edition, GameEdition::Classic);
    EXPECT_EQ(keyed->dataFolder, resolved(german));
    EXPECT_EQ(keyed->installFolder, resolved(install));
    EXPECT_EQ(keyed->displayName, std::nullopt);
    EXPECT_NE(keyed->source.find("system.reg: HKLM\\SOFTWARE\\Wow6432Node\\EA GAMES\\The Sims 2"), std::string::npos);
}

TEST_F(GameLocatorTest, findsTheMacFoldersAndTheApplication)
{
    const fs::path store = home() / "Library" / "Containers" / "com.aspyr.sims2.appstore" / "Data" / "Library"
        / "Application Support" / "Aspyr" / "The Sims 2";
    const fs::path plain = home() / "Library" / "Application Support" / "Aspyr" / "The Sims 2";
    fs::create_directories(store / "Downloads");
    fs::create_directories(plain / "Downloads");
    fs::create_directories(home() / "Applications" / "The Sims 2 Super Collection.app" / "Contents");
    touch(store, std::chrono::hours(2));

    const GameSearch found = search();
    ASSERT_EQ(found.installs.size(), 2U);
    EXPECT_EQ(found.installs[0].dataFolder, resolved(plain)); // used more recently
    EXPECT_EQ(found.installs[1].dataFolder, resolved(store));
    for (const GameInstall& install : found.installs) {
        EXPECT_EQ(install.edition, GameEdition::Mac);
        EXPECT_EQ(install.installFolder, resolved(home() / "Applications" / "The Sims 2 Super Collection.app"));
        EXPECT_EQ(install.downloads, install.dataFolder / "Downloads");
    }
}

TEST_F(GameLocatorTest, listsTwoInstallsTheEnvironmentFirstThenTheChosenThenTheMostRecent)
{
    const FixturePrefix wine(home() / ".wine");
    const fs::path classicInstall = wine.driveC() / "Games" / "The Sims 2";
    const fs::path legacyInstall = wine.driveC() / "Games" / "The Sims 2 Legacy";
    fs::create_directories(classicInstall);
    fs::create_directories(legacyInstall / "EP9" / "TSBin");
    wine.machineKeys(regKey("Software\\EA GAMES\\The Sims 2", { regText("Install Dir", "C:\\Games\\The Sims 2") }));
    wine.userKeys(test::legacyUserKey("The Sims 2 Legacy", "C:\\Games\\The Sims 2 Legacy\\EP9\\TSBin"));
    const fs::path classic = wine.dataFolder("The Sims 2");
    const fs::path legacy = wine.dataFolder("The Sims 2 Legacy");
    touch(legacy, std::chrono::hours(48));
    touch(classic, std::chrono::hours(1));

    GameSearch found = search();
    ASSERT_EQ(found.installs.size(), 2U);
    EXPECT_EQ(found.installs[0].dataFolder, resolved(classic));
    EXPECT_EQ(found.installs[0].edition, GameEdition::Classic);
    EXPECT_EQ(found.installs[0].installFolder, resolved(classicInstall));
    EXPECT_EQ(found.installs[1].dataFolder, resolved(legacy));
    EXPECT_EQ(found.installs[1].installFolder, resolved(legacyInstall));

    GameSearchPlaces places = test::placesFor(home());
    places.remembered = RememberedFolder { "settings.ini", pathToUtf8(legacy) };
    found = findGameInstalls(places);
    ASSERT_EQ(found.installs.size(), 2U);
    EXPECT_EQ(found.installs[0].dataFolder, resolved(legacy));
    EXPECT_TRUE(found.installs[0].chosen);
    EXPECT_FALSE(found.installs[1].chosen);

    const fs::path documents = mRoot.path() / "Other Documents";
    fs::create_directories(documents / "EA Games" / "Os Sims 2" / "Downloads");
    places = test::placesFor(home(), { { "VARNICK_DOCUMENTS_DIR", pathToUtf8(documents) + "/" } });
    places.remembered = RememberedFolder { "settings.ini", pathToUtf8(legacy) };
    found = findGameInstalls(places);
    ASSERT_EQ(found.installs.size(), 3U);
    EXPECT_EQ(found.installs[0].dataFolder, resolved(documents / "EA Games" / "Os Sims 2"));
    EXPECT_TRUE(found.installs[0].fromEnvironment);
    EXPECT_EQ(found.installs[0].source, "VARNICK_DOCUMENTS_DIR");
    EXPECT_EQ(found.installs[0].foundBy, FoundBy::EnvironmentVariable);
    EXPECT_EQ(found.installs[1].dataFolder, resolved(legacy));
}

TEST_F(GameLocatorTest, followsLibraryFoldersToASecondLibrary)
{
    const fs::path second = mRoot.path() / "Games drive" / "SteamLibrary";
    fs::create_directories(steamRoot() / "steamapps");
    test::writeText(steamRoot() / "steamapps" / "libraryfolders.vdf",
        "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + pathToUtf8(steamRoot())
            + "\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + pathToUtf8(second)
            + "\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"3314070\"\t\t\"5432109876\"\n\t\t}\n\t}\n}\n");
    const fs::path install = test::makeLegacyInstall(second);
    test::writeText(second / "steamapps" / "appmanifest_3314070.acf",
        "\"AppState\"\n{\n\t\"appid\"\t\"3314070\"\n\t\"installdir\"\t\"The Sims 2 Legacy Collection\"\n}\n");
    const FixturePrefix prefix(second / "steamapps" / "compatdata" / "3314070" / "pfx");
    prefix.machineKeys("");
    // No path in the key: the install folder is the library's.
    prefix.userKeys(test::legacyUserKey("De Sims 2 Erfenis", std::nullopt));
    const fs::path data = prefix.dataFolder("De Sims 2 Erfenis");
    // The Flatpak's list is damaged: it is skipped, the rest is still searched.
    const fs::path flatpak = home() / ".var" / "app" / "com.valvesoftware.Steam" / ".local" / "share" / "Steam";
    test::writeText(flatpak / "steamapps" / "libraryfolders.vdf", "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"");

    const GameSearch found = search();
    ASSERT_EQ(found.installs.size(), 1U);
    EXPECT_EQ(found.installs[0].edition, GameEdition::Legacy);
    EXPECT_EQ(found.installs[0].installFolder, resolved(install));
    EXPECT_EQ(found.installs[0].dataFolder, resolved(data));
    EXPECT_EQ(found.installs[0].displayName, "De Sims 2 Erfenis");
    ASSERT_EQ(found.skipped.size(), 1U);
    EXPECT_EQ(found.skipped[0].file, pathToUtf8(flatpak / "steamapps" / "libraryfolders.vdf"));
    EXPECT_NE(found.skipped[0].reason.find("ends"), std::string::npos) << found.skipped[0].reason;
}

TEST_F(GameLocatorTest, skipsDamagedAndHugeRegistryFilesAndKeepsSearching)
{
    const FixturePrefix cut(home() / ".wine");
    cut.machineKeys(regKey("Software\\EA GAMES\\The Sims 2", { regText("Install Dir", "C:\\Games\\The Sims 2") }));
    const std::string text = test::readFileBytes(cut.root() / "system.reg");
    test::writeText(cut.root() / "system.reg", text.substr(0, text.size() - 6)); // cut off inside the path
    cut.userKeys("");
    cut.dataFolder("The Sims 2");
    fs::create_directories(cut.driveC() / "Games" / "The Sims 2");

    const FixturePrefix huge(mRoot.path() / "huge prefix");
    huge.machineKeys(regKey("Software\\Padding", { regText("A", std::string(5000, 'x')) }));
    huge.userKeys("");

    GameSearchPlaces places = test::placesFor(home(), { { "WINEPREFIX", pathToUtf8(huge.root()) } });
    places.maxRegistryFileBytes = 4096;
    const GameSearch found = findGameInstalls(places);
    ASSERT_EQ(found.skipped.size(), 2U);
    EXPECT_EQ(found.skipped[0].file, pathToUtf8(huge.root() / "system.reg"));
    EXPECT_NE(found.skipped[0].reason.find("is larger than 4096 bytes"), std::string::npos) << found.skipped[0].reason;
    EXPECT_EQ(found.skipped[1].file, pathToUtf8(cut.root() / "system.reg"));
    EXPECT_NE(found.skipped[1].reason.find("no closing quote"), std::string::npos) << found.skipped[1].reason;
    // A window says each reason from its phrase, which reads as the English the command line prints.
    for (const SkippedFile& file : found.skipped) {
        ASSERT_TRUE(file.phrase) << file.reason;
        EXPECT_EQ(file.phrase->english(), file.reason);
    }
    // The cut-off file named the install folder; without it, the data folder is still found through user.reg.
    ASSERT_EQ(found.installs.size(), 1U);
    EXPECT_EQ(found.installs[0].installFolder, std::nullopt);
    EXPECT_EQ(found.installs[0].dataFolder, resolved(cut.documents() / "EA Games" / "The Sims 2"));
}

TEST_F(GameLocatorTest, aKeyNamingAFolderThatIsGoneIsNoInstall)
{
    const FixturePrefix wine(home() / ".wine");
    wine.machineKeys(regKey("Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App 3314070",
                         { regText("InstallLocation", "C:\\Gone\\The Sims 2 Legacy Collection") })
        + regKey("Software\\Wow6432Node\\Maxis\\The Sims 2 Legacy", { regText("Install Dir", "C:\\Gone\\Legacy") })
        + regKey("Software\\Wow6432Node\\EA GAMES\\The Sims 2",
            { regText("Install Dir", "C:\\Gone\\The Sims 2 Ultimate Collection"),
                regText("DisplayName", "The Sims™ 2 Ultimate Collection") })
        + regKey("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Sims2EP9.exe",
            { regText("", "C:\\Gone\\The Sims 2 Ultimate Collection\\Fun with Pets\\SP9\\TSBin\\Sims2EP9.exe") }));
    wine.userKeys(test::legacyUserKey("The Sims 2 Legacy", "C:\\Gone\\EP9\\TSBin"));
    EXPECT_TRUE(search().installs.empty());

    // The data folder still counts, with no install folder.
    const fs::path data = wine.dataFolder("The Sims 2 Legacy");
    const GameSearch found = search();
    ASSERT_EQ(found.installs.size(), 1U);
    EXPECT_EQ(found.installs[0].edition, GameEdition::Legacy);
    EXPECT_EQ(found.installs[0].dataFolder, resolved(data));
    EXPECT_EQ(found.installs[0].installFolder, std::nullopt);
}

TEST_F(GameLocatorTest, aFolderChosenByHandIsListedAndADamagedChoiceSkipped)
{
    const fs::path chosen = mRoot.path() / "Backup of my game" / "The Sims 2 Legacy";
    fs::create_directories(chosen / "Downloads");
    GameSearchPlaces places = test::placesFor(home());
    places.remembered = RememberedFolder { "Varnick.conf", pathToUtf8(chosen) };
    GameSearch found = findGameInstalls(places);
    ASSERT_EQ(found.installs.size(), 1U);
    EXPECT_TRUE(found.installs[0].chosen);
    EXPECT_EQ(found.installs[0].edition, GameEdition::Legacy);
    EXPECT_EQ(found.installs[0].dataFolder, resolved(chosen));
    EXPECT_EQ(found.installs[0].source, "setting \"Game Data Folder\" (Varnick.conf)");
    EXPECT_EQ(found.installs[0].foundBy, FoundBy::ChosenByPlayer);

    places.remembered = RememberedFolder { "Varnick.conf", "Documents/relative" };
    found = findGameInstalls(places);
    EXPECT_TRUE(found.installs.empty());
    ASSERT_EQ(found.skipped.size(), 1U);
    EXPECT_EQ(found.skipped[0].file, "Varnick.conf");
    EXPECT_NE(found.skipped[0].reason.find("is not a full folder path"), std::string::npos);
}

TEST_F(GameLocatorTest, nothingFoundInAnEmptyHome)
{
    fs::create_directories(home());
    const GameSearch found = search();
    EXPECT_TRUE(found.installs.empty());
    EXPECT_TRUE(found.skipped.empty());
}

// The program starts on what the search found first: the three paths the start-up checks read.
TEST_F(GameLocatorTest, theProgramsPathsComeFromTheFirstInstallFound)
{
    test::ScopedEnvironment environment;
    environment.set("HOME", pathToUtf8(home()));
    environment.set("WINEPREFIX", std::nullopt);
    environment.set("VARNICK_DOCUMENTS_DIR", std::nullopt);
    environment.set("VARNICK_SIMS2_INSTALL_DIR", std::nullopt);
    environment.set("VARNICK_SETTINGS_FILE", pathToUtf8(mRoot.path() / "settings.ini"));
    test::TrapRecorder traps;
    const std::string savedInstall = gstrSims2InstallPath;
    const std::string savedDocuments = gstrDocumentsPath;
    const std::string savedData = gstrSims2DataPath;

    // Installed through Steam, never started: the install is known, the data folder not yet.
    const fs::path install = test::makeLegacyInstall(steamRoot());
    gsGetSims2Paths();
    EXPECT_EQ(gstrSims2InstallPath, pathToUtf8(resolved(install)));
    EXPECT_EQ(gstrSims2DataPath, "ERROR");
    EXPECT_NE(gstrDocumentsPath, "ERROR");

    const FixturePrefix prefix(steamRoot() / "steamapps" / "compatdata" / "3314070" / "pfx");
    prefix.machineKeys("");
    prefix.userKeys(test::legacyUserKey("Los Sims 2 Legado", onDriveZ(install / "EP9" / "TSBin")));
    const fs::path data = prefix.dataFolder("Los Sims 2 Legado");
    gsGetSims2Paths();
    EXPECT_EQ(gstrSims2InstallPath, pathToUtf8(resolved(install)));
    EXPECT_EQ(gstrDocumentsPath, pathToUtf8(resolved(prefix.documents())));
    EXPECT_EQ(gstrSims2DataPath, pathToUtf8(resolved(data)));
    EXPECT_TRUE(traps.empty());

    gstrSims2InstallPath = savedInstall;
    gstrDocumentsPath = savedDocuments;
    gstrSims2DataPath = savedData;
}

#endif

TEST(GamePacks, findsTheObjectPackageOfEveryPack)
{
    test::TemporaryFolder root;
    const auto pack = [&](const fs::path& folder) {
        const fs::path file = folder / "TSData" / "Res" / "Objects" / "objects.package";
        test::writeText(file, "DBPF");
        return file;
    };
    const fs::path legacy = root.path() / "The Sims 2 Legacy Collection";
    const std::vector<fs::path> legacyPacks = { pack(legacy / "Base"), pack(legacy / "EP1"), pack(legacy / "SP8") };
    fs::create_directories(legacy / "EP2" / "TSData"); // a pack without objects of its own
    EXPECT_EQ(gameObjectPackages(legacy), legacyPacks);

    const fs::path ultimate = root.path() / "The Sims 2 Ultimate Collection";
    const std::vector<fs::path> ultimatePacks
        = { pack(ultimate / "Double Deluxe" / "Base"), pack(ultimate / "Fun with Pets" / "SP9") };
    EXPECT_EQ(gameObjectPackages(ultimate), ultimatePacks);

    // A classic base game with its expansions beside it, one spelled in other letter case.
    const fs::path eaGames = root.path() / "EA GAMES";
    const fs::path base = pack(eaGames / "The Sims 2");
    const fs::path university = pack(eaGames / "The Sims 2 University");
    test::writeText(eaGames / "The Sims 2 Nightlife" / "TSDATA" / "res" / "objects" / "OBJECTS.PACKAGE", "DBPF");
    pack(eaGames / "SimCity 4");
    // Windows opens the name in any case, so either spelling names the same file there.
    const std::vector<fs::path> classic = gameObjectPackages(eaGames / "The Sims 2");
    const std::vector<fs::path> classicPacks
        = { base, eaGames / "The Sims 2 Nightlife" / "TSDATA" / "res" / "objects" / "OBJECTS.PACKAGE", university };
    ASSERT_EQ(classic.size(), classicPacks.size());
    for (std::size_t i = 0; i < classic.size(); ++i)
        EXPECT_TRUE(fs::equivalent(classic[i], classicPacks[i])) << classic[i] << " " << classicPacks[i];
    EXPECT_TRUE(gameObjectPackages(root.path() / "missing").empty());
}

} // namespace
} // namespace varnick
