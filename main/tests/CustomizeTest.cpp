// The customisation sheet: the user menu built from the role's commands, kept
// between sessions, and the menu and navigation-bar options.
#include <gtest/gtest.h>

#include "main/Commands.h"
#include "main/Customization.h"
#include "main/CustomizeSheet.h"
#include "main/DlgPeriodSet.h"
#include "MainTestSupport.h"
#include "platform/ui/App.h"
#include "platform/ui/Lists.h"

namespace {

TEST(CustomizeSettings, FileTextRoundTripsAndUnreadableLinesAreSkipped) {
    CustomizeSettings settings;
    settings.userMenu = {cmd::kUnfundedTable, cmd::kGuideImport};
    settings.textLabels = false;
    const CustomizeSettings back = ParseCustomizeSettings(FormatCustomizeSettings(settings));
    EXPECT_EQ(back.userMenu, settings.userMenu);
    EXPECT_TRUE(back.menuShadows);
    EXPECT_FALSE(back.textLabels);
    EXPECT_TRUE(back.menuAnimations);

    const struct {
        const char* what;
        const char* text;
        std::vector<int> menu;
        bool shadows;
    } cases[] = {
        {"empty file: defaults", "", {}, true},
        {"unknown, repeated and malformed commands", "[menu]\n99999\n32898\n32898\nabc\n-1\n32898999\n", {32898}, true},
        {"commands outside their section", "32898\n[options]\nshadows=0\n", {}, false},
        {"windows line ends and spaces", "[menu]\r\n 32896 \r\n[options]\r\nshadows = 0\r\n", {32896}, true},
    };
    for (const auto& c : cases) {
        const CustomizeSettings read = ParseCustomizeSettings(c.text);
        EXPECT_EQ(read.userMenu, c.menu) << c.what;
        EXPECT_EQ(read.menuShadows, c.shadows) << c.what;
    }
}

TEST(CustomizeSettings, EachRoleOffersItsMenusAndTheExchangeCommands) {
    const std::vector<MenuSpec> office = CustomizableCommands(2);
    ASSERT_EQ(office.size(), 4u);
    EXPECT_EQ(office[1].title, "统计报表");
    EXPECT_EQ(office[3].title, "数据交换");
    ASSERT_EQ(office[3].items.size(), 4u);
    for (const MenuSpec& category : office)
        for (const MenuItemSpec& item : category.items) EXPECT_NE(item.command, 0) << category.title;
    EXPECT_EQ(CommandText(1, cmd::kUnfundedTable), "");  // not a command of the applicant unit
    CustomizeSettings settings;
    settings.userMenu = {cmd::kUnfundedTable, cmd::kPeriodSet};
    EXPECT_EQ(UserMenuForRole(settings, 1), std::vector<int>{cmd::kPeriodSet});
    EXPECT_TRUE(CustomizableCommands(7).empty());
}

class Customize : public MainWindowTest {
protected:
    CCustomizeSheet& OpenSheet(CMainFrame& main) {
        EXPECT_TRUE(main.GetMenuBar().ChooseItem(cmd::kViewCustomize));
        EXPECT_NE(main.GetCustomizeSheet(), nullptr);
        return *main.GetCustomizeSheet();
    }
    static void Pick(ui::ListBox& list, const std::string& text) {
        const int row = list.FindStringExact(-1, text);
        ASSERT_GE(row, 0) << text;
        list.SetCurSel(row);
    }
    static std::vector<ui::MenuBar::Item> UserMenu(CMainFrame& main) {
        ui::MenuBar& bar = main.GetMenuBar();
        const int last = bar.GetMenuCount() - 1;
        return last >= 0 && bar.GetMenuTitle(last) == kUserMenuTitle ? bar.GetItems(last) : std::vector<ui::MenuBar::Item>{};
    }
    void Restart(int role) {
        app.SetMainWnd(nullptr);
        frame.reset();
        OpenFrame(role);
    }
};

TEST_F(Customize, ACommandPutOnTheUserMenuStaysThereAfterARestartAndRuns) {
    CMainFrame& main = OpenFrame(2);
    EXPECT_TRUE(UserMenu(main).empty());
    CCustomizeSheet& sheet = OpenSheet(main);
    EXPECT_TRUE(sheet.IsWindowVisible());
    EXPECT_EQ(sheet.Tabs().GetTabsNum(), 2);
    CCustomizeCommandsPage& page = sheet.CommandsPage();
    sheet.CommandsPage().ShowCategory(0);  // 系统管理
    Pick(*page.Item<ui::ListBox>(CCustomizeCommandsPage::IDC_COMMANDS), "时期设置");
    page.Click(CCustomizeCommandsPage::IDC_ADD);
    page.Click(CCustomizeCommandsPage::IDC_ADD);  // once only
    page.ShowCategory(3);                           // 数据交换
    Pick(*page.Item<ui::ListBox>(CCustomizeCommandsPage::IDC_COMMANDS), "导入指南");
    page.Click(CCustomizeCommandsPage::IDC_ADD);

    const auto items = UserMenu(main);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, cmd::kPeriodSet);
    EXPECT_EQ(items[0].text, "时期设置");
    EXPECT_EQ(items[1].id, cmd::kGuideImport);
    EXPECT_EQ(page.Item<ui::ListBox>(CCustomizeCommandsPage::IDC_USER_MENU)->GetCount(), 2);

    sheet.Click(IDCANCEL);
    ui::PumpMessages();
    EXPECT_EQ(main.GetCustomizeSheet(), nullptr);  // freed once closed

    Restart(2);
    ASSERT_EQ(UserMenu(*frame).size(), 2u);
    bool periodShown = false;
    driver.OnModal<CDlgPeriodSet>([&](CDlgPeriodSet& dlg) {
        periodShown = true;
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(frame->GetMenuBar().ChooseItem(cmd::kPeriodSet));
    EXPECT_TRUE(periodShown);

    // Taken off again, and an applicant unit never sees the office's commands.
    CCustomizeSheet& again = OpenSheet(*frame);
    Pick(*again.CommandsPage().Item<ui::ListBox>(CCustomizeCommandsPage::IDC_USER_MENU), "时期设置");
    again.CommandsPage().Click(CCustomizeCommandsPage::IDC_REMOVE);
    ASSERT_EQ(UserMenu(*frame).size(), 1u);
    EXPECT_EQ(UserMenu(*frame)[0].id, cmd::kGuideImport);
    Restart(1);
    const auto applicant = UserMenu(*frame);
    ASSERT_EQ(applicant.size(), 1u);  // the exchange commands belong to every role's context menu
    EXPECT_EQ(applicant[0].id, cmd::kGuideImport);
}

TEST_F(Customize, OptionsApplyToTheMenusAndTheNavigationBarAndAreKept) {
    CMainFrame& main = OpenFrame(2);
    EXPECT_TRUE(main.GetMenuBar().HasMenuShadows());
    EXPECT_TRUE(main.GetOutlookBar().HasTextLabels());
    CCustomizeSheet& sheet = OpenSheet(main);
    CCustomizeOptionsPage& options = sheet.OptionsPage();
    options.Click(CCustomizeOptionsPage::IDC_TEXT_LABELS);
    options.Click(CCustomizeOptionsPage::IDC_SHADOWS);
    EXPECT_FALSE(main.GetOutlookBar().HasTextLabels());
    EXPECT_FALSE(main.GetMenuBar().HasMenuShadows());
    EXPECT_TRUE(main.GetMenuBar().HasMenuAnimations());

    Restart(2);
    EXPECT_FALSE(frame->GetOutlookBar().HasTextLabels());
    EXPECT_FALSE(frame->GetMenuBar().HasMenuShadows());
    EXPECT_TRUE(UserMenu(*frame).empty());  // no commands: no user menu
}

TEST_F(Customize, OpeningTwiceShowsTheSameSheet) {
    CMainFrame& main = OpenFrame(0);
    CCustomizeSheet* first = &OpenSheet(main);
    EXPECT_EQ(&OpenSheet(main), first);
}

}  // namespace
