#include "app/browser/ThumbnailPane.h"

#include "app/browser/BrowserPictures.h"
#include "app/browser/FolderScanner.h"
#include "app/browser/PageLoader.h"
#include "app/browser/ThumbnailGrid.h"
#include "app/platform/Utility.h"
#include "app/platform/qt/TextBridge.h"
#include "app/startup/ThumbnailCache.h"
#include "package/base/Paths.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace varnick {

ThumbnailPane::ThumbnailPane(MainWindowController& controller, FolderScanner& scanner, QWidget* parent)
    : QWidget(parent)
    , mController(controller)
    , mScanner(scanner)
    , mPages(new PageLoader(this))
    , mBlink(new QTimer(this))
{
    setObjectName(QStringLiteral("fraThumbs"));
    auto* caption = new QLabel(QStringLiteral("Objects in the Selected Folder"), this);
    caption->setObjectName(QStringLiteral("lblThumbs"));
    caption->setAlignment(Qt::AlignCenter);

    constexpr int gridSize = MainWindowController::kCellSize * MainWindowController::kGridColumns;
    mGrid = new ThumbnailGrid(this);
    mGrid->setObjectName(QStringLiteral("picThumbs"));
    mGrid->setFrameShape(QFrame::NoFrame);
    mGrid->setFixedSize(gridSize, gridSize);
    for (int i = 0; i < MainWindowController::kSimNameLabels; ++i) {
        QLabel* label = mCaptions[static_cast<std::size_t>(i)] = new QLabel(mGrid);
        label->setObjectName(QStringLiteral("lblSimName_%1").arg(i));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        label->setGeometry(MainWindowController::simNameLabelGeometry(i));
        // Labels past the 25 cells of a page lie outside the grid and stay hidden.
        label->setVisible(i < MainWindowController::kThumbsPerPage);
    }
    mNotFound = new QLabel(this);
    mNotFound->setObjectName(QStringLiteral("picNotFound"));
    mNotFound->setPixmap(QPixmap::fromImage(notFoundPicture(PageLoader::kPictureSize)));
    mNotFound->setVisible(false);
    auto* load = new QLabel(this);
    load->setObjectName(QStringLiteral("picLoad"));
    load->setVisible(false);
    mPageCount = new QLineEdit(this);
    mPageCount->setObjectName(QStringLiteral("txtPageCount"));
    mPageCount->setReadOnly(true);
    mPageCount->setAlignment(Qt::AlignCenter);
    const std::array<std::pair<const char*, QString>, 7> buttons { {
        { "cmdFirst", QStringLiteral("First") },
        { "cmdPrevious", QStringLiteral("Previous") },
        { "cmdNext", QStringLiteral("Next") },
        { "cmdLast", QStringLiteral("Last") },
        { "cmdSelect", QStringLiteral("Edit Object") },
        { "frmDelMove", QStringLiteral("Delete/Move") },
        { "cmdSkipped", QString() },
    } };
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        mButtons[i] = new QPushButton(buttons[i].second, this);
        mButtons[i]->setObjectName(QLatin1String(buttons[i].first));
    }
    cmdSkipped()->setFlat(true);
    cmdSkipped()->setVisible(false);
    cmdSkipped()->setStyleSheet(QStringLiteral("QPushButton { color: #a03000; text-decoration: underline; }"));

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
    layout->addWidget(mGrid, 0, Qt::AlignHCenter);
    layout->addWidget(cmdSkipped(), 0, Qt::AlignHCenter);
    layout->addLayout(paging);
    layout->addLayout(actions);
    layout->addStretch();

    mPages->setCaptionHandler([this](const PageLoader::Caption& read) {
        mCaptions[static_cast<std::size_t>(read.Index)]->setText(read.Name);
        if (!read.Reason.isEmpty())
            mScanner.addSkipped(text::toUtf8(read.File), text::toUtf8(read.Reason));
        ++mCellsDone;
        if (mOnProgress)
            mOnProgress(mCellsDone, mCellsRequested);
    });
    mPages->setPictureHandler([this](int cell, const QImage& picture) {
        mGrid->setCellPicture(cell, picture.isNull() ? mNotFound->pixmap().toImage() : picture);
    });

    mBlink->setObjectName(QStringLiteral("Timer1"));
    mBlink->setInterval(333);
}

void ThumbnailPane::setEndHandler(std::function<void()> handler)
{
    mPages->setEndHandler(std::move(handler));
}

void ThumbnailPane::clearPage()
{
    mGrid->clearPictures();
    for (int i = 0; i < MainWindowController::kThumbsPerPage; ++i)
        mCaptions[static_cast<std::size_t>(i)]->clear();
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
        mController.selectCell(0);
    if (mOnSelect)
        mOnSelect(mController.selectedObjectFile());
    if (!mBlink->isActive())
        mBlink->start();
    showMarks();
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

void ThumbnailPane::mouseDown(int x, int y)
{
    drawFrame(false);
    const int cell = browser::cellAt(x, y);
    if (cell < 0)
        return;
    mController.selectCell(cell);
    if (mOnSelect)
        mOnSelect(mController.cellHoldsObject(cell) ? mController.objectFileAt(cell) : QString());
}

void ThumbnailPane::mouseMove(int x, int y)
{
    const int cell = browser::cellAt(x, y);
    const QString file = mController.cellHoldsObject(cell) ? mController.objectFileAt(cell) : QString();
    mGrid->setToolTip(
        file.isEmpty() ? QString() : text::fromUtf8(gfstrGetFileTitle(pathToUtf8(text::toPath(file).filename()))));
}

void ThumbnailPane::markClick(Qt::KeyboardModifiers modifiers, int x, int y)
{
    mController.markClick(
        browser::cellAt(x, y), modifiers.testFlag(Qt::ControlModifier), modifiers.testFlag(Qt::ShiftModifier));
    showMarks();
}

void ThumbnailPane::markAll(bool wholeFolder)
{
    mController.markAll(wholeFolder);
    showMarks();
}

void ThumbnailPane::showMarks()
{
    mGrid->setMarkedCells(mController.markedCells());
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

void ThumbnailPane::fillPage()
{
    const int cells = mController.cellsOnPage();
    if (cells <= mCellsRequested)
        return;
    std::vector<PageLoader::Cell> requests;
    for (int cell = mCellsRequested; cell < cells; ++cell) {
        const std::filesystem::path file = text::toPath(mController.objectFileAt(cell));
        PageLoader::Cell request { cell, file, {}, mScanner.known(text::fromPath(file.filename())) };
        try {
            // The cache is the user-interface thread's; the loader gets where the picture lies.
            request.Thumbnail = browser::resolveThumbnail(gudtObjectThumbnails(), pathToUtf8(file.filename()));
        } catch (const std::exception&) {
        }
        requests.push_back(std::move(request));
    }
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
    cmdSelect()->setEnabled(mController.canActOnObject());
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
    cmdSkipped()->setText(count == 1 ? QStringLiteral("1 file could not be read")
                                     : QStringLiteral("%1 files could not be read").arg(count));
}

} // namespace varnick
