#include "app/sims2pack/Sims2PackInstallDialog.h"

#include "app/sims2pack/Sims2PackInstallWork.h"

#include "app/browser/BrowserPictures.h"
#include "app/browser/frmSelectPath.h"
#include "app/health/core/HealthReport.h"
#include "app/platform/Words.h"
#include "app/platform/qt/BackgroundTask.h"
#include "app/platform/qt/DialogButtons.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/startup/GamePaths.h"
#include "app/startup/GameRunningGuard.h"
#include "package/Sims2Pack.h"
#include "package/base/ErrorTrap.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <new>
#include <optional>
#include <set>
#include <system_error>

namespace varnick {

namespace fs = std::filesystem;
using namespace sims2pack;

namespace {

enum Column { ObjectColumn, TypeColumn, SizeColumn, TargetColumn, WarningColumn };
constexpr int kPictureSize = Sims2PackInstallWork::kPictureSize;

QString fileNameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

QString oneLine(const QString& path, const std::string& message)
{
    return Sims2PackInstallWork::line(path, message);
}

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
    mList = new QTreeWidget(this);
    mList->setObjectName(QStringLiteral("tvItems"));
    mList->setAccessibleName(tr("Objects in the files"));
    mList->setHeaderLabels({ tr("Object"), tr("Type"), tr("Size"), tr("Installs As"), tr("Warnings") });
    mList->setIconSize(QSize(kPictureSize, kPictureSize));
    mList->setSelectionMode(QAbstractItemView::SingleSelection);
    mList->setAllColumnsShowFocus(true);
    mList->setWordWrap(true);
    mList->header()->setStretchLastSection(true);
    mList->setColumnWidth(ObjectColumn, 230);
    mList->setColumnWidth(TypeColumn, 60);
    mList->setColumnWidth(SizeColumn, 65);
    mList->setColumnWidth(TargetColumn, 250);
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
    mStatus->setText(
        tr("Reading %1...")
            .arg(text::fromUtf8(countOf(static_cast<std::size_t>(mRequest.files.size()), "Sims2Pack file"))));
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
                mStatus->setText(text::fromUtf8(toValidUtf8(failure.what())));
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
            taken.append(oneLine(entry.path, takenMessage(*entry.file, *entry.plan)));
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
                outcome->refused.append(text::fromUtf8(toValidUtf8(failure.what())));
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
        lines.append(tr("Installed %1:\n%2")
                         .arg(text::fromUtf8(countOf(static_cast<std::size_t>(outcome.installed), "object")),
                             listed(outcome.installedFiles, 12)));
    else
        lines.append(tr("Nothing new was installed."));
    if (outcome.skipped > 0)
        lines.append(tr("%1 already installed: skipped.")
                         .arg(text::fromUtf8(countOf(static_cast<std::size_t>(outcome.skipped), "object"))));
    if (outcome.throughGame > 0)
        lines.append(tr("%1 (lots, families or Sims) to install through the game.")
                         .arg(text::fromUtf8(countOf(static_cast<std::size_t>(outcome.throughGame), "item"))));
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

QString Sims2PackInstallDialog::shownPath(const fs::path& path) const
{
    if (!mRequest.downloads.isEmpty()) {
        const fs::path below = path.lexically_relative(text::toPath(mRequest.downloads));
        if (!below.empty() && *below.begin() != "..")
            return QDir::toNativeSeparators(tr("Downloads") + QLatin1Char('/') + text::fromPath(below));
    }
    return QDir::toNativeSeparators(text::fromPath(path));
}

void Sims2PackInstallDialog::fillList()
{
    mList->clear();
    // Drawn at its own small size, not at the pictures' size the list sets for every column.
    const QIcon warning(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    const QImage missing = notFoundPicture(kPictureSize);
    const bool rename = mRename->isChecked();
    for (const Entry& entry : mEntries) {
        // The file's own line, across the columns: its name, then where its
        // objects go or why nothing of it can be installed.
        auto* top = new QTreeWidgetItem(mList);
        QFont bold = top->font(ObjectColumn);
        bold.setBold(true);
        top->setFont(ObjectColumn, bold);
        top->setFirstColumnSpanned(true);
        top->setToolTip(ObjectColumn, QDir::toNativeSeparators(entry.path));
        const InstallPlan* plan = entry.plan.get();
        QString problem = entry.file ? entry.planFailure : entry.readFailure;
        if (plan != nullptr && !plan->taken.empty())
            problem = oneLine(entry.path, takenMessage(*entry.file, *plan));
        if (!problem.isEmpty()) {
            top->setText(ObjectColumn, problem);
            top->setToolTip(ObjectColumn, problem + QLatin1Char('\n') + QDir::toNativeSeparators(entry.path));
            top->setIcon(ObjectColumn, warning);
        } else if (plan != nullptr) {
            top->setText(ObjectColumn,
                tr("%1: %2 into %3")
                    .arg(fileNameOf(entry.path), text::fromUtf8(countOf(entry.file->items().size(), "item")),
                        shownPath(plan->destination)));
        } else {
            top->setText(ObjectColumn, fileNameOf(entry.path));
        }
        if (!entry.file)
            continue;

        for (std::size_t i = 0; i < entry.listing.items.size(); ++i) {
            const ItemListing& listing = entry.listing.items[i];
            auto* row = new QTreeWidgetItem(top);
            const QString name = text::fromUtf8(toValidUtf8(listing.name));
            row->setText(ObjectColumn, listing.catalogName ? text::fromUtf8(toValidUtf8(*listing.catalogName)) : name);
            row->setToolTip(ObjectColumn,
                listing.guid ? tr("%1\nGlobal GUID %2").arg(name, text::fromUtf8(toValidUtf8(*listing.guid))) : name);
            const QImage& picture = i < entry.pictures.size() ? entry.pictures[i] : missing;
            row->setIcon(ObjectColumn, QIcon(QPixmap::fromImage(picture.isNull() ? missing : picture)));
            row->setText(TypeColumn, text::fromUtf8(toValidUtf8(effectiveType(entry.file->contents(), i))));
            const std::int64_t size = listing.packageLength.value_or(listing.length);
            row->setText(SizeColumn, QLocale().formattedDataSize(size, 1, QLocale::DataSizeTraditionalFormat));
            row->setToolTip(SizeColumn,
                listing.compressed ? tr("%1 bytes; %2 bytes compressed in the Sims2Pack")
                                         .arg(QLocale().toString(static_cast<qlonglong>(size)),
                                             QLocale().toString(static_cast<qlonglong>(listing.length)))
                                   : tr("%1 bytes").arg(QLocale().toString(static_cast<qlonglong>(size))));
            row->setTextAlignment(SizeColumn, Qt::AlignRight | Qt::AlignVCenter);

            QStringList warnings;
            if (!listing.reason.empty())
                warnings.append(text::fromUtf8(toValidUtf8(listing.reason)));
            if (listing.throughGame)
                warnings.append(tr("Install through the game"));
            const PlannedItem* planned = nullptr;
            if (plan != nullptr)
                for (const PlannedItem& item : plan->items)
                    if (item.item == i)
                        planned = &item;
            if (planned != nullptr) {
                const bool taken = std::find(plan->taken.begin(), plan->taken.end(), i) != plan->taken.end();
                switch (planned->action) {
                case ItemAction::Install:
                    // The folder is on the file's line.
                    row->setText(TargetColumn, text::fromPath(planned->target.filename()));
                    row->setToolTip(TargetColumn, QDir::toNativeSeparators(text::fromPath(planned->target)));
                    if (taken)
                        warnings.append(rename ? tr("Its name is taken: installs under a numbered name")
                                               : tr("Its name is taken by a different file"));
                    else if (planned->renamed)
                        warnings.append(tr("Its name is taken: installs as \"%1\"")
                                            .arg(text::fromPath(planned->target.filename())));
                    break;
                case ItemAction::AlreadyInstalled:
                    row->setText(TargetColumn, tr("Already installed"));
                    row->setToolTip(TargetColumn, QDir::toNativeSeparators(text::fromPath(planned->target)));
                    break;
                case ItemAction::ThroughGame:
                    row->setText(TargetColumn, tr("The game"));
                    row->setToolTip(TargetColumn,
                        tr("Lots, families and Sims are installed by the game's own installer, not copied into "
                           "Downloads"));
                    break;
                }
                QStringList owners;
                for (const GuidClashWarning& clash : plan->warnings) {
                    if (clash.item != i || clash.files.empty())
                        continue;
                    // One line per GUID: the first package by name, the others counted; all of them in the tool tip.
                    QString by = text::fromPath(pathFromUtf8(clash.files.front()).filename());
                    if (clash.files.size() > 1)
                        by = tr("%1 and %2").arg(by, text::fromUtf8(countOf(clash.files.size() - 1, "other package")));
                    warnings.append(
                        tr("GUID %1 is already defined by %2").arg(text::fromUtf8(health::guidText(clash.guid)), by));
                    for (const std::string& file : clash.files)
                        owners.append(QDir::toNativeSeparators(text::fromUtf8(toValidUtf8(file))));
                }
                if (!owners.isEmpty())
                    row->setToolTip(WarningColumn,
                        tr("The game may show only one of two objects that share a GUID.\n%1")
                            .arg(owners.join(QLatin1Char('\n'))));
            }
            if (!warnings.isEmpty()) {
                row->setText(WarningColumn, warnings.join(QLatin1Char('\n')));
                row->setIcon(WarningColumn, warning);
                if (row->toolTip(WarningColumn).isEmpty())
                    row->setToolTip(WarningColumn, warnings.join(QLatin1Char('\n')));
            }
        }
    }
    mList->expandAll();
    // A current row, so that the focus frame shows where the keyboard is.
    if (mList->topLevelItemCount() > 0)
        mList->setCurrentItem(mList->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    showSummary();
}

void Sims2PackInstallDialog::showSummary()
{
    mFolderLabel->setText(mFolder.isEmpty()
            ? tr("Objects go into Downloads, each Sims2Pack file's into a folder named after it.")
            : tr("Objects go into %1").arg(QDir::toNativeSeparators(mFolder)));
    if (busy())
        return;
    std::size_t toInstall = 0, installedAlready = 0, throughGame = 0, clashes = 0, refused = 0, taken = 0;
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
        clashes += entry.plan->warnings.size();
        taken += entry.plan->taken.size();
    }
    QStringList parts;
    parts.append(tr("%1 to install").arg(text::fromUtf8(countOf(toInstall, "object"))));
    if (installedAlready > 0)
        parts.append(tr("%1 installed already").arg(text::fromUtf8(countOf(installedAlready, "object"))));
    if (throughGame > 0)
        parts.append(tr("%1 to install through the game").arg(text::fromUtf8(countOf(throughGame, "item"))));
    if (clashes > 0)
        parts.append(tr("%1").arg(text::fromUtf8(countOf(clashes, "GUID clash", "GUID clashes"))));
    if (taken > 0)
        parts.append(tr("%1 taken").arg(text::fromUtf8(countOf(taken, "name"))));
    if (refused > 0)
        parts.append(tr("%1 that cannot be installed").arg(text::fromUtf8(countOf(refused, "file"))));
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
