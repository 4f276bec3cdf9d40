// The windows' task runner: a start that never waits, generations that drop
// stale results, cancel, merged progress, a failure carried back with the
// worker's step and file, and the modal runner over it.
#include "app/platform/qt/BackgroundTask.h"
#include "app/platform/qt/WorkProgress.h"
#include "package/base/ErrorTrap.h"
#include "tests/common/TrapRecorder.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

using namespace varnick;

namespace {

// A gate the work waits at until the test opens it (never longer than ten seconds).
class Gate {
public:
    void open() { mOpen = true; }
    void wait() const
    {
        for (int i = 0; i < 2000 && !mOpen; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

private:
    std::atomic<bool> mOpen { false };
};

} // namespace

class BackgroundTaskTest : public QObject {
    Q_OBJECT

private slots:
    void startReturnsAtOnceAndTheEndArrivesOnTheUserInterfaceThread()
    {
        BackgroundTask task;
        auto gate = std::make_shared<Gate>();
        QThread* workThread = nullptr;
        QThread* endThread = nullptr;
        int ends = 0;
        TaskEnd last;
        task.setEndHandler([&](const TaskEnd& end) {
            endThread = QThread::currentThread();
            last = end;
            ++ends;
        });
        task.start([gate, &workThread](const TaskContext&) {
            workThread = QThread::currentThread();
            gate->wait();
        });
        // The work is held at its gate: start has returned all the same.
        QVERIFY(task.running());
        gate->open();
        QTRY_VERIFY(!task.running());
        QCOMPARE(ends, 1);
        QCOMPARE(endThread, QThread::currentThread());
        QVERIFY(workThread != QThread::currentThread());
        QVERIFY(!last.cancelled);
        QVERIFY(!last.failure);
    }

    void aNewStartCancelsTheStaleGenerationAndDropsWhatItPosts()
    {
        BackgroundTask task;
        auto gate = std::make_shared<Gate>();
        QStringList shown;
        int ends = 0;
        task.setEndHandler([&](const TaskEnd&) { ++ends; });
        std::atomic<bool> staleSawCancel { false };
        std::atomic<bool> staleStarted { false };
        task.start([gate, &shown, &staleSawCancel, &staleStarted](const TaskContext& context) {
            staleStarted = true;
            gate->wait();
            staleSawCancel = context.cancelled();
            context.post([&shown] { shown << QStringLiteral("stale"); });
        });
        QTRY_VERIFY(staleStarted.load());
        task.start(
            [&shown](const TaskContext& context) { context.post([&shown] { shown << QStringLiteral("fresh"); }); });
        QCOMPARE(task.generation(), std::uint64_t { 2 });
        gate->open();
        QTRY_VERIFY(!task.running());
        QTest::qWait(20);
        QCOMPARE(shown, QStringList { QStringLiteral("fresh") });
        QCOMPARE(ends, 1);
        QVERIFY(staleSawCancel.load());
    }

    void cancelReachesTheWorkAndItsEndSaysSo()
    {
        BackgroundTask task;
        std::atomic<int> steps { 0 };
        TaskEnd last;
        task.setEndHandler([&](const TaskEnd& end) { last = end; });
        task.start([&steps](const TaskContext& context) {
            while (!context.cancelFlag().load() && steps < 100000) {
                ++steps;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
        QTRY_VERIFY(steps.load() > 0);
        task.cancel();
        QTRY_VERIFY(!task.running());
        QVERIFY(last.cancelled);
        QVERIFY(steps.load() < 100000);
    }

    void progressIsMergedAndEndsAtTheLastReport()
    {
        BackgroundTask task;
        QList<qint64> seen;
        task.setProgressHandler([&](std::int64_t done, std::int64_t total) {
            QCOMPARE(total, qint64 { 6'000'000'000 });
            seen << done;
        });
        task.start([](const TaskContext& context) {
            for (std::int64_t done = 1; done <= 20000; ++done)
                context.progress(done * 300'000, 6'000'000'000);
        });
        QTRY_VERIFY(!task.running());
        QVERIFY(!seen.isEmpty());
        QVERIFY(seen.size() < 20000);
        QCOMPARE(seen.last(), qint64 { 6'000'000'000 });
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
    }

    // A worker's failure, rethrown on the user-interface thread, is reported
    // with the step and the file it failed at on the worker.
    void aFailureKeepsTheWorkersStepAndFile()
    {
        BackgroundTask task;
        TaskEnd last;
        task.setEndHandler([&](const TaskEnd& end) { last = end; });
        task.start([](const TaskContext&) {
            setLocation(2500);
            const FileNameContext file("/downloads/broken chair.package");
            throw Failure(ErrorCode::BadPackage, "Index past end of file");
        });
        QTRY_VERIFY(!task.running());
        QVERIFY(last.failure);

        test::TrapRecorder trap;
        trapped("frmWindow", "Form_Activate", [&] {
            setLocation(3000);
            std::rethrow_exception(last.failure);
        });
        QCOMPARE(trap.trapped().size(), std::size_t { 1 });
        QCOMPARE(trap.last().Location, 2500);
        QCOMPARE(trap.last().AdditionalData, std::string("Filename = /downloads/broken chair.package"));
        QCOMPARE(trap.last().Number, static_cast<int>(ErrorCode::BadPackage));
        QCOMPARE(trap.last().Procedure, std::string("Form_Activate"));
    }

    void aDestroyedTaskDropsWhatItsWorkPostsLater()
    {
        auto gate = std::make_shared<Gate>();
        auto finished = std::make_shared<std::atomic<bool>>(false);
        auto sawCancel = std::make_shared<std::atomic<bool>>(false);
        auto started = std::make_shared<std::atomic<bool>>(false);
        bool posted = false;
        bool ended = false;
        {
            BackgroundTask task;
            task.setEndHandler([&ended](const TaskEnd&) { ended = true; });
            task.start([gate, finished, sawCancel, started, &posted](const TaskContext& context) {
                *started = true;
                gate->wait();
                *sawCancel = context.cancelled();
                context.post([&posted] { posted = true; });
                *finished = true;
            });
            QTRY_VERIFY(started->load());
        }
        // Nothing waited for the work; it goes on, and what it hands back reaches nobody.
        gate->open();
        QTRY_VERIFY(finished->load());
        QTest::qWait(20);
        QVERIFY(sawCancel->load());
        QVERIFY(!posted);
        QVERIFY(!ended);
    }

    void appendedWorkRunsAfterTheEarlierAndTheGenerationEndsOnce()
    {
        BackgroundTask task;
        auto gate = std::make_shared<Gate>();
        QStringList order;
        int ends = 0;
        task.setEndHandler([&](const TaskEnd&) { ++ends; });
        task.start([gate, &order](const TaskContext& context) {
            gate->wait();
            context.post([&order] { order << QStringLiteral("first"); });
        });
        task.append(
            [&order](const TaskContext& context) { context.post([&order] { order << QStringLiteral("second"); }); });
        QCOMPARE(task.generation(), std::uint64_t { 1 });
        gate->open();
        QTRY_VERIFY(!task.running());
        QCOMPARE(order, (QStringList { QStringLiteral("first"), QStringLiteral("second") }));
        QCOMPARE(ends, 1);
        // Appending to a task at rest starts a generation of its own.
        task.append([](const TaskContext&) {});
        QCOMPARE(task.generation(), std::uint64_t { 2 });
        QTRY_COMPARE(ends, 2);
    }

    void runWithProgressCountsBeyond32BitsAndRethrowsTheFailure()
    {
        std::int64_t reported = 0;
        runWithProgress(nullptr, QStringLiteral("Copying..."), 5'000'000'000,
            [&](const WorkReport& progress, const std::atomic<bool>* cancel) {
                QVERIFY(cancel != nullptr && !cancel->load());
                for (std::int64_t done = 0; done <= 5'000'000'000; done += 1'000'000'000) {
                    progress(done, 5'000'000'000);
                    reported = done;
                }
            });
        QCOMPARE(reported, std::int64_t { 5'000'000'000 });

        try {
            runWithProgress(nullptr, QStringLiteral("Failing..."), 1, [](const WorkReport&, const std::atomic<bool>*) {
                setLocation(1500);
                throw std::runtime_error("the disk is full");
            });
            QFAIL("the failure was not rethrown");
        } catch (const Failure& failure) {
            QCOMPARE(failure.code(), ErrorCode::Unexpected);
            QCOMPARE(QString::fromUtf8(failure.what()), QStringLiteral("the disk is full"));
            QVERIFY(failure.place().has_value());
            QCOMPARE(failure.place()->location, 1500);
        }
    }
};

QTEST_MAIN(BackgroundTaskTest)
#include "BackgroundTaskTest.moc"
