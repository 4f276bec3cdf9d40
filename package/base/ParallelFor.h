#pragma once

// A loop over independent items on a few threads, for work that reads or
// writes many files: the library scan, batch saves.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace varnick {

/// Runs work(i) for every i in [0, count) on up to threads threads (the
/// calling thread among them), handing the items out in order. No item
/// starts once stop() is true or an item has thrown. After each item,
/// finished(done) runs with the number of items done so far, one call at a
/// time. The first exception (from work, stop or finished, on any thread) is
/// rethrown once every thread has ended. Returns how many items were done.
template <typename Work, typename Stop, typename Finished>
std::size_t parallelFor(std::size_t count, unsigned threads, Work&& work, Stop&& stop, Finished&& finished)
{
    std::atomic<std::size_t> next { 0 };
    std::mutex doneMutex;
    std::size_t done = 0;
    std::exception_ptr failure;
    std::atomic<bool> failed { false };
    // Whatever throws on a thread (the work, the progress report or the stop
    // question) is kept for the caller: an exception leaving a thread would
    // end the process.
    const auto worker = [&] {
        try {
            for (;;) {
                if (failed.load() || stop())
                    return;
                const std::size_t i = next++;
                if (i >= count)
                    return;
                work(i);
                const std::lock_guard lock(doneMutex);
                ++done;
                finished(done);
            }
        } catch (...) {
            const std::lock_guard lock(doneMutex);
            if (!failure)
                failure = std::current_exception();
            failed = true;
        }
    };
    const auto used = static_cast<unsigned>(std::clamp<std::size_t>(count, 1, std::max(1U, threads)));
    std::vector<std::thread> pool;
    try {
        for (unsigned t = 1; t < used; ++t)
            pool.emplace_back(worker);
    } catch (const std::system_error&) {
        // No further thread could be started: the ones running, and this one, do the work.
    }
    worker();
    for (std::thread& thread : pool)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
    return done;
}

} // namespace varnick
