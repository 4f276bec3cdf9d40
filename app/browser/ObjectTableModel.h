#pragma once

// The object table's rows for a QTableView: the rows of ObjectRows shown
// filtered and sorted by the core's rules (rows read later are inserted where
// they belong, so an open cell editor stays open), thumbnails read lazily for
// the rows the view asks about, and the player's pending edits of Name and
// Price (PendingEdits; one typed value goes to every row the edit targets)
// until they are saved through BatchEdit or discarded.

#include "app/browser/core/ObjectRows.h"
#include "app/browser/core/ObjectSummary.h"
#include "app/browser/core/PendingEdits.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace varnick {

class ThumbnailLoader;

class ObjectTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using PendingBatch = browser::PendingBatch;

    /// Where the thumbnail of a file name lies (asked on the user-interface thread).
    /// Where the thumbnails of files read together lie, one source per file in order.
    using ThumbnailResolver = std::function<std::vector<browser::ThumbnailSource>(std::span<const std::string> files)>;

    explicit ObjectTableModel(QObject* parent = nullptr);
    ~ObjectTableModel() override;

    /// Empties the table for the packages of folder; pending edits are dropped.
    void setFolder(const QString& folder);
    const QString& folder() const { return mFolder; }
    /// Adds rows (of the current folder), replacing rows of the same file; shown
    /// by the current filter and sort. New rows are inserted where they belong.
    void addRows(std::vector<browser::ObjectRow> rows);
    /// Every row read, shown or not.
    std::size_t rowsRead() const { return mRows.size(); }

    /// The shown row at view position row.
    const browser::ObjectRow& objectRow(int row) const;
    /// The package of the shown row.
    QString filePath(int row) const;
    /// The shown rows in their order, as read (the filter and the sort also go by the values read).
    std::vector<browser::ObjectRow> shownRows() const;

    /// Shows only the rows that match text (rowMatchesFilter).
    void setFilterText(const QString& text);
    const QString& filterText() const { return mFilter; }
    browser::ObjectColumn sortColumn() const { return mSortColumn; }
    Qt::SortOrder sortOrder() const { return mSortOrder; }

    /// Which shown rows an edit of the cell at row applies to (the view gives its selection); the row alone when unset.
    void setEditTargets(std::function<QList<int>(int row)> targets) { mEditTargets = std::move(targets); }
    bool hasPendingChanges() const { return !mPending.empty(); }
    std::size_t pendingCount() const { return mPending.size(); }
    /// The pending edits grouped by equal changes, files in the folder's order.
    std::vector<PendingBatch> pendingBatches() const;
    /// Drops the pending edits of the file names, or of every row when names is empty.
    void discardChanges(const QStringList& names = {});
    /// Drops the rows and pending edits of every file not among names (packages gone from the folder).
    void retainFiles(const QStringList& names);

    void setThumbnailResolver(ThumbnailResolver resolver) { mResolver = std::move(resolver); }
    /// Forgets the thumbnails read so far (the cache changed).
    void clearThumbnails();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    /// Side of the thumbnails the table shows.
    static constexpr int kThumbnailSize = 32;

signals:
    void pendingChanged();

private:
    std::vector<int> viewOrder() const;
    /// Shows the rows in view's order, moving the persistent indexes with their rows.
    void relayout(std::vector<int> view);
    void requestThumbnail(const QString& file) const;
    void loadQueuedThumbnails();
    void thumbnailLoaded(const QString& file, const QImage& picture);

    QString mFolder;
    std::vector<browser::ObjectRow> mRows;
    QHash<QString, std::size_t> mRowOfFile;
    std::vector<int> mView; ///< positions in mRows, in the shown order
    QString mFilter;
    browser::ObjectColumn mSortColumn = browser::ObjectColumn::File;
    Qt::SortOrder mSortOrder = Qt::AscendingOrder;
    browser::PendingEdits mPending;
    std::function<QList<int>(int row)> mEditTargets;

    ThumbnailResolver mResolver;
    QHash<QString, QPixmap> mThumbnails; ///< by file name; a null pixmap when there is none
    mutable QSet<QString> mThumbnailsAsked;
    mutable QStringList mThumbnailQueue;
    ThumbnailLoader* mLoader;
};

} // namespace varnick
