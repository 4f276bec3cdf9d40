#pragma once

// The one way the windows run long work off the user-interface thread. A task
// starts work on a worker thread and returns at once; the work reports
// progress and posts its results, and its end (finished, cancelled, or failed
// with the worker's error context) reaches the window on the user-interface
// thread. Starting anew opens a new generation: the earlier work is cancelled
// and whatever it still posts is dropped, so a stale result never shows.
// Nothing waits for a worker on the user-interface thread: a task destroyed
// while its work runs cancels it and drops what it posts afterwards, so the
// work itself must own (or share) everything it uses.

#include <QObject>

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

namespace varnick {

class BackgroundTask;

namespace detail {
struct TaskShared;
struct TaskRun;
} // namespace detail

/// How the work of one generation ended.
struct TaskEnd {
    /// The task was cancelled (or started anew) before its work returned.
    bool cancelled = false;
    /// What the work threw, as a Failure that keeps the worker's Location and
    /// file name (see currentFailureWithContext); null when it returned.
    std::exception_ptr failure;
};

/// What the work sees on its worker thread. Cheap to copy; usable from any thread.
class TaskContext {
public:
    /// Whether the work should stop at its next check (cancelled, started anew, or the task is gone).
    bool cancelled() const noexcept;
    /// The flag behind cancelled(), for cores that poll a flag.
    const std::atomic<bool>& cancelFlag() const noexcept;
    /// Reports done of total; the window sees the latest report (reports are merged, never queued up).
    void progress(std::int64_t done, std::int64_t total) const;
    /// Runs onUserInterface on the user-interface thread, after the posts made
    /// before it, while this generation is still the task's current one.
    void post(std::function<void()> onUserInterface) const;

private:
    friend class BackgroundTask;
    std::shared_ptr<detail::TaskShared> mShared;
    std::shared_ptr<detail::TaskRun> mRun;
};

class BackgroundTask : public QObject {
    Q_OBJECT
public:
    using Work = std::function<void(const TaskContext&)>;
    using ProgressHandler = std::function<void(std::int64_t done, std::int64_t total)>;
    using EndHandler = std::function<void(const TaskEnd&)>;

    explicit BackgroundTask(QObject* parent = nullptr);
    /// Cancels the running work without waiting for it.
    ~BackgroundTask() override;
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    /// Called on the user-interface thread with the current generation's latest progress.
    void setProgressHandler(ProgressHandler handler) { mOnProgress = std::move(handler); }
    /// Called on the user-interface thread when the current generation's last work has ended.
    void setEndHandler(EndHandler handler) { mOnEnd = std::move(handler); }

    /// Cancels earlier work and starts work in a new generation; returns at
    /// once. The work runs once the task's earlier work has returned, so two
    /// runs of one task never overlap.
    void start(Work work);
    /// Queues work behind the current generation's, sharing its cancel flag
    /// and generation; the end handler runs after the last of them. Starts a
    /// new generation when nothing runs.
    void append(Work work);
    /// Asks the current generation's work to stop; its end still arrives, cancelled.
    void cancel();
    /// Whether the current generation's work has not all ended.
    bool running() const noexcept { return mOutstanding > 0; }
    /// Counts the generations started; posts of any but the last are dropped.
    std::uint64_t generation() const noexcept { return mGeneration; }

private:
    friend class TaskContext;
    void submit(Work work);
    void runEnded(std::uint64_t generation, const TaskEnd& end);
    void progressArrived(std::uint64_t generation, std::int64_t done, std::int64_t total);

    std::shared_ptr<detail::TaskShared> mShared;
    std::shared_ptr<detail::TaskRun> mRun;
    std::uint64_t mGeneration = 0;
    int mOutstanding = 0;
    TaskEnd mEnd;
    ProgressHandler mOnProgress;
    EndHandler mOnEnd;
};

} // namespace varnick
