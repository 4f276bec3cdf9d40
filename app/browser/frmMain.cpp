#include "app/browser/frmMain.h"

#include "app/browser/MainMenus.h"
#include "app/browser/ObjectPane.h"
#include "app/browser/ObjectTableView.h"
#include "app/browser/ObjectTabs.h"
#include "app/browser/SkippedFilesDialog.h"
#include "app/browser/ThumbnailGrid.h"
#include "app/browser/WindowPlacement.h"
#include "app/browser/WorkStatus.h"
#include "app/browser/frmSelectPath.h"
#include "app/platform/qt/HelpViewer.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/startup/GamePaths.h"
#include "app/startup/ThumbnailCache.h"
#include "app/startup/Version.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace varnick {

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromStdString(titleText()));

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    cmdFocus = new QPushButton(tr("Focus"), central);
    cmdFocus->setObjectName(QStringLiteral("cmdFocus"));
    // Kept outside the visible area and out of the Tab chain: the grid takes the focus after a command instead.
    cmdFocus->setGeometry(-200, -200, 10, 10);
    cmdFocus->setFocusPolicy(Qt::NoFocus);

    mScanner = new FolderScanner(this);
    fraFolders = new FolderPane(central);
    fraThumbs = new ThumbnailPane(mController, *mScanner, central);
    fraObject = new ObjectPane(central);
    mSkippedFiles = new SkippedFilesDialog(this);
    mObjectTabs = new ObjectTabs(fraThumbs, central);
    mMenus = new MainMenus(*this, *fraThumbs);
    // Splitters between the panes; the middle takes what the window gains.
    mPanes = new QSplitter(Qt::Horizontal, central);
    mPanes->setObjectName(QStringLiteral("splPanes"));
    mPanes->setChildrenCollapsible(false);
    mPanes->addWidget(fraFolders);
    mPanes->addWidget(mObjectTabs);
    mPanes->addWidget(fraObject);
    mPanes->setStretchFactor(0, 0);
    mPanes->setStretchFactor(1, 1);
    mPanes->setStretchFactor(2, 0);
    mPanes->setSizes({ 230, 520, 250 });
    auto* layout = new QVBoxLayout(central);
    layout->setSpacing(0);
    for (const char* name : { "Line1", "Line2" }) {
        auto* line = new QFrame(central);
        line->setObjectName(QLatin1String(name));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        layout->addWidget(line);
        layout->addSpacing(name[4] == '1' ? 2 : 6);
    }
    layout->addWidget(mPanes, 1);
    setCentralWidget(central);

    mStatus = new WorkStatus(statusBar(), *mScanner, *fraThumbs, [this] { cmdCancel_Click(); });
    setTabOrderOfPanes();
    wirePanes();
    // The operating system shutting down closes the window without the question.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { setSessionEnding(true); });

    Form_Load();
    updateActions();
}

void frmMain::setTabOrderOfPanes()
{
    // Where the player looks, in turn: the folders, their objects, the shown object, then the commands.
    QList<QWidget*> chain { fraFolders->optPath(0), fraFolders->optPath(1), fraFolders->cmdSetPath(),
        fraFolders->tvFolders(), fraThumbs->picThumbs(), findChild<QWidget*>(QStringLiteral("txtFileName")),
        findChild<QWidget*>(QStringLiteral("txtDetails")), fraThumbs->cmdFirst(), fraThumbs->cmdPrevious(),
        findChild<QWidget*>(QStringLiteral("txtPageCount")), fraThumbs->cmdNext(), fraThumbs->cmdLast(),
        fraThumbs->cmdSelect(), fraThumbs->frmDelMove(), fraThumbs->cmdSkipped(), mObjectTabs->tabBar() };
    chain.removeAll(nullptr);
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void frmMain::wirePanes()
{
    for (int i = 0; i < 2; ++i)
        connect(fraFolders->optPath(i), &QRadioButton::clicked, this, [this, i] { optPath_Click(i); });
    connect(fraFolders->cmdSetPath(), &QPushButton::clicked, this, [this] { cmdSetPath_Click(); });
    connect(fraFolders->tvFolders(), &QTreeWidget::itemClicked, this,
        [this](QTreeWidgetItem* node) { tvFolders_NodeClick(node); });

    ThumbnailGrid* grid = fraThumbs->picThumbs();
    grid->onMouseDown = [this](Qt::MouseButton pressed, Qt::KeyboardModifiers modifiers, int x, int y) {
        picThumbs_MouseDown(pressed, x, y, modifiers);
    };
    grid->onMouseMove = [this](int x, int y) { picThumbs_MouseMove(x, y); };
    grid->onDoubleClick = [this] { picThumbs_DblClick(); };
    connect(fraThumbs, &ThumbnailPane::editKeyPressed, this, [this] { cmdSelect_Click(); });
    connect(fraThumbs, &ThumbnailPane::deleteKeyPressed, this, [this] { frmDelMove_Click(); });
    connect(fraThumbs, &ThumbnailPane::contextMenuRequested, this, [this](const QPoint& at) {
        updateActions();
        mMenus->popupObjectMenu(at);
    });
    connect(fraThumbs->cmdFirst(), &QPushButton::clicked, this, [this] { cmdFirst_Click(); });
    connect(fraThumbs->cmdPrevious(), &QPushButton::clicked, this, [this] { cmdPrevious_Click(); });
    connect(fraThumbs->cmdNext(), &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(fraThumbs->cmdLast(), &QPushButton::clicked, this, [this] { cmdLast_Click(); });
    connect(fraThumbs->cmdSelect(), &QPushButton::clicked, this, [this] { cmdSelect_Click(); });
    connect(fraThumbs->frmDelMove(), &QPushButton::clicked, this, [this] { frmDelMove_Click(); });
    connect(fraThumbs->cmdSkipped(), &QPushButton::clicked, this, [this] { cmdSkipped_Click(); });
    fraThumbs->setProgressHandler([this](int done, int) { mStatus->showDrawn(done); });
    fraThumbs->setEndHandler([this] { mStatus->update(); });
    fraThumbs->setSelectHandler([this](const QString& path) {
        if (path.isEmpty())
            clearObject();
        else
            msDisplayObject(path);
    });
    fraThumbs->setChangeHandler([this] { updateActions(); });
    // Started by the first page that draws a selection frame.
    connect(fraThumbs->Timer1(), &QTimer::timeout, this, [this] { Timer1_Timer(); });

    mScanner->setSkippedHandler([this] { fraThumbs->updateSkippedLine(); });
    mScanner->setBatchHandler(
        [this](const QStringList& names, std::size_t done, std::size_t total) { scanBatch(names, done, total); });
    mScanner->setEndHandler([this](const QString& failure) { scanEnded(failure); });

    connect(mObjectTabs, &QTabWidget::currentChanged, this, [this] { showTable(); });
    // A save in the table shows on the pages too.
    connect(mObjectTabs->table(), &ObjectTableView::saved, this, [this] { refreshPage(); });
}

void frmMain::Form_Load()
{
    mController.load();
    restoreMainWindowPlace(*this);
    fraThumbs->clearPage();
    mMenus->update();
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Without a window manager (a virtual screen) a new window is never
    // activated; the first showing then stands in for the first activation.
    if (mController.firstActivatePending())
        QTimer::singleShot(0, this, [this] {
            if (mController.firstActivatePending())
                Form_Activate();
        });
}

void frmMain::Form_Activate()
{
    setWindowTitle(QString::fromStdString(titleText()));
    // Tree lines, plus/minus signs, pictures and text.
    fraFolders->tvFolders()->setRootIsDecorated(true);
    fraFolders->tvFolders()->setItemsExpandable(true);
    if (mController.takeFirstActivation()) {
        fraFolders->optPath(0)->setChecked(true);
        optPath_Click(0);
    }
}

void frmMain::clearDisplay()
{
    clearObject();
    fraThumbs->clearPage();
    mController.clearPage();
    mController.clearMarks();
    fraThumbs->folderChanged();
}

void frmMain::clearObject()
{
    fraObject->clear();
    mController.clearDisplayedObject();
    updateActions();
}

void frmMain::optPath_Click(int index)
{
    if (!mObjectTabs->offerPendingSave()) {
        fraFolders->optPath(mShownRoot)->setChecked(true);
        return;
    }
    showRoot(index);
}

void frmMain::showRoot(int index)
{
    // Another root: no folder of it is open until one is chosen.
    cmdCancel_Click();
    mController.openFolder(QString());
    mOpenNode.clear();
    clearDisplay();
    const auto mode = index == 1 ? browser::TreeRoot::Alternate : browser::TreeRoot::Downloads;
    fraFolders->showRoot(mode, mController.alternatePath());
    if (mode == browser::TreeRoot::Alternate && mController.alternatePath().isEmpty())
        cmdSetPath_Click();
    if (mode == browser::TreeRoot::Alternate && mController.alternatePath().isEmpty()) {
        fraFolders->optPath(0)->setChecked(true);
        showRoot(0);
        return;
    }
    mShownRoot = index;
    mController.chooseRoot(
        mode, mode == browser::TreeRoot::Alternate ? mController.alternatePath() : text::fromUtf8(gstrSims2DataPath));
    fraFolders->showRoot(mode, mController.alternatePath());
    emit rootChosen(index);
    msFillTreeView();
    msSelectLastFolder();
}

void frmMain::cmdSetPath_Click()
{
    const QString chosen
        = frmSelectPath::choose(this, tr("Please select an alternate path:"), mController.alternatePathStart());
    if (chosen.isEmpty())
        return;
    mController.setAlternatePath(chosen);
    if (fraFolders->optPath(1)->isChecked()) {
        mController.chooseRoot(browser::TreeRoot::Alternate, chosen);
        fraFolders->showRoot(browser::TreeRoot::Alternate, chosen);
        emit rootChosen(1);
        msFillTreeView();
    }
}

void frmMain::rescan()
{
    // New folders appear in the tree, and the open folder shows what was added to it.
    if (mController.searchRoot().isEmpty() || !mObjectTabs->offerPendingSave())
        return;
    showRoot(mShownRoot);
}

void frmMain::smenuTurnSelectorOff_Click()
{
    mController.toggleSelector();
    mMenus->update();
    if (mController.selectorOff())
        fraThumbs->drawFrame(false);
}

void frmMain::smenuContents_Click()
{
    HelpViewer::showContext(this, HelpViewer::kContextMainWindow);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    const auto reason = MainWindowController::closeReason(mSessionEnding, event->spontaneous());
    if (MainWindowController::asksBeforeClosing(reason)
        && MessageBox::question(this, tr("Confirm Action"), tr("Exit this program?")) != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    if (MainWindowController::asksBeforeClosing(reason) && !mObjectTabs->offerPendingSave()) {
        event->ignore();
        return;
    }
    event->accept();
    storeMainWindowPlace(*this);
    cmdCancel_Click();
    emit unloaded();
}

// The scan and the page drawing are cancelled with their tasks, without waiting for them.
frmMain::~frmMain() = default;

// Folder tree ----------------------------------------------------------------

void frmMain::msSelectLastFolder()
{
    const QString target = mController.lastNodePath();
    if (!target.isEmpty())
        openNode(fraFolders->select(target));
}

void frmMain::tvFolders_NodeClick(QTreeWidgetItem* node)
{
    if (node == nullptr)
        return;
    if (!mObjectTabs->offerPendingSave()) {
        // The click already moved the tree's selection: it goes back to the folder still shown, if any.
        fraFolders->select(mOpenNode);
        return;
    }
    openNode(node);
}

void frmMain::openNode(QTreeWidgetItem* node)
{
    if (node == nullptr)
        return;
    mOpenNode = FolderPane::nodePath(node);
    clearDisplay();
    msGetPackageFiles(mController.chooseNode(FolderPane::nodePath(node)));
    // The page is drawn as soon as the scan has found its first objects.
    msShowPackageThumbs();
}

// Scan -----------------------------------------------------------------------

void frmMain::msGetPackageFiles(const QString& folder)
{
    fraThumbs->startFolder();
    mObjectTabs->scanStarted();
    mController.openFolder(folder);
    fraThumbs->folderChanged();
    // Packages unchanged since an earlier scan are classified from the library index.
    mScanner->scan(folder, mController.packageClassifier(text::toPath(searchRoot())));
    mStatus->update();
    updateActions();
}

void frmMain::scanBatch(const QStringList& names, std::size_t done, std::size_t total)
{
    mController.addPackageFiles(names);
    mStatus->showScanned(done, total);
    if (fraThumbs->showFound())
        mStatus->update();
    updateActions();
}

void frmMain::scanEnded(const QString& failure)
{
    mStatus->update();
    mStatus->showMessage(failure);
    fraThumbs->updateHint();
    showTable();
}

void frmMain::showTable()
{
    if (!mScanner->running() && !mController.currentFolder().isEmpty())
        mObjectTabs->showScan(mController.currentFolder(), mController.packageFiles());
}

void frmMain::cmdCancel_Click()
{
    mScanner->cancel();
    fraThumbs->cancel();
}

void frmMain::cmdSkipped_Click()
{
    mSkippedFiles->showFiles(mScanner->skipped());
}

void frmMain::updateActions()
{
    fraThumbs->updateButtons();
    mMenus->update();
}

// Pages ----------------------------------------------------------------------

void frmMain::pageButtonClicked(void (ThumbnailPane::*turn)())
{
    (fraThumbs->*turn)();
    // The keys go on where the button left off: on the page.
    if (!fraThumbs->cmdNext()->isEnabled() || !fraThumbs->cmdPrevious()->isEnabled())
        fraThumbs->picThumbs()->setFocus();
}

void frmMain::msShowPackageThumbs()
{
    fraThumbs->drawPage(true);
    mStatus->update();
}

void frmMain::cmdSelect_Click()
{
    // Several marked: the batch editor, so that the command acts on what the player sees marked.
    if (mController.markedCount() > 1)
        emit editSelectedRequested(mController.markedObjectFiles());
    else if (mController.canActOnObject())
        emit editRequested(mController.shownObjectFile());
}

void frmMain::frmDelMove_Click()
{
    if (!mController.canActOnObject())
        return;
    if (mController.objectGuid() == 0) {
        MessageBox::critical(this, tr("Object Read Error."), tr("The GUID of object was not found."));
        return;
    }
    emit deleteMoveRequested(mController.shownObjectFile(), searchRoot(), mController.objectGuid());
    // Objects may have been deleted or moved: the folder is read again from its first page.
    if (fraFolders->tvFolders()->currentItem() != nullptr) {
        openNode(fraFolders->tvFolders()->currentItem());
    } else if (!mController.currentFolder().isEmpty()) {
        // A tree rebuilt for a new alternate path has no selected node while the
        // old folder is still shown: that folder is the one read again.
        clearDisplay();
        msGetPackageFiles(mController.currentFolder());
        msShowPackageThumbs();
    }
}

void frmMain::smenuDelThumbs_Click()
{
    if (mController.canActOnObject())
        emit purgeThumbnailsRequested(mController.shownObjectFile());
}

void frmMain::refreshPage()
{
    mObjectTabs->objectsChanged();
    try {
        gudtObjectThumbnails().reload();
    } catch (const std::exception& error) {
        mStatus->showMessage(failureText(error));
    }
    fraThumbs->drawPage(false);
    mStatus->update();
}

void frmMain::msDisplayObject(const QString& path)
{
    const browser::ObjectSummary summary = fraObject->showObject(
        path, mScanner->knownFile(path, mController.currentFolder()), fraThumbs->packagesRead());
    mController.setDisplayedObject(fraObject->fileName(), summary.guid);
    updateActions();
}

} // namespace varnick
