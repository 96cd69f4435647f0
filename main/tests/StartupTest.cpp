// Start-up: login, the window built for the user's role, and the ends of a
// start that cannot go on.
#include "MainTestSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "main/Commands.h"
#include "main/OutlookLayout.h"
#include "platform/ui/Resources.h"

using Startup = MainWindowTest;

namespace {

std::vector<std::string> MenuTitles(ui::MenuBar& bar) {
    std::vector<std::string> titles;
    for (int i = 0; i < bar.GetMenuCount(); ++i) titles.push_back(bar.GetMenuTitle(i));
    return titles;
}

std::vector<std::string> PageNames(ui::OutlookBar& bar) {
    std::vector<std::string> names;
    for (int i = 0; i < bar.GetPageCount(); ++i) names.push_back(bar.GetPageName(i));
    return names;
}

}  // namespace

TEST_F(Startup, EachRoleGetsItsMenusOutlookGroupsAndIcons) {
    struct Expected {
        std::vector<std::string> menus, pages;
        std::vector<int> enabled, disabled;
    };
    const Expected expected[] = {
        {{"系统管理", "帮助"}, {"指南管理"}, {cmd::kSpecGroupManage, cmd::kLabManage, cmd::kUnitManageGuideRole},
         {cmd::kGuideImport, cmd::kProjectExport}},
        {{"系统管理", "帮助"}, {"项目申报"}, {cmd::kUnitManage, cmd::kResearchTemplate}, {cmd::kGuideExport}},
        {{"系统管理", "统计报表", "帮助"}, {"指南管理", "项目申报", "项目管理"},
         {cmd::kUnitManage, cmd::kExpertManage, cmd::kScoreIndexManage, cmd::kSpecGroupManage, cmd::kGuideImport,
          cmd::kGuideExport, cmd::kProjectImport, cmd::kProjectExport},
         {}},
    };
    for (const InstalledUser& user : kInstalledUsers) {
        SCOPED_TRACE(user.name);
        CCorvaneApp start;
        ui::TestDriver script;
        script.OnModal<CDlgLogin>([&](CDlgLogin& dlg) {
            dlg.SetDlgItemText(CDlgLogin::IDC_USER, user.name);
            dlg.SetDlgItemText(CDlgLogin::IDC_PASSWORD, user.password);
            dlg.Click(IDOK);
        });
        ASSERT_TRUE(start.InitInstance());
        CMainFrame& main = *start.GetMainFrame();
        EXPECT_EQ(start.GetMainWnd(), &main);
        EXPECT_EQ(main.GetWindowText(), "Tessaly");
        // The frame 1270 x 850 where the screen's available area allows, else that area.
        const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
        EXPECT_EQ(main.GetWidget()->frameGeometry().size(), QSize(1270, 850).boundedTo(available));
        EXPECT_EQ(main.GetStatusBar().GetPaneText(2), std::string("当前用户：") + user.name);

        const Expected& want = expected[user.role];
        EXPECT_EQ(MenuTitles(main.GetMenuBar()), want.menus);
        for (int id : want.enabled) EXPECT_TRUE(main.GetMenuBar().IsItemEnabled(id)) << id;
        for (int id : want.disabled) EXPECT_FALSE(main.GetMenuBar().IsItemEnabled(id)) << id;

        ui::OutlookBar& outlook = main.GetOutlookBar();
        EXPECT_EQ(PageNames(outlook), want.pages);
        const auto& groups = OutlookGroupsForRole(user.role);
        for (int page = 0; page < outlook.GetPageCount(); ++page) {
            const auto buttons = outlook.GetButtons(page);
            ASSERT_EQ(buttons.size(), groups[page].buttons.size());
            for (size_t b = 0; b < buttons.size(); ++b) {
                EXPECT_EQ(buttons[b].text, groups[page].buttons[b].text);
                EXPECT_EQ(buttons[b].command, groups[page].buttons[b].command);
                // The button shows the icon of its image index.
                const int resource = OutlookIconResources()[groups[page].buttons[b].image];
                EXPECT_EQ(outlook.GetButtonIcon(page, int(b)).image, ui::LoadIcon(resource).image) << buttons[b].text;
            }
        }
        start.ExitInstance();
    }
}

TEST_F(Startup, ApplicantAndFundOfficeSeeProgressReportWithDifferentIcons) {
    auto iconOf = [this](int role) {
        OpenFrame(role);
        ui::OutlookBar& bar = frame->GetOutlookBar();
        for (int page = 0; page < bar.GetPageCount(); ++page) {
            const auto buttons = bar.GetButtons(page);
            for (size_t b = 0; b < buttons.size(); ++b)
                if (buttons[b].command == cmd::kProgressReport) return bar.GetButtonIcon(page, int(b)).image;
        }
        return QImage();
    };
    EXPECT_EQ(iconOf(1), ui::LoadIcon(189).image);  // image 5
    EXPECT_EQ(iconOf(2), ui::LoadIcon(188).image);  // image 4
}

TEST_F(Startup, CancelledLoginEndsWithoutAMainWindow) {
    driver.OnModal<CDlgLogin>([](CDlgLogin& dlg) { dlg.Click(IDCANCEL); });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.GetMainFrame(), nullptr);
}

TEST_F(Startup, UnknownRoleEndsTheStartWithAMessage) {
    Execute("update CORVANE_USERS set JS = 7 where YHM = 'sbdw'");
    ScriptLogin("sbdw", "sbdw2024");
    driver.ExpectMessageBox("Tessaly", "用户“sbdw”的角色 7 无效，程序无法启动。请联系管理员。");
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.GetMainFrame(), nullptr);
    EXPECT_TRUE(driver.Finished());
}

TEST_F(Startup, WindowPlacementKeepsTheWindowOnSmallAndLargeScreens) {
    struct Case {
        ui::Rect available;
        QRect expected;  // the whole frame, title bar and borders included
    } cases[] = {
        {{0, 0, 1920, 1080}, QRect(325, 115, 1270, 850)},  // centred at its own size
        {{0, 0, 1024, 768}, QRect(0, 0, 1024, 768)},       // smaller both ways: fits the screen
        {{0, 0, 1366, 728}, QRect(48, 0, 1270, 728)},      // a panel takes the bottom 40 rows
        {{60, 24, 1366, 768}, QRect(78, 24, 1270, 744)},   // panels at the left and top
    };
    for (const Case& c : cases) {
        OpenFrame(2);
        PlaceMainWindow(*frame, c.available);
        EXPECT_EQ(frame->GetWidget()->frameGeometry(), c.expected) << c.available.Width() << "x" << c.available.Height();
    }
}
