#pragma once

#include <cstdio>
#include <string>

namespace varnick {

/// The program's version (major, minor, revision), from the project version
/// in the top-level CMakeLists.txt.
inline constexpr int kVersionMajor = VARNICK_VERSION_MAJOR;
inline constexpr int kVersionMinor = VARNICK_VERSION_MINOR;
inline constexpr int kVersionRevision = VARNICK_VERSION_REVISION;

/// The caption of the title and main windows: "Varnick - Version " + major +
/// "." + minor and revision with at least two digits (1.3.5 gives 1.03.05).
inline std::string titleText(int major = kVersionMajor, int minor = kVersionMinor, int revision = kVersionRevision)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "Varnick - Version %d.%02d.%02d", major, minor, revision);
    return buffer;
}

} // namespace varnick
