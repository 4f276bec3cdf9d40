#pragma once
// The texture viewer: the first texture of a package in a format it can show
// (DXT1, DXT3, raw 32-bit), painted at its own size in a square preview area.

#include "app/platform/qt/DialogSeam.h"

#include <QDialog>
#include <QImage>
#include <QString>

class QLabel;
class QPushButton;

namespace varnick {

class frmViewRecolor : public QDialog {
    Q_OBJECT
public:
    using Seam = DialogSeam<frmViewRecolor, QString, bool>;

    /// Shows the preview of the package fileName modally, owned by owner. Under
    /// a Seam::TestScope it only records the file name.
    static void view(QWidget* owner, const QString& fileName);

    explicit frmViewRecolor(const QString& fileName, QWidget* parent = nullptr);

    /// Whether a texture was decoded (otherwise the "not available" picture shows).
    bool previewAvailable() const noexcept { return mAvailable; }
    /// The whole picture painted into the preview area (cut off at its edge).
    const QImage& picture() const noexcept { return mPicture; }

    /// The picture shown when a package has no texture the viewer can show.
    static QImage notAvailablePicture();

    /// Side of the square preview area, in pixels.
    static constexpr int kPreviewSide = 517;
    /// picture as the preview area shows it: fitted to kPreviewSide square, a
    /// small one enlarged by a whole factor with each pixel a sharp square.
    static QImage shownPicture(const QImage& picture, qreal ratio = 1.0);

private:
    void Form_Activate();

    QString FileName;
    QImage mPicture;
    bool mAvailable = false;
    QLabel* picPreview = nullptr;
    QPushButton* cmdExit = nullptr;
};

} // namespace varnick
