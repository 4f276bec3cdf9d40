#include "app/platform/qt/BackgroundTask.h"

#include "package/base/ErrorTrap.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

#include <deque>
#include <mutex>

namespace varnick {

namespace detail {

// What a task shares with its work: the receiver of the posts (null once the
// task is gone), and the queue of its runs, which one pool thread at a time
// works through in the order they were submitted.
struct TaskShared {
    std::mutex lock;
    BackgroundTask* receiver = nullptr;
    std::mutex queueLock;
    std::deque<std::function<void()>> queue;
    bool draining = false;
};

// One generation: its cancel flag and its merged progress.
struct TaskRun {
    explicit TaskRun(std::uint64_t number)
        : generation(number)
    {
    }
    const std::uint64_t generation;
    std::atomic<bool> cancel { false };
    std::atomic<std::int64_t> done { 0 };
    std::atomic<std::int64_t> total { 0 };
    std::atomic<bool> progressPosted { false };
};

} // namespace detail

namespace {

// The pool the tasks run on: many threads, because a task's work often waits
// for the one before it (and a scan and a page drawing run side by side). It
// belongs to the application object, whose end waits for the work still running.
QThreadPool* taskPool()
{
    static QPointer<QThreadPool> pool;
    static QThreadPool fallback;
    if (pool.isNull()) {
        if (QCoreApplication::instance() == nullptr)
            return &fallback;
        pool = new QThreadPool(QCoreApplication::instance());
        pool->setMaxThreadCount(64);
        pool->setExpiryTimeout(10000);
    }
    return pool.data();
}

// Posts onReceiver to the task on its thread unless the task is gone.
template <typename Function> void postToTask(detail::TaskShared& shared, Function onReceiver)
{
    const std::lock_guard lock(shared.lock);
    if (shared.receiver == nullptr)
        return;
    // Under the lock the receiver cannot be destroyed before the event is
    // queued; once it is, its destruction discards the event.
    BackgroundTask* receiver = shared.receiver;
    QMetaObject::invokeMethod(
        receiver, [receiver, onReceiver = std::move(onReceiver)] { onReceiver(*receiver); }, Qt::QueuedConnection);
}

} // namespace

bool TaskContext::cancelled() const noexcept
{
    return mRun->cancel.load();
}

const std::atomic<bool>& TaskContext::cancelFlag() const noexcept
{
    return mRun->cancel;
}

void TaskContext::progress(std::int64_t done, std::int64_t total) const
{
    mRun->done.store(done);
    mRun->total.store(total);
    // One post carries the latest figures; reports made before it is taken are merged into it.
    if (mRun->progressPosted.exchange(true))
        return;
    postToTask(*mShared, [run = mRun](BackgroundTask& task) {
        run->progressPosted.store(false);
        task.progressArrived(run->generation, run->done.load(), run->total.load());
    });
}

void TaskContext::post(std::function<void()> onUserInterface) const
{
    postToTask(
        *mShared, [generation = mRun->generation, onUserInterface = std::move(onUserInterface)](BackgroundTask& task) {
            if (generation == task.generation())
                onUserInterface();
        });
}

BackgroundTask::BackgroundTask(QObject* parent)
    : QObject(parent)
    , mShared(std::make_shared<detail::TaskShared>())
{
    mShared->receiver = this;
}

BackgroundTask::~BackgroundTask()
{
    if (mRun)
        mRun->cancel.store(true);
    const std::lock_guard lock(mShared->lock);
    mShared->receiver = nullptr;
}

void BackgroundTask::start(Work work)
{
    if (mRun)
        mRun->cancel.store(true);
    mRun = std::make_shared<detail::TaskRun>(++mGeneration);
    mOutstanding = 0;
    mEnd = TaskEnd {};
    submit(std::move(work));
}

void BackgroundTask::append(Work work)
{
    if (!running() || !mRun || mRun->cancel.load()) {
        start(std::move(work));
        return;
    }
    submit(std::move(work));
}

void BackgroundTask::cancel()
{
    if (mRun)
        mRun->cancel.store(true);
}

void BackgroundTask::submit(Work work)
{
    ++mOutstanding;
    TaskContext context;
    context.mShared = mShared;
    context.mRun = mRun;
    std::function<void()> run = [context = std::move(context), work = std::move(work)] {
        TaskEnd end;
        if (!context.cancelled()) {
            // A pool thread's record still holds what an earlier task left there.
            errorContext() = ErrorContext {};
            try {
                work(context);
            } catch (...) {
                end.failure = currentFailureWithContext();
            }
        }
        end.cancelled = context.cancelled();
        postToTask(*context.mShared,
            [generation = context.mRun->generation, end](BackgroundTask& task) { task.runEnded(generation, end); });
    };
    bool startDrainer = false;
    {
        const std::lock_guard lock(mShared->queueLock);
        mShared->queue.push_back(std::move(run));
        startDrainer = !mShared->draining;
        mShared->draining = true;
    }
    if (!startDrainer)
        return;
    // One pool thread works through the queue, so that runs keep their order and never overlap.
    taskPool()->start([shared = mShared] {
        for (;;) {
            std::function<void()> next;
            {
                const std::lock_guard lock(shared->queueLock);
                if (shared->queue.empty()) {
                    shared->draining = false;
                    return;
                }
                next = std::move(shared->queue.front());
                shared->queue.pop_front();
            }
            next();
        }
    });
}

void BackgroundTask::progressArrived(std::uint64_t generation, std::int64_t done, std::int64_t total)
{
    if (generation == mGeneration && mOnProgress)
        mOnProgress(done, total);
}

void BackgroundTask::runEnded(std::uint64_t generation, const TaskEnd& end)
{
    if (generation != mGeneration || mOutstanding == 0)
        return;
    // Appended work shares one end: cancelled when any was, with the first failure.
    mEnd.cancelled = mEnd.cancelled || end.cancelled;
    if (!mEnd.failure)
        mEnd.failure = end.failure;
    if (--mOutstanding > 0)
        return;
    const TaskEnd ended = mEnd;
    if (mOnEnd)
        mOnEnd(ended);
}

} // namespace varnick
