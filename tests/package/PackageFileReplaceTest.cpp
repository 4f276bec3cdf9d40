#include "package/base/ErrorTrap.h"
#include "package/base/FileReplace.h"
#include "tests/common/FailsWith.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

using namespace varnick;
using namespace varnick::test;

namespace {

struct RenameFailure {
    RenameFailure() { failRenameForTesting(true); }
    ~RenameFailure() { failRenameForTesting(false); }
};

} // namespace

TEST(FileReplace, putsTheScratchFileInPlaceOfTheTarget)
{
    TemporaryFolder dir;
    const auto target = dir.write("object.package", "old contents");
    const auto scratch = dir.write("savefile.package", "new contents");
    replaceFileAtomically(scratch, target);
    EXPECT_EQ(readFileBytes(target), "new contents");
    EXPECT_FALSE(std::filesystem::exists(scratch));
}

TEST(FileReplace, createsAMissingTarget)
{
    TemporaryFolder dir;
    const auto scratch = dir.write("savefile.package", "new");
    replaceFileAtomically(scratch, dir.path() / "fresh.package");
    EXPECT_EQ(readFileBytes(dir.path() / "fresh.package"), "new");
}

TEST(FileReplace, failedRenameLeavesTargetAndScratch)
{
    TemporaryFolder dir;
    const auto target = dir.write("object.package", "old contents");
    const auto scratch = dir.write("savefile.package", "new contents");
    {
        RenameFailure failing;
        EXPECT_FAILS_WITH_CODE(replaceFileAtomically(scratch, target), ErrorCode::FileReplaceFailed, "object.package");
    }
    EXPECT_EQ(readFileBytes(target), "old contents");
    EXPECT_EQ(readFileBytes(scratch), "new contents");
}

TEST(FileReplace, missingScratchLeavesTarget)
{
    TemporaryFolder dir;
    const auto target = dir.write("object.package", "old contents");
    EXPECT_THROW(replaceFileAtomically(dir.path() / "nothing.package", target), Failure);
    EXPECT_EQ(readFileBytes(target), "old contents");
}

TEST(FileReplace, worksAcrossVolumes)
{
#ifdef _WIN32
    GTEST_SKIP() << "no second volume known to exist";
#endif
    // Memory-backed /dev/shm is usually another file system than the temporary folder.
    const std::filesystem::path shm = "/dev/shm";
    std::error_code error;
    if (!std::filesystem::is_directory(shm, error))
        GTEST_SKIP() << "no second volume to try";
    TemporaryFolder dir;
    const auto target = dir.write("object.package", "old contents");
    const auto scratch = shm / ("varnick-replace-" + std::to_string(std::hash<std::string> {}(dir.path().string())));
    {
        std::ofstream out(scratch, std::ios::binary);
        out << "from another volume";
    }
    replaceFileAtomically(scratch, target);
    EXPECT_EQ(readFileBytes(target), "from another volume");
    EXPECT_FALSE(std::filesystem::exists(scratch));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}
