#pragma once

// A window-modal progress box with Cancel over work that runs on a worker
// thread: the window stays responsive, and Cancel asks the work to stop
// between its items.

#include <QEventLoop>
#include <QObject>
#include <QProgressDialog>
#include <QString>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>

namespace varnick {

/// Runs work(progress, cancel) on a worker thread and returns when it ended;
/// what the work throws is thrown here. The work calls progress(done, total)
/// as it goes (from its own thread) and checks cancel between its items; the
/// box shows after 300 ms. The user-interface thread waits in an event loop
/// (no busy waiting) and updates the box ten times a second.
template <typename Work> void runWithProgress(QWidget* owner, const QString& label, std::size_t total, Work work)
{
    QProgressDialog progress(label, QStringLiteral("Cancel"), 0, static_cast<int>(total), owner);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    std::atomic<std::size_t> done { 0 };
    std::atomic<bool> cancel { false };
    std::exception_ptr failure;
    const std::function<void(std::size_t, std::size_t)> report = [&](std::size_t n, std::size_t) { done = n; };
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            work(report, &cancel);
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &progress, [&] {
        progress.setValue(static_cast<int>(done.load()));
        if (progress.wasCanceled())
            cancel = true;
    });
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    poll.start(100);
    worker->start();
    loop.exec();
    worker->wait();
    progress.setValue(static_cast<int>(total));
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace varnick
