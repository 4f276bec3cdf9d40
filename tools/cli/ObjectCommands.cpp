#include "tools/cli/Commands.h"

namespace varnick::cli {

void addObjectCommands(CLI::App& /*app*/) {}

} // namespace varnick::cli
