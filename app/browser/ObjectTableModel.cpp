#include "app/browser/ObjectTableModel.h"

#include "app/browser/ThumbnailLoader.h"
#include "app/browser/core/PackageScan.h"
#include "app/options/Appearance.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/startup/ThumbnailCache.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QTimer>

#include <algorithm>
#include <iterator>
#include <set>

namespace varnick {

namespace {

using browser::ObjectColumn;

ObjectColumn columnAt(int section)
{
    return static_cast<ObjectColumn>(section);
}

} // namespace

ObjectTableModel::ObjectTableModel(QObject* parent)
    : QAbstractTableModel(parent)
    , mResolver(
          [](std::span<const std::string> files) { return browser::resolveThumbnails(gudtObjectThumbnails(), files); })
    , mLoader(new ThumbnailLoader(kThumbnailSize, this))
{
    mLoader->setLoadedHandler(
        [this](const QString& file, const QImage& picture, bool) { thumbnailLoaded(file, picture); });
}

ObjectTableModel::~ObjectTableModel() = default;

void ObjectTableModel::setFolder(const QString& folder)
{
    beginResetModel();
    mFolder = folder;
    mRows.clear();
    mRowOfFile.clear();
    mView.clear();
    const bool hadPending = mPending.discard();
    endResetModel();
    clearThumbnails();
    if (hadPending)
        emit pendingChanged();
}

void ObjectTableModel::addRows(std::vector<browser::ObjectRow> rows)
{
    if (rows.empty())
        return;
    // Rows read again change in place (and may move under the sort or the
    // filter); new rows are inserted where the order puts them, so that the
    // view keeps its editor, selection and scroll position.
    bool replaced = false;
    std::vector<browser::ObjectRow> added;
    for (browser::ObjectRow& row : rows) {
        const QString file = text::fromUtf8(row.file);
        const auto known = mRowOfFile.constFind(file);
        if (known != mRowOfFile.constEnd()) {
            mRows[*known] = std::move(row);
            replaced = true;
        } else {
            mRowOfFile.insert(file, mRows.size() + added.size());
            added.push_back(std::move(row));
        }
    }
    if (replaced) {
        std::vector<int> view = viewOrder();
        if (view != mView)
            relayout(std::move(view));
        else if (!mView.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
    if (added.empty())
        return;
    const auto firstAdded = static_cast<int>(mRows.size());
    std::move(added.begin(), added.end(), std::back_inserter(mRows));
    const std::vector<int> view = viewOrder();
    // The shown rows keep their order (the sort is stable), so the new ones
    // fall into runs between them.
    std::size_t at = 0;
    while (at < view.size()) {
        if (view[at] < firstAdded) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < view.size() && view[end] >= firstAdded)
            ++end;
        beginInsertRows({}, static_cast<int>(at), static_cast<int>(end - 1));
        mView.insert(mView.begin() + static_cast<std::ptrdiff_t>(at), view.begin() + static_cast<std::ptrdiff_t>(at),
            view.begin() + static_cast<std::ptrdiff_t>(end));
        endInsertRows();
        at = end;
    }
}

void ObjectTableModel::relayout(std::vector<int> view)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> before = mView;
    mView = std::move(view);
    std::vector<int> rowOfSource(mRows.size(), -1);
    for (std::size_t i = 0; i < mView.size(); ++i)
        rowOfSource[static_cast<std::size_t>(mView[i])] = static_cast<int>(i);
    const QModelIndexList persistent = persistentIndexList();
    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (const QModelIndex& old : persistent) {
        const int row = rowOfSource[static_cast<std::size_t>(before[static_cast<std::size_t>(old.row())])];
        moved.append(row < 0 ? QModelIndex() : index(row, old.column()));
    }
    changePersistentIndexList(persistent, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<int> ObjectTableModel::viewOrder() const
{
    std::vector<int> view;
    for (const std::size_t source :
        browser::shownRowOrder(mRows, text::toUtf8(mFilter), mSortColumn, mSortOrder == Qt::DescendingOrder))
        view.push_back(static_cast<int>(source));
    return view;
}

const browser::ObjectRow& ObjectTableModel::objectRow(int row) const
{
    return mRows[static_cast<std::size_t>(mView[static_cast<std::size_t>(row)])];
}

QString ObjectTableModel::filePath(int row) const
{
    return text::fromPath(text::toPath(mFolder) / text::toPath(text::fromUtf8(objectRow(row).file)));
}

std::vector<browser::ObjectRow> ObjectTableModel::shownRows() const
{
    std::vector<browser::ObjectRow> rows;
    rows.reserve(mView.size());
    for (const int source : mView)
        rows.push_back(mRows[static_cast<std::size_t>(source)]);
    return rows;
}

void ObjectTableModel::setFilterText(const QString& text)
{
    if (text == mFilter)
        return;
    beginResetModel();
    mFilter = text;
    mView = viewOrder();
    endResetModel();
}

std::vector<ObjectTableModel::PendingBatch> ObjectTableModel::pendingBatches() const
{
    return mPending.batches(text::toPath(mFolder));
}

void ObjectTableModel::discardChanges(const QStringList& names)
{
    std::vector<std::string> files;
    for (const QString& name : names)
        files.push_back(text::toUtf8(name));
    if (!mPending.discard(files))
        return;
    if (!mView.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit pendingChanged();
}

void ObjectTableModel::retainFiles(const QStringList& names)
{
    std::set<std::string> kept;
    for (const QString& name : names)
        kept.insert(text::toUtf8(name));
    if (mPending.retain(kept)) {
        if (!mView.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit pendingChanged();
    }
    std::vector<browser::ObjectRow> rows;
    rows.reserve(mRows.size());
    for (browser::ObjectRow& row : mRows)
        if (kept.count(row.file) != 0)
            rows.push_back(std::move(row));
    if (rows.size() == mRows.size()) {
        mRows = std::move(rows);
        return;
    }
    beginResetModel();
    mRows = std::move(rows);
    mRowOfFile.clear();
    for (std::size_t i = 0; i < mRows.size(); ++i)
        mRowOfFile.insert(text::fromUtf8(mRows[i].file), i);
    mView = viewOrder();
    endResetModel();
}

void ObjectTableModel::clearThumbnails()
{
    mLoader->clear();
    mThumbnails.clear();
    mThumbnailsAsked.clear();
    mThumbnailQueue.clear();
    if (!mView.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), { Qt::DecorationRole });
}

int ObjectTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(mView.size());
}

int ObjectTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(browser::objectColumns().size());
}

QVariant ObjectTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const auto source = static_cast<std::size_t>(mView[static_cast<std::size_t>(index.row())]);
    const browser::ObjectRow& row = mRows[source];
    const ObjectColumn column = columnAt(index.column());
    const bool changed = mPending.changes(row.file, column);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (column == ObjectColumn::Thumbnail)
            return {};
        if (changed)
            return text::fromUtf8(mPending.shownText(row.file, column));
        return text::fromUtf8(browser::columnText(row, column));
    case Qt::DecorationRole: {
        if (column != ObjectColumn::Thumbnail)
            return {};
        const QString file = text::fromUtf8(row.file);
        const auto found = mThumbnails.constFind(file);
        if (found == mThumbnails.constEnd()) {
            requestThumbnail(file);
            return {};
        }
        return found->isNull() ? QVariant() : QVariant(*found);
    }
    case Qt::FontRole:
        if (changed) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::BackgroundRole:
        return changed ? QVariant(appearance::pendingBackground(QGuiApplication::palette())) : QVariant();
    case Qt::ForegroundRole:
        return row.readable ? QVariant() : QVariant(QColor(Qt::gray));
    case Qt::ToolTipRole:
        if (!row.readable)
            return row.reasonPhrase ? phraseText(*row.reasonPhrase) : text::fromUtf8(row.reason);
        if (changed)
            return tr("Changed; not saved yet (Save Changes writes it)");
        return {};
    case Qt::TextAlignmentRole:
        if (browser::columnInfo(column).numeric)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::UserRole:
        return text::fromUtf8(row.file);
    default:
        return {};
    }
}

QVariant ObjectTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (columnAt(section) == ObjectColumn::Thumbnail)
        return QString();
    const std::string_view header = browser::columnInfo(columnAt(section)).header;
    return QCoreApplication::translate("ObjectColumn", std::string(header).c_str());
}

Qt::ItemFlags ObjectTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && browser::isEditableColumn(columnAt(index.column())) && objectRow(index.row()).readable)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ObjectTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount())
        return false;
    const ObjectColumn column = columnAt(index.column());
    const std::optional<std::string> typed = browser::acceptedCellText(column, text::toUtf8(value.toString()));
    if (!typed)
        return false;
    QList<int> targets = mEditTargets ? mEditTargets(index.row()) : QList<int>();
    if (!targets.contains(index.row()))
        targets = { index.row() };
    bool any = false;
    for (const int target : targets) {
        if (target < 0 || target >= rowCount() || !mPending.set(objectRow(target), column, *typed))
            continue;
        emit dataChanged(this->index(target, 0), this->index(target, columnCount() - 1));
        any = true;
    }
    if (any)
        emit pendingChanged();
    return any;
}

void ObjectTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount() || columnAt(column) == ObjectColumn::Thumbnail)
        return;
    mSortColumn = columnAt(column);
    mSortOrder = order;
    relayout(viewOrder());
}

void ObjectTableModel::requestThumbnail(const QString& file) const
{
    if (mThumbnailsAsked.contains(file))
        return;
    mThumbnailsAsked.insert(file);
    mThumbnailQueue.append(file);
    // The rows painted together are read together, once the painting is over.
    if (mThumbnailQueue.size() == 1)
        QTimer::singleShot(0, const_cast<ObjectTableModel*>(this),
            [self = const_cast<ObjectTableModel*>(this)] { self->loadQueuedThumbnails(); });
}

void ObjectTableModel::loadQueuedThumbnails()
{
    std::vector<ThumbnailLoader::Request> requests;
    std::vector<std::string> files;
    for (const QString& file : std::as_const(mThumbnailQueue)) {
        requests.push_back({ file, {} });
        files.push_back(text::toUtf8(file));
    }
    mThumbnailQueue.clear();
    try {
        // The cache is the user-interface thread's; the loader gets where each picture lies.
        std::vector<browser::ThumbnailSource> sources = mResolver(files);
        for (std::size_t i = 0; i < requests.size() && i < sources.size(); ++i)
            requests[i].source = std::move(sources[i]);
    } catch (const std::exception&) {
    }
    mLoader->load(std::move(requests));
}

void ObjectTableModel::thumbnailLoaded(const QString& file, const QImage& picture)
{
    mThumbnails.insert(file, picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
    const auto source = mRowOfFile.constFind(file);
    if (source == mRowOfFile.constEnd())
        return;
    const auto shown = std::find(mView.begin(), mView.end(), static_cast<int>(*source));
    if (shown == mView.end())
        return;
    const int row = static_cast<int>(shown - mView.begin());
    emit dataChanged(index(row, 0), index(row, 0), { Qt::DecorationRole });
}

} // namespace varnick
