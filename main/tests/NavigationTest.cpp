// What each role's main window carries, and the module and management
// command tables.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "main/Artwork.h"
#include "main/Commands.h"
#include "main/ManagementCommands.h"
#include "main/MenuLayout.h"
#include "main/OutlookLayout.h"
#include "main/ViewTable.h"
#include "main/Roles.h"

namespace {

std::vector<std::string> Titles(const std::vector<MenuSpec>& menus) {
    std::vector<std::string> titles;
    for (const auto& m : menus) titles.push_back(m.title);
    return titles;
}

// "text id" per item, "—" for a separator.
std::vector<std::string> Items(const MenuSpec& menu) {
    std::vector<std::string> items;
    for (const auto& i : menu.items) items.push_back(i.command ? i.text + " " + std::to_string(i.command) : "—");
    return items;
}

// "text command image" per button.
std::vector<std::string> Buttons(const OutlookGroupSpec& group) {
    std::vector<std::string> buttons;
    for (const auto& b : group.buttons)
        buttons.push_back(b.text + " " + std::to_string(b.command) + " " + std::to_string(b.image));
    return buttons;
}

}  // namespace

TEST(Roles, DocumentTemplateByRole) {
    EXPECT_EQ(DocumentTemplateForRole(2), 128);
    EXPECT_EQ(DocumentTemplateForRole(0), 203);
    EXPECT_EQ(DocumentTemplateForRole(1), 204);
    for (int role : {-1, 3, 7}) {
        EXPECT_EQ(DocumentTemplateForRole(role), 0);
        EXPECT_FALSE(IsKnownRole(role));
        EXPECT_TRUE(MenusForRole(role).empty());
        EXPECT_TRUE(OutlookGroupsForRole(role).empty());
    }
}

TEST(Menus, FundOfficeMenu) {
    const auto& menus = MenusForRole(2);
    ASSERT_EQ(Titles(menus), (std::vector<std::string>{"系统管理", "统计报表", "帮助"}));
    EXPECT_EQ(Items(menus[0]), (std::vector<std::string>{
        "单位信息管理 32860", "专业组信息管理 32861", "实验室信息管理 32881", "专家信息管理 32862",
        "评分指标管理 32863", "—", "登录密码修改 32864", "—", "时期设置 32893", "申请书保存目录设置 32895",
        "阶段进展报告保存目录设置 32903", "验收总结报告保存目录设置 32902", "—", "退出 57665"}));
    EXPECT_EQ(Items(menus[1]), (std::vector<std::string>{
        "专家评议情况表 32896", "重点实验室经费表 32897", "未资助项目表 32898", "单位信息表(年度计划) 32899",
        "单位信息表(年度经费表) 32900"}));
    EXPECT_EQ(Items(menus[2]), (std::vector<std::string>{"用户手册 32876", "申请书模板 32901", "关于 57664"}));
}

TEST(Menus, GuideManagementAndApplicantMenus) {
    const auto& guide = MenusForRole(0);
    ASSERT_EQ(Titles(guide), (std::vector<std::string>{"系统管理", "帮助"}));
    EXPECT_EQ(Items(guide[0]), (std::vector<std::string>{
        "专业组信息管理 32861", "实验室信息管理 32881", "单位信息管理 32894", "—", "登录密码修改 32864", "—",
        "时期设置 32893", "—", "退出 57665"}));
    EXPECT_EQ(Items(guide[1]), (std::vector<std::string>{"用户手册 32876", "申请书模板 32901", "关于 57664"}));

    const auto& unit = MenusForRole(1);
    ASSERT_EQ(Titles(unit), (std::vector<std::string>{"系统管理", "帮助"}));
    EXPECT_EQ(Items(unit[0]), (std::vector<std::string>{
        "单位信息管理 32860", "—", "登录密码修改 32864", "—", "时期设置 32893", "—", "退出 57665"}));
    EXPECT_EQ(Items(unit[1]), (std::vector<std::string>{
        "用户手册 32876", "申请书模板 32901", "研究目标及研究内容填写模板 32904", "关于 57664"}));
}

TEST(Outlook, GroupsButtonsAndImagesByRole) {
    const auto& office = OutlookGroupsForRole(2);
    ASSERT_EQ(office.size(), 3u);
    EXPECT_EQ(office[0].name, "指南管理");
    EXPECT_EQ(Buttons(office[0]), (std::vector<std::string>{"五年指南 2000 0", "年度指南 2001 1", "指南下发 2008 8"}));
    EXPECT_EQ(office[1].name, "项目申报");
    EXPECT_EQ(Buttons(office[1]), (std::vector<std::string>{
        "项目申请 2002 2", "阶段进展报告 2011 4", "项目验收总结 2004 4", "成果转化 2013 11"}));
    EXPECT_EQ(office[2].name, "项目管理");
    EXPECT_EQ(Buttons(office[2]), (std::vector<std::string>{
        "项目初审 2005 5", "项目函审 2009 9", "项目会审 2010 10", "项目计划 2003 3", "项目批复 2006 6",
        "项目进展 2012 7", "项目验收 2007 7"}));
    EXPECT_EQ((std::vector<int>{office[0].paneId, office[1].paneId, office[2].paneId}), (std::vector<int>{1, 2, 3}));

    const auto& guide = OutlookGroupsForRole(0);
    ASSERT_EQ(guide.size(), 1u);
    EXPECT_EQ(guide[0].name, "指南管理");
    EXPECT_EQ(guide[0].paneId, 1);
    EXPECT_EQ(Buttons(guide[0]), (std::vector<std::string>{"五年指南 2000 0", "年度指南 2001 1"}));

    // The applicant's 阶段进展报告 carries image 5, the fund office's image 4.
    const auto& unit = OutlookGroupsForRole(1);
    ASSERT_EQ(unit.size(), 1u);
    EXPECT_EQ(unit[0].name, "项目申报");
    EXPECT_EQ(unit[0].paneId, 1);
    EXPECT_EQ(Buttons(unit[0]), (std::vector<std::string>{
        "项目申请 2002 2", "项目验收总结 2004 4", "阶段进展报告 2011 5", "成果转化 2013 11"}));
}

// Each group shows its own picture, whichever role shows it: 指南管理 the
// guides', 项目申报 the applications', 项目管理 the management's (they once
// took the first buttons' pictures, one off: 项目申报 showed 年).
TEST(Outlook, EachGroupShowsItsOwnPicture) {
    const std::map<std::string, int> groupIcon = {
        {"指南管理", artwork::kGuideGroupIcon}, {"项目申报", artwork::kDeclareGroupIcon},
        {"项目管理", artwork::kManageGroupIcon}};
    const auto icons = OutlookIconResources();
    std::set<int> buttonIcons;
    for (int role = 0; role <= 2; ++role)
        for (const auto& group : OutlookGroupsForRole(role))
            for (const auto& button : group.buttons) buttonIcons.insert(icons[std::size_t(button.image)]);
    int groups = 0;
    for (int role = 0; role <= 2; ++role)
        for (const auto& group : OutlookGroupsForRole(role)) {
            ++groups;
            ASSERT_GE(group.pageImage, 0) << group.name;
            ASSERT_LT(group.pageImage, int(icons.size())) << group.name;
            EXPECT_EQ(icons[std::size_t(group.pageImage)], groupIcon.at(group.name)) << role << " " << group.name;
            EXPECT_EQ(buttonIcons.count(icons[std::size_t(group.pageImage)]), 0u) << group.name << " shows a button's picture";
        }
    EXPECT_EQ(groups, 5);
}

TEST(Outlook, EveryImageIndexHasAnIcon) {
    const auto icons = OutlookIconResources();
    EXPECT_EQ(std::vector<int>(icons.begin(), icons.end()),
              (std::vector<int>{184, 185, 186, 187, 188, 189, 190, 191, 209, 211, 212, 230, 231, 232, 233}));
    for (int role = 0; role <= 2; ++role)
        for (const auto& group : OutlookGroupsForRole(role)) {
            EXPECT_LT(group.pageImage, int(icons.size()));
            for (const auto& button : group.buttons) {
                EXPECT_LT(button.image, int(icons.size())) << button.text;
                EXPECT_NE(FindModuleCommand(button.command), nullptr) << button.text;
            }
        }
}

TEST(Roles, CommandEnabling) {
    struct Case {
        int command;
        bool role0, role1, role2;
    } cases[] = {
        {cmd::kSpecGroupManage, true, false, true},
        {cmd::kLabManage, true, false, true},
        {cmd::kUnitManage, false, true, true},
        {cmd::kUnitManageGuideRole, true, true, true},  // no rule of its own
        {cmd::kExpertManage, false, false, true},
        {cmd::kScoreIndexManage, false, false, true},
        {cmd::kGuideImport, false, false, true},
        {cmd::kGuideExport, false, false, true},
        {cmd::kProjectImport, false, false, true},
        {cmd::kProjectExport, false, false, true},
        {cmd::kPasswordChange, true, true, true},
        {cmd::kPeriodSet, true, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsCommandEnabledForRole(c.command, 0), c.role0) << c.command;
        EXPECT_EQ(IsCommandEnabledForRole(c.command, 1), c.role1) << c.command;
        EXPECT_EQ(IsCommandEnabledForRole(c.command, 2), c.role2) << c.command;
    }
}

TEST(ModuleTable, CommandsMapToGroupAndItem) {
    struct Case {
        int command, group, item;
    } cases[] = {
        {2000, 0, 0}, {2001, 0, 1}, {2008, 0, 2}, {2002, 1, 0}, {2003, 1, 1}, {2004, 1, 2}, {2011, 1, 3},
        {2013, 1, 4}, {2005, 2, 0}, {2006, 2, 1}, {2007, 2, 2}, {2009, 2, 3}, {2010, 2, 4}, {2012, 2, 5},
    };
    std::set<std::pair<int, int>> pairs;
    for (const Case& c : cases) {
        const ViewRow* row = FindModuleCommand(c.command);
        ASSERT_NE(row, nullptr) << c.command;
        EXPECT_EQ(row->group, c.group) << c.command;
        EXPECT_EQ(row->item, c.item) << c.command;
        pairs.insert({row->group, row->item});
    }
    EXPECT_EQ(pairs.size(), 14u);
    EXPECT_EQ(FindModuleCommand(2014), nullptr);
    EXPECT_STREQ(FindModuleCommand(2005)->caption, "Tessaly-项目管理-项目初审");
}

TEST(ModuleTable, ExchangeCommands) {
    const int commands[] = {32868, 32870, 32872, 32873};
    for (int index = 0; index < 4; ++index) {
        const ViewRow* row = FindExchangeCommand(commands[index]);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->item, index);
    }
    EXPECT_STREQ(FindExchangeCommand(32872)->caption, "Tessaly-导入项目");
    EXPECT_EQ(FindExchangeCommand(2000), nullptr);
}

// The view table is the one place a view is declared: each command once, each
// module place and exchange index once, every class creatable, and on each
// role's bar the buttons of a group take the places 0, 1, 2 ... once each.
TEST(ViewTable, EveryViewIsDeclaredOnceAndPlacedConsistently) {
    std::set<int> commands;
    std::set<std::tuple<int, int, int>> places;
    for (const ViewRow& row : Views()) {
        EXPECT_TRUE(commands.insert(row.command).second) << row.caption;
        EXPECT_TRUE(places.insert({int(row.kind), row.group, row.item}).second) << row.caption;
        ASSERT_NE(row.viewClass(), nullptr) << row.caption;
        EXPECT_NE(row.viewClass()->m_pfnCreateObject, nullptr) << row.caption;
        if (row.kind == ViewKind::Module) {
            EXPECT_GE(row.command, cmd::kModuleFirst) << row.caption;
            EXPECT_LT(row.command, cmd::kModuleLast) << row.caption;
        }
    }
    for (int role = 0; role <= 2; ++role)
        for (const OutlookGroupSpec& group : OutlookGroupsForRole(role))
            for (std::size_t place = 0; place < group.buttons.size(); ++place)
                EXPECT_EQ(FindView(group.buttons[place].command)->byRole[role].place, int(place))
                    << role << " " << group.buttons[place].text;
}

TEST(ManagementTable, IndexAndDialogCode) {
    struct Case {
        int command, index, code;
    } cases[] = {
        {32860, 0, 1}, {32894, 0, 1}, {32861, 1, 2}, {32862, 2, 3}, {32863, 3, 4},
        {32864, 4, 5}, {32875, 5, 6}, {32881, 6, 7},
    };
    for (const Case& c : cases) {
        const ManagementCommandSpec* row = FindManagementCommand(c.command);
        ASSERT_NE(row, nullptr) << c.command;
        EXPECT_EQ(row->index, c.index) << c.command;
        EXPECT_EQ(row->dialogCode, c.code) << c.command;
    }
    EXPECT_STREQ(FindManagementCommand(32863)->caption, "Tessaly-系统管理-评分系数管理");
    EXPECT_EQ(FindManagementCommand(32893), nullptr);
}
