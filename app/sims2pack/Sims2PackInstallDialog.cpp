#include "app/sims2pack/Sims2PackInstallDialog.h"

#include "app/sims2pack/Sims2PackInstallList.h"
#include "app/sims2pack/Sims2PackInstallWork.h"

#include "app/browser/frmSelectPath.h"
#include "app/platform/qt/BackgroundTask.h"
#include "app/platform/qt/DialogButtons.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/startup/GamePaths.h"
#include "app/startup/GameRunningGuard.h"
#include "package/Sims2Pack.h"
#include "package/base/ErrorTrap.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace varnick {

using namespace sims2pack;

namespace {

// The first most of lines, and how many more there are.
QString listed(const QStringList& lines, qsizetype most)
{
    QStringList shown = lines.mid(0, most);
    if (lines.size() > most)
        shown.append(Sims2PackInstallDialog::tr("... and %1 more").arg(lines.size() - most));
    return shown.join(QLatin1Char('\n'));
}

} // namespace

QString Sims2PackInstallDialog::downloadsFolder()
{
    if (gstrSims2DataPath.empty() || gstrSims2DataPath == gstrPathNotFound)
        return {};
    return text::fromPath(pathFromUtf8(gstrSims2DataPath) / "Downloads");
}

QStringList Sims2PackInstallDialog::chooseFiles(QWidget* owner, const QString& folder)
{
    if (FilesSeam::testing())
        return FilesSeam::answer(folder);
    return QFileDialog::getOpenFileNames(owner, tr("Install Sims2Pack"), folder,
        tr("Sims2Pack files (*.sims2pack *.Sims2Pack *.SIMS2PACK);;All files (*)"));
}

bool Sims2PackInstallDialog::run(QWidget* owner, const QStringList& files)
{
    if (Seam::testing())
        return Seam::answer(files);
    if (files.isEmpty())
        return false;
    Sims2PackInstallDialog window({ files, downloadsFolder() }, owner);
    window.startReading();
    window.exec();
    return window.outcome().installed > 0;
}

bool Sims2PackInstallDialog::isSims2PackFile(const QString& file)
{
    return file.endsWith(QStringLiteral(".sims2pack"), Qt::CaseInsensitive);
}

Sims2PackInstallDialog::Sims2PackInstallDialog(Request request, QWidget* parent)
    : QDialog(parent)
    , mRequest(std::move(request))
    , mTask(new BackgroundTask(this))
{
    setObjectName(QStringLiteral("Sims2PackInstallDialog"));
    setWindowTitle(tr("Install Sims2Pack"));
    resize(900, 480);

    mStatus = new QLabel(this);
    mStatus->setObjectName(QStringLiteral("lblStatus"));
    mStatus->setWordWrap(true);
    mProgress = new QProgressBar(this);
    mProgress->setObjectName(QStringLiteral("prgWork"));
    mList = new Sims2PackInstallList(this);
    mFolderLabel = new QLabel(this);
    mFolderLabel->setObjectName(QStringLiteral("lblFolder"));
    mFolderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mChooseFolder = new QPushButton(tr("C&hoose Folder..."), this);
    mChooseFolder->setObjectName(QStringLiteral("cmdFolder"));
    mChooseFolder->setToolTip(tr("Install every object into one folder of your choice instead"));
    mRename = new QCheckBox(tr("Where a name is taken, install under a &numbered name"), this);
    mRename->setObjectName(QStringLiteral("chkRename"));
    mRename->setToolTip(tr("A file of the same name but different contents is kept; the object is written beside "
                           "it as \"name (2).package\""));
    mInstall = new QPushButton(tr("&Install"), this);
    mInstall->setObjectName(QStringLiteral("cmdInstall"));
    mCancel = new QPushButton(tr("Cancel"), this);
    mCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(mFolderLabel, 1);
    folderRow->addWidget(mChooseFolder);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mRename);
    buttons->addStretch(1);
    buttons->addWidget(mInstall);
    buttons->addWidget(mCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mProgress);
    layout->addWidget(mStatus);
    layout->addWidget(mList, 1);
    layout->addLayout(folderRow);
    layout->addLayout(buttons);

    connect(mChooseFolder, &QPushButton::clicked, this, [this] { chooseFolder(); });
    connect(mRename, &QCheckBox::toggled, this, [this] { planAgain(); });
    connect(mInstall, &QPushButton::clicked, this, [this] { install(); });
    connect(mCancel, &QPushButton::clicked, this, [this] { reject(); });
    mTask->setProgressHandler([this](std::int64_t done, std::int64_t total) { showProgress(done, total); });

    // Tab: the list, the folder, the renaming, then Install and Cancel.
    setTabOrder(mList, mChooseFolder);
    setTabOrder(mChooseFolder, mRename);
    setTabOrder(mRename, mInstall);
    setTabOrder(mInstall, mCancel);
    mList->setFocus();
    showSummary();
    updateButtons();
}

Sims2PackInstallDialog::~Sims2PackInstallDialog() = default;

bool Sims2PackInstallDialog::busy() const
{
    return mTask->running();
}

bool Sims2PackInstallDialog::canInstall() const
{
    return !busy()
        && std::any_of(mEntries.begin(), mEntries.end(), [](const Entry& entry) { return entry.plan != nullptr; });
}

void Sims2PackInstallDialog::startReading()
{
    if (busy())
        return;
    mStatus->setText(tr("Reading %n Sims2Pack file(s)...", nullptr, static_cast<int>(mRequest.files.size())));
    mProgress->setRange(0, 0);
    const QStringList files = mRequest.files;
    const Sims2PackTarget target = installTarget();
    const bool rename = mRename->isChecked();
    struct Read {
        std::vector<Entry> Entries;
        std::shared_ptr<const LibraryGuids> Library;
        QString Note;
        bool Cancelled = false;
    };
    auto read = std::make_shared<Read>();
    mTask->setEndHandler([this, read](const TaskEnd& end) {
        mEntries = std::move(read->Entries);
        mLibrary = std::move(read->Library);
        mLibraryNote = std::move(read->Note);
        fillList();
        if (end.cancelled || read->Cancelled)
            mStatus->setText(tr("Reading was cancelled: nothing can be installed."));
        if (end.failure) {
            try {
                std::rethrow_exception(end.failure);
            } catch (const std::exception& failure) {
                mStatus->setText(failureText(failure));
            }
        }
        updateButtons();
        emit planned();
    });
    // The work touches the window only through its posts, which run on the
    // user-interface thread while the window (owning the task) is alive.
    mTask->start([this, files, target, rename, read](const TaskContext& task) {
        const auto total = static_cast<std::int64_t>(files.size());
        for (qsizetype i = 0; i < files.size(); ++i) {
            if (task.cancelled()) {
                read->Cancelled = true;
                return;
            }
            task.progress(i, total);
            read->Entries.push_back(Sims2PackInstallWork::read(files[i]));
        }
        task.progress(total, total);
        if (std::any_of(read->Entries.begin(), read->Entries.end(), [](const Entry& entry) { return entry.file; })) {
            task.post([this] { mStatus->setText(tr("Checking your downloads for GUID clashes...")); });
            read->Library = Sims2PackInstallWork::libraryGuids(target.downloads, task, read->Note, read->Cancelled);
            if (read->Cancelled)
                return;
        }
        Sims2PackInstallWork::plan(read->Entries, read->Library.get(), target, rename, task);
        read->Cancelled = task.cancelled();
    });
    updateButtons();
}

void Sims2PackInstallDialog::planAgain()
{
    if (busy() || mEntries.empty())
        return;
    mStatus->setText(tr("Checking the files again..."));
    mProgress->setRange(0, 0);
    auto entries = std::make_shared<std::vector<Entry>>(mEntries);
    const std::shared_ptr<const LibraryGuids> library = mLibrary;
    const Sims2PackTarget target = installTarget();
    const bool rename = mRename->isChecked();
    mTask->setEndHandler([this, entries](const TaskEnd& end) {
        // A cancelled plan leaves the files unplanned rather than half of them planned.
        if (!end.cancelled && !end.failure)
            mEntries = std::move(*entries);
        else
            for (Entry& entry : mEntries)
                entry.plan.reset();
        fillList();
        updateButtons();
        emit planned();
    });
    mTask->start([entries, library, target, rename](const TaskContext& task) {
        Sims2PackInstallWork::plan(*entries, library.get(), target, rename, task);
    });
    updateButtons();
}

void Sims2PackInstallDialog::setInstallFolder(const QString& folder)
{
    mFolder = folder;
    planAgain();
    showSummary();
}

void Sims2PackInstallDialog::chooseFolder()
{
    const QString start = !mFolder.isEmpty() ? mFolder : mRequest.downloads;
    const QString chosen = frmSelectPath::choose(this, tr("Install the objects into:"), start);
    if (!chosen.isEmpty())
        setInstallFolder(chosen);
}

void Sims2PackInstallDialog::install()
{
    if (!canInstall())
        return;
    if (refuseWhileGameRuns(this))
        return;
    QStringList taken;
    for (const Entry& entry : mEntries)
        if (entry.plan && !entry.plan->taken.empty())
            taken.append(Sims2PackInstallWork::line(entry.path, phraseText(takenPhrase(*entry.file, *entry.plan))));
    bool rename = mRename->isChecked();
    if (!taken.isEmpty()) {
        const MessageBox::Button answer = MessageBox::show(this, QMessageBox::Question, tr("Names Taken"),
            tr("%1\n\nInstall these objects under numbered names, such as \"name (2).package\"? Skipping installs "
               "the other Sims2Pack files only.")
                .arg(listed(taken, 10)),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel,
            { { QMessageBox::Yes, tr("Install &Renamed") }, { QMessageBox::No, tr("&Skip Those Files") } });
        if (answer == QMessageBox::Cancel)
            return;
        rename = answer == QMessageBox::Yes;
    }
    startInstall(rename);
}

void Sims2PackInstallDialog::startInstall(bool rename)
{
    mInstalling = true;
    mStatus->setText(tr("Installing..."));
    mProgress->setRange(0, static_cast<int>(mEntries.size()));
    mProgress->setValue(0);
    const std::vector<Entry> entries = mEntries;
    const std::shared_ptr<const LibraryGuids> library = mLibrary;
    const Sims2PackTarget target = installTarget();
    auto outcome = std::make_shared<Outcome>();
    mTask->setEndHandler([this, outcome](const TaskEnd& end) {
        outcome->cancelled = outcome->cancelled || end.cancelled;
        if (end.failure) {
            try {
                std::rethrow_exception(end.failure);
            } catch (const std::exception& failure) {
                outcome->refused.append(failureText(failure));
            }
        }
        finishInstall(*outcome);
    });
    mTask->start([entries, library, target, rename, outcome](const TaskContext& task) {
        *outcome = Sims2PackInstallWork::install(entries, library.get(), target, rename, task);
    });
    updateButtons();
}

void Sims2PackInstallDialog::finishInstall(const Outcome& outcome)
{
    mInstalling = false;
    mOutcome = outcome;
    mOutcome.folders.removeDuplicates();
    QStringList lines;
    if (outcome.installed > 0)
        lines.append(
            tr("Installed %n object(s):\n%1", nullptr, outcome.installed).arg(listed(outcome.installedFiles, 12)));
    else
        lines.append(tr("Nothing new was installed."));
    if (outcome.skipped > 0)
        lines.append(tr("%n object(s) already installed: skipped.", nullptr, outcome.skipped));
    if (outcome.throughGame > 0)
        lines.append(
            tr("%n item(s) (lots, families or Sims) to install through the game.", nullptr, outcome.throughGame));
    if (!outcome.refused.isEmpty())
        lines.append(tr("Refused, nothing of them written:\n%1").arg(listed(outcome.refused, 12)));
    if (outcome.cancelled)
        lines.append(tr("Stopped: the files after the last one installed were left as they were."));
    const QString folder = Sims2PackInstallWork::commonFolder(mOutcome.folders);
    const bool trouble = !outcome.refused.isEmpty() || outcome.cancelled;
    const MessageBox::Buttons buttons
        = folder.isEmpty() ? MessageBox::Buttons(QMessageBox::Ok) : (QMessageBox::Ok | QMessageBox::Open);
    const MessageBox::Button answer = MessageBox::show(this, trouble ? QMessageBox::Warning : QMessageBox::Information,
        tr("Install Sims2Pack"), lines.join(QStringLiteral("\n\n")), buttons, QMessageBox::Ok,
        { { QMessageBox::Open, tr("Show in &Folder") } });
    if (answer == QMessageBox::Open) {
        const bool opened = OpenFolderSeam::testing() ? OpenFolderSeam::answer(folder)
                                                      : QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        // Without a file manager the button must not look as if it did nothing.
        if (!opened)
            MessageBox::exclamation(this, tr("Install Sims2Pack"),
                tr("No file manager could be started. The objects are in:\n%1").arg(folder));
    }
    updateButtons();
    emit installed();
    accept();
}

void Sims2PackInstallDialog::reject()
{
    if (mInstalling) {
        // What is written stays written; the files after it are left alone.
        mTask->cancel();
        mStatus->setText(tr("Stopping after the file being installed..."));
        return;
    }
    mTask->cancel();
    QDialog::reject();
}

void Sims2PackInstallDialog::showProgress(std::int64_t done, std::int64_t total)
{
    // Totals of the library scan can pass what a progress bar counts; it shows a share.
    const std::int64_t scale = std::max<std::int64_t>(1, total / 100000 + 1);
    mProgress->setRange(0, static_cast<int>(total / scale));
    mProgress->setValue(static_cast<int>(done / scale));
}

Sims2PackTarget Sims2PackInstallDialog::installTarget() const
{
    return { text::toPath(mRequest.downloads), text::toPath(mFolder) };
}

void Sims2PackInstallDialog::fillList()
{
    mList->fill(mEntries, mRequest.downloads, mRename->isChecked());
    showSummary();
}

void Sims2PackInstallDialog::showSummary()
{
    mFolderLabel->setText(mFolder.isEmpty()
            ? tr("Objects go into Downloads, each Sims2Pack file's into a folder named after it.")
            : tr("Objects go into %1").arg(QDir::toNativeSeparators(mFolder)));
    if (busy())
        return;
    int toInstall = 0, installedAlready = 0, throughGame = 0, clashes = 0, refused = 0, taken = 0;
    for (const Entry& entry : mEntries) {
        if (!entry.plan) {
            refused += entry.file ? (entry.planFailure.isEmpty() ? 0 : 1) : 1;
            continue;
        }
        for (const PlannedItem& item : entry.plan->items) {
            toInstall += item.action == ItemAction::Install;
            installedAlready += item.action == ItemAction::AlreadyInstalled;
            throughGame += item.action == ItemAction::ThroughGame;
        }
        clashes += static_cast<int>(entry.plan->warnings.size());
        taken += static_cast<int>(entry.plan->taken.size());
    }
    QStringList parts;
    parts.append(tr("%n object(s) to install", nullptr, toInstall));
    if (installedAlready > 0)
        parts.append(tr("%n object(s) installed already", nullptr, installedAlready));
    if (throughGame > 0)
        parts.append(tr("%n item(s) to install through the game", nullptr, throughGame));
    if (clashes > 0)
        parts.append(tr("%n GUID clash(es)", nullptr, clashes));
    if (taken > 0)
        parts.append(tr("%n name(s) taken", nullptr, taken));
    if (refused > 0)
        parts.append(tr("%n file(s) that cannot be installed", nullptr, refused));
    QString summary = parts.join(QStringLiteral(", ")) + QLatin1Char('.');
    if (!mLibraryNote.isEmpty())
        summary += QLatin1Char(' ') + mLibraryNote;
    mStatus->setText(summary);
}

void Sims2PackInstallDialog::updateButtons()
{
    const bool working = busy();
    mProgress->setVisible(working);
    if (!working)
        mProgress->setRange(0, 1);
    mInstall->setEnabled(canInstall());
    mChooseFolder->setEnabled(!working && !mEntries.empty());
    const bool anyTaken = std::any_of(
        mEntries.begin(), mEntries.end(), [](const Entry& entry) { return entry.plan && !entry.plan->taken.empty(); });
    mRename->setVisible(anyTaken || mRename->isChecked());
    mRename->setEnabled(!working);
    // Install writes new files only (a plan never replaces one), so it may be
    // what Return presses once there is something to install.
    settleDefaultButton(this, canInstall() ? mInstall : mCancel);
    if (!working)
        showSummary();
}

} // namespace varnick
