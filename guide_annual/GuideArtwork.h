// The pictures of the guide views' command buttons and the hand cursor over
// them; each guide library registers them as its own artwork.
#pragma once

#include "platform/ui/IconTile.h"
#include "platform/ui/Resources.h"

namespace {

// Internal linkage: registers into the library that calls it.
inline void RegisterGuideArtwork() {
    using Mark = ui::TileMark;
    const ui::CommandTile tiles[] = {
        {3157, QColor(46, 125, 50), Mark::Plus},     // 新增
        {3152, QColor(21, 101, 192), Mark::Disk},    // 保存
        {3123, QColor(40, 80, 160), Mark::Page},     // 导出成word文档
        {3121, QColor(230, 120, 20), Mark::ArrowIn}, // 导入
        {3119, QColor(0, 131, 143), Mark::ArrowOut}, // 导出
        {3120, QColor(94, 53, 177), Mark::Lens},     // 查找
        {3151, QColor(198, 40, 40), Mark::Cross},    // 删除
    };
    for (const ui::CommandTile& tile : tiles) ui::RegisterIcon(tile.id, ui::IconTile(tile.colour, tile.mark));
    ui::RegisterCursor(3124, Qt::PointingHandCursor);
}

}  // namespace
