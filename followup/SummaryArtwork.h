// The icon buttons of the summary pages: the ids of their pictures (新增, 保存,
// 删除, 查询, 导出, 导入, from the library's artwork), the hand cursor over
// them, and their common look.
#pragma once

class CButtonST;

namespace followup {

constexpr int kIconNew = 5151, kIconSave = 5154, kIconDelete = 5160, kIconQuery = 5156, kIconExport = 5162,
              kIconImport = 3003, kHandCursor = 5165;

// Icon, hand cursor, the pages' background in the three background states,
// and the caption as tool tip.
void StyleIconButton(CButtonST& button, int icon, const char* tooltip);

}  // namespace followup
