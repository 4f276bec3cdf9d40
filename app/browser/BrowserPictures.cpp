#include "app/browser/BrowserPictures.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace varnick {

namespace {

// A folder of the tree; the selected node's carries a green arrow.
QPixmap folderPixmap(bool withArrow)
{
    QPixmap picture(17, 14);
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

QIcon folderPicture(bool withArrow)
{
    return QIcon(folderPixmap(withArrow));
}

QIcon folderNodeIcon()
{
    QIcon icon(folderPixmap(false));
    icon.addPixmap(folderPixmap(true), QIcon::Selected);
    return icon;
}

QImage notFoundPicture(int size)
{
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(200, 200, 200));
    QPainter painter(&picture);
    painter.setPen(QColor(120, 120, 120));
    painter.drawRect(0, 0, size - 1, size - 1);
    QFont font = painter.font();
    font.setPixelSize(size / 2);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
    return picture;
}

} // namespace varnick
