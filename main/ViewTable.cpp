#include "main/ViewTable.h"

#include "achievement/DlgSCGZH.h"
#include "application/Dlgproappl.h"
#include "exchange/export/DlgGuideExport.h"
#include "exchange/export/DlgProjectExport.h"
#include "exchange/import/DlgGuideImport.h"
#include "exchange/import/DlgProjectImport.h"
#include "followup/DlgProSum.h"
#include "followup/DlgProSum1.h"
#include "guide_annual/DlgOneGuide.h"
#include "guide_annual/DlgOneGuideXF.h"
#include "guide_fiveyear/DlgFiveGuide.h"
#include "main/Artwork.h"
#include "main/Commands.h"
#include "review/DlgAccept.h"
#include "review/DlgFirstAPPR.h"
#include "review/DlgHanS.h"
#include "review/DlgHuiS.h"
#include "review/DlgJinZ.h"
#include "review/DlgPF.h"
#include "review/DlgPlan.h"

namespace {

constexpr int kIcons[] = {184, 185, 186, 187, 188, 189, 190, 191, 209, 211, 212,
                          artwork::kAchievementIcon, artwork::kGuideGroupIcon,
                          artwork::kDeclareGroupIcon, artwork::kManageGroupIcon};
// Indexes of the list above: 成果转化's picture and each group's own.
constexpr int kAchievementImage = 11, kGuideGroupImage = 12, kDeclareGroupImage = 13, kManageGroupImage = 14;

constexpr const char* kGuides = "指南管理";
constexpr const char* kApplications = "项目申报";
constexpr const char* kManagement = "项目管理";
constexpr NavigationGroup kGroups[] = {
    {kGuides, kGuideGroupImage}, {kApplications, kDeclareGroupImage}, {kManagement, kManageGroupImage}};

using NB = NavigationButton;
constexpr NB kOff{};
constexpr int kNoImage = ViewRow::kNotOnLeftPane;

// Navigation buttons by role: {place, image} for guide management, applicant
// unit and fund office; last, the image of the view's button on the period
// pane's bar (kNoImage: not on it). The applicant's bar orders 项目验收总结 before
// 阶段进展报告, the fund office's the other way round.
const ViewRow kViews[] = {
    {cmd::kFiveYearGuide, ViewKind::Module, "Tessaly-指南管理-五年指南", &CDlgFiveGuide::ThisRuntimeClass, 0, 0,
     kGuides, "五年指南", {NB{0, 0}, kOff, NB{0, 0}}, 0},
    {cmd::kAnnualGuide, ViewKind::Module, "Tessaly-指南管理-年度指南", &CDlgOneGuide::ThisRuntimeClass, 0, 1,
     kGuides, "年度指南", {NB{1, 1}, kOff, NB{1, 1}}, 1},
    {cmd::kGuideIssuing, ViewKind::Module, "Tessaly-指南管理-指南下发", &CDlgOneGuideXF::ThisRuntimeClass, 0, 2,
     kGuides, "指南下发", {kOff, kOff, NB{2, 8}}, kNoImage},
    {cmd::kApplication, ViewKind::Module, "Tessaly-项目申报-项目申请", &CDlgproappl::ThisRuntimeClass, 1, 0,
     kApplications, "项目申请", {kOff, NB{0, 2}, NB{0, 2}}, 2},
    {cmd::kPlan, ViewKind::Module, "Tessaly-项目申报-项目计划", &CDlgPlan::ThisRuntimeClass, 1, 1,
     kManagement, "项目计划", {kOff, kOff, NB{3, 3}}, 3},
    {cmd::kAcceptanceSummary, ViewKind::Module, "Tessaly-项目申报-项目验收总结", &CDlgProSum::ThisRuntimeClass, 1, 2,
     kApplications, "项目验收总结", {kOff, NB{1, 4}, NB{2, 4}}, 4},
    {cmd::kProgressReport, ViewKind::Module, "Tessaly-项目申报-阶段进展报告", &CDlgProSum1::ThisRuntimeClass, 1, 3,
     kApplications, "阶段进展报告", {kOff, NB{2, 5}, NB{1, 4}}, 8},
    {cmd::kAchievement, ViewKind::Module, "Tessaly-项目申报-成果转化", &CDlgSCGZH::ThisRuntimeClass, 1, 4,
     kApplications, "成果转化", {kOff, NB{3, kAchievementImage}, NB{3, kAchievementImage}}, kNoImage},
    {cmd::kFirstReview, ViewKind::Module, "Tessaly-项目管理-项目初审", &CDlgFirstAPPR::ThisRuntimeClass, 2, 0,
     kManagement, "项目初审", {kOff, kOff, NB{0, 5}}, 5},
    {cmd::kApproval, ViewKind::Module, "Tessaly-项目申报-项目批复", &CDlgPF::ThisRuntimeClass, 2, 1,
     kManagement, "项目批复", {kOff, kOff, NB{4, 6}}, 6},
    {cmd::kAcceptance, ViewKind::Module, "Tessaly-项目申报-项目验收", &CDlgAccept::ThisRuntimeClass, 2, 2,
     kManagement, "项目验收", {kOff, kOff, NB{6, 7}}, 7},
    {cmd::kLetterReview, ViewKind::Module, "Tessaly-项目管理-项目函审", &CDlgHanS::ThisRuntimeClass, 2, 3,
     kManagement, "项目函审", {kOff, kOff, NB{1, 9}}, kNoImage},
    {cmd::kMeetingReview, ViewKind::Module, "Tessaly-项目管理-项目会审", &CDlgHuiS::ThisRuntimeClass, 2, 4,
     kManagement, "项目会审", {kOff, kOff, NB{2, 10}}, kNoImage},
    {cmd::kProgress, ViewKind::Module, "Tessaly-项目管理-项目进展", &CDlgJinZ::ThisRuntimeClass, 2, 5,
     kManagement, "项目进展", {kOff, kOff, NB{5, 7}}, kNoImage},

    {cmd::kGuideImport, ViewKind::Exchange, "Tessaly-导入指南", &CDlgGuideImport::ThisRuntimeClass, 0, 0, "", "", {}},
    {cmd::kGuideExport, ViewKind::Exchange, "Tessaly-导出指南", &CDlgGuideExport::ThisRuntimeClass, 0, 1, "", "", {}},
    {cmd::kProjectImport, ViewKind::Exchange, "Tessaly-导入项目", &CDlgProjectImport::ThisRuntimeClass, 0, 2, "", "",
     {}},
    {cmd::kProjectExport, ViewKind::Exchange, "Tessaly-导出项目", &CDlgProjectExport::ThisRuntimeClass, 0, 3, "", "",
     {}},
};

}  // namespace

std::span<const ViewRow> Views() { return kViews; }

const ViewRow* FindView(int command) {
    for (const ViewRow& row : kViews)
        if (row.command == command) return &row;
    return nullptr;
}

std::span<const NavigationGroup> NavigationGroups() { return kGroups; }
std::span<const int> NavigationIcons() { return kIcons; }

namespace {

const ViewRow* FindKind(ViewKind kind, int command) {
    const ViewRow* row = FindView(command);
    return row && row->kind == kind ? row : nullptr;
}

const ViewRow* FindPlaced(ViewKind kind, int group, int item) {
    for (const ViewRow& row : kViews)
        if (row.kind == kind && row.group == group && row.item == item) return &row;
    return nullptr;
}

}  // namespace

const ViewRow* FindModuleCommand(int command) { return FindKind(ViewKind::Module, command); }
const ViewRow* FindExchangeCommand(int command) { return FindKind(ViewKind::Exchange, command); }
const ViewRow* FindModuleView(int group, int item) { return FindPlaced(ViewKind::Module, group, item); }
const ViewRow* FindExchangeView(int index) { return FindPlaced(ViewKind::Exchange, 0, index); }

std::vector<int> ExchangeCommands() {
    std::vector<int> commands;
    for (int index = 0; const ViewRow* row = FindExchangeView(index); ++index) commands.push_back(row->command);
    return commands;
}

std::string ExchangeCommandText(int command) {
    const ViewRow* row = FindExchangeCommand(command);
    return row ? std::string(row->caption).substr(sizeof("Tessaly-") - 1) : std::string();
}
