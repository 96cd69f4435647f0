#include "main/MenuLayout.h"

#include "main/Commands.h"
#include "main/Roles.h"

namespace {

const MenuItemSpec kSeparator{};

const std::vector<MenuSpec> kFundOfficeMenus{
    {"系统管理",
     {{"单位信息管理", cmd::kUnitManage},
      {"专业组信息管理", cmd::kSpecGroupManage},
      {"实验室信息管理", cmd::kLabManage},
      {"专家信息管理", cmd::kExpertManage},
      {"评分指标管理", cmd::kScoreIndexManage},
      kSeparator,
      {"登录密码修改", cmd::kPasswordChange},
      kSeparator,
      {"时期设置", cmd::kPeriodSet},
      {"申请书保存目录设置", cmd::kAppDirSet},
      {"阶段进展报告保存目录设置", cmd::kProgressDirSet},
      {"验收总结报告保存目录设置", cmd::kAcceptDirSet},
      kSeparator,
      {"退出", cmd::kAppExit}}},
    {"统计报表",
     {{"专家评议情况表", cmd::kExpertReviewTable},
      {"重点实验室经费表", cmd::kLabFundTable},
      {"未资助项目表", cmd::kUnfundedTable},
      {"单位信息表(年度计划)", cmd::kUnitPlanTable},
      {"单位信息表(年度经费表)", cmd::kUnitFundTable}}},
    {"帮助",
     {{"用户手册", cmd::kHelpManual}, {"申请书模板", cmd::kApplicationTemplate}, {"关于", cmd::kAppAbout}}},
};

const std::vector<MenuSpec> kGuideManagementMenus{
    {"系统管理",
     {{"专业组信息管理", cmd::kSpecGroupManage},
      {"实验室信息管理", cmd::kLabManage},
      {"单位信息管理", cmd::kUnitManageGuideRole},
      kSeparator,
      {"登录密码修改", cmd::kPasswordChange},
      kSeparator,
      {"时期设置", cmd::kPeriodSet},
      kSeparator,
      {"退出", cmd::kAppExit}}},
    {"帮助",
     {{"用户手册", cmd::kHelpManual}, {"申请书模板", cmd::kApplicationTemplate}, {"关于", cmd::kAppAbout}}},
};

const std::vector<MenuSpec> kApplicantUnitMenus{
    {"系统管理",
     {{"单位信息管理", cmd::kUnitManage},
      kSeparator,
      {"登录密码修改", cmd::kPasswordChange},
      kSeparator,
      {"时期设置", cmd::kPeriodSet},
      kSeparator,
      {"退出", cmd::kAppExit}}},
    {"帮助",
     {{"用户手册", cmd::kHelpManual},
      {"申请书模板", cmd::kApplicationTemplate},
      {"研究目标及研究内容填写模板", cmd::kResearchTemplate},
      {"关于", cmd::kAppAbout}}},
};

const std::vector<MenuSpec> kNoMenus;

}  // namespace

const std::vector<MenuSpec>& MenusForRole(int role) {
    switch (role) {
    case kRoleFundOffice: return kFundOfficeMenus;
    case kRoleGuideManagement: return kGuideManagementMenus;
    case kRoleApplicantUnit: return kApplicantUnitMenus;
    default: return kNoMenus;
    }
}
