#include "app/recolors/frmViewRecolor.h"

#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/recolors/core/DdsSupport.h"
#include "package/base/Utf8.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace varnick {

void frmViewRecolor::view(QWidget* owner, const QString& fileName)
{
    if (Seam::testing()) {
        Seam::answer(fileName);
        return;
    }
    frmViewRecolor window(fileName, owner);
    window.exec();
}

QImage frmViewRecolor::notAvailablePicture()
{
    QImage image(512, 512, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPixelSize(22);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 512, 250), Qt::AlignHCenter | Qt::AlignBottom, tr("Texture Preview Not Available"));
    painter.drawText(QRect(0, 262, 512, 250), Qt::AlignHCenter | Qt::AlignTop, tr("(Unknown Picture Format Code)"));
    return image;
}

QImage frmViewRecolor::shownPicture(const QImage& picture, qreal ratio)
{
    // The whole texture in the preview area: a small one enlarged by a whole
    // factor, so that every texture pixel is one sharp square of one size, a
    // large one reduced smoothly.
    if (picture.isNull())
        return picture;
    // The preview area in device pixels: on a high-density screen the squares are counted in them.
    const int area = std::max(1, qRound(kPreviewSide * ratio));
    const int side = std::max(picture.width(), picture.height());
    QImage shown;
    if (side <= area) {
        const int factor = area / side;
        shown = picture.scaled(
            picture.width() * factor, picture.height() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        shown = picture.scaled(area, area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    shown.setDevicePixelRatio(ratio);
    return shown;
}

frmViewRecolor::frmViewRecolor(const QString& fileName, QWidget* parent)
    : QDialog(parent)
    , FileName(fileName)
{
    setObjectName(QStringLiteral("frmViewRecolor"));
    setWindowTitle(tr("Selected File Preview"));
    setFixedSize(525, 554);
    picPreview = new QLabel(this);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    picPreview->setGeometry(4, 4, kPreviewSide, kPreviewSide);
    picPreview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdExit = new QPushButton(tr("E&xit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setGeometry(212, 523, 100, 26);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::accept);
    Form_Activate();
}

void frmViewRecolor::Form_Activate()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString problem;
    try {
        // The same bitmap the command line writes: 24-bit, top row on top, rows padded.
        if (const std::optional<ByteString> bitmap = recolors::packagePreviewBitmap(text::toPath(FileName))) {
            mPicture = QImage::fromData(
                reinterpret_cast<const uchar*>(bitmap->data()), static_cast<int>(bitmap->size()), "BMP");
            mAvailable = !mPicture.isNull();
        }
    } catch (const std::exception& failure) {
        // An unreadable package shows the notice like one without a texture, with the reason as its tip.
        problem = failureText(failure);
    }
    if (!mAvailable)
        mPicture = notAvailablePicture();
    // The notice is drawn for the preview area; only a texture is scaled to it.
    picPreview->setPixmap(QPixmap::fromImage(mAvailable ? shownPicture(mPicture, devicePixelRatioF()) : mPicture));
    picPreview->setToolTip(problem);
    // The file and the texture's size, so that several previews can be told apart.
    const QString name = text::fromPath(text::toPath(FileName).filename());
    setWindowTitle(mAvailable
            ? tr("Selected File Preview - %1 (%2 x %3)").arg(name).arg(mPicture.width()).arg(mPicture.height())
            : tr("Selected File Preview - %1").arg(name));
    QApplication::restoreOverrideCursor();
}

} // namespace varnick
