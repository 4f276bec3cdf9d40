#include "app/editor/frmBatchEdit.h"

#include "app/backups/BackupSettings.h"
#include "app/backups/core/BackupStore.h"
#include "app/editor/EditorControls.h"
#include "app/editor/SaveSettings.h"
#include "app/editor/core/CatalogLists.h"
#include "app/editor/core/ChangeWords.h"
#include "app/editor/core/NumericFields.h"
#include "app/platform/Utility.h"
#include "app/platform/Words.h"
#include "app/platform/qt/AccessibleNames.h"
#include "app/platform/qt/DialogButtons.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/platform/qt/WorkProgress.h"
#include "app/startup/GameRunningGuard.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <atomic>
#include <vector>

namespace varnick {

namespace {

constexpr int kLoadedRole = Qt::UserRole + 1; // the state the entry was loaded in
constexpr int kShownRole = Qt::UserRole + 2; // the state before the latest click

} // namespace

bool frmBatchEdit::edit(QWidget* owner, const QStringList& files)
{
    if (Seam::testing())
        return Seam::answer(files);
    std::vector<std::filesystem::path> paths;
    for (const QString& file : files)
        paths.push_back(text::toPath(file));
    BatchEdit batch;
    runWithProgress(owner, tr("Loading objects..."), paths.size(),
        [&](const BatchProgress& progress, const std::atomic<bool>* cancel) { batch.load(paths, progress, cancel); });
    if (batch.members().size() < paths.size())
        return false;
    if (batch.loadedCount() == 0) {
        MessageBox::exclamation(
            owner, tr("User Input Error"), tr("None of the selected packages holds an object that can be edited."));
        return false;
    }
    frmBatchEdit window(std::move(batch), owner);
    window.exec();
    return window.mSaved;
}

frmBatchEdit::frmBatchEdit(BatchEdit batch, QWidget* parent)
    : QDialog(parent)
    , mBatch(std::move(batch))
{
    setObjectName(QStringLiteral("frmBatchEdit"));
    setWindowTitle(tr("Varnick - Edit Selected Objects"));
    auto* layout = new QVBoxLayout(this);
    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    layout->addWidget(lblCount);

    auto* texts = new QFormLayout;
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setValidator(new NameLengthValidator(txtName));
    texts->addRow(tr("&Name"), txtName);
    txtDesc = new QPlainTextEdit(this);
    txtDesc->setObjectName(QStringLiteral("txtDesc"));
    txtDesc->setFixedHeight(txtDesc->fontMetrics().lineSpacing() * 4 + 12);
    txtDesc->setTabChangesFocus(true);
    texts->addRow(tr("&Description"), txtDesc);
    layout->addLayout(texts);

    auto* grid = new QGridLayout;
    // The boxes under the single editor's captions and groups.
    auto* numbers = new QVBoxLayout;
    auto* loose = new QFormLayout;
    auto* depreciation = new QGroupBox(tr("Depreciation"), this);
    auto* depreciationRows = new QFormLayout(depreciation);
    auto* motives = new QGroupBox(tr("Motives"), this);
    auto* motiveRows = new QFormLayout(motives);
    for (const NumericBox& box : kNumericBoxes) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(text::fromUtf8(box.control));
        NumberBoxKeys::install(edit, box.field);
        mNumbers[box.field] = edit;
        // The single editor's accelerators, so that Alt+letter reaches the same box in both.
        QString caption = text::translated("NumericFields", box.caption);
        if (box.field == ObjectField::Price)
            caption = tr("&Price");
        else if (box.field == ObjectField::NicenessMultiplier)
            caption = tr("Niceness M&ultiplier:");
        else if (box.field == ObjectField::InitialDepreciation)
            caption = tr("&Initial");
        else if (box.field == ObjectField::HungerRating)
            caption = tr("&Hunger");
        switch (fieldInfo(box.field).kind) {
        case ObjectFieldKind::Motive:
            motiveRows->addRow(caption, edit);
            break;
        default:
            if (box.field == ObjectField::Price || box.field == ObjectField::NicenessMultiplier)
                loose->addRow(caption, edit);
            else
                depreciationRows->addRow(caption, edit);
            break;
        }
    }
    numbers->addLayout(loose);
    numbers->addWidget(depreciation);
    numbers->addWidget(motives);
    numbers->addStretch();
    grid->addLayout(numbers, 0, 0, 4, 1);
    const struct {
        const char* control;
        const char* caption;
        CatalogList list;
        int row, column;
    } lists[] = { { "lstFunction", QT_TR_NOOP("Ca&tegories"), CatalogList::Function, 0, 1 },
        { "lstFuncSub", QT_TR_NOOP("Sub-Categories"), CatalogList::FuncSub, 0, 2 },
        { "lstBuild", QT_TR_NOOP("Build T&ype"), CatalogList::Build, 1, 1 },
        { "lstBuildSub", QT_TR_NOOP("Build Sub-Type"), CatalogList::BuildSub, 1, 2 },
        { "lstRoom", QT_TR_NOOP("Ro&om"), CatalogList::Room, 2, 1 },
        { "lstCommunity", QT_TR_NOOP("Co&mmunity"), CatalogList::Community, 2, 2 },
        { "lstSkills", QT_TR_NOOP("Skill &Flags"), CatalogList::Skills, 3, 1 } };
    auto* function = new QGroupBox(tr("Function"), this);
    auto* functionRow = new QHBoxLayout(function);
    auto* build = new QGroupBox(tr("Build Mode"), this);
    auto* buildRow = new QHBoxLayout(build);
    for (const auto& l : lists) {
        auto* box = new QVBoxLayout;
        auto* label = new QLabel(tr(l.caption), this);
        box->addWidget(label);
        const bool sub = l.list == CatalogList::FuncSub || l.list == CatalogList::BuildSub;
        if (!sub) {
            QListWidget* widget = makeList(QString::fromLatin1(l.control), l.list);
            setCaptionOf(label, widget);
            box->addWidget(widget);
        } else {
            auto* widget = new QListWidget(this);
            setCaptionOf(label, widget);
            widget->setObjectName(QString::fromLatin1(l.control));
            widget->setSelectionMode(QAbstractItemView::SingleSelection);
            auto* hint = new QLabel(this);
            hint->setObjectName(widget->objectName() + QStringLiteral("Hint"));
            hint->setWordWrap(true);
            hint->hide();
            box->addWidget(widget);
            box->addWidget(hint);
            const CatalogList category = l.list == CatalogList::FuncSub ? CatalogList::Function : CatalogList::Build;
            mSubLists.push_back({ category, l.list, widget, hint });
        }
        // Function and Build Mode in their groups, as the single editor shows them.
        if (l.row < 2)
            (l.row == 0 ? functionRow : buildRow)->addLayout(box);
        else
            grid->addLayout(box, l.row, l.column);
    }
    grid->addWidget(function, 0, 1, 1, 2);
    grid->addWidget(build, 1, 1, 1, 2);
    for (std::size_t i = 0; i < mSubLists.size(); ++i) {
        connect(mLists.at(mSubLists[i].category), &QListWidget::itemSelectionChanged, this, [this, i] {
            if (!mFilling)
                refillSubList(mSubLists[i]);
        });
    }
    auto* wants = new QVBoxLayout;
    auto* wantsCaption = new QLabel(tr("&Wants Satisfy Category"), this);
    wants->addWidget(wantsCaption);
    cboWants = new QComboBox(this);
    wantsCaption->setBuddy(cboWants);
    cboWants->setObjectName(QStringLiteral("cboWants"));
    for (const CategoryEntry& entry : wantsEntries())
        cboWants->addItem(text::translated("CatalogLists", entry.text), entry.value);
    wants->addWidget(cboWants);
    wants->addStretch();
    grid->addLayout(wants, 3, 2);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    cmdSave = new QPushButton(tr("&Save Objects"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdQuit = new QPushButton(tr("&Cancel Editing"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdQuit);
    layout->addLayout(buttons);
    connect(cmdQuit, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdSave, &QPushButton::clicked, this, [this] {
        if (refuseWhileGameRuns(this))
            return; // the window stays open with its edits
        save();
        // A "Cancel" at the question leaves the player in the editor with their changes.
        if (!mDeclined)
            accept();
    });
    settleDefaultButton(this, cmdSave);
    // Tab follows the window: the texts, the boxes as grouped, the lists row by row, then the buttons.
    std::vector<QWidget*> order { txtName, txtDesc };
    for (ObjectField field : { ObjectField::Price, ObjectField::NicenessMultiplier, ObjectField::InitialDepreciation,
             ObjectField::DailyDepreciation, ObjectField::DepreciationLimit, ObjectField::HungerRating,
             ObjectField::ComfortRating, ObjectField::HygieneRating, ObjectField::BladderRating,
             ObjectField::EnergyRating, ObjectField::FunRating, ObjectField::RoomRating })
        order.push_back(mNumbers.at(field));
    for (const char* name :
        { "lstFunction", "lstFuncSub", "lstBuild", "lstBuildSub", "lstRoom", "lstCommunity", "lstSkills" })
        order.push_back(findChild<QListWidget*>(QLatin1String(name)));
    order.insert(order.end(), { cboWants, cmdSave, cmdQuit });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    fill();
}

QListWidget* frmBatchEdit::makeList(const QString& name, CatalogList list)
{
    auto* widget = new QListWidget(this);
    widget->setObjectName(name);
    const bool single = isSingleSelection(list);
    widget->setSelectionMode(single ? QAbstractItemView::SingleSelection : QAbstractItemView::NoSelection);
    appendEntries(widget, listEntries(list));
    for (int i = 0; !single && i < widget->count(); ++i)
        widget->item(i)->setFlags(widget->item(i)->flags() | Qt::ItemIsUserCheckable);
    // One click checks an entry, mixed or not; an entry some objects had goes
    // on from unchecked back to mixed (each object's own), so every state can be reached again.
    connect(widget, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (mFilling)
            return;
        const auto shownBefore = static_cast<Qt::CheckState>(item->data(kShownRole).toInt());
        const auto loaded = static_cast<Qt::CheckState>(item->data(kLoadedRole).toInt());
        Qt::CheckState now = item->checkState();
        if (loaded == Qt::PartiallyChecked && shownBefore == Qt::Unchecked && now == Qt::Checked)
            now = Qt::PartiallyChecked;
        item->setData(kShownRole, static_cast<int>(now));
        if (now != item->checkState())
            item->setCheckState(now);
    });
    mLists[list] = widget;
    return widget;
}

void frmBatchEdit::fill()
{
    mFilling = true;
    lblCount->setText(tr("%n object(s) selected; blank boxes and unselected lists are mixed and keep each "
                         "object's own value until changed.",
        nullptr, static_cast<int>(mBatch.loadedCount())));
    const std::optional<std::string> name = mBatch.commonName();
    txtName->setText(name ? text::fromUtf8(*name) : QString());
    txtName->setPlaceholderText(name ? QString() : tr("(mixed)"));
    const std::optional<std::string> description = mBatch.commonDescription();
    txtDesc->setPlainText(description ? text::fromUtf8(*description) : QString());
    txtDesc->setPlaceholderText(description ? QString() : tr("(mixed)"));
    for (const auto& [field, edit] : mNumbers) {
        const std::optional<std::string> common = mBatch.commonNumber(field);
        edit->setText(common ? text::fromUtf8(*common) : QString());
        edit->setPlaceholderText(common ? QString() : tr("(mixed)"));
        edit->setModified(false);
    }
    for (const auto& [list, widget] : mLists) {
        const ObjectField field = fieldOfList(list);
        if (isSingleSelection(list)) {
            const std::optional<std::uint16_t> common = mBatch.commonSelection(field);
            widget->clearSelection();
            for (int i = 0; i < widget->count(); ++i) {
                if (common && widget->item(i)->data(kEntryValueRole).toUInt() == *common)
                    widget->setCurrentRow(i);
            }
            widget->setProperty("loadedRow", common ? widget->currentRow() : -2);
            continue;
        }
        for (int i = 0; i < widget->count(); ++i) {
            QListWidgetItem* item = widget->item(i);
            const EntryState state
                = mBatch.entryState(field, static_cast<std::uint16_t>(item->data(kEntryValueRole).toUInt()));
            const Qt::CheckState check = state == EntryState::All ? Qt::Checked
                : state == EntryState::Some                       ? Qt::PartiallyChecked
                                                                  : Qt::Unchecked;
            item->setCheckState(check);
            item->setData(kLoadedRole, static_cast<int>(check));
            item->setData(kShownRole, static_cast<int>(check));
        }
    }
    const std::optional<std::uint16_t> wants = mBatch.commonSelection(ObjectField::WantsSatisfyCategory);
    cboWants->setCurrentIndex(wants ? cboWants->findData(*wants) : -1);
    cboWants->setProperty("loadedIndex", cboWants->currentIndex());
    mFilling = false;
    for (SubList& sub : mSubLists)
        refillSubList(sub);
}

std::optional<std::uint16_t> frmBatchEdit::chosenCategory(CatalogList list) const
{
    const QListWidget* widget = mLists.at(list);
    const int row = widget->selectedItems().isEmpty() ? -1 : widget->currentRow();
    if (row < 0 || row == widget->property("loadedRow").toInt())
        return std::nullopt;
    return static_cast<std::uint16_t>(widget->item(row)->data(kEntryValueRole).toUInt());
}

void frmBatchEdit::refillSubList(SubList& sub)
{
    // The entries follow the category the player chose, else the one every object shares.
    const std::optional<std::uint16_t> chosen = chosenCategory(sub.category);
    const std::optional<std::uint16_t> category = chosen ? chosen : mBatch.commonSelection(fieldOfList(sub.category));
    sub.widget->clear();
    sub.widget->setProperty("loadedRow", -2);
    if (!category) {
        sub.widget->setEnabled(false);
        sub.hint->setText(sub.category == CatalogList::Function
                ? tr("The objects differ in their category; choose one to set the sub-category.")
                : tr("The objects differ in their build type; choose one to set the sub-type."));
        sub.hint->show();
        return;
    }
    sub.hint->hide();
    const std::span<const CategoryEntry> entries = subEntries(sub.sub, *category);
    appendEntries(sub.widget, entries);
    sub.widget->setEnabled(!entries.empty());
    if (chosen)
        return;
    const std::optional<std::uint16_t> common = mBatch.commonSelection(fieldOfList(sub.sub));
    for (int i = 0; common && i < sub.widget->count(); ++i) {
        if (sub.widget->item(i)->data(kEntryValueRole).toUInt() == *common) {
            sub.widget->setCurrentRow(i);
            sub.widget->setProperty("loadedRow", i);
        }
    }
}

BatchChanges frmBatchEdit::changes() const
{
    BatchChanges changes;
    // A mixed text left blank, or a common one left as it was (line breaks aside), changes nothing.
    const auto changedText = [](const std::optional<std::string>& common, const QString& now) {
        const std::string typed = text::toUtf8(now);
        const bool same = common ? gfstrStripCR(*common) == gfstrStripCR(typed) : typed.empty();
        return same ? std::nullopt : std::optional<std::string>(typed);
    };
    changes.name = changedText(mBatch.commonName(), txtName->text());
    changes.description = changedText(mBatch.commonDescription(), txtDesc->toPlainText());
    for (const auto& [field, edit] : mNumbers) {
        const std::optional<std::string> common = mBatch.commonNumber(field);
        const std::string now = text::toUtf8(edit->text());
        // A mixed box left blank, or a common one left as it was, changes nothing.
        if ((!common && now.empty()) || (common && *common == now))
            continue;
        changes.numbers[field] = now;
    }
    for (const auto& [list, widget] : mLists) {
        const ObjectField field = fieldOfList(list);
        if (isSingleSelection(list)) {
            const int row = widget->selectedItems().isEmpty() ? -1 : widget->currentRow();
            if (row >= 0 && row != widget->property("loadedRow").toInt())
                changes.selections[field]
                    = static_cast<std::uint16_t>(widget->item(row)->data(kEntryValueRole).toUInt());
            continue;
        }
        FlagChange flags;
        for (int i = 0; i < widget->count(); ++i) {
            const QListWidgetItem* item = widget->item(i);
            const auto value = static_cast<std::uint16_t>(item->data(kEntryValueRole).toUInt());
            if (item->checkState() == static_cast<Qt::CheckState>(item->data(kLoadedRole).toInt()))
                continue;
            if (item->checkState() == Qt::Checked)
                flags.set |= value;
            else if (item->checkState() == Qt::Unchecked)
                flags.clear |= value;
        }
        if (flags.set || flags.clear)
            changes.flags[field] = flags;
    }
    for (const SubList& sub : mSubLists) {
        const int row = sub.widget->selectedItems().isEmpty() ? -1 : sub.widget->currentRow();
        const std::uint16_t value
            = row < 0 ? 0 : static_cast<std::uint16_t>(sub.widget->item(row)->data(kEntryValueRole).toUInt());
        // A new category takes its sub-list as shown, none chosen writing none (as the
        // single editor does); under the loaded category only a newly chosen entry is written.
        if (chosenCategory(sub.category) || (row >= 0 && row != sub.widget->property("loadedRow").toInt()))
            changes.selections[fieldOfList(sub.sub)] = value;
    }
    const int wants = cboWants->currentIndex();
    if (wants >= 0 && wants != cboWants->property("loadedIndex").toInt())
        changes.selections[ObjectField::WantsSatisfyCategory]
            = static_cast<std::uint16_t>(cboWants->itemData(wants).toUInt());
    return changes;
}

BatchSummary frmBatchEdit::save()
{
    const BatchChanges batchChanges = changes();
    BatchSummary summary;
    mDeclined = false;
    if (batchChanges.empty()) {
        MessageBox::show(
            this, QMessageBox::Information, tr("Nothing to Save"), tr("Nothing was changed; no package was written."));
        return summary;
    }
    // A write to many packages is confirmed deliberately: Cancel is the default, so a second Return writes nothing.
    const ChangeContext context { mBatch.commonSelection(ObjectField::FunctionSortFlags),
        mBatch.commonSelection(ObjectField::BuildModeType) };
    const QString question
        = text::fromUtf8(batchQuestion(batchChanges, mBatch.loadedCount(), context, translatedPhrases()));
    if (MessageBox::show(this, QMessageBox::Question, tr("Confirm Save"), question,
            QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel)
        != QMessageBox::Save) {
        mDeclined = true;
        summary.cancelled = true;
        return summary;
    }
    // Old backups are pruned once, when the program starts.
    BackupStore backups = programBackups();
    std::size_t total = mBatch.members().size();
    runWithProgress(
        this, tr("Saving objects..."), total, [&](const BatchProgress& progress, const std::atomic<bool>* cancel) {
            BatchOptions options;
            options.progress = progress;
            options.cancel = cancel;
            options.backups = &backups;
            options.save = saveOptionsFromSettings();
            summary = mBatch.apply(batchChanges, options);
        });
    mSaved = summary.count(BatchOutcome::Saved) > 0;
    showSummary(this, summary);
    return summary;
}

void frmBatchEdit::showSummary(QWidget* owner, const BatchSummary& summary)
{
    // The counts, then the first twenty refusals with their reasons.
    QString message = text::fromUtf8(summary.text(translatedPhrases()));
    int listed = 0;
    for (const BatchItem& item : summary.items) {
        if (item.outcome != BatchOutcome::Refused || ++listed > 20)
            continue;
        message += QStringLiteral("\r\n") + text::fromPath(item.file.filename()) + QStringLiteral(": ")
            + text::translated("BatchEdit", item.reason);
    }
    const bool refused = summary.count(BatchOutcome::Refused) > 0;
    const QString title = summary.cancelled ? tr("Save Cancelled")
        : refused                           ? tr("Save Summary")
                                            : tr("Save Successful");
    MessageBox::show(
        owner, refused || summary.cancelled ? QMessageBox::Warning : QMessageBox::Information, title, message);
}

} // namespace varnick
