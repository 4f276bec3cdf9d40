#pragma once

// A window-modal progress box with Cancel over work that runs on a worker
// thread (a BackgroundTask): the window stays responsive, and Cancel asks the
// work to stop between its items.

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>

class QWidget;

namespace varnick {

/// The box's texts and timing.
struct ProgressBox {
    QString label;
    QString title; ///< the window title; empty for the application's
    QString objectName; ///< for tests that look for the box
    int showAfterMs = 300; ///< the box appears only for work that takes longer
};

/// Reports done of total from the work's thread; totals may exceed 32 bits (bytes).
using WorkReport = std::function<void(std::int64_t done, std::int64_t total)>;
/// The work: reports as it goes and checks cancel between its items.
using ModalWork = std::function<void(const WorkReport& progress, const std::atomic<bool>* cancel)>;

/// Runs work on a worker thread and returns when it has ended, rethrowing
/// what it threw (a Failure that keeps the worker's step and file). The box
/// counts the work's first figure up to total, and its Cancel sets the work's
/// cancel flag. The user-interface thread waits in an
/// event loop, never blocked.
void runWithProgress(QWidget* owner, const ProgressBox& box, std::int64_t total, const ModalWork& work);

/// runWithProgress with the default box and label.
void runWithProgress(QWidget* owner, const QString& label, std::int64_t total, const ModalWork& work);

} // namespace varnick
