#include "app/errors/ErrorReport.h"

#include "app/startup/GamePaths.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace varnick {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string twoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

void appendLine(std::string& report, std::string_view text = {})
{
    report.append(text);
    report.append(kLineEnd);
}

// Writes the whole file or nothing usable; false when any step fails.
bool writeFile(const fs::path& file, std::string_view report)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(report.data(), static_cast<std::streamsize>(report.size()));
    out.write(kLineEnd.data(), static_cast<std::streamsize>(kLineEnd.size()));
    out.close();
    return !out.fail();
}

} // namespace

std::string errorReportVersionLine(std::string_view title, int major, int minor, int revision)
{
    return std::string(title) + " - Version " + std::to_string(major) + "." + twoDigits(minor) + "."
        + twoDigits(revision);
}

std::string composeErrorReport(const ErrorContext& context, std::string_view versionLine, const ErrorReportPaths& paths)
{
    std::string report;
    appendLine(report, versionLine);
    appendLine(report);
    appendLine(report, "Error: " + std::to_string(context.Number));
    appendLine(report, context.Description);
    appendLine(report);
    appendLine(report, "Module: " + context.Module);
    appendLine(report, "Procedure: " + context.Procedure);
    appendLine(report, "Location: " + std::to_string(context.Location));
    appendLine(report);
    appendLine(report, "Install Path: " + paths.installPath);
    appendLine(report, "Data Path: " + paths.dataPath);
    appendLine(report, "Sims Path: " + paths.simsPath);
    appendLine(report);
    if (!context.AdditionalData.empty()) {
        appendLine(report, "Additional Error Data:");
        report.append(context.AdditionalData);
    }
    return report;
}

std::string composeErrorReport(const ErrorContext& context)
{
    const std::string versionLine
        = errorReportVersionLine(kProgramTitle, VARNICK_VERSION_MAJOR, VARNICK_VERSION_MINOR, VARNICK_VERSION_REVISION);
    return composeErrorReport(context, versionLine,
        ErrorReportPaths { pathToUtf8(programFolder()), gstrDocumentsPath, gstrSims2InstallPath });
}

fs::path writeErrorLog(std::string_view report)
{
    fs::path first = besideProgramFolder() / kErrorLogFileName;
    if (writeFile(first, report))
        return first;
    // The folder may be writable while the old log is not (read-only, locked).
    fs::path second = userDataFolder() / kErrorLogFileName;
    if (second != first && writeFile(second, report))
        return second;
    throw Failure(ErrorCode::FileWriteFailed,
        "Cannot write the error log " + pathToUtf8(first)
            + (second != first ? " or " + pathToUtf8(second) : std::string()));
}

} // namespace varnick
