#include "app/browser/frmSelectPath.h"

#include "app/browser/SelectPathController.h"
#include "app/platform/qt/MessageBox.h"
#include "package/base/ErrorTrap.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

namespace varnick {

namespace {

const char* const kModule = "frmSelectPath";

frmSelectPath::NamePrompt& namePromptOverride()
{
    static frmSelectPath::NamePrompt prompt;
    return prompt;
}

QString askFolderName(QWidget* parent)
{
    if (namePromptOverride())
        return namePromptOverride()(parent);
    return QInputDialog::getText(parent, QString(), frmSelectPath::tr("Enter the new folder name:"));
}

} // namespace

void frmSelectPath::setNamePromptForTesting(NamePrompt prompt)
{
    namePromptOverride() = std::move(prompt);
}

QString frmSelectPath::choose(QWidget* owner, const QString& formTitle, const QString& initialPath)
{
    if (Seam::testing())
        return Seam::answer(Request { formTitle, initialPath });
    frmSelectPath dialog(owner);
    dialog.setFormTitle(formTitle);
    dialog.setInitialPath(initialPath);
    // Without a purpose of its own the dialog chooses where objects are moved to.
    dialog.setConfirmOutsideDataFolder(formTitle.isEmpty());
    dialog.exec();
    return dialog.selectedPath();
}

frmSelectPath::frmSelectPath(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmSelectPath"));
    setWindowTitle(tr("Move Files - Select A Destination Folder"));
    setModal(true);
    resize(420, 440);

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setAccessibleName(tr("Drive"));
    mFolderModel = new QFileSystemModel(this);
    mFolderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    mFolderModel->setReadOnly(true);
    Dir1 = new QTreeView(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setModel(mFolderModel);
    Dir1->setHeaderHidden(true);
    Dir1->setAccessibleName(tr("Folders"));
    for (int column = 1; column < mFolderModel->columnCount(); ++column)
        Dir1->hideColumn(column);

    auto* label = new QLabel(tr("&Selected Folder:"), this);
    label->setObjectName(QStringLiteral("lblSelectedFolder"));
    txtSelectedPath = new QLineEdit(this);
    txtSelectedPath->setObjectName(QStringLiteral("txtSelectedPath"));
    txtSelectedPath->setToolTip(tr("Type a folder's path and press Return to open it."));
    label->setBuddy(txtSelectedPath);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdMakeDir = new QPushButton(tr("Create a &New Folder"), this);
    cmdMakeDir->setObjectName(QStringLiteral("cmdMakeDir"));
    // Takes the focus away from the visible buttons; kept outside the visible area.
    cmdFocus = new QPushButton(QStringLiteral("cmdFocus"), this);
    cmdFocus->setObjectName(QStringLiteral("cmdFocus"));
    cmdFocus->setGeometry(-200, -200, 10, 10);
    cmdFocus->setFocusPolicy(Qt::NoFocus);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdMakeDir);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Drive1);
    layout->addWidget(Dir1, 1);
    layout->addWidget(label);
    layout->addWidget(txtSelectedPath);
    layout->addLayout(buttons);

    mDriveRoots = SelectPathController::driveRoots();
    for (const QString& root : mDriveRoots)
        Drive1->addItem(QDir::toNativeSeparators(root), root);

    connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { Dir1_Change(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdMakeDir, &QPushButton::clicked, this, [this] { cmdMakeDir_Click(); });
}

void frmSelectPath::showEvent(QShowEvent* event)
{
    if (!mLoaded) {
        mLoaded = true;
        Form_Load();
    }
    QDialog::showEvent(event);
}

void frmSelectPath::openFolder(const QString& folder)
{
    mCurrentFolder = QDir::cleanPath(folder);
    const QString drive = SelectPathController::driveOf(mCurrentFolder, mDriveRoots);
    {
        const QSignalBlocker blockDrive(Drive1);
        const int index = Drive1->findData(drive);
        if (index >= 0)
            Drive1->setCurrentIndex(index);
    }
    const QSignalBlocker blockFolders(Dir1->selectionModel());
    mFolderModel->setRootPath(drive.isEmpty() ? mCurrentFolder : drive);
    Dir1->setRootIndex(mFolderModel->index(drive.isEmpty() ? mCurrentFolder : drive));
    const QModelIndex current = mFolderModel->index(mCurrentFolder);
    Dir1->setCurrentIndex(current);
    Dir1->scrollTo(current);
    Dir1->expand(current);
    txtSelectedPath->setText(QDir::toNativeSeparators(mCurrentFolder));
}

void frmSelectPath::keyPressEvent(QKeyEvent* event)
{
    // Return in the path box opens the typed folder; it does not press OK.
    if (focusWidget() == txtSelectedPath && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        openTypedFolder();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmSelectPath::openTypedFolder()
{
    const QString typed = QDir::cleanPath(QDir::fromNativeSeparators(txtSelectedPath->text().trimmed()));
    if (typed == mCurrentFolder)
        return true;
    if (typed.isEmpty() || !QFileInfo(typed).isDir()) {
        MessageBox::exclamation(
            this, tr("Select a Folder"), tr("There is no folder %1.").arg(QDir::toNativeSeparators(typed)));
        txtSelectedPath->setFocus();
        return false;
    }
    openFolder(QFileInfo(typed).absoluteFilePath());
    return true;
}

void frmSelectPath::Form_Load()
{
    trapped(kModule, "Form_Load", [&] {
        openFolder(SelectPathController::startFolder(mInitialPath));
        if (!mFormTitle.isEmpty())
            setWindowTitle(mFormTitle);
    });
}

void frmSelectPath::Drive1_Change()
{
    trapped(kModule, "Drive1_Change", [&] {
        const QString root = Drive1->currentData().toString();
        // A drive that is not ready (an empty card reader) keeps the previous folder.
        if (root.isEmpty() || !QDir(root).exists()) {
            openFolder(mCurrentFolder);
            return;
        }
        openFolder(root);
    });
}

void frmSelectPath::Dir1_Change()
{
    trapped(kModule, "Dir1_Change", [&] {
        const QModelIndex index = Dir1->currentIndex();
        if (!index.isValid())
            return;
        mCurrentFolder = QDir::cleanPath(mFolderModel->filePath(index));
        txtSelectedPath->setText(QDir::toNativeSeparators(mCurrentFolder));
    });
}

void frmSelectPath::cmdOK_Click()
{
    trapped(kModule, "cmdOK_Click", [&] {
        if (!openTypedFolder())
            return;
        // Roots of drives and of the file system cannot be chosen.
        if (!SelectPathController::canChoose(mCurrentFolder))
            return;
        if (mConfirmOutside && !SelectPathController::insideDataFolder(mCurrentFolder)
            && MessageBox::question(this, tr("Move Outside the Game's Folder?"),
                   tr("The objects will be moved to:\n%1\n\nThis folder is outside the game's data folder, so the "
                      "game will not load them from there. Move them there?")
                       .arg(QDir::toNativeSeparators(mCurrentFolder)))
                != QMessageBox::Yes)
            return;
        mSelectedPath = QDir::toNativeSeparators(mCurrentFolder);
        accept();
    });
}

void frmSelectPath::cmdCancel_Click()
{
    trapped(kModule, "cmdCancel_Click", [&] {
        mSelectedPath.clear();
        reject();
    });
}

void frmSelectPath::cmdMakeDir_Click()
{
    trapped(kModule, "cmdMakeDir_Click", [&] {
        cmdFocus->setFocus();
        for (;;) {
            const QString name = askFolderName(this);
            if (name.isEmpty())
                return;
            QString created;
            switch (SelectPathController::makeDirectory(mCurrentFolder, name, &created)) {
            case SelectPathController::MakeDirResult::InvalidName:
                MessageBox::exclamation(this, tr("User Input Error"), tr("Invalid folder name!"));
                continue;
            case SelectPathController::MakeDirResult::AlreadyExists:
                MessageBox::exclamation(this, tr("User Input Error"), tr("Folder already exists!"));
                return;
            case SelectPathController::MakeDirResult::Failed:
                MessageBox::exclamation(this, tr("Create a New Folder"),
                    tr("Can not create the folder %1!")
                        .arg(QDir::toNativeSeparators(QDir(mCurrentFolder).filePath(name))));
                return;
            case SelectPathController::MakeDirResult::Created:
                openFolder(created);
                return;
            }
        }
    });
}

} // namespace varnick
