#include "tools/cli/Commands.h"

namespace varnick::cli {

void addCodecCommands(CLI::App& /*app*/) {}

} // namespace varnick::cli
