#include "app/browser/frmMain.h"

#include "app/browser/frmSelectPath.h"
#include "app/platform/qt/HelpViewer.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/startup/GamePaths.h"
#include "app/startup/Version.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

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
QIcon folderPicture(bool withArrow)
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
    return QIcon(picture);
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
    Line1 = separatorLine(central, "Line1");
    Line2 = separatorLine(central, "Line2");
    cmdFocus = button(central, "cmdFocus", QStringLiteral("Focus"));
    // Takes the keyboard focus from the visible buttons; kept outside the visible area.
    cmdFocus->setGeometry(-200, -200, 10, 10);

    auto* panes = new QHBoxLayout;
    panes->addWidget(buildFolderPane(), 1);
    panes->addWidget(buildThumbnailPane(), 0);
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
    Timer1->start();
    // The operating system shutting down closes the window without the question.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { setSessionEnding(true); });

    Form_Load();
}

void frmMain::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
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
    picThumbs = new QFrame(pane);
    picThumbs->setObjectName(QStringLiteral("picThumbs"));
    picThumbs->setFrameShape(QFrame::StyledPanel);
    picThumbs->setFixedSize(gridSize, gridSize);
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
    tvFolders->setIconSize(QSize(17, 14));
    if (mController.takeFirstActivation()) {
        optPath[0]->setChecked(true);
        optPath_Click(0);
    }
}

void frmMain::clearDisplay()
{
    picObject->clear();
    txtFileName->clear();
    txtDetails->clear();
    mController.mlngPage = 0;
    for (int i = 0; i < MainWindowController::kThumbsPerPage; ++i)
        lblSimName[i]->clear();
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
    event->accept();
    emit unloaded();
}

} // namespace varnick
