#include "app/health/frmKnownClashes.h"

#include "app/health/frmLibraryHealth.h"
#include "app/platform/qt/DialogButtons.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "package/base/ErrorTrap.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <map>

namespace varnick {

namespace {

enum Column { GuidColumn, FilesColumn };
constexpr int kGuidRole = Qt::UserRole + 1;

} // namespace

frmKnownClashes::frmKnownClashes(
    std::filesystem::path knownFile, const std::vector<health::GuidClash>& found, const QString& root, QWidget* parent)
    : QDialog(parent)
    , mKnownFile(std::move(knownFile))
{
    setObjectName(QStringLiteral("frmKnownClashes"));
    setWindowTitle(tr("Known Clashes"));
    resize(640, 360);
    auto* note = new QLabel(tr("These GUID clashes were marked as known and are left out of the review. "
                               "Unmark one to see it listed again."),
        this);
    note->setWordWrap(true);
    mList = new QTreeWidget(this);
    mList->setObjectName(QStringLiteral("tvKnown"));
    mList->setAccessibleName(tr("Known clashes"));
    mList->setHeaderLabels({ tr("GUID"), tr("Packages") });
    mList->setRootIsDecorated(false);
    mList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    mList->header()->setStretchLastSection(true);
    mUnmark = new QPushButton(tr("&Unmark"), this);
    mUnmark->setObjectName(QStringLiteral("cmdUnmark"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mUnmark);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(mList, 1);
    layout->addLayout(buttons);

    connect(mUnmark, &QPushButton::clicked, this, &frmKnownClashes::cmdUnmark_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(mList, &QTreeWidget::itemSelectionChanged, this, &frmKnownClashes::updateButtons);
    settleDefaultButton(this, close);
    fillList(found, root);
    mList->setFocus();
    updateButtons();
}

void frmKnownClashes::fillList(const std::vector<health::GuidClash>& found, const QString& root)
{
    std::map<std::uint32_t, const health::GuidClash*> met;
    for (const health::GuidClash& clash : found)
        met[clash.guid] = &clash;
    const health::KnownClashes known(mKnownFile);
    for (std::uint32_t guid : known.guids()) {
        auto* item = new QTreeWidgetItem(mList);
        item->setText(GuidColumn, text::fromUtf8(health::guidText(guid)));
        item->setData(GuidColumn, kGuidRole, static_cast<qulonglong>(guid));
        const auto clash = met.find(guid);
        if (clash == met.end()) {
            item->setText(FilesColumn, tr("(not found in the latest scan)"));
            continue;
        }
        QStringList shown;
        QStringList full;
        for (const std::string& file : clash->second->files) {
            shown.append(frmLibraryHealth::shownPath(root, file));
            full.append(text::fromUtf8(file));
        }
        if (clash->second->gameObject)
            shown.append(tr("the game"));
        item->setText(FilesColumn, shown.join(QStringLiteral(", ")));
        item->setToolTip(FilesColumn, full.join(QLatin1Char('\n')));
    }
    mList->resizeColumnToContents(GuidColumn);
    if (mList->topLevelItemCount() > 0)
        mList->setCurrentItem(mList->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
}

void frmKnownClashes::cmdUnmark_Click()
{
    try {
        health::KnownClashes known(mKnownFile);
        for (int row = mList->topLevelItemCount() - 1; row >= 0; --row) {
            QTreeWidgetItem* item = mList->topLevelItem(row);
            if (!item->isSelected())
                continue;
            known.setKnown(static_cast<std::uint32_t>(item->data(GuidColumn, kGuidRole).toULongLong()), false);
            delete mList->takeTopLevelItem(row);
            mChanged = true;
        }
    } catch (const Failure& failure) {
        MessageBox::exclamation(this, tr("Known Clashes"), failureText(failure));
    }
    updateButtons();
}

void frmKnownClashes::updateButtons()
{
    mUnmark->setEnabled(!mList->selectedItems().isEmpty());
}

} // namespace varnick
