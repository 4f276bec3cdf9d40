#pragma once

// A window-modal progress box with Cancel over work that runs on a worker
// thread: the window stays responsive, and Cancel asks the work to stop
// between its items.

#include <QApplication>
#include <QProgressDialog>
#include <QString>
#include <QWidget>

#include <atomic>
#include <cstddef>
#include <functional>
#include <thread>

namespace varnick {

/// Runs work(progress, cancel) on a worker thread and returns when it ended.
/// The work calls progress(done, total) as it goes (from its own thread) and
/// checks cancel between its items; the box shows after 300 ms.
template <typename Work> void runWithProgress(QWidget* owner, const QString& label, std::size_t total, Work work)
{
    QProgressDialog progress(label, QStringLiteral("Cancel"), 0, static_cast<int>(total), owner);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    std::atomic<std::size_t> done { 0 };
    std::atomic<bool> cancel { false };
    std::atomic<bool> finished { false };
    const std::function<void(std::size_t, std::size_t)> report = [&](std::size_t n, std::size_t) { done = n; };
    std::thread worker([&] {
        work(report, &cancel);
        finished = true;
    });
    while (!finished) {
        progress.setValue(static_cast<int>(done.load()));
        if (progress.wasCanceled())
            cancel = true;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    worker.join();
    progress.setValue(static_cast<int>(total));
}

} // namespace varnick
