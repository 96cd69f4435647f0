#include "platform/ui/IconTile.h"

#include <QPainter>

namespace ui {

QImage IconTile(QColor colour, TileMark mark) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(colour.darker(140));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    switch (mark) {
    case TileMark::Plus:
        p.drawLine(QPointF(16, 8), QPointF(16, 24));
        p.drawLine(QPointF(8, 16), QPointF(24, 16));
        break;
    case TileMark::Disk:
        p.drawRect(QRectF(8, 8, 16, 16));
        p.drawLine(QPointF(12, 8), QPointF(12, 13));
        p.drawLine(QPointF(20, 8), QPointF(20, 13));
        break;
    case TileMark::Cross:
        p.drawLine(QPointF(10, 10), QPointF(22, 22));
        p.drawLine(QPointF(22, 10), QPointF(10, 22));
        break;
    case TileMark::Lens:
        p.drawEllipse(QRectF(8, 8, 11, 11));
        p.drawLine(QPointF(18, 18), QPointF(24, 24));
        break;
    case TileMark::ArrowOut:
        p.drawLine(QPointF(8, 16), QPointF(23, 16));
        p.drawLine(QPointF(17, 10), QPointF(23, 16));
        p.drawLine(QPointF(17, 22), QPointF(23, 16));
        break;
    case TileMark::ArrowIn:
        p.drawLine(QPointF(24, 16), QPointF(9, 16));
        p.drawLine(QPointF(15, 10), QPointF(9, 16));
        p.drawLine(QPointF(15, 22), QPointF(9, 16));
        break;
    case TileMark::Book:
        p.drawLine(QPointF(16, 9), QPointF(16, 24));
        p.drawLine(QPointF(8, 9), QPointF(8, 23));
        p.drawLine(QPointF(24, 9), QPointF(24, 23));
        p.drawLine(QPointF(8, 9), QPointF(16, 11));
        p.drawLine(QPointF(24, 9), QPointF(16, 11));
        break;
    }
    return image;
}

}  // namespace ui
