// Pictures the program draws itself keep every device pixel on a screen at
// 200 %: drawn at the screen's ratio rather than drawn small and enlarged.
#include "app/browser/BrowserPictures.h"
#include "app/recolors/frmViewRecolor.h"

#include <QIcon>
#include <QPixmap>
#include <QTest>

using namespace varnick;

class HighDensityTest : public QObject {
    Q_OBJECT
private slots:
    void drawnPicturesHaveDevicePixelsForTheRatio_data();
    void drawnPicturesHaveDevicePixelsForTheRatio();
    void folderIconsComeInTwoSizes();
    void textureSquaresStayWholeInDevicePixels();
};

void HighDensityTest::drawnPicturesHaveDevicePixelsForTheRatio_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("200 %") << 2.0;
}

void HighDensityTest::drawnPicturesHaveDevicePixelsForTheRatio()
{
    QFETCH(qreal, ratio);
    const QImage picture = notFoundPicture(64, ratio);
    QCOMPARE(picture.devicePixelRatio(), ratio);
    QCOMPARE(picture.size(), QSize(qRound(64 * ratio), qRound(64 * ratio)));
    // It takes the same room on the screen at every ratio.
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(64, 64));
    // The frame is drawn at the picture's edge, not at the corner of a quarter of it.
    const QRgb border = picture.pixel(picture.width() - 1, picture.height() - 1);
    QCOMPARE(border, picture.pixel(0, 0));
    QVERIFY(border != picture.pixel(picture.width() / 4, picture.height() / 4));
}

void HighDensityTest::folderIconsComeInTwoSizes()
{
    for (const QIcon& icon : { folderPicture(false), folderPicture(true), folderNodeIcon() }) {
        const QPixmap sharp = icon.pixmap(QSize(17, 14), 2.0);
        QCOMPARE(sharp.size(), QSize(34, 28));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(icon.pixmap(QSize(17, 14), 1.0).size(), QSize(17, 14));
    }
    // The selected node's arrow at 200 % too.
    const QImage selected = folderNodeIcon().pixmap(QSize(17, 14), 2.0, QIcon::Selected).toImage();
    QVERIFY(qGreen(selected.pixel(30, 18)) > qRed(selected.pixel(30, 18)));
}

void HighDensityTest::textureSquaresStayWholeInDevicePixels()
{
    QImage texture(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            texture.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage normal = frmViewRecolor::shownPicture(texture);
    const QImage dense = frmViewRecolor::shownPicture(texture, 2.0);
    QCOMPARE(dense.devicePixelRatio(), 2.0);
    QCOMPARE(dense.deviceIndependentSize(), QSizeF(normal.size()));
    // Each texture pixel is a whole square of device pixels: no blending at the edges.
    const int square = dense.width() / 16;
    QCOMPARE(square * 16, dense.width());
    QCOMPARE(dense.pixel(square - 1, 0), qRgb(0, 0, 0));
    QCOMPARE(dense.pixel(square, 0), qRgb(255, 255, 255));
}

QTEST_MAIN(HighDensityTest)
#include "HighDensityTest.moc"
