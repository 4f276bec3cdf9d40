#include "app/platform/WineRegistry.h"

#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace varnick::wine {
namespace {

TEST(WineRegistryText, unescapesQuotesBackslashesControlsAndUtf16Units)
{
    EXPECT_EQ(unescape(R"(C:\\Program Files\\EA GAMES)"), "C:\\Program Files\\EA GAMES");
    EXPECT_EQ(unescape(R"(say \"hi\"\n\t\r)"), "say \"hi\"\n\t\r");
    EXPECT_EQ(unescape(R"(Caf\xe9)"), "Café");
    EXPECT_EQ(unescape(R"(\x00e9t\x00e9)"), "été"); // four digits when a hex digit follows
    EXPECT_EQ(unescape(R"(\x41BC)"), "\xe4\x86\xbc"); // up to four digits belong to the escape
    EXPECT_EQ(unescape(R"(\xd83d\xde00!)"), "\xF0\x9F\x98\x80!"); // a surrogate pair is one character
    EXPECT_EQ(unescape(R"(\xd83d!)"), "\xEF\xBF\xBD!"); // a lone surrogate is replaced
    EXPECT_EQ(unescape("M\xc3\xb6"
                       "bel"),
        "M\xc3\xb6"
        "bel"); // UTF-8 in the file passes unchanged
    EXPECT_EQ(unescape(R"(a\0b)"), std::string("a\0b", 3));
    EXPECT_EQ(unescape(R"(\101\q\x)"), "Aqx");
    EXPECT_EQ(unescape("trailing\\"), "trailing\\");
}

constexpr std::string_view kSystemReg = R"(WINE REGISTRY Version 2
;; All keys relative to \\Machine

#arch=win32

[Software\\EA GAMES\\The Sims 2] 1700000000
#time=1da0b1c2d3e4f50
"Count"=dword:00000001
"Blob"=hex:22,49,6e,73,74,61,6c,6c,20,44,69,72,22,3d,\
  22,78,22
"DisplayName"="The Sims\x2122 2"
"Install Dir"="C:\\Program Files\\EA GAMES\\The Sims 2"
@="the default"
"Expand"=str(2):"%ProgramFiles%\\Caf\xe9"
"Multi"=str(7):"first\0second\0"
"Broken"="no closing quote

[Software\\EA GAMES\\The Sims 2\\Sub] 1700000001
"Install Dir"="C:\\wrong"
)";

TEST(WineRegistryText, findsTextValuesOfTheKeyIgnoringAsciiCase)
{
    EXPECT_EQ(findTextValue(kSystemReg, "SOFTWARE\\EA GAMES\\The Sims 2", "Install Dir"),
        "C:\\Program Files\\EA GAMES\\The Sims 2");
    EXPECT_EQ(findTextValue(kSystemReg, "software\\ea games\\the sims 2", "INSTALL DIR"),
        "C:\\Program Files\\EA GAMES\\The Sims 2");
    EXPECT_EQ(findTextValue(kSystemReg, "Software\\EA GAMES\\The Sims 2", "DisplayName"), "The Sims\u2122 2");
    EXPECT_EQ(findTextValue(kSystemReg, "Software\\EA GAMES\\The Sims 2", ""), "the default");
    EXPECT_EQ(findTextValue(kSystemReg, "Software\\EA GAMES\\The Sims 2", "Expand"), "%ProgramFiles%\\Café");
    EXPECT_EQ(findTextValue(kSystemReg, "Software\\EA GAMES\\The Sims 2", "Multi"), "first");
    EXPECT_EQ(findTextValue(kSystemReg, "Software\\EA GAMES\\The Sims 2\\Sub", "Install Dir"), "C:\\wrong");
}

TEST(WineRegistryText, missingKeysValuesAndOtherTypesAreNotText)
{
    EXPECT_FALSE(findTextValue(kSystemReg, "Software\\EA GAMES", "Install Dir"));
    EXPECT_FALSE(findTextValue(kSystemReg, "Software\\EA GAMES\\The Sims 2", "Missing"));
    EXPECT_FALSE(findTextValue(kSystemReg, "Software\\EA GAMES\\The Sims 2", "Count"));
    EXPECT_FALSE(findTextValue(kSystemReg, "Software\\EA GAMES\\The Sims 2", "Blob"));
    EXPECT_FALSE(findTextValue(kSystemReg, "Software\\EA GAMES\\The Sims 2", "Broken"));
    EXPECT_FALSE(findTextValue("", "Software", "x"));
    EXPECT_FALSE(findTextValue("[unterminated\n\"x\"=\"y\"\n", "unterminated", "x"));
}

TEST(WineRegistryText, survivesEveryTruncationOfAFile)
{
    const std::string text(kSystemReg);
    for (std::size_t length = 0; length <= text.size(); ++length)
        (void)findTextValue(std::string_view(text).substr(0, length), "Software\\EA GAMES\\The Sims 2", "Install Dir");
}

TEST(WineRegistryText, readsCrLfFilesAndReportsUnreadableFiles)
{
    test::TemporaryFolder folder;
    std::ofstream(folder.path() / "user.reg", std::ios::binary)
        << "WINE REGISTRY Version 2\r\n[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell "
           "Folders] 1\r\n\"Personal\"=\"C:\\\\users\\\\Zo\\xeb\\\\Documents\"\r\n";
    EXPECT_EQ(readTextValue(folder.path() / "user.reg",
                  "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Personal"),
        "C:\\users\\Zoë\\Documents");
    EXPECT_FALSE(readTextValue(folder.path() / "missing.reg", "Software", "Personal"));
}

#ifndef _WIN32
TEST(WinePaths, translatesDrivePathsThroughDriveLinksMatchingCaseLikeWindows)
{
    test::TemporaryFolder prefix;
    fs::create_directories(prefix.path() / "drive_c" / "Program Files" / "EA Games" / "The Sims 2");
    fs::create_directories(prefix.path() / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix.path() / "dosdevices" / "c:");
    const fs::path driveC = fs::canonical(prefix.path() / "drive_c");

    EXPECT_EQ(hostPath(prefix.path(), "C:\\Program Files\\EA GAMES\\The Sims 2"),
        driveC / "Program Files" / "EA Games" / "The Sims 2");
    EXPECT_EQ(hostPath(prefix.path(), "c:/program files/"), driveC / "Program Files");
    EXPECT_EQ(hostPath(prefix.path(), "C:\\"), driveC);
    // A missing part keeps its spelling, and so does everything after it.
    EXPECT_EQ(hostPath(prefix.path(), "C:\\Program Files\\Gone\\Sub"), driveC / "Program Files" / "Gone" / "Sub");
    EXPECT_FALSE(hostPath(prefix.path(), "D:\\Games"));
    EXPECT_FALSE(hostPath(prefix.path(), "\\\\server\\share"));
    EXPECT_FALSE(hostPath(prefix.path(), "/home/user"));
    EXPECT_FALSE(hostPath(prefix.path(), ""));
}

TEST(WinePaths, prefixComesFromWineprefixElseHome)
{
    test::ScopedEnvironment environment;
    environment.set("WINEPREFIX", "/opt/prefix");
    EXPECT_EQ(prefixFolder(), fs::path("/opt/prefix"));
    environment.set("WINEPREFIX", std::nullopt);
    environment.set("HOME", "/home/zoë");
    EXPECT_EQ(prefixFolder(), fs::path("/home/zoë/.wine"));
}
#endif

} // namespace
} // namespace varnick::wine
