// Each picture is a small coloured tile with a plain mark drawn in code.
#include "review/ReviewArtwork.h"

#include "platform/ui/IconTile.h"
#include "platform/ui/Resources.h"

namespace reviewart {

void EnsureArtwork() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    using Mark = ui::TileMark;
    const ui::CommandTile tiles[] = {
        {kSave, QColor(21, 101, 192), Mark::Disk},
        {kCompile, QColor(46, 125, 50), Mark::Book},
        {kDelete, QColor(198, 40, 40), Mark::Cross},
        {kExport, QColor(0, 131, 143), Mark::ArrowOut},
        {kQuery, QColor(94, 53, 177), Mark::Lens},
        {kReorder, QColor(200, 120, 30), Mark::Order},
        {kExcelReport, QColor(30, 130, 70), Mark::Sheet},
        {kLabStatistics, QColor(0, 105, 92), Mark::Chart},
    };
    for (const ui::CommandTile& tile : tiles) ui::RegisterIcon(tile.id, ui::IconTile(tile.colour, tile.mark));
    ui::RegisterCursor(kHandCursor, Qt::PointingHandCursor);
}

}  // namespace reviewart
