#include "app/browser/ObjectPane.h"

#include "app/browser/BrowserPictures.h"
#include "app/browser/FolderScanner.h"
#include "app/browser/ThumbnailLoader.h"
#include "app/platform/qt/AccessibleNames.h"
#include "app/platform/qt/TextBridge.h"
#include "app/startup/ThumbnailCache.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <filesystem>

namespace varnick {

ObjectPane::ObjectPane(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraObject"));
    auto* fileCaption = new QLabel(tr("Selected Object File"), this);
    fileCaption->setObjectName(QStringLiteral("lblFileName"));
    mFileName = new QLineEdit(this);
    mFileName->setObjectName(QStringLiteral("txtFileName"));
    mFileName->setReadOnly(true);
    setCaptionOf(fileCaption, mFileName);
    mPicture = new QLabel(this);
    mPicture->setObjectName(QStringLiteral("picObject"));
    mPicture->setMinimumSize(132, 132);
    mPicture->setFrameShape(QFrame::StyledPanel);
    mPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mStatus = new QLabel(this);
    mStatus->setObjectName(QStringLiteral("picStatus"));
    mNotFound = new QLabel(this);
    mNotFound->setObjectName(QStringLiteral("picNotFoundLarge"));
    mNotFound->setPixmap(QPixmap::fromImage(notFoundPicture(128, devicePixelRatioF())));
    mNotFound->setVisible(false);
    auto* detailsCaption = new QLabel(tr("Selected Ob&ject Details"), this);
    detailsCaption->setObjectName(QStringLiteral("lblDetails"));
    mDetails = new QPlainTextEdit(this);
    mDetails->setObjectName(QStringLiteral("txtDetails"));
    mDetails->setReadOnly(true);
    // Read-only, yet its text can be selected and copied from the keyboard.
    mDetails->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    detailsCaption->setBuddy(mDetails);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileCaption);
    layout->addWidget(mFileName);
    layout->addWidget(mPicture, 0, Qt::AlignHCenter);
    layout->addWidget(mStatus, 0, Qt::AlignHCenter);
    layout->addWidget(detailsCaption);
    layout->addWidget(mDetails, 1);
}

browser::ObjectSummary ObjectPane::showObject(
    const QString& path, const std::optional<browser::KnownSummary>& known, std::atomic<int>& packagesRead)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    mStatus->setVisible(false);
    mPicture->clear();
    const std::filesystem::path file = text::toPath(path);
    std::error_code error;
    mFileName->setText(std::filesystem::exists(file, error) ? text::fromPath(file.filename()) : QString());
    mDetails->clear();
    const browser::ObjectSummary summary = FolderScanner::summaryOf(file, known, packagesRead);
    std::optional<ByteString> thumbnail;
    try {
        thumbnail = browser::readThumbnail(browser::resolveThumbnail(gudtObjectThumbnails(), summary.file));
    } catch (const std::exception&) {
    }
    const QImage picture = ThumbnailLoader::decode(thumbnail);
    mPicture->setPixmap(picture.isNull() ? mNotFound->pixmap() : QPixmap::fromImage(picture));
    mDetails->setPlainText(text::fromUtf8(summary.details));
    QGuiApplication::restoreOverrideCursor();
    return summary;
}

void ObjectPane::clear()
{
    mPicture->clear();
    mFileName->clear();
    mDetails->clear();
}

QString ObjectPane::fileName() const
{
    return mFileName->text();
}

} // namespace varnick
