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
    case TileMark::Minus:
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
    case TileMark::Page:  // a written page: documents
        p.drawPolyline(QPolygonF({QPointF(19, 8), QPointF(10, 8), QPointF(10, 24), QPointF(22, 24), QPointF(22, 11),
                                  QPointF(19, 8)}));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        for (int y : {14, 18}) p.drawLine(QPointF(13, y), QPointF(19, y));
        break;
    case TileMark::Clip:  // a paper clip: attachments
        p.drawPolyline(QPolygonF({QPointF(19, 13), QPointF(19, 22), QPointF(13, 22), QPointF(13, 10), QPointF(22, 10),
                                  QPointF(22, 25)}));
        break;
    case TileMark::Sheet:  // a ruled grid: workbooks
        p.setPen(QPen(Qt::white, 2));
        p.drawRect(QRectF(8, 9, 16, 14));
        p.drawLine(QPointF(8, 14), QPointF(24, 14));
        p.drawLine(QPointF(8, 19), QPointF(24, 19));
        p.drawLine(QPointF(14, 9), QPointF(14, 23));
        break;
    case TileMark::Chart:  // bars on a base line: statistics
        p.drawLine(QPointF(8, 24), QPointF(24, 24));
        p.drawLine(QPointF(11, 20), QPointF(11, 16));
        p.drawLine(QPointF(16, 20), QPointF(16, 9));
        p.drawLine(QPointF(21, 20), QPointF(21, 13));
        break;
    case TileMark::PageDisk:  // a small page above a tray: a document saved
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawRect(QRectF(11, 6, 10, 11));
        p.drawLine(QPointF(13, 10), QPointF(19, 10));
        p.drawLine(QPointF(13, 13), QPointF(19, 13));
        p.drawPolyline(QPolygonF({QPointF(7, 19), QPointF(7, 25), QPointF(25, 25), QPointF(25, 19)}));
        p.drawLine(QPointF(16, 18), QPointF(16, 22));
        break;
    case TileMark::PageIn:  // an arrow into a page: a document imported
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(QPolygonF({QPointF(14, 7), QPointF(24, 7), QPointF(24, 25), QPointF(14, 25)}));
        p.drawLine(QPointF(6, 16), QPointF(19, 16));
        p.drawLine(QPointF(15, 12), QPointF(19, 16));
        p.drawLine(QPointF(15, 20), QPointF(19, 16));
        break;
    case TileMark::Order:  // numbered lines: ordering
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        for (int y : {10, 16, 22}) {
            p.drawPoint(QPointF(9, y));
            p.drawLine(QPointF(13, y), QPointF(24, y));
        }
        break;
    }
    return image;
}

}  // namespace ui
