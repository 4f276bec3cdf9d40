#include "app/browser/ThumbnailGrid.h"

#include <QMouseEvent>
#include <QPainter>

namespace varnick {

using namespace browser;

ThumbnailGrid::ThumbnailGrid(QWidget* parent)
    : QFrame(parent)
{
    setMouseTracking(true);
    setFixedSize(kGridSize, kGridSize);
}

void ThumbnailGrid::clearPictures()
{
    for (QImage& cell : mCells)
        cell = QImage();
    mFrameShown = false;
    update();
}

void ThumbnailGrid::setCellPicture(int cell, const QImage& picture)
{
    if (cell < 0 || cell >= kThumbsPerPage)
        return;
    mCells[static_cast<std::size_t>(cell)] = picture;
    update(QRect((cell % kGridColumns) * kCellSize, (cell / kGridColumns) * kCellSize, kCellSize, kCellSize));
}

bool ThumbnailGrid::hasPicture(int cell) const
{
    return cell >= 0 && cell < kThumbsPerPage && !mCells[static_cast<std::size_t>(cell)].isNull();
}

void ThumbnailGrid::setFrame(int cell, bool shown)
{
    const QRect old(
        (mFrameCell % kGridColumns) * kCellSize, (mFrameCell / kGridColumns) * kCellSize, kCellSize, kCellSize);
    mFrameCell = cell;
    mFrameShown = shown;
    update(old);
    update(QRect((cell % kGridColumns) * kCellSize, (cell / kGridColumns) * kCellSize, kCellSize, kCellSize));
}

void ThumbnailGrid::setMarkedCells(const QList<int>& cells)
{
    if (cells == mMarked)
        return;
    mMarked = cells;
    update();
}

void ThumbnailGrid::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    for (const int cell : mMarked) {
        if (cell >= 0 && cell < kThumbsPerPage)
            painter.fillRect((cell % kGridColumns) * kCellSize + 2, (cell / kGridColumns) * kCellSize + 2,
                kCellSize - 4, kCellSize - 4, palette().color(QPalette::Highlight));
    }
    for (int cell = 0; cell < kThumbsPerPage; ++cell) {
        const QImage& picture = mCells[static_cast<std::size_t>(cell)];
        if (!picture.isNull())
            painter.drawImage(
                QPoint((cell % kGridColumns) * kCellSize + 16, (cell / kGridColumns) * kCellSize + 2), picture);
    }
    if (mFrameShown && mFrameCell >= 0 && mFrameCell < kThumbsPerPage) {
        const int left = (mFrameCell % kGridColumns) * kCellSize;
        const int top = (mFrameCell / kGridColumns) * kCellSize;
        painter.setPen(Qt::white);
        painter.setBrush(Qt::NoBrush);
        // Outer outline (left, top)-(left + 94, top + 94), inner one a pixel inside it.
        painter.drawRect(left, top, 94, 94);
        painter.drawRect(left + 1, top + 1, 92, 92);
    }
}

void ThumbnailGrid::mousePressEvent(QMouseEvent* event)
{
    if (onMarkClick)
        onMarkClick(event->modifiers(), event->position().toPoint().x(), event->position().toPoint().y());
    if (onMouseDown)
        onMouseDown(event->button(), event->position().toPoint().x(), event->position().toPoint().y());
}

void ThumbnailGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void ThumbnailGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (onDoubleClick)
        onDoubleClick();
    event->accept();
}

} // namespace varnick
