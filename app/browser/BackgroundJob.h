#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace varnick {

/// One piece of long work on its own thread with a cancel flag. Starting new
/// work first waits for the previous one (cancelled or not); the destructor
/// cancels and waits, so no work outlives its owner.
class BackgroundJob {
public:
    BackgroundJob() = default;
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;
    ~BackgroundJob()
    {
        cancel();
        wait();
    }

    /// Runs work(cancelFlag) on a new thread after the previous work ended.
    void start(std::function<void(const std::atomic<bool>&)> work)
    {
        wait();
        mCancel = std::make_shared<std::atomic<bool>>(false);
        mThread = std::thread([flag = mCancel, work = std::move(work)] { work(*flag); });
    }
    /// Asks the running work to stop at its next check.
    void cancel()
    {
        if (mCancel)
            mCancel->store(true);
    }
    /// Waits until the running work has ended.
    void wait()
    {
        if (mThread.joinable())
            mThread.join();
    }

private:
    std::shared_ptr<std::atomic<bool>> mCancel;
    std::thread mThread;
};

} // namespace varnick
