#include "app/editor/frmEditObject.h"

#include "app/backups/BackupSettings.h"
#include "app/backups/RestoreOriginalAction.h"
#include "app/backups/core/OriginalRestore.h"
#include "app/editor/EditorControls.h"
#include "app/editor/SaveSettings.h"
#include "app/editor/core/CatalogLists.h"
#include "app/editor/core/NumericFields.h"
#include "app/platform/Utility.h"
#include "app/platform/qt/AccessibleNames.h"
#include "app/platform/qt/DialogButtons.h"
#include "app/platform/qt/HelpViewer.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/startup/GameRunningGuard.h"
#include "app/startup/ThumbnailCache.h"
#include "package/BinarySupport.h"
#include "package/CompressedResource.h"
#include "package/Crc24.h"
#include "package/base/ErrorTrap.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace varnick {

namespace {

const char* const kModule = "frmEditObject";
const QString kCrLf = QStringLiteral("\r\n");

QPixmap notFoundPicture(qreal ratio)
{
    QPixmap picture(qRound(128 * ratio), qRound(128 * ratio));
    picture.setDevicePixelRatio(ratio);
    picture.fill(QColor(0x60, 0x60, 0x60));
    QPainter painter(&picture);
    painter.fillRect(QRectF(1, 1, 126, 126), QColor(0xE0, 0xE0, 0xE0));
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.drawText(QRect(0, 0, 128, 128), Qt::AlignCenter, frmEditObject::tr("No Image"));
    return picture;
}

QListWidget* makeList(QWidget* owner, const char* name, bool several)
{
    auto* list = new QListWidget(owner);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(several ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    return list;
}

std::uint16_t selectedSum(const QListWidget* list)
{
    unsigned sum = 0;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            sum += static_cast<unsigned>(list->item(i)->data(kEntryValueRole).toInt());
    }
    return static_cast<std::uint16_t>(sum);
}

// Entries are only ever selected by the load, never deselected; in a list of
// one selection each match replaces the one before, and selecting a category
// refills its sub-list through the selection signal, as a click does.
// The first selected entry becomes the list's current one: the keyboard starts there and the shown
// window scrolls to it.
void selectFromValue(QListWidget* list, std::uint16_t value)
{
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        if (!loadSelects(value, static_cast<std::uint16_t>(item->data(kEntryValueRole).toInt())))
            continue;
        item->setSelected(true);
        if (first == nullptr)
            first = item;
    }
    if (first != nullptr)
        list->setCurrentItem(first, QItemSelectionModel::NoUpdate);
}

// A caption with an accelerator (&) moves the focus to its buddy.
QLabel* caption(const QString& text, QWidget* owner, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text, owner);
    if (buddy != nullptr)
        setCaptionOf(label, buddy);
    return label;
}

} // namespace

bool frmEditObject::edit(QWidget* owner, const QString& loadFileName)
{
    if (Seam::testing())
        return Seam::answer(loadFileName);
    frmEditObject window(owner);
    window.setLoadFileName(loadFileName);
    window.Form_Load();
    // The message "Missing OBJD" came before the editor was seen; it closes at once.
    if (window.closeOnActivate())
        return false;
    window.exec();
    return window.saved();
}

frmEditObject::frmEditObject(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmEditObject"));
    setWindowTitle(QStringLiteral("Varnick"));
    setModal(true);

    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setValidator(new NameLengthValidator(txtName));
    txtDesc = new QPlainTextEdit(this);
    txtDesc->setObjectName(QStringLiteral("txtDesc"));
    txtDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDesc->setTabChangesFocus(true); // Tab moves on; a description has no use for tab characters

    const auto numberBox = [this](const NumericBox& box) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(text::fromUtf8(box.control));
        NumberBoxKeys::install(edit, box.field);
        return edit;
    };
    for (std::size_t i = 0; i < kNumericBoxes.size(); ++i)
        mNumberBoxes[i] = numberBox(kNumericBoxes[i]);
    txtPrice = mNumberBoxes[0];
    txtHunger = mNumberBoxes[1];
    txtComfort = mNumberBoxes[2];
    txtHygiene = mNumberBoxes[3];
    txtBladder = mNumberBoxes[4];
    txtEnergy = mNumberBoxes[5];
    txtFun = mNumberBoxes[6];
    txtRoom = mNumberBoxes[7];
    txtNice = mNumberBoxes[8];
    txtInitDep = mNumberBoxes[9];
    txtDailyDep = mNumberBoxes[10];
    txtDepLimit = mNumberBoxes[11];
    for (QLineEdit* motive : { txtHunger, txtComfort, txtHygiene, txtBladder, txtEnergy, txtFun, txtRoom })
        motive->setText(QStringLiteral("99"));

    lstRoom = makeList(this, "lstRoom", true);
    lstCommunity = makeList(this, "lstCommunity", true);
    lstFunction = makeList(this, "lstFunction", false);
    lstFuncSub = makeList(this, "lstFuncSub", false);
    lstBuild = makeList(this, "lstBuild", false);
    lstBuildSub = makeList(this, "lstBuildSub", false);
    lstFuncSub->setAccessibleName(tr("Subcategories"));
    lstBuildSub->setAccessibleName(tr("Build subtypes"));
    lstSkills = makeList(this, "lstSkills", true);
    cboWants = new QComboBox(this);
    cboWants->setObjectName(QStringLiteral("cboWants"));
    cboWants->setEditable(false);

    picCatImage = new QLabel(this);
    picCatImage->setObjectName(QStringLiteral("picCatImage"));
    picCatImage->setFixedSize(128, 128);
    picCatImage->setAlignment(Qt::AlignCenter);
    picLoad = new QLabel(this);
    picLoad->setObjectName(QStringLiteral("picLoad"));
    picLoad->hide();
    picNotFound = new QLabel(this);
    picNotFound->setObjectName(QStringLiteral("picNotFound"));
    picNotFound->setPixmap(notFoundPicture(devicePixelRatioF()));
    picNotFound->hide();

    cmdClear = new QPushButton(tr("C&lear All Flags"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdRestore = new QPushButton(tr("&Restore Original"), this);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    cmdSave = new QPushButton(tr("&Save Object"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdQuit = new QPushButton(tr("&Cancel Editing"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdInfo = new QPushButton(this);
    cmdInfo->setObjectName(QStringLiteral("cmdInfo"));
    cmdInfo->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    cmdInfo->setToolTip(tr("Help"));
    cmdInfo->setAccessibleName(tr("Help"));
    // Takes the focus away from the visible buttons; kept outside the visible area.
    cmdFocus = new QPushButton(QStringLiteral("focus"), this);
    cmdFocus->setObjectName(QStringLiteral("cmdFocus"));
    cmdFocus->setGeometry(-200, -200, 10, 10);
    cmdFocus->setFocusPolicy(Qt::NoFocus); // Tab never stops on it

    // Layout: texts and picture on top, the lists in the middle, numbers and buttons below.
    auto* top = new QGridLayout;
    top->addWidget(caption(tr("&Name"), this, txtName), 0, 0);
    top->addWidget(txtName, 1, 0);
    top->addWidget(caption(tr("&Description"), this, txtDesc), 2, 0);
    top->addWidget(txtDesc, 3, 0);
    top->addWidget(caption(tr("&Price"), this, txtPrice), 4, 0);
    top->addWidget(txtPrice, 5, 0, Qt::AlignLeft);
    auto* image = new QGroupBox(tr("Catalog Image"), this);
    auto* imageLayout = new QVBoxLayout(image);
    imageLayout->addWidget(picCatImage);
    top->addWidget(image, 0, 1, 6, 1);

    auto* function = new QGroupBox(tr("Function"), this);
    auto* functionLayout = new QGridLayout(function);
    functionLayout->addWidget(caption(tr("Ca&tegories"), this, lstFunction), 0, 0);
    functionLayout->addWidget(caption(tr("Sub-Categories"), this), 0, 1);
    functionLayout->addWidget(lstFunction, 1, 0);
    functionLayout->addWidget(lstFuncSub, 1, 1);
    auto* build = new QGroupBox(tr("Build Mode"), this);
    auto* buildLayout = new QGridLayout(build);
    buildLayout->addWidget(caption(tr("Build T&ype"), this, lstBuild), 0, 0);
    buildLayout->addWidget(caption(tr("Build Sub-Type"), this), 0, 1);
    buildLayout->addWidget(lstBuild, 1, 0);
    buildLayout->addWidget(lstBuildSub, 1, 1);
    auto* lists = new QGridLayout;
    lists->addWidget(caption(tr("Ro&om"), this, lstRoom), 0, 0);
    lists->addWidget(lstRoom, 1, 0);
    lists->addWidget(caption(tr("Co&mmunity"), this, lstCommunity), 0, 1);
    lists->addWidget(lstCommunity, 1, 1);
    lists->addWidget(caption(tr("Skill &Flags"), this, lstSkills), 0, 2);
    lists->addWidget(lstSkills, 1, 2);
    lists->addWidget(function, 2, 0, 1, 2);
    lists->addWidget(build, 2, 2);

    auto* depreciation = new QGroupBox(tr("Depreciation"), this);
    auto* depreciationLayout = new QGridLayout(depreciation);
    depreciationLayout->addWidget(caption(tr("&Initial"), this, txtInitDep), 0, 0);
    depreciationLayout->addWidget(txtInitDep, 0, 1);
    depreciationLayout->addWidget(caption(tr("Daily"), this), 1, 0);
    depreciationLayout->addWidget(txtDailyDep, 1, 1);
    depreciationLayout->addWidget(caption(tr("Limit"), this), 2, 0);
    depreciationLayout->addWidget(txtDepLimit, 2, 1);
    auto* motives = new QGroupBox(tr("Motives"), this);
    auto* motivesLayout = new QGridLayout(motives);
    for (int i = 0; i < 7; ++i) {
        const auto& box = kNumericBoxes[static_cast<std::size_t>(i + 1)];
        QLabel* label = caption(i == 0 ? tr("&Hunger") : text::translated("NumericFields", box.caption), this,
            mNumberBoxes[static_cast<std::size_t>(i + 1)]);
        motivesLayout->addWidget(label, i % 4, (i / 4) * 2);
        motivesLayout->addWidget(mNumberBoxes[static_cast<std::size_t>(i + 1)], i % 4, (i / 4) * 2 + 1);
    }
    auto* other = new QGridLayout;
    other->addWidget(caption(tr("&Wants Satisfy Category"), this, cboWants), 0, 0);
    other->addWidget(cboWants, 1, 0);
    other->addWidget(caption(tr("Niceness M&ultiplier:"), this, txtNice), 2, 0);
    other->addWidget(txtNice, 3, 0, Qt::AlignLeft);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(depreciation);
    numbers->addWidget(motives);
    numbers->addLayout(other);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdInfo);
    buttons->addWidget(cmdClear);
    buttons->addWidget(cmdRestore);
    buttons->addStretch();
    chkKeepCompressed = new QCheckBox(tr("&Keep saved resources compressed"), this);
    chkKeepCompressed->setObjectName(QStringLiteral("chkKeepCompressed"));
    chkKeepCompressed->setChecked(keepSavedResourcesCompressed());
    connect(chkKeepCompressed, &QCheckBox::toggled, this, [](bool on) { setKeepSavedResourcesCompressed(on); });
    buttons->addWidget(chkKeepCompressed);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdQuit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(lists, 1);
    layout->addLayout(numbers);
    layout->addLayout(buttons);

    connect(lstFunction, &QListWidget::itemSelectionChanged, this, [this] { lstFunction_Click(); });
    connect(lstBuild, &QListWidget::itemSelectionChanged, this, [this] { lstBuild_Click(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(cmdRestore, &QPushButton::clicked, this, [this] { cmdRestore_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
    connect(cmdInfo, &QPushButton::clicked, this, [this] { cmdInfo_Click(); });

    // Return anywhere saves, as in any dialog; "Clear All Flags" is never pressed by it.
    settleDefaultButton(this, cmdSave);
    // Tab follows the window from top to bottom, left to right.
    QWidget* const order[] = { txtName, txtDesc, txtPrice, lstRoom, lstCommunity, lstSkills, lstFunction, lstFuncSub,
        lstBuild, lstBuildSub, txtInitDep, txtDailyDep, txtDepLimit, txtHunger, txtComfort, txtHygiene, txtBladder,
        txtEnergy, txtFun, txtRoom, cboWants, txtNice, cmdInfo, cmdClear, cmdRestore, chkKeepCompressed, cmdSave,
        cmdQuit };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmEditObject::Form_Load()
{
    trapped(kModule, "Form_Load", [&] {
        mblnCloseOnActivate = false;
        mSaved = false;
        mEditor = ObjectEditor {};
        for (QListWidget* list : { lstFunction, lstFuncSub, lstRoom, lstBuild, lstBuildSub, lstCommunity, lstSkills })
            list->clear();
        cboWants->clear();
        appendEntries(lstFunction, listEntries(CatalogList::Function));
        appendEntries(lstRoom, listEntries(CatalogList::Room));
        appendEntries(lstBuild, listEntries(CatalogList::Build));
        appendEntries(lstCommunity, listEntries(CatalogList::Community));
        appendEntries(lstSkills, listEntries(CatalogList::Skills));
        msFillWantsCombo();
    });
    msLoadObject();
}

void frmEditObject::msFillWantsCombo()
{
    trapped(kModule, "msFillWantsCombo", [&] {
        for (const CategoryEntry& entry : wantsEntries())
            cboWants->addItem(text::translated("CatalogLists", entry.text), static_cast<int>(entry.value));
        cboWants->setCurrentIndex(-1);
    });
}

void frmEditObject::msShowCatalogImage()
{
    picLoad->setPixmap(picNotFound->pixmap());
    // A cache that cannot be read, or a picture that cannot be decoded, shows "no image".
    try {
        const std::string title = gfstrGetFileTitle(text::toUtf8(LoadFileName));
        const std::optional<ByteString> stored
            = gudtObjectThumbnails().uniqueThumbnail(gfstr4HexToSimsID(thumbnailKeyText(title)));
        if (stored) {
            const ByteString picture = decompressResource(*stored);
            QPixmap pixmap;
            if (pixmap.loadFromData(text::toByteArray(picture))) {
                // 128 pixels on the screen, as many device pixels as the screen has for them.
                const qreal ratio = devicePixelRatioF();
                pixmap = pixmap.scaled(QSize(128, 128) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
                pixmap.setDevicePixelRatio(ratio);
                picLoad->setPixmap(pixmap);
            }
        }
    } catch (const Failure&) {
    }
    picCatImage->setPixmap(picLoad->pixmap());
}

void frmEditObject::msLoadObject()
{
    trapped(kModule, "msLoadObject", [&] {
        setWindowTitle(QStringLiteral("Varnick - ") + text::fromUtf8(gfstrGetFileName(text::toUtf8(LoadFileName))));
        txtDesc->clear();
        msShowCatalogImage();
        setLocation(2000);
        const bool original = OriginalRestore(programBackups(), text::toPath(LoadFileName)).available();
        cmdRestore->setEnabled(original);
        cmdRestore->setToolTip(original ? tr("Put back the version kept before the first save")
                                        : text::fromUtf8(OriginalRestore::unavailableText(translatedPhrases())));
        const ObjectEditor::LoadResult result = mEditor.load(text::toPath(LoadFileName));
        txtName->setText(text::fromUtf8(mEditor.shownName()));
        txtDesc->setPlainText(text::fromUtf8(mEditor.shownDescription()));
        txtName->setModified(false);
        txtDesc->document()->setModified(false);
        // Without one text list the texts are not saved, so they cannot be edited.
        txtName->setReadOnly(!mEditor.hasTextList());
        txtDesc->setReadOnly(!mEditor.hasTextList());
        if (result != ObjectEditor::LoadResult::Loaded) {
            MessageBox::show(
                this, QMessageBox::NoIcon, QStringLiteral("Varnick"), text::fromUtf8(mEditor.loadMessage()));
            mblnCloseOnActivate = true;
            return;
        }
        setLocation(4000);
        const ObjectDefinition& definition = mEditor.definition();
        txtPrice->setText(text::fromUtf8(numericFieldText(definition, ObjectField::Price)));
        selectFromValue(lstRoom, definition.flags(ObjectField::RoomSortFlags));
        selectFromValue(lstCommunity, definition.flags(ObjectField::CommunitySortFlags));
        selectFromValue(lstFunction, definition.flags(ObjectField::FunctionSortFlags));
        selectFromValue(lstFuncSub, definition.flags(ObjectField::FunctionSubSort));
        selectFromValue(lstBuild, definition.flags(ObjectField::BuildModeType));
        selectFromValue(lstBuildSub, definition.flags(ObjectField::BuildModeSubType));
        const std::optional<std::size_t> wants = wantsPositionOf(definition.flags(ObjectField::WantsSatisfyCategory));
        cboWants->setCurrentIndex(wants ? static_cast<int>(*wants) : -1);
        selectFromValue(lstSkills, definition.flags(ObjectField::SkillFlags));
        setLocation(5000);
        for (std::size_t i = 1; i < kNumericBoxes.size(); ++i)
            mNumberBoxes[i]->setText(text::fromUtf8(numericFieldText(definition, kNumericBoxes[i].field)));
    });
}

void frmEditObject::Form_Activate()
{
    trapped(kModule, "Form_Activate", [&] {
        cmdFocus->setFocus();
        if (mblnCloseOnActivate)
            reject();
    });
}

void frmEditObject::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Once the lists have their final size: each shows its first selected entry without scrolling.
    QTimer::singleShot(0, this, [this] {
        for (QListWidget* list : findChildren<QListWidget*>()) {
            if (QListWidgetItem* current = list->currentItem(); current != nullptr && current->isSelected())
                list->scrollToItem(current);
        }
    });
}

void frmEditObject::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void frmEditObject::refillSubList(QListWidget* categoryList, QListWidget* subList, CatalogList sub)
{
    std::uint16_t category = 0;
    for (int i = 0; i < categoryList->count(); ++i) {
        if (categoryList->item(i)->isSelected()) {
            category = static_cast<std::uint16_t>(categoryList->item(i)->data(kEntryValueRole).toInt());
            break;
        }
    }
    subList->clear();
    appendEntries(subList, subEntries(sub, category));
}

void frmEditObject::lstFunction_Click()
{
    trapped(kModule, "lstFunction_Click", [&] { refillSubList(lstFunction, lstFuncSub, CatalogList::FuncSub); });
}

void frmEditObject::lstBuild_Click()
{
    trapped(kModule, "lstBuild_Click", [&] { refillSubList(lstBuild, lstBuildSub, CatalogList::BuildSub); });
}

void frmEditObject::cmdClear_Click()
{
    cmdFocus->setFocus();
    trapped(kModule, "cmdClear_Click", [&] {
        lstFuncSub->clear();
        lstBuildSub->clear();
        for (QListWidget* list : { lstFunction, lstRoom, lstBuild, lstCommunity, lstSkills })
            list->clearSelection();
        // The bits no list shows are cleared too, as the button says.
        mEditor.clearAllFlags();
    });
}

void frmEditObject::cmdRestore_Click()
{
    cmdFocus->setFocus();
    if (!restoreOriginalOf(this, LoadFileName))
        return;
    // The window shows the restored package; the caller redraws as after a save.
    Form_Load();
    mSaved = true;
}

ObjectEdits frmEditObject::currentEdits() const
{
    ObjectEdits edits;
    if (txtName->isModified())
        edits.name = text::toUtf8(txtName->text());
    if (txtDesc->document()->isModified())
        edits.description = text::toUtf8(txtDesc->toPlainText());
    for (std::size_t i = 0; i < kNumericBoxes.size(); ++i)
        edits.numbers[kNumericBoxes[i].field] = text::toUtf8(mNumberBoxes[i]->text());
    edits.selections[ObjectField::RoomSortFlags] = selectedSum(lstRoom);
    edits.selections[ObjectField::CommunitySortFlags] = selectedSum(lstCommunity);
    edits.selections[ObjectField::FunctionSortFlags] = selectedSum(lstFunction);
    edits.selections[ObjectField::FunctionSubSort] = selectedSum(lstFuncSub);
    edits.selections[ObjectField::BuildModeType] = selectedSum(lstBuild);
    edits.selections[ObjectField::BuildModeSubType] = selectedSum(lstBuildSub);
    edits.selections[ObjectField::SkillFlags] = selectedSum(lstSkills);
    const int wants = cboWants->currentIndex();
    edits.selections[ObjectField::WantsSatisfyCategory]
        = wants >= 0 ? static_cast<std::uint16_t>(cboWants->itemData(wants).toInt()) : 0;
    return edits;
}

void frmEditObject::cmdSave_Click()
{
    if (refuseWhileGameRuns(this))
        return;
    cmdFocus->setFocus();
    msSaveObject();
}

void frmEditObject::msSaveObject()
{
    if (!mEditor.isLoaded())
        return;
    const QString fileName = text::fromUtf8(gfstrGetFileName(text::toUtf8(LoadFileName)));
    ObjectEditor::SaveResult result = ObjectEditor::SaveResult::NothingChanged;
    const bool finished = trapped(kModule, "msSaveObject", [&] {
        FileNameContext context(text::toUtf8(LoadFileName));
        BackupStore backups = programBackups();
        SaveOptions options = saveOptionsFromSettings();
        options.backups = &backups;
        result = mEditor.save(currentEdits(), options);
    });
    if (!finished)
        return;
    if (result == ObjectEditor::SaveResult::ChangedOnDisk) {
        MessageBox::exclamation(this, QStringLiteral("Varnick"),
            tr("The package file:\r\n%1\r\n\r\nHas changed on disk since the editor opened it, so it was not "
               "saved.\r\nCancel editing and open the object again.")
                .arg(fileName));
        return;
    }
    MessageBox::show(this, QMessageBox::Information, tr("Save Successful"),
        tr("The package file:\r\n%1\r\n\r\nHas been saved successfully.").arg(fileName));
    mSaved = true;
    accept();
}

void frmEditObject::cmdQuit_Click()
{
    cmdFocus->setFocus();
    reject();
}

void frmEditObject::cmdInfo_Click()
{
    cmdFocus->setFocus();
    HelpViewer::showContext(this, HelpViewer::kContextEditor);
}

} // namespace varnick
