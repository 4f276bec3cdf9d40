#include "app/health/frmLibraryHealth.h"

#include "app/health/frmKnownClashes.h"
#include "app/health/index/LibraryIndex.h"
#include "app/health/index/LibraryScan.h"
#include "app/platform/Words.h"
#include "app/platform/qt/BackgroundTask.h"
#include "app/platform/qt/DialogButtons.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/sims2pack/Sims2PackInstallDialog.h"
#include "app/startup/GamePaths.h"
#include "app/startup/GameRunningGuard.h"
#include "package/base/ErrorTrap.h"
#include "package/base/WholeFile.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace varnick {

namespace {

// The file first: it is what the player looks for and acts on.
enum Column { FileColumn, ProblemColumn, DetailColumn };
constexpr int kGuidRole = Qt::UserRole + 1; // the clash's GUID on clash rows
constexpr int kPathRole = Qt::UserRole + 2; // the file's full path (the column shows it below the root)
constexpr int kSims2PackRole = Qt::UserRole + 3; // set on the rows of Sims2Pack files

std::filesystem::path gameFolder()
{
    if (gstrSims2InstallPath.empty() || gstrSims2InstallPath == gstrPathNotFound)
        return {};
    return pathFromUtf8(gstrSims2InstallPath);
}

} // namespace

LibraryHealthEvents& LibraryHealthEvents::instance()
{
    static LibraryHealthEvents events;
    return events;
}

void frmLibraryHealth::run(QWidget* owner, const QString& root)
{
    if (Seam::testing()) {
        Seam::answer({ root });
        return;
    }
    frmLibraryHealth window(root, owner);
    connect(&window, &frmLibraryHealth::editRequested, &LibraryHealthEvents::instance(),
        &LibraryHealthEvents::editRequested);
    connect(&window, &frmLibraryHealth::sims2PacksInstalled, &LibraryHealthEvents::instance(),
        &LibraryHealthEvents::sims2PacksInstalled);
    window.startScan();
    window.exec();
}

frmLibraryHealth::frmLibraryHealth(const QString& root, QWidget* parent)
    : QDialog(parent)
    , mRoot(root)
    , mScanTask(new BackgroundTask(this))
{
    setObjectName(QStringLiteral("frmLibraryHealth"));
    setWindowTitle(tr("Library Health"));
    resize(900, 520);
    mStatus = new QLabel(this);
    mStatus->setObjectName(QStringLiteral("lblStatus"));
    mProgress = new QProgressBar(this);
    mProgress->setObjectName(QStringLiteral("prgScan"));
    mScan = new QPushButton(tr("&Scan Again"), this);
    mScan->setObjectName(QStringLiteral("cmdScan"));
    mCancelButton = new QPushButton(tr("&Cancel"), this);
    mCancelButton->setObjectName(QStringLiteral("cmdCancel"));
    mList = new QTreeWidget(this);
    mList->setObjectName(QStringLiteral("tvProblems"));
    mList->setHeaderLabels({ tr("File"), tr("Problem"), tr("Detail") });
    mList->setRootIsDecorated(false);
    mList->setAccessibleName(tr("Problems found"));
    mList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    mList->header()->setSectionResizeMode(FileColumn, QHeaderView::Stretch);
    // The problem's name is short in every language; it is never cut off.
    mList->header()->setSectionResizeMode(ProblemColumn, QHeaderView::ResizeToContents);
    auto button = [this](const QString& text, const QString& name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    mShow = button(tr("Show in &Folder"), QStringLiteral("cmdShow"));
    mQuarantine = button(tr("Move to &Quarantine"), QStringLiteral("cmdQuarantine"));
    mUndo = button(tr("&Undo Move"), QStringLiteral("cmdUndo"));
    mEdit = button(tr("&Edit Object"), QStringLiteral("cmdEdit"));
    mKnown = button(tr("Mark Clash &Known"), QStringLiteral("cmdKnown"));
    mKnownList = button(tr("K&nown Clashes..."), QStringLiteral("cmdKnownList"));
    mInstall = button(tr("&Install..."), QStringLiteral("cmdInstall"));
    mInstall->setToolTip(tr("Install the objects of the selected Sims2Pack files into Downloads"));
    mExport = button(tr("E&xport CSV..."), QStringLiteral("cmdExport"));
    auto* close = button(tr("C&lose"), QStringLiteral("cmdClose"));

    auto* top = new QHBoxLayout;
    top->addWidget(mProgress, 1);
    top->addWidget(mScan);
    top->addWidget(mCancelButton);
    auto* actions = new QHBoxLayout;
    for (QPushButton* b : { mShow, mQuarantine, mUndo, mEdit, mKnown, mKnownList, mInstall, mExport })
        actions->addWidget(b);
    actions->addStretch(1);
    actions->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mStatus);
    layout->addWidget(mList, 1);
    layout->addLayout(actions);

    connect(mScan, &QPushButton::clicked, this, &frmLibraryHealth::startScan);
    connect(mCancelButton, &QPushButton::clicked, this, &frmLibraryHealth::cmdCancel_Click);
    connect(mShow, &QPushButton::clicked, this, &frmLibraryHealth::cmdShow_Click);
    connect(mQuarantine, &QPushButton::clicked, this, &frmLibraryHealth::cmdQuarantine_Click);
    connect(mUndo, &QPushButton::clicked, this, &frmLibraryHealth::cmdUndo_Click);
    connect(mEdit, &QPushButton::clicked, this, &frmLibraryHealth::cmdEdit_Click);
    connect(mKnown, &QPushButton::clicked, this, &frmLibraryHealth::cmdKnown_Click);
    connect(mKnownList, &QPushButton::clicked, this, &frmLibraryHealth::cmdKnownList_Click);
    connect(mInstall, &QPushButton::clicked, this, &frmLibraryHealth::cmdInstall_Click);
    connect(mExport, &QPushButton::clicked, this, &frmLibraryHealth::cmdExport_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(mList, &QTreeWidget::itemSelectionChanged, this, &frmLibraryHealth::updateButtons);
    // Return on the list does nothing hasty: no button moves files by default.
    settleDefaultButton(this, nullptr);
    // Tab: the scan's buttons, the list, the actions from left to right, Close.
    QWidget* const order[] = { mScan, mCancelButton, mList, mShow, mQuarantine, mUndo, mEdit, mKnown, mKnownList,
        mInstall, mExport, close };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    mList->setFocus();
    updateButtons();
}

QString frmLibraryHealth::shownPath(const QString& root, const std::string& file)
{
    const std::filesystem::path below = text::toPath(text::fromUtf8(file)).lexically_relative(text::toPath(root));
    const bool inside = !below.empty() && *below.begin() != "..";
    return inside ? text::fromPath(below) : text::fromUtf8(file);
}

frmLibraryHealth::~frmLibraryHealth() = default;

bool frmLibraryHealth::isScanning() const noexcept
{
    return mScanTask->running();
}

void frmLibraryHealth::startScan()
{
    if (mScanTask->running())
        return;
    mProgress->setValue(0);
    mStatus->setText(tr("Scanning..."));
    const std::filesystem::path root = text::toPath(mRoot);
    const std::filesystem::path game = gameFolder();
    auto report = std::make_shared<health::HealthReport>();
    auto knownFound = std::make_shared<std::vector<health::GuidClash>>();
    auto cancelled = std::make_shared<bool>(false);
    mScanTask->setProgressHandler([this](std::int64_t done, std::int64_t total) {
        showProgress(static_cast<qulonglong>(done), static_cast<qulonglong>(total));
    });
    mScanTask->setEndHandler([this, report, knownFound, cancelled](const TaskEnd& end) {
        QString failure;
        if (end.failure) {
            try {
                std::rethrow_exception(end.failure);
            } catch (const std::exception& error) {
                failure = failureText(error);
            }
        } else if (*cancelled || end.cancelled) {
            failure = tr("The scan was cancelled.");
        }
        mReport = std::move(*report);
        mKnownFound = std::move(*knownFound);
        finishScan(failure);
    });
    mScanTask->start([root, game, report, knownFound, cancelled](const TaskContext& task) {
        health::LibraryIndex index(health::defaultIndexFile(root));
        health::ScanOptions options;
        options.root = root;
        options.gameFolder = game;
        options.cancel = &task.cancelFlag();
        options.progress = [&task](std::size_t done, std::size_t total) {
            task.progress(static_cast<std::int64_t>(done), static_cast<std::int64_t>(total));
        };
        const health::ScanResult scan = health::scanLibrary(index, options);
        if (scan.cancelled) {
            *cancelled = true;
            return;
        }
        // The known clashes are kept apart rather than dropped, so that their list can show their packages.
        const std::set<std::uint32_t> known = health::KnownClashes(health::defaultKnownClashesFile()).guids();
        *report = health::analyseLibrary(root, scan.records, scan.gameGuids, {}, scan.sims2Packs);
        std::vector<health::GuidClash> open;
        for (health::GuidClash& clash : report->clashes)
            (known.contains(clash.guid) ? *knownFound : open).push_back(std::move(clash));
        report->clashes = std::move(open);
    });
    updateButtons();
}

void frmLibraryHealth::showProgress(qulonglong done, qulonglong total)
{
    mProgress->setMaximum(static_cast<int>(total));
    mProgress->setValue(static_cast<int>(done));
}

void frmLibraryHealth::finishScan(const QString& failure)
{
    fillList();
    if (!failure.isEmpty())
        mStatus->setText(failure);
    updateButtons();
    emit scanFinished();
}

void frmLibraryHealth::fillList()
{
    mList->clear();
    auto add = [this](const QString& problem, const std::string& file, const QString& detail) {
        auto* item = new QTreeWidgetItem(mList);
        item->setText(FileColumn, shownPath(mRoot, file));
        item->setToolTip(FileColumn, text::fromUtf8(file));
        item->setData(FileColumn, kPathRole, text::fromUtf8(file));
        item->setText(ProblemColumn, problem);
        item->setText(DetailColumn, detail);
        item->setToolTip(DetailColumn, detail);
        return item;
    };
    // The reason in the player's words; the reader's own (offsets and sizes) in the tool tip, in the player's
    // language where the index kept how it was worded (the exported list keeps the English for help forums).
    for (const auto& row : mReport.broken) {
        const std::string english = toValidUtf8(row.reason);
        const std::string plain = plainReadFailure(english);
        const QString reason = row.phrase ? phraseText(*row.phrase) : text::fromUtf8(english);
        // A reason that is already the player's words comes back from plainReadFailure as it is.
        add(tr("Cannot be read"), row.file, plain == english ? reason : text::translated("Words", plain))
            ->setToolTip(DetailColumn, reason);
    }
    for (const auto& row : mReport.orphans)
        add(tr("Orphan recolor"), row.file,
            tr("objectGUID %1 matches no object").arg(text::fromUtf8(health::guidText(row.guid))));
    for (const auto& clash : mReport.clashes)
        for (const std::string& file : clash.files)
            add(tr("GUID clash"), file,
                (clash.gameObject ? tr("GUID %1 is defined by %2 packages and the game")
                                  : tr("GUID %1 is defined by %2 packages"))
                    .arg(text::fromUtf8(health::guidText(clash.guid)))
                    .arg(clash.files.size()))
                ->setData(ProblemColumn, kGuidRole, static_cast<qulonglong>(clash.guid));
    for (const auto& set : mReport.duplicates)
        for (const std::string& file : set.files)
            add(tr("Duplicate"), file, tr("%1 identical files of %2 bytes").arg(set.files.size()).arg(set.size));
    for (const auto& row : mReport.sims2Packs)
        add(tr("Sims2Pack file"), row.file, tr("The game does not read Sims2Pack files; install them."))
            ->setData(ProblemColumn, kSims2PackRole, true);
    // A current row, so that the focus frame shows where the keyboard is.
    if (mList->topLevelItemCount() > 0)
        mList->setCurrentItem(mList->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    showSummary();
}

void frmLibraryHealth::showSummary()
{
    // Counted from the rows still listed, so that the line follows every action.
    std::size_t broken = 0, orphans = 0, clashRows = 0, duplicateRows = 0, sims2Packs = 0;
    for (int row = 0; row < mList->topLevelItemCount(); ++row) {
        const QString problem = mList->topLevelItem(row)->text(ProblemColumn);
        broken += problem == tr("Cannot be read");
        orphans += problem == tr("Orphan recolor");
        clashRows += problem == tr("GUID clash");
        duplicateRows += problem == tr("Duplicate");
        sims2Packs += mList->topLevelItem(row)->data(ProblemColumn, kSims2PackRole).isValid();
    }
    QString summary = tr("%1 unreadable, %2, %3 in GUID clashes, %4 duplicated")
                          .arg(tr("%n file(s)", nullptr, static_cast<int>(broken)),
                              tr("%n orphan recolor(s)", nullptr, static_cast<int>(orphans)),
                              tr("%n file(s)", nullptr, static_cast<int>(clashRows)),
                              tr("%n file(s)", nullptr, static_cast<int>(duplicateRows)));
    if (sims2Packs > 0)
        summary += tr(", %n Sims2Pack file(s) to install", nullptr, static_cast<int>(sims2Packs));
    if (!mNote.isEmpty())
        summary += QStringLiteral(". ") + mNote;
    mStatus->setText(summary);
}

QStringList frmLibraryHealth::selectedFiles() const
{
    QStringList files;
    for (const QTreeWidgetItem* item : mList->selectedItems())
        if (!files.contains(item->data(FileColumn, kPathRole).toString()))
            files.append(item->data(FileColumn, kPathRole).toString());
    return files;
}

void frmLibraryHealth::updateButtons()
{
    const bool scanning = isScanning();
    const bool any = !scanning && !mList->selectedItems().isEmpty();
    mScan->setEnabled(!scanning);
    mCancelButton->setEnabled(scanning);
    mShow->setEnabled(any);
    mQuarantine->setEnabled(any);
    bool sims2Pack = false;
    for (const QTreeWidgetItem* item : mList->selectedItems())
        sims2Pack = sims2Pack || item->data(ProblemColumn, kSims2PackRole).isValid();
    // A Sims2Pack file is no package: the editor cannot open it.
    mEdit->setEnabled(any && mList->selectedItems().size() == 1 && !sims2Pack);
    mInstall->setEnabled(!scanning && sims2Pack);
    mUndo->setEnabled(!scanning && !mMoves.empty());
    bool clash = false;
    for (const QTreeWidgetItem* item : mList->selectedItems())
        clash = clash || item->data(ProblemColumn, kGuidRole).isValid();
    mKnown->setEnabled(!scanning && clash);
    mKnownList->setEnabled(!scanning);
    mExport->setEnabled(!scanning);
}

void frmLibraryHealth::cmdCancel_Click()
{
    mScanTask->cancel();
}

void frmLibraryHealth::cmdShow_Click()
{
    QStringList unopened;
    for (const QString& file : selectedFiles()) {
        const QString folder = text::fromPath(text::toPath(file).parent_path());
        if (!(OpenFolderSeam::testing() ? OpenFolderSeam::answer(folder)
                                        : QDesktopServices::openUrl(QUrl::fromLocalFile(folder))))
            unopened.append(folder);
    }
    // Without a file manager the click must not look as if it did nothing.
    if (!unopened.isEmpty())
        MessageBox::exclamation(this, tr("Library Health"),
            tr("No file manager could be started. The files are in:\n") + unopened.join(QLatin1Char('\n')));
}

void frmLibraryHealth::cmdQuarantine_Click()
{
    if (refuseWhileGameRuns(this))
        return;
    std::vector<std::filesystem::path> files;
    for (const QString& file : selectedFiles())
        files.push_back(text::toPath(file));
    if (files.empty())
        return;
    const std::filesystem::path quarantine = health::defaultQuarantineFolder();
    if (MessageBox::question(this, tr("Move to Quarantine"),
            tr("Move %n file(s) out of the game's reach, to:\n%1\n\nThey keep their folders there and \"Undo "
               "Move\" brings them back.",
                nullptr, static_cast<int>(files.size()))
                .arg(text::fromPath(quarantine)))
        != QMessageBox::Yes)
        return;
    const health::QuarantineResult result = health::quarantineFiles(files, text::toPath(mRoot), quarantine);
    mMoves.insert(mMoves.end(), result.moved.begin(), result.moved.end());
    // Only the rows of the files that moved go; a file that stayed keeps its rows.
    for (int row = mList->topLevelItemCount() - 1; row >= 0; --row) {
        const std::filesystem::path file
            = text::toPath(mList->topLevelItem(row)->data(FileColumn, kPathRole).toString());
        if (std::any_of(result.moved.begin(), result.moved.end(),
                [&](const health::QuarantineMove& move) { return move.original == file; }))
            delete mList->takeTopLevelItem(row);
    }
    QStringList failed;
    for (const health::QuarantineFailure& failure : result.failed)
        failed.append(text::fromPath(failure.file) + QStringLiteral(": ") + phraseText(failure.phrase));
    showSummary();
    if (!failed.isEmpty())
        MessageBox::exclamation(
            this, tr("Library Health"), tr("These files could not be moved:\n") + failed.join(QLatin1Char('\n')));
    else
        MessageBox::show(this, QMessageBox::Information, tr("Library Health"),
            tr("Moved %n file(s) to:\n%1", nullptr, static_cast<int>(result.moved.size()))
                .arg(text::fromPath(quarantine)));
    updateButtons();
}

void frmLibraryHealth::cmdUndo_Click()
{
    if (refuseWhileGameRuns(this))
        return;
    if (mMoves.empty())
        return;
    try {
        health::undoQuarantine(mMoves.back());
        mMoves.pop_back();
        startScan();
    } catch (const Failure& failure) {
        MessageBox::exclamation(this, tr("Library Health"), failureText(failure));
    }
    updateButtons();
}

void frmLibraryHealth::cmdEdit_Click()
{
    const QStringList files = selectedFiles();
    if (files.size() == 1)
        emit editRequested(files.front());
}

void frmLibraryHealth::cmdKnown_Click()
{
    try {
        health::KnownClashes known(health::defaultKnownClashesFile());
        std::set<std::uint32_t> marked;
        for (const QTreeWidgetItem* item : mList->selectedItems()) {
            const QVariant guid = item->data(ProblemColumn, kGuidRole);
            if (guid.isValid())
                marked.insert(static_cast<std::uint32_t>(guid.toULongLong()));
        }
        for (std::uint32_t guid : marked)
            known.setKnown(guid, true);
        // Said where the mark can be taken back, as the rows leave the list.
        mNote = tr("Marked %n clash(es) as known; \"Known Clashes...\" lists them and takes a mark back.", nullptr,
            static_cast<int>(marked.size()));
        startScan();
    } catch (const Failure& failure) {
        MessageBox::exclamation(this, tr("Library Health"), failureText(failure));
    }
}

void frmLibraryHealth::cmdKnownList_Click()
{
    mNote.clear();
    auto* window = new frmKnownClashes(health::defaultKnownClashesFile(), mKnownFound, mRoot, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // A mark taken back brings its clash into the list again.
    connect(window, &QDialog::finished, this, [this, window] {
        if (window->changed())
            startScan();
    });
    window->open();
}

void frmLibraryHealth::cmdInstall_Click()
{
    QStringList files;
    for (const QTreeWidgetItem* item : mList->selectedItems())
        if (item->data(ProblemColumn, kSims2PackRole).isValid())
            files.append(item->data(FileColumn, kPathRole).toString());
    if (files.isEmpty())
        return;
    // The installed objects are new packages of the library: the review is read again.
    if (Sims2PackInstallDialog::run(this, files)) {
        emit sims2PacksInstalled();
        startScan();
    }
}

void frmLibraryHealth::cmdExport_Click()
{
    const QString file
        = QFileDialog::getSaveFileName(this, tr("Export CSV"), QStringLiteral("library-health.csv"), tr("CSV (*.csv)"));
    if (file.isEmpty())
        return;
    try {
        writeWholeFile(text::toPath(file), health::healthCsv(mReport));
    } catch (const Failure& failure) {
        MessageBox::exclamation(this, tr("Library Health"), failureText(failure));
    }
}

} // namespace varnick
