#include "package/base/ScratchFile.h"

#include "package/base/ErrorTrap.h"
#include "package/base/FileReplace.h"
#include "package/base/RawFile.h"
#include "tests/common/FailsWith.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace varnick;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(pathToUtf8(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

// Turns every file seam off again, whatever a case did.
struct SeamsOff {
    ~SeamsOff()
    {
        RawFile::failWritesAfterForTesting(-1);
        failRenameForTesting(false);
        failFlushForTesting(false);
        RawFile::failWriteBackForTesting(false);
    }
};

} // namespace

TEST(ScratchFile, commitPutsTheWrittenBytesInPlaceOfTheTargetOrCreatesIt)
{
    TemporaryFolder dir;
    const fs::path target = dir.write("Sessel Ω.package", "old contents");
    {
        ScratchFile scratch(target);
        EXPECT_EQ(scratch.path().parent_path(), target.parent_path());
        EXPECT_TRUE(isScratchFileName(scratch.path()));
        scratch.write(ByteView("new "));
        scratch.write(ByteView("contents"));
        EXPECT_EQ(scratch.size(), 12);
        EXPECT_EQ(readFileBytes(target), "old contents"); // untouched until the commit
        scratch.commit();
        EXPECT_TRUE(scratch.path().empty());
    }
    EXPECT_EQ(readFileBytes(target), "new contents");

    ScratchFile fresh(dir.path() / "fresh.txt");
    fresh.commit();
    EXPECT_EQ(readFileBytes(dir.path() / "fresh.txt"), "");
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string> { "Sessel Ω.package", "fresh.txt" }));
}

TEST(ScratchFile, goesAwayWithoutACommitAndLeavesTheTarget)
{
    TemporaryFolder dir;
    const fs::path target = dir.write("list.txt", "old");
    {
        ScratchFile scratch(target);
        scratch.write(ByteView("half"));
        ScratchFile moved = std::move(scratch); // the move owns the file now
        EXPECT_TRUE(scratch.path().empty());
        EXPECT_TRUE(fs::exists(moved.path()));
    }
    {
        ScratchFile discarded(target);
        discarded.discard();
        EXPECT_THROW(discarded.commit(), Failure);
    }
    EXPECT_EQ(readFileBytes(target), "old");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string> { "list.txt" });
}

TEST(ScratchFile, aFailureAtAnyStepLeavesTheTargetAndNoScratchFile)
{
    struct Case {
        const char* what;
        std::function<void()> inject;
        const char* message;
    };
    const Case cases[] = {
        { "disk full at once", [] { RawFile::failWritesAfterForTesting(0); }, "" },
        { "disk full part way", [] { RawFile::failWritesAfterForTesting(3000); }, "" },
        { "flush fails", [] { failFlushForTesting(true); }, "flushed" },
        { "rename fails", [] { failRenameForTesting(true); }, "target.bin" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryFolder dir;
        const fs::path target = dir.write("target.bin", "the old bytes");
        const ByteString bytes(5000, 'n');
        {
            SeamsOff off;
            c.inject();
            EXPECT_FAILS_WITH(
                {
                    ScratchFile scratch(target);
                    scratch.write(bytes);
                    scratch.commit();
                },
                c.message);
        }
        EXPECT_EQ(readFileBytes(target), "the old bytes");
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string> { "target.bin" });
    }
}

// Writing behind only starts the device's work early: every byte still lands
// where it was written, in writes of any size that straddle the pieces, and a
// device error seen early fails the write instead of vanishing before commit.
TEST(ScratchFile, writingBehindKeepsEveryByteAndReportsAFailingDevice)
{
    TemporaryFolder dir;
    ByteString bytes;
    for (int i = 0; i < 50000; ++i)
        bytes.push_back(static_cast<char>(i * 7 + i / 251));
    const std::size_t sizes[] = { 1, 4095, 3, 9000, 4096, 12000, 20805 };
    {
        ScratchFile scratch(dir.path() / "behind.bin");
        scratch.write(bytes.data(), 1000); // switched on part way, as a caller may
        scratch.writeBehind(4096);
        std::size_t at = 1000;
        for (std::size_t size : sizes) {
            scratch.write(bytes.data() + at, std::min(size, bytes.size() - at));
            at += std::min(size, bytes.size() - at);
        }
        ASSERT_EQ(at, bytes.size());
        scratch.commit();
    }
    EXPECT_EQ(readFileBytes(dir.path() / "behind.bin"), bytes);

    struct Case {
        const char* what;
        std::size_t beforeFailure; // bytes written while the device still works
    };
    std::vector<Case> cases { { "at the first piece", 0 } };
#ifdef __linux__
    // Elsewhere the system has no early write-back, so writing behind stops
    // at the first piece and a later device error is left to the final flush.
    cases.push_back({ "after some pieces", 20000 });
#endif
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path target = dir.write("target.bin", "the old bytes");
        {
            SeamsOff off;
            ScratchFile scratch(target);
            scratch.writeBehind(4096);
            scratch.write(bytes.data(), c.beforeFailure);
            RawFile::failWriteBackForTesting(true);
            EXPECT_FAILS_WITH_CODE(scratch.write(bytes.data(), 5000), ErrorCode::FileWriteFailed, "to disk");
        }
        EXPECT_EQ(readFileBytes(target), "the old bytes");
        EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string> { "behind.bin", "target.bin" }));
    }
}

TEST(ScratchFile, copiesOrLinksAnotherFilesBytes)
{
    TemporaryFolder dir;
    const ByteString large(3 * 1024 * 1024 + 17, 'L'); // more than one piece of the copy
    const fs::path source = dir.write("source.package", large);

    ScratchFile copy(dir.path() / "copy.package");
    copy.copyFrom(source);
    copy.commit();
    EXPECT_EQ(readFileBytes(dir.path() / "copy.package"), large);

    ScratchFile written(dir.path() / "written.package");
    written.write(ByteView("x"));
    EXPECT_FALSE(written.linkTo(source)); // only an untouched scratch file becomes a link
    written.commit();
    EXPECT_EQ(readFileBytes(dir.path() / "written.package"), "x");

    ScratchFile link(dir.path() / "link.package");
    if (!link.linkTo(source))
        GTEST_SKIP() << "this file system makes no hard links";
    link.commit();
    // Replacing the source afterwards leaves the linked bytes as they were.
    ScratchFile next(source);
    next.write(ByteView("new source"));
    next.commit();
    EXPECT_EQ(readFileBytes(dir.path() / "link.package"), large);
    EXPECT_EQ(readFileBytes(source), "new source");

    EXPECT_FAILS_WITH(ScratchFile(dir.path() / "c.package").copyFrom(dir.path() / "missing"), "cannot be opened");
    EXPECT_EQ(namesIn(dir.path()),
        (std::vector<std::string> { "copy.package", "link.package", "source.package", "written.package" }));
}

TEST(ScratchFile, scratchNamesAreRecognisedAndNothingElseIs)
{
    TemporaryFolder dir;
    const fs::path made = scratchPathBeside(dir.path() / "Objects.csv");
    EXPECT_TRUE(isScratchFileName(made));
    EXPECT_TRUE(isScratchFileName(made.filename()));
    EXPECT_NE(scratchPathBeside(dir.path() / "Objects.csv"), made);
    const struct {
        const char* name;
        bool scratch;
    } names[] = {
        { "a.package.varnick-1234-1.tmp", true },
        { "known-clashes.txt.varnick-99-123456.tmp", true },
        { "x.varnick-1-1.tmp", true },
        { ".varnick-1-1.tmp", false }, // no target name
        { "a.package.varnick--1.tmp", false },
        { "a.package.varnick-12-.tmp", false },
        { "a.package.varnick-1x-1.tmp", false },
        { "a.package.1234-1.tmp", false }, // another program's temporary file
        { "a.package.varnick-1-1.TMP.bak", false },
        { "a.package", false },
        { "rf1234.tmp", false },
    };
    for (const auto& n : names)
        EXPECT_EQ(isScratchFileName(n.name), n.scratch) << n.name;
}
