// Packages whose names Windows forbids: a device name ("aux.package" opens the
// AUX device, whose reads never end), a trailing dot or space. Such files can
// reach a Downloads folder (made through the extended-length form, unpacked by
// another tool, copied from another system). A scan passes over them with one
// line each and lists the rest; reading, saving or moving them is refused with
// one line, and every file stays as it was.

#include "app/recolors/core/FileMoves.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "tests/common/CliRunner.h"
#include "tests/common/EditorPackages.h"
#include "tests/windows/WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace varnick {
namespace {

namespace fs = std::filesystem;
using test::runCli;

const std::vector<std::wstring> kForbidden { L"aux.package", L"COM1.package", L"nul.package", L"CON.package",
    L"Sessel.package.", L"Tisch.package " };

class ForbiddenNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        mFolder = fs::path(mScratch.path());
        mBytes = test::EditorPackage {}.builder().build();
        ASSERT_TRUE(write(mFolder / L"Stuhl.package"));
        for (const std::wstring& name : kForbidden)
            ASSERT_TRUE(write(mFolder / name)) << test::utf8(name) << ": error " << GetLastError();
    }

    // Through the extended-length form, the only way to make such a name.
    bool write(const fs::path& file) const
    {
        HANDLE handle = CreateFileW(test::extendedPath(file.native()).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return false;
        DWORD written = 0;
        WriteFile(handle, mBytes.data(), static_cast<DWORD>(mBytes.size()), &written, nullptr);
        CloseHandle(handle);
        return written == mBytes.size();
    }

    ByteString read(const fs::path& file) const
    {
        HANDLE handle = CreateFileW(test::extendedPath(file.native()).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return "<missing>";
        ByteString bytes(1 << 16, 0);
        DWORD done = 0;
        ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
        CloseHandle(handle);
        bytes.resize(done);
        return bytes;
    }

    void expectAllKept() const
    {
        EXPECT_EQ(read(mFolder / L"Stuhl.package"), mBytes);
        for (const std::wstring& name : kForbidden)
            EXPECT_EQ(read(mFolder / name), mBytes) << test::utf8(name);
    }

    test::NonAsciiScratchFolder mScratch;
    fs::path mFolder;
    ByteString mBytes;
};

TEST_F(ForbiddenNames, aScanPassesOverEachWithOneLineAndListsTheRest)
{
    const test::CliRun scan = runCli({ "scan", pathToUtf8(mFolder) });
    ASSERT_EQ(scan.status, 0) << scan.err;
    EXPECT_NE(scan.out.find("Stuhl.package\t"), std::string::npos) << scan.out;
    for (const char* name : { "aux.package", "COM1.package", "nul.package", "CON.package" })
        EXPECT_NE(scan.out.find(std::string("skipped\t") + name + "\tWindows does not allow this file name"),
            std::string::npos)
            << name << "\n"
            << scan.out;
    // A trailing dot or space leaves no ".package" name: no package, as for the game.
    EXPECT_EQ(scan.out.find("Sessel"), std::string::npos) << scan.out;
    EXPECT_EQ(scan.out.find("Tisch"), std::string::npos) << scan.out;
    expectAllKept();
}

TEST_F(ForbiddenNames, readingOrSavingOneIsRefusedWithOneLine)
{
    for (const char* name : { "aux.package", "COM1.package", "nul.package" }) {
        const std::string file = pathToUtf8(mFolder / name);
        const test::CliRun shown = runCli({ "object", file });
        EXPECT_EQ(shown.status, 1) << name << ": " << shown.out;
        EXPECT_NE(shown.err.find("device"), std::string::npos) << name << ": " << shown.err;
        const test::CliRun saved
            = runCli({ "set", file, "--field", "Price=5", "--backup-folder", pathToUtf8(mFolder / L"Backups") });
        EXPECT_EQ(saved.status, 1) << name << ": " << saved.out;
        EXPECT_EQ(std::count(saved.err.begin(), saved.err.end(), '\n'), 1) << name << ": " << saved.err;
    }
    expectAllKept();
}

TEST_F(ForbiddenNames, aMoveHoldingOneIsRefusedBeforeAnythingMoves)
{
    const fs::path destination = mFolder / L"Ziel";
    ASSERT_TRUE(test::createFolders(destination.native()));
    for (const wchar_t* name : { L"aux.package", L"Sessel.package.", L"Tisch.package " }) {
        try {
            recolors::moveFiles({ mFolder / L"Stuhl.package", mFolder / name }, destination);
            ADD_FAILURE() << test::utf8(name) << ": the move reported success";
        } catch (const Failure& failure) {
            EXPECT_NE(std::string(failure.what()).find("Nothing was moved"), std::string::npos) << failure.what();
        }
    }
    expectAllKept();
}

} // namespace
} // namespace varnick
