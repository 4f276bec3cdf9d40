#include "app/browser/MainMenus.h"

#include "app/browser/Sims2PackInstallAction.h"
#include "app/browser/ThumbnailPane.h"
#include "app/browser/frmMain.h"
#include "app/options/AboutDialog.h"
#include "app/options/AppearanceDialog.h"
#include "app/options/LanguageDialog.h"
#include "app/options/OptionsDialog.h"
#include "app/startup/ClearCachesAction.h"
#include "app/startup/frmGameInstallation.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace varnick {

namespace {

// A menu entry named as the design names it, running handler when chosen.
template <typename Handler>
QAction* menuEntry(QMenu* menu, const char* name, const QString& caption, QObject* context, Handler handler)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, context, handler);
    return action;
}

// Opens a window-modal dialog of the window's that goes away when closed.
template <typename Dialog, typename... Arguments> void openDialog(frmMain& window, Arguments&&... arguments)
{
    auto* dialog = new Dialog(std::forward<Arguments>(arguments)..., &window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace

MainMenus::MainMenus(frmMain& window, ThumbnailPane& thumbnails)
    : QObject(&window)
    , mWindow(window)
    , mThumbnails(thumbnails)
{
    buildFileMenu();
    buildOptionsMenu();
    buildToolsMenu();
    buildHelpMenu();
}

void MainMenus::buildFileMenu()
{
    QMenu* file = mWindow.menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addGameInstallationMenuItem(file, &mWindow);
    mSims2Packs = new Sims2PackInstallAction(file, &mWindow);
    connect(mSims2Packs, &Sims2PackInstallAction::filesChosen, &mWindow, &frmMain::installSims2PacksRequested);
    file->addSeparator();
    menuEntry(file, "smenuExit", tr("E&xit"), this, [this] { mWindow.smenuExit_Click(); });
}

void MainMenus::buildOptionsMenu()
{
    QMenu* options = mWindow.menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    smenuTurnSelectorOff = menuEntry(options, "smenuTurnSelectorOff", tr("Turn &Selection Rectangle Off"), this,
        [this] { mWindow.smenuTurnSelectorOff_Click(); });
    smenuTurnSelectorOff->setCheckable(true);
    options->addSeparator();
    menuEntry(
        options, "smenuSettings", tr("&Backups and Saving..."), this, [this] { openDialog<OptionsDialog>(mWindow); });
    menuEntry(
        options, "smenuAppearance", tr("&Appearance..."), this, [this] { openDialog<AppearanceDialog>(mWindow); });
    menuEntry(options, "smenuLanguage", tr("&Language..."), this, [this] { openDialog<LanguageDialog>(mWindow); });
}

void MainMenus::buildToolsMenu()
{
    QMenu* tools = mWindow.menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    smenuDelThumbs = menuEntry(tools, "smenuDelThumbs", tr("Delete Selected Object &Thumbnails"), this,
        [this] { mWindow.smenuDelThumbs_Click(); });
    smenuRestoreOriginal = menuEntry(tools, "smenuRestoreOriginal", tr("&Restore Original..."), this, [this] {
        if (mWindow.controller().canActOnObject())
            emit mWindow.restoreOriginalRequested(mWindow.controller().shownObjectFile());
    });
    menuEntry(tools, "smenuLibraryHealth", tr("Library &Health..."), this,
        [this] { emit mWindow.libraryHealthRequested(mWindow.searchRoot()); });
    addClearGameCachesMenuItem(tools, &mWindow);
    tools->addSeparator();
    smenuSelectPage = menuEntry(
        tools, "smenuSelectPage", tr("Select All on This &Page"), this, [this] { mThumbnails.markAll(false); });
    smenuSelectFolder = menuEntry(
        tools, "smenuSelectFolder", tr("Select &All in This Folder"), this, [this] { mThumbnails.markAll(true); });
    smenuEditSelected = menuEntry(tools, "smenuEditSelected", tr("&Edit Selected..."), this, [this] {
        const QStringList files = mWindow.controller().markedObjectFiles();
        if (!files.isEmpty())
            emit mWindow.editSelectedRequested(files);
    });
}

void MainMenus::buildHelpMenu()
{
    QMenu* help = mWindow.menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* contents
        = menuEntry(help, "smenuContents", tr("Help &Contents"), this, [this] { mWindow.smenuContents_Click(); });
    contents->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    menuEntry(help, "smenuAbout", tr("&About Varnick"), this,
        [this] { openDialog<AboutDialog>(mWindow, mWindow.searchRoot()); });
}

void MainMenus::update()
{
    const MainWindowController& controller = mWindow.controller();
    smenuTurnSelectorOff->setChecked(controller.selectorOff());
    smenuDelThumbs->setEnabled(controller.canActOnObject());
    smenuRestoreOriginal->setEnabled(controller.canActOnObject());
    smenuSelectPage->setEnabled(controller.canSelectAll());
    smenuSelectFolder->setEnabled(controller.canSelectAll());
    smenuEditSelected->setEnabled(controller.canEditSelected());
}

void MainMenus::popupObjectMenu(const QPoint& at)
{
    if (mObjectMenu == nullptr) {
        mObjectMenu = new QMenu(&mWindow);
        mObjectMenu->setObjectName(QStringLiteral("mnuObject"));
        menuEntry(mObjectMenu, "mnuObjectEdit", tr("&Edit Object"), this, [this] { mWindow.cmdSelect_Click(); });
        menuEntry(mObjectMenu, "mnuObjectDelMove", tr("&Delete/Move..."), this, [this] { mWindow.frmDelMove_Click(); });
        mObjectMenu->addSeparator();
        mObjectMenu->addAction(smenuDelThumbs);
        mObjectMenu->addAction(smenuRestoreOriginal);
        mObjectMenu->addSeparator();
        mObjectMenu->addAction(smenuSelectPage);
        mObjectMenu->addAction(smenuSelectFolder);
    }
    const MainWindowController& controller = mWindow.controller();
    mObjectMenu->findChild<QAction*>(QStringLiteral("mnuObjectEdit"))->setEnabled(controller.canEditObject());
    mObjectMenu->findChild<QAction*>(QStringLiteral("mnuObjectDelMove"))->setEnabled(controller.canActOnObject());
    mObjectMenu->popup(at);
}

} // namespace varnick
