// The atomic replace with the target held open by another handle, as the game,
// a virus scanner or an explorer preview may hold a package while it is saved.
// Whatever the other handle allows, the target ends up either wholly new or
// wholly as it was, and a refused replace keeps the finished scratch file.

#include "package/base/FileReplace.h"
#include "package/base/ErrorTrap.h"
#include "tests/windows/WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace varnick {
namespace {

void writeFile(const std::filesystem::path& file, const std::string& bytes)
{
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    DWORD written = 0;
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(handle);
    ASSERT_EQ(written, bytes.size());
}

std::string readHandle(HANDLE handle)
{
    SetFilePointer(handle, 0, nullptr, FILE_BEGIN);
    std::string bytes(4096, '\0');
    DWORD read = 0;
    if (!ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return "<read failed>";
    bytes.resize(read);
    return bytes;
}

std::string readFile(const std::filesystem::path& file)
{
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes = readHandle(handle);
    CloseHandle(handle);
    return bytes;
}

class FileReplaceOverOpenTarget : public ::testing::Test {
protected:
    void SetUp() override
    {
        mTarget = std::filesystem::path(mScratchFolder.path()) / L"Möbel – Sessel 椅子.package";
        mScratch = std::filesystem::path(mScratchFolder.path()) / L"savefile.package";
        writeFile(mTarget, "old contents");
        writeFile(mScratch, "new contents, longer than the old");
    }

    HANDLE openTarget(DWORD access, DWORD share) const
    {
        return CreateFileW(mTarget.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    /// Expects the replace to be refused with a message naming the target.
    void expectRefusal()
    {
        try {
            replaceFileAtomically(mScratch, mTarget);
            ADD_FAILURE() << "replace reported success";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.code(), ErrorCode::FileReplaceFailed);
            EXPECT_NE(std::string(failure.what()).find("Sessel"), std::string::npos) << failure.what();
        }
    }

    void expectReplaced()
    {
        EXPECT_EQ(readFile(mTarget), "new contents, longer than the old");
        EXPECT_FALSE(std::filesystem::exists(mScratch));
        // No scratch file or copy of ours ("<target>.varnick-<pid>-<n>.tmp") is left
        // beside the target. (Wine's ReplaceFileW may leave an "rf*.tmp" of its
        // own after a refused replace; that one is not ours to remove.)
        std::string leftovers;
        for (const auto& entry : std::filesystem::directory_iterator(mTarget.parent_path())) {
            const std::wstring name = entry.path().filename().wstring();
            if (name != mTarget.filename().wstring()
                && (name.rfind(mTarget.filename().wstring(), 0) == 0
                    || name.rfind(mScratch.filename().wstring(), 0) == 0))
                leftovers.append(" ").append(test::utf8(name));
        }
        EXPECT_EQ(leftovers, "");
    }

    test::NonAsciiScratchFolder mScratchFolder;
    std::filesystem::path mTarget;
    std::filesystem::path mScratch;
};

// A reader that shares everything, delete included, does not stop the
// replace, and keeps reading the contents it opened.
TEST_F(FileReplaceOverOpenTarget, replacesUnderAReaderThatSharesDelete)
{
    HANDLE reader = openTarget(GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    replaceFileAtomically(mScratch, mTarget);
    EXPECT_EQ(readHandle(reader), "old contents");
    CloseHandle(reader);
    expectReplaced();
}

// The usual reader (C runtime, most programs) shares reading and writing but not
// deleting. Whatever the system allows, the result is all or nothing, and once
// the reader is gone the replace goes through.
TEST_F(FileReplaceOverOpenTarget, aReaderWithoutDeleteSharingGivesAllOrNothing)
{
    HANDLE reader = openTarget(GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    bool replaced = true;
    try {
        replaceFileAtomically(mScratch, mTarget);
    } catch (const Failure& failure) {
        replaced = false;
        EXPECT_EQ(failure.code(), ErrorCode::FileReplaceFailed);
    }
    EXPECT_EQ(readHandle(reader), "old contents");
    CloseHandle(reader);
    if (replaced) {
        expectReplaced();
        return;
    }
    EXPECT_EQ(readFile(mTarget), "old contents");
    ASSERT_EQ(readFile(mScratch), "new contents, longer than the old");
    replaceFileAtomically(mScratch, mTarget);
    expectReplaced();
}

// A handle that shares nothing (a program writing the file) refuses the
// replace; the target is left untouched and the finished file kept for a retry.
TEST_F(FileReplaceOverOpenTarget, anExclusiveWriterRefusesTheReplaceAndLosesNothing)
{
    HANDLE writer = openTarget(GENERIC_READ | GENERIC_WRITE, 0);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    expectRefusal();
    EXPECT_EQ(readHandle(writer), "old contents");
    CloseHandle(writer);
    EXPECT_EQ(readFile(mTarget), "old contents");
    ASSERT_EQ(readFile(mScratch), "new contents, longer than the old");

    replaceFileAtomically(mScratch, mTarget);
    expectReplaced();
}

// A read-only target is refused the same way rather than half replaced.
TEST_F(FileReplaceOverOpenTarget, aReadOnlyTargetIsRefusedOrReplacedWhole)
{
    ASSERT_TRUE(SetFileAttributesW(mTarget.c_str(), FILE_ATTRIBUTE_READONLY));
    bool replaced = true;
    try {
        replaceFileAtomically(mScratch, mTarget);
    } catch (const Failure&) {
        replaced = false;
    }
    SetFileAttributesW(mTarget.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (replaced) {
        expectReplaced();
    } else {
        EXPECT_EQ(readFile(mTarget), "old contents");
        EXPECT_EQ(readFile(mScratch), "new contents, longer than the old");
    }
}

} // namespace
} // namespace varnick
