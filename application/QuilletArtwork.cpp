// The pictures of this library's command buttons (application form, follow-up
// and achievement-transfer views share one set, as they share the ids), and
// the hand cursor over them. They belong to this library and are registered
// with it, so no view depends on another having been opened first.
#include "platform/ui/IconTile.h"
#include "platform/ui/Resources.h"

namespace {

using Mark = ui::TileMark;

const QColor kGreen(46, 125, 50), kBlue(21, 101, 192), kRed(198, 40, 40), kPurple(94, 53, 177),
    kCyan(0, 131, 143), kOrange(230, 120, 20), kIndigo(40, 80, 160), kBrown(121, 85, 72);

const ui::ResourceRegistration artwork([] {
    const ui::CommandTile tiles[] = {
        {5151, kGreen, Mark::Plus},      // 新增
        {5154, kBlue, Mark::Disk},       // 保存
        {5153, kIndigo, Mark::Page},     // 生成word文档, Word
        {5591, kGreen, Mark::Sheet},     // Excel
        {3003, kOrange, Mark::ArrowIn},  // 导入
        {5592, kCyan, Mark::ArrowIn},    // 导入基本信息
        {5514, kOrange, Mark::PageIn},   // 导入申请书文档
        {5511, kIndigo, Mark::PageDisk}, // 保存申请书文档
        {5516, kBrown, Mark::Clip},      // 查看附件
        {5510, kBrown, Mark::Lens},      // 查看附件
        {5160, kRed, Mark::Cross},       // 删除
        {5156, kPurple, Mark::Lens},     // 查询
        {5162, kCyan, Mark::ArrowOut},   // 导出
        {5526, kBrown, Mark::Order},     // 重排序
        {5171, kCyan, Mark::Plus},       // 增加一行
        {5172, kRed, Mark::Minus},       // 删除一行
    };
    for (const ui::CommandTile& tile : tiles) ui::RegisterIcon(tile.id, ui::IconTile(tile.colour, tile.mark));
    ui::RegisterCursor(5165, Qt::PointingHandCursor);
});

}  // namespace
