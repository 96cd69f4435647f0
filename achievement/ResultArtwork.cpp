#include "achievement/ResultArtwork.h"

#include <QFont>
#include <QPainter>

#include "platform/ui/App.h"
#include "platform/ui/Resources.h"

namespace resultchange {

namespace {

// A 32 x 32 rounded tile of one colour with a short label on it.
QImage Tile(const QColor& colour, const QString& label) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(colour.darker(140));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    p.setPen(Qt::white);
    QFont font;
    font.setPixelSize(label.size() > 1 ? 12 : 20);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, label);
    return image;
}

}  // namespace

void EnsureArtwork() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    ui::EnsureApplication();
    struct Spec {
        int id;
        QColor colour;
        const char* label;
    };
    const Spec icons[] = {
        {kIconNew, QColor(46, 125, 50), "新"},      {kIconSave, QColor(21, 101, 192), "存"},
        {kIconWord, QColor(40, 80, 160), "W"},      {kIconExcel, QColor(30, 130, 70), "X"},
        {kIconImport, QColor(0, 131, 143), "入"},   {kIconExport, QColor(239, 108, 0), "出"},
        {kIconDelete, QColor(198, 40, 40), "删"},   {kIconQuery, QColor(94, 53, 177), "查"},
        {kIconPlus, QColor(46, 125, 50), "+"},      {kIconMinus, QColor(198, 40, 40), "-"},
    };
    for (const Spec& icon : icons) ui::RegisterIcon(icon.id, Tile(icon.colour, QString::fromUtf8(icon.label)));
    ui::RegisterCursor(kHandCursor, Qt::PointingHandCursor);
}

}  // namespace resultchange
