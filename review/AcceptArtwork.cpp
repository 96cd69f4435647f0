// Pictures of the command buttons of the acceptance view and the
// management-table views, and the hand cursor over them. Each picture is a
// small coloured tile with a plain mark drawn in code.
#include <QPainter>
#include <QPainterPath>

#include "review/AcceptArtwork.h"

#include "platform/ui/Resources.h"

namespace {

enum class Mark { Disk, Book, Cross, Arrow, Lens };

QImage Tile(QColor colour, Mark mark) {
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
    case Mark::Disk:
        p.drawRect(QRectF(8, 8, 16, 16));
        p.drawLine(QPointF(12, 8), QPointF(12, 13));
        p.drawLine(QPointF(20, 8), QPointF(20, 13));
        break;
    case Mark::Book:
        p.drawLine(QPointF(16, 9), QPointF(16, 24));
        p.drawLine(QPointF(8, 9), QPointF(8, 23));
        p.drawLine(QPointF(24, 9), QPointF(24, 23));
        p.drawLine(QPointF(8, 9), QPointF(16, 11));
        p.drawLine(QPointF(24, 9), QPointF(16, 11));
        break;
    case Mark::Cross:
        p.drawLine(QPointF(10, 10), QPointF(22, 22));
        p.drawLine(QPointF(22, 10), QPointF(10, 22));
        break;
    case Mark::Arrow:
        p.drawLine(QPointF(8, 16), QPointF(23, 16));
        p.drawLine(QPointF(17, 10), QPointF(23, 16));
        p.drawLine(QPointF(17, 22), QPointF(23, 16));
        break;
    case Mark::Lens:
        p.drawEllipse(QRectF(8, 8, 11, 11));
        p.drawLine(QPointF(18, 18), QPointF(24, 24));
        break;
    }
    return image;
}

}  // namespace

void EnsureAcceptArtwork() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    ui::RegisterIcon(32160, Tile(QColor(21, 101, 192), Mark::Disk));   // 保存
    ui::RegisterIcon(6032, Tile(QColor(46, 125, 50), Mark::Book));     // 生成成果选编
    ui::RegisterIcon(6007, Tile(QColor(198, 40, 40), Mark::Cross));    // 删除
    ui::RegisterIcon(32158, Tile(QColor(0, 131, 143), Mark::Arrow));   // 导出
    ui::RegisterIcon(6006, Tile(QColor(94, 53, 177), Mark::Lens));     // 查询
    ui::RegisterCursor(32004, Qt::PointingHandCursor);
}
