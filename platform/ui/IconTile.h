// Button pictures drawn in code: a 32x32 rounded tile of one colour with a
// plain white mark, for the command buttons of the module views.
#pragma once

#include <QColor>
#include <QImage>

namespace ui {

enum class TileMark { Plus, Minus, Disk, Cross, Lens, ArrowOut, ArrowIn, Book, Page, Clip, Order };

// One command's picture in a library's artwork table.
struct CommandTile {
    int id;
    QColor colour;
    TileMark mark;
};

QImage IconTile(QColor colour, TileMark mark);

}  // namespace ui
