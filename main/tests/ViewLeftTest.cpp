// The left navigation pane: its period combo box and the message a period
// change sends, the navigation bar's groups, and the folder control of each
// role.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/Commands.h"
#include "main/CurrentUser.h"
#include "main/ViewLeft.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/TestDriverGTest.h"

namespace {

// The main window: it records the period messages and commands it gets.
class MainWindow : public ui::Dialog {
public:
    MainWindow() : ui::Dialog(Template()) {
        Create();
        ShowWindow(SW_SHOW);
        MapMessage(CViewLeft::kPeriodMessage, [this](WPARAM w, LPARAM l) {
            periods.push_back({int(w), int(l)});
            return LRESULT(0);
        });
        MapCommand(cmd::kAnnualGuide, 0, [this] { commands.push_back(cmd::kAnnualGuide); });
    }
    std::vector<std::pair<int, int>> periods;
    std::vector<int> commands;

private:
    static const ui::DialogTemplate& Template() {
        static const ui::DialogTemplate t{902, "main", {0, 0, 300, 450}, {}};
        return t;
    }
};

class ViewLeft : public ::testing::Test {
protected:
    void SetUp() override { app.SetMainWnd(&mainWindow); }
    void TearDown() override { UserRole = -1; }

    CViewLeft& Open(int role) {
        UserRole = role;
        EXPECT_TRUE(view.CreateView(&mainWindow, {0, 0, 162, 686}));
        view.OnInitialUpdate();
        return view;
    }
    ui::ComboBox& Periods() { return *view.Item<ui::ComboBox>(CViewLeft::IDC_PERIOD); }

    ui::TestDriver driver;
    ui::App app;
    MainWindow mainWindow;
    CViewLeft view;
};

std::vector<std::string> ItemTexts(const CGfxOutBarCtrl& ctrl) {
    std::vector<std::string> texts;
    if (const OutBarFolder* folder = ctrl.GetFolder(ctrl.GetSelectedFolder()))
        for (const OutBarItem& item : folder->items) texts.push_back(item.text + "/" + std::to_string(item.image));
    return texts;
}

TEST(ViewLeftPeriods, AYearSelectsThePeriodItFallsIn) {
    struct Case {
        int year, index;
    } cases[] = {{2006, 0}, {2010, 0}, {2011, 1}, {2020, 2}, {2021, 3}, {2026, 4}, {2030, 4},
                 {2035, 4}, {2001, 0}};  // outside the five periods: the nearest one
    for (const Case& c : cases) EXPECT_EQ(CViewLeft::PeriodIndexForYear(c.year), c.index) << c.year;
}

TEST_F(ViewLeft, TheComboOffersTheFivePeriodsAndSelectsTheCurrentOne) {
    Open(0);
    ui::ComboBox& combo = Periods();
    std::vector<std::string> names;
    for (int i = 0; i < combo.GetCount(); ++i) names.push_back(combo.GetLBText(i));
    EXPECT_EQ(names, (std::vector<std::string>{"十一五", "十二五", "十三五", "十四五", "十五五"}));
    const int year = int(text::Atol(text::DateTime::Now().Format("%Y")));
    const int expected = CViewLeft::PeriodIndexForYear(year);
    EXPECT_EQ(combo.GetCurSel(), expected);
    const char* ranges[] = {"2006-2010", "2011-2015", "2016-2020", "2021-2025", "2026-2030"};
    EXPECT_EQ(view.GetPeriodText(), ranges[expected]);
    EXPECT_TRUE(mainWindow.periods.empty());  // filling sends nothing
}

TEST_F(ViewLeft, ChoosingAPeriodTellsTheMainWindow) {
    Open(1);
    Periods().SetCurSel(2);
    view.OnCommand(CViewLeft::IDC_PERIOD, CBN_SELCHANGE);
    EXPECT_EQ(view.GetPeriodText(), "2016-2020");
    EXPECT_EQ(mainWindow.periods, (std::vector<std::pair<int, int>>{{2, 0}}));
}

TEST_F(ViewLeft, TheNavigationBarCarriesTheThreeGroups) {
    Open(2);
    ui::OutlookBar& bar = view.GetOutlookBar();
    ASSERT_EQ(bar.GetPageCount(), 3);
    struct Expected {
        const char* title;
        int paneId;
        std::vector<std::pair<std::string, int>> buttons;  // text, command
    } groups[] = {
        {"指南管理", 1, {{"五年指南", 2000}, {"年度指南", 2001}}},
        {"项目申报", 2, {{"项目申请", 2002}, {"项目计划", 2003}, {"项目验收总结", 2004}, {"阶段进展报告", 2011}}},
        {"项目管理", 3, {{"项目初审", 2005}, {"项目批复", 2006}, {"项目验收", 2007}}},
    };
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(bar.GetPageName(page), groups[page].title);
        EXPECT_EQ(bar.GetPagePaneId(page), groups[page].paneId);
        std::vector<std::pair<std::string, int>> buttons;
        for (const auto& b : bar.GetButtons(page)) buttons.push_back({b.text, b.command});
        EXPECT_EQ(buttons, groups[page].buttons) << page;
    }
    EXPECT_FALSE(bar.GetButtonIcon(0, 1).IsNull());  // image 1
    EXPECT_TRUE(bar.GetButtonIcon(1, 3).IsNull());   // image 8 of a list of eight
    // The bar stands over the placeholder.
    EXPECT_EQ(view.ScreenToClient(bar.GetWindowRect()).top, view.GetItemRect(CViewLeft::IDC_BAR_PLACE).top);

    // Its buttons reach the main window.
    EXPECT_TRUE(bar.ClickButton(cmd::kAnnualGuide));
    EXPECT_EQ(mainWindow.commands, std::vector<int>{cmd::kAnnualGuide});
}

TEST_F(ViewLeft, TheFolderControlHoldsTheFolderOfTheRole) {
    struct Case {
        int role;
        std::vector<std::string> folders;
        std::vector<std::string> items;
        int folderDelay, iconAnimation;
    } cases[] = {
        {0, {"指南管理"}, {"五年指南/0", "年度指南/1"}, 20, 200},
        {1, {"项目申报"}, {"项目申请/2", "项目计划/3", "项目验收总结/4"}, 20, 200},
        {2, {}, {}, 10, 0},  // the fund office: the bar's groups but no folder
    };
    for (const Case& c : cases) {
        CViewLeft pane;
        UserRole = c.role;
        ASSERT_TRUE(pane.CreateView(&mainWindow, {0, 0, 162, 686}));
        pane.OnInitialUpdate();
        CGfxOutBarCtrl& folders = pane.GetFolderControl();
        std::vector<std::string> names;
        for (int i = 0; i < folders.GetFolderCount(); ++i) names.push_back(folders.GetFolder(i)->name);
        EXPECT_EQ(names, c.folders) << c.role;
        EXPECT_EQ(ItemTexts(folders), c.items) << c.role;
        if (!c.folders.empty()) {
            EXPECT_EQ(folders.GetSelectedFolder(), 0);
        }
        EXPECT_EQ(folders.GetFolderAnimationDelay(), c.folderDelay);
        EXPECT_EQ(folders.GetIconAnimation(), c.iconAnimation);
        EXPECT_FALSE(folders.IsWindow());  // filled, never shown
        EXPECT_EQ(pane.GetOutlookBar().GetPageCount(), 3);
    }
}

TEST_F(ViewLeft, WithoutAPlaceForTheBarTheInitialUpdateStops) {
    UserRole = 0;
    driver.AnswerMessageBox(IDOK);
    view.OnInitialUpdate();  // the pane has no window
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "无法创建导航栏！");
    EXPECT_EQ(view.GetFolderControl().GetFolderCount(), 0);
    EXPECT_TRUE(view.GetPeriodText().empty());
}

TEST(ViewLeftClass, CanBeCreatedFromItsName) {
    const ui::RuntimeClass* cls = ui::RuntimeClass::FromName("CViewLeft");
    ASSERT_NE(cls, nullptr);
    std::unique_ptr<ui::Object> object(cls->CreateObject());
    EXPECT_NE(dynamic_cast<CViewLeft*>(object.get()), nullptr);
    EXPECT_EQ(CViewLeft::Template().id, 170);
}

}  // namespace
