#include "app/browser/BrowserPictures.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace varnick {

namespace {

// A folder of the tree, drawn for ratio device pixels to a pixel; the selected node's carries a green arrow.
QPixmap folderPixmap(bool withArrow, qreal ratio)
{
    QPixmap picture(qRound(17 * ratio), qRound(14 * ratio));
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(150, 110, 20));
    painter.setBrush(QColor(240, 200, 80));
    painter.drawRect(QRectF(0.5, 1.5, 6, 3));
    painter.drawRect(QRectF(0.5, 3.5, 14, 9.5));
    if (withArrow) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(20, 150, 40));
        const QPointF arrow[] = { { 9, 5 }, { 16.5, 9 }, { 9, 13 } };
        painter.drawPolygon(arrow, 3);
        painter.drawRect(QRectF(5, 7.5, 4.5, 3));
    }
    return picture;
}

} // namespace

// Drawn at 100 % and 200 %: Qt picks the sharper one for each screen and scales between them.
constexpr qreal kIconRatios[] = { 1.0, 2.0 };

QIcon folderPicture(bool withArrow)
{
    QIcon icon;
    for (const qreal ratio : kIconRatios)
        icon.addPixmap(folderPixmap(withArrow, ratio));
    return icon;
}

QIcon folderNodeIcon()
{
    QIcon icon;
    for (const qreal ratio : kIconRatios) {
        icon.addPixmap(folderPixmap(false, ratio));
        icon.addPixmap(folderPixmap(true, ratio), QIcon::Selected);
    }
    return icon;
}

QImage notFoundPicture(int size, qreal ratio)
{
    QImage picture(qRound(size * ratio), qRound(size * ratio), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    // A frame one screen pixel wide along the very edge, whatever the ratio: filled, not stroked.
    picture.fill(QColor(120, 120, 120));
    QPainter painter(&picture);
    painter.fillRect(QRectF(1, 1, size - 2, size - 2), QColor(200, 200, 200));
    painter.setPen(QColor(120, 120, 120));
    QFont font = painter.font();
    font.setPixelSize(size / 2);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
    return picture;
}

} // namespace varnick
