#include "app/browser/ThumbnailPane.h"

#include "app/browser/BrowserPictures.h"
#include "app/browser/FolderScanner.h"
#include "app/browser/PageLoader.h"
#include "app/browser/ThumbnailGrid.h"
#include "app/options/Appearance.h"
#include "app/platform/Utility.h"
#include "app/platform/qt/TextBridge.h"
#include "app/startup/ThumbnailCache.h"
#include "package/base/Paths.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace varnick {

ThumbnailPane::ThumbnailPane(MainWindowController& controller, FolderScanner& scanner, QWidget* parent)
    : QWidget(parent)
    , mController(controller)
    , mScanner(scanner)
    , mPages(new PageLoader(this))
    , mBlink(new QTimer(this))
{
    setObjectName(QStringLiteral("fraThumbs"));
    auto* caption = new QLabel(tr("Objects in the Selected Folde&r"), this);
    caption->setObjectName(QStringLiteral("lblThumbs"));
    caption->setAlignment(Qt::AlignCenter);

    mGrid = new ThumbnailGrid(this);
    mGrid->setObjectName(QStringLiteral("picThumbs"));
    mGrid->setFrameShape(QFrame::NoFrame);
    caption->setBuddy(mGrid);
    for (int i = 0; i < MainWindowController::kSimNameLabels; ++i) {
        QLabel* label = mCaptions[static_cast<std::size_t>(i)] = new QLabel(mGrid);
        label->setObjectName(QStringLiteral("lblSimName_%1").arg(i));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        // Presses on a caption belong to its cell.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setGeometry(MainWindowController::simNameLabelGeometry(i));
        // Labels past the 25 cells of a page lie outside the grid and stay hidden.
        label->setVisible(i < MainWindowController::kThumbsPerPage);
    }
    mNotFound = new QLabel(this);
    mNotFound->setObjectName(QStringLiteral("picNotFound"));
    mNotFound->setPixmap(QPixmap::fromImage(notFoundPicture(PageLoader::kPictureSize, devicePixelRatioF())));
    mNotFound->setVisible(false);
    auto* load = new QLabel(this);
    load->setObjectName(QStringLiteral("picLoad"));
    load->setVisible(false);
    mPageCount = new QLineEdit(this);
    mPageCount->setObjectName(QStringLiteral("txtPageCount"));
    mPageCount->setReadOnly(true);
    mPageCount->setAlignment(Qt::AlignCenter);
    mPageCount->setAccessibleName(tr("Page"));
    const std::array<std::pair<const char*, QString>, 7> buttons { {
        // Alt+letters of their own: F, O, T and H open the menus.
        { "cmdFirst", tr("F&irst") },
        { "cmdPrevious", tr("Pre&vious") },
        { "cmdNext", tr("&Next") },
        { "cmdLast", tr("&Last") },
        { "cmdSelect", tr("&Edit Object") },
        { "frmDelMove", tr("&Delete/Move") },
        { "cmdSkipped", QString() },
    } };
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        mButtons[i] = new QPushButton(buttons[i].second, this);
        mButtons[i]->setObjectName(QLatin1String(buttons[i].first));
    }
    cmdSkipped()->setFlat(true);
    cmdSkipped()->setVisible(false);
    // Its line keeps its room while hidden: the grid does not jump when it appears.
    QSizePolicy keep = cmdSkipped()->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    cmdSkipped()->setSizePolicy(keep);
    mMarkedLine = new QLabel(this);
    mMarkedLine->setObjectName(QStringLiteral("lblMarked"));
    mMarkedLine->setAlignment(Qt::AlignCenter);
    styleSkippedLine();

    auto* paging = new QHBoxLayout;
    paging->addWidget(cmdFirst());
    paging->addWidget(cmdPrevious());
    paging->addWidget(mPageCount, 1);
    paging->addWidget(cmdNext());
    paging->addWidget(cmdLast());
    auto* actions = new QHBoxLayout;
    actions->addWidget(cmdSelect());
    actions->addWidget(frmDelMove());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(mGrid, 1);
    layout->addWidget(mMarkedLine);
    layout->addWidget(cmdSkipped(), 0, Qt::AlignHCenter);
    layout->addLayout(paging);
    layout->addLayout(actions);

    mGrid->onResized = [this] { layoutCaptions(); };
    mGrid->onKey = [this](QKeyEvent* event) { return keyPress(event->key(), event->modifiers()); };
    mGrid->onContextMenu = [this](const QPoint& at) { emit contextMenuRequested(at); };
    updateHint();

    mPages->setCaptionHandler([this](const PageLoader::Caption& read) {
        setCaption(read.index, read.name);
        if (!read.reason.isEmpty())
            mScanner.addSkipped(text::toUtf8(read.file), text::toUtf8(read.reason), read.reasonPhrase);
        ++mCellsDone;
        if (mOnProgress)
            mOnProgress(mCellsDone, mCellsRequested);
    });
    mPages->setPictureHandler([this](int cell, const QImage& picture, bool made) {
        mGrid->setCellPicture(cell, picture.isNull() ? mNotFound->pixmap().toImage() : picture, made);
    });

    mBlink->setObjectName(QStringLiteral("Timer1"));
    mBlink->setInterval(333);
}

void ThumbnailPane::styleSkippedLine()
{
    // A warning red that reads on the window, light or dark.
    const QString sheet = QStringLiteral("QPushButton { color: %1; text-decoration: underline; }")
                              .arg(appearance::warningRed(palette()).name());
    if (cmdSkipped()->styleSheet() != sheet)
        cmdSkipped()->setStyleSheet(sheet);
}

void ThumbnailPane::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        styleSkippedLine();
}

void ThumbnailPane::setEndHandler(std::function<void()> handler)
{
    mPages->setEndHandler(std::move(handler));
}

void ThumbnailPane::clearPage()
{
    mGrid->clearPictures();
    for (int i = 0; i < MainWindowController::kThumbsPerPage; ++i)
        setCaption(i, QString());
    updateHint();
}

void ThumbnailPane::folderChanged()
{
    updateHint();
    showMarks();
}

void ThumbnailPane::updateHint()
{
    if (mController.currentFolder().isEmpty())
        mGrid->setHint(tr("Choose a folder on the left to see its objects."));
    else if (!mController.hasObjects() && !mScanner.running())
        mGrid->setHint(tr("This folder holds no objects."));
    else
        mGrid->setHint(QString());
}

void ThumbnailPane::setCaption(int cell, const QString& name)
{
    mCaptionTexts[static_cast<std::size_t>(cell)] = name;
    mGrid->setPageNumber(mController.page() + 1);
    mGrid->setCellName(cell, name);
    QLabel* label = mCaptions[static_cast<std::size_t>(cell)];
    const QFontMetrics metrics(label->font());
    const int width = std::max(1, label->width() - 2);
    // Two lines, word-wrapped; what does not fit ends in an ellipsis, and the tool tip has it whole.
    QString shown = name;
    const QRect needed = metrics.boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, name);
    if (needed.height() > label->height() && !name.isEmpty()) {
        int cut = static_cast<int>(name.size());
        while (cut > 1) {
            --cut;
            shown = name.left(cut).trimmed() + QChar(0x2026);
            if (metrics.boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap | Qt::TextWrapAnywhere, shown).height()
                <= label->height())
                break;
        }
    }
    label->setWordWrap(true);
    label->setText(shown);
    label->setToolTip(shown == name ? QString() : name);
}

void ThumbnailPane::layoutCaptions()
{
    const int cell = mGrid->cellSize();
    const QPoint origin = mGrid->origin();
    // Captions grow with the cells, up to half again the usual size.
    QFont font = this->font();
    const double scale = std::clamp(cell / double(MainWindowController::kCellSize), 0.8, 1.5);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    for (int i = 0; i < MainWindowController::kThumbsPerPage; ++i) {
        const QRect natural = MainWindowController::simNameLabelGeometry(i);
        const int column = i % MainWindowController::kGridColumns;
        const int row = i / MainWindowController::kGridColumns;
        const int inCellX = natural.x() - column * MainWindowController::kCellSize;
        const int inCellY = natural.y() - row * MainWindowController::kCellSize;
        QLabel* label = mCaptions[static_cast<std::size_t>(i)];
        label->setFont(font);
        label->setGeometry(origin.x() + column * cell + inCellX * cell / MainWindowController::kCellSize,
            origin.y() + row * cell + inCellY * cell / MainWindowController::kCellSize,
            natural.width() * cell / MainWindowController::kCellSize,
            natural.height() * cell / MainWindowController::kCellSize);
        setCaption(i, mCaptionTexts[static_cast<std::size_t>(i)]);
    }
}

void ThumbnailPane::drawPage(bool resetSelection)
{
    if (!mController.hasObjects())
        return;
    updatePageCount();
    clearPage();
    mPages->newPage();
    mCellsRequested = 0;
    mCellsDone = 0;
    mPageDrawn = true;
    fillPage();
    if (resetSelection)
        mController.selectFirstOfPage();
    showSelection();
    if (!mBlink->isActive())
        mBlink->start();
    showMarks();
}

void ThumbnailPane::showSelection()
{
    if (mOnSelect)
        mOnSelect(mController.shownObjectFile());
}

void ThumbnailPane::firstPage()
{
    mController.firstPage();
    drawPage(true);
}

void ThumbnailPane::previousPage()
{
    if (mController.previousPage())
        drawPage(true);
}

void ThumbnailPane::nextPage()
{
    if (mController.nextPage())
        drawPage(true);
}

void ThumbnailPane::lastPage()
{
    mController.lastPage();
    drawPage(true);
}

void ThumbnailPane::press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)
{
    drawFrame(false);
    const int cell = mGrid->cellAt(x, y);
    if (cell < 0)
        return;
    if (button == Qt::RightButton && mController.markedCells().contains(cell))
        mController.selectCell(cell);
    else if (button == Qt::RightButton)
        mController.selectOnly(cell);
    else
        mController.pressCell(cell, modifiers.testFlag(Qt::ControlModifier), modifiers.testFlag(Qt::ShiftModifier));
    drawFrame(true);
    showSelection();
    showMarks();
}

bool ThumbnailPane::keyPress(int key, Qt::KeyboardModifiers modifiers)
{
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    std::optional<browser::GridMove> move;
    switch (key) {
    case Qt::Key_Left:
        move = browser::GridMove::Left;
        break;
    case Qt::Key_Right:
        move = browser::GridMove::Right;
        break;
    case Qt::Key_Up:
        move = browser::GridMove::Up;
        break;
    case Qt::Key_Down:
        move = browser::GridMove::Down;
        break;
    case Qt::Key_PageUp:
        move = browser::GridMove::PageUp;
        break;
    case Qt::Key_PageDown:
        move = browser::GridMove::PageDown;
        break;
    case Qt::Key_Home:
        move = browser::GridMove::Home;
        break;
    case Qt::Key_End:
        move = browser::GridMove::End;
        break;
    case Qt::Key_Space:
        mController.markSelected(control);
        drawFrame(true);
        showSelection();
        showMarks();
        return true;
    case Qt::Key_A:
        if (!control)
            return false;
        markAll(true);
        showSelection();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit editKeyPressed();
        return true;
    case Qt::Key_Delete:
        emit deleteKeyPressed();
        return true;
    default:
        return false;
    }
    if (!mController.hasObjects())
        return true;
    drawFrame(false);
    if (mController.moveSelection(*move, control, shift))
        drawPage(false);
    drawFrame(true);
    showSelection();
    showMarks();
    return true;
}

void ThumbnailPane::mouseMove(int x, int y)
{
    const int cell = mGrid->cellAt(x, y);
    const QString file = mController.cellHoldsObject(cell) ? mController.objectFileAt(cell) : QString();
    QString tip
        = file.isEmpty() ? QString() : text::fromUtf8(gfstrGetFileTitle(pathToUtf8(text::toPath(file).filename())));
    // The badge alone does not say why the picture looks unlike the game's.
    if (!tip.isEmpty() && mGrid->pictureIsMade(cell))
        tip += QStringLiteral("\n") + tr("Picture made from the object's texture");
    mGrid->setToolTip(tip);
}

void ThumbnailPane::markAll(bool wholeFolder)
{
    mController.markAll(wholeFolder);
    showMarks();
}

void ThumbnailPane::showMarks()
{
    mGrid->setMarkedCells(mController.markedCells());
    const int marked = mController.markedCount();
    mMarkedLine->setText(!mController.hasObjects() ? QString()
            : marked == 0                          ? tr("Nothing marked")
                                                   : tr("%n object(s) marked", nullptr, marked));
    if (mOnChange)
        mOnChange();
}

void ThumbnailPane::blink()
{
    if (mController.selectorOff())
        return;
    mBlinkOn = !mBlinkOn;
    // The frame is erased on the tick that sets the flag and drawn white on the next.
    drawFrame(!mBlinkOn);
}

void ThumbnailPane::drawFrame(bool on)
{
    mGrid->setFrame(mController.selected(), on);
}

bool ThumbnailPane::showFound()
{
    if (!mController.hasObjects())
        return false;
    if (!mPageDrawn) {
        drawPage(true);
        return true;
    }
    updatePageCount();
    fillPage();
    return false;
}

void ThumbnailPane::fillPage()
{
    const int cells = mController.cellsOnPage();
    if (cells <= mCellsRequested)
        return;
    std::vector<PageLoader::Cell> requests;
    std::vector<std::string> names;
    for (int cell = mCellsRequested; cell < cells; ++cell) {
        const std::filesystem::path file = text::toPath(mController.objectFileAt(cell));
        requests.push_back({ cell, file, {}, mScanner.known(text::fromPath(file.filename())) });
        try {
            names.push_back(pathToUtf8(file.filename()));
        } catch (const std::exception&) {
            names.emplace_back(); // a name with no UTF-8 form has no thumbnail
        }
    }
    // The cache is the user-interface thread's; the loader gets where each picture lies.
    std::vector<browser::ThumbnailSource> sources = browser::resolveThumbnails(gudtObjectThumbnails(), names);
    for (std::size_t i = 0; i < requests.size(); ++i)
        if (!names[i].empty())
            requests[i].thumbnail = std::move(sources[i]);
    mCellsRequested = cells;
    // Cells already handed over for this page come first; the new ones follow them.
    mPages->load(std::move(requests));
}

void ThumbnailPane::cancel()
{
    mPages->cancel();
}

void ThumbnailPane::startFolder()
{
    mPages->cancel();
    mPageDrawn = false;
}

bool ThumbnailPane::drawing() const
{
    return mPages->running();
}

std::atomic<int>& ThumbnailPane::packagesRead()
{
    return mPages->packagesReadCounter();
}

void ThumbnailPane::updatePageCount()
{
    mPageCount->setText(mController.pageCountText());
}

void ThumbnailPane::updateButtons()
{
    cmdSelect()->setEnabled(mController.canEditObject());
    frmDelMove()->setEnabled(mController.canActOnObject());
    cmdFirst()->setEnabled(mController.hasObjects());
    cmdLast()->setEnabled(mController.hasObjects());
    cmdPrevious()->setEnabled(mController.canGoBack());
    cmdNext()->setEnabled(mController.canGoForward());
}

void ThumbnailPane::updateSkippedLine()
{
    const auto count = static_cast<qsizetype>(mScanner.skipped().size());
    cmdSkipped()->setVisible(count > 0);
    cmdSkipped()->setText(tr("%n file(s) could not be read", nullptr, static_cast<int>(count)));
}

} // namespace varnick
