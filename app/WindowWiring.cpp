#include "app/WindowWiring.h"

#include "app/backups/BackupSettings.h"
#include "app/backups/RestoreOriginalAction.h"
#include "app/backups/core/BackupStore.h"
#include "app/browser/frmMain.h"
#include "app/editor/frmBatchEdit.h"
#include "app/editor/frmEditObject.h"
#include "app/health/frmLibraryHealth.h"
#include "app/recolors/ThumbnailPurgeAction.h"
#include "app/recolors/frmFindRecolors.h"
#include "app/sims2pack/Sims2PackInstallDialog.h"
#include "app/startup/GamePaths.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"
#include "package/base/ScratchSweep.h"

#include <QThreadPool>

#include <filesystem>
#include <vector>

namespace varnick {

void pruneBackups()
{
    // Every save passes the program's store itself; here only the old backups go.
    programBackups().prune();
}

void sweepScratchFiles()
{
    const std::filesystem::path data = pathFromUtf8(gstrSims2DataPath);
    std::vector<std::filesystem::path> folders { data / "Downloads", data / "Thumbnails", programBackups().folder(),
        userDataFolder() / "Thumbnail Backups" };
    // A large Downloads tree takes a moment to list; the window does not wait for it.
    QThreadPool::globalInstance()->start([folders = std::move(folders)] {
        for (const std::filesystem::path& folder : folders)
            removeStaleScratchFiles(folder, true);
    });
}

void connectMainWindow(frmMain& window)
{
    frmMain* main = &window;
    QObject::connect(main, &frmMain::editRequested, main, [main](const QString& path) {
        // A saved object shows its new catalog name on the page.
        if (frmEditObject::edit(main, path))
            main->refreshPage();
    });
    // Synchronous: frmMain rescans its folder once the emit returns.
    QObject::connect(main, &frmMain::deleteMoveRequested, main,
        [main](const QString& objectFile, const QString& searchPath, qint32 guid) {
            frmFindRecolors::run(main, searchPath, objectFile, guid);
        });
    QObject::connect(main, &frmMain::editSelectedRequested, main, [main](const QStringList& paths) {
        if (frmBatchEdit::edit(main, paths))
            main->refreshPage();
    });
    QObject::connect(main, &frmMain::purgeThumbnailsRequested, main, [main](const QString& file) {
        if (purgeObjectThumbnails(main, file))
            main->refreshPage();
    });
    QObject::connect(main, &frmMain::restoreOriginalRequested, main, [main](const QString& file) {
        if (restoreOriginalOf(main, file))
            main->refreshPage();
    });
    QObject::connect(main, &frmMain::libraryHealthRequested, main,
        [main](const QString& root) { frmLibraryHealth::run(main, root); });
    QObject::connect(&LibraryHealthEvents::instance(), &LibraryHealthEvents::editRequested, main,
        [main](const QString& path) { frmEditObject::edit(main, path); });
    // Installed objects show in the folder tree and the open folder.
    QObject::connect(main, &frmMain::installSims2PacksRequested, main, [main](const QStringList& files) {
        if (Sims2PackInstallDialog::run(main, files))
            main->rescan();
    });
    QObject::connect(
        &LibraryHealthEvents::instance(), &LibraryHealthEvents::sims2PacksInstalled, main, [main] { main->rescan(); });
}

} // namespace varnick
