#include "app/sims2pack/Sims2PackInstallList.h"

#include "app/browser/BrowserPictures.h"
#include "app/health/core/HealthReport.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "package/Sims2Pack.h"
#include "package/base/ErrorTrap.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QStyle>

#include <algorithm>

namespace varnick {

namespace fs = std::filesystem;
using namespace sims2pack;

namespace {

constexpr int kPictureSize = Sims2PackInstallWork::kPictureSize;

} // namespace

Sims2PackInstallList::Sims2PackInstallList(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("tvItems"));
    setAccessibleName(tr("Objects in the files"));
    setHeaderLabels({ tr("Object"), tr("Type"), tr("Size"), tr("Installs As"), tr("Warnings") });
    setIconSize(QSize(kPictureSize, kPictureSize));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setWordWrap(true);
    header()->setStretchLastSection(true);
    setColumnWidth(ObjectColumn, 230);
    setColumnWidth(TypeColumn, 60);
    setColumnWidth(SizeColumn, 65);
    setColumnWidth(TargetColumn, 250);
}

void Sims2PackInstallList::fill(const std::vector<Sims2PackEntry>& entries, const QString& downloads, bool rename)
{
    clear();
    mDownloads = downloads;
    mRename = rename;
    // Drawn at its own small size, not at the pictures' size the list sets for every column.
    mWarning = QIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    mMissing = notFoundPicture(kPictureSize);
    for (const Sims2PackEntry& entry : entries) {
        QTreeWidgetItem* line = addFileLine(entry);
        if (!entry.file)
            continue;
        for (std::size_t i = 0; i < entry.listing.items.size(); ++i)
            addItemRow(line, entry, i);
    }
    expandAll();
    // A current row, so that the focus frame shows where the keyboard is.
    if (topLevelItemCount() > 0)
        setCurrentItem(topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
}

QTreeWidgetItem* Sims2PackInstallList::addFileLine(const Sims2PackEntry& entry)
{
    // Its name, then where its objects go or why nothing of it can be installed.
    auto* top = new QTreeWidgetItem(this);
    QFont bold = top->font(ObjectColumn);
    bold.setBold(true);
    top->setFont(ObjectColumn, bold);
    top->setFirstColumnSpanned(true);
    top->setToolTip(ObjectColumn, QDir::toNativeSeparators(entry.path));
    const InstallPlan* plan = entry.plan.get();
    QString problem = entry.file ? entry.planFailure : entry.readFailure;
    if (plan != nullptr && !plan->taken.empty())
        problem = Sims2PackInstallWork::line(entry.path, phraseText(takenPhrase(*entry.file, *plan)));
    const QString fileName = QFileInfo(entry.path).fileName();
    if (!problem.isEmpty()) {
        top->setText(ObjectColumn, problem);
        top->setToolTip(ObjectColumn, problem + QLatin1Char('\n') + QDir::toNativeSeparators(entry.path));
        top->setIcon(ObjectColumn, mWarning);
    } else if (plan != nullptr) {
        top->setText(ObjectColumn,
            tr("%1: %n item(s) into %2", nullptr, static_cast<int>(entry.file->items().size()))
                .arg(fileName, shownPath(plan->destination)));
    } else {
        top->setText(ObjectColumn, fileName);
    }
    return top;
}

void Sims2PackInstallList::addItemRow(QTreeWidgetItem* fileLine, const Sims2PackEntry& entry, std::size_t item)
{
    const ItemListing& listing = entry.listing.items[item];
    auto* row = new QTreeWidgetItem(fileLine);
    const QString name = text::fromUtf8(toValidUtf8(listing.name));
    row->setText(ObjectColumn, listing.catalogName ? text::fromUtf8(toValidUtf8(*listing.catalogName)) : name);
    row->setToolTip(ObjectColumn,
        listing.guid ? tr("%1\nGlobal GUID %2").arg(name, text::fromUtf8(toValidUtf8(*listing.guid))) : name);
    const QImage& picture = item < entry.pictures.size() ? entry.pictures[item] : mMissing;
    row->setIcon(ObjectColumn, QIcon(QPixmap::fromImage(picture.isNull() ? mMissing : picture)));
    row->setText(TypeColumn, text::fromUtf8(toValidUtf8(effectiveType(entry.file->contents(), item))));
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
    if (entry.plan)
        warnings.append(showPlannedItem(row, *entry.plan, item));
    if (!warnings.isEmpty()) {
        row->setText(WarningColumn, warnings.join(QLatin1Char('\n')));
        row->setIcon(WarningColumn, mWarning);
        if (row->toolTip(WarningColumn).isEmpty())
            row->setToolTip(WarningColumn, warnings.join(QLatin1Char('\n')));
    }
}

QStringList Sims2PackInstallList::showPlannedItem(QTreeWidgetItem* row, const InstallPlan& plan, std::size_t item) const
{
    QStringList warnings;
    const PlannedItem* planned = nullptr;
    for (const PlannedItem& candidate : plan.items)
        if (candidate.item == item)
            planned = &candidate;
    if (planned == nullptr)
        return warnings;
    const bool taken = std::find(plan.taken.begin(), plan.taken.end(), item) != plan.taken.end();
    switch (planned->action) {
    case ItemAction::Install:
        // The folder is on the file's line.
        row->setText(TargetColumn, text::fromPath(planned->target.filename()));
        row->setToolTip(TargetColumn, QDir::toNativeSeparators(text::fromPath(planned->target)));
        if (taken)
            warnings.append(mRename ? tr("Its name is taken: installs under a numbered name")
                                    : tr("Its name is taken by a different file"));
        else if (planned->renamed)
            warnings.append(
                tr("Its name is taken: installs as \"%1\"").arg(text::fromPath(planned->target.filename())));
        break;
    case ItemAction::AlreadyInstalled:
        row->setText(TargetColumn, tr("Already installed"));
        row->setToolTip(TargetColumn, QDir::toNativeSeparators(text::fromPath(planned->target)));
        break;
    case ItemAction::ThroughGame:
        row->setText(TargetColumn, tr("The game"));
        row->setToolTip(TargetColumn,
            tr("Lots, families and Sims are installed by the game's own installer, not copied into Downloads"));
        break;
    }
    QStringList owners;
    for (const GuidClashWarning& clash : plan.warnings) {
        if (clash.item != item || clash.files.empty())
            continue;
        // One line per GUID: the first package by name, the others counted; all of them in the tool tip.
        QString by = text::fromPath(pathFromUtf8(clash.files.front()).filename());
        if (clash.files.size() > 1)
            by = tr("%1 and %n other package(s)", nullptr, static_cast<int>(clash.files.size() - 1)).arg(by);
        warnings.append(tr("GUID %1 is already defined by %2").arg(text::fromUtf8(health::guidText(clash.guid)), by));
        for (const std::string& file : clash.files)
            owners.append(QDir::toNativeSeparators(text::fromUtf8(toValidUtf8(file))));
    }
    if (!owners.isEmpty())
        row->setToolTip(WarningColumn,
            tr("The game may show only one of two objects that share a GUID.\n%1").arg(owners.join(QLatin1Char('\n'))));
    return warnings;
}

QString Sims2PackInstallList::shownPath(const fs::path& path) const
{
    if (!mDownloads.isEmpty()) {
        const fs::path below = path.lexically_relative(text::toPath(mDownloads));
        if (!below.empty() && *below.begin() != "..")
            return QDir::toNativeSeparators(tr("Downloads") + QLatin1Char('/') + text::fromPath(below));
    }
    return QDir::toNativeSeparators(text::fromPath(path));
}

} // namespace varnick
