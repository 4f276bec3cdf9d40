#include "app/browser/ThumbnailGrid.h"

#include "app/browser/ThumbnailGridAccessible.h"
#include "app/options/Appearance.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace varnick {

using namespace browser;

namespace {

// The smallest cell that still holds a readable two-line caption under a picture.
constexpr int kMinimumCell = 76;

// x scaled from the natural 95-pixel cell to cell pixels.
int scaledBy(int x, int cell)
{
    return x * cell / kCellSize;
}

} // namespace

ThumbnailGrid::ThumbnailGrid(QWidget* parent)
    : QFrame(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(kMinimumCell * kGridColumns, kMinimumCell * kGridColumns);
    resize(kGridSize, kGridSize);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    ThumbnailGridAccessible::install();
}

void ThumbnailGrid::clearPictures()
{
    for (QImage& cell : mCells)
        cell = QImage();
    mMade.fill(false);
    for (QString& name : mNames)
        name.clear();
    mFrameShown = false;
    update();
    notifyAccessibility(-1, QAccessible::ObjectReorder);
}

void ThumbnailGrid::setCellPicture(int cell, const QImage& picture, bool made)
{
    if (cell < 0 || cell >= kThumbsPerPage)
        return;
    const int shownBefore = cellsShown();
    mCells[static_cast<std::size_t>(cell)] = picture;
    mMade[static_cast<std::size_t>(cell)] = made && !picture.isNull();
    update(cellRect(cell));
    if (cellsShown() != shownBefore)
        notifyAccessibility(-1, QAccessible::ObjectReorder);
}

bool ThumbnailGrid::hasPicture(int cell) const
{
    return cell >= 0 && cell < kThumbsPerPage && !mCells[static_cast<std::size_t>(cell)].isNull();
}

bool ThumbnailGrid::pictureIsMade(int cell) const
{
    return cell >= 0 && cell < kThumbsPerPage && mMade[static_cast<std::size_t>(cell)];
}

void ThumbnailGrid::setCellName(int cell, const QString& name)
{
    if (cell < 0 || cell >= kThumbsPerPage || mNames[static_cast<std::size_t>(cell)] == name)
        return;
    const int shownBefore = cellsShown();
    mNames[static_cast<std::size_t>(cell)] = name;
    if (cellsShown() != shownBefore)
        notifyAccessibility(-1, QAccessible::ObjectReorder);
    else
        notifyAccessibility(cell, QAccessible::NameChanged);
}

QString ThumbnailGrid::cellName(int cell) const
{
    return cell >= 0 && cell < kThumbsPerPage ? mNames[static_cast<std::size_t>(cell)] : QString();
}

int ThumbnailGrid::cellsShown() const
{
    int shown = 0;
    while (shown < kThumbsPerPage && (hasPicture(shown) || !mNames[static_cast<std::size_t>(shown)].isEmpty()))
        ++shown;
    return shown;
}

void ThumbnailGrid::notifyAccessibility(int cell, QAccessible::Event type)
{
    if (!QAccessible::isActive())
        return;
    if (cell >= cellsShown())
        return;
    QAccessibleEvent event(this, type);
    if (cell >= 0)
        event.setChild(cell);
    QAccessible::updateAccessibility(&event);
}

void ThumbnailGrid::notifySelectedChanged(int cell)
{
    if (!QAccessible::isActive() || cell < 0 || cell >= cellsShown())
        return;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    event.setChild(cell);
    QAccessible::updateAccessibility(&event);
}

void ThumbnailGrid::setFrame(int cell, bool shown)
{
    const bool moved = cell != mFrameCell;
    const QRect old = cellRect(mFrameCell);
    mFrameCell = cell;
    mFrameShown = shown;
    update(old);
    update(cellRect(cell));
    // The frame blinks; only a move to another cell is news to a screen reader.
    if (moved && hasFocus())
        notifyAccessibility(cell, QAccessible::Focus);
}

void ThumbnailGrid::setMarkedCells(const QList<int>& cells)
{
    if (cells == mMarked)
        return;
    const QList<int> before = mMarked;
    mMarked = cells;
    update();
    for (int cell = 0; cell < kThumbsPerPage; ++cell) {
        if (before.contains(cell) != mMarked.contains(cell))
            notifySelectedChanged(cell);
    }
    notifyAccessibility(-1, QAccessible::SelectionWithin);
}

void ThumbnailGrid::setHint(const QString& hint)
{
    if (hint == mHint)
        return;
    mHint = hint;
    update();
}

int ThumbnailGrid::cellAt(int x, int y) const
{
    const int gridX = x - mOrigin.x();
    const int gridY = y - mOrigin.y();
    if (gridX < 0 || gridY < 0 || gridX >= mCell * kGridColumns || gridY >= mCell * kGridColumns)
        return -1;
    return (gridY / mCell) * kGridColumns + gridX / mCell;
}

QRect ThumbnailGrid::cellRect(int cell) const
{
    return QRect(
        mOrigin.x() + (cell % kGridColumns) * mCell, mOrigin.y() + (cell / kGridColumns) * mCell, mCell, mCell);
}

void ThumbnailGrid::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    // Square cells as large as the narrower side allows, the grid centred across.
    mCell = std::max(1, std::min(width(), height()) / kGridColumns);
    mOrigin = QPoint((width() - mCell * kGridColumns) / 2, 0);
    if (onResized)
        onResized();
    update();
}

QColor ThumbnailGrid::frameColour(bool onMarkedCell) const
{
    // White on dark windows as on the game's dark catalog; on light ones white would vanish.
    if (onMarkedCell)
        return palette().color(QPalette::HighlightedText);
    return appearance::isDark(palette()) ? QColor(Qt::white) : palette().color(QPalette::Highlight);
}

void ThumbnailGrid::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const int cell : mMarked) {
        if (cell >= 0 && cell < kThumbsPerPage)
            painter.fillRect(cellRect(cell).adjusted(2, 2, -2, -2), palette().color(QPalette::Highlight));
    }
    bool empty = true;
    for (int cell = 0; cell < kThumbsPerPage; ++cell) {
        const QImage& picture = mCells[static_cast<std::size_t>(cell)];
        if (picture.isNull())
            continue;
        empty = false;
        const QRect box = cellRect(cell);
        const QRect target(
            box.x() + scaledBy(16, mCell), box.y() + scaledBy(2, mCell), scaledBy(64, mCell), scaledBy(64, mCell));
        painter.drawImage(target, picture);
        if (mMade[static_cast<std::size_t>(cell)]) {
            // A folded corner says the picture was made here, not drawn by the game.
            const int side = std::max(8, target.width() / 5);
            QPainterPath corner;
            corner.moveTo(target.right() + 1, target.bottom() + 1 - side);
            corner.lineTo(target.right() + 1, target.bottom() + 1);
            corner.lineTo(target.right() + 1 - side, target.bottom() + 1);
            corner.closeSubpath();
            painter.fillPath(corner, QColor(255, 200, 40));
            painter.setPen(QColor(90, 60, 0));
            painter.drawPath(corner);
        }
    }
    if (empty && !mHint.isEmpty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(24, 0, -24, 0), Qt::AlignCenter | Qt::TextWordWrap, mHint);
    }
    if (mFrameShown && mFrameCell >= 0 && mFrameCell < kThumbsPerPage) {
        const QRect box = cellRect(mFrameCell);
        painter.setPen(frameColour(mMarked.contains(mFrameCell)));
        painter.setBrush(Qt::NoBrush);
        // Outer outline, inner one a pixel inside it.
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.drawRect(box.adjusted(1, 1, -2, -2));
    }
    if (hasFocus()) {
        // The keyboard's place: a dashed outline inside the selected cell, and the grid's own edge.
        QPen pen(palette().color(QPalette::Highlight), 2);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(mOrigin, QSize(mCell * kGridColumns, mCell * kGridColumns)).adjusted(1, 1, -1, -1));
        pen.setStyle(Qt::DashLine);
        pen.setWidth(1);
        pen.setColor(palette().color(QPalette::Text));
        painter.setPen(pen);
        if (mFrameCell >= 0 && mFrameCell < kThumbsPerPage)
            painter.drawRect(cellRect(mFrameCell).adjusted(3, 3, -4, -4));
    }
}

void ThumbnailGrid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (onMouseDown)
        onMouseDown(
            event->button(), event->modifiers(), event->position().toPoint().x(), event->position().toPoint().y());
}

void ThumbnailGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void ThumbnailGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onDoubleClick)
        onDoubleClick();
    event->accept();
}

void ThumbnailGrid::keyPressEvent(QKeyEvent* event)
{
    if (onKey && onKey(event)) {
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

void ThumbnailGrid::contextMenuEvent(QContextMenuEvent* event)
{
    if (!onContextMenu)
        return;
    // From the keyboard the menu opens at the selected cell.
    const QPoint at
        = event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(cellRect(mFrameCell).center());
    onContextMenu(at);
    event->accept();
}

void ThumbnailGrid::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    update();
    notifyAccessibility(mFrameCell, QAccessible::Focus);
}

void ThumbnailGrid::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    update();
}

} // namespace varnick
