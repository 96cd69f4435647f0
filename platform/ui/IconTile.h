// Button pictures drawn in code: a 32x32 rounded tile of one colour with a
// plain white mark, for the command buttons of the module views.
#pragma once

#include <QColor>
#include <QImage>

namespace ui {

enum class TileMark { Plus, Disk, Cross, Lens, ArrowOut, ArrowIn, Book };

QImage IconTile(QColor colour, TileMark mark);

}  // namespace ui
