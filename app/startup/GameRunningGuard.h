#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace varnick {

/// Called first by every window action that writes packages or caches: when a
/// game program runs, shows "The Sims 2 is running (Sims2EP9.exe). Close the
/// game before changing your downloads." in an exclamation box owned by owner
/// and returns true, and the action does nothing. False when the game is not
/// running. Reading is never refused.
bool refuseWhileGameRuns(QWidget* owner);

/// Test hook: while alive, the windows see program (nullopt: none) as the
/// running game instead of the process list.
class RunningGameForTesting {
public:
    explicit RunningGameForTesting(std::optional<QString> program);
    ~RunningGameForTesting();
    RunningGameForTesting(const RunningGameForTesting&) = delete;
    RunningGameForTesting& operator=(const RunningGameForTesting&) = delete;
};

} // namespace varnick
