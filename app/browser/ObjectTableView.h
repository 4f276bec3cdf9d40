#pragma once

// The object table beside the thumbnail pages: the current folder's catalog
// objects one per row, filtered as the player types and sorted by any column.
// Name and Price are edited in place (a typed value goes to every selected
// row) and kept as pending changes until "Save Changes" writes them through
// the batch editor's core (with progress, Cancel and the summary) or "Discard
// Changes" drops them; "Edit Selected..." opens the batch editor on the
// selected rows; "Export CSV..." writes the shown rows. The rows are read on
// worker threads (ObjectRows) and appear in batches. The work is the core's;
// this only translates.

#include "app/browser/core/ObjectRows.h"
#include "app/editor/core/BatchEdit.h"
#include "app/platform/qt/DialogSeam.h"

#include <QSet>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace varnick {

class BackgroundTask;
class ObjectTableModel;

class ObjectTableView : public QWidget {
    Q_OBJECT
public:
    /// The "Export CSV" file choice: asked with the suggested path, answered
    /// with the chosen path ("" when cancelled).
    using ExportSeam = DialogSeam<ObjectTableView, QString, QString>;

    explicit ObjectTableView(QWidget* parent = nullptr);
    ~ObjectTableView() override;

    /// Shows the rows of files (the scan's names in folder) and starts reading
    /// them. Pending changes of the table's previous folder are offered to be saved first.
    void showFolder(const QString& folder, const QStringList& files);
    /// Reads the rows of the shown folder again, keeping the filter, sort and selection.
    void reload();
    const QString& folder() const { return mFolder; }
    /// Asked before the folder changes or the program ends: when changes are
    /// pending, shows them and asks "Save", "Discard" or (with canStay) "Cancel",
    /// the default. True when the caller may go on (saved, discarded, or nothing
    /// pending); false when the player chose to stay where they were (Cancel, or
    /// a save cancelled midway), the changes still pending.
    bool offerPendingSave(bool canStay = true);
    /// Whether rows are being read.
    bool busy() const { return mFilling; }

    ObjectTableModel* model() const { return mModel; }
    QTableView* table() const { return mTable; }
    /// The packages of the selected rows, in the shown order.
    QStringList selectedFiles() const;

    // The buttons, public so that tests drive them as the player does.
    void editSelected();
    /// Asks "Set ... on N objects?" (Save, or Cancel by default) and writes the
    /// pending changes; returns the summary (empty when nothing was pending,
    /// Cancelled and empty when the player declined).
    BatchSummary saveEdits();
    void discardEdits();
    /// Asks for a file and writes the shown rows as CSV; false when cancelled or refused.
    bool exportCsv();
    /// Stops reading the rows; what was read stays.
    void cancelFill();

signals:
    /// Packages were written (a save or the batch editor): the thumbnail pages show them anew.
    void saved();

private:
    /// The pending changes in words: the batch question for one kind of
    /// change and no ending, else a line per kind of change and ending.
    QString pendingQuestion(const QString& ending = {}) const;
    /// Writes the pending changes with progress, Cancel and the summary, without asking.
    BatchSummary writePending();
    void startFilling();
    void flushRows();
    void fillEnded();
    void updateButtons();
    QStringList selectedNames() const;
    void restoreSelection(const QSet<QString>& names);

    ObjectTableModel* mModel = nullptr;
    QString mFolder;
    QStringList mFiles;
    bool mFilling = false;
    std::vector<browser::ObjectRow> mIncoming;
    QSet<QString> mKeepSelected; ///< names selected before a reload, selected again as their rows arrive
    BackgroundTask* mFillTask = nullptr;

    QLineEdit* mFilter = nullptr;
    QTableView* mTable = nullptr;
    QLabel* mCount = nullptr;
    QPushButton* mEditSelected = nullptr;
    QPushButton* mSave = nullptr;
    QPushButton* mDiscard = nullptr;
    QPushButton* mExport = nullptr;
    QProgressBar* mFillProgress = nullptr;
    QPushButton* mCancel = nullptr;
    QTimer* mFlushTimer = nullptr;
};

} // namespace varnick
