#include "followup/SummaryArtwork.h"

#include <QPainter>

#include "foundation/ButtonST.h"
#include "platform/ui/Resources.h"

namespace followup {

namespace {

enum class Mark { Plus, Disk, Cross, Lens, ArrowOut, ArrowIn };

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
    case Mark::Plus:
        p.drawLine(QPointF(16, 8), QPointF(16, 24));
        p.drawLine(QPointF(8, 16), QPointF(24, 16));
        break;
    case Mark::Disk:
        p.drawRect(QRectF(8, 8, 16, 16));
        p.drawLine(QPointF(12, 8), QPointF(12, 13));
        p.drawLine(QPointF(20, 8), QPointF(20, 13));
        break;
    case Mark::Cross:
        p.drawLine(QPointF(10, 10), QPointF(22, 22));
        p.drawLine(QPointF(22, 10), QPointF(10, 22));
        break;
    case Mark::Lens:
        p.drawEllipse(QRectF(8, 8, 11, 11));
        p.drawLine(QPointF(18, 18), QPointF(24, 24));
        break;
    case Mark::ArrowOut:
        p.drawLine(QPointF(8, 16), QPointF(23, 16));
        p.drawLine(QPointF(17, 10), QPointF(23, 16));
        p.drawLine(QPointF(17, 22), QPointF(23, 16));
        break;
    case Mark::ArrowIn:
        p.drawLine(QPointF(24, 16), QPointF(9, 16));
        p.drawLine(QPointF(15, 10), QPointF(9, 16));
        p.drawLine(QPointF(15, 22), QPointF(9, 16));
        break;
    }
    return image;
}

// Registered on first use, once the application exists.
void EnsureArtwork() {
    static const bool registered = [] {
        ui::RegisterIcon(kIconNew, Tile(QColor(46, 125, 50), Mark::Plus));
        ui::RegisterIcon(kIconSave, Tile(QColor(21, 101, 192), Mark::Disk));
        ui::RegisterIcon(kIconDelete, Tile(QColor(198, 40, 40), Mark::Cross));
        ui::RegisterIcon(kIconQuery, Tile(QColor(94, 53, 177), Mark::Lens));
        ui::RegisterIcon(kIconExport, Tile(QColor(0, 131, 143), Mark::ArrowOut));
        ui::RegisterIcon(kIconImport, Tile(QColor(230, 120, 20), Mark::ArrowIn));
        ui::RegisterCursor(kHandCursor, Qt::PointingHandCursor);
        return true;
    }();
    (void)registered;
}

}  // namespace

void StyleIconButton(CButtonST& button, int icon, const char* tooltip) {
    EnsureArtwork();
    button.SetIcon(icon, icon);
    button.SetHandCursor(kHandCursor);
    for (int index : {CButtonST::BTNST_COLOR_BK_IN, CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BTNST_COLOR_BK_FOCUS})
        button.SetColor(index, RGB(242, 246, 255));
    button.SetTooltipText(tooltip);
}

}  // namespace followup
