#pragma once
// The Library Health window: one scan of the search root through the
// persistent index on worker threads (progress and Cancel), then the review
// list with its actions on the selected rows: show in the file manager, move
// to quarantine (with undo), open in the editor, mark a GUID clash as known
// (and take the mark back from the list of known clashes), install Sims2Pack
// files, export as CSV. Nothing is deleted from here.

#include "app/health/core/HealthReport.h"
#include "app/health/core/Quarantine.h"
#include "app/platform/qt/DialogSeam.h"

#include <QDialog>
#include <QString>

#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace varnick {

class BackgroundTask;

/// Relays the window's editor requests to whoever opens the editor (wired once by the program).
class LibraryHealthEvents : public QObject {
    Q_OBJECT
public:
    static LibraryHealthEvents& instance();
signals:
    void editRequested(const QString& packagePath);
    /// Objects of Sims2Pack files were installed from the window: the folders shown elsewhere are out of date.
    void sims2PacksInstalled();
};

class frmLibraryHealth : public QDialog {
    Q_OBJECT
public:
    struct Request {
        QString root;
    };
    using Seam = DialogSeam<frmLibraryHealth, Request, bool>;
    /// "Show in Folder": asked with the folder, answered with whether a file manager opened it.
    using OpenFolderSeam = DialogSeam<frmLibraryHealth, QString, bool>;

    /// Shows the window modally for root (its scan starts at once). Under a Seam::TestScope it only records the
    /// request.
    static void run(QWidget* owner, const QString& root);

    explicit frmLibraryHealth(const QString& root, QWidget* parent = nullptr);
    ~frmLibraryHealth() override;

    /// Starts a scan on worker threads; does nothing while one runs.
    void startScan();
    bool isScanning() const noexcept;
    /// The review of the latest scan, without the clashes marked as known.
    const health::HealthReport& report() const noexcept { return mReport; }
    /// The clashes of the latest scan that are marked as known.
    const std::vector<health::GuidClash>& knownClashes() const noexcept { return mKnownFound; }
    /// file as the lists show it: below root when it is there, else in full.
    static QString shownPath(const QString& root, const std::string& file);

signals:
    void editRequested(const QString& packagePath);
    void sims2PacksInstalled();
    void scanFinished();

private:
    void cmdCancel_Click();
    void cmdShow_Click();
    void cmdQuarantine_Click();
    void cmdUndo_Click();
    void cmdEdit_Click();
    void cmdKnown_Click();
    void cmdKnownList_Click();
    void cmdInstall_Click();
    void cmdExport_Click();
    void showProgress(qulonglong done, qulonglong total);
    void finishScan(const QString& failure);
    void fillList();
    /// The counts of the rows still listed, in the status line.
    void showSummary();
    void updateButtons();
    QStringList selectedFiles() const;

    QString mRoot;
    health::HealthReport mReport;
    std::vector<health::GuidClash> mKnownFound;
    QString mNote; ///< said after the counts until the list of known clashes is opened
    std::vector<health::QuarantineMove> mMoves;
    BackgroundTask* mScanTask;
    QLabel* mStatus;
    QProgressBar* mProgress;
    QPushButton* mScan;
    QPushButton* mCancelButton;
    QTreeWidget* mList;
    QPushButton* mShow;
    QPushButton* mQuarantine;
    QPushButton* mUndo;
    QPushButton* mEdit;
    QPushButton* mKnown;
    QPushButton* mKnownList;
    QPushButton* mInstall;
    QPushButton* mExport;
};

} // namespace varnick
