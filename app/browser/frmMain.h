#pragma once

#include "app/browser/FolderPane.h"
#include "app/browser/FolderScanner.h"
#include "app/browser/MainWindowController.h"
#include "app/browser/ObjectTabs.h"
#include "app/browser/ThumbnailPane.h"
#include "app/browser/core/PackageScan.h"

#include <QHash>
#include <QIcon>
#include <QMainWindow>

#include <functional>
#include <vector>

class QPushButton;
class QSplitter;
class QTreeWidgetItem;

namespace varnick {

class MainMenus;
class ObjectPane;
class ObjectTableView;
class SkippedFilesDialog;
class WorkStatus;

/// The main window: folder choice and tree on the left, the thumbnail pages in
/// the middle, the selected object on the right, and the File, Options, Tools
/// and Help menus. Its decisions live in MainWindowController, the folder scan
/// in FolderScanner and the pages in ThumbnailPane; the window wires events to
/// them and enables its controls from the controller's can… queries. The
/// menus live in MainMenus, the thumbnail and table tabs in ObjectTabs.
/// Closing asks "Exit this program?" first.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    MainWindowController& controller() { return mController; }

    /// The folder tree's pictures (17 x 14): "folder" for a plain node,
    /// "folder_greenarrow" for the selected one.
    const QHash<QString, QIcon>& imageList1() const { return fraFolders->imageList1(); }

    // Event handlers, public so that tests can drive them as the controls do.
    void Form_Load();
    void Form_Activate();
    void optPath_Click(int index);
    void cmdSetPath_Click();
    void smenuExit_Click() { close(); }
    void smenuTurnSelectorOff_Click();
    void smenuContents_Click();
    void smenuDelThumbs_Click();
    /// The folder tree searched by Delete/Move and the library health review.
    QString searchRoot() const { return mController.searchRoot(); }
    void tvFolders_NodeClick(QTreeWidgetItem* node);
    // The page buttons, the grid and the frame's blinking belong to the thumbnail pane.
    void cmdFirst_Click() { pageButtonClicked(&ThumbnailPane::firstPage); }
    void cmdPrevious_Click() { pageButtonClicked(&ThumbnailPane::previousPage); }
    void cmdNext_Click() { pageButtonClicked(&ThumbnailPane::nextPage); }
    void cmdLast_Click() { pageButtonClicked(&ThumbnailPane::lastPage); }
    void cmdSelect_Click();
    void frmDelMove_Click();
    void picThumbs_MouseDown(Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        fraThumbs->press(button, modifiers, x, y);
    }
    void picThumbs_MouseMove(int x, int y) { fraThumbs->mouseMove(x, y); }
    void picThumbs_DblClick() { cmdSelect_Click(); }
    void Timer1_Timer() { fraThumbs->blink(); }
    /// Stops the running scan and page drawing; what was found so far stays.
    void cmdCancel_Click();
    /// Opens the list of the files the last scan could not read, each with its reason.
    void cmdSkipped_Click();
    /// Reads the folder tree and the open folder again (after files were installed).
    void rescan();

    // Procedures of the folder tree, the pages and the display.
    void msFillTreeView() { fraFolders->fill(mController.folderTree()); }
    void msSelectLastFolder();
    void msGetPackageFiles(const QString& folder);
    void msShowPackageThumbs();
    void msDisplayObject(const QString& path);

    /// Reloads the thumbnail cache the pages show from and redraws the current page, keeping the selection.
    void refreshPage();

    /// The "Table" tab beside the thumbnail pages: the current folder's objects one per row.
    ObjectTableView* objectTableView() const { return mObjectTabs->table(); }
    /// Shows the "Thumbnails" (0) or the "Table" (1) tab.
    void showObjectsTab(int index) { mObjectTabs->setCurrentIndex(index); }

    /// Whether a scan or a page drawing is running on the worker thread.
    bool busy() const { return mScanner->running() || fraThumbs->drawing(); }
    /// The files the last scan could not read.
    const std::vector<browser::SkippedFile>& skippedFiles() const { return mScanner->skipped(); }
    /// Packages the page drawing and the object display read because the
    /// folder scan knew nothing of them, or they changed since (a count since the window opened).
    int packagesReadForDisplay() const { return fraThumbs->packagesRead().load(); }
    /// The displayed object's GUID, 0 when none was found.
    qint32 objectGuid() const { return mController.objectGuid(); }
    bool blinkOn() const { return fraThumbs->blinkOn(); }

    /// Marks the session as ending (the operating system shuts down): the window
    /// then closes without the question.
    void setSessionEnding(bool ending) { mSessionEnding = ending; }

    /// Answers in place of the table's question about its unsaved changes (true: go on, false: stay).
    void setPendingSaveAnswerForTesting(std::function<bool()> answer)
    {
        mObjectTabs->setPendingSaveAnswerForTesting(std::move(answer));
    }

signals:
    /// A root was chosen (optPath(0) or optPath(1)); the folder tree fills itself from here.
    void rootChosen(int index);
    /// The window was closed for good; the program ends.
    void unloaded();
    /// "Edit Object" or a double click on a filled cell with one object marked: open the editor on packagePath.
    void editRequested(const QString& packagePath);
    /// "Delete/Move" for the displayed object; connected directly. When the
    /// emit returns, the window rescans its folder.
    void deleteMoveRequested(const QString& objectFile, const QString& searchPath, qint32 guid);
    /// Tools, "Delete Selected Object Thumbnails" for the displayed object.
    void purgeThumbnailsRequested(const QString& objectFile);
    /// Tools, "Restore Original..." for the displayed object's package.
    void restoreOriginalRequested(const QString& packagePath);
    /// Tools, "Library Health..." for the search root (Downloads or the alternate path).
    void libraryHealthRequested(const QString& root);
    /// Tools, "Edit Selected...", or "Edit Object" with several objects marked:
    /// open the batch editor on the marked objects' packages.
    void editSelectedRequested(const QStringList& packagePaths);
    /// File, "Install Sims2Pack...", or Sims2Pack files dropped on the window: open the install window on files.
    void installSims2PacksRequested(const QStringList& files);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    /// Opens node's folder (the question about the table's changes was asked).
    void openNode(QTreeWidgetItem* node);
    /// Shows root index's tree and its last folder (the question was asked).
    void showRoot(int index);
    void pageButtonClicked(void (ThumbnailPane::*turn)());
    void setTabOrderOfPanes();
    void wirePanes();
    void clearDisplay();
    void clearObject();
    void scanBatch(const QStringList& names, std::size_t done, std::size_t total);
    void scanEnded(const QString& failure);
    /// Fills the table from the finished scan when its tab is shown and it shows another scan.
    void showTable();
    /// Enables the buttons and menu entries from what the controller says can be done.
    void updateActions();

    MainWindowController mController;
    FolderScanner* mScanner = nullptr;
    bool mSessionEnding = false;
    /// The tree node of the open folder ("" while none is open) and the root shown, for staying where the player is.
    QString mOpenNode;
    int mShownRoot = 0;

    MainMenus* mMenus = nullptr;

    FolderPane* fraFolders = nullptr;
    ThumbnailPane* fraThumbs = nullptr;
    ObjectPane* fraObject = nullptr;
    QSplitter* mPanes = nullptr;
    ObjectTabs* mObjectTabs = nullptr;
    SkippedFilesDialog* mSkippedFiles = nullptr;
    QPushButton* cmdFocus = nullptr;
    WorkStatus* mStatus = nullptr;
};

} // namespace varnick
