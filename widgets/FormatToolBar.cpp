#include "widgets/FormatToolBar.h"

#include <QFont>
#include <QPainter>

namespace formatbar {

ui::ToolBarResource Resource() {
    ui::ToolBarResource bar;
    bar.buttons = {ID_FONTNAME,   ui::ID_SEPARATOR, ID_CHAR_COLOR,     ui::ID_SEPARATOR,
                   ID_CHAR_BOLD,  ID_CHAR_ITALIC,   ID_CHAR_UNDERLINE, ui::ID_SEPARATOR,
                   ID_PARA_LEFT,  ID_PARA_CENTER,   ID_PARA_RIGHT};
    const char* const glyphs[] = {"A", "C", "B", "I", "U", "L", "M", "R"};
    bar.strip = QImage(16 * 8, 16, QImage::Format_ARGB32);
    bar.strip.fill(Qt::transparent);
    QPainter painter(&bar.strip);
    QFont font;
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    for (int i = 0; i < 8; ++i) painter.drawText(QRect(i * 16, 0, 16, 16), Qt::AlignCenter, glyphs[i]);
    return bar;
}

}  // namespace formatbar
