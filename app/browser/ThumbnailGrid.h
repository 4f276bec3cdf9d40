#pragma once

#include "app/browser/core/ThumbnailPages.h"

#include <QAccessible>
#include <QFrame>
#include <QImage>
#include <QList>

#include <array>
#include <functional>

namespace varnick {

/// The picture box of the thumbnail pages (picThumbs): 5 x 5 square cells,
/// 95 pixels at its natural size and scaled with the room the window gives
/// it. Each cell keeps what was painted into it (a 64 x 64 thumbnail, a
/// picture made from the object's texture, or the "not found" picture) until
/// the grid is cleared; the selection frame is drawn on top of them while it
/// is shown. It takes the keyboard focus (a click or Tab) and then outlines
/// the selected cell; mouse and key events go to the callbacks.
class ThumbnailGrid : public QFrame {
    Q_OBJECT

public:
    explicit ThumbnailGrid(QWidget* parent = nullptr);

    /// Forgets every cell's picture and hides the frame.
    void clearPictures();
    /// Paints picture into cell's thumbnail area (at (16, 2) of a 95-pixel cell, scaled
    /// with the cell); a made picture carries a corner badge.
    void setCellPicture(int cell, const QImage& picture, bool made = false);
    /// Whether cell holds a painted picture.
    bool hasPicture(int cell) const;
    /// Whether cell's picture was made from the object's texture (the game has drawn none).
    bool pictureIsMade(int cell) const;
    /// Shows the two-pixel white frame around cell, or erases it (shown false).
    void setFrame(int cell, bool shown);
    int frameCell() const { return mFrameCell; }
    bool frameShown() const { return mFrameShown; }

    /// The frame's colour: one that stands out from the window, or from a marked cell's highlight.
    QColor frameColour(bool onMarkedCell) const;
    /// Cells marked as selected (drawn with a highlight).
    void setMarkedCells(const QList<int>& cells);
    const QList<int>& markedCells() const { return mMarked; }
    /// The object's name in cell, read out by screen readers ("" for an empty cell).
    void setCellName(int cell, const QString& name);
    QString cellName(int cell) const;
    /// The page the cells are on, counted from 1, for the position screen readers tell.
    void setPageNumber(int page) { mPage = page; }
    int pageNumber() const { return mPage; }
    /// Cells that hold an object: those before the first one with neither a picture nor a name.
    int cellsShown() const;
    /// A line shown in the middle of an empty grid ("" for none).
    void setHint(const QString& hint);
    const QString& hint() const { return mHint; }

    /// Side of a cell in pixels, and the grid's top-left corner within the widget.
    int cellSize() const { return mCell; }
    QPoint origin() const { return mOrigin; }
    /// Cell (0 to 24) under widget point (x, y); -1 outside the cells.
    int cellAt(int x, int y) const;
    /// Cell's square in widget pixels.
    QRect cellRect(int cell) const;

    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int, int)> onMouseDown;
    std::function<void(int, int)> onMouseMove;
    std::function<void()> onDoubleClick;
    /// Gets the keys pressed while the grid has the focus; true when the key was used.
    std::function<bool(QKeyEvent*)> onKey;
    /// Gets the context-menu request (the menu key or a right press) at a global point.
    std::function<void(const QPoint&)> onContextMenu;
    /// Gets the new cell size after the grid was resized.
    std::function<void()> onResized;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Tells assistive tools that cell (or, with -1, the grid) changed.
    void notifyAccessibility(int cell, QAccessible::Event type);
    void notifySelectedChanged(int cell);

private:
    std::array<QImage, browser::kThumbsPerPage> mCells;
    std::array<bool, browser::kThumbsPerPage> mMade {};
    std::array<QString, browser::kThumbsPerPage> mNames;
    int mPage = 1;
    int mFrameCell = 0;
    bool mFrameShown = false;
    QList<int> mMarked;
    QString mHint;
    int mCell = browser::kCellSize;
    QPoint mOrigin;
};

} // namespace varnick
