#pragma once
// The window that installs Sims2Pack files. Every item of every chosen file is
// listed before anything is written (its picture, catalog name, type, size,
// warnings and where it goes); the files are read, the library is scanned for
// GUID clashes and the installs are planned on the task runner, with progress
// and Cancel. Install plans each file again and carries the plan out, as
// varnick-cli's install does, and a message then says what was installed,
// skipped and refused.

#include "app/platform/qt/DialogSeam.h"
#include "app/sims2pack/Sims2PackInstallWork.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace varnick {

class BackgroundTask;
class Sims2PackInstallList;

class Sims2PackInstallDialog : public QDialog {
    Q_OBJECT
public:
    /// What the window opens on.
    struct Request {
        QStringList files;
        QString downloads; ///< the game's Downloads folder; "" when there is none (a folder is then chosen)
    };
    /// run(): asked with the files, answered with whether anything was installed.
    using Seam = DialogSeam<Sims2PackInstallDialog, QStringList, bool>;
    /// chooseFiles(): asked with the folder the file dialog opens in, answered with the files chosen.
    using FilesSeam = DialogSeam<Sims2PackInstallDialog, QString, QStringList>;
    /// "Show in Folder": asked with the folder, answered with whether a file manager opened it.
    using OpenFolderSeam = DialogSeam<Sims2PackInstallDialog, QString, bool>;

    using Entry = Sims2PackEntry;
    using Outcome = Sims2PackInstallOutcome;

    /// The game's Downloads folder as the program found it; "" when there is none.
    static QString downloadsFolder();
    /// Asks for Sims2Pack files with a file dialog opening in folder; empty when cancelled.
    static QStringList chooseFiles(QWidget* owner, const QString& folder);
    /// Shows the window modally on files, owned by owner (reading starts at
    /// once). True when anything was installed, so that the caller reads its
    /// folders again. Under a Seam::TestScope it only records the request.
    static bool run(QWidget* owner, const QStringList& files);
    /// Whether file names a Sims2Pack file (by its extension, in any letter case).
    static bool isSims2PackFile(const QString& file);

    explicit Sims2PackInstallDialog(Request request, QWidget* parent = nullptr);
    /// Cancels the work without waiting for it.
    ~Sims2PackInstallDialog() override;

    /// Reads the files, scans the library and plans, on the task runner; does nothing while work runs.
    void startReading();
    /// Whether reading, planning or installing runs.
    bool busy() const;
    /// Whether Install has a file to install (or to find installed already).
    bool canInstall() const;
    /// Install: refused while the game runs; taken names are asked about
    /// first (rename, skip those files, or go back); then each file is
    /// installed on the task runner and the outcome shown.
    void install();
    /// Installs into folder instead of a folder per file below Downloads, and plans again.
    void setInstallFolder(const QString& folder);
    /// The chosen files, in the window's order.
    const std::vector<Entry>& entries() const { return mEntries; }
    /// What the last Install did.
    const Outcome& outcome() const { return mOutcome; }

signals:
    /// Reading, or planning again, has ended (cancelled too).
    void planned();
    /// An Install has ended and its message was shown.
    void installed();

protected:
    /// Esc and Cancel: stop an install between two files, else close.
    void reject() override;

private:
    void chooseFolder();
    void planAgain();
    void startInstall(bool rename);
    void finishInstall(const Outcome& outcome);
    void showProgress(std::int64_t done, std::int64_t total);
    void fillList();
    void showSummary();
    void updateButtons();
    Sims2PackTarget installTarget() const;

    Request mRequest;
    QString mFolder; ///< the folder chosen to install into; "" for a folder per file below Downloads
    std::vector<Entry> mEntries;
    std::shared_ptr<const sims2pack::LibraryGuids> mLibrary; ///< null when GUIDs could not be checked
    QString mLibraryNote; ///< why they could not
    Outcome mOutcome;
    bool mInstalling = false;
    BackgroundTask* mTask;
    QLabel* mStatus;
    QProgressBar* mProgress;
    Sims2PackInstallList* mList;
    QLabel* mFolderLabel;
    QPushButton* mChooseFolder;
    QCheckBox* mRename;
    QPushButton* mInstall;
    QPushButton* mCancel;
};

} // namespace varnick
