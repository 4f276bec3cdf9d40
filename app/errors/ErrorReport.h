#pragma once

#include "package/base/ErrorTrap.h"

#include <filesystem>
#include <string>
#include <string_view>

// The plain-text error report of a trapped failure and its log file
// errorlog.txt (module "modErrorTrap"). No Qt: the dialog and tests share it.

namespace varnick {

inline constexpr std::string_view kProgramTitle = "Varnick";
inline constexpr std::string_view kErrorLogFileName = "errorlog.txt";

/// "<title> - Version <major>.<minor, 2 digits>.<revision, 2 digits>".
std::string errorReportVersionLine(std::string_view title, int major, int minor, int revision);

/// The folders a report names.
struct ErrorReportPaths {
    std::string installPath; ///< the folder the program runs from
    std::string dataPath; ///< the user's documents folder
    std::string simsPath; ///< the game's install folder
};

/// The report, every line ending in CR LF; "Additional Error Data:" and the
/// additional text (without a line end after it) only when there is some.
std::string composeErrorReport(
    const ErrorContext& context, std::string_view versionLine, const ErrorReportPaths& paths);

/// composeErrorReport with this program's version, its folder and the game paths.
std::string composeErrorReport(const ErrorContext& context);

/// Writes report and one CR LF to errorlog.txt, replacing any earlier report,
/// in besideProgramFolder() (the program folder, or the per-user folder when
/// the program folder cannot be written); if that write fails, in the per-user
/// folder. Returns the file written. Throws Failure (FileWriteFailed) naming
/// the places tried when no log could be written.
std::filesystem::path writeErrorLog(std::string_view report);

} // namespace varnick
