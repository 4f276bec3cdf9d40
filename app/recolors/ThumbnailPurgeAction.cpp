#include "app/recolors/ThumbnailPurgeAction.h"

#include "app/backups/BackupSettings.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/recolors/core/ThumbnailPurge.h"
#include "app/startup/GamePaths.h"
#include "app/startup/GameRunningGuard.h"
#include "app/startup/ThumbnailCache.h"
#include "package/base/ErrorTrap.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <memory>

namespace varnick {

namespace {

const QString kLineEnds = QStringLiteral("\r\n\r\n");

QString confirmationText()
{
    return QStringLiteral(
               "This menu choice will delete all of the thumbnails for this object, including recolors. When a new "
               "mesh or texture is created for an object, the old thumbnails are not updated to reflect the changes. "
               "For object creators this can be a real annoyance. The game will generate new thumbnails for an "
               "object the next time you view the catalog information for it in the game. (Note: This can take a "
               "long time to finish if you have alot of custom content.)")
        + kLineEnds + QStringLiteral("Would you like to delete all the thumbnails for this object?");
}

// One line per cache that was not purged, for the closing message.
QString cacheNotes(const PurgeResult& result)
{
    QString notes;
    for (const CachePurge& cache : result.caches) {
        const QString name = text::fromUtf8(cache.name);
        if (cache.outcome == CacheOutcome::Missing)
            notes += kLineEnds + name + QStringLiteral(" does not exist and was skipped.");
        else if (cache.outcome == CacheOutcome::Cancelled || cache.outcome == CacheOutcome::NotReached)
            notes += kLineEnds + name + QStringLiteral(" was left as it was.");
    }
    return notes;
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Runs the purge on a working thread behind a modal progress dialog whose Cancel
// stops it between copied ranges (the cache being written is then left as it was).
PurgeResult runWithProgress(QWidget* owner, ThumbnailPurge& purge, PurgeOptions options)
{
    QProgressDialog dialog(QStringLiteral("Purging thumbnails..."), QStringLiteral("Cancel"), 0, 1000, owner);
    dialog.setObjectName(QStringLiteral("dlgPurgeProgress"));
    dialog.setWindowTitle(QStringLiteral("Delete Selected Object Thumbnails"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);

    std::atomic<bool> cancel { false };
    std::atomic<std::int64_t> done { 0 };
    const std::int64_t total = std::max<std::int64_t>(1, purge.totalBytes());
    options.cancel = &cancel;
    options.progress = [&done](std::int64_t bytes, std::int64_t) { done.store(bytes); };

    PurgeResult result;
    std::unique_ptr<QThread> worker(QThread::create([&] { result = purge.run(options); }));
    QEventLoop loop;
    QTimer poll;
    QObject::connect(
        &poll, &QTimer::timeout, &dialog, [&] { dialog.setValue(static_cast<int>(done.load() * 1000 / total)); });
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
        cancel.store(true);
        dialog.setLabelText(QStringLiteral("Cancelling..."));
    });
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    poll.start(100);
    dialog.show();
    worker->start();
    loop.exec();
    worker->wait();
    return result;
}

} // namespace

bool purgeObjectThumbnails(QWidget* owner, const QString& objectFile)
{
    if (refuseWhileGameRuns(owner))
        return false;
    if (MessageBox::question(owner, QStringLiteral("CONFIRM ACTION"), confirmationText()) != QMessageBox::Yes)
        return false;

    bool changed = false;
    trapped("frmMain", "smenuDelThumbs_Click", [&] {
        if (objectFile.isEmpty())
            throw Failure(ErrorCode::InvalidArgument, "No object is selected");
        PurgeResult result;
        {
            const WaitCursor hourglass;
            if (owner)
                owner->repaint();
            ThumbnailPurge purge(
                pathFromUtf8(gstrSims2DataPath) / "Thumbnails", thumbnailKeyOf(text::toUtf8(objectFile)));
            // Each cache's previous version goes to the program's backups as an editor save's does.
            BackupStore backups = programBackups();
            PurgeOptions options;
            options.backups = &backups;
            result = purge.totalBytes() > kPurgeProgressDialogBytes ? runWithProgress(owner, purge, options)
                                                                    : purge.run(options);
            changed = result.changed();
            // The program's copy describes the old file: read the index of the new one.
            const CachePurge& objectCache = result.caches[0];
            if (objectCache.outcome == CacheOutcome::Purged) {
                const FileNameContext context(pathToUtf8(objectCache.file));
                if (gudtObjectThumbnails().fileName() == objectCache.file)
                    gudtObjectThumbnails().reload();
                else
                    gudtObjectThumbnails().load(objectCache.file);
            }
        }
        if (const CachePurge* corrupt = result.corrupt()) {
            MessageBox::critical(
                owner, QStringLiteral("EXTREMELY BAD ERROR"), text::fromUtf8(corrupt->corruptMessage()));
            return;
        }
        result.rethrowFailure();
        if (result.cancelled()) {
            MessageBox::show(owner, QMessageBox::Information, QStringLiteral("OPERATION CANCELLED"),
                QStringLiteral("The purge was cancelled.") + cacheNotes(result));
            return;
        }
        MessageBox::show(owner, QMessageBox::Information, QStringLiteral("OPERATION SUCCESSFUL"),
            QStringLiteral("All thumbnails for the selected object have been purged.") + cacheNotes(result));
    });
    return changed;
}

} // namespace varnick
