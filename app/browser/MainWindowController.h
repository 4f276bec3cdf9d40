#pragma once

#include "app/browser/core/FolderTree.h"
#include "app/browser/core/MarkSet.h"
#include "app/browser/core/ThumbnailPages.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <vector>

namespace varnick {

namespace browser {
class PackageClassifier;
}

/// The main window's state and decisions apart from its widgets: what its
/// load reads from the settings, what its first activation does, whether
/// closing asks first, the layout rules of the thumbnail grid, the root and
/// its folder tree, the current folder's objects and page, the selected and
/// marked objects, and which of the window's actions can be taken now (the
/// window enables its controls from the can… queries).
class MainWindowController {
public:
    /// Why the main window is being closed.
    enum class CloseReason { User, Program, TaskManager, SystemShutdown };

    /// Window height set at load, and the screen height below which the window moves to the top (twips).
    static constexpr int kWindowHeightTwips = 8625;
    static constexpr int kSmallScreenTwips = 9600;
    /// Thumbnail grid: cells of 95 pixels, 5 by 5; 49 caption labels of which 25 are used.
    static constexpr int kCellSize = 95;
    static constexpr int kGridColumns = 5;
    static constexpr int kSimNameLabels = 49;
    static constexpr int kThumbsPerPage = 25;

    /// Form_Load's part: the first activation pending, the lists empty, the
    /// alternate path and the selector switch from the settings.
    void load();
    /// True at the first activation after load, false afterwards.
    bool takeFirstActivation();
    /// Switches the selection frame off or on and stores the choice ("-1" off, "0" on).
    void toggleSelector();
    /// Stores a newly chosen alternate path in the field and the settings.
    void setAlternatePath(const QString& path);
    /// Where choosing an alternate path starts: the last one chosen, else the
    /// folder shown now ("" when none; the chooser then starts in Downloads).
    QString alternatePathStart() const;

    bool selectorOff() const { return mSelectorOff; }
    const QString& alternatePath() const { return mAlternatePath; }
    bool firstActivatePending() const { return mFirstActivate; }

    /// Why the window closes: the session ends, the player closes it, or the program does.
    static CloseReason closeReason(bool sessionEnding, bool spontaneous);
    /// Whether closing for reason asks "Exit this program?" first.
    static bool asksBeforeClosing(CloseReason reason);
    /// The top of the window after load: 0 on a screen lower than 9600 twips, else unchanged.
    static int windowTop(int screenHeightTwips, int currentTop);
    /// Place of caption label i (0 to 48) in the grid, in pixels of the grid.
    static QRect simNameLabelGeometry(int index);
    /// Whether a stored setting counts as switched on: its leading number is
    /// not 0 (a missing or non-numeric text counts as 0).
    static bool settingIsNonZero(const QString& value);

    /// What the folder scans below searchRoot classify packages with: the
    /// persistent library index of that root where the build has one (kept
    /// while the root stays the same), else nothing (each package's index is read).
    std::shared_ptr<browser::PackageClassifier> packageClassifier(const std::filesystem::path& searchRoot);

    // The root and its folder tree ------------------------------------------
    /// Shows rootPath in mode and lists its folder tree (the tree's nodes, built as `varnick-cli folders` lists them).
    void chooseRoot(browser::TreeRoot mode, const QString& rootPath);
    browser::TreeRoot treeMode() const { return mMode; }
    const QString& rootPath() const { return mRootPath; }
    const std::vector<browser::FolderNode>& folderTree() const { return mTree; }
    /// The tree's node keys, root first ("\Downloads\a" or "(AltPath)\a").
    QStringList folders() const;
    /// The folder tree searched by Delete/Move and the library health review:
    /// the Downloads folder below the data folder, or the alternate path itself.
    QString searchRoot() const;
    /// The path of the node the settings name as the last one chosen; "" when none.
    QString lastNodePath() const;
    /// Chooses the node with nodePath: the settings keep it as the last one chosen. Returns its folder.
    QString chooseNode(const QString& nodePath);

    // The current folder's objects ------------------------------------------
    /// Starts showing folder: its objects are found anew, from the first page, with nothing marked.
    void openFolder(const QString& folder);
    /// Goes back to the first page with nothing shown (the display is cleared).
    void clearPage() { mPage = 0; }
    void addPackageFiles(const QStringList& names);
    const QString& currentFolder() const { return mCurrentFolder; }
    const QStringList& packageFiles() const { return mPackageFiles; }
    /// Whether the folder has objects to page through.
    bool hasObjects() const;

    // Pages ------------------------------------------------------------------
    int page() const { return mPage; }
    int selected() const { return mSelected; }
    void firstPage() { mPage = 0; }
    void lastPage();
    /// Turns a page back or forward; false (nothing changes) at either end.
    bool previousPage();
    bool nextPage();
    bool canGoBack() const { return mPage > 0; }
    bool canGoForward() const;
    QString pageCountText() const;
    int cellsOnPage() const;
    bool cellHoldsObject(int cell) const;
    /// The full path of the object in cell of the page; "" for an empty cell.
    QString objectFileAt(int cell) const;
    void selectCell(int cell) { mSelected = cell; }
    /// The selected cell's object, marked or not ("" for an empty cell).
    QString selectedObjectFile() const;

    // The object shown on the right -----------------------------------------
    /// The file name the object pane shows ("" when the package is gone) and the GUID it read.
    void setDisplayedObject(const QString& fileName, qint32 guid);
    void clearDisplayedObject() { mDisplayedName.clear(); }
    qint32 objectGuid() const { return mObjectGuid; }
    /// The object the details show: the selected cell's, when it is marked; "" otherwise.
    /// There is one selection: the shown object is always one of the marks.
    QString shownObjectFile() const;
    /// Delete/Move, Delete Selected Object Thumbnails and Restore Original act
    /// on the shown object: one must be shown and read.
    bool canActOnObject() const;
    /// "Edit Object" edits the shown object, or opens the batch editor when several are marked.
    bool canEditObject() const { return canActOnObject() || markedCount() > 1; }

    // Marks: the objects the commands act on --------------------------------
    /// A press on cell of the page: a plain press marks that object alone, Ctrl
    /// adds or removes it, Shift marks the range from the anchor; a plain press
    /// on an empty cell drops the marks. The cell becomes the selected one.
    void pressCell(int cell, bool control, bool shift);
    /// Selects cell and marks its object alone (a right press on an unmarked object).
    void selectOnly(int cell) { pressCell(cell, false, false); }
    /// A page drawn anew: its first object is selected and marked alone; the anchor stays for Shift.
    void selectFirstOfPage();
    /// Moves the selected object by the keyboard: alone marked, the marks
    /// extended from the anchor (shift), or the marks kept (control).
    /// True when the page changed.
    bool moveSelection(browser::GridMove move, bool control, bool shift);
    /// Space marks the selected object; Ctrl+Space adds or removes it (toggle).
    void markSelected(bool toggle);
    void markAll(bool wholeFolder);
    void clearMarks() { mMarks.clear(); }
    QList<int> markedCells() const;
    int markedCount() const;
    /// The marked objects' paths in marking order.
    QStringList markedObjectFiles() const;
    bool canSelectAll() const { return hasObjects(); }
    bool canEditSelected() const { return markedCount() > 0; }

    void setPageForTesting(int page) { mPage = page; }

private:
    std::string folderKey() const;

    bool mFirstActivate = true;
    bool mSelectorOff = false;
    QString mAlternatePath;
    std::shared_ptr<browser::PackageClassifier> mClassifier;
    std::filesystem::path mClassifierRoot;

    browser::TreeRoot mMode = browser::TreeRoot::Downloads;
    QString mRootPath;
    std::vector<browser::FolderNode> mTree;
    QString mCurrentFolder;
    QStringList mPackageFiles;
    int mPage = 0;
    int mSelected = 0;
    QString mDisplayedName;
    qint32 mObjectGuid = 0;
    browser::MarkSet mMarks;
};

} // namespace varnick
