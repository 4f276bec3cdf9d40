#include "app/browser/ThumbnailGridAccessible.h"

#include "app/browser/ThumbnailGrid.h"

#include <QCoreApplication>

namespace varnick {

namespace {

// One cell of the grid; it holds no widget of its own and asks the grid for everything.
class CellAccessible : public QAccessibleInterface {
public:
    CellAccessible(ThumbnailGrid* grid, int cell)
        : mGrid(grid)
        , mCell(cell)
    {
    }

    bool isValid() const override { return mGrid != nullptr && mCell < mGrid->cellsShown(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return mGrid ? mGrid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(mGrid.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override { }

    QString text(QAccessible::Text type) const override
    {
        if (!mGrid)
            return QString();
        switch (type) {
        case QAccessible::Name:
            return mGrid->cellName(mCell);
        case QAccessible::Description: {
            QString where = QCoreApplication::translate("varnick::ThumbnailGrid", "Page %1, position %2")
                                .arg(mGrid->pageNumber())
                                .arg(mCell + 1);
            if (mGrid->markedCells().contains(mCell))
                where += QCoreApplication::translate("varnick::ThumbnailGrid", "; marked");
            if (mGrid->pictureIsMade(mCell))
                where += QCoreApplication::translate("varnick::ThumbnailGrid", "; picture made from its texture");
            return where;
        }
        default:
            return QString();
        }
    }

    QRect rect() const override
    {
        if (!mGrid)
            return QRect();
        const QRect box = mGrid->cellRect(mCell);
        return QRect(mGrid->mapToGlobal(box.topLeft()), box.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.multiSelectable = true;
        state.focusable = true;
        if (!mGrid) {
            state.invalid = true;
            return state;
        }
        state.selected = mGrid->markedCells().contains(mCell);
        state.focused = mGrid->hasFocus() && mGrid->frameCell() == mCell;
        state.active = mGrid->frameCell() == mCell;
        return state;
    }

private:
    QPointer<ThumbnailGrid> mGrid;
    int mCell;
};

QAccessibleInterface* gridFactory(const QString& className, QObject* object)
{
    if (auto* grid = qobject_cast<ThumbnailGrid*>(object);
        grid != nullptr && className == QLatin1String("varnick::ThumbnailGrid"))
        return new ThumbnailGridAccessible(grid);
    return nullptr;
}

} // namespace

ThumbnailGridAccessible::ThumbnailGridAccessible(ThumbnailGrid* grid)
    : QAccessibleWidget(grid, QAccessible::List)
{
}

ThumbnailGridAccessible::~ThumbnailGridAccessible()
{
    for (const QAccessible::Id id : std::as_const(mCells))
        QAccessible::deleteAccessibleInterface(id);
}

void ThumbnailGridAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(gridFactory);
        return true;
    }();
    (void)installed;
}

ThumbnailGrid* ThumbnailGridAccessible::grid() const
{
    return static_cast<ThumbnailGrid*>(widget());
}

QString ThumbnailGridAccessible::text(QAccessible::Text type) const
{
    QString value = QAccessibleWidget::text(type);
    if (type == QAccessible::Name && value.isEmpty())
        value = QCoreApplication::translate("varnick::ThumbnailGrid", "Objects");
    return value;
}

int ThumbnailGridAccessible::childCount() const
{
    return grid()->cellsShown();
}

QAccessibleInterface* ThumbnailGridAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto found = mCells.constFind(index); found != mCells.constEnd())
        return QAccessible::accessibleInterface(found.value());
    auto* cell = new CellAccessible(grid(), index);
    mCells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int ThumbnailGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child == nullptr)
        return -1;
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    for (auto it = mCells.constBegin(); it != mCells.constEnd(); ++it)
        if (it.value() == id)
            return it.key() < childCount() ? it.key() : -1;
    return -1;
}

QAccessibleInterface* ThumbnailGridAccessible::childAt(int x, int y) const
{
    const QPoint local = grid()->mapFromGlobal(QPoint(x, y));
    const int cell = grid()->cellAt(local.x(), local.y());
    return cell >= 0 ? child(cell) : nullptr;
}

QAccessibleInterface* ThumbnailGridAccessible::focusChild() const
{
    if (!grid()->hasFocus())
        return nullptr;
    return child(grid()->frameCell());
}

} // namespace varnick
