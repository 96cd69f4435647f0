#include "main/ModuleTable.h"

#include <array>

#include "main/Commands.h"

namespace {

constexpr std::array<ModuleCommandSpec, 14> kModules{{
    {cmd::kFiveYearGuide, 0, 0, "Tessaly-指南管理-五年指南"},
    {cmd::kAnnualGuide, 0, 1, "Tessaly-指南管理-年度指南"},
    {cmd::kGuideIssuing, 0, 2, "Tessaly-指南管理-指南下发"},
    {cmd::kApplication, 1, 0, "Tessaly-项目申报-项目申请"},
    {cmd::kPlan, 1, 1, "Tessaly-项目申报-项目计划"},
    {cmd::kAcceptanceSummary, 1, 2, "Tessaly-项目申报-项目验收总结"},
    {cmd::kProgressReport, 1, 3, "Tessaly-项目申报-阶段进展报告"},
    {cmd::kAchievement, 1, 4, "Tessaly-项目申报-成果转化"},
    {cmd::kFirstReview, 2, 0, "Tessaly-项目管理-项目初审"},
    {cmd::kApproval, 2, 1, "Tessaly-项目申报-项目批复"},
    {cmd::kAcceptance, 2, 2, "Tessaly-项目申报-项目验收"},
    {cmd::kLetterReview, 2, 3, "Tessaly-项目管理-项目函审"},
    {cmd::kMeetingReview, 2, 4, "Tessaly-项目管理-项目会审"},
    {cmd::kProgress, 2, 5, "Tessaly-项目管理-项目进展"},
}};

constexpr std::array<ExchangeCommandSpec, 4> kExchanges{{
    {cmd::kGuideImport, 0, "Tessaly-导入指南"},
    {cmd::kGuideExport, 1, "Tessaly-导出指南"},
    {cmd::kProjectImport, 2, "Tessaly-导入项目"},
    {cmd::kProjectExport, 3, "Tessaly-导出项目"},
}};

template <class Table>
const typename Table::value_type* FindCommand(const Table& table, int command) {
    for (const auto& row : table)
        if (row.command == command) return &row;
    return nullptr;
}

}  // namespace

const ModuleCommandSpec* FindModuleCommand(int command) { return FindCommand(kModules, command); }
const ExchangeCommandSpec* FindExchangeCommand(int command) { return FindCommand(kExchanges, command); }

std::string ExchangeCommandText(int command) {
    const ExchangeCommandSpec* row = FindExchangeCommand(command);
    return row ? std::string(row->caption).substr(sizeof("Tessaly-") - 1) : std::string();
}
