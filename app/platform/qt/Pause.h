#pragma once

#include <cstdint>

namespace varnick {

/// Waits milliseconds while letting pending window events run, so the windows
/// stay responsive (the package writer waits this way between retries of a
/// failed file open). Returns at once for 0 or less. Without a running
/// application object it only sleeps.
void gsPause(std::int32_t milliseconds);

} // namespace varnick
