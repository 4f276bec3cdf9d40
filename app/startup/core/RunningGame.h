#pragma once

#include "app/platform/Phrasebook.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Whether the game is running: it holds the player's downloads and caches
// open and rewrites its caches at exit, so nothing may change them meanwhile.

namespace varnick {

/// Whether fileName ("Sims2EP9.exe", any letter case, no folder) is one of the
/// game's programs: Sims2.exe, Sims2RPC.exe, Sims2EP*.exe (Sims2EP9RPC.exe
/// among them) or Sims2SP*.exe.
bool isGameProgramName(std::string_view fileName);

/// The game program a process's command line names (its arguments separated by
/// NUL bytes, as /proc/<pid>/cmdline holds them): the file name of argv[0], or
/// of any argument that is a path to a .exe file (a game run under Wine).
/// nullopt when it names none.
std::optional<std::string> gameProgramInCommandLine(std::string_view commandLine);

/// The file name of a running game program, as the process list shows it
/// (the Windows process list; /proc/*/cmdline elsewhere); nullopt when none runs.
std::optional<std::string> runningGameProgram();

/// "The Sims 2 is running (Sims2EP9.exe). Close the game before changing your downloads."
std::string gameRunningMessage(std::string_view program, const Phrasebook& words = englishPhrases());

/// Test hook: answers runningGameProgram() instead of the process list; an
/// empty function restores the process list.
void setRunningGameProgramForTesting(std::function<std::optional<std::string>()> answer);

} // namespace varnick
