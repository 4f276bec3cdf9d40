// varnick-cli locate and clear-caches, run as a script runs them, on a home
// laid out as the editions leave it.

#include "package/base/Folders.h"
#include "tests/startup/GameFixtures.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>

namespace fs = std::filesystem;

namespace varnick {
namespace {

#ifndef _WIN32

std::string quoted(const fs::path& path)
{
    std::string text = "'";
    for (const char c : pathToUtf8(path))
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

class LocateCliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mTool = programFolder() / "varnick-cli";
        if (!fs::exists(mTool))
            GTEST_SKIP() << "varnick-cli is not built";
        fs::create_directories(home());
    }

    fs::path home() const { return mRoot.path() / "home"; }

    /// Runs the tool with home as HOME and nothing else pointing at a game; returns its exit status.
    int run(const std::string& arguments, const std::string& environment = {}) const
    {
        const std::string command = "env -u WINEPREFIX -u VARNICK_DOCUMENTS_DIR -u VARNICK_SIMS2_INSTALL_DIR -u "
                                    "XDG_CONFIG_HOME HOME="
            + quoted(home()) + " VARNICK_SETTINGS_FILE=" + quoted(mRoot.path() / "settings.ini") + " " + environment
            + " " + quoted(mTool) + " " + arguments + " >" + quoted(mRoot.path() / "out") + " 2>"
            + quoted(mRoot.path() / "err");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string out() const { return test::readFileBytes(mRoot.path() / "out"); }
    std::string err() const { return test::readFileBytes(mRoot.path() / "err"); }

    test::TemporaryFolder mRoot;
    fs::path mTool;
};

TEST_F(LocateCliTest, printsNothingFoundAsAnEmptyListWithStatusZero)
{
    ASSERT_EQ(run("locate --json"), 0) << err();
    EXPECT_EQ(nlohmann::json::parse(out()), nlohmann::json::parse(R"({"installs": [], "skipped": []})"));
    ASSERT_EQ(run("locate"), 0);
    EXPECT_EQ(out(), "No installation of The Sims 2 was found.\n");
}

TEST_F(LocateCliTest, listsEachEditionWithItsDownloadsFolderInTheDocumentedShape)
{
    const fs::path steam = home() / ".local" / "share" / "Steam";
    const fs::path legacyInstall = test::makeLegacyInstall(steam);
    const test::FixturePrefix proton(steam / "steamapps" / "compatdata" / "3314070" / "pfx");
    proton.machineKeys("");
    proton.userKeys(test::legacyUserKey("Los Sims 2 Legado", std::nullopt));
    const fs::path legacy = proton.dataFolder("Los Sims 2 Legado");
    const fs::path mac = home() / "Library" / "Application Support" / "Aspyr" / "The Sims 2";
    fs::create_directories(mac / "Downloads");
    fs::last_write_time(mac, fs::file_time_type::clock::now() - std::chrono::hours(24));
    fs::last_write_time(mac / "Downloads", fs::file_time_type::clock::now() - std::chrono::hours(24));
    test::writeText(home() / ".wine" / "system.reg", "WINE REGISTRY Version 2\n\n[Software\\\\X] 1\n\"A\"=\"cut");

    ASSERT_EQ(run("locate --json"), 0) << err();
    const std::string text = out();
    const auto json = nlohmann::json::parse(text);
    ASSERT_EQ(json["installs"].size(), 2U) << text;
    const auto& first = json["installs"][0];
    EXPECT_EQ(first["edition"], "legacy");
    EXPECT_EQ(first["install_dir"], pathToUtf8(test::resolved(legacyInstall)));
    EXPECT_EQ(first["data_dir"], pathToUtf8(test::resolved(legacy)));
    EXPECT_EQ(first["downloads"], pathToUtf8(test::resolved(legacy) / "Downloads"));
    EXPECT_EQ(first["display_name"], "Los Sims 2 Legado");
    EXPECT_TRUE(first["source"].is_string());
    const auto& second = json["installs"][1];
    EXPECT_EQ(second["edition"], "mac");
    EXPECT_TRUE(second["install_dir"].is_null());
    EXPECT_TRUE(second["display_name"].is_null());
    EXPECT_EQ(second["downloads"], pathToUtf8(test::resolved(mac) / "Downloads"));
    ASSERT_EQ(json["skipped"].size(), 1U);
    EXPECT_EQ(json["skipped"][0]["file"], pathToUtf8(home() / ".wine" / "system.reg"));
    EXPECT_NE(json["skipped"][0]["reason"].get<std::string>().find("no closing quote"), std::string::npos);
    // The keys in the documented order.
    EXPECT_LT(text.find("\"edition\""), text.find("\"source\""));
    EXPECT_LT(text.find("\"source\""), text.find("\"install_dir\""));
    EXPECT_LT(text.find("\"install_dir\""), text.find("\"data_dir\""));
    EXPECT_LT(text.find("\"data_dir\""), text.find("\"downloads\""));
    EXPECT_LT(text.find("\"downloads\""), text.find("\"display_name\""));
    EXPECT_LT(text.find("\"installs\""), text.find("\"skipped\""));

    // The folder chosen in the program comes first.
    test::writeText(
        mRoot.path() / "settings.ini", "[Settings]\nGame%20Data%20Folder=" + pathToUtf8(test::resolved(mac)) + "\n");
    ASSERT_EQ(run("locate --json"), 0) << err();
    EXPECT_EQ(nlohmann::json::parse(out())["installs"][0]["edition"], "mac");

    ASSERT_EQ(run("locate"), 0) << err();
    const std::string table = out();
    EXPECT_EQ(table.rfind("#   Edition", 0), 0U) << table;
    EXPECT_NE(table.find("1*  macOS"), std::string::npos) << table;
    EXPECT_NE(table.find("Los Sims 2 Legado"), std::string::npos);
    EXPECT_NE(table.find("* chosen last time"), std::string::npos);
    EXPECT_NE(table.find("Skipped " + pathToUtf8(home() / ".wine" / "system.reg") + ": "), std::string::npos);
}

TEST_F(LocateCliTest, helpDocumentsTheSearchOrderAndTheSkippedList)
{
    ASSERT_EQ(run("locate --help"), 0);
    const std::string help = out();
    for (const char* part : { "\"skipped\"", "compatdata/3314070/pfx", "libraryfolders.vdf", "~/.wine",
             "Ultimate Collection 25", "Steam App 3314070", "Application Support/Aspyr" })
        EXPECT_NE(help.find(part), std::string::npos) << part;
    const std::size_t order = help.find("Searched in this order:");
    ASSERT_NE(order, std::string::npos);
    EXPECT_LT(help.find("VARNICK_DOCUMENTS_DIR", order), help.find("chosen last time", order));
    EXPECT_LT(help.find("chosen last time", order), help.find("Ultimate Collection 25", order));
    EXPECT_LT(help.find("$WINEPREFIX", order), help.find("~/.wine", order));
}

TEST_F(LocateCliTest, clearCachesMovesTheCachesToTheBackupFolder)
{
    const fs::path data = mRoot.path() / "Die Sims 2";
    test::writeText(data / "Groups.cache", "groups");
    test::writeText(data / "Thumbnails" / "BuildModeThumbnails.package", "build");
    ASSERT_EQ(run("clear-caches --data " + quoted(data) + " --backup-folder " + quoted(mRoot.path() / "b")), 0)
        << err();
    EXPECT_NE(out().find("moved\t" + pathToUtf8(data / "Groups.cache") + "\t" + pathToUtf8(mRoot.path() / "b")),
        std::string::npos)
        << out();
    EXPECT_NE(out().find("BuildModeThumbnails.package"), std::string::npos);
    EXPECT_FALSE(fs::exists(data / "Groups.cache"));
    ASSERT_EQ(run("clear-caches --data " + quoted(data) + " --backup-folder " + quoted(mRoot.path() / "b")), 0);
    EXPECT_EQ(out(), "No game caches to clear in " + pathToUtf8(data) + ".\n");
    EXPECT_EQ(run("clear-caches --data " + quoted(mRoot.path() / "missing")), 1);
    EXPECT_NE(err().find("does not exist"), std::string::npos) << err();
}

#endif

} // namespace
} // namespace varnick
