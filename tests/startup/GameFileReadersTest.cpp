// The readers of files the game search finds on the player's disk: a Wine
// prefix's registry files, Steam's library list and manifests, and the
// settings file. Whatever a file holds, a reader either reads it or refuses
// it with a reason; it never crashes.

#include "app/startup/core/GameFileError.h"
#include "app/startup/core/RememberedGame.h"
#include "app/startup/core/SteamKeyValues.h"
#include "app/startup/core/WineRegistryFile.h"
#include "tests/common/SeedCorpus.h"
#include "tests/startup/GameFixtures.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace varnick {
namespace {

using wine::RegistryFile;
using wine::RegistryValue;

const std::string kHeader = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n";

const std::string kGoodRegistry = kHeader
    + "\n[Software\\\\Wow6432Node\\\\EA GAMES\\\\The Sims 2] 1700000000\n"
      "#time=1da0b1c2d3e4f50\n"
      "\"DisplayName\"=\"The Sims\\x2122 2 Ultimate Collection\"\n"
      "\"Install Dir\"=\"C:\\\\Program Files (x86)\\\\EA GAMES\\\\The Sims 2 Ultimate Collection\"\n"
      "\"Expand\"=str(2):\"%ProgramFiles%\\\\Caf\\xe9\"\n"
      "\"Installed\"=dword:0000000a\n"
      "@=\"default\\0after nul\"\n"
      "\"Blob\"=hex:01,02,\\\n"
      "  03,04\n"
      "\"Multi\"=hex(7):41,00,00,00\n"
      "\n[Software\\\\Other] 1700000000\n"
      "\"Install Dir\"=\"elsewhere\"\n";

// Expects statement to throw GameFileError whose reason holds part.
#define EXPECT_REFUSED(statement, part)                                                                                \
    do {                                                                                                               \
        try {                                                                                                          \
            statement;                                                                                                 \
            ADD_FAILURE() << "not refused; expected a reason holding \"" << (part) << "\"";                            \
        } catch (const GameFileError& error) {                                                                         \
            EXPECT_NE(std::string(error.what()).find(part), std::string::npos) << error.what();                        \
        }                                                                                                              \
    } while (false)

TEST(WineRegistryFile, readsTextNumbersAndTheDefaultValueWithoutCase)
{
    const RegistryFile file = RegistryFile::parse(kGoodRegistry);
    const std::string key = "SOFTWARE\\wow6432node\\EA Games\\THE SIMS 2";
    EXPECT_EQ(file.text(key, "displayname"), "The Sims™ 2 Ultimate Collection");
    EXPECT_EQ(file.text(key, "Install Dir"), "C:\\Program Files (x86)\\EA GAMES\\The Sims 2 Ultimate Collection");
    EXPECT_EQ(file.text(key, "Expand"), "%ProgramFiles%\\Café");
    EXPECT_EQ(file.text(key, ""), "default"); // the text ends at its first NUL
    ASSERT_NE(file.value(key, "Installed"), nullptr);
    EXPECT_EQ(file.value(key, "Installed")->kind, RegistryValue::Kind::Number);
    EXPECT_EQ(file.value(key, "Installed")->number, 10U);
    EXPECT_EQ(file.value(key, "Blob")->kind, RegistryValue::Kind::Other);
    EXPECT_EQ(file.text(key, "Blob"), std::nullopt);
    EXPECT_EQ(file.text(key, "Missing"), std::nullopt);
    EXPECT_EQ(file.text("\\Software\\Other\\", "Install Dir"), "elsewhere");
    EXPECT_EQ(file.text("Software\\Oth", "Install Dir"), std::nullopt);
}

TEST(WineRegistryFile, keepsOnlyTheKeysAskedFor)
{
    const RegistryFile file
        = RegistryFile::parse(kGoodRegistry, [](std::string_view key) { return key.starts_with("software\\other"); });
    EXPECT_EQ(file.keyCount(), 1U);
    EXPECT_FALSE(file.hasKey("Software\\Wow6432Node\\EA GAMES\\The Sims 2"));
    EXPECT_EQ(file.text("Software\\Other", "Install Dir"), "elsewhere");
}

TEST(WineRegistryFile, refusesDamagedFilesWithTheirReason)
{
    const std::string key = "\n[Software\\\\X] 1\n";
    const struct {
        std::string text;
        std::string reason;
    } cases[] = {
        { "", "is empty" },
        { "REGEDIT4\n" + key, "not a Wine registry file" },
        { kHeader + key + std::string("\"A\"=\"t\0\"\n", 9), "NUL bytes" },
        { kHeader + "\n[Software\\\\X 1\n", "line 6: a key name has no closing bracket" },
        { kHeader + key + "\"Install Dir\"=\"C:\\\\Program Fi", "line 7: a text has no closing quote" },
        { kHeader + key + "\"Install Dir=\"x\"\n", "a value name is not followed by '='" },
        { kHeader + key + "\"Install Dir\n", "a value name has no closing quote" },
        { kHeader + "\"A\"=\"x\"\n", "a value stands before the first key" },
        { kHeader + key + "\"A\"=qword:1\n", "a value of unknown type" },
        { kHeader + key + "\"A\"=dword:123\n", "eight hex digits" },
        { kHeader + key + "\"A\"=dword:1234567g\n", "eight hex digits" },
        { kHeader + key + "\"A\"=str(2\"x\"\n", "no closing parenthesis" },
        { kHeader + key + "\"A\"=str(2):x\n", "not quoted" },
        { kHeader + key + "\"A\"=\"x\" junk\n", "text follows a closed value" },
        { kHeader + key + "\"A\"=hex:01,zz\n", "binary data holds 'z'" },
        { kHeader + key + "\"A\"=hex:01,02,\\\n  03,\\\n", "ends inside a value" },
        { kHeader + key + "garbage line\n", "neither a key nor a value" },
        { kHeader + key + "\"A\"=\"" + std::string(RegistryFile::kMaxLineBytes, 'x') + "\"\n", "longer than 1 MiB" },
    };
    for (const auto& c : cases)
        EXPECT_REFUSED(RegistryFile::parse(c.text), c.reason);
}

// A file cut off anywhere (a crash while Wine wrote it) is read or refused, never misread past its end.
TEST(WineRegistryFile, everyTruncationIsReadOrRefused)
{
    for (std::size_t length = 0; length <= kGoodRegistry.size(); ++length) {
        try {
            const RegistryFile file = RegistryFile::parse(std::string_view(kGoodRegistry).substr(0, length));
            if (const auto display = file.text("Software\\Wow6432Node\\EA GAMES\\The Sims 2", "DisplayName")) {
                EXPECT_EQ(*display, "The Sims™ 2 Ultimate Collection") << length;
            }
        } catch (const GameFileError&) {
        }
    }
}

TEST(WineRegistryFile, refusesFilesThatAreMissingOrTooLargeUnread)
{
    test::TemporaryFolder folder;
    EXPECT_REFUSED(RegistryFile::read(folder.path() / "system.reg"), "cannot be read");
    const fs::path huge = folder.path() / "huge.reg";
    test::writeText(huge, kGoodRegistry);
    // A sparse file: its size is what counts, and nothing of it is read.
    fs::resize_file(huge, RegistryFile::kMaxFileBytes + 1);
    EXPECT_REFUSED(RegistryFile::read(huge), "is larger than 128 MiB");
    fs::resize_file(huge, kGoodRegistry.size());
    EXPECT_TRUE(RegistryFile::read(huge).hasKey("Software\\Other"));
}

TEST(WineRegistryFile, seedCorpusIsReadOrRefused)
{
    for (const ByteString& seed : test::seedCorpus("wine_registry")) {
        try {
            RegistryFile::parse(seed);
        } catch (const GameFileError&) {
        }
    }
}

const std::string kLibraries = R"("libraryfolders"
{
	"0"
	{
		"path"		"/home/zoë/.local/share/Steam"
		"label"		""
		"apps"
		{
			"228980"		"375828026"
		}
	}
	// a second drive
	"1"
	{
		"path"		"D:\\SteamLibrary"   [$WIN32]
		"apps" { "3314070" "5432109876" }
	}
	"contentstatsid"		"-123"
	"2" { "label" "no path" }
}
)";

TEST(SteamKeyValues, listsTheLibrariesInFileOrder)
{
    EXPECT_EQ(steam::libraryFolders(kLibraries),
        (std::vector<fs::path> { pathFromUtf8("/home/zoë/.local/share/Steam"), pathFromUtf8("D:\\SteamLibrary") }));
    // The older list names the folders directly.
    EXPECT_EQ(steam::libraryFolders("\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\"1\"\n\t\"1\"\t\"/mnt/"
                                    "games\"\n\t\"2\"\t\"/mnt/more \\\"games\\\"\"\n}\n"),
        (std::vector<fs::path> { "/mnt/games", "/mnt/more \"games\"" }));
    EXPECT_REFUSED(steam::libraryFolders("\"config\" { }"), "no \"libraryfolders\" block");
}

TEST(SteamKeyValues, readsTheInstallFolderOfAManifest)
{
    EXPECT_EQ(steam::manifestInstallFolder("\"AppState\"\n{\n\t\"appid\"\t\t\"3314070\"\n\t\"name\"\t\t\"The Sims 2 "
                                           "Legacy Collection\"\n\t\"installdir\"\t\t\"Sims 2 Legacy\"\n}\n"),
        "Sims 2 Legacy");
    EXPECT_EQ(steam::manifestInstallFolder("\"AppState\" { \"appid\" \"1\" }"), std::nullopt);
}

TEST(SteamKeyValues, refusesDamagedFilesWithTheirReason)
{
    std::string deep;
    for (int i = 0; i <= steam::kMaxKeyValueDepth + 1; ++i)
        deep += "\"k\" {";
    const struct {
        std::string text;
        std::string reason;
    } cases[] = {
        { "\"libraryfolders\" { \"0\" { \"path\" \"/x", "line 1: a quoted text has no closing quote" },
        { "\"libraryfolders\"\n{\n\"0\" {\n", "line 4: the file ends inside a block" },
        { "\"libraryfolders\" { }\n}", "a closing brace has no opening one" },
        { "\"libraryfolders\" { \"0\" }", "a key has no value" },
        { "\"libraryfolders\"", "ends after a key" },
        { "{ \"a\" \"b\" }", "a block has no key" },
        { "\"a\" \"b\" [$WIN32\n", "a condition has no closing bracket" },
        { std::string("\"a\" \"b\0\"", 8), "NUL bytes" },
        { deep, "nested deeper than 32" },
    };
    for (const auto& c : cases)
        EXPECT_REFUSED(steam::libraryFolders(c.text), c.reason);
}

TEST(SteamKeyValues, everyTruncationAndHostileRepetitionIsReadOrRefused)
{
    for (std::size_t length = 0; length <= kLibraries.size(); ++length) {
        try {
            steam::libraryFolders(std::string_view(kLibraries).substr(0, length));
        } catch (const GameFileError&) {
        }
    }
    std::string many = "\"libraryfolders\" {";
    for (std::size_t i = 0; i <= steam::kMaxKeyValueCount; ++i)
        many += "\"1\" \"/x\"\n";
    EXPECT_REFUSED(steam::libraryFolders(many + "}"), "more than 200000 keys");
    for (const ByteString& seed : test::seedCorpus("steam_key_values")) {
        try {
            steam::libraryFolders(seed);
        } catch (const GameFileError&) {
        }
    }
}

TEST(RememberedGame, readsTheSettingAsTheSettingsLayerWritesIt)
{
    const std::string ini
        = "[General]\nGame%20Data%20Folder=/not/this/section\n\n[Settings]\n"
          "Last%20Move%20Destination=/elsewhere\n"
          "Game%20Data%20Folder=\"/home/zo\xc3\xab/EA Games/The Sims 2 \\\"x\\\", y; z=1 \\\\ \\t end\"\n"
          "Plain=C:\\\\Users\\\\me\\\\Documents\n"
          "At=@@home\n"
          "Lead=\" lead\"\n";
    EXPECT_EQ(
        iniSettingValue(ini, "Settings", "Game Data Folder"), "/home/zoë/EA Games/The Sims 2 \"x\", y; z=1 \\ \t end");
    EXPECT_EQ(iniSettingValue(ini, "Settings", "Plain"), "C:\\Users\\me\\Documents");
    EXPECT_EQ(iniSettingValue(ini, "Settings", "At"), "@home");
    EXPECT_EQ(iniSettingValue(ini, "Settings", "Lead"), " lead");
    EXPECT_EQ(iniSettingValue(ini, "Settings", "Missing"), std::nullopt);
    EXPECT_EQ(iniSettingValue(ini, "Other", "Game Data Folder"), std::nullopt);

    EXPECT_REFUSED(iniSettingValue("[Settings]\nA=/one, /two\n", "Settings", "A"), "a list");
    EXPECT_REFUSED(iniSettingValue("[Settings]\nA=\"/open\n", "Settings", "A"), "closing quote");
    EXPECT_REFUSED(iniSettingValue("[Settings]\nA=@Variant(\\0\\0\\0\\x7f)\n", "Settings", "A"), "not a text");
    EXPECT_REFUSED(iniSettingValue("[Settings]\nA=end\\", "Settings", "A"), "inside an escape");
}

TEST(RememberedGame, seedCorpusIsReadOrRefused)
{
    for (const ByteString& seed : test::seedCorpus("remembered_setting")) {
        try {
            if (const auto value = iniSettingValue(seed, "Settings", kGameDataFolderSetting))
                checkedRememberedFolder(*value);
        } catch (const GameFileError&) {
        }
    }
}

TEST(RememberedGame, acceptsOnlyAnExistingFolderNamedInFull)
{
    test::TemporaryFolder folder;
    EXPECT_EQ(checkedRememberedFolder(pathToUtf8(folder.path())), folder.path());
    const struct {
        std::string value;
        std::string reason;
    } cases[] = {
        { "relative/folder", "not a full folder path" },
        { pathToUtf8(folder.path() / "gone"), "does not exist" },
        { pathToUtf8(folder.path()) + "\n/etc", "control characters" },
        { "/\xff\xfe", "not valid UTF-8" },
        { "/" + std::string(kMaxRememberedFolderBytes, 'a'), "longer than 32767 bytes" },
    };
    for (const auto& c : cases)
        EXPECT_REFUSED(checkedRememberedFolder(c.value), c.reason);
}

} // namespace
} // namespace varnick
