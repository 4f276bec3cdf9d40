// Packages that another program holds open, as the game does while it runs:
// opening one that is held exclusively is trapped with its name, the
// writer waits and retries while it is held and goes on once it is released,
// and a save through the scratch file leaves a held package as it was.

#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/base/ErrorTrap.h"
#include "tests/common/TrapRecorder.h"
#include "tests/windows/WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace varnick {
namespace {

PackageFile onePackage(char fill)
{
    PackageFile pkg;
    gsCreateDefaultPackageHeader(pkg);
    PackageResource resource;
    resource.TypeID = ByteString("\x44\x4A\x42\x4F", 4);
    resource.GroupID = ByteString("\x01\x00\x00\x7F", 4);
    resource.InstanceID = ByteString("\x41\x00\x00\x00", 4);
    resource.ResourceID = ByteString(4, '\0');
    resource.Data = ByteString(100, fill);
    pkg.Files.push_back(resource);
    return pkg;
}

class HeldPackage : public ::testing::Test {
protected:
    void SetUp() override
    {
        mFile = std::filesystem::path(mFolder.path()) / L"Sofa – Récolor 沙发.package";
        PackageFile pkg = onePackage('o');
        writePackage(pkg, mFile);
        mPreviousPause = setPackageWriterPause([this](std::int32_t milliseconds) {
            ++mPauses;
            EXPECT_EQ(milliseconds, kWriterRetryPauseMs);
            if (mPauses == mReleaseAfterPauses)
                release();
        });
    }
    void TearDown() override
    {
        setPackageWriterPause(std::move(mPreviousPause));
        release();
    }

    void holdExclusively()
    {
        mHolder = CreateFileW(mFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(mHolder, INVALID_HANDLE_VALUE);
    }
    void release()
    {
        if (mHolder != INVALID_HANDLE_VALUE)
            CloseHandle(mHolder);
        mHolder = INVALID_HANDLE_VALUE;
    }

    char storedFill()
    {
        const PackageFile pkg = readPackage(mFile);
        return pkg.Files.size() == 1 && !pkg.Files[0].Data.empty() ? pkg.Files[0].Data[0] : '?';
    }

    test::NonAsciiScratchFolder mFolder;
    std::filesystem::path mFile;
    HANDLE mHolder = INVALID_HANDLE_VALUE;
    int mPauses = 0;
    int mReleaseAfterPauses = -1;
    PausePackageWriter mPreviousPause;
};

TEST_F(HeldPackage, openingAnExclusivelyHeldPackageIsTrappedNamingIt)
{
    holdExclusively();
    {
        test::TrapRecorder recorder;
        PackageFile pkg;
        EXPECT_FALSE(gsOpenPackageFile(mFile, pkg));
        ASSERT_EQ(recorder.trapped().size(), 1u);
        EXPECT_EQ(recorder.last().Procedure, "gsOpenPackageFile");
        EXPECT_NE(recorder.last().Description.find("cannot be opened for reading"), std::string::npos)
            << recorder.last().Description;
        EXPECT_NE(recorder.last().AdditionalData.find("Sofa – Récolor 沙发.package"), std::string::npos)
            << recorder.last().AdditionalData;
    }
    release();
    EXPECT_EQ(storedFill(), 'o');
}

TEST_F(HeldPackage, writerRetriesWhileHeldAndWritesOnceReleased)
{
    holdExclusively();
    mReleaseAfterPauses = 3;
    PackageFile pkg = onePackage('n');
    writePackage(pkg, mFile);
    EXPECT_EQ(mPauses, 3);
    EXPECT_EQ(storedFill(), 'n');
}

TEST_F(HeldPackage, writerGivesUpAfterItsRetriesAndSaysSo)
{
    holdExclusively();
    PackageFile pkg = onePackage('n');
    try {
        writePackage(pkg, mFile);
        ADD_FAILURE() << "writing a held package reported success";
    } catch (const Failure& failure) {
        EXPECT_NE(std::string(failure.what()).find("retries"), std::string::npos) << failure.what();
    }
    EXPECT_EQ(mPauses, kWriterOpenRetries);
    release();
    EXPECT_EQ(storedFill(), 'o');
}

TEST_F(HeldPackage, saveThroughScratchFileLeavesAHeldPackageWhole)
{
    holdExclusively();
    PackageFile pkg = onePackage('n');
    EXPECT_THROW(writePackageReplacing(pkg, mFile), Failure);
    release();
    EXPECT_EQ(storedFill(), 'o');
    // Only the package itself is left in its folder (leftovers of Wine's own
    // ReplaceFileW, "rf*.tmp", aside).
    for (const auto& entry : std::filesystem::directory_iterator(mFile.parent_path())) {
        const std::wstring name = entry.path().filename().wstring();
        EXPECT_TRUE(
            name == mFile.filename().wstring() || (name.rfind(L"rf", 0) == 0 && entry.path().extension() == L".tmp"))
            << test::utf8(name);
    }

    writePackageReplacing(pkg, mFile);
    EXPECT_EQ(storedFill(), 'n');
}

} // namespace
} // namespace varnick
