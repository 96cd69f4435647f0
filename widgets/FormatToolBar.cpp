#include "widgets/FormatToolBar.h"

#include <QFont>
#include <QPainter>

namespace formatbar {

namespace {

constexpr int kSize = 16;
const QColor kInk(40, 40, 40);

// A glyph in a serif face, as the office suites show their font buttons.
void Glyph(QPainter& p, const QRect& box, const QString& text, int pixels, bool bold, bool italic) {
    QFont font({"DejaVu Serif", "Liberation Serif", "serif"});
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, text);
}

// Four lines of text, the short ones flush with `edge` (left, centre, right).
void Lines(QPainter& p, const QRect& box, Qt::Alignment edge) {
    p.setPen(QPen(kInk, 1.5));
    const int widths[] = {12, 8, 12, 6};
    for (int i = 0; i < 4; ++i) {
        const int w = widths[i];
        const int left = edge == Qt::AlignLeft ? 2 : edge == Qt::AlignRight ? kSize - 2 - w : (kSize - w) / 2;
        const qreal y = 3.5 + 3 * i;
        p.drawLine(QPointF(box.left() + left, y), QPointF(box.left() + left + w, y));
    }
}

}  // namespace

ui::ToolBarResource Resource() {
    ui::ToolBarResource bar;
    bar.buttons = {ID_FONTNAME,   ui::ID_SEPARATOR, ID_CHAR_COLOR,     ui::ID_SEPARATOR,
                   ID_CHAR_BOLD,  ID_CHAR_ITALIC,   ID_CHAR_UNDERLINE, ui::ID_SEPARATOR,
                   ID_PARA_LEFT,  ID_PARA_CENTER,   ID_PARA_RIGHT};
    bar.strip = QImage(kSize * 8, kSize, QImage::Format_ARGB32);
    bar.strip.fill(Qt::transparent);
    QPainter p(&bar.strip);
    p.setRenderHint(QPainter::Antialiasing);
    auto box = [](int i) { return QRect(i * kSize, 0, kSize, kSize); };
    // 字体: a large and a small letter of a face.
    Glyph(p, box(0).adjusted(-1, 0, -6, 0), "A", 13, false, false);
    Glyph(p, box(0).adjusted(8, 0, 0, 0), "a", 9, false, false);
    // 颜色: a letter over a bar of the colour.
    Glyph(p, box(1).adjusted(0, -4, 0, -4), "A", 11, true, false);
    p.fillRect(QRect(box(1).left() + 2, 12, 12, 3), QColor(220, 30, 30));
    // 粗体, 斜体, 下划线: the letter as each style sets it.
    Glyph(p, box(2), "B", 14, true, false);
    Glyph(p, box(3), "I", 14, false, true);
    Glyph(p, box(4).adjusted(0, -3, 0, -3), "U", 12, false, false);
    p.fillRect(QRect(box(4).left() + 3, 14, 10, 1), kInk);
    // 左对齐, 居中, 右对齐: lines of text set that way.
    Lines(p, box(5), Qt::AlignLeft);
    Lines(p, box(6), Qt::AlignHCenter);
    Lines(p, box(7), Qt::AlignRight);
    return bar;
}

}  // namespace formatbar
