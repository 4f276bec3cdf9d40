#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace varnick::cli {

/// Runs varnick-cli with arguments (UTF-8, without the program's own name),
/// writing what the command prints to out and err, and returns its exit
/// status: 0 for success, 1 for a failure (one line on err), CLI11's codes for
/// bad arguments. A failure the error trap reports is written to err and
/// makes the status 1 (the trap's handler is the tool's while any run is on).
/// Runs on several threads at once keep their streams apart; what a
/// command's worker threads print goes to the run started last.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace varnick::cli
