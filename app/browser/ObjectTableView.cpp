#include "app/browser/ObjectTableView.h"

#include "app/backups/BackupSettings.h"
#include "app/browser/ObjectTableModel.h"
#include "app/editor/EditorControls.h"
#include "app/editor/SaveSettings.h"
#include "app/editor/core/ChangeWords.h"
#include "app/editor/core/NumericFields.h"
#include "app/editor/frmBatchEdit.h"
#include "app/platform/Words.h"
#include "app/platform/qt/BackgroundTask.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/platform/qt/WorkProgress.h"
#include "app/startup/GameRunningGuard.h"
#include "package/base/WholeFile.h"

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
    // A price the field cannot hold goes into the table as what a save writes, as in the editor.
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            NumberBoxKeys::settle(line);
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

} // namespace

ObjectTableView::ObjectTableView(QWidget* parent)
    : QWidget(parent)
    , mModel(new ObjectTableModel(this))
    , mFillTask(new BackgroundTask(this))
{
    mFillTask->setProgressHandler(
        [this](std::int64_t done, std::int64_t) { mFillProgress->setValue(static_cast<int>(done)); });
    mFillTask->setEndHandler([this](const TaskEnd&) { fillEnded(); });
    setObjectName(QStringLiteral("ObjectTableView"));
    mFilter = new QLineEdit(this);
    mFilter->setObjectName(QStringLiteral("filter"));
    mFilter->setPlaceholderText(tr("Filter by name, file name or GUID"));
    mFilter->setAccessibleName(tr("Filter"));
    mFilter->setAccessibleDescription(mFilter->placeholderText());
    mFilter->setClearButtonEnabled(true);
    connect(mFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QStringList names = selectedNames();
        const QSet<QString> selected(names.begin(), names.end());
        mModel->setFilterText(text);
        restoreSelection(selected);
        updateButtons();
    });

    mTable = new QTableView(this);
    mTable->setObjectName(QStringLiteral("objectTable"));
    mTable->setAccessibleName(tr("Objects"));
    mTable->setModel(mModel);
    mTable->setItemDelegate(new CellEditors(mTable));
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    mTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    mTable->setSortingEnabled(true);
    mTable->sortByColumn(static_cast<int>(browser::ObjectColumn::File), Qt::AscendingOrder);
    mTable->setIconSize(QSize(ObjectTableModel::kThumbnailSize, ObjectTableModel::kThumbnailSize));
    mTable->verticalHeader()->setDefaultSectionSize(ObjectTableModel::kThumbnailSize + 4);
    mTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mTable->verticalHeader()->setVisible(false);
    mTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    mTable->setColumnWidth(static_cast<int>(browser::ObjectColumn::Thumbnail), ObjectTableModel::kThumbnailSize + 8);
    mTable->setColumnWidth(static_cast<int>(browser::ObjectColumn::Name), 180);
    mTable->setColumnWidth(static_cast<int>(browser::ObjectColumn::Price), 60);
    for (const browser::ObjectColumn wide : { browser::ObjectColumn::FunctionSub, browser::ObjectColumn::Rooms,
             browser::ObjectColumn::BuildSub, browser::ObjectColumn::Wants, browser::ObjectColumn::File })
        mTable->setColumnWidth(static_cast<int>(wide), 150);
    mTable->setWordWrap(false);
    mModel->setEditTargets([this](int) {
        QList<int> rows;
        for (const QModelIndex& index : mTable->selectionModel()->selectedRows())
            rows.append(index.row());
        return rows;
    });
    // The thumbnail column does not sort; its heading gives the indicator back to the sorted column.
    connect(mTable->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this](int section) {
        if (section == static_cast<int>(browser::ObjectColumn::Thumbnail))
            mTable->horizontalHeader()->setSortIndicator(static_cast<int>(mModel->sortColumn()), mModel->sortOrder());
    });
    connect(mTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateButtons(); });
    connect(mModel, &ObjectTableModel::pendingChanged, this, [this] { updateButtons(); });

    mCount = new QLabel(this);
    mCount->setObjectName(QStringLiteral("objectCount"));
    mEditSelected = button(this, "editSelected", tr("Edit Selected..."));
    mSave = button(this, "saveEdits", tr("Save Changes"));
    mDiscard = button(this, "discardEdits", tr("Discard Changes"));
    mExport = button(this, "exportCsv", tr("Export CSV..."));
    mFillProgress = new QProgressBar(this);
    mFillProgress->setObjectName(QStringLiteral("fillProgress"));
    mFillProgress->setMaximumWidth(160);
    mCancel = button(this, "cancelFill", tr("Cancel"));
    connect(mEditSelected, &QPushButton::clicked, this, [this] { editSelected(); });
    connect(mSave, &QPushButton::clicked, this, [this] { saveEdits(); });
    connect(mDiscard, &QPushButton::clicked, this, [this] { discardEdits(); });
    connect(mExport, &QPushButton::clicked, this, [this] { exportCsv(); });
    connect(mCancel, &QPushButton::clicked, this, [this] { cancelFill(); });

    mFlushTimer = new QTimer(this);
    mFlushTimer->setObjectName(QStringLiteral("flushTimer"));
    // Rows read are shown a few times a second, so the table grows in batches without redrawing for each.
    mFlushTimer->setInterval(150);
    connect(mFlushTimer, &QTimer::timeout, this, [this] { flushRows(); });

    auto* top = new QHBoxLayout;
    top->addWidget(mFilter, 1);
    top->addWidget(mFillProgress);
    top->addWidget(mCancel);
    auto* actions = new QHBoxLayout;
    actions->addWidget(mCount, 1);
    actions->addWidget(mEditSelected);
    actions->addWidget(mSave);
    actions->addWidget(mDiscard);
    actions->addWidget(mExport);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mTable, 1);
    layout->addLayout(actions);
    mFillProgress->setVisible(false);
    mCancel->setVisible(false);
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
    // The main window asks before it changes folder; this only catches a caller that did not.
    if (mModel->hasPendingChanges())
        offerPendingSave(false);
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

QString ObjectTableView::pendingQuestion(const QString& ending) const
{
    const std::vector<ObjectTableModel::PendingBatch> batches = mModel->pendingBatches();
    std::size_t objects = 0;
    for (const ObjectTableModel::PendingBatch& batch : batches)
        objects += batch.files.size();
    if (batches.size() == 1 && ending.isEmpty())
        return text::fromUtf8(batchQuestion(batches.front().changes, objects, {}, translatedPhrases()));
    // One line per distinct change; a long list ends with how many more there are.
    constexpr std::size_t kLines = 10;
    QString question
        = tr("The table holds changes of %n object(s) that are not saved:", nullptr, static_cast<int>(objects));
    for (std::size_t i = 0; i < batches.size() && i < kLines; ++i)
        question += QStringLiteral("\n")
            + tr("%1 on %n object(s).", nullptr, static_cast<int>(batches[i].files.size()))
                  .arg(text::fromUtf8(describeChanges(batches[i].changes, {}, translatedPhrases())));
    if (batches.size() > kLines)
        question
            += QStringLiteral("\n") + tr("(and %n more change(s))", nullptr, static_cast<int>(batches.size() - kLines));
    return question + QStringLiteral("\n\n") + (ending.isEmpty() ? tr("Save them now?") : ending);
}

bool ObjectTableView::offerPendingSave(bool canStay)
{
    if (!mModel->hasPendingChanges())
        return true;
    // Staying where the player was is the default: nothing is written or dropped by a hasty Return.
    const MessageBox::Buttons buttons
        = QMessageBox::Save | QMessageBox::Discard | (canStay ? QMessageBox::Cancel : QMessageBox::NoButton);
    const MessageBox::Button answer = MessageBox::show(this, QMessageBox::Question, tr("Unsaved Changes"),
        pendingQuestion(tr("Save them now?")), buttons, canStay ? QMessageBox::Cancel : QMessageBox::Save);
    if (answer == QMessageBox::Discard) {
        discardEdits();
        return true;
    }
    if (answer != QMessageBox::Save)
        return !canStay;
    // The question named what will be written; it is not asked again.
    const BatchSummary summary = writePending();
    // A save cancelled midway keeps the rest pending, and the player where they were.
    return !(canStay && summary.cancelled);
}

void ObjectTableView::startFilling()
{
    mIncoming.clear();
    mFilling = true;
    mFillProgress->setRange(0, static_cast<int>(std::max<qsizetype>(1, mFiles.size())));
    mFillProgress->setValue(0);
    mFillProgress->setVisible(true);
    mCancel->setVisible(true);
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
                task.progress(static_cast<std::int64_t>(batch.done), static_cast<std::int64_t>(batch.total));
                task.post([this, rows = std::move(batch.rows)]() mutable {
                    std::move(rows.begin(), rows.end(), std::back_inserter(mIncoming));
                    // The first rows are shown at once; later ones with the timer.
                    if (!mFlushTimer->isActive()) {
                        flushRows();
                        mFlushTimer->start();
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
    const int scrolled = mTable->verticalScrollBar()->value();
    // Rows are inserted: the selection and an open cell editor stay as they are.
    mModel->addRows(std::move(mIncoming));
    mIncoming.clear();
    if (!mKeepSelected.isEmpty()) {
        QSet<QString> selected = mKeepSelected;
        for (const QString& name : selectedNames())
            selected.insert(name);
        restoreSelection(selected);
    }
    mTable->verticalScrollBar()->setValue(scrolled);
    updateButtons();
}

void ObjectTableView::fillEnded()
{
    flushRows();
    mFlushTimer->stop();
    mFilling = false;
    mKeepSelected.clear();
    mFillProgress->setVisible(false);
    mCancel->setVisible(false);
    updateButtons();
}

void ObjectTableView::cancelFill()
{
    mFillTask->cancel();
}

QStringList ObjectTableView::selectedNames() const
{
    QStringList names;
    for (const QModelIndex& index : mTable->selectionModel()->selectedRows())
        names.append(index.data(Qt::UserRole).toString());
    return names;
}

QStringList ObjectTableView::selectedFiles() const
{
    QList<int> rows;
    for (const QModelIndex& index : mTable->selectionModel()->selectedRows())
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
    mTable->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void ObjectTableView::updateButtons()
{
    const bool selected = mTable->selectionModel()->hasSelection();
    mEditSelected->setEnabled(selected);
    mSave->setEnabled(mModel->hasPendingChanges());
    mDiscard->setEnabled(mModel->hasPendingChanges());
    mExport->setEnabled(mModel->rowCount() > 0);
    QString count = tr("%1 of %n object(s)", nullptr, mModel->rowsRead()).arg(mModel->rowCount());
    if (mModel->hasPendingChanges())
        count = tr("%1, %2 changed (not saved)").arg(count).arg(mModel->pendingCount());
    mCount->setText(count);
}

void ObjectTableView::editSelected()
{
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return;
    if (frmBatchEdit::edit(this, files)) {
        reload();
        emit saved();
    }
}

BatchSummary ObjectTableView::saveEdits()
{
    if (!mModel->hasPendingChanges())
        return {};
    // A write to many packages is confirmed deliberately: Cancel is the default.
    if (MessageBox::show(this, QMessageBox::Question, tr("Confirm Save"), pendingQuestion(),
            QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel)
        != QMessageBox::Save) {
        BatchSummary declined;
        declined.cancelled = true;
        return declined;
    }
    return writePending();
}

BatchSummary ObjectTableView::writePending()
{
    BatchSummary summary;
    const std::vector<ObjectTableModel::PendingBatch> batches = mModel->pendingBatches();
    if (batches.empty())
        return summary;
    // One save over every package, each with its own row's edits, so that
    // the packages are written several at a time.
    std::vector<std::filesystem::path> files;
    std::map<std::filesystem::path, const BatchChanges*> changesOf;
    for (const ObjectTableModel::PendingBatch& batch : batches)
        for (const std::filesystem::path& file : batch.files) {
            files.push_back(file);
            changesOf[file] = &batch.changes;
        }
    BatchChanges changes;
    changes.custom = [&](const ObjectEditor& editor) { return changesOf.at(editor.fileName())->editsFor(editor); };
    // Each package's previous version goes to the program's backup store, as the editor's saves do.
    BackupStore backups = programBackups();
    runWithProgress(this, tr("Saving objects..."), files.size(),
        [&](const BatchProgress& progress, const std::atomic<bool>* cancel) {
            BatchOptions options;
            options.progress = progress;
            options.cancel = cancel;
            options.backups = &backups;
            options.save = saveOptionsFromSettings();
            summary = applyToFiles(files, changes, options);
        });
    QStringList done;
    for (const BatchItem& item : summary.items)
        if (item.outcome == BatchOutcome::Saved || item.outcome == BatchOutcome::Unchanged)
            done.append(text::fromPath(item.file.filename()));
    // What was written (or already held the values) is no longer pending; refused and unreached rows stay marked.
    if (!done.isEmpty())
        mModel->discardChanges(done);
    frmBatchEdit::showSummary(this, summary);
    reload();
    if (summary.count(BatchOutcome::Saved) > 0)
        emit saved();
    return summary;
}

void ObjectTableView::discardEdits()
{
    mModel->discardChanges();
}

bool ObjectTableView::exportCsv()
{
    const QString suggested = text::fromPath(text::toPath(mFolder) / "Objects.csv");
    const QString chosen = ExportSeam::testing()
        ? ExportSeam::answer(suggested)
        : QFileDialog::getSaveFileName(this, tr("Export CSV"), suggested, tr("CSV files (*.csv);;All files (*)"));
    if (chosen.isEmpty())
        return false;
    const std::string csv = browser::objectTableCsv(mModel->shownRows());
    try {
        // Written beside the target first, so a failure leaves an earlier export as it was.
        writeWholeFile(text::toPath(chosen), csv);
    } catch (const std::exception& failure) {
        MessageBox::critical(this, tr("Export Failed"),
            tr("The table could not be written to %1: %2").arg(chosen, failureText(failure)));
        return false;
    }
    return true;
}

} // namespace varnick
