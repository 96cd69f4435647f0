#include "main/OutlookLayout.h"

#include <array>

#include "main/Artwork.h"
#include "main/Commands.h"
#include "main/Roles.h"

namespace {

constexpr std::array<int, 15> kIconResources{184, 185, 186, 187, 188, 189, 190, 191, 209, 211, 212,
                                             artwork::kAchievementIcon, artwork::kGuideGroupIcon,
                                             artwork::kDeclareGroupIcon, artwork::kManageGroupIcon};
// Indexes of the list above: 成果转化's picture and each group's own.
constexpr int kAchievement = 11, kGuideGroup = 12, kDeclareGroup = 13, kManageGroup = 14;

const std::vector<OutlookGroupSpec> kFundOfficeGroups{
    {"指南管理", 1, kGuideGroup,
     {{"五年指南", cmd::kFiveYearGuide, 0}, {"年度指南", cmd::kAnnualGuide, 1}, {"指南下发", cmd::kGuideIssuing, 8}}},
    {"项目申报", 2, kDeclareGroup,
     {{"项目申请", cmd::kApplication, 2},
      {"阶段进展报告", cmd::kProgressReport, 4},
      {"项目验收总结", cmd::kAcceptanceSummary, 4},
      {"成果转化", cmd::kAchievement, kAchievement}}},
    {"项目管理", 3, kManageGroup,
     {{"项目初审", cmd::kFirstReview, 5},
      {"项目函审", cmd::kLetterReview, 9},
      {"项目会审", cmd::kMeetingReview, 10},
      {"项目计划", cmd::kPlan, 3},
      {"项目批复", cmd::kApproval, 6},
      {"项目进展", cmd::kProgress, 7},
      {"项目验收", cmd::kAcceptance, 7}}},
};

const std::vector<OutlookGroupSpec> kGuideManagementGroups{
    {"指南管理", 1, kGuideGroup, {{"五年指南", cmd::kFiveYearGuide, 0}, {"年度指南", cmd::kAnnualGuide, 1}}},
};

const std::vector<OutlookGroupSpec> kApplicantUnitGroups{
    {"项目申报", 1, kDeclareGroup,
     {{"项目申请", cmd::kApplication, 2},
      {"项目验收总结", cmd::kAcceptanceSummary, 4},
      {"阶段进展报告", cmd::kProgressReport, 5},
      {"成果转化", cmd::kAchievement, kAchievement}}},
};

const std::vector<OutlookGroupSpec> kNoGroups;

}  // namespace

std::span<const int> OutlookIconResources() { return kIconResources; }

const std::vector<OutlookGroupSpec>& OutlookGroupsForRole(int role) {
    switch (role) {
    case kRoleFundOffice: return kFundOfficeGroups;
    case kRoleGuideManagement: return kGuideManagementGroups;
    case kRoleApplicantUnit: return kApplicantUnitGroups;
    default: return kNoGroups;
    }
}
