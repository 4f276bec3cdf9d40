#include "app/browser/frmMain.h"

#include "app/browser/ObjectTableView.h"
#include "app/browser/ThumbnailGrid.h"
#include "app/browser/ThumbnailPictures.h"
#include "app/browser/core/FolderList.h"
#include "app/browser/core/ObjectSummary.h"
#include "app/browser/core/ThumbnailPages.h"
#include "app/browser/frmSelectPath.h"
#include "app/platform/Utility.h"
#include "app/platform/qt/HelpViewer.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/startup/ClearCachesAction.h"
#include "app/startup/GamePaths.h"
#include "app/startup/ThumbnailCache.h"
#include "app/startup/Version.h"
#include "app/startup/frmGameInstallation.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSessionManager>
#include <QSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace varnick {

namespace {

QString controlName(const char* name, int index)
{
    return QLatin1String(name) + QLatin1Char('_') + QString::number(index);
}

QFrame* separatorLine(QWidget* parent, const char* name)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

// A folder picture of the tree, drawn so it follows no image files; the
// selected node's picture carries a green arrow.
QPixmap folderPixmap(bool withArrow)
{
    QPixmap picture(17, 14);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(150, 110, 20));
    painter.setBrush(QColor(240, 200, 80));
    painter.drawRect(QRectF(0.5, 1.5, 6, 3));
    painter.drawRect(QRectF(0.5, 3.5, 14, 9.5));
    if (withArrow) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(20, 150, 40));
        const QPointF arrow[] = { { 9, 5 }, { 16.5, 9 }, { 9, 13 } };
        painter.drawPolygon(arrow, 3);
        painter.drawRect(QRectF(5, 7.5, 4.5, 3));
    }
    return picture;
}

QIcon folderPicture(bool withArrow)
{
    return QIcon(folderPixmap(withArrow));
}

// A tree node's icon: the plain folder, and the folder with the arrow while the node is selected.
QIcon nodeIcon()
{
    QIcon icon(folderPixmap(false));
    icon.addPixmap(folderPixmap(true), QIcon::Selected);
    return icon;
}

// The pictures of a cell or an object without thumbnail: a grey square with a question mark.
QImage notFoundPicture(int size)
{
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(200, 200, 200));
    QPainter painter(&picture);
    painter.setPen(QColor(120, 120, 120));
    painter.drawRect(0, 0, size - 1, size - 1);
    QFont font = painter.font();
    font.setPixelSize(size / 2);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
    return picture;
}

// A cell's thumbnail: 64 x 64.
QImage cellThumbnail(const QImage& picture)
{
    return scaledThumbnail(picture, 64);
}

struct CellResult {
    int Cell = 0;
    QImage Picture;
    QString Caption;
    QString File;
    QString Reason;
};

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromStdString(titleText()));
    buildMenus();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    Line1 = separatorLine(central, "Line1");
    Line2 = separatorLine(central, "Line2");
    cmdFocus = button(central, "cmdFocus", QStringLiteral("Focus"));
    // Takes the keyboard focus from the visible buttons; kept outside the visible area.
    cmdFocus->setGeometry(-200, -200, 10, 10);

    auto* panes = new QHBoxLayout;
    panes->addWidget(buildFolderPane(), 1);
    // The middle pane: the thumbnail pages, and the same objects as a table.
    tabObjects = new QTabWidget(central);
    tabObjects->setObjectName(QStringLiteral("tabObjects"));
    tabObjects->addTab(buildThumbnailPane(), QStringLiteral("Thumbnails"));
    objectTable = new ObjectTableView(tabObjects);
    tabObjects->addTab(objectTable, QStringLiteral("Table"));
    connect(tabObjects, &QTabWidget::currentChanged, this, [this] { showTable(); });
    // A save in the table shows on the pages too.
    connect(objectTable, &ObjectTableView::saved, this, [this] { refreshPage(); });
    panes->addWidget(tabObjects, 0);
    panes->addWidget(buildObjectPane(), 1);
    auto* layout = new QVBoxLayout(central);
    layout->setSpacing(0);
    layout->addWidget(Line1);
    layout->addSpacing(2);
    layout->addWidget(Line2);
    layout->addSpacing(6);
    layout->addLayout(panes, 1);
    setCentralWidget(central);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(333);
    // Started by the first page that draws a selection frame.
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    prgWork = new QProgressBar(this);
    prgWork->setObjectName(QStringLiteral("prgWork"));
    prgWork->setMaximumWidth(220);
    cmdCancel = button(this, "cmdCancel", QStringLiteral("Cancel"));
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    statusBar()->addWidget(lblStatus, 1);
    statusBar()->addPermanentWidget(prgWork);
    statusBar()->addPermanentWidget(cmdCancel);
    prgWork->setVisible(false);
    cmdCancel->setVisible(false);
    // The operating system shutting down closes the window without the question.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { setSessionEnding(true); });

    Form_Load();
}

void frmMain::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addGameInstallationMenuItem(file, this);
    smenuExit = file->addAction(QStringLiteral("E&xit"));
    smenuExit->setObjectName(QStringLiteral("smenuExit"));
    connect(smenuExit, &QAction::triggered, this, [this] { smenuExit_Click(); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    smenuTurnSelectorOff = options->addAction(QStringLiteral("Turn &Selection Rectangle Off"));
    smenuTurnSelectorOff->setObjectName(QStringLiteral("smenuTurnSelectorOff"));
    smenuTurnSelectorOff->setCheckable(true);
    connect(smenuTurnSelectorOff, &QAction::triggered, this, [this] { smenuTurnSelectorOff_Click(); });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    smenuDelThumbs = tools->addAction(QStringLiteral("Delete Selected Object &Thumbnails"));
    smenuDelThumbs->setObjectName(QStringLiteral("smenuDelThumbs"));
    connect(smenuDelThumbs, &QAction::triggered, this, [this] { smenuDelThumbs_Click(); });
    smenuRestoreOriginal = tools->addAction(QStringLiteral("&Restore Original..."));
    smenuRestoreOriginal->setObjectName(QStringLiteral("smenuRestoreOriginal"));
    connect(smenuRestoreOriginal, &QAction::triggered, this, [this] {
        const QString object = selectedObjectFile();
        if (!txtFileName->text().isEmpty() && !object.isEmpty())
            emit restoreOriginalRequested(object);
    });
    smenuLibraryHealth = tools->addAction(QStringLiteral("Library Health..."));
    smenuLibraryHealth->setObjectName(QStringLiteral("smenuLibraryHealth"));
    connect(smenuLibraryHealth, &QAction::triggered, this, [this] { emit libraryHealthRequested(searchRoot()); });
    addClearGameCachesMenuItem(tools, this);
    tools->addSeparator();
    smenuSelectPage = tools->addAction(QStringLiteral("Select All on This &Page"));
    smenuSelectPage->setObjectName(QStringLiteral("smenuSelectPage"));
    connect(smenuSelectPage, &QAction::triggered, this, [this] { markAll(false); });
    smenuSelectFolder = tools->addAction(QStringLiteral("Select &All in This Folder"));
    smenuSelectFolder->setObjectName(QStringLiteral("smenuSelectFolder"));
    connect(smenuSelectFolder, &QAction::triggered, this, [this] { markAll(true); });
    smenuEditSelected = tools->addAction(QStringLiteral("&Edit Selected..."));
    smenuEditSelected->setObjectName(QStringLiteral("smenuEditSelected"));
    connect(smenuEditSelected, &QAction::triggered, this, [this] {
        const QStringList files = markedObjectFiles();
        if (!files.isEmpty())
            emit editSelectedRequested(files);
    });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    smenuContents = help->addAction(QStringLiteral("Help &Contents"));
    smenuContents->setObjectName(QStringLiteral("smenuContents"));
    smenuContents->setShortcut(QKeySequence::HelpContents);
    connect(smenuContents, &QAction::triggered, this, [this] { smenuContents_Click(); });
}

QWidget* frmMain::buildFolderPane()
{
    auto* pane = new QWidget(this);
    pane->setObjectName(QStringLiteral("fraFolders"));
    optPath[0] = new QRadioButton(QStringLiteral("Downloads Folder"), pane);
    optPath[1] = new QRadioButton(QStringLiteral("Alternate Path"), pane);
    for (int i = 0; i < 2; ++i) {
        optPath[i]->setObjectName(controlName("optPath", i));
        connect(optPath[i], &QRadioButton::clicked, this, [this, i] { optPath_Click(i); });
    }
    cmdSetPath = button(pane, "cmdSetPath", QStringLiteral("..."));
    cmdSetPath->setVisible(false);
    cmdSetPath->setFixedWidth(32);
    connect(cmdSetPath, &QPushButton::clicked, this, [this] { cmdSetPath_Click(); });
    // The folder tree of the chosen root; filled when a root is chosen.
    tvFolders = new QTreeWidget(pane);
    tvFolders->setObjectName(QStringLiteral("tvFolders"));
    tvFolders->setHeaderHidden(true);
    tvFolders->setIconSize(QSize(17, 14));
    connect(tvFolders, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { tvFolders_NodeClick(node); });
    ImageList1.insert(QStringLiteral("folder"), folderPicture(false));
    ImageList1.insert(QStringLiteral("folder_greenarrow"), folderPicture(true));

    auto* alternate = new QHBoxLayout;
    alternate->addWidget(optPath[1]);
    alternate->addWidget(cmdSetPath);
    alternate->addStretch();
    auto* layout = new QVBoxLayout(pane);
    layout->addWidget(optPath[0]);
    layout->addLayout(alternate);
    layout->addWidget(tvFolders, 1);
    return pane;
}

QWidget* frmMain::buildThumbnailPane()
{
    auto* pane = new QWidget(this);
    pane->setObjectName(QStringLiteral("fraThumbs"));
    auto* caption = new QLabel(QStringLiteral("Objects in the Selected Folder"), pane);
    caption->setObjectName(QStringLiteral("lblThumbs"));
    caption->setAlignment(Qt::AlignCenter);

    constexpr int gridSize = MainWindowController::kCellSize * MainWindowController::kGridColumns;
    picThumbs = new ThumbnailGrid(pane);
    picThumbs->setObjectName(QStringLiteral("picThumbs"));
    picThumbs->setFrameShape(QFrame::NoFrame);
    picThumbs->setFixedSize(gridSize, gridSize);
    picThumbs->onMouseDown = [this](Qt::MouseButton pressed, int x, int y) { picThumbs_MouseDown(pressed, x, y); };
    picThumbs->onMouseMove = [this](int x, int y) { picThumbs_MouseMove(x, y); };
    picThumbs->onMarkClick = [this](Qt::KeyboardModifiers modifiers, int x, int y) { markClick(modifiers, x, y); };
    picThumbs->onDoubleClick = [this] { picThumbs_DblClick(); };
    for (int i = 0; i < MainWindowController::kSimNameLabels; ++i) {
        lblSimName[i] = new QLabel(picThumbs);
        lblSimName[i]->setObjectName(controlName("lblSimName", i));
        lblSimName[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblSimName[i]->setWordWrap(true);
        // Labels past the 25 cells of a page lie outside the grid and stay hidden.
        lblSimName[i]->setVisible(i < MainWindowController::kThumbsPerPage);
    }
    picNotFound = new QLabel(pane);
    picNotFound->setObjectName(QStringLiteral("picNotFound"));
    picNotFound->setPixmap(QPixmap::fromImage(notFoundPicture(64)));
    picNotFound->setVisible(false);
    picLoad = new QLabel(pane);
    picLoad->setObjectName(QStringLiteral("picLoad"));
    picLoad->setVisible(false);

    txtPageCount = new QLineEdit(pane);
    txtPageCount->setObjectName(QStringLiteral("txtPageCount"));
    txtPageCount->setReadOnly(true);
    txtPageCount->setAlignment(Qt::AlignCenter);
    cmdFirst = button(pane, "cmdFirst", QStringLiteral("First"));
    cmdPrevious = button(pane, "cmdPrevious", QStringLiteral("Previous"));
    cmdNext = button(pane, "cmdNext", QStringLiteral("Next"));
    cmdLast = button(pane, "cmdLast", QStringLiteral("Last"));
    cmdSelect = button(pane, "cmdSelect", QStringLiteral("Edit Object"));
    frmDelMove = button(pane, "frmDelMove", QStringLiteral("Delete/Move"));
    cmdSkipped = button(pane, "cmdSkipped", QString());
    cmdSkipped->setFlat(true);
    cmdSkipped->setVisible(false);
    cmdSkipped->setStyleSheet(QStringLiteral("QPushButton { color: #a03000; text-decoration: underline; }"));
    connect(cmdSkipped, &QPushButton::clicked, this, [this] { cmdSkipped_Click(); });
    connect(cmdFirst, &QPushButton::clicked, this, [this] { cmdFirst_Click(); });
    connect(cmdPrevious, &QPushButton::clicked, this, [this] { cmdPrevious_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdLast, &QPushButton::clicked, this, [this] { cmdLast_Click(); });
    connect(cmdSelect, &QPushButton::clicked, this, [this] { cmdSelect_Click(); });
    connect(frmDelMove, &QPushButton::clicked, this, [this] { frmDelMove_Click(); });

    auto* paging = new QHBoxLayout;
    paging->addWidget(cmdFirst);
    paging->addWidget(cmdPrevious);
    paging->addWidget(txtPageCount, 1);
    paging->addWidget(cmdNext);
    paging->addWidget(cmdLast);
    auto* actions = new QHBoxLayout;
    actions->addWidget(cmdSelect);
    actions->addWidget(frmDelMove);
    auto* layout = new QVBoxLayout(pane);
    layout->addWidget(caption);
    layout->addWidget(picThumbs, 0, Qt::AlignHCenter);
    layout->addWidget(cmdSkipped, 0, Qt::AlignHCenter);
    layout->addLayout(paging);
    layout->addLayout(actions);
    layout->addStretch();
    return pane;
}

QWidget* frmMain::buildObjectPane()
{
    auto* pane = new QWidget(this);
    pane->setObjectName(QStringLiteral("fraObject"));
    auto* fileCaption = new QLabel(QStringLiteral("Selected Object File"), pane);
    fileCaption->setObjectName(QStringLiteral("lblFileName"));
    txtFileName = new QLineEdit(pane);
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    txtFileName->setReadOnly(true);
    picObject = new QLabel(pane);
    picObject->setObjectName(QStringLiteral("picObject"));
    picObject->setMinimumSize(132, 132);
    picObject->setFrameShape(QFrame::StyledPanel);
    picObject->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picStatus = new QLabel(pane);
    picStatus->setObjectName(QStringLiteral("picStatus"));
    picNotFoundLarge = new QLabel(pane);
    picNotFoundLarge->setObjectName(QStringLiteral("picNotFoundLarge"));
    picNotFoundLarge->setPixmap(QPixmap::fromImage(notFoundPicture(128)));
    picNotFoundLarge->setVisible(false);
    auto* detailsCaption = new QLabel(QStringLiteral("Selected Object Details"), pane);
    detailsCaption->setObjectName(QStringLiteral("lblDetails"));
    txtDetails = new QPlainTextEdit(pane);
    txtDetails->setObjectName(QStringLiteral("txtDetails"));
    txtDetails->setReadOnly(true);

    auto* layout = new QVBoxLayout(pane);
    layout->addWidget(fileCaption);
    layout->addWidget(txtFileName);
    layout->addWidget(picObject, 0, Qt::AlignHCenter);
    layout->addWidget(picStatus, 0, Qt::AlignHCenter);
    layout->addWidget(detailsCaption);
    layout->addWidget(txtDetails, 1);
    return pane;
}

void frmMain::Form_Load()
{
    mController.load();

    // Sizes are kept in twips, the unit of the window's layout rules.
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const double twipsPerPixel = screen != nullptr ? 1440.0 / screen->logicalDotsPerInchY() : 15.0;
    const int screenTwips = screen != nullptr ? static_cast<int>(screen->availableGeometry().height() * twipsPerPixel)
                                              : MainWindowController::kSmallScreenTwips;
    move(x(), MainWindowController::windowTop(screenTwips, y()));
    resize(std::max(width(), 1000), static_cast<int>(MainWindowController::kWindowHeightTwips / twipsPerPixel));

    for (int i = 0; i < MainWindowController::kSimNameLabels; ++i) {
        lblSimName[i]->setGeometry(MainWindowController::simNameLabelGeometry(i));
        lblSimName[i]->clear();
    }
    smenuTurnSelectorOff->setChecked(mController.selectorOff());
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
    tvFolders->setRootIsDecorated(true);
    tvFolders->setItemsExpandable(true);
    if (mController.takeFirstActivation()) {
        optPath[0]->setChecked(true);
        optPath_Click(0);
    }
}

void frmMain::clearDisplay()
{
    clearObject();
    picThumbs->clearPictures();
    mController.mlngPage = 0;
    for (int i = 0; i < MainWindowController::kThumbsPerPage; ++i)
        lblSimName[i]->clear();
}

void frmMain::clearObject()
{
    picObject->clear();
    txtFileName->clear();
    txtDetails->clear();
}

void frmMain::optPath_Click(int index)
{
    cmdFocus->setFocus();
    clearDisplay();
    if (index == 1) {
        cmdSetPath->setVisible(true);
        if (mController.alternatePath().isEmpty())
            cmdSetPath_Click();
        if (mController.alternatePath().isEmpty()) {
            optPath[0]->setChecked(true);
            optPath_Click(0);
            return;
        }
        mController.mstrRootPath = mController.alternatePath();
        optPath[1]->setToolTip(QStringLiteral(" Alternate Path: ") + mController.alternatePath());
    } else {
        mController.mstrRootPath = QString::fromStdString(gstrSims2DataPath);
        cmdSetPath->setVisible(false);
        optPath[1]->setToolTip(QString());
    }
    emit rootChosen(index);
    msGetDataFolders();
    msFillTreeView();
    msSelectLastFolder();
}

void frmMain::cmdSetPath_Click()
{
    cmdFocus->setFocus();
    const QString chosen = frmSelectPath::choose(this, QStringLiteral("Please select an alternate path:"),
        Settings::value(SettingKey::LastAlternatePathSelected));
    if (chosen.isEmpty())
        return;
    mController.setAlternatePath(chosen);
    if (optPath[1]->isChecked()) {
        mController.mstrRootPath = chosen;
        optPath[1]->setToolTip(QStringLiteral(" Alternate Path: ") + chosen);
        emit rootChosen(1);
        msGetDataFolders();
        msFillTreeView();
    }
}

void frmMain::smenuExit_Click()
{
    close();
}

void frmMain::smenuTurnSelectorOff_Click()
{
    mController.toggleSelector();
    smenuTurnSelectorOff->setChecked(mController.selectorOff());
    if (mController.selectorOff())
        drawFrame(false);
}

void frmMain::smenuContents_Click()
{
    HelpViewer::showContext(this, HelpViewer::kContextMainWindow);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    const auto reason = mSessionEnding
        ? MainWindowController::CloseReason::SystemShutdown
        : (event->spontaneous() ? MainWindowController::CloseReason::User : MainWindowController::CloseReason::Program);
    if (MainWindowController::asksBeforeClosing(reason)
        && MessageBox::question(this, QStringLiteral("Confirm Action"), QStringLiteral("Exit this program?"))
            != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    if (MainWindowController::asksBeforeClosing(reason))
        objectTable->offerPendingSave();
    event->accept();
    mScanJob.cancel();
    mPageJob.cancel();
    emit unloaded();
}

frmMain::~frmMain()
{
    // The worker threads post to this window; they end before it does.
    mScanJob.cancel();
    mPageJob.cancel();
    mScanJob.wait();
    mPageJob.wait();
}

// Folder tree ----------------------------------------------------------------

void frmMain::msGetDataFolders()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string rootText = text::toUtf8(mController.mstrRootPath);
    const std::string_view rootElement
        = rootText == gstrSims2DataPath ? browser::kDownloadsElement : std::string_view();
    mController.mstrFolders.clear();
    if (!mController.mstrRootPath.isEmpty())
        for (const std::string& folder : browser::listDataFolders(text::toPath(mController.mstrRootPath), rootElement))
            mController.mstrFolders << text::fromUtf8(folder);
    else
        mController.mstrFolders << text::fromUtf8(rootElement);
    QGuiApplication::restoreOverrideCursor();
}

void frmMain::msFillTreeView()
{
    std::vector<std::string> folders;
    for (const QString& folder : std::as_const(mController.mstrFolders))
        folders.push_back(text::toUtf8(folder));
    browser::sortFolderList(folders);
    mController.mstrFolders.clear();
    for (const std::string& folder : folders)
        mController.mstrFolders << text::fromUtf8(folder);

    tvFolders->clear();
    const bool downloads = optPath[0]->isChecked() || !optPath[1]->isChecked();
    const QString prefix = downloads ? QString() : QStringLiteral("(AltPath)");
    const QIcon icon = nodeIcon();
    QHash<QString, QTreeWidgetItem*> nodes;
    auto* root = new QTreeWidgetItem(tvFolders);
    root->setText(0, downloads ? QStringLiteral("Downloads") : QStringLiteral("(Alternate Path Root)"));
    root->setIcon(0, icon);
    const QString rootKey = downloads ? QStringLiteral("\\Downloads") : QStringLiteral("(AltPath)");
    root->setData(0, Qt::UserRole, rootKey);
    nodes.insert(rootKey, root);
    for (qsizetype i = 1; i < mController.mstrFolders.size(); ++i) {
        const std::string& element = folders[static_cast<std::size_t>(i)];
        const QString key = prefix + mController.mstrFolders[i];
        QTreeWidgetItem* parent = nodes.value(prefix + text::fromUtf8(browser::mfstrGetParentPath(element)), root);
        auto* node = new QTreeWidgetItem(parent);
        node->setText(0, text::fromUtf8(browser::mfstrGetFolderName(element)));
        node->setIcon(0, icon);
        node->setData(0, Qt::UserRole, key);
        nodes.insert(key, node);
    }
    root->setExpanded(true);
}

QString frmMain::fullPath(const QTreeWidgetItem* node) const
{
    QStringList parts;
    for (; node != nullptr; node = node->parent())
        parts.prepend(node->text(0));
    return parts.join(QLatin1Char('\\'));
}

void frmMain::msSelectLastFolder()
{
    const QString target = optPath[0]->isChecked()
        ? Settings::value(SettingKey::LastDownloadsFolderSelected)
        : QStringLiteral("(Alternate Path Root)") + Settings::value(SettingKey::LastAlternateFolderSelected);
    if (target.isEmpty())
        return;
    for (QTreeWidgetItemIterator it(tvFolders); *it != nullptr; ++it) {
        if (fullPath(*it) != target)
            continue;
        tvFolders->setCurrentItem(*it);
        if ((*it)->parent() != nullptr)
            (*it)->parent()->setExpanded(true);
        tvFolders_NodeClick(tvFolders->currentItem());
        return;
    }
}

void frmMain::tvFolders_NodeClick(QTreeWidgetItem* node)
{
    if (node == nullptr)
        return;
    clearDisplay();
    const QString path = fullPath(node);
    if (optPath[1]->isChecked()) {
        const QString relative = path.mid(21);
        mController.mstrCurrentFolder
            = text::fromPath(browser::folderOnDisk(text::toPath(mController.mstrRootPath), text::toUtf8(relative)));
        msGetPackageFiles(mController.mstrCurrentFolder);
        Settings::setValue(SettingKey::LastAlternateFolderSelected, relative);
    } else {
        mController.mstrCurrentFolder
            = text::fromPath(browser::folderOnDisk(text::toPath(mController.mstrRootPath), "\\" + text::toUtf8(path)));
        msGetPackageFiles(mController.mstrCurrentFolder);
        Settings::setValue(SettingKey::LastDownloadsFolderSelected, path);
    }
    // The page is drawn as soon as the scan has found its first objects (scanBatch).
    msShowPackageThumbs();
}

// Scan -----------------------------------------------------------------------

void frmMain::msGetPackageFiles(const QString& folder)
{
    mScanJob.cancel();
    mPageJob.cancel();
    const quint64 generation = ++mScanGeneration;
    ++mPageGeneration;
    mPageRunning = false;
    mPageDrawn = false;
    mController.mstrPackageFiles.clear();
    mKnownSummaries.clear();
    mSkippedFiles.clear();
    updateSkippedLine();
    mScanRunning = true;
    updateWorkStatus();
    const std::filesystem::path where = text::toPath(folder);
    // Packages unchanged since an earlier scan are classified from the library index.
    std::shared_ptr<browser::PackageClassifier> classifier = mController.packageClassifier(text::toPath(searchRoot()));
    mScanJob.start([this, generation, where, classifier](const std::atomic<bool>& cancel) {
        QString failure;
        try {
            browser::scanFolder(
                where,
                [this, generation](const browser::ScanResult& batch) {
                    QMetaObject::invokeMethod(
                        this, [this, generation, batch] { scanBatch(generation, batch); }, Qt::QueuedConnection);
                },
                &cancel, classifier.get());
        } catch (const std::exception& error) {
            failure = text::fromUtf8(error.what());
        }
        QMetaObject::invokeMethod(
            this, [this, generation, failure] { scanEnded(generation, failure); }, Qt::QueuedConnection);
    });
}

void frmMain::scanBatch(quint64 generation, const browser::ScanResult& batch)
{
    if (generation != mScanGeneration)
        return;
    for (std::size_t i = 0; i < batch.Files.size(); ++i) {
        const QString name = text::fromUtf8(batch.Files[i]);
        mController.mstrPackageFiles << name;
        if (i < batch.Summaries.size() && batch.Summaries[i])
            mKnownSummaries.insert(name, *batch.Summaries[i]);
    }
    mSkippedFiles.insert(mSkippedFiles.end(), batch.Skipped.begin(), batch.Skipped.end());
    prgWork->setRange(0, static_cast<int>(std::min<std::size_t>(batch.Total, INT_MAX)));
    prgWork->setValue(static_cast<int>(std::min<std::size_t>(batch.Done, INT_MAX)));
    updateSkippedLine();
    if (!mController.mstrPackageFiles.isEmpty()) {
        if (!mPageDrawn)
            msShowPackageThumbs();
        else {
            txtPageCount->setText(
                text::fromUtf8(browser::pageCountText(mController.mlngPage, mController.mstrPackageFiles.size())));
            fillPage();
        }
    }
}

void frmMain::scanEnded(quint64 generation, const QString& failure)
{
    if (generation != mScanGeneration)
        return;
    mScanRunning = false;
    updateWorkStatus();
    lblStatus->setText(failure.isEmpty() ? QString() : failure);
    showTable();
}

void frmMain::showObjectsTab(int index)
{
    tabObjects->setCurrentIndex(index);
}

void frmMain::showTable()
{
    if (tabObjects->currentWidget() != objectTable || mScanRunning || mController.mstrCurrentFolder.isEmpty())
        return;
    if (mTableGeneration == mScanGeneration && objectTable->folder() == mController.mstrCurrentFolder)
        return;
    // The table reads the rows of the objects the scan found; the folder is not listed again.
    mTableGeneration = mScanGeneration;
    objectTable->showFolder(mController.mstrCurrentFolder, mController.mstrPackageFiles);
}

void frmMain::cmdCancel_Click()
{
    mScanJob.cancel();
    mPageJob.cancel();
}

void frmMain::updateWorkStatus()
{
    const bool working = busy();
    prgWork->setVisible(working);
    cmdCancel->setVisible(working);
    if (working) {
        lblStatus->setText(mScanRunning ? QStringLiteral("Looking for objects in the folder...")
                                        : QStringLiteral("Drawing the page..."));
        if (!mScanRunning)
            prgWork->setRange(0, std::max(1, mPageCellsRequested));
        else if (prgWork->maximum() == 0 && prgWork->minimum() == 0)
            prgWork->setRange(0, 0);
    } else {
        lblStatus->clear();
    }
}

void frmMain::updateSkippedLine()
{
    const auto count = static_cast<qsizetype>(mSkippedFiles.size());
    cmdSkipped->setVisible(count > 0);
    cmdSkipped->setText(count == 1 ? QStringLiteral("1 file could not be read")
                                   : QStringLiteral("%1 files could not be read").arg(count));
}

void frmMain::cmdSkipped_Click()
{
    if (frmSkippedFiles == nullptr) {
        frmSkippedFiles = new QDialog(this);
        frmSkippedFiles->setObjectName(QStringLiteral("frmSkippedFiles"));
        frmSkippedFiles->setWindowTitle(QStringLiteral("Files That Could Not Be Read"));
        auto* list = new QTreeWidget(frmSkippedFiles);
        list->setObjectName(QStringLiteral("lstSkipped"));
        list->setHeaderLabels({ QStringLiteral("File"), QStringLiteral("Reason") });
        list->setRootIsDecorated(false);
        auto* close = button(frmSkippedFiles, "cmdClose", QStringLiteral("Close"));
        connect(close, &QPushButton::clicked, frmSkippedFiles, &QDialog::close);
        auto* layout = new QVBoxLayout(frmSkippedFiles);
        layout->addWidget(list);
        layout->addWidget(close, 0, Qt::AlignRight);
        frmSkippedFiles->resize(640, 300);
    }
    auto* list = frmSkippedFiles->findChild<QTreeWidget*>(QStringLiteral("lstSkipped"));
    list->clear();
    for (const browser::SkippedFile& file : mSkippedFiles)
        new QTreeWidgetItem(list, { text::fromUtf8(file.File), text::fromUtf8(file.Reason) });
    list->resizeColumnToContents(0);
    frmSkippedFiles->show();
    frmSkippedFiles->raise();
}

// Pages ----------------------------------------------------------------------

void frmMain::msShowPackageThumbs()
{
    drawPage(true);
}

void frmMain::drawPage(bool resetSelection)
{
    const auto n = mController.mstrPackageFiles.size();
    if (n == 0 || mController.mstrPackageFiles.first().isEmpty())
        return;
    txtPageCount->setText(text::fromUtf8(browser::pageCountText(mController.mlngPage, n)));
    picThumbs->clearPictures();
    for (int i = 0; i < MainWindowController::kThumbsPerPage; ++i)
        lblSimName[i]->clear();
    mPageJob.cancel();
    ++mPageGeneration;
    mPageCellsRequested = 0;
    mPageCellsDone = 0;
    mPageDrawn = true;
    fillPage();
    if (resetSelection)
        mController.mlngSelected = 0;
    const auto index = browser::objectIndex(mController.mlngPage, mController.mlngSelected);
    if (index < n)
        msDisplayObject(mController.mstrCurrentFolder + QLatin1Char('/') + mController.mstrPackageFiles[index]);
    else
        clearObject();
    if (!Timer1->isActive())
        Timer1->start();
    showMarks();
}

void frmMain::markClick(Qt::KeyboardModifiers modifiers, int x, int y)
{
    const int cell = browser::cellAt(x, y);
    const auto n = mController.mstrPackageFiles.size();
    if (cell < 0 || !browser::cellHoldsObject(n, mController.mlngPage, cell))
        return;
    const auto index = static_cast<qsizetype>(browser::objectIndex(mController.mlngPage, cell));
    if (mMarkedFolder != mController.mstrCurrentFolder) {
        mMarked.clear();
        mMarkAnchor = -1;
        mMarkedFolder = mController.mstrCurrentFolder;
    }
    if (modifiers & Qt::ShiftModifier && mMarkAnchor >= 0 && mMarkAnchor < n) {
        if (!(modifiers & Qt::ControlModifier))
            mMarked.clear();
        // A set beside the list: a range over a large folder stays one pass.
        QSet<qsizetype> marked(mMarked.begin(), mMarked.end());
        for (qsizetype i = std::min(mMarkAnchor, index); i <= std::max(mMarkAnchor, index); ++i) {
            if (!marked.contains(i)) {
                marked.insert(i);
                mMarked.append(i);
            }
        }
    } else if (modifiers & Qt::ControlModifier) {
        if (!mMarked.removeOne(index))
            mMarked.append(index);
        mMarkAnchor = index;
    } else {
        mMarked = { index };
        mMarkAnchor = index;
    }
    showMarks();
}

void frmMain::markAll(bool wholeFolder)
{
    const auto n = mController.mstrPackageFiles.size();
    if (n == 0 || mController.mstrPackageFiles.first().isEmpty())
        return;
    mMarkedFolder = mController.mstrCurrentFolder;
    mMarked.clear();
    const qsizetype first = wholeFolder ? 0 : static_cast<qsizetype>(browser::objectIndex(mController.mlngPage, 0));
    const qsizetype last = wholeFolder ? n - 1 : first + browser::cellsOnPage(n, mController.mlngPage) - 1;
    for (qsizetype i = first; i <= last && i < n; ++i)
        mMarked.append(i);
    showMarks();
}

void frmMain::showMarks()
{
    QList<int> cells;
    if (mMarkedFolder == mController.mstrCurrentFolder) {
        const auto first = static_cast<qsizetype>(browser::objectIndex(mController.mlngPage, 0));
        for (const qsizetype i : mMarked) {
            if (i >= first && i < first + MainWindowController::kThumbsPerPage)
                cells.append(static_cast<int>(i - first));
        }
    }
    picThumbs->setMarkedCells(cells);
}

QStringList frmMain::markedObjectFiles() const
{
    QStringList files;
    const auto n = mController.mstrPackageFiles.size();
    if (mMarkedFolder == mController.mstrCurrentFolder) {
        for (const qsizetype i : mMarked) {
            if (i < n)
                files.append(mController.mstrCurrentFolder + QLatin1Char('/') + mController.mstrPackageFiles[i]);
        }
    }
    // Nothing marked: the displayed object alone.
    if (files.isEmpty() && !selectedObjectFile().isEmpty())
        files.append(selectedObjectFile());
    return files;
}

browser::ObjectSummary frmMain::summaryOf(
    const std::filesystem::path& file, const std::optional<browser::KnownSummary>& known)
{
    // What the folder scan already knew serves while the file is unchanged
    // (one stat); otherwise, or after an edit, the package is read.
    if (known && browser::stillCurrent(*known, file))
        return known->Summary;
    mPackagesRead.fetch_add(1, std::memory_order_relaxed);
    return browser::readObjectSummary(file);
}

void frmMain::fillPage()
{
    const int cells = browser::cellsOnPage(mController.mstrPackageFiles.size(), mController.mlngPage);
    if (cells <= mPageCellsRequested)
        return;
    const int firstCell = mPageCellsRequested;
    mPageCellsRequested = cells;
    struct Job {
        int Cell;
        std::filesystem::path File;
        browser::ThumbnailSource Thumbnail;
        std::optional<browser::KnownSummary> Known;
    };
    std::vector<Job> jobs;
    for (int cell = firstCell; cell < cells; ++cell) {
        const QString& name = mController.mstrPackageFiles[browser::objectIndex(mController.mlngPage, cell)];
        Job job { cell, text::toPath(mController.mstrCurrentFolder) / text::toPath(name), {}, {} };
        if (const auto known = mKnownSummaries.constFind(name); known != mKnownSummaries.constEnd())
            job.Known = *known;
        try {
            // The cache is the user-interface thread's; the worker gets where the picture lies.
            job.Thumbnail = browser::resolveThumbnail(gudtObjectThumbnails(), text::toUtf8(name));
        } catch (const std::exception&) {
        }
        jobs.push_back(std::move(job));
    }
    const quint64 generation = mPageGeneration;
    mPageRunning = true;
    updateWorkStatus();
    // Work already handed over for this page finishes first; the new cells follow it.
    mPageJob.start([this, generation, jobs = std::move(jobs)](const std::atomic<bool>& cancel) {
        for (const Job& job : jobs) {
            if (cancel.load())
                break;
            const browser::ObjectSummary summary = summaryOf(job.File, job.Known);
            CellResult result;
            result.Cell = job.Cell;
            const QImage picture = decodeThumbnail(browser::readThumbnail(job.Thumbnail));
            result.Picture = picture.isNull() ? QImage() : cellThumbnail(picture);
            result.Caption = text::fromUtf8(summary.Name);
            result.File = text::fromUtf8(summary.File);
            result.Reason = summary.Readable ? QString() : text::fromUtf8(summary.Reason);
            QMetaObject::invokeMethod(
                this,
                [this, generation, result] {
                    if (generation != mPageGeneration)
                        return;
                    picThumbs->setCellPicture(
                        result.Cell, result.Picture.isNull() ? picNotFound->pixmap().toImage() : result.Picture);
                    lblSimName[static_cast<std::size_t>(result.Cell)]->setText(result.Caption);
                    if (!result.Reason.isEmpty()) {
                        const std::string file = text::toUtf8(result.File);
                        if (std::none_of(mSkippedFiles.begin(), mSkippedFiles.end(),
                                [&](const browser::SkippedFile& skipped) { return skipped.File == file; })) {
                            mSkippedFiles.push_back({ file, text::toUtf8(result.Reason) });
                            updateSkippedLine();
                        }
                    }
                    ++mPageCellsDone;
                    if (!mScanRunning)
                        prgWork->setValue(mPageCellsDone);
                },
                Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation != mPageGeneration)
                    return;
                mPageRunning = false;
                updateWorkStatus();
            },
            Qt::QueuedConnection);
    });
}

void frmMain::cmdFirst_Click()
{
    cmdFocus->setFocus();
    mController.mlngPage = 0;
    msShowPackageThumbs();
}

void frmMain::cmdPrevious_Click()
{
    cmdFocus->setFocus();
    if (mController.mlngPage > 0) {
        --mController.mlngPage;
        msShowPackageThumbs();
    }
}

void frmMain::cmdNext_Click()
{
    cmdFocus->setFocus();
    if (browser::lastPageIndex(mController.mstrPackageFiles.size()) > mController.mlngPage) {
        ++mController.mlngPage;
        msShowPackageThumbs();
    }
}

void frmMain::cmdLast_Click()
{
    cmdFocus->setFocus();
    mController.mlngPage = static_cast<int>(browser::lastPageIndex(mController.mstrPackageFiles.size()));
    msShowPackageThumbs();
}

void frmMain::drawFrame(bool on)
{
    picThumbs->setFrame(mController.mlngSelected, on);
}

void frmMain::picThumbs_MouseDown(Qt::MouseButton, int x, int y)
{
    drawFrame(false);
    const int cell = browser::cellAt(x, y);
    if (cell < 0)
        return;
    mController.mlngSelected = cell;
    if (!browser::cellHoldsObject(mController.mstrPackageFiles.size(), mController.mlngPage, cell)) {
        clearObject();
        return;
    }
    msDisplayObject(mController.mstrCurrentFolder + QLatin1Char('/')
        + mController.mstrPackageFiles[browser::objectIndex(mController.mlngPage, cell)]);
}

void frmMain::picThumbs_MouseMove(int x, int y)
{
    const int cell = browser::cellAt(x, y);
    QString tip;
    if (browser::cellHoldsObject(mController.mstrPackageFiles.size(), mController.mlngPage, cell))
        tip = text::fromUtf8(gfstrGetFileTitle(
            text::toUtf8(mController.mstrPackageFiles[browser::objectIndex(mController.mlngPage, cell)])));
    picThumbs->setToolTip(tip);
}

void frmMain::picThumbs_DblClick()
{
    cmdSelect_Click();
}

void frmMain::Timer1_Timer()
{
    if (mController.selectorOff())
        return;
    mblnBlinkOn = !mblnBlinkOn;
    // The frame is erased on the tick that sets the flag and drawn white on the next.
    drawFrame(!mblnBlinkOn);
}

QString frmMain::selectedObjectFile() const
{
    const auto index = browser::objectIndex(mController.mlngPage, mController.mlngSelected);
    if (index < 0 || index >= mController.mstrPackageFiles.size())
        return QString();
    return mController.mstrCurrentFolder + QLatin1Char('/') + mController.mstrPackageFiles[index];
}

void frmMain::cmdSelect_Click()
{
    cmdFocus->setFocus();
    const QString file = selectedObjectFile();
    if (txtFileName->text().isEmpty() || file.isEmpty())
        return;
    emit editRequested(file);
}

void frmMain::frmDelMove_Click()
{
    cmdFocus->setFocus();
    const QString file = selectedObjectFile();
    if (txtFileName->text().isEmpty() || file.isEmpty())
        return;
    if (mController.mlngObjectGUID == 0) {
        MessageBox::critical(
            this, QStringLiteral("Object Read Error."), QStringLiteral("The GUID of object was not found."));
        return;
    }
    emit deleteMoveRequested(file, searchRoot(), mController.mlngObjectGUID);
    // Objects may have been deleted or moved: the folder is read again from its first page.
    if (tvFolders->currentItem() != nullptr) {
        tvFolders_NodeClick(tvFolders->currentItem());
    } else if (!mController.mstrCurrentFolder.isEmpty()) {
        // A tree rebuilt for a new alternate path has no selected node while the
        // old folder is still shown: that folder is the one read again.
        clearDisplay();
        msGetPackageFiles(mController.mstrCurrentFolder);
        msShowPackageThumbs();
    }
}

void frmMain::smenuDelThumbs_Click()
{
    const QString file = selectedObjectFile();
    if (txtFileName->text().isEmpty() || file.isEmpty())
        return;
    emit purgeThumbnailsRequested(file);
}

void frmMain::refreshPage()
{
    // An object saved elsewhere shows in the table when it is shown next (its own saves reload it).
    if (tabObjects->currentWidget() != objectTable)
        mTableGeneration = 0;
    try {
        gudtObjectThumbnails().reload();
    } catch (const std::exception& error) {
        lblStatus->setText(text::fromUtf8(error.what()));
    }
    drawPage(false);
}

// Object display -------------------------------------------------------------

void frmMain::msDisplayObject(const QString& path)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    picStatus->setVisible(false);
    picObject->clear();
    const std::filesystem::path file = text::toPath(path);
    std::error_code error;
    txtFileName->setText(std::filesystem::exists(file, error) ? text::fromPath(file.filename()) : QString());
    txtDetails->clear();
    std::optional<browser::KnownSummary> known;
    if (file.parent_path() == text::toPath(mController.mstrCurrentFolder))
        if (const auto found = mKnownSummaries.constFind(text::fromPath(file.filename()));
            found != mKnownSummaries.constEnd())
            known = *found;
    const browser::ObjectSummary summary = summaryOf(file, known);
    std::optional<ByteString> thumbnail;
    try {
        thumbnail = browser::readThumbnail(browser::resolveThumbnail(gudtObjectThumbnails(), summary.File));
    } catch (const std::exception&) {
    }
    const QImage picture = decodeThumbnail(thumbnail);
    picObject->setPixmap(picture.isNull() ? picNotFoundLarge->pixmap() : QPixmap::fromImage(picture));
    txtDetails->setPlainText(text::fromUtf8(summary.Details));
    mController.mlngObjectGUID = summary.Guid;
    QGuiApplication::restoreOverrideCursor();
}

QString frmMain::searchRoot() const
{
    // The Downloads folder below the data folder, or the alternate path itself.
    return optPath[1]->isChecked() ? mController.mstrRootPath
                                   : text::fromPath(text::toPath(mController.mstrRootPath) / "Downloads");
}

} // namespace varnick
