#pragma once

#include <optional>
#include <string>

namespace varnick::cli {

/// The game's program when it is running (its file name, for the refusal
/// "The Sims 2 is running (<program>). Close the game before changing your
/// downloads."); nothing when it is not. The commands that write into the
/// player's Downloads ask this before they write and refuse unless --force is given.
/// Not known yet: this always answers "not running" until the game check is wired in here.
std::optional<std::string> runningGameProgram();

/// The refusal line for a running game.
std::string gameRunningMessage(const std::string& program);

} // namespace varnick::cli
