#include "app/options/AboutDialog.h"

#include "app/backups/core/BackupStore.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/startup/GamePaths.h"
#include "app/startup/Version.h"
#include "package/base/Folders.h"
#include "package/base/KelvoraBinding.h"

#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/index/LibraryIndex.h"
#endif

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnick {

namespace {

QString shownPath(const std::string& path)
{
    return path.empty() ? AboutDialog::tr("(not found)") : QDir::toNativeSeparators(text::fromUtf8(path));
}

QString shownPath(const std::filesystem::path& path)
{
    return path.empty() ? AboutDialog::tr("(not found)") : QDir::toNativeSeparators(text::fromPath(path));
}

} // namespace

QString AboutDialog::report(const QString& searchRoot)
{
    QString kelvora;
    try {
        kelvora
            = QStringLiteral("%1 (%2)").arg(QString::number(kelvoraVersion(), 'f', 2), shownPath(kelvoraLibraryPath()));
    } catch (const std::exception& error) {
        kelvora = tr("not loaded (%1)").arg(failureText(error));
    }
    QString index = tr("(none)");
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    if (!searchRoot.isEmpty())
        index = shownPath(health::defaultIndexFile(text::toPath(searchRoot)).parent_path());
#else
    (void)searchRoot;
#endif
    QStringList lines {
        tr("Varnick: %1.%2.%3")
            .arg(kVersionMajor)
            .arg(kVersionMinor, 2, 10, QLatin1Char('0'))
            .arg(kVersionRevision, 2, 10, QLatin1Char('0')),
        tr("Kelvora: %1").arg(kelvora),
        tr("Qt: %1 (built with %2)").arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)),
        tr("Game folder: %1").arg(shownPath(gstrSims2InstallPath)),
        tr("Data folder: %1").arg(shownPath(gstrSims2DataPath)),
        tr("Settings: %1").arg(QDir::toNativeSeparators(Settings::location())),
        tr("Backups: %1").arg(shownPath(BackupStore::defaultFolder())),
        tr("Library index: %1").arg(index),
    };
    return lines.join(QLatin1Char('\n'));
}

AboutDialog::AboutDialog(const QString& searchRoot, QWidget* parent)
    : QDialog(parent)
    , mDetails(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Varnick"));
    auto* heading = new QLabel(QString::fromStdString(titleText()), this);
    heading->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* blurb = new QLabel(tr("Browse, edit and tidy the custom objects you downloaded for the game."), this);
    blurb->setWordWrap(true);
    mDetails->setObjectName(QStringLiteral("txtDetails"));
    mDetails->setAccessibleName(tr("Versions and folders"));
    mDetails->setReadOnly(true);
    mDetails->setPlainText(report(searchRoot));
    mDetails->setLineWrapMode(QPlainTextEdit::NoWrap);
    mDetails->setMinimumSize(560, 170);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    copy->setToolTip(tr("Puts these lines on the clipboard, to paste into a question on a help forum."));
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(mDetails->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(blurb);
    layout->addWidget(mDetails, 1);
    layout->addWidget(buttons);
}

} // namespace varnick
