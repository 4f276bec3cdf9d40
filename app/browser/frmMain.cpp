#include "app/browser/frmMain.h"

#include "app/browser/ObjectPane.h"
#include "app/browser/ObjectTableView.h"
#include "app/browser/SkippedFilesDialog.h"
#include "app/browser/ThumbnailGrid.h"
#include "app/browser/WorkStatus.h"
#include "app/browser/core/ThumbnailPages.h"
#include "app/browser/frmSelectPath.h"
#include "app/options/AboutDialog.h"
#include "app/options/AppearanceDialog.h"
#include "app/options/LanguageDialog.h"
#include "app/options/OptionsDialog.h"
#include "app/platform/Utility.h"
#include "app/platform/qt/AccessibleNames.h"
#include "app/platform/qt/HelpViewer.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/sims2pack/Sims2PackInstallDialog.h"
#include "app/startup/ClearCachesAction.h"
#include "app/startup/GamePaths.h"
#include "app/startup/ThumbnailCache.h"
#include "app/startup/Version.h"
#include "app/startup/frmGameInstallation.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

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

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromStdString(titleText()));
    buildMenus();

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
    // The middle pane: the thumbnail pages, and the same objects as a table.
    mObjectTabs = new QTabWidget(central);
    mObjectTabs->setObjectName(QStringLiteral("tabObjects"));
    mObjectTabs->setAccessibleName(tr("Objects"));
    mObjectTabs->addTab(fraThumbs, tr("Thumbnail&s"));
    mObjectTable = new ObjectTableView(mObjectTabs);
    mObjectTabs->addTab(mObjectTable, tr("Ta&ble"));
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

    mStatus = new WorkStatus(statusBar(), [this] { cmdCancel_Click(); });
    setTabOrderOfPanes();
    wirePanes();
    setAcceptDrops(true);
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

void frmMain::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addGameInstallationMenuItem(file, this);
    smenuInstallSims2Pack = menuEntry(
        file, "smenuInstallSims2Pack", tr("Install Sims2&Pack..."), this, [this] { smenuInstallSims2Pack_Click(); });
    smenuInstallSims2Pack->setToolTip(tr("Install the objects of Sims2Pack files into Downloads, where the game "
                                         "reads them"));
    file->addSeparator();
    smenuExit = menuEntry(file, "smenuExit", tr("E&xit"), this, [this] { smenuExit_Click(); });

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    smenuTurnSelectorOff = menuEntry(options, "smenuTurnSelectorOff", tr("Turn &Selection Rectangle Off"), this,
        [this] { smenuTurnSelectorOff_Click(); });
    smenuTurnSelectorOff->setCheckable(true);
    options->addSeparator();
    smenuSettings = menuEntry(options, "smenuSettings", tr("&Backups and Saving..."), this, [this] {
        auto* dialog = new OptionsDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    smenuAppearance = menuEntry(options, "smenuAppearance", tr("&Appearance..."), this, [this] {
        auto* dialog = new AppearanceDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    smenuLanguage = menuEntry(options, "smenuLanguage", tr("&Language..."), this, [this] {
        auto* dialog = new LanguageDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    smenuDelThumbs = menuEntry(
        tools, "smenuDelThumbs", tr("Delete Selected Object &Thumbnails"), this, [this] { smenuDelThumbs_Click(); });
    smenuRestoreOriginal = menuEntry(tools, "smenuRestoreOriginal", tr("&Restore Original..."), this, [this] {
        if (mController.canActOnObject())
            emit restoreOriginalRequested(mController.shownObjectFile());
    });
    smenuLibraryHealth = menuEntry(tools, "smenuLibraryHealth", tr("Library &Health..."), this,
        [this] { emit libraryHealthRequested(searchRoot()); });
    addClearGameCachesMenuItem(tools, this);
    tools->addSeparator();
    smenuSelectPage = menuEntry(
        tools, "smenuSelectPage", tr("Select All on This &Page"), this, [this] { fraThumbs->markAll(false); });
    smenuSelectFolder = menuEntry(
        tools, "smenuSelectFolder", tr("Select &All in This Folder"), this, [this] { fraThumbs->markAll(true); });
    smenuEditSelected = menuEntry(tools, "smenuEditSelected", tr("&Edit Selected..."), this, [this] {
        const QStringList files = mController.markedObjectFiles();
        if (!files.isEmpty())
            emit editSelectedRequested(files);
    });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    smenuContents = menuEntry(help, "smenuContents", tr("Help &Contents"), this, [this] { smenuContents_Click(); });
    smenuContents->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    smenuAbout = menuEntry(help, "smenuAbout", tr("&About Varnick"), this, [this] {
        auto* dialog = new AboutDialog(searchRoot(), this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
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
    connect(fraThumbs, &ThumbnailPane::contextMenuRequested, this, [this](const QPoint& at) { showObjectMenu(at); });
    connect(fraThumbs->cmdFirst(), &QPushButton::clicked, this, [this] { cmdFirst_Click(); });
    connect(fraThumbs->cmdPrevious(), &QPushButton::clicked, this, [this] { cmdPrevious_Click(); });
    connect(fraThumbs->cmdNext(), &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(fraThumbs->cmdLast(), &QPushButton::clicked, this, [this] { cmdLast_Click(); });
    connect(fraThumbs->cmdSelect(), &QPushButton::clicked, this, [this] { cmdSelect_Click(); });
    connect(fraThumbs->frmDelMove(), &QPushButton::clicked, this, [this] { frmDelMove_Click(); });
    connect(fraThumbs->cmdSkipped(), &QPushButton::clicked, this, [this] { cmdSkipped_Click(); });
    fraThumbs->setProgressHandler([this](int done, int) {
        if (!mScanner->running())
            mStatus->showDrawn(done);
    });
    fraThumbs->setEndHandler([this] { updateWorkStatus(); });
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
    connect(mObjectTable, &ObjectTableView::saved, this, [this] { refreshPage(); });
}

void frmMain::Form_Load()
{
    mController.load();

    // The size and place of the last run; a first start takes the usual size, centred on the screen.
    const QByteArray stored = QByteArray::fromBase64(Settings::value(SettingKey::MainWindowGeometry).toLatin1());
    if (stored.isEmpty() || !restoreGeometry(stored))
        placeForFirstStart();
    fraThumbs->clearPage();
    smenuTurnSelectorOff->setChecked(mController.selectorOff());
}

void frmMain::placeForFirstStart()
{
    // Sizes are kept in twips, the unit of the window's layout rules.
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const double twipsPerPixel = screen != nullptr ? 1440.0 / screen->logicalDotsPerInchY() : 15.0;
    const int screenTwips = screen != nullptr ? static_cast<int>(screen->availableGeometry().height() * twipsPerPixel)
                                              : MainWindowController::kSmallScreenTwips;
    resize(std::max(width(), 1000), static_cast<int>(MainWindowController::kWindowHeightTwips / twipsPerPixel));
    if (screen == nullptr) {
        move(x(), MainWindowController::windowTop(screenTwips, y()));
        return;
    }
    // Centred, with the title bar inside the screen's free area (a window
    // manager adds the frame above the given place).
    const QRect free = screen->availableGeometry();
    const QSize size = this->size().boundedTo(free.size());
    resize(size);
    const int top = MainWindowController::windowTop(screenTwips, free.top() + (free.height() - size.height()) / 2);
    move(free.left() + std::max(0, (free.width() - size.width()) / 2), std::max(free.top(), top));
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
    if (!offerPendingSave()) {
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
    // The last alternate path, else the folder shown now (the dialog falls back to Downloads).
    QString start = Settings::value(SettingKey::LastAlternatePathSelected);
    if (start.isEmpty())
        start = mController.currentFolder();
    const QString chosen = frmSelectPath::choose(this, tr("Please select an alternate path:"), start);
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

void frmMain::smenuInstallSims2Pack_Click()
{
    const QStringList files = Sims2PackInstallDialog::chooseFiles(this, Sims2PackInstallDialog::downloadsFolder());
    if (!files.isEmpty())
        emit installSims2PacksRequested(files);
}

namespace {

// The Sims2Pack files among the local files being dragged.
QStringList droppedSims2Packs(const QMimeData* data)
{
    QStringList files;
    if (data == nullptr)
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && Sims2PackInstallDialog::isSims2PackFile(url.toLocalFile()))
            files.append(url.toLocalFile());
    return files;
}

} // namespace

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedSims2Packs(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const QStringList files = droppedSims2Packs(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit installSims2PacksRequested(files);
}

void frmMain::rescan()
{
    // New folders appear in the tree, and the open folder shows what was added to it.
    if (mController.searchRoot().isEmpty() || !offerPendingSave())
        return;
    showRoot(mShownRoot);
}

void frmMain::smenuTurnSelectorOff_Click()
{
    mController.toggleSelector();
    smenuTurnSelectorOff->setChecked(mController.selectorOff());
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
    if (MainWindowController::asksBeforeClosing(reason) && !offerPendingSave()) {
        event->ignore();
        return;
    }
    event->accept();
    Settings::setValue(SettingKey::MainWindowGeometry, QString::fromLatin1(saveGeometry().toBase64()));
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

bool frmMain::offerPendingSave()
{
    return mPendingSaveAnswer ? mPendingSaveAnswer() : mObjectTable->offerPendingSave();
}

void frmMain::tvFolders_NodeClick(QTreeWidgetItem* node)
{
    if (node == nullptr)
        return;
    if (!offerPendingSave()) {
        // The click already moved the tree's selection: it goes back to the folder still shown.
        if (mOpenNode.isEmpty())
            fraFolders->tvFolders()->setCurrentItem(nullptr);
        else
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
    ++mScanGeneration;
    mController.openFolder(folder);
    fraThumbs->folderChanged();
    // Packages unchanged since an earlier scan are classified from the library index.
    mScanner->scan(folder, mController.packageClassifier(text::toPath(searchRoot())));
    updateWorkStatus();
    updateActions();
}

void frmMain::scanBatch(const QStringList& names, std::size_t done, std::size_t total)
{
    mController.addPackageFiles(names);
    mStatus->showScanned(done, total);
    if (mController.hasObjects()) {
        if (!fraThumbs->pageDrawn()) {
            msShowPackageThumbs();
        } else {
            fraThumbs->updatePageCount();
            fraThumbs->fillPage();
        }
    }
    updateActions();
}

void frmMain::scanEnded(const QString& failure)
{
    updateWorkStatus();
    mStatus->showMessage(failure);
    fraThumbs->updateHint();
    showTable();
}

void frmMain::showTable()
{
    if (mObjectTabs->currentWidget() != mObjectTable || mScanner->running() || mController.currentFolder().isEmpty())
        return;
    if (mTableGeneration == mScanGeneration && mObjectTable->folder() == mController.currentFolder())
        return;
    // The table reads the rows of the objects the scan found; the folder is not listed again.
    mTableGeneration = mScanGeneration;
    mObjectTable->showFolder(mController.currentFolder(), mController.packageFiles());
}

void frmMain::cmdCancel_Click()
{
    mScanner->cancel();
    fraThumbs->cancel();
}

void frmMain::updateWorkStatus()
{
    mStatus->update(mScanner->running(), fraThumbs->drawing(), fraThumbs->cellsRequested());
}

void frmMain::cmdSkipped_Click()
{
    mSkippedFiles->showFiles(mScanner->skipped());
}

void frmMain::updateActions()
{
    fraThumbs->updateButtons();
    smenuDelThumbs->setEnabled(mController.canActOnObject());
    smenuRestoreOriginal->setEnabled(mController.canActOnObject());
    smenuSelectPage->setEnabled(mController.canSelectAll());
    smenuSelectFolder->setEnabled(mController.canSelectAll());
    smenuEditSelected->setEnabled(mController.canEditSelected());
}

// Pages ----------------------------------------------------------------------

void frmMain::pageButtonClicked(void (ThumbnailPane::*turn)())
{
    (fraThumbs->*turn)();
    // The keys go on where the button left off: on the page.
    if (!fraThumbs->cmdNext()->isEnabled() || !fraThumbs->cmdPrevious()->isEnabled())
        fraThumbs->picThumbs()->setFocus();
}

void frmMain::showObjectMenu(const QPoint& at)
{
    updateActions();
    if (mObjectMenu == nullptr) {
        mObjectMenu = new QMenu(this);
        mObjectMenu->setObjectName(QStringLiteral("mnuObject"));
        const auto entry = [this](const char* name, const QString& caption, auto handler) {
            QAction* action = mObjectMenu->addAction(caption);
            action->setObjectName(QLatin1String(name));
            connect(action, &QAction::triggered, this, handler);
        };
        entry("mnuObjectEdit", tr("&Edit Object"), [this] { cmdSelect_Click(); });
        entry("mnuObjectDelMove", tr("&Delete/Move..."), [this] { frmDelMove_Click(); });
        mObjectMenu->addSeparator();
        mObjectMenu->addAction(smenuDelThumbs);
        mObjectMenu->addAction(smenuRestoreOriginal);
        mObjectMenu->addSeparator();
        mObjectMenu->addAction(smenuSelectPage);
        mObjectMenu->addAction(smenuSelectFolder);
    }
    mObjectMenu->findChild<QAction*>(QStringLiteral("mnuObjectEdit"))->setEnabled(mController.canEditObject());
    mObjectMenu->findChild<QAction*>(QStringLiteral("mnuObjectDelMove"))->setEnabled(mController.canActOnObject());
    mObjectMenu->popup(at);
}

void frmMain::msShowPackageThumbs()
{
    fraThumbs->drawPage(true);
    updateWorkStatus();
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
    // An object saved elsewhere shows in the table when it is shown next (its own saves reload it).
    if (mObjectTabs->currentWidget() != mObjectTable)
        mTableGeneration = 0;
    try {
        gudtObjectThumbnails().reload();
    } catch (const std::exception& error) {
        mStatus->showMessage(text::fromUtf8(error.what()));
    }
    fraThumbs->drawPage(false);
    updateWorkStatus();
}

void frmMain::msDisplayObject(const QString& path)
{
    const browser::ObjectSummary summary = fraObject->showObject(
        path, mScanner->knownFile(path, mController.currentFolder()), fraThumbs->packagesRead());
    mController.setDisplayedObject(fraObject->fileName(), summary.guid);
    updateActions();
}

} // namespace varnick
