#include "app/browser/ObjectTableView.h"

#include "app/browser/ObjectTableModel.h"
#include "app/editor/EditorControls.h"
#include "app/editor/SaveSettings.h"
#include "app/editor/core/NumericFields.h"
#include "app/editor/frmBatchEdit.h"
#include "app/platform/qt/BackgroundTask.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/WorkProgress.h"
#include "app/startup/GameRunningGuard.h"
#include "package/base/FileReplace.h"
#include "package/base/RawFile.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <map>
#include <system_error>

namespace varnick {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* created = new QPushButton(caption, parent);
    created->setObjectName(QLatin1String(name));
    return created;
}

// The cell editors take what the editor's boxes take: the price box's keys and length, 48 characters for Name.
class CellEditors : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (line == nullptr)
            return editor;
        if (index.column() == static_cast<int>(browser::ObjectColumn::Price)) {
            NumberBoxKeys::install(line, ObjectField::Price);
        } else {
            line->setMaxLength(static_cast<int>(kNameMaxCharacters));
        }
        return editor;
    }
};

} // namespace

ObjectTableView::ObjectTableView(QWidget* parent)
    : QWidget(parent)
    , mModel(new ObjectTableModel(this))
    , mFillTask(new BackgroundTask(this))
{
    mFillTask->setProgressHandler(
        [this](std::int64_t done, std::int64_t) { prgFill->setValue(static_cast<int>(done)); });
    mFillTask->setEndHandler([this](const TaskEnd&) { fillEnded(); });
    setObjectName(QStringLiteral("ObjectTableView"));
    txtFilter = new QLineEdit(this);
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    txtFilter->setPlaceholderText(QStringLiteral("Filter by name, file name or GUID"));
    txtFilter->setClearButtonEnabled(true);
    connect(txtFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QStringList names = selectedNames();
        const QSet<QString> selected(names.begin(), names.end());
        mModel->setFilterText(text);
        restoreSelection(selected);
        updateButtons();
    });

    tblObjects = new QTableView(this);
    tblObjects->setObjectName(QStringLiteral("tblObjects"));
    tblObjects->setModel(mModel);
    tblObjects->setItemDelegate(new CellEditors(tblObjects));
    tblObjects->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblObjects->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblObjects->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    tblObjects->setSortingEnabled(true);
    tblObjects->sortByColumn(static_cast<int>(browser::ObjectColumn::File), Qt::AscendingOrder);
    tblObjects->setIconSize(QSize(ObjectTableModel::kThumbnailSize, ObjectTableModel::kThumbnailSize));
    tblObjects->verticalHeader()->setDefaultSectionSize(ObjectTableModel::kThumbnailSize + 4);
    tblObjects->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblObjects->verticalHeader()->setVisible(false);
    tblObjects->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblObjects->setColumnWidth(
        static_cast<int>(browser::ObjectColumn::Thumbnail), ObjectTableModel::kThumbnailSize + 8);
    tblObjects->setColumnWidth(static_cast<int>(browser::ObjectColumn::Name), 180);
    tblObjects->setColumnWidth(static_cast<int>(browser::ObjectColumn::Price), 60);
    for (const browser::ObjectColumn wide : { browser::ObjectColumn::FunctionSub, browser::ObjectColumn::Rooms,
             browser::ObjectColumn::BuildSub, browser::ObjectColumn::Wants, browser::ObjectColumn::File })
        tblObjects->setColumnWidth(static_cast<int>(wide), 150);
    tblObjects->setWordWrap(false);
    mModel->setEditTargets([this](int) {
        QList<int> rows;
        for (const QModelIndex& index : tblObjects->selectionModel()->selectedRows())
            rows.append(index.row());
        return rows;
    });
    // The thumbnail column does not sort; its heading gives the indicator back to the sorted column.
    connect(tblObjects->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this](int section) {
        if (section == static_cast<int>(browser::ObjectColumn::Thumbnail))
            tblObjects->horizontalHeader()->setSortIndicator(
                static_cast<int>(mModel->sortColumn()), mModel->sortOrder());
    });
    connect(tblObjects->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateButtons(); });
    connect(mModel, &ObjectTableModel::pendingChanged, this, [this] { updateButtons(); });

    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    cmdEditSelected = button(this, "cmdEditSelected", QStringLiteral("Edit Selected..."));
    cmdSave = button(this, "cmdSave", QStringLiteral("Save Changes"));
    cmdDiscard = button(this, "cmdDiscard", QStringLiteral("Discard Changes"));
    cmdExport = button(this, "cmdExport", QStringLiteral("Export CSV..."));
    prgFill = new QProgressBar(this);
    prgFill->setObjectName(QStringLiteral("prgFill"));
    prgFill->setMaximumWidth(160);
    cmdCancel = button(this, "cmdCancel", QStringLiteral("Cancel"));
    connect(cmdEditSelected, &QPushButton::clicked, this, [this] { cmdEditSelected_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdDiscard, &QPushButton::clicked, this, [this] { cmdDiscard_Click(); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    tmrFlush = new QTimer(this);
    tmrFlush->setObjectName(QStringLiteral("tmrFlush"));
    // Rows read are shown a few times a second, so the table grows in batches without redrawing for each.
    tmrFlush->setInterval(150);
    connect(tmrFlush, &QTimer::timeout, this, [this] { flushRows(); });

    auto* top = new QHBoxLayout;
    top->addWidget(txtFilter, 1);
    top->addWidget(prgFill);
    top->addWidget(cmdCancel);
    auto* actions = new QHBoxLayout;
    actions->addWidget(lblCount, 1);
    actions->addWidget(cmdEditSelected);
    actions->addWidget(cmdSave);
    actions->addWidget(cmdDiscard);
    actions->addWidget(cmdExport);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tblObjects, 1);
    layout->addLayout(actions);
    prgFill->setVisible(false);
    cmdCancel->setVisible(false);
    updateButtons();
}

ObjectTableView::~ObjectTableView() = default;

void ObjectTableView::showFolder(const QString& folder, const QStringList& files)
{
    // A new scan of the same folder (an object saved, moved or deleted
    // elsewhere) reads the rows anew and keeps the pending changes of the
    // packages still there.
    if (folder == mFolder) {
        mFiles = files;
        mModel->retainFiles(files);
        reload();
        return;
    }
    offerPendingSave();
    mFolder = folder;
    mFiles = files;
    mKeepSelected.clear();
    mModel->setFolder(folder);
    startFilling();
}

void ObjectTableView::reload()
{
    const QStringList names = selectedNames();
    mKeepSelected = QSet<QString>(names.begin(), names.end());
    mModel->clearThumbnails();
    startFilling();
}

bool ObjectTableView::offerPendingSave()
{
    if (!mModel->hasPendingChanges())
        return false;
    const MessageBox::Button answer = MessageBox::question(this, QStringLiteral("Unsaved Changes"),
        QStringLiteral("The table holds changes of %1 objects that are not saved. Save them now?")
            .arg(mModel->pendingCount()),
        QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return false;
    return cmdSave_Click().count(BatchOutcome::Saved) > 0;
}

void ObjectTableView::startFilling()
{
    mIncoming.clear();
    mFilling = true;
    prgFill->setRange(0, static_cast<int>(std::max<qsizetype>(1, mFiles.size())));
    prgFill->setValue(0);
    prgFill->setVisible(true);
    cmdCancel->setVisible(true);
    updateButtons();
    const std::filesystem::path folder = text::toPath(mFolder);
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(mFiles.size()));
    for (const QString& file : std::as_const(mFiles))
        names.push_back(text::toUtf8(file));
    // A new start drops the rows an earlier reading still hands over.
    mFillTask->start([this, folder, names = std::move(names)](const TaskContext& task) {
        browser::readObjectRows(
            folder, names,
            [this, &task](browser::RowBatch batch) {
                task.progress(static_cast<std::int64_t>(batch.Done), static_cast<std::int64_t>(batch.Total));
                task.post([this, rows = std::move(batch.Rows)]() mutable {
                    std::move(rows.begin(), rows.end(), std::back_inserter(mIncoming));
                    // The first rows are shown at once; later ones with the timer.
                    if (!tmrFlush->isActive()) {
                        flushRows();
                        tmrFlush->start();
                    }
                });
            },
            &task.cancelFlag());
    });
}

void ObjectTableView::flushRows()
{
    if (mIncoming.empty())
        return;
    const int scrolled = tblObjects->verticalScrollBar()->value();
    // Rows are inserted: the selection and an open cell editor stay as they are.
    mModel->addRows(std::move(mIncoming));
    mIncoming.clear();
    if (!mKeepSelected.isEmpty()) {
        QSet<QString> selected = mKeepSelected;
        for (const QString& name : selectedNames())
            selected.insert(name);
        restoreSelection(selected);
    }
    tblObjects->verticalScrollBar()->setValue(scrolled);
    updateButtons();
}

void ObjectTableView::fillEnded()
{
    flushRows();
    tmrFlush->stop();
    mFilling = false;
    mKeepSelected.clear();
    prgFill->setVisible(false);
    cmdCancel->setVisible(false);
    updateButtons();
}

void ObjectTableView::cmdCancel_Click()
{
    mFillTask->cancel();
}

QStringList ObjectTableView::selectedNames() const
{
    QStringList names;
    for (const QModelIndex& index : tblObjects->selectionModel()->selectedRows())
        names.append(index.data(Qt::UserRole).toString());
    return names;
}

QStringList ObjectTableView::selectedFiles() const
{
    QList<int> rows;
    for (const QModelIndex& index : tblObjects->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QStringList files;
    for (const int row : rows)
        files.append(mModel->filePath(row));
    return files;
}

void ObjectTableView::restoreSelection(const QSet<QString>& names)
{
    if (names.isEmpty())
        return;
    QItemSelection selection;
    const int last = mModel->columnCount() - 1;
    for (int row = 0; row < mModel->rowCount(); ++row)
        if (names.contains(mModel->index(row, 0).data(Qt::UserRole).toString()))
            selection.select(mModel->index(row, 0), mModel->index(row, last));
    tblObjects->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void ObjectTableView::updateButtons()
{
    const bool selected = tblObjects->selectionModel()->hasSelection();
    cmdEditSelected->setEnabled(selected);
    cmdSave->setEnabled(mModel->hasPendingChanges());
    cmdDiscard->setEnabled(mModel->hasPendingChanges());
    cmdExport->setEnabled(mModel->rowCount() > 0);
    QString count = QStringLiteral("%1 of %2 objects").arg(mModel->rowCount()).arg(mModel->rowsRead());
    if (mModel->hasPendingChanges())
        count += QStringLiteral(", %1 changed (not saved)").arg(mModel->pendingCount());
    lblCount->setText(count);
}

void ObjectTableView::cmdEditSelected_Click()
{
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return;
    if (frmBatchEdit::edit(this, files)) {
        reload();
        emit saved();
    }
}

BatchSummary ObjectTableView::cmdSave_Click()
{
    if (refuseWhileGameRuns(this))
        return {};
    BatchSummary summary;
    const std::vector<ObjectTableModel::PendingBatch> batches = mModel->pendingBatches();
    if (batches.empty())
        return summary;
    // One save over every package, each with its own row's edits, so that
    // the packages are written several at a time.
    std::vector<std::filesystem::path> files;
    std::map<std::filesystem::path, const BatchChanges*> changesOf;
    for (const ObjectTableModel::PendingBatch& batch : batches)
        for (const std::filesystem::path& file : batch.Files) {
            files.push_back(file);
            changesOf[file] = &batch.Changes;
        }
    BatchChanges changes;
    changes.Custom = [&](const ObjectEditor& editor) { return changesOf.at(editor.fileName())->editsFor(editor); };
    runWithProgress(this, QStringLiteral("Saving objects..."), files.size(),
        [&](const BatchProgress& progress, const std::atomic<bool>* cancel) {
            // The editor's save keeps the previous version of each package (the program's backup store).
            BatchOptions options;
            options.Progress = progress;
            options.Cancel = cancel;
            options.Save = saveOptionsFromSettings();
            summary = applyToFiles(files, changes, options);
        });
    QStringList done;
    for (const BatchItem& item : summary.Items)
        if (item.Outcome == BatchOutcome::Saved || item.Outcome == BatchOutcome::Unchanged)
            done.append(text::fromPath(item.File.filename()));
    // What was written (or already held the values) is no longer pending; refused and unreached rows stay marked.
    if (!done.isEmpty())
        mModel->discardChanges(done);
    frmBatchEdit::showSummary(this, summary);
    reload();
    if (summary.count(BatchOutcome::Saved) > 0)
        emit saved();
    return summary;
}

void ObjectTableView::cmdDiscard_Click()
{
    mModel->discardChanges();
}

bool ObjectTableView::cmdExport_Click()
{
    const QString suggested = text::fromPath(text::toPath(mFolder) / "Objects.csv");
    const QString chosen = ExportSeam::testing() ? ExportSeam::answer(suggested)
                                                 : QFileDialog::getSaveFileName(this, QStringLiteral("Export CSV"),
                                                     suggested, QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (chosen.isEmpty())
        return false;
    const std::string csv = browser::objectTableCsv(mModel->shownRows());
    const std::filesystem::path target = text::toPath(chosen);
    const std::filesystem::path scratch = scratchPathBeside(target);
    try {
        {
            RawFile file(scratch, RawFile::Mode::CreateTruncate);
            file.writeAt(0, csv.data(), csv.size());
        }
        // Written beside the target first, so a failure leaves an earlier export as it was.
        replaceFileAtomically(scratch, target);
    } catch (const std::exception& failure) {
        std::error_code error;
        std::filesystem::remove(scratch, error);
        MessageBox::critical(this, QStringLiteral("Export Failed"),
            QStringLiteral("The table could not be written to %1: %2").arg(chosen, text::fromUtf8(failure.what())));
        return false;
    }
    return true;
}

} // namespace varnick
