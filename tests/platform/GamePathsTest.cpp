#include "app/startup/GamePaths.h"

#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/common/TrapRecorder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace varnick {
namespace {

// The three paths and the environment the discovery reads, restored after each test.
class GamePathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mEnvironment.set("VARNICK_SIMS2_INSTALL_DIR", std::nullopt);
        mEnvironment.set("VARNICK_DOCUMENTS_DIR", std::nullopt);
        mEnvironment.set("WINEPREFIX", pathToUtf8(mRoot.path() / "empty prefix"));
        // The search looks below the home folder and at the remembered choice too: neither may be the machine's.
        mEnvironment.set("HOME", pathToUtf8(mRoot.path() / "home"));
        mEnvironment.set("VARNICK_SETTINGS_FILE", pathToUtf8(mRoot.path() / "settings.ini"));
        gstrSims2InstallPath.clear();
        gstrDocumentsPath.clear();
        gstrSims2DataPath.clear();
    }
    void TearDown() override
    {
        gstrSims2InstallPath.clear();
        gstrDocumentsPath.clear();
        gstrSims2DataPath.clear();
    }

    fs::path documents() const { return mRoot.path() / "Documents"; }
    fs::path eaGames() const { return documents() / "EA Games"; }

    void makeFolders(std::initializer_list<const char*> names) const
    {
        for (const char* name : names)
            fs::create_directories(eaGames() / pathFromUtf8(name));
    }

    std::string findDataPath() const
    {
        gstrDocumentsPath = pathToUtf8(documents());
        gsFindSims2DataPath();
        return gstrSims2DataPath;
    }

    std::string dataPath(const char* name) const { return pathToUtf8(eaGames() / pathFromUtf8(name)); }

    test::TemporaryFolder mRoot;
    test::ScopedEnvironment mEnvironment;
    test::TrapRecorder mTraps;
};

TEST_F(GamePathsTest, candidatesAreTriedInTableOrder)
{
    makeFolders({ "Os Sims 2", "Die Sims 2", "The Sims 2" });
    EXPECT_EQ(findDataPath(), dataPath("The Sims 2"));
    fs::remove(eaGames() / "The Sims 2");
    EXPECT_EQ(findDataPath(), dataPath("Die Sims 2"));
    fs::create_directory(eaGames() / "Los Sims 2");
    EXPECT_EQ(findDataPath(), dataPath("Los Sims 2"));
    fs::remove(eaGames() / "Los Sims 2");
    fs::remove(eaGames() / "Die Sims 2");
    EXPECT_EQ(findDataPath(), dataPath("Os Sims 2"));
}

TEST_F(GamePathsTest, otherLanguageIsFoundBySubstringButOnlyWithExactCase)
{
#ifdef _WIN32
    // Windows compares folder names without case: a candidate finds its upper-case spelling.
    makeFolders({ "THE SIMS 2" });
    EXPECT_EQ(findDataPath(), dataPath("The Sims 2"));
    fs::remove(eaGames() / "THE SIMS 2");
    makeFolders({ "Mis sims 2", "OUR SIMS 2", "Det Sims 2 ø" });
#else
    // None of these is a candidate, not even on file systems that ignore case.
    makeFolders({ "Las sims 2", "HET SIMS 2", "Det Sims 2 ø" });
#endif
    EXPECT_EQ(findDataPath(), dataPath("Det Sims 2 ø"));

    fs::remove(eaGames() / pathFromUtf8("Det Sims 2 ø"));
    EXPECT_EQ(findDataPath(), "ERROR");
}

TEST_F(GamePathsTest, filesAreNeverTheDataFolderAndFoldersAreSearchedByName)
{
    makeFolders({ "Zz Sims 2", "Ma Sims 2", "Other" });
    std::ofstream(eaGames() / "Aa Sims 2 manual.txt") << "not a folder";
    std::ofstream(eaGames() / "The Sims 2") << "not a folder";
    EXPECT_EQ(findDataPath(), dataPath("Ma Sims 2"));
    makeFolders({ "De Sims 2" });
    EXPECT_EQ(findDataPath(), dataPath("De Sims 2"));
}

TEST_F(GamePathsTest, noDataFolderGivesErrorMarker)
{
    EXPECT_EQ(findDataPath(), "ERROR"); // no documents folder at all
    fs::create_directories(documents());
    EXPECT_EQ(findDataPath(), "ERROR"); // no "EA Games"
    fs::create_directories(eaGames());
    EXPECT_EQ(findDataPath(), "ERROR"); // empty "EA Games"

    gstrDocumentsPath = "ERROR";
    gsFindSims2DataPath();
    EXPECT_EQ(gstrSims2DataPath, "ERROR");
    EXPECT_TRUE(mTraps.empty());
}

TEST_F(GamePathsTest, overridesReplaceRegistryValues)
{
    const fs::path game = mRoot.path() / pathFromUtf8("Game ü");
    fs::create_directories(game);
    makeFolders({ "The Sims 2" });
    mEnvironment.set("VARNICK_SIMS2_INSTALL_DIR", pathToUtf8(game) + "/");
    mEnvironment.set("VARNICK_DOCUMENTS_DIR", pathToUtf8(documents()));
    gsGetSims2Paths();
    EXPECT_TRUE(fs::equivalent(pathFromUtf8(gstrSims2InstallPath), game));
    EXPECT_FALSE(gstrSims2InstallPath.ends_with('/'));
    EXPECT_EQ(gstrDocumentsPath, pathToUtf8(documents()));
    EXPECT_EQ(gstrSims2DataPath, dataPath("The Sims 2"));
    EXPECT_TRUE(mTraps.empty());
}

TEST_F(GamePathsTest, installFolderThatIsGoneGivesEmptyPath)
{
    mEnvironment.set("VARNICK_SIMS2_INSTALL_DIR", pathToUtf8(mRoot.path() / "deleted"));
    gsGetSims2Paths();
    EXPECT_EQ(gstrSims2InstallPath, "");
    EXPECT_EQ(gfstrGetLongPath(""), "");
}

#ifndef _WIN32

// A Wine prefix as the game leaves it: registry files with escaped text, and
// the C: drive link. The user name and the install folder are not ASCII.
class WinePrefixTest : public GamePathsTest {
protected:
    void SetUp() override
    {
        GamePathsTest::SetUp();
        mEnvironment.set("WINEPREFIX", pathToUtf8(prefix()));
        fs::create_directories(driveC() / "Program Files" / "EA Games" / "Les Sims™ 2");
        fs::create_directories(driveC() / "users" / "Zoë" / "Documents" / "EA Games" / "Les Sims 2");
        fs::create_directories(prefix() / "dosdevices");
        fs::create_directory_symlink("../drive_c", prefix() / "dosdevices" / "c:");
    }

    fs::path prefix() const { return mRoot.path() / "wine prefix"; }
    fs::path driveC() const { return prefix() / "drive_c"; }
    std::string hostPath(const fs::path& relative) const { return pathToUtf8(fs::canonical(driveC()) / relative); }

    void writeSystemReg(const std::string& keys) const
    {
        std::ofstream(prefix() / "system.reg", std::ios::binary)
            << "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
            << keys;
    }
    void writeUserReg(const std::string& keys) const
    {
        std::ofstream(prefix() / "user.reg", std::ios::binary)
            << "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
            << keys;
    }

    static constexpr const char* kInstallKey
        = "[Software\\\\Wow6432Node\\\\EA GAMES\\\\The Sims 2] 1700000000\n"
          "#time=1da0b1c2d3e4f50\n"
          "\"Install Dir\"=\"C:\\\\Program Files\\\\EA GAMES\\\\Les Sims\\x2122 2\"\n";
    static constexpr const char* kDocumentsKey
        = "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1700000000\n"
          "\"Desktop\"=\"C:\\\\users\\\\Zo\\xeb\\\\Desktop\"\n"
          "\"Personal\"=\"C:\\\\users\\\\Zo\\xeb\\\\Documents\"\n";
};

TEST_F(WinePrefixTest, readsInstallAndDocumentsFoldersAsHostPaths)
{
    writeSystemReg(kInstallKey);
    writeUserReg(kDocumentsKey);
    gsGetSims2Paths();
    EXPECT_EQ(gstrSims2InstallPath, hostPath(fs::path("Program Files") / "EA Games" / "Les Sims™ 2"));
    EXPECT_EQ(gstrDocumentsPath, hostPath(fs::path("users") / "Zoë" / "Documents"));
    EXPECT_EQ(gstrSims2DataPath, hostPath(fs::path("users") / "Zoë" / "Documents" / "EA Games" / "Les Sims 2"));
    EXPECT_TRUE(mTraps.empty());
}

TEST_F(WinePrefixTest, machineKeyOutsideTheThirtyTwoBitViewIsFoundToo)
{
    writeSystemReg("[Software\\\\EA GAMES\\\\The Sims 2] 1\n\"Install Dir\"=\"C:\\\\Program Files\"\n");
    std::int32_t size = 0;
    EXPECT_EQ(
        gfstrGetRegistryValue(RegistryRoot::LocalMachine, gstrInstallKey, gstrInstallValue, size), "C:\\Program Files");
    EXPECT_EQ(size, 17);
}

TEST_F(WinePrefixTest, missingRegistryFilesKeysAndValuesGiveErrorMarkers)
{
    gsGetSims2Paths();
    EXPECT_EQ(gstrSims2InstallPath, "ERROR");
    EXPECT_EQ(gstrDocumentsPath, "ERROR");

    writeSystemReg("[Software\\\\EA GAMES\\\\The Sims 3] 1\n\"Install Dir\"=\"C:\\\\x\"\n");
    writeUserReg("[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1\n"
                 "\"Desktop\"=\"C:\\\\users\\\\Zo\\xeb\\\\Desktop\"\n");
    gsGetSims2Paths();
    EXPECT_EQ(gstrSims2InstallPath, "ERROR");
    EXPECT_EQ(gstrDocumentsPath, "ERROR");
    EXPECT_EQ(gstrSims2DataPath, "ERROR");
    EXPECT_TRUE(mTraps.empty());
}

TEST_F(WinePrefixTest, deletedInstallFolderGivesEmptyPath)
{
    writeSystemReg(kInstallKey);
    writeUserReg(kDocumentsKey);
    fs::remove_all(driveC() / "Program Files" / "EA Games");
    gsGetSims2Paths();
    EXPECT_EQ(gstrSims2InstallPath, "");
    EXPECT_EQ(gstrSims2DataPath, hostPath(fs::path("users") / "Zoë" / "Documents" / "EA Games" / "Les Sims 2"));
}

TEST_F(WinePrefixTest, valuesLongerThanTheFirstBufferAreReadWhole)
{
    std::string longFolder = "C:\\";
    for (int i = 0; i < 30; ++i)
        longFolder += "folder " + std::to_string(i) + "\\";
    longFolder += "Documents";
    ASSERT_GT(longFolder.size(), 254U);
    std::string escaped;
    for (const char c : longFolder)
        escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    writeUserReg("[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1\n"
                 "\"Personal\"=\""
        + escaped + "\"\n");

    std::int32_t size = 0;
    EXPECT_EQ(gfstrGetRegistryValue(RegistryRoot::CurrentUser, gstrDocumentsKey, gstrDocumentsValue, size), longFolder);
    EXPECT_EQ(size, static_cast<std::int32_t>(longFolder.size() + 1));
}

TEST_F(WinePrefixTest, documentsOnAnUnlinkedDriveStayAsTheRegistryGivesThem)
{
    writeUserReg("[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1\n"
                 "\"Personal\"=\"Q:\\\\Documents\\\\\"\n");
    gsGetSims2Paths();
    EXPECT_EQ(gstrDocumentsPath, "Q:\\Documents");
    EXPECT_EQ(gstrSims2DataPath, "ERROR");
}

#endif

} // namespace
} // namespace varnick
