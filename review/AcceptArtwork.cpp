// Pictures of the command buttons of the acceptance view and the
// management-table views, and the hand cursor over them. Each picture is a
// small coloured tile with a plain mark drawn in code.
#include "review/AcceptArtwork.h"

#include "platform/ui/IconTile.h"
#include "platform/ui/Resources.h"

namespace {

using Mark = ui::TileMark;
constexpr auto Tile = ui::IconTile;

}  // namespace

void EnsureAcceptArtwork() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    ui::RegisterIcon(32160, Tile(QColor(21, 101, 192), Mark::Disk));   // 保存
    ui::RegisterIcon(6032, Tile(QColor(46, 125, 50), Mark::Book));     // 生成成果选编
    ui::RegisterIcon(6007, Tile(QColor(198, 40, 40), Mark::Cross));    // 删除
    ui::RegisterIcon(32158, Tile(QColor(0, 131, 143), Mark::ArrowOut));   // 导出
    ui::RegisterIcon(6006, Tile(QColor(94, 53, 177), Mark::Lens));     // 查询
    ui::RegisterCursor(32004, Qt::PointingHandCursor);
}
