// Pictures of the command buttons of the fund office's views (the workflow
// panels, the acceptance view and the management-table views) and the hand
// cursor over them, one table for the library, so that one id is one
// picture whichever view is opened first. Painting needs the running
// application, so they are registered on first use rather than when the
// library loads.
#pragma once

namespace reviewart {

// Icon ids, by command.
constexpr int kSave = 32160;         // 保存
constexpr int kCompile = 6032;       // 生成成果选编
constexpr int kDelete = 6007;        // 删除
constexpr int kExport = 32158;       // 导出
constexpr int kQuery = 6006;         // 查询
constexpr int kReorder = 6045;       // 重排序
constexpr int kExcelReport = 6046;   // 输出Excel报表, 输出项目计划, 输出
constexpr int kLabStatistics = 6047; // 输出重点实验室项目上报统计表
constexpr int kHandCursor = 32004;

void EnsureArtwork();

}  // namespace reviewart
