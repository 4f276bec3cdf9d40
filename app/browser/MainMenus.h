#pragma once
// The main window's menus: File, Options, Tools and Help on its menu bar, and
// the shown object's menu (the menu key or a right press on the pages). The
// entries carry the names the window's design gives them; each runs one of the
// window's handlers, asks for one of its requests or opens a dialog of its
// own. They are enabled from the controller's can… queries.

#include <QObject>

class QAction;
class QMenu;
class QPoint;

namespace varnick {

class Sims2PackInstallAction;
class ThumbnailPane;
class frmMain;

class MainMenus : public QObject {
    Q_OBJECT
public:
    /// Fills window's menu bar; the menus are owned by window and act on thumbnails' objects.
    MainMenus(frmMain& window, ThumbnailPane& thumbnails);

    /// Enables the entries from what the window's controller says can be done
    /// now, and checks "Turn Selection Rectangle Off" from its setting.
    void update();
    /// Shows the shown object's menu at global point at (built at its first showing).
    void popupObjectMenu(const QPoint& at);
    /// File, "Install Sims2Pack...", and Sims2Pack files dropped on the window.
    Sims2PackInstallAction* sims2Packs() const { return mSims2Packs; }

private:
    void buildFileMenu();
    void buildOptionsMenu();
    void buildToolsMenu();
    void buildHelpMenu();

    frmMain& mWindow;
    ThumbnailPane& mThumbnails;
    Sims2PackInstallAction* mSims2Packs = nullptr;
    QAction* smenuTurnSelectorOff = nullptr;
    QAction* smenuDelThumbs = nullptr;
    QAction* smenuRestoreOriginal = nullptr;
    QAction* smenuSelectPage = nullptr;
    QAction* smenuSelectFolder = nullptr;
    QAction* smenuEditSelected = nullptr;
    QMenu* mObjectMenu = nullptr;
};

} // namespace varnick
