// The game search against the real registry: the editions' keys are written
// with reg.exe, as their installers and first starts leave them, and read back
// through the program's search. Also the game-running check against a real
// process named like the game.

#include "app/startup/core/GameLocator.h"
#include "app/startup/core/RunningGame.h"
#include "package/base/Paths.h"
#include "tests/windows/WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace varnick {
namespace {

using test::createFolders;
using test::runProgram;
using test::utf8;

const std::wstring kLegacyKey = L"HKCU\\Software\\Electronic Arts\\The Sims 2 Ultimate Collection 25";
const std::wstring kSteamKey = L"HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App 3314070";
const std::wstring kEaGamesKey = L"HKLM\\SOFTWARE\\EA GAMES\\The Sims 2";
const std::wstring kShellFoldersKey = L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// Where the shell keeps the Documents known folder; it copies the path into Shell Folders when asked.
const std::wstring kUserShellFoldersKey
    = L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

std::wstring quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

/// reg add of one value; view is L"" (native) or L"32".
void regAdd(const std::wstring& key, const std::wstring& name, const std::wstring& data,
    const std::wstring& type = L"REG_SZ", const std::wstring& view = {})
{
    ASSERT_NE(data.back(), L'\\') << "a closing backslash would escape the quote on reg.exe's command line";
    std::wstring command
        = L"reg.exe add " + quoted(key) + L" /v " + quoted(name) + L" /t " + type + L" /d " + quoted(data) + L" /f";
    if (!view.empty())
        command += L" /reg:" + view;
    ASSERT_EQ(runProgram(command), 0) << utf8(command);
}

void regDeleteKey(const std::wstring& key, const std::wstring& view = {})
{
    std::wstring command = L"reg.exe delete " + quoted(key) + L" /f";
    if (!view.empty())
        command += L" /reg:" + view;
    runProgram(command);
}

void regDeleteValue(const std::wstring& key, const std::wstring& name)
{
    runProgram(L"reg.exe delete " + quoted(key) + L" /v " + quoted(name) + L" /f");
}

/// The Personal value of HKCU\key, unexpanded.
std::optional<std::wstring> personalFolder(const std::wstring& key)
{
    const std::wstring subkey = key.substr(std::wstring(L"HKCU\\").size());
    const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, subkey.c_str(), L"Personal", flags, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, subkey.c_str(), L"Personal", flags, nullptr, value.data(), &bytes)
        != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

bool registryMayBeChanged()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr)
        return true;
    wchar_t flag[4] {};
    return GetEnvironmentVariableW(L"VARNICK_REGISTRY_TESTS", flag, 4) == 1 && flag[0] == L'1';
}

GameSearchPlaces machinePlaces()
{
    GameSearchPlaces places;
    places.environment = [](const char*) { return std::optional<std::string>(); };
    places.machineRegistry = true;
    places.homeFolders = false;
    return places;
}

const GameInstall* withData(const GameSearch& search, const std::wstring& data)
{
    for (const GameInstall& install : search.installs) {
        std::error_code error;
        if (fs::equivalent(install.dataFolder, fs::path(data), error))
            return &install;
    }
    return nullptr;
}

class GameLocatorRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!registryMayBeChanged())
            GTEST_SKIP() << "changes the registry; set VARNICK_REGISTRY_TESTS=1 to run it outside Wine";
        mChanging = true;
        mSavedPersonal = personalFolder(kShellFoldersKey);
        mSavedUserPersonal = personalFolder(kUserShellFoldersKey);
        deleteKeys();
        // A Documents folder the player moved: the known folder and the shell's copy of it agree.
        mDocuments = mScratch.path() + L"\\Mis documentos";
        ASSERT_TRUE(createFolders(mDocuments));
        regAdd(kUserShellFoldersKey, L"Personal", mDocuments, L"REG_EXPAND_SZ");
        regAdd(kShellFoldersKey, L"Personal", mDocuments);
    }

    void TearDown() override
    {
        if (!mChanging)
            return;
        deleteKeys();
        // A value left behind would name a folder removed with the scratch folder.
        if (mSavedUserPersonal)
            regAdd(kUserShellFoldersKey, L"Personal", *mSavedUserPersonal, L"REG_EXPAND_SZ");
        else
            regDeleteValue(kUserShellFoldersKey, L"Personal");
        if (mSavedPersonal)
            regAdd(kShellFoldersKey, L"Personal", *mSavedPersonal);
        else
            regDeleteValue(kShellFoldersKey, L"Personal");
    }

    static void deleteKeys()
    {
        regDeleteKey(kLegacyKey);
        regDeleteKey(kSteamKey, L"32");
        regDeleteKey(kEaGamesKey, L"32");
        regDeleteKey(kEaGamesKey, L"64");
    }

    test::NonAsciiScratchFolder mScratch;
    std::wstring mDocuments;
    std::optional<std::wstring> mSavedPersonal;
    std::optional<std::wstring> mSavedUserPersonal;
    bool mChanging = false;
};

TEST_F(GameLocatorRegistry, findsTheLegacyCollectionBeforeAndAfterItsFirstStart)
{
    const std::wstring steamInstall = mScratch.path() + L"\\Steam\\steamapps\\common\\The Sims 2 Legacy Collection";
    ASSERT_TRUE(createFolders(steamInstall + L"\\EP9\\TSBin"));
    regAdd(kSteamKey, L"InstallLocation", steamInstall, L"REG_SZ", L"32");

    GameSearch found = findGameInstalls(machinePlaces());
    ASSERT_FALSE(found.installs.empty());
    const auto legacy = std::find_if(found.installs.begin(), found.installs.end(), [&](const GameInstall& install) {
        std::error_code error;
        return install.installFolder && fs::equivalent(*install.installFolder, fs::path(steamInstall), error);
    });
    ASSERT_NE(legacy, found.installs.end());
    EXPECT_EQ(legacy->edition, GameEdition::Legacy);
    EXPECT_FALSE(legacy->dataFolderExists);
    EXPECT_NE(legacy->source.find("Steam App 3314070"), std::string::npos) << legacy->source;

    // The first start writes the per-user key and makes the data folder under the game's own name.
    const std::wstring data = mDocuments + L"\\EA Games\\Los Sims 2 Legado";
    ASSERT_TRUE(createFolders(data + L"\\Downloads"));
    regAdd(kLegacyKey, L"DisplayName", L"Los Sims 2 Legado");
    regAdd(kLegacyKey + L"\\Sims2EP9.exe", L"path", steamInstall + L"\\EP9\\TSBin");
    regAdd(kLegacyKey + L"\\Sims2EP9.exe", L"Installed", L"1", L"REG_DWORD");
    found = findGameInstalls(machinePlaces());
    const GameInstall* started = withData(found, data);
    ASSERT_NE(started, nullptr);
    EXPECT_EQ(started->edition, GameEdition::Legacy);
    EXPECT_EQ(started->displayName, "Los Sims 2 Legado");
    ASSERT_TRUE(started->installFolder.has_value());
    EXPECT_TRUE(fs::equivalent(*started->installFolder, fs::path(steamInstall)));
    EXPECT_TRUE(fs::equivalent(started->downloads, fs::path(data + L"\\Downloads")));
    EXPECT_EQ(started->source, utf8(kLegacyKey));
    EXPECT_EQ(&found.installs.front(), started); // the data folder that exists comes first
}

TEST_F(GameLocatorRegistry, findsTheUltimateCollectionInTheThirtyTwoBitView)
{
    const std::wstring root = mScratch.path() + L"\\EA GAMES\\The Sims 2 Ultimate Collection";
    ASSERT_TRUE(createFolders(root + L"\\Double Deluxe\\Base"));
    const std::wstring data = mDocuments + L"\\EA Games\\The Sims\u2122 2 Ultimate Collection";
    ASSERT_TRUE(createFolders(data + L"\\Downloads"));
    regAdd(kEaGamesKey, L"Install Dir", root + L"\\Double Deluxe\\Base", L"REG_SZ", L"32");
    regAdd(kEaGamesKey, L"DisplayName", L"The Sims\u2122 2 Ultimate Collection", L"REG_SZ", L"32");

    const GameSearch found = findGameInstalls(machinePlaces());
    const GameInstall* ultimate = withData(found, data);
    ASSERT_NE(ultimate, nullptr);
    EXPECT_EQ(ultimate->edition, GameEdition::Ultimate);
    EXPECT_EQ(ultimate->displayName, "The Sims™ 2 Ultimate Collection");
    ASSERT_TRUE(ultimate->installFolder.has_value());
    EXPECT_TRUE(fs::equivalent(*ultimate->installFolder, fs::path(root)));
    EXPECT_NE(ultimate->source.find("WOW6432Node\\EA GAMES\\The Sims 2"), std::string::npos) << ultimate->source;
}

// A name with a lone surrogate (a damaged or hand-edited key) is read with a
// replacement character; reading it once ended the whole search with an exception.
TEST_F(GameLocatorRegistry, aNameThatIsNotValidUnicodeIsReadWithAReplacementCharacter)
{
    const std::wstring root = mScratch.path() + L"\\EA GAMES\\The Sims 2 Ultimate Collection";
    ASSERT_TRUE(createFolders(root + L"\\Double Deluxe\\Base"));
    const std::wstring data = mDocuments + L"\\EA Games\\The Sims\u2122 2 Ultimate Collection";
    ASSERT_TRUE(createFolders(data + L"\\Downloads"));
    regAdd(kEaGamesKey, L"Install Dir", root + L"\\Double Deluxe\\Base", L"REG_SZ", L"32");
    // reg.exe's command line cannot carry a lone surrogate; the value is written directly.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\EA GAMES\\The Sims 2", 0, nullptr, 0,
                  KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    const std::wstring name = std::wstring(L"The Sims 2 ") + wchar_t(0xD800) + L" Edition";
    const LSTATUS written = RegSetValueExW(key, L"DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()),
        static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    ASSERT_EQ(written, ERROR_SUCCESS);

    GameSearch found;
    ASSERT_NO_THROW(found = findGameInstalls(machinePlaces()));
    const GameInstall* ultimate = withData(found, data);
    ASSERT_NE(ultimate, nullptr);
    EXPECT_EQ(ultimate->displayName, "The Sims 2 \xEF\xBF\xBD Edition");
}

TEST_F(GameLocatorRegistry, aClassicKeyNamingAFolderThatIsGoneIsNoInstall)
{
    regAdd(kEaGamesKey, L"Install Dir", mScratch.path() + L"\\Gelöscht", L"REG_SZ", L"32");
    const GameSearch found = findGameInstalls(machinePlaces());
    for (const GameInstall& install : found.installs)
        EXPECT_EQ(install.source.find("EA GAMES"), std::string::npos) << install.source;
}

// A copy of the command interpreter under the game's name, kept waiting for input.
TEST(RunningGameWindows, aProcessNamedLikeTheGameIsFoundInTheProcessList)
{
    if (runningGameProgram())
        GTEST_SKIP() << "a game program is running on this machine already";
    test::NonAsciiScratchFolder scratch;
    wchar_t system[MAX_PATH] {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring game = scratch.path() + L"\\Sims2EP9.exe";
    ASSERT_TRUE(CopyFileW((std::wstring(system) + L"\\cmd.exe").c_str(), game.c_str(), FALSE));

    SECURITY_ATTRIBUTES inherit { sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE };
    HANDLE inputRead = nullptr;
    HANDLE inputWrite = nullptr;
    ASSERT_TRUE(CreatePipe(&inputRead, &inputWrite, &inherit, 0));
    SetHandleInformation(inputWrite, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inputRead;
    startup.hStdOutput = nul;
    startup.hStdError = nul;
    PROCESS_INFORMATION process {};
    std::wstring commandLine = L"\"" + game + L"\" /q";
    // Detached: a console host started for a program that is then terminated
    // can outlive it under Wine and hold the test runner's output open.
    ASSERT_TRUE(CreateProcessW(game.c_str(), commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
        nullptr, &startup, &process));
    std::optional<std::string> found;
    for (int attempt = 0; attempt < 200 && !found; ++attempt) {
        found = runningGameProgram();
        if (!found)
            Sleep(25);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(inputRead);
    CloseHandle(inputWrite);
    CloseHandle(nul);
    EXPECT_EQ(found, std::optional<std::string>("Sims2EP9.exe"));
}

} // namespace
} // namespace varnick
