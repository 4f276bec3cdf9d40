#include "package/base/ScratchSweep.h"

#include "package/base/FileReplace.h"
#include "package/base/Paths.h"
#include "package/base/ScratchFile.h"
#include "tests/common/CliRunner.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

using namespace varnick;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

// No process has this id: Linux ids stop far below it, Windows ids are
// multiples of four handed out from the bottom.
constexpr const char* kGoneProcess = "2147483644";

std::string thisProcess()
{
#ifdef _WIN32
    return std::to_string(GetCurrentProcessId());
#else
    return std::to_string(::getpid());
#endif
}

// Makes the file look as if a run before this process's start had written it.
fs::path writeOld(const TemporaryFolder& dir, const std::string& name)
{
    const fs::path file = dir.write(pathFromUtf8(name), "half written");
    fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
    return file;
}

} // namespace

TEST(ScratchSweep, removesOnlyLeftoversOfOurNameShapeWhoseWriterIsGone)
{
    struct Case {
        const char* what;
        std::string name;
        bool old;
        bool removed;
    };
    const std::vector<Case> cases {
        { "a killed run's scratch file", std::string("Sessel Ω.package.varnick-") + kGoneProcess + "-3.tmp", true,
            true },
        { "an earlier process that had this id", "a.package.varnick-" + thisProcess() + "-1.tmp", true, true },
        { "this process's own write under way", "b.package.varnick-" + thisProcess() + "-2.tmp", false, false },
        { "a gone writer's file, however new", std::string("c.package.varnick-") + kGoneProcess + "-1.tmp", false,
            true },
        { "a package", "d.package", true, false },
        { "another program's temporary file", "e.package.tmp", true, false },
        { "not quite our shape", std::string("f.package.varnick-") + kGoneProcess + "-x.tmp", true, false },
        { "an id longer than any process's", "g.package.varnick-99999999999999999999-1.tmp", true, false },
#ifndef _WIN32
        { "a running process's write", "h.package.varnick-" + std::to_string(::getppid()) + "-1.tmp", true, false },
#endif
    };
    TemporaryFolder dir;
    for (const Case& c : cases) {
        if (c.old)
            writeOld(dir, c.name);
        else
            dir.write(pathFromUtf8(c.name), "being written");
    }
    std::size_t expected = 0;
    for (const Case& c : cases)
        expected += c.removed ? 1 : 0;

    EXPECT_EQ(removeStaleScratchFiles(dir.path()), expected);
    for (const Case& c : cases)
        EXPECT_NE(fs::exists(dir.path() / pathFromUtf8(c.name)), c.removed) << c.what;
    EXPECT_EQ(removeStaleScratchFiles(dir.path()), 0U);
}

TEST(ScratchSweep, leavesFoldersAndLinksAloneAndReachesSubfoldersOnlyWhenAsked)
{
    TemporaryFolder dir;
    const std::string leftover = std::string("x.package.varnick-") + kGoneProcess + "-1.tmp";
    writeOld(dir, "sub/deeper/" + leftover);
    fs::create_directories(dir.path() / pathFromUtf8(leftover)); // a folder of that name is not a file of ours
    const fs::path outside = writeOld(dir, "outside/" + leftover);
    std::error_code linkError;
    fs::create_symlink(outside, dir.path() / "sub" / ("linked" + leftover), linkError);
    fs::create_directory_symlink(dir.path(), dir.path() / "sub" / "loop", linkError); // not followed: no hang

    EXPECT_EQ(removeStaleScratchFiles(dir.path()), 0U);
    EXPECT_TRUE(fs::exists(dir.path() / "sub" / "deeper" / pathFromUtf8(leftover)));

    EXPECT_EQ(removeStaleScratchFiles(dir.path() / "sub", true), 1U);
    EXPECT_FALSE(fs::exists(dir.path() / "sub" / "deeper" / pathFromUtf8(leftover)));
    EXPECT_TRUE(fs::is_directory(dir.path() / pathFromUtf8(leftover)));
    EXPECT_TRUE(fs::exists(outside)); // only reached through a link

    EXPECT_EQ(removeStaleScratchFiles(dir.path() / "missing", true), 0U);
}

TEST(ScratchSweep, theFirstWriteIntoAFolderClearsItsLeftovers)
{
    TemporaryFolder dir;
    const fs::path leftover = writeOld(dir, std::string("a.package.varnick-") + kGoneProcess + "-7.tmp");
    const fs::path target = dir.write("a.package", "old");
    {
        ScratchFile scratch(target);
        EXPECT_FALSE(fs::exists(leftover));
        scratch.write(ByteView("new"));
        scratch.commit();
    }
    EXPECT_EQ(readFileBytes(target), "new");

    // Once per folder and process: a later leftover waits for the next run.
    const fs::path later = writeOld(dir, std::string("b.package.varnick-") + kGoneProcess + "-8.tmp");
    ScratchFile second(target);
    EXPECT_TRUE(fs::exists(later));
}

TEST(ScratchSweep, theCommandLineTwinClearsEachFolderWithItsSubfolders)
{
    TemporaryFolder downloads;
    TemporaryFolder backups;
    const std::string leftover = std::string("x.package.varnick-") + kGoneProcess + "-1.tmp";
    writeOld(downloads, leftover);
    writeOld(downloads, "Möbel/" + leftover);
    writeOld(backups, leftover);
    const fs::path kept = downloads.write("x.package", "whole");

    const CliRun run = runCli({ "sweep-scratch", downloads.utf8(), backups.utf8(), downloads.utf8() + "/missing" });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, downloads.utf8() + ": 2\n" + backups.utf8() + ": 1\n" + downloads.utf8() + "/missing: 0\n");
    EXPECT_TRUE(fs::exists(kept));
}
