// Which process names and command lines are the game's.

#include "app/startup/core/RunningGame.h"

#include <gtest/gtest.h>

namespace varnick {
namespace {

TEST(RunningGame, knowsTheGamesProgramNamesInAnyLetterCase)
{
    for (const char* name : { "Sims2EP9.exe", "Sims2EP9RPC.exe", "Sims2RPC.exe", "Sims2.exe", "sims2ep1.exe",
             "SIMS2SP8.EXE", "Sims2EP.exe", "Sims2SPanything.exe" })
        EXPECT_TRUE(isGameProgramName(name)) << name;
    for (const char* name :
        { "Sims2EP9", "Sims2EP9.exe.bak", "Sims3.exe", "TS2Sims2.exe", "Sims2Pack.exe", "Sims2EP9.exe ", "", "Sims2" })
        EXPECT_FALSE(isGameProgramName(name)) << name;
}

TEST(RunningGame, findsTheGameInACommandLine)
{
    const auto line = [](std::initializer_list<const char*> arguments) {
        std::string text;
        for (const char* argument : arguments)
            text += std::string(argument) + '\0';
        return text;
    };
    const struct {
        std::string commandLine;
        std::optional<std::string> program;
    } cases[] = {
        { line({ "Sims2EP9.exe", "30" }), "Sims2EP9.exe" },
        { line({ "/opt/game/TSBin/Sims2RPC.exe" }), "Sims2RPC.exe" },
        // Under Wine the program shows as an argument, with its Windows path.
        { line({ "/usr/bin/wine64-preloader",
              "C:\\Program Files\\EA Games\\The Sims 2 Legacy\\EP9\\TSBin\\Sims2EP9.exe", "-w" }),
            "Sims2EP9.exe" },
        { line({ "steam-runtime", "--", "Z:\\home\\me\\Sims2SP8.exe" }), "Sims2SP8.exe" },
        // Any argument naming a program file counts, even one a search tool was given.
        { line({ "grep", "Sims2EP9.exe", "notes.txt" }), "Sims2EP9.exe" },
        { line({ "less", "Sims2EP9 notes.txt" }), std::nullopt },
        { line({ "wine", "C:\\Games\\Sims2Setup.msi" }), std::nullopt }, { line({ "bash" }), std::nullopt },
        { "", std::nullopt }, { "Sims2.exe", "Sims2.exe" }, // no closing NUL
    };
    for (const auto& c : cases)
        EXPECT_EQ(gameProgramInCommandLine(c.commandLine), c.program) << c.commandLine;
    EXPECT_EQ(gameRunningMessage("Sims2EP9.exe"),
        "The Sims 2 is running (Sims2EP9.exe). Close the game before changing your downloads.");
}

} // namespace
} // namespace varnick
