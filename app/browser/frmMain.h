#pragma once

#include "app/browser/BackgroundJob.h"
#include "app/browser/MainWindowController.h"
#include "app/browser/core/PackageScan.h"

#include <QHash>
#include <QIcon>
#include <QMainWindow>

#include <array>
#include <atomic>
#include <filesystem>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QDialog;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace varnick {

class ObjectTableView;
class ThumbnailGrid;

/// The main window: folder choice and tree on the left, the thumbnail pages in
/// the middle, the selected object on the right, and the File, Options, Tools
/// and Help menus. Its decisions live in MainWindowController; the widget
/// wires events to it. Closing asks "Exit this program?" first.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    MainWindowController& controller() { return mController; }

    /// The folder tree's pictures (17 x 14): "folder" for a plain node,
    /// "folder_greenarrow" for the selected one.
    const QHash<QString, QIcon>& imageList1() const { return ImageList1; }

    // Event handlers, public so that tests can drive them as the controls do.
    void Form_Load();
    void Form_Activate();
    void optPath_Click(int index);
    void cmdSetPath_Click();
    void smenuExit_Click();
    void smenuTurnSelectorOff_Click();
    void smenuContents_Click();
    void smenuDelThumbs_Click();
    /// The folder tree searched by Delete/Move and the library health review.
    QString searchRoot() const;
    void tvFolders_NodeClick(QTreeWidgetItem* node);
    void cmdFirst_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void cmdSelect_Click();
    void frmDelMove_Click();
    void picThumbs_MouseDown(Qt::MouseButton button, int x, int y);
    void picThumbs_MouseMove(int x, int y);
    void picThumbs_DblClick();
    void Timer1_Timer();
    /// Stops the running scan and page drawing; what was found so far stays.
    void cmdCancel_Click();
    /// Opens the list of the files the last scan could not read, each with its reason.
    void cmdSkipped_Click();

    // Procedures of the folder tree, the pages and the display.
    void msGetDataFolders();
    void msFillTreeView();
    void msSelectLastFolder();
    void msGetPackageFiles(const QString& folder);
    void msShowPackageThumbs();
    void msDisplayObject(const QString& path);

    /// Reloads the thumbnail cache the pages show from and redraws the current page, keeping the selection.
    void refreshPage();

    /// The "Table" tab beside the thumbnail pages: the current folder's objects one per row.
    ObjectTableView* objectTableView() const { return objectTable; }
    /// Shows the "Thumbnails" (0) or the "Table" (1) tab.
    void showObjectsTab(int index);

    /// Whether a scan or a page drawing is running on the worker thread.
    bool busy() const { return mScanRunning || mPageRunning; }
    /// The files the last scan could not read.
    const std::vector<browser::SkippedFile>& skippedFiles() const { return mSkippedFiles; }
    /// Packages the page drawing and the object display read because the
    /// folder scan knew nothing of them, or they changed since (a count since the window opened).
    int packagesReadForDisplay() const { return mPackagesRead.load(); }
    /// The displayed object's GUID, 0 when none was found.
    qint32 objectGuid() const { return mController.mlngObjectGUID; }
    bool blinkOn() const { return mblnBlinkOn; }

    /// Marks the session as ending (the operating system shuts down): the window
    /// then closes without the question.
    void setSessionEnding(bool ending) { mSessionEnding = ending; }

signals:
    /// A root was chosen (optPath(0) or optPath(1)); the folder tree fills itself from here.
    void rootChosen(int index);
    /// The window was closed for good; the program ends.
    void unloaded();
    /// "Edit Object" or a double click on a filled cell: open the editor on packagePath.
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
    /// Tools, "Edit Selected...": open the batch editor on the marked objects' packages.
    void editSelectedRequested(const QStringList& packagePaths);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildFolderPane();
    QWidget* buildThumbnailPane();
    QWidget* buildObjectPane();
    void clearDisplay();
    void clearObject();
    QString fullPath(const QTreeWidgetItem* node) const;
    QString selectedObjectFile() const;
    void drawPage(bool resetSelection);
    browser::ObjectSummary summaryOf(
        const std::filesystem::path& file, const std::optional<browser::KnownSummary>& known);
    void fillPage();
    void scanBatch(quint64 generation, const browser::ScanResult& batch);
    void scanEnded(quint64 generation, const QString& failure);
    /// Fills the table from the finished scan when its tab is shown and it shows another scan.
    void showTable();
    void updateWorkStatus();
    void updateSkippedLine();
    void drawFrame(bool on);
    // Marking several objects (Ctrl-click, Shift-click, Select All) for "Edit Selected...".
    void markClick(Qt::KeyboardModifiers modifiers, int x, int y);
    void markAll(bool wholeFolder);
    void showMarks();
    QStringList markedObjectFiles() const;

    quint64 mScanGeneration = 0;
    quint64 mPageGeneration = 0;
    bool mScanRunning = false;
    bool mPageRunning = false;
    int mPageCellsRequested = 0; ///< cells of the current page handed to the page job
    int mPageCellsDone = 0;
    bool mPageDrawn = false;
    bool mblnBlinkOn = false;
    std::vector<browser::SkippedFile> mSkippedFiles;
    QHash<QString, browser::KnownSummary> mKnownSummaries; ///< by file name, from the current folder's scan
    std::atomic<int> mPackagesRead { 0 };
    BackgroundJob mScanJob;
    BackgroundJob mPageJob;

    MainWindowController mController;
    bool mSessionEnding = false;

    QAction* smenuExit = nullptr;
    QAction* smenuTurnSelectorOff = nullptr;
    QAction* smenuDelThumbs = nullptr;
    QAction* smenuRestoreOriginal = nullptr;
    QAction* smenuLibraryHealth = nullptr;
    QAction* smenuContents = nullptr;
    QAction* smenuSelectPage = nullptr;
    QAction* smenuSelectFolder = nullptr;
    QAction* smenuEditSelected = nullptr;
    QList<qsizetype> mMarked; ///< positions in mstrPackageFiles, in marking order
    QString mMarkedFolder; ///< the folder the marks belong to
    qsizetype mMarkAnchor = -1;

    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    std::array<QRadioButton*, 2> optPath {};
    QPushButton* cmdSetPath = nullptr;
    QTreeWidget* tvFolders = nullptr;
    QHash<QString, QIcon> ImageList1;
    QPushButton* cmdFocus = nullptr;

    QTabWidget* tabObjects = nullptr;
    ObjectTableView* objectTable = nullptr;
    quint64 mTableGeneration = 0; ///< the scan the table shows; 0 when it is to be read again
    ThumbnailGrid* picThumbs = nullptr;
    QPushButton* cmdSkipped = nullptr;
    QDialog* frmSkippedFiles = nullptr;
    QLabel* lblStatus = nullptr;
    QProgressBar* prgWork = nullptr;
    QPushButton* cmdCancel = nullptr;
    std::array<QLabel*, MainWindowController::kSimNameLabels> lblSimName {};
    QLabel* picNotFound = nullptr;
    QLabel* picLoad = nullptr;
    QLineEdit* txtPageCount = nullptr;
    QPushButton* cmdFirst = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdLast = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* frmDelMove = nullptr;
    QTimer* Timer1 = nullptr;

    QLineEdit* txtFileName = nullptr;
    QLabel* picObject = nullptr;
    QPlainTextEdit* txtDetails = nullptr;
    QLabel* picNotFoundLarge = nullptr;
    QLabel* picStatus = nullptr;
};

} // namespace varnick
