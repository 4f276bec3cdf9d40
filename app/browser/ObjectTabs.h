#pragma once
// The main window's middle pane: the thumbnail pages, and on the "Table" tab
// the same objects one per row. The table reads its rows only while its tab
// shows, once per scan, and keeps its unsaved changes until the player saves
// or drops them when asked.

#include <QStringList>
#include <QTabWidget>

#include <functional>

namespace varnick {

class ObjectTableView;
class ThumbnailPane;

class ObjectTabs : public QTabWidget {
    Q_OBJECT
public:
    /// Takes thumbnails as the first tab and builds the table.
    ObjectTabs(ThumbnailPane* thumbnails, QWidget* parent = nullptr);

    ObjectTableView* table() const { return mTable; }
    /// A scan of the folder started: the table reads the rows again when it shows next.
    void scanStarted() { mTableCurrent = false; }
    /// Objects were written elsewhere: a hidden table reads them when it shows
    /// next (its own saves reload it).
    void objectsChanged();
    /// When the table's tab shows and the table shows another scan, fills it with files, the scan's names in folder.
    void showScan(const QString& folder, const QStringList& files);
    /// Lets the table ask about its unsaved changes before the folder changes or
    /// the window closes; false when the player chose to stay where they are.
    bool offerPendingSave();
    /// Answers in place of the table's question (true: go on, false: stay).
    void setPendingSaveAnswerForTesting(std::function<bool()> answer) { mPendingSaveAnswer = std::move(answer); }

private:
    ObjectTableView* mTable;
    bool mTableCurrent = false; ///< whether the table shows the last scan
    std::function<bool()> mPendingSaveAnswer;
};

} // namespace varnick
