#pragma once

// Where the commands write: the streams runCli was given (standard output and
// standard error for the program, strings for the tests that run it in-process).

#include <cstdio>
#include <ostream>

// The format checks of the C library the commands' text is formatted with
// (MinGW's own printf family on Windows).
#ifdef __MINGW_PRINTF_FORMAT
#define VARNICK_PRINTF_FORMAT __MINGW_PRINTF_FORMAT
#else
#define VARNICK_PRINTF_FORMAT printf
#endif

namespace varnick::cli {

/// The running command's standard output and standard error.
std::ostream& cliOut();
std::ostream& cliErr();

/// Formatted text (as printf formats it) on cliOut() or cliErr().
[[gnu::format(VARNICK_PRINTF_FORMAT, 1, 2)]] void printOut(const char* format, ...);
[[gnu::format(VARNICK_PRINTF_FORMAT, 1, 2)]] void printErr(const char* format, ...);

/// Ends the running command with exit status 1 when the error trap has
/// reported a failure during it (the report is already on standard error).
void stopIfTrapped();

/// Whether the error trap reported a failure during the running command.
bool trappedDuringRun();

} // namespace varnick::cli
