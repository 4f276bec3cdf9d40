#pragma once

// Commands that write packages or the game's caches refuse while the game
// runs: it holds them open and rewrites its caches when it closes.

#include "app/startup/core/RunningGame.h"
#include "tools/cli/CliOutput.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <functional>
#include <memory>

namespace varnick::cli {

/// Adds --force to command and makes it refuse, before it does anything, when
/// a game program runs: the refusal line on standard error and exit status 1.
/// readOnly, when given, tells a run that only reports (a dry run), which is
/// never refused.
inline void refuseWhileGameRuns(CLI::App& command, std::function<bool()> readOnly = {})
{
    auto force = std::make_shared<bool>(false);
    command.add_flag("--force", *force, "write even while The Sims 2 is running");
    command.parse_complete_callback([force, readOnly = std::move(readOnly)] {
        if (*force || (readOnly && readOnly()))
            return;
        if (const auto program = runningGameProgram()) {
            printErr("%s\n", gameRunningMessage(*program).c_str());
            throw CLI::RuntimeError(1);
        }
    });
}

} // namespace varnick::cli
