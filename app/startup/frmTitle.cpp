#include "app/startup/frmTitle.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"

#include "app/platform/qt/MessageBox.h"
#include "app/startup/GamePaths.h"
#include "app/startup/Version.h"
#include "app/startup/frmGameInstallation.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnick {

namespace {

// The title picture: drawn rather than shipped, so it scales with the screen.
QPixmap titlePicture()
{
    QPixmap picture(400, 90);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 400, 90);
    gradient.setColorAt(0, QColor(31, 61, 107));
    gradient.setColorAt(1, QColor(74, 140, 92));
    painter.fillRect(picture.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 400, 60), Qt::AlignCenter, QStringLiteral("Varnick"));
    font.setPointSize(10);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRect(0, 56, 400, 28), Qt::AlignCenter, frmTitle::tr("Catalog manager for custom objects"));
    return picture;
}

} // namespace

QString frmTitle::disclaimerText()
{
    return tr("Varnick is not made, endorsed or supported by the makers or publishers of The Sims 2, "
              "and is not affiliated with them in any way.\n\n"
              "This program is provided as is, without warranties of any kind, express or implied, "
              "including but not limited to the warranties of merchantability and fitness for a particular "
              "purpose. You bear the whole risk of using it.\n\n"
              "Varnick changes, moves and deletes files of your game's custom content. Keep a backup of your "
              "Downloads folder before you use it.");
}

frmTitle::frmTitle(StartupChecks::Seams seams, QWidget* parent)
    : QDialog(parent)
    , mChecks(std::move(seams))
{
    setObjectName(QStringLiteral("frmTitle"));
    setWindowTitle(text::fromUtf8(titleText()));

    picTitle = new QLabel(this);
    picTitle->setObjectName(QStringLiteral("picTitle"));
    picTitle->setPixmap(titlePicture());
    picTitle->setAlignment(Qt::AlignCenter);
    txtDisclaimer = new QPlainTextEdit(disclaimerText(), this);
    txtDisclaimer->setObjectName(QStringLiteral("txtDisclaimer"));
    txtDisclaimer->setReadOnly(true);
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picTitle);
    layout->addWidget(txtDisclaimer, 1);
    layout->addLayout(buttons);
    resize(440, 340);
}

StartupChecks::Seams frmTitle::programSeams()
{
    StartupChecks::Seams seams = StartupChecks::programSeams();
    seams.findGamePaths = [] {
        askForGameInstallationIfSeveral(nullptr);
        gsGetSims2Paths();
    };
    return seams;
}

bool frmTitle::Form_Load()
{
    setWindowTitle(text::fromUtf8(titleText()));
    while (true) {
        const StartupChecks::Result result = mChecks.run(translatedPhrases());
        switch (result.outcome) {
        case StartupChecks::Outcome::Passed:
            return true;
        case StartupChecks::Outcome::Trapped:
            return false;
        case StartupChecks::Outcome::Fatal:
            break;
        }
        if (!result.gameFolderMissing) {
            MessageBox::critical(nullptr, tr("Fatal Error"), text::fromUtf8(result.message));
            return false;
        }
        // The game may be where no search looks: the player can point at its data folder.
        const auto answer = MessageBox::show(nullptr, QMessageBox::Critical, tr("Fatal Error"),
            text::fromUtf8(result.message), QMessageBox::Open | QMessageBox::Close, QMessageBox::Close,
            { { QMessageBox::Open, tr("Choose Data Folder...") }, { QMessageBox::Close, tr("End Program") } });
        if (answer != QMessageBox::Open)
            return false;
        // A cancelled choice brings the box back.
        chooseDataFolderByHand(nullptr);
    }
}

void frmTitle::cmdOK_Click()
{
    accept();
}

void frmTitle::done(int result)
{
    // Show the next window before this one goes, so the program never has no window.
    if (!mUnloaded) {
        mUnloaded = true;
        emit unloaded();
    }
    QDialog::done(result);
}

} // namespace varnick
