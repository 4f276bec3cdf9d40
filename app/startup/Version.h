#pragma once

#include <cstdio>
#include <string>

namespace varnick {

/// The program's version (major, minor, revision); kept equal to the project
/// version in the top-level CMakeLists.txt.
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 1;

/// The caption of the title and main windows: "Varnick - Version " + major +
/// "." + minor and revision with at least two digits (1.3.5 gives 1.03.05).
inline std::string titleText(int major = kVersionMajor, int minor = kVersionMinor, int revision = kVersionRevision)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "Varnick - Version %d.%02d.%02d", major, minor, revision);
    return buffer;
}

} // namespace varnick
