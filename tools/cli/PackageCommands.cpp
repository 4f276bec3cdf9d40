#include "tools/cli/Commands.h"

namespace varnick::cli {

void addPackageCommands(CLI::App& /*app*/) {}

} // namespace varnick::cli
