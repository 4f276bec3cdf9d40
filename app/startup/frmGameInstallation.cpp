#include "app/startup/frmGameInstallation.h"

#include "app/browser/frmSelectPath.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/startup/GamePaths.h"
#include "app/startup/core/GameFileError.h"
#include "app/startup/core/GameLocator.h"
#include "app/startup/core/RememberedGame.h"
#include "package/base/Environment.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace varnick {

namespace {

// The column that says how the search found an installation.
constexpr int kFoundByColumn = 4;

QString title()
{
    return frmGameInstallation::tr("Game Installation");
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

GameSearch searchNow()
{
    const WaitCursor hourglass;
    return findGameInstalls(GameSearchPlaces::forThisMachine());
}

QString nativeText(const std::filesystem::path& path)
{
    return QDir::toNativeSeparators(text::fromPath(path));
}

bool sameFolder(const QString& a, const QString& b)
{
#ifdef _WIN32
    const Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity sensitivity = Qt::CaseSensitive;
#endif
    return QDir::cleanPath(QDir::fromNativeSeparators(a))
               .compare(QDir::cleanPath(QDir::fromNativeSeparators(b)), sensitivity)
        == 0;
}

} // namespace

QString frmGameInstallation::choose(QWidget* owner, bool firstStart)
{
    if (Seam::testing())
        return Seam::answer(Request { firstStart });
    frmGameInstallation dialog(searchNow(), firstStart, owner);
    dialog.exec();
    return dialog.chosenFolder();
}

frmGameInstallation::frmGameInstallation(GameSearch search, bool firstStart, QWidget* owner)
    : QDialog(owner)
    , mSearch(std::move(search))
{
    setObjectName(QStringLiteral("frmGameInstallation"));
    setWindowTitle(firstStart ? tr("Choose Your Game") : title());

    auto* intro = new QLabel(firstStart
            ? tr("Varnick found The Sims 2 more than once on this computer. Choose the installation "
                 "whose downloads you want to manage. You can change it later under File, Game "
                 "Installation.")
            : tr("The installations of The Sims 2 found on this computer, the one Varnick chooses "
                 "first at the top. Choose one, or add the game's data folder (the folder holding "
                 "Downloads) by hand. Varnick uses your choice from its next start."),
        this);
    intro->setWordWrap(true);

    lstInstalls = new QTreeWidget(this);
    lstInstalls->setObjectName(QStringLiteral("lstInstalls"));
    lstInstalls->setAccessibleName(tr("Game installations found"));
    lstInstalls->setRootIsDecorated(false);
    lstInstalls->setHeaderLabels(
        { tr("Edition"), tr("Name"), tr("Data folder"), tr("Install folder"), tr("Found by") });
    lstInstalls->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(lstInstalls, &QTreeWidget::itemDoubleClicked, this, [this] { cmdUse_Click(); });

    lblSkipped = new QLabel(this);
    lblSkipped->setObjectName(QStringLiteral("lblSkipped"));
    lblSkipped->setWordWrap(true);
    lblSkipped->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdUse = new QPushButton(tr("&Use This Installation"), this);
    cmdUse->setObjectName(QStringLiteral("cmdUse"));
    cmdUse->setDefault(true);
    cmdAdd = new QPushButton(tr("&Add Folder..."), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdUse, &QPushButton::clicked, this, [this] { cmdUse_Click(); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { cmdAdd_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addStretch();
    buttons->addWidget(cmdUse);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(lstInstalls, 1);
    layout->addWidget(lblSkipped);
    layout->addLayout(buttons);
    resize(820, 360);
    fill();
}

void frmGameInstallation::fill()
{
    lstInstalls->clear();
    const QString dataInUse = text::fromUtf8(gstrSims2DataPath);
    QTreeWidgetItem* firstUsable = nullptr;
    QTreeWidgetItem* inUse = nullptr;
    for (const GameInstall& install : mSearch.installs) {
        const QString folder = nativeText(install.dataFolder);
        const bool used = sameFolder(folder, dataInUse);
        auto* item = new QTreeWidgetItem(lstInstalls,
            { text::translated("Editions", editionTitle(install.edition)),
                install.displayName ? text::fromUtf8(*install.displayName) : QString(),
                install.dataFolderExists ? folder : tr("%1 (the game has not made it yet)").arg(folder),
                install.installFolder ? nativeText(*install.installFolder) : QString(),
                text::translated("FoundBy", foundByTitle(install.foundBy)) });
        // The key, file or folder itself, for whoever wants to look there.
        item->setToolTip(kFoundByColumn, text::fromUtf8(install.source));
        item->setData(0, Qt::UserRole, folder);
        item->setDisabled(!install.dataFolderExists);
        if (used) {
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int column = 0; column < item->columnCount(); ++column)
                item->setFont(column, bold);
            item->setToolTip(0, tr("In use now"));
        }
        if (install.dataFolderExists && firstUsable == nullptr)
            firstUsable = item;
        if (install.dataFolderExists && used)
            inUse = item;
    }
    QTreeWidgetItem* current = inUse != nullptr ? inUse : firstUsable;
    if (current != nullptr)
        lstInstalls->setCurrentItem(current);
    cmdUse->setEnabled(current != nullptr);

    QString skipped;
    for (const SkippedFile& file : mSearch.skipped)
        skipped += QStringLiteral("\n") + text::fromUtf8(file.file) + QStringLiteral(": ")
            + (file.phrase ? phraseText(*file.phrase) : text::fromUtf8(file.reason));
    lblSkipped->setText(skipped.isEmpty() ? QString() : tr("Not read:") + skipped);
    lblSkipped->setVisible(!skipped.isEmpty());
    if (mSearch.installs.empty())
        lstInstalls->setToolTip(tr("The game was not found. Add its data folder by hand."));
}

void frmGameInstallation::choose(const QString& folder)
{
    Settings::setValue(SettingKey::GameDataFolder, folder);
    mChosen = folder;
    accept();
}

void frmGameInstallation::cmdUse_Click()
{
    const QTreeWidgetItem* item = lstInstalls->currentItem();
    if (item == nullptr || item->isDisabled())
        return;
    choose(item->data(0, Qt::UserRole).toString());
}

void frmGameInstallation::cmdAdd_Click()
{
    const QString folder = chooseDataFolderByHand(this);
    if (!folder.isEmpty()) {
        mChosen = folder;
        accept();
    }
}

void frmGameInstallation::cmdCancel_Click()
{
    reject();
}

QString chooseDataFolderByHand(QWidget* owner)
{
    const QString start = gstrSims2DataPath == gstrPathNotFound ? QDir::homePath() : text::fromUtf8(gstrSims2DataPath);
    while (true) {
        const QString folder = frmSelectPath::choose(
            owner, frmGameInstallation::tr("Choose the game's data folder (the folder holding Downloads):"), start);
        if (folder.isEmpty())
            return {};
        try {
            checkedRememberedFolder(text::toUtf8(folder));
        } catch (const std::exception& failure) {
            const auto* refusal = dynamic_cast<const GameFileError*>(&failure);
            MessageBox::exclamation(owner, frmGameInstallation::tr("USER INPUT ERROR"),
                frmGameInstallation::tr("This folder can not be used: it %1")
                    .arg(refusal != nullptr ? phraseText(refusal->reason()) : failureText(failure)));
            continue;
        }
        if (!looksLikeGameDataFolder(text::toPath(folder))
            && MessageBox::question(owner, frmGameInstallation::tr("Confirm Action"),
                   frmGameInstallation::tr(
                       "This folder holds no Downloads, Neighborhoods or Thumbnails folder, so it does not look like "
                       "the game's data folder:\r\n\r\n%1\r\n\r\nUse it anyway?")
                       .arg(folder))
                != QMessageBox::Yes)
            continue;
        Settings::setValue(SettingKey::GameDataFolder, folder);
        return folder;
    }
}

void askForGameInstallationIfSeveral(QWidget* owner)
{
    if (!Settings::value(SettingKey::GameDataFolder).isEmpty() || environmentText("VARNICK_DOCUMENTS_DIR")
        || environmentText("VARNICK_SIMS2_INSTALL_DIR"))
        return;
    const GameSearch search = searchNow();
    const auto usable = std::count_if(search.installs.begin(), search.installs.end(),
        [](const GameInstall& install) { return install.dataFolderExists; });
    if (usable >= 2)
        frmGameInstallation::choose(owner, true);
}

void readGameChoiceFromSettings()
{
    setRememberedGameFolderReader([] {
        RememberedFolder remembered;
        remembered.store = "the program's settings";
        const QString value = Settings::value(SettingKey::GameDataFolder);
        if (!value.isEmpty())
            remembered.value = text::toUtf8(value);
        return remembered;
    });
}

void addGameInstallationMenuItem(QMenu* file, QWidget* owner)
{
    QAction* item = file->addAction(frmGameInstallation::tr("Game &Installation..."));
    item->setObjectName(QStringLiteral("smenuGameInstallation"));
    QObject::connect(item, &QAction::triggered, owner, [owner] {
        const QString chosen = frmGameInstallation::choose(owner, false);
        if (!chosen.isEmpty() && !sameFolder(chosen, text::fromUtf8(gstrSims2DataPath)))
            MessageBox::show(owner, QMessageBox::Information, title(),
                frmGameInstallation::tr("Varnick will use this data folder from its next start:\r\n\r\n%1")
                    .arg(QDir::toNativeSeparators(chosen)));
    });
    file->addSeparator();
}

} // namespace varnick
