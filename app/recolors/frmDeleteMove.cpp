#include "app/recolors/frmDeleteMove.h"

#include "app/browser/frmSelectPath.h"
#include "app/platform/Words.h"
#include "app/platform/qt/AccessibleNames.h"
#include "app/platform/qt/DialogButtons.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/recolors/RecolorTrash.h"
#include "app/recolors/core/FileMoves.h"
#include "app/recolors/frmRecolorDetails.h"
#include "app/recolors/frmViewRecolor.h"
#include "app/startup/GameRunningGuard.h"
#include "package/base/Utf8.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace varnick {

namespace {

const QString kLineEnds = QStringLiteral("\r\n\r\n");
QString areYouSure()
{
    return frmDeleteMove::tr("Are you absolutely sure that you want to do this?");
}

QString noRecolors()
{
    return frmDeleteMove::tr("*** no recolors found ***");
}

QString fileNameOf(const QString& path)
{
    return text::fromPath(text::toPath(path).filename());
}

QString confirmation(const QString& what)
{
    return what + kLineEnds + areYouSure() + kLineEnds + trashNote();
}

} // namespace

bool frmDeleteMove::run(QWidget* owner, const Request& request)
{
    if (Seam::testing())
        return Seam::answer(request);
    frmDeleteMove window(request, owner);
    window.exec();
    return window.filesChanged();
}

frmDeleteMove::frmDeleteMove(const Request& request, QWidget* parent)
    : QDialog(parent)
    , ObjectFilename(request.ObjectFilename)
    , FoundRecolors(request.FoundRecolors)
    , mUnreadable(request.unreadable)
    , mUnreadableSaid(request.unreadableSaid)
{
    setObjectName(QStringLiteral("frmDeleteMove"));
    setWindowTitle(tr("Delete/Move The Selected Object File"));
    resize(409, 473);
    if (FoundRecolors.isEmpty())
        FoundRecolors.append(QString());

    auto button = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    // The small buttons carry their words beside the picture, with an accelerator.
    auto smallButton
        = [&](QStyle::StandardPixmap icon, const QString& caption, const QString& tip, const QString& name) {
              QPushButton* b = button(caption, name);
              b->setIcon(style()->standardIcon(icon));
              b->setIconSize(QSize(15, 15));
              b->setToolTip(tip);
              return b;
          };
    txtObjFilename = new QLineEdit(this);
    txtObjFilename->setObjectName(QStringLiteral("txtObjFilename"));
    txtObjFilename->setReadOnly(true);
    lstRecolors = new QListWidget(this);
    lstRecolors->setObjectName(QStringLiteral("lstRecolors"));
    lstRecolors->setSelectionMode(QAbstractItemView::MultiSelection);
    lblUnreadable = new QLabel(this);
    lblUnreadable->setObjectName(QStringLiteral("lblUnreadable"));
    lblUnreadable->setWordWrap(true);
    cmdView
        = smallButton(QStyle::SP_FileDialogContentsView, tr("&View"), tr("View Selected"), QStringLiteral("cmdView"));
    cmdPackageDetails = smallButton(QStyle::SP_FileDialogInfoView, tr("De&tails"), tr("Selected Package Details"),
        QStringLiteral("cmdPackageDetails"));
    cmdSelect = smallButton(
        QStyle::SP_DialogYesButton, tr("Select &All"), tr("Select All Recolors"), QStringLiteral("cmdSelect"));
    cmdUnselect = smallButton(
        QStyle::SP_DialogNoButton, tr("&Unselect All"), tr("Unselect All Recolors"), QStringLiteral("cmdUnselect"));
    cmdDeleteAll = button(tr("&Delete Object And All Recolors"), QStringLiteral("cmdDeleteAll"));
    cmdDelRecolors = button(tr("Delete &Selected Recolors"), QStringLiteral("cmdDelRecolors"));
    cmdMoveAll = button(tr("&Move Object And All Recolors"), QStringLiteral("cmdMoveAll"));
    cmdCancel = button(tr("E&xit This Window"), QStringLiteral("cmdCancel"));
    // Holds the keyboard focus after a button, outside the visible area; Tab never stops on it.
    cmdFocus = button(QStringLiteral("focus"), QStringLiteral("cmdFocus"));
    cmdFocus->setGeometry(-200, -200, 10, 10);
    cmdFocus->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    auto* objectCaption = new QLabel(tr("Selected Object Filename"), this);
    setCaptionOf(objectCaption, txtObjFilename);
    layout->addWidget(objectCaption);
    layout->addWidget(txtObjFilename);
    auto* recolorsCaption = new QLabel(tr("Recolors of the Selected Object"), this);
    setCaptionOf(recolorsCaption, lstRecolors);
    layout->addWidget(recolorsCaption);
    layout->addWidget(lstRecolors, 1);
    // The tools for the list under it, in the order Tab reaches them.
    auto* tools = new QHBoxLayout;
    for (QPushButton* b : { cmdView, cmdPackageDetails, cmdSelect, cmdUnselect })
        tools->addWidget(b);
    tools->addStretch(1);
    layout->addLayout(tools);
    layout->addWidget(lblUnreadable);
    auto* deletes = new QHBoxLayout;
    deletes->addWidget(cmdDeleteAll);
    deletes->addWidget(cmdDelRecolors);
    auto* moves = new QHBoxLayout;
    moves->addWidget(cmdMoveAll);
    moves->addWidget(cmdCancel);
    layout->addLayout(deletes);
    layout->addLayout(moves);

    connect(cmdView, &QPushButton::clicked, this, &frmDeleteMove::cmdView_Click);
    connect(cmdPackageDetails, &QPushButton::clicked, this, &frmDeleteMove::cmdPackageDetails_Click);
    connect(cmdSelect, &QPushButton::clicked, this, &frmDeleteMove::cmdSelect_Click);
    connect(cmdUnselect, &QPushButton::clicked, this, &frmDeleteMove::cmdUnselect_Click);
    connect(cmdDeleteAll, &QPushButton::clicked, this, &frmDeleteMove::cmdDeleteAll_Click);
    connect(cmdDelRecolors, &QPushButton::clicked, this, &frmDeleteMove::cmdDelRecolors_Click);
    connect(cmdMoveAll, &QPushButton::clicked, this, &frmDeleteMove::cmdMoveAll_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmDeleteMove::cmdCancel_Click);
    // Return on a recolor (or a double click) previews it; no button is pressed by Return.
    connect(lstRecolors, &QListWidget::itemActivated, this, [this] { cmdView_Click(); });
    connect(lstRecolors, &QListWidget::itemSelectionChanged, this, [this] { updateDeleteSelected(); });
    settleDefaultButton(this, nullptr);
    QWidget* const order[] = { txtObjFilename, lstRecolors, cmdView, cmdPackageDetails, cmdSelect, cmdUnselect,
        cmdDeleteAll, cmdDelRecolors, cmdMoveAll, cmdCancel };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    Form_Load();
    // The keyboard starts on the recolors, a frame on the first without selecting it.
    lstRecolors->setFocus();
    if (lstRecolors->count() > 0)
        lstRecolors->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    updateDeleteSelected();
}

void frmDeleteMove::Form_Load()
{
    // Ascending by character codes over the whole range; the empty element 0 stays first.
    std::sort(FoundRecolors.begin(), FoundRecolors.end());
    txtObjFilename->setText(fileNameOf(ObjectFilename));
    for (qsizetype i = 1; i < FoundRecolors.size(); ++i) {
        auto* line = new QListWidgetItem(fileNameOf(FoundRecolors[i]), lstRecolors);
        line->setData(Qt::UserRole, static_cast<int>(i));
    }
    if (FoundRecolors.size() <= 1)
        lstRecolors->addItem(noRecolors());
    if (!mUnreadable.isEmpty()) {
        lblUnreadable->setText(tr("%n file(s) could not be read and were not searched for recolors.", nullptr,
            static_cast<int>(mUnreadable.size())));
        // Each reason in the player's words, the reader's own after it for help forums.
        QStringList lines;
        for (const auto& [file, reason] : mUnreadable) {
            // A reason worded in the player's language (a folder that cannot be listed) is complete as it is.
            if (const auto said = mUnreadableSaid.constFind(file); said != mUnreadableSaid.constEnd()) {
                lines.append(file + QStringLiteral(": ") + *said);
                continue;
            }
            const QString plain = text::translated("Words", plainReadFailure(text::toUtf8(reason)));
            lines.append(file + QStringLiteral(": ") + plain
                + (plain == reason ? QString() : QStringLiteral(" (") + reason + QStringLiteral(")")));
        }
        lblUnreadable->setToolTip(lines.join(QLatin1Char('\n')));
    }
    lblUnreadable->setVisible(!mUnreadable.isEmpty());
}

QString frmDeleteMove::currentRecolor() const
{
    // The first line with the current line's text: of two equal names the first is taken.
    const QListWidgetItem* current = lstRecolors->currentItem();
    const QString currentText = current ? current->text() : QString();
    for (int i = 0; i < lstRecolors->count(); ++i) {
        if (lstRecolors->item(i)->text() == currentText) {
            const int index = lstRecolors->item(i)->data(Qt::UserRole).toInt();
            return index > 0 && index < FoundRecolors.size() ? FoundRecolors[index] : QString();
        }
    }
    return QString();
}

void frmDeleteMove::cmdView_Click()
{
    lstRecolors->setFocus();
    if (FoundRecolors.size() <= 1)
        return;
    frmViewRecolor::view(this, currentRecolor());
}

void frmDeleteMove::cmdPackageDetails_Click()
{
    lstRecolors->setFocus();
    if (FoundRecolors.size() <= 1)
        return;
    frmRecolorDetails::showDetails(this, currentRecolor());
}

void frmDeleteMove::cmdSelect_Click()
{
    lstRecolors->setFocus();
    for (int i = 0; i < lstRecolors->count(); ++i)
        lstRecolors->item(i)->setSelected(true);
}

void frmDeleteMove::cmdUnselect_Click()
{
    lstRecolors->setFocus();
    for (int i = 0; i < lstRecolors->count(); ++i)
        lstRecolors->item(i)->setSelected(false);
}

std::vector<std::filesystem::path> frmDeleteMove::allFiles() const
{
    std::vector<std::filesystem::path> files { text::toPath(ObjectFilename) };
    for (qsizetype i = 1; i < FoundRecolors.size(); ++i)
        files.push_back(text::toPath(FoundRecolors[i]));
    return files;
}

void frmDeleteMove::deleteAndReport(const std::vector<std::filesystem::path>& files, const QString& done)
{
    QStringList left;
    const recolors::RemoveFunction remover = desktopRemover();
    for (const std::filesystem::path& file : files) {
        if (recolors::deleteFiles({ file }, remover) == 1)
            mChanged = true;
        else
            left.append(text::fromPath(file));
    }
    if (left.isEmpty())
        MessageBox::show(this, QMessageBox::Information, tr("OPERATION SUCCESSFUL"), done);
    else
        MessageBox::exclamation(this, tr("OPERATION INCOMPLETE"),
            tr("These files could not be deleted and were left as they were:\r\n") + left.join(QStringLiteral("\r\n")));
    finish();
}

void frmDeleteMove::finish()
{
    accept();
}

int frmDeleteMove::selectedRecolorCount() const
{
    int count = 0;
    for (int i = 0; i < lstRecolors->count(); ++i)
        if (lstRecolors->item(i)->isSelected() && lstRecolors->item(i)->data(Qt::UserRole).isValid())
            ++count;
    return count;
}

void frmDeleteMove::updateDeleteSelected()
{
    cmdDelRecolors->setEnabled(selectedRecolorCount() > 0);
}

void frmDeleteMove::cmdDeleteAll_Click()
{
    if (refuseWhileGameRuns(this))
        return;
    cmdFocus->setFocus();
    // The Part's words hold where files are deleted for good; where they go to the trash, it says so.
    const qsizetype recolors = FoundRecolors.size() - 1;
    const QString what = !desktopHasTrash()
        ? tr("You are about to PERMANENTLY DESTROY the object and all of it's recolors.")
        : recolors == 0 ? tr("You are about to move the object to the trash.")
                        : tr("You are about to move the object and its %n recolor(s) to the trash.", nullptr,
                            static_cast<int>(recolors));
    if (MessageBox::question(this, tr("CONFIRM DELETE"), confirmation(what)) != QMessageBox::Yes)
        return;
    deleteAndReport(allFiles(), tr("The object has been deleted."));
}

void frmDeleteMove::cmdDelRecolors_Click()
{
    if (refuseWhileGameRuns(this))
        return;
    cmdFocus->setFocus();
    // Nothing selected: nothing to confirm (the button is disabled then).
    const int count = selectedRecolorCount();
    if (FoundRecolors.size() <= 1 || count == 0)
        return;
    const QString what = !desktopHasTrash()
        ? tr("You are about to PERMANENTLY DESTROY the selected recolors for this object.")
        : tr("You are about to move %n selected recolor(s) of this object to the trash.", nullptr, count);
    if (MessageBox::question(this, tr("CONFIRM DELETE"), confirmation(what)) != QMessageBox::Yes)
        return;
    std::vector<std::filesystem::path> selected;
    for (int i = 0; i < lstRecolors->count(); ++i) {
        const QListWidgetItem* line = lstRecolors->item(i);
        if (line->isSelected())
            selected.push_back(text::toPath(FoundRecolors[line->data(Qt::UserRole).toInt()]));
    }
    deleteAndReport(selected, tr("The selected recolors have been deleted."));
}

void frmDeleteMove::cmdMoveAll_Click()
{
    if (refuseWhileGameRuns(this))
        return;
    cmdFocus->setFocus();
    const QString destination
        = frmSelectPath::choose(this, QString(), Settings::value(SettingKey::LastMoveDestination));
    if (destination.isEmpty())
        return;
    const std::vector<std::filesystem::path> files = allFiles();
    const std::filesystem::path target = text::toPath(destination);
    const recolors::MoveCheck check = recolors::checkMove(files, target);
    if (check.samePlace) {
        MessageBox::exclamation(this, tr("USER INPUT ERROR"), tr("Source and destination are the same!"));
        return;
    }
    if (check.destinationMissing) {
        MessageBox::exclamation(
            this, tr("USER INPUT ERROR"), tr("Nothing was moved: the destination is not a folder:\r\n") + destination);
        return;
    }
    if (!check.clashes.empty()) {
        // Moving onto a file of the same name would destroy it: nothing moves.
        QStringList clashes;
        for (const std::filesystem::path& clash : check.clashes)
            clashes.append(text::fromPath(clash));
        MessageBox::exclamation(this, tr("USER INPUT ERROR"),
            tr("Nothing was moved: these files are already in the destination folder or share a name "
               "with another file being moved:\r\n")
                + clashes.join(QStringLiteral("\r\n")));
        return;
    }
    std::int32_t moved = 0;
    try {
        moved = recolors::moveFiles(files, target);
    } catch (const std::exception& failure) {
        // Files moved before the failure stay moved; the rest are where they were.
        mChanged = true;
        MessageBox::exclamation(this, tr("OPERATION INCOMPLETE"),
            tr("The move stopped: %1\r\nThe files before it were moved; the others were left where they were.")
                .arg(failureText(failure)));
        finish();
        return;
    }
    mChanged = true;
    Settings::setValue(SettingKey::LastMoveDestination, destination);
    MessageBox::show(this, QMessageBox::Information, tr("OPERATION SUCCESSFUL"),
        tr("%1 files were moved to:\r\n%2").arg(moved).arg(destination));
    finish();
}

void frmDeleteMove::cmdCancel_Click()
{
    reject();
}

} // namespace varnick
