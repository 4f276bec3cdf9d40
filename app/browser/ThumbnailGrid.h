#pragma once

#include "app/browser/core/ThumbnailPages.h"

#include <QFrame>
#include <QImage>
#include <QList>

#include <array>
#include <functional>

namespace varnick {

/// The picture box of the thumbnail pages (picThumbs): 5 x 5 cells of 95
/// pixels. Each cell keeps what was painted into it (a 64 x 64 thumbnail or
/// the "not found" picture) until the grid is cleared; the selection frame is
/// drawn on top of them while it is shown. Mouse events go to the callbacks.
class ThumbnailGrid : public QFrame {
public:
    explicit ThumbnailGrid(QWidget* parent = nullptr);

    /// Forgets every cell's picture and hides the frame.
    void clearPictures();
    /// Paints picture into cell's thumbnail area at (c * 95 + 16, r * 95 + 2).
    void setCellPicture(int cell, const QImage& picture);
    /// Whether cell holds a painted picture.
    bool hasPicture(int cell) const;
    /// Shows the two-pixel white frame around cell, or erases it (shown false).
    void setFrame(int cell, bool shown);
    int frameCell() const { return mFrameCell; }
    bool frameShown() const { return mFrameShown; }

    /// Cells marked as selected for "Edit Selected..." (drawn with a highlight).
    void setMarkedCells(const QList<int>& cells);
    const QList<int>& markedCells() const { return mMarked; }

    std::function<void(Qt::MouseButton, int, int)> onMouseDown;
    /// Called before onMouseDown with the keyboard modifiers of the press (Ctrl and Shift mark cells).
    std::function<void(Qt::KeyboardModifiers, int, int)> onMarkClick;
    std::function<void(int, int)> onMouseMove;
    std::function<void()> onDoubleClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::array<QImage, browser::kThumbsPerPage> mCells;
    int mFrameCell = 0;
    bool mFrameShown = false;
    QList<int> mMarked;
};

} // namespace varnick
