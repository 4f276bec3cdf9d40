#include "app/startup/ClearCachesAction.h"

#include "app/backups/BackupSettings.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/WorkProgress.h"
#include "app/startup/GamePaths.h"
#include "app/startup/GameRunningGuard.h"
#include "app/startup/ThumbnailCache.h"
#include "app/startup/core/GameCaches.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QMenu>

namespace varnick {

namespace {

QString title()
{
    return QCoreApplication::translate("ClearCachesAction", "Clear Game Caches");
}
const QString kLineEnds = QStringLiteral("\r\n\r\n");

QString fileLine(const std::filesystem::path& file, std::uintmax_t size)
{
    return QDir::toNativeSeparators(text::fromPath(file)) + QStringLiteral("  (")
        + QLocale().formattedDataSize(static_cast<qint64>(size)) + QStringLiteral(")");
}

} // namespace

bool clearGameCachesAction(QWidget* owner)
{
    if (refuseWhileGameRuns(owner))
        return false;
    if (gstrSims2DataPath.empty() || gstrSims2DataPath == gstrPathNotFound)
        return false;
    const std::filesystem::path data = pathFromUtf8(gstrSims2DataPath);
    const std::vector<GameCacheFile> files = gameCacheFiles(data);
    if (files.empty()) {
        MessageBox::show(owner, QMessageBox::Information, title(),
            QCoreApplication::translate("ClearCachesAction", "There are no game caches to clear in %1.")
                .arg(QDir::toNativeSeparators(text::fromPath(data))));
        return false;
    }
    QString list;
    for (const GameCacheFile& file : files)
        list += QStringLiteral("\r\n") + fileLine(file.file, file.size);
    if (MessageBox::question(owner, QCoreApplication::translate("ClearCachesAction", "Confirm Action"),
            QCoreApplication::translate("ClearCachesAction",
                "Move these caches to the backup folder? The game makes them anew at its next start, "
                "which takes longer than usual.")
                + QStringLiteral("\r\n") + list)
        != QMessageBox::Yes)
        return false;

    ClearedCaches cleared;
    const BackupStore store = programBackups();
    runWithProgress(owner, QCoreApplication::translate("ClearCachesAction", "Moving the game's caches..."),
        files.size(),
        [&](const std::function<void(std::size_t, std::size_t)>& progress, const std::atomic<bool>* cancel) {
            cleared = clearGameCaches(data, store, cancel, progress);
        });
    // The program's copy of the object thumbnails describes a file that is gone now.
    gsLoadObjectThumbnails(data / "Thumbnails" / "ObjectThumbnails.package");

    QString report;
    if (!cleared.moved.empty()) {
        report += QCoreApplication::translate("ClearCachesAction", "Moved to the backup folder:");
        for (const ClearedCaches::Moved& moved : cleared.moved)
            report += QStringLiteral("\r\n") + fileLine(moved.file, moved.size);
    }
    if (!cleared.failed.empty()) {
        report += (report.isEmpty() ? QString() : kLineEnds)
            + QCoreApplication::translate("ClearCachesAction", "Left as they were:");
        for (const ClearedCaches::Failed& failed : cleared.failed)
            report += QStringLiteral("\r\n") + QDir::toNativeSeparators(text::fromPath(failed.file))
                + QStringLiteral(": ") + text::fromUtf8(failed.reason);
    }
    if (!cleared.notReached.empty())
        report += (report.isEmpty() ? QString() : kLineEnds)
            + QCoreApplication::translate("ClearCachesAction", "Cancelled; %n cache(s) were left as they were.",
                nullptr, static_cast<int>(cleared.notReached.size()));
    if (cleared.failed.empty() && cleared.notReached.empty())
        MessageBox::show(owner, QMessageBox::Information,
            QCoreApplication::translate("ClearCachesAction", "OPERATION SUCCESSFUL"), report);
    else
        MessageBox::exclamation(owner, title(), report);
    return !cleared.moved.empty();
}

void addClearGameCachesMenuItem(QMenu* tools, QWidget* owner)
{
    QAction* item = tools->addAction(QCoreApplication::translate("ClearCachesAction", "Clear Game &Caches..."));
    item->setObjectName(QStringLiteral("smenuClearCaches"));
    QObject::connect(item, &QAction::triggered, owner, [owner] { clearGameCachesAction(owner); });
}

} // namespace varnick
