#pragma once

// The object table's rows for a QTableView: the rows of ObjectRows shown
// filtered and sorted by the core's rules, thumbnails read lazily for the
// rows the view asks about, and the player's pending edits of Name and Price
// (one typed value goes to every row the edit targets) until they are saved
// through BatchEdit or discarded.

#include "app/browser/BackgroundJob.h"
#include "app/browser/core/ObjectRows.h"
#include "app/browser/core/ObjectSummary.h"
#include "app/editor/core/BatchEdit.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace varnick {

class ObjectTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// A row's edits that are not saved yet.
    struct Pending {
        std::optional<std::string> Name;
        std::optional<std::string> Price; ///< the digits as typed
        bool operator<(const Pending& other) const { return std::tie(Name, Price) < std::tie(other.Name, other.Price); }
    };
    /// Packages that get the same changes.
    struct PendingBatch {
        std::vector<std::filesystem::path> Files;
        BatchChanges Changes;
    };

    /// Where the thumbnail of a file name lies (asked on the user-interface thread).
    using ThumbnailResolver = std::function<browser::ThumbnailSource(const std::string& file)>;

    explicit ObjectTableModel(QObject* parent = nullptr);
    ~ObjectTableModel() override;

    /// Empties the table for the packages of folder; pending edits are dropped.
    void setFolder(const QString& folder);
    const QString& folder() const { return mFolder; }
    /// Adds rows (of the current folder), replacing rows of the same file; shown by the current filter and sort.
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
    const Pending* pendingOf(std::size_t source) const;
    void requestThumbnail(const QString& file) const;
    void loadQueuedThumbnails();

    QString mFolder;
    std::vector<browser::ObjectRow> mRows;
    QHash<QString, std::size_t> mRowOfFile;
    std::vector<int> mView; ///< positions in mRows, in the shown order
    QString mFilter;
    browser::ObjectColumn mSortColumn = browser::ObjectColumn::File;
    Qt::SortOrder mSortOrder = Qt::AscendingOrder;
    std::map<std::string, Pending> mPending; ///< by file name
    std::function<QList<int>(int row)> mEditTargets;

    ThumbnailResolver mResolver;
    QHash<QString, QPixmap> mThumbnails; ///< by file name; a null pixmap when there is none
    mutable QSet<QString> mThumbnailsAsked;
    bool mThumbnailsLoading = false; ///< a batch of thumbnails is being read
    mutable QStringList mThumbnailQueue;
    quint64 mThumbnailGeneration = 0;
    BackgroundJob mThumbnailJob;
};

} // namespace varnick
