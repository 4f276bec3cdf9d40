#include "app/platform/qt/Pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

#include <algorithm>

namespace varnick {

void gsPause(std::int32_t milliseconds)
{
    if (milliseconds <= 0)
        return;
    // A monotonic clock: neither wraps round nor jumps with the wall clock.
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const qint64 remaining = milliseconds - timer.elapsed();
        if (remaining <= 0)
            return;
        if (QCoreApplication::instance() != nullptr)
            QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(remaining));
        // processEvents returns at once when nothing is pending; a short sleep
        // keeps the wait from spinning a core.
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(remaining, 5)));
    }
}

void pauseBeforeRetry(std::int32_t milliseconds)
{
    const QCoreApplication* application = QCoreApplication::instance();
    if (application != nullptr && QThread::currentThread() == application->thread()) {
        gsPause(milliseconds);
        return;
    }
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace varnick
