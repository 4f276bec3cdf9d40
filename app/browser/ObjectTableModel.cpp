#include "app/browser/ObjectTableModel.h"

#include "app/browser/ThumbnailPictures.h"
#include "app/browser/core/PackageScan.h"
#include "app/editor/core/NumericFields.h"
#include "app/platform/qt/TextBridge.h"
#include "app/startup/ThumbnailCache.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QTimer>

#include <algorithm>

namespace varnick {

namespace {

using browser::ObjectColumn;

ObjectColumn columnAt(int section)
{
    return static_cast<ObjectColumn>(section);
}

bool isEditable(ObjectColumn column)
{
    return column == ObjectColumn::Name || column == ObjectColumn::Price;
}

// What the editor's price box takes: one digit up to its length.
bool isPriceText(const QString& text)
{
    if (text.isEmpty() || text.size() > numericBoxLength(ObjectField::Price))
        return false;
    return std::all_of(
        text.begin(), text.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

ObjectTableModel::ObjectTableModel(QObject* parent)
    : QAbstractTableModel(parent)
    , mResolver([](const std::string& file) { return browser::resolveThumbnail(gudtObjectThumbnails(), file); })
{
}

ObjectTableModel::~ObjectTableModel()
{
    mThumbnailJob.cancel();
    mThumbnailJob.wait();
}

void ObjectTableModel::setFolder(const QString& folder)
{
    beginResetModel();
    mFolder = folder;
    mRows.clear();
    mRowOfFile.clear();
    mView.clear();
    const bool hadPending = !mPending.empty();
    mPending.clear();
    endResetModel();
    clearThumbnails();
    if (hadPending)
        emit pendingChanged();
}

void ObjectTableModel::addRows(std::vector<browser::ObjectRow> rows)
{
    if (rows.empty())
        return;
    beginResetModel();
    for (browser::ObjectRow& row : rows) {
        const QString file = text::fromUtf8(row.File);
        const auto known = mRowOfFile.constFind(file);
        if (known != mRowOfFile.constEnd()) {
            mRows[*known] = std::move(row);
        } else {
            mRowOfFile.insert(file, mRows.size());
            mRows.push_back(std::move(row));
        }
    }
    mView = viewOrder();
    endResetModel();
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
    return text::fromPath(text::toPath(mFolder) / text::toPath(text::fromUtf8(objectRow(row).File)));
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

const ObjectTableModel::Pending* ObjectTableModel::pendingOf(std::size_t source) const
{
    const auto found = mPending.find(mRows[source].File);
    return found == mPending.end() ? nullptr : &found->second;
}

std::vector<ObjectTableModel::PendingBatch> ObjectTableModel::pendingBatches() const
{
    std::map<Pending, std::vector<std::string>> groups;
    for (const auto& [file, pending] : mPending)
        groups[pending].push_back(file);
    std::vector<PendingBatch> batches;
    for (auto& [pending, files] : groups) {
        std::sort(files.begin(), files.end(),
            [](const std::string& a, const std::string& b) { return browser::packageNameLess(a, b); });
        PendingBatch batch;
        for (const std::string& file : files)
            batch.Files.push_back(text::toPath(mFolder) / text::toPath(text::fromUtf8(file)));
        batch.Changes.Name = pending.Name;
        if (pending.Price)
            batch.Changes.Numbers[ObjectField::Price] = *pending.Price;
        batches.push_back(std::move(batch));
    }
    return batches;
}

void ObjectTableModel::discardChanges(const QStringList& names)
{
    if (mPending.empty())
        return;
    if (names.isEmpty()) {
        mPending.clear();
    } else {
        for (const QString& name : names)
            mPending.erase(text::toUtf8(name));
    }
    if (!mView.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit pendingChanged();
}

void ObjectTableModel::retainFiles(const QStringList& names)
{
    const QSet<QString> kept(names.begin(), names.end());
    QStringList gone;
    for (const auto& [file, pending] : mPending)
        if (!kept.contains(text::fromUtf8(file)))
            gone.append(text::fromUtf8(file));
    if (!gone.isEmpty())
        discardChanges(gone);
    std::vector<browser::ObjectRow> rows;
    rows.reserve(mRows.size());
    for (browser::ObjectRow& row : mRows)
        if (kept.contains(text::fromUtf8(row.File)))
            rows.push_back(std::move(row));
    if (rows.size() == mRows.size()) {
        mRows = std::move(rows);
        return;
    }
    beginResetModel();
    mRows = std::move(rows);
    mRowOfFile.clear();
    for (std::size_t i = 0; i < mRows.size(); ++i)
        mRowOfFile.insert(text::fromUtf8(mRows[i].File), i);
    mView = viewOrder();
    endResetModel();
}

void ObjectTableModel::clearThumbnails()
{
    ++mThumbnailGeneration;
    mThumbnailJob.cancel();
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
    const Pending* pending = pendingOf(source);
    const bool changed = pending != nullptr
        && ((column == ObjectColumn::Name && pending->Name) || (column == ObjectColumn::Price && pending->Price));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (column == ObjectColumn::Thumbnail)
            return {};
        if (changed)
            return text::fromUtf8(column == ObjectColumn::Name
                    ? *pending->Name
                    : std::to_string(numericFieldBits(ObjectField::Price, *pending->Price)));
        return text::fromUtf8(browser::columnText(row, column));
    case Qt::DecorationRole: {
        if (column != ObjectColumn::Thumbnail)
            return {};
        const QString file = text::fromUtf8(row.File);
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
        return changed ? QVariant(QColor(255, 240, 190)) : QVariant();
    case Qt::ForegroundRole:
        return row.Readable ? QVariant() : QVariant(QColor(Qt::gray));
    case Qt::ToolTipRole:
        if (!row.Readable)
            return text::fromUtf8(row.Reason);
        if (changed)
            return QStringLiteral("Changed; not saved yet (Save Changes writes it)");
        return {};
    case Qt::TextAlignmentRole:
        if (browser::columnInfo(column).Numeric)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::UserRole:
        return text::fromUtf8(row.File);
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
    return text::fromUtf8(browser::columnInfo(columnAt(section)).Header);
}

Qt::ItemFlags ObjectTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && isEditable(columnAt(index.column())) && objectRow(index.row()).Readable)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ObjectTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount())
        return false;
    const ObjectColumn column = columnAt(index.column());
    if (!isEditable(column))
        return false;
    std::string typed;
    if (column == ObjectColumn::Price) {
        const QString price = value.toString().trimmed();
        if (!isPriceText(price))
            return false;
        typed = text::toUtf8(price);
    } else {
        typed = limitedText(text::toUtf8(value.toString()), kNameMaxCharacters);
    }
    QList<int> targets = mEditTargets ? mEditTargets(index.row()) : QList<int>();
    if (!targets.contains(index.row()))
        targets = { index.row() };
    bool any = false;
    for (const int target : targets) {
        if (target < 0 || target >= rowCount())
            continue;
        const browser::ObjectRow& row = objectRow(target);
        if (!row.Readable)
            continue;
        Pending& pending = mPending[row.File];
        if (column == ObjectColumn::Name)
            pending.Name = typed == row.Name ? std::nullopt : std::optional<std::string>(typed);
        else
            pending.Price = numericFieldBits(ObjectField::Price, typed) == row.Price
                ? std::nullopt
                : std::optional<std::string>(typed);
        if (!pending.Name && !pending.Price)
            mPending.erase(row.File);
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
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    mSortColumn = columnAt(column);
    mSortOrder = order;
    const std::vector<int> before = mView;
    mView = viewOrder();
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
    // While a batch is being read the next waits for it (it starts when that
    // one ends), so that scrolling never waits for the reading.
    if (mThumbnailsLoading)
        return;
    struct Job {
        QString File;
        browser::ThumbnailSource Source;
    };
    std::vector<Job> jobs;
    for (const QString& file : std::as_const(mThumbnailQueue)) {
        Job job { file, {} };
        try {
            // The cache is the user-interface thread's; the worker gets where the picture lies.
            job.Source = mResolver(text::toUtf8(file));
        } catch (const std::exception&) {
        }
        jobs.push_back(std::move(job));
    }
    mThumbnailQueue.clear();
    if (jobs.empty())
        return;
    const quint64 generation = mThumbnailGeneration;
    mThumbnailsLoading = true;
    mThumbnailJob.start([this, generation, jobs = std::move(jobs)](const std::atomic<bool>& cancel) {
        const auto ended = [this] {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    mThumbnailsLoading = false;
                    if (!mThumbnailQueue.isEmpty())
                        loadQueuedThumbnails();
                },
                Qt::QueuedConnection);
        };
        for (const Job& job : jobs) {
            if (cancel.load())
                return ended();
            QImage picture = decodeThumbnail(browser::readThumbnail(job.Source));
            if (!picture.isNull())
                picture = scaledThumbnail(picture, kThumbnailSize);
            QMetaObject::invokeMethod(
                this,
                [this, generation, file = job.File, picture] {
                    if (generation != mThumbnailGeneration)
                        return;
                    mThumbnails.insert(file, picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
                    const auto source = mRowOfFile.constFind(file);
                    if (source == mRowOfFile.constEnd())
                        return;
                    const auto shown = std::find(mView.begin(), mView.end(), static_cast<int>(*source));
                    if (shown == mView.end())
                        return;
                    const int row = static_cast<int>(shown - mView.begin());
                    emit dataChanged(index(row, 0), index(row, 0), { Qt::DecorationRole });
                },
                Qt::QueuedConnection);
        }
        ended();
    });
}

} // namespace varnick
