#include "tools/cli/GameRunning.h"

namespace varnick::cli {

std::optional<std::string> runningGameProgram()
{
    return std::nullopt;
}

std::string gameRunningMessage(const std::string& program)
{
    return "The Sims 2 is running (" + program + "). Close the game before changing your downloads.";
}

} // namespace varnick::cli
