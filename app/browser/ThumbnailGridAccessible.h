#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace varnick {

class ThumbnailGrid;

/// What a screen reader finds in the thumbnail grid: a list whose items are the
/// cells that hold an object, each named by the object, with its page and
/// position and whether it is marked. The grid draws its cells itself, so
/// without this they would be one silent picture.
class ThumbnailGridAccessible : public QAccessibleWidget {
public:
    explicit ThumbnailGridAccessible(ThumbnailGrid* grid);
    ~ThumbnailGridAccessible() override;

    /// Lets Qt build this interface for every grid (done once, however often called).
    static void install();

    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    ThumbnailGrid* grid() const;

private:
    mutable QHash<int, QAccessible::Id> mCells;
};

} // namespace varnick
