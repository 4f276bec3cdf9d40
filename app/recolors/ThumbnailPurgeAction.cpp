#include "app/recolors/ThumbnailPurgeAction.h"

#include "app/backups/BackupSettings.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/platform/qt/WorkProgress.h"
#include "app/recolors/core/ThumbnailPurge.h"
#include "app/startup/GamePaths.h"
#include "app/startup/GameRunningGuard.h"
#include "app/startup/ThumbnailCache.h"
#include "package/base/ErrorTrap.h"

#include <QApplication>
#include <QCoreApplication>

#include <algorithm>
#include <atomic>

namespace varnick {

namespace {

const QString kLineEnds = QStringLiteral("\r\n\r\n");

QString confirmationText()
{
    return QCoreApplication::translate("ThumbnailPurgeAction",
               "This menu choice will delete all of the thumbnails for this object, including recolors. When a new "
               "mesh or texture is created for an object, the old thumbnails are not updated to reflect the changes. "
               "For object creators this can be a real annoyance. The game will generate new thumbnails for an "
               "object the next time you view the catalog information for it in the game. (Note: This can take a "
               "long time to finish if you have alot of custom content.)")
        + kLineEnds
        + QCoreApplication::translate(
            "ThumbnailPurgeAction", "Would you like to delete all the thumbnails for this object?");
}

// One line per cache that was not purged, for the closing message.
QString cacheNotes(const PurgeResult& result)
{
    QString notes;
    for (const CachePurge& cache : result.caches) {
        const QString name = text::fromUtf8(cache.name);
        if (cache.outcome == CacheOutcome::Missing)
            notes += kLineEnds
                + QCoreApplication::translate("ThumbnailPurgeAction", "%1 does not exist and was skipped.").arg(name);
        else if (cache.outcome == CacheOutcome::Cancelled || cache.outcome == CacheOutcome::NotReached)
            notes
                += kLineEnds + QCoreApplication::translate("ThumbnailPurgeAction", "%1 was left as it was.").arg(name);
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

// Runs the purge behind a modal progress box whose Cancel stops it between
// copied ranges (the cache being written is then left as it was).
PurgeResult purgeWithProgress(QWidget* owner, ThumbnailPurge& purge, PurgeOptions options)
{
    PurgeResult result;
    const ProgressBox box { QCoreApplication::translate("ThumbnailPurgeAction", "Purging thumbnails..."),
        QCoreApplication::translate("ThumbnailPurgeAction", "Delete Selected Object Thumbnails"),
        QStringLiteral("dlgPurgeProgress"), 0 };
    runWithProgress(owner, box, std::max<std::int64_t>(1, purge.totalBytes()),
        [&](const WorkReport& progress, const std::atomic<bool>* cancel) {
            options.cancel = cancel;
            options.progress = progress;
            result = purge.run(options);
        });
    return result;
}

} // namespace

bool purgeObjectThumbnails(QWidget* owner, const QString& objectFile)
{
    if (refuseWhileGameRuns(owner))
        return false;
    if (MessageBox::question(
            owner, QCoreApplication::translate("ThumbnailPurgeAction", "CONFIRM ACTION"), confirmationText())
        != QMessageBox::Yes)
        return false;

    bool changed = false;
    trapped("frmMain", "smenuDelThumbs_Click", [&] {
        if (objectFile.isEmpty())
            throw Failure(
                ErrorCode::InvalidArgument, Phrase(VARNICK_PHRASE("ThumbnailPurgeAction", "No object is selected")));
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
            result = purge.totalBytes() > kPurgeProgressDialogBytes ? purgeWithProgress(owner, purge, options)
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
            MessageBox::critical(owner, QCoreApplication::translate("ThumbnailPurgeAction", "EXTREMELY BAD ERROR"),
                phraseText(corrupt->corruptPhrase()));
            return;
        }
        result.rethrowFailure();
        if (result.cancelled()) {
            MessageBox::show(owner, QMessageBox::Information,
                QCoreApplication::translate("ThumbnailPurgeAction", "OPERATION CANCELLED"),
                QCoreApplication::translate("ThumbnailPurgeAction", "The purge was cancelled.") + cacheNotes(result));
            return;
        }
        MessageBox::show(owner, QMessageBox::Information,
            QCoreApplication::translate("ThumbnailPurgeAction", "OPERATION SUCCESSFUL"),
            QCoreApplication::translate(
                "ThumbnailPurgeAction", "All thumbnails for the selected object have been purged.")
                + cacheNotes(result));
    });
    return changed;
}

} // namespace varnick
