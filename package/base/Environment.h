#pragma once

#include <optional>
#include <string>

namespace varnick {

/// The value of environment variable name as UTF-8 (read through the
/// wide-character interface on Windows); nullopt when it is unset or empty.
std::optional<std::string> environmentText(const char* name);

} // namespace varnick
