#pragma once

#include <cstdint>

namespace varnick {

/// Waits milliseconds while letting pending window events run, so the windows
/// stay responsive. Returns at once for 0 or less. Without a running
/// application object it only sleeps.
void gsPause(std::int32_t milliseconds);

/// The package writer's pause between retries of a held file: gsPause on the
/// user-interface thread, a plain sleep on any other (a worker has no window
/// events to run, and running the window's events from there is not allowed).
void pauseBeforeRetry(std::int32_t milliseconds);

} // namespace varnick
