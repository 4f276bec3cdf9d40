#include "app/platform/qt/WorkProgress.h"

#include "app/platform/qt/BackgroundTask.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>

#include <algorithm>
#include <climits>
#include <exception>

namespace varnick {

namespace {

// The bar counts in ints: totals beyond them are shown in thousandths.
constexpr int kScaledSteps = 1000;

int barValue(std::int64_t done, std::int64_t total)
{
    if (total <= INT_MAX)
        return static_cast<int>(std::clamp<std::int64_t>(done, 0, total));
    return static_cast<int>(std::clamp<std::int64_t>(done, 0, total) / (total / kScaledSteps + 1));
}

int barMaximum(std::int64_t total)
{
    return total <= INT_MAX ? static_cast<int>(std::max<std::int64_t>(total, 0)) : barValue(total, total);
}

} // namespace

void runWithProgress(QWidget* owner, const ProgressBox& box, std::int64_t total, const ModalWork& work)
{
    QProgressDialog progress(
        box.label, QCoreApplication::translate("WorkProgress", "Cancel"), 0, barMaximum(total), owner);
    if (!box.objectName.isEmpty())
        progress.setObjectName(box.objectName);
    if (!box.title.isEmpty())
        progress.setWindowTitle(box.title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(box.showAfterMs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);

    BackgroundTask task;
    QEventLoop loop;
    bool ended = false;
    std::exception_ptr failure;
    // The bar counts against the caller's total: a work's own second figure may count something else.
    task.setProgressHandler([&](std::int64_t done, std::int64_t) { progress.setValue(barValue(done, total)); });
    task.setEndHandler([&](const TaskEnd& end) {
        ended = true;
        failure = end.failure;
        loop.quit();
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&] {
        task.cancel();
        progress.setLabelText(QCoreApplication::translate("WorkProgress", "Cancelling..."));
    });
    if (box.showAfterMs <= 0)
        progress.show();
    task.start([&work](const TaskContext& context) {
        work([&context](std::int64_t done, std::int64_t reported) { context.progress(done, reported); },
            &context.cancelFlag());
    });
    loop.exec();
    // The work uses this frame: however the loop was left, it is waited for (without blocking the events).
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    progress.setValue(progress.maximum());
    if (failure)
        std::rethrow_exception(failure);
}

void runWithProgress(QWidget* owner, const QString& label, std::int64_t total, const ModalWork& work)
{
    runWithProgress(owner, ProgressBox { label, {}, {}, 300 }, total, work);
}

} // namespace varnick
