// The game-running check against a real process started under a game
// program's name. While it runs every write of varnick-cli is refused, so
// this test runs alone (RUN_SERIAL).

#include "app/startup/core/RunningGame.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"
#include "tests/startup/GameFixtures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace varnick {
namespace {

/// A process whose command line reads as the game's, ended when the object goes.
class FakeGame {
public:
    explicit FakeGame(const std::string& name)
    {
        const std::string script = "exec -a " + name + " sleep 30";
        const char* argv[] = { "/bin/bash", "-c", script.c_str(), nullptr };
        if (posix_spawn(&mPid, "/bin/bash", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
            mPid = -1;
    }
    ~FakeGame()
    {
        if (mPid > 0) {
            kill(mPid, SIGKILL);
            waitpid(mPid, nullptr, 0);
        }
    }
    FakeGame(const FakeGame&) = delete;
    FakeGame& operator=(const FakeGame&) = delete;

    bool started() const { return mPid > 0; }

private:
    pid_t mPid = -1;
};

std::optional<std::string> waitForGame(std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (auto program = runningGameProgram())
            return program;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

std::string quoted(const fs::path& path)
{
    return "'" + pathToUtf8(path) + "'";
}

TEST(RunningGameProcess, aProcessNamedLikeTheGameStopsEveryWriteUntilForced)
{
    if (runningGameProgram())
        GTEST_SKIP() << "a game program is running on this machine already";
    test::TemporaryFolder work;
    const fs::path data = work.path() / "The Sims 2";
    test::writeText(data / "Groups.cache", "groups");
    const fs::path tool = programFolder() / "varnick-cli";
    const auto run = [&](const std::string& arguments) {
        const std::string command
            = quoted(tool) + " " + arguments + " >" + quoted(work.path() / "out") + " 2>" + quoted(work.path() / "err");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const auto err = [&] { return test::readFileBytes(work.path() / "err"); };
    const std::string clear = "clear-caches --data " + quoted(data) + " --backup-folder " + quoted(work.path() / "b");

    {
        FakeGame game("Sims2EP9.exe");
        ASSERT_TRUE(game.started());
        ASSERT_EQ(waitForGame(std::chrono::seconds(10)), "Sims2EP9.exe");
        if (fs::exists(tool)) {
            EXPECT_EQ(run(clear), 1);
            EXPECT_EQ(err(), "The Sims 2 is running (Sims2EP9.exe). Close the game before changing your downloads.\n");
            EXPECT_TRUE(fs::exists(data / "Groups.cache"));
            // Reading and dry runs are never refused.
            EXPECT_EQ(run("locate --json"), 0) << err();
            EXPECT_EQ(run("recompress --dry-run " + quoted(work.path())), 0) << err();
            EXPECT_EQ(run("set --help"), 0);
            EXPECT_EQ(run(clear + " --force"), 0) << err();
            EXPECT_FALSE(fs::exists(data / "Groups.cache"));
        }
    }
    // The game is gone: writes go ahead.
    EXPECT_EQ(waitForGame(std::chrono::seconds(0)), std::nullopt);
    test::writeText(data / "Groups.cache", "groups again");
    if (fs::exists(tool)) {
        EXPECT_EQ(run(clear), 0) << err();
    }
}

TEST(RunningGameProcess, theTestHookAnswersInsteadOfTheProcessList)
{
    setRunningGameProgramForTesting([] { return std::optional<std::string>("Sims2SP8.exe"); });
    EXPECT_EQ(runningGameProgram(), "Sims2SP8.exe");
    setRunningGameProgramForTesting({});
    EXPECT_EQ(runningGameProgram(), std::nullopt);
}

} // namespace
} // namespace varnick
