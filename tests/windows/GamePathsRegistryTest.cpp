// Game path discovery against the real registry: the keys are written with
// reg.exe, the system's own tool, exactly as an installer or the shell would
// leave them, and gsGetSims2Paths reads them back through the program's code.

#include "app/startup/GamePaths.h"
#include "tests/common/TrapRecorder.h"
#include "tests/windows/WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace varnick {
namespace {

using test::createFolders;
using test::runProgram;
using test::utf8;
using test::wide;

const std::wstring kInstallKey = L"HKLM\\SOFTWARE\\EA GAMES\\The Sims 2";
const std::wstring kInstallValue = L"Install Dir";
const std::wstring kShellFoldersKey = L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// Where the shell keeps the Documents known folder, which the search asks for besides the Personal value.
const std::wstring kUserShellFoldersKey
    = L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const std::wstring kPersonalValue = L"Personal";

std::wstring quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

/// reg add; view is L"" (native), L"32" or L"64".
void regAdd(const std::wstring& key, const std::wstring& name, const std::wstring& data, const std::wstring& view = {},
    const std::wstring& type = L"REG_SZ")
{
    ASSERT_NE(data.back(), L'\\') << "a closing backslash would escape the quote on reg.exe's command line";
    std::wstring command
        = L"reg.exe add " + quoted(key) + L" /v " + quoted(name) + L" /t " + type + L" /d " + quoted(data) + L" /f";
    if (!view.empty())
        command += L" /reg:" + view;
    ASSERT_EQ(runProgram(command), 0) << utf8(command);
}

/// reg delete of a whole key or of one value; a missing key or value is fine.
void regDelete(const std::wstring& key, const std::wstring& name = {}, const std::wstring& view = {})
{
    std::wstring command = L"reg.exe delete " + quoted(key);
    if (!name.empty())
        command += L" /v " + quoted(name);
    command += L" /f";
    if (!view.empty())
        command += L" /reg:" + view;
    ASSERT_GE(runProgram(command), 0) << utf8(command);
}

/// A text value of HKCU\key as stored (an expandable one unexpanded).
std::optional<std::wstring> readUserValue(const std::wstring& key, const wchar_t* name)
{
    const std::wstring subkey = key.substr(std::wstring(L"HKCU\\").size());
    const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, subkey.c_str(), name, flags, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, subkey.c_str(), name, flags, nullptr, value.data(), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

// These tests rewrite the machine's install key and the user's documents
// folder. Under Wine that is a throwaway prefix; on a real Windows desktop they
// run only when asked to (VARNICK_REGISTRY_TESTS=1, in an elevated prompt).
bool registryMayBeChanged()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr)
        return true;
    wchar_t flag[4] {};
    return GetEnvironmentVariableW(L"VARNICK_REGISTRY_TESTS", flag, 4) == 1 && flag[0] == L'1';
}

class GamePathsRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!registryMayBeChanged())
            GTEST_SKIP() << "changes the registry; set VARNICK_REGISTRY_TESTS=1 to run it outside Wine";
        mChanging = true;
        // The variables that stand in for the registry elsewhere must not mask it here.
        for (const wchar_t* name : { L"VARNICK_SIMS2_INSTALL_DIR", L"VARNICK_DOCUMENTS_DIR" }) {
            SetEnvironmentVariableW(name, nullptr);
            _wputenv_s(name, L"");
        }
        mSavedPersonal = readUserValue(kShellFoldersKey, kPersonalValue.c_str());
        mSavedUserPersonal = readUserValue(kUserShellFoldersKey, kPersonalValue.c_str());
        deleteInstallKey();
        // The search also looks in the Documents known folder, which under Wine is the home folder and may hold
        // a game data folder (the package checks put the demo game there): an empty one of the test's own keeps
        // the results to the folders each test makes.
        const std::wstring knownDocuments = mScratch.path() + L"\\Leere Dokumente";
        ASSERT_TRUE(createFolders(knownDocuments));
        regAdd(kUserShellFoldersKey, kPersonalValue, knownDocuments, {}, L"REG_EXPAND_SZ");
        // Nor may a data folder remembered by an earlier run of the program count.
        const std::wstring settings = mScratch.path() + L"\\no-settings.ini";
        SetEnvironmentVariableW(L"VARNICK_SETTINGS_FILE", settings.c_str());
        _wputenv_s(L"VARNICK_SETTINGS_FILE", settings.c_str());
    }

    void TearDown() override
    {
        if (!mChanging)
            return;
        deleteInstallKey();
        SetEnvironmentVariableW(L"VARNICK_SETTINGS_FILE", nullptr);
        _wputenv_s(L"VARNICK_SETTINGS_FILE", L"");
        if (mSavedUserPersonal)
            regAdd(kUserShellFoldersKey, kPersonalValue, *mSavedUserPersonal, {}, L"REG_EXPAND_SZ");
        else
            regDelete(kUserShellFoldersKey, kPersonalValue);
        if (mSavedPersonal)
            regAdd(kShellFoldersKey, kPersonalValue, *mSavedPersonal);
        else
            regDelete(kShellFoldersKey, kPersonalValue);
    }

    static void deleteInstallKey()
    {
        regDelete(kInstallKey, {}, L"32");
        regDelete(kInstallKey, {}, L"64");
    }

    /// Runs the discovery and expects it to trap nothing.
    static void discover()
    {
        test::TrapRecorder recorder;
        gstrSims2InstallPath = gstrDocumentsPath = gstrSims2DataPath = "unset";
        gsGetSims2Paths();
        EXPECT_TRUE(recorder.empty()) << recorder.last().Description;
    }

    test::NonAsciiScratchFolder mScratch;
    std::optional<std::wstring> mSavedPersonal;
    std::optional<std::wstring> mSavedUserPersonal;
    bool mChanging = false;
};

TEST_F(GamePathsRegistry, findsNonAsciiInstallDocumentsAndDataFolders)
{
    const std::wstring install = mScratch.path() + L"\\Spiele Ünïcödé\\The Sims 2";
    const std::wstring documents = mScratch.path() + L"\\Документы";
    ASSERT_TRUE(createFolders(install));
    // German and French data folders: the German one comes first in the candidate order.
    ASSERT_TRUE(createFolders(documents + L"\\EA Games\\Les Sims 2"));
    ASSERT_TRUE(createFolders(documents + L"\\EA Games\\Die Sims 2"));
    regAdd(kInstallKey, kInstallValue, install);
    regAdd(kShellFoldersKey, kPersonalValue, documents);

    discover();

    EXPECT_EQ(gstrSims2InstallPath, utf8(install));
    EXPECT_EQ(gstrDocumentsPath, utf8(documents));
    EXPECT_EQ(gstrSims2DataPath, utf8(documents + L"\\EA Games\\Die Sims 2"));
}

TEST_F(GamePathsRegistry, missingKeyGivesErrorAndDeletedFolderGivesEmptyInstallPath)
{
    const std::wstring documents = mScratch.path() + L"\\Docs";
    ASSERT_TRUE(createFolders(documents + L"\\EA Games\\Sims 2 Ultimate"));
    regAdd(kShellFoldersKey, kPersonalValue, documents);

    discover();
    EXPECT_EQ(gstrSims2InstallPath, "ERROR");
    // No candidate exists; the substring search finds the folder of an unknown language.
    EXPECT_EQ(gstrSims2DataPath, utf8(documents + L"\\EA Games\\Sims 2 Ultimate"));

    regAdd(kInstallKey, kInstallValue, mScratch.path() + L"\\Gelöscht");
    discover();
    EXPECT_EQ(gstrSims2InstallPath, "");
}

TEST_F(GamePathsRegistry, missingPersonalFolderValueMakesDocumentsAndDataError)
{
    regDelete(kShellFoldersKey, kPersonalValue);
    discover();
    EXPECT_EQ(gstrDocumentsPath, "ERROR");
    EXPECT_EQ(gstrSims2DataPath, "ERROR");

    // A documents folder without an "EA Games" folder: only the data path fails.
    regAdd(kShellFoldersKey, kPersonalValue, mScratch.path());
    discover();
    EXPECT_EQ(gstrDocumentsPath, utf8(mScratch.path()));
    EXPECT_EQ(gstrSims2DataPath, "ERROR");
}

// Values longer than the first 255-character buffer are read whole rather than
// reported as missing, and paths beyond MAX_PATH still resolve.
TEST_F(GamePathsRegistry, readsValuesLongerThan254Characters)
{
    std::wstring install = mScratch.path() + L"\\Ä";
    while (install.size() < 258)
        install += L"\\Längerer Ordnername";
    std::wstring documents = mScratch.path() + L"\\Ö";
    while (documents.size() < 300)
        documents += L"\\Eigene Dateien";
    ASSERT_GT(install.size(), 254u);
    ASSERT_TRUE(createFolders(install));
    ASSERT_TRUE(createFolders(documents + L"\\EA Games\\The Sims 2"));
    regAdd(kInstallKey, kInstallValue, install);
    regAdd(kShellFoldersKey, kPersonalValue, documents);

    std::int32_t bufferSize = 0;
    EXPECT_EQ(
        gfstrGetRegistryValue(RegistryRoot::LocalMachine, gstrInstallKey, gstrInstallValue, bufferSize), utf8(install));
    EXPECT_EQ(bufferSize, static_cast<std::int32_t>(install.size() + 1)) << "the size the registry reports";

    discover();
    EXPECT_EQ(gstrSims2InstallPath, utf8(install));
    EXPECT_EQ(gstrDocumentsPath, utf8(documents));
    EXPECT_EQ(gstrSims2DataPath, utf8(documents + L"\\EA Games\\The Sims 2"));
}

// A 32-bit installer writes below the 32-bit view of the machine key; that
// entry wins over one in the native view.
TEST_F(GamePathsRegistry, prefersTheInstallersThirtyTwoBitView)
{
    const std::wstring installer = mScratch.path() + L"\\Programme (x86)\\EA GAMES\\The Sims 2";
    const std::wstring native = mScratch.path() + L"\\Programme\\The Sims 2";
    ASSERT_TRUE(createFolders(installer));
    ASSERT_TRUE(createFolders(native));
    regAdd(kInstallKey, kInstallValue, native, L"64");
    discover();
    EXPECT_EQ(gstrSims2InstallPath, utf8(native));

    regAdd(kInstallKey, kInstallValue, installer, L"32");
    discover();
    EXPECT_EQ(gstrSims2InstallPath, utf8(installer));
}

// The registry may hold the install folder in 8.3 form; the program reports its long form.
TEST_F(GamePathsRegistry, expandsAShortInstallPathToItsLongForm)
{
    const std::wstring install = mScratch.path() + L"\\Electronic Arts Spiele\\The Sims 2 Deluxe";
    ASSERT_TRUE(createFolders(install));
    std::wstring shortForm(MAX_PATH + 1, L'\0');
    const DWORD length = GetShortPathNameW(install.c_str(), shortForm.data(), MAX_PATH + 1);
    shortForm.resize(length <= MAX_PATH ? length : 0);
    if (shortForm.empty() || shortForm == install)
        GTEST_SKIP() << "this file system keeps no short names";
    regAdd(kInstallKey, kInstallValue, shortForm);

    discover();
    EXPECT_EQ(gstrSims2InstallPath, utf8(install)) << "registry held " << utf8(shortForm);
}

} // namespace
} // namespace varnick
