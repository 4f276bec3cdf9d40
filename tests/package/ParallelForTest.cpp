#include "package/base/ParallelFor.h"
#include "package/base/ErrorTrap.h"
#include "tests/common/FailsWith.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

using namespace varnick;

TEST(ParallelFor, doesEveryItemOnceAndReportsEachInTurn)
{
    for (const unsigned threads : { 1U, 4U }) {
        std::vector<std::atomic<int>> seen(500);
        std::vector<std::size_t> reported;
        const std::size_t done = parallelFor(
            seen.size(), threads, [&](std::size_t i) { ++seen[i]; }, [] { return false; },
            [&](std::size_t n) { reported.push_back(n); });
        EXPECT_EQ(done, seen.size());
        for (const std::atomic<int>& count : seen)
            EXPECT_EQ(count.load(), 1);
        ASSERT_EQ(reported.size(), seen.size());
        for (std::size_t n = 0; n < reported.size(); ++n)
            EXPECT_EQ(reported[n], n + 1);
    }
}

// Whatever throws (the work, the progress callback or the stop question, on
// any thread) comes back to the caller as that exception once every thread
// has ended; the process goes on.
TEST(ParallelFor, carriesAThrowFromWorkProgressOrStopBackToTheCaller)
{
    enum class Where { Work, Progress, Stop };
    for (const Where where : { Where::Work, Where::Progress, Where::Stop }) {
        for (const unsigned threads : { 1U, 4U }) {
            SCOPED_TRACE(static_cast<int>(where) * 10 + static_cast<int>(threads));
            std::atomic<int> calls { 0 };
            const auto throwOnce = [&](Where here) {
                if (here == where && ++calls == 7)
                    throw std::runtime_error("callback broke at the seventh call");
            };
            EXPECT_FAILS_WITH(parallelFor(
                                  200, threads, [&](std::size_t) { throwOnce(Where::Work); },
                                  [&] {
                                      throwOnce(Where::Stop);
                                      return false;
                                  },
                                  [&](std::size_t) { throwOnce(Where::Progress); }),
                "seventh call");
        }
    }
    // A Failure keeps its type.
    EXPECT_THROW(parallelFor(
                     10, 3, [](std::size_t) {}, [] { return false; },
                     [](std::size_t) { throw Failure(ErrorCode::FileWriteFailed, "progress"); }),
        Failure);
}
