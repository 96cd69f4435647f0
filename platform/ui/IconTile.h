// Button pictures drawn in code: a 32x32 rounded tile of one colour with a
// plain white mark, for the command buttons of the module views.
#pragma once

#include <QColor>
#include <QImage>

namespace ui {

// Page: a written page (a Word document); Sheet: a ruled grid (an Excel
// workbook); Chart: bars (a statistics table); PageDisk: a page going down
// into a disk (a document saved); PageIn: a page with an arrow into it (a
// document imported).
enum class TileMark { Plus, Minus, Disk, Cross, Lens, ArrowOut, ArrowIn, Book, Page, Clip, Order, Sheet, Chart, PageDisk,
                      PageIn };

// One command's picture in a library's artwork table.
struct CommandTile {
    int id;
    QColor colour;
    TileMark mark;
};

QImage IconTile(QColor colour, TileMark mark);

}  // namespace ui
