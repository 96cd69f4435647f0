// Command ids of the main program's menus, outlook buttons and frame.
#pragma once

namespace cmd {

// Module views (one command range; see ViewTable).
constexpr int kModuleFirst = 2000;
constexpr int kModuleLast = 2014;
constexpr int kFiveYearGuide = 2000;
constexpr int kAnnualGuide = 2001;
constexpr int kApplication = 2002;
constexpr int kPlan = 2003;
constexpr int kAcceptanceSummary = 2004;
constexpr int kFirstReview = 2005;
constexpr int kApproval = 2006;
constexpr int kAcceptance = 2007;
constexpr int kGuideIssuing = 2008;
constexpr int kLetterReview = 2009;
constexpr int kMeetingReview = 2010;
constexpr int kProgressReport = 2011;
constexpr int kProgress = 2012;
constexpr int kAchievement = 2013;

// Exchange views (no menu carries them).
constexpr int kGuideImport = 32868;
constexpr int kGuideExport = 32870;
constexpr int kProjectImport = 32872;
constexpr int kProjectExport = 32873;

// System management (dialogs of the management library).
constexpr int kUnitManage = 32860;
constexpr int kUnitManageGuideRole = 32894;
constexpr int kSpecGroupManage = 32861;
constexpr int kExpertManage = 32862;
constexpr int kScoreIndexManage = 32863;
constexpr int kPasswordChange = 32864;
constexpr int kSpecGroupEdit = 32875;
constexpr int kLabManage = 32881;

// Settings.
constexpr int kPeriodSet = 32893;
constexpr int kAppDirSet = 32895;
constexpr int kAcceptDirSet = 32902;
constexpr int kProgressDirSet = 32903;

// Statistics reports and funding lists.
constexpr int kExpertReviewTable = 32896;
constexpr int kLabFundTable = 32897;
constexpr int kUnfundedTable = 32898;
constexpr int kUnitPlanTable = 32899;
constexpr int kUnitFundTable = 32900;
constexpr int kFundingListUnit = 32877;
constexpr int kFundingListFund = 32878;
constexpr int kFundingListYear = 32879;

// Help.
constexpr int kHelpManual = 32876;
constexpr int kApplicationTemplate = 32901;
constexpr int kResearchTemplate = 32904;
constexpr int kAppAbout = 57664;
constexpr int kAppExit = 57665;

// Customisation sheet, the place from which the exchange views are reached.
constexpr int kViewCustomize = 32770;

// Start view context menu.
constexpr int kEditCopy = 57634;
constexpr int kEditCut = 57635;
constexpr int kEditPaste = 57637;

}  // namespace cmd
