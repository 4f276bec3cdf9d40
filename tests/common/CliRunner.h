#pragma once

// varnick-cli run in the test's own process, as players and scripts run it:
// the same commands, streams caught as text, any platform.

#include "tests/common/ScopedEnvironment.h"
#include "tools/cli/RunCli.h"

#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace varnick::test {

struct CliRun {
    int status = -1; ///< the exit status the tool would give
    std::string out; ///< what it wrote to standard output
    std::string err; ///< what it wrote to standard error
};

/// Environment variables set (or, with nullopt, removed) for one run.
using CliEnvironment = std::vector<std::pair<std::string, std::optional<std::string>>>;

/// Runs varnick-cli with arguments (UTF-8, without the tool's name).
inline CliRun runCli(const std::vector<std::string>& arguments, const CliEnvironment& environment = {})
{
    ScopedEnvironment scoped;
    for (const auto& [name, value] : environment)
        scoped.set(name, value);
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = cli::runCli(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace varnick::test
