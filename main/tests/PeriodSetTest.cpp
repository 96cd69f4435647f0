// The period dialog and the frame's handling of a period change.
#include "MainTestSupport.h"

#include "application/Dlgproappl.h"
#include "foundation/Options.h"
#include "guide_annual/DlgGuideIssue.h"
#include "guide_annual/DlgOneGuide.h"
#include "guide_annual/DlgOneGuideXF.h"
#include "guide_fiveyear/DlgFiveGuide.h"
#include "main/Commands.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "review/DlgFirstAPPR.h"

namespace {

void StorePeriod(const std::string& range, const std::string& year) {
    COptions options;
    options.SetPeriod(range);
    options.SetYear(year);
    options.Save();
}

std::vector<std::string> Items(ui::ComboBox& combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo.GetCount(); ++i) items.push_back(combo.GetLBText(i));
    return items;
}

// Picks a period in the dialog as the user would.
void ChoosePeriod(CDlgPeriodSet& dlg, const std::string& name) {
    auto* periods = dlg.Item<ui::ComboBox>(CDlgPeriodSet::IDC_PERIOD);
    periods->SetCurSel(periods->FindStringExact(-1, name));
    dlg.OnCommand(CDlgPeriodSet::IDC_PERIOD, CBN_SELCHANGE);
}

std::vector<std::string> PublishYears() {
    return {CDlgOneGuide::m_strPublishYear, CDlgFiveGuide::m_strPublishYear, CDlgproappl::m_strPublishYear,
            CDlgFirstAPPR::m_strPublishYear};
}

}  // namespace

using PeriodSet = MainWindowTest;

TEST_F(PeriodSet, FrameCreationCopiesTheStoredPeriod) {
    StorePeriod("2011-2015", "2013");
    CMainFrame& main = OpenFrame(2);
    EXPECT_EQ(main.GetStatusBar().GetPaneText(1), "当前时期：十二五");
    EXPECT_EQ(PublishYears(), std::vector<std::string>(4, "2011-2015"));
}

TEST_F(PeriodSet, DialogOpensOnTheStoredPeriodAndYear) {
    struct Case {
        const char *range, *year, *name, *selectedYear;
    } cases[] = {
        {"2016-2020", "2018", "十三五", "2018"},
        {"2016-2020", "2011", "十三五", ""},       // a year outside the period: none selected
        {"1999-2003", "2022", "十四五", "2022"},   // an unknown range reads as 十四五
    };
    for (const Case& c : cases) {
        StorePeriod(c.range, c.year);
        CMainFrame& main = OpenFrame(2);
        driver.OnModal<CDlgPeriodSet>([&](CDlgPeriodSet& dlg) {
            auto* periods = dlg.Item<ui::ComboBox>(CDlgPeriodSet::IDC_PERIOD);
            auto* years = dlg.Item<ui::ComboBox>(CDlgPeriodSet::IDC_YEAR);
            EXPECT_EQ(Items(*periods), (std::vector<std::string>{"十一五", "十二五", "十三五", "十四五", "十五五"}));
            EXPECT_EQ(periods->GetWindowText(), c.name);
            EXPECT_EQ(years->GetWindowText(), c.selectedYear) << c.range << " " << c.year;
            EXPECT_EQ(years->GetCount(), 5);
            dlg.Click(IDCANCEL);
        });
        main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kPeriodSet, 0));
    }
}

TEST_F(PeriodSet, OkStoresPeriodUpdatesStatusStaticsAndTheOpenGuide) {
    StorePeriod("2006-2010", "2007");
    CMainFrame& main = OpenFrame(2);
    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kAnnualGuide, 0));
    auto* guide = dynamic_cast<CDlgOneGuide*>(main.GetPaneView());
    ASSERT_NE(guide, nullptr);

    driver.OnModal<CDlgPeriodSet>([](CDlgPeriodSet& dlg) {
        ChoosePeriod(dlg, "十五五");
        auto* years = dlg.Item<ui::ComboBox>(CDlgPeriodSet::IDC_YEAR);
        EXPECT_EQ(Items(*years), (std::vector<std::string>{"2026", "2027", "2028", "2029", "2030"}));
        years->SetCurSel(2);
        dlg.Item<ui::ComboBox>(CDlgPeriodSet::IDC_CATEGORY)->SetCurSel(1);
        dlg.Click(IDOK);
    });
    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kPeriodSet, 0));

    const COptions options;
    EXPECT_EQ(options.GetPeriod(), "2026-2030");
    EXPECT_EQ(options.GetYear(), "2028");
    EXPECT_EQ(options.GetCategory(), 1);
    EXPECT_EQ(main.GetStatusBar().GetPaneText(1), "当前时期：十五五");
    EXPECT_EQ(PublishYears(), std::vector<std::string>(4, "2026-2030"));
    EXPECT_EQ(main.GetPaneView(), guide);  // the same editor, cleared and listing the new period
    EXPECT_EQ(Items(guide->m_dlgDetail.m_dlgHeader.YearList()),
              (std::vector<std::string>{"2026", "2027", "2028", "2029", "2030"}));
    EXPECT_EQ(main.GetPeriodDialog().PeriodName(), "十五五");
}

TEST_F(PeriodSet, OkKeepsWhatOthersStoredMeanwhile) {
    CMainFrame& main = OpenFrame(2);
    driver.OnModal<CDlgPeriodSet>([](CDlgPeriodSet& dlg) {
        COptions other;  // a folder dialog saving while the period dialog is open
        other.SetAppDir("/data\\");
        other.Save();
        ChoosePeriod(dlg, "十二五");
        dlg.Click(IDOK);
    });
    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kPeriodSet, 0));
    const COptions options;
    EXPECT_EQ(options.GetPeriod(), "2011-2015");
    EXPECT_EQ(options.GetAppDir(), "/data\\");
}

TEST_F(PeriodSet, OtherOpenViewsFollowTheirOwnWay) {
    StorePeriod("2006-2010", "2006");
    CMainFrame& main = OpenFrame(2);
    auto choose = [&](const char* name) {
        driver.OnModal<CDlgPeriodSet>([name](CDlgPeriodSet& dlg) {
            ChoosePeriod(dlg, name);
            dlg.Click(IDOK);
        });
        main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kPeriodSet, 0));
    };
    Seed({"CORVANE_SPECGROUP", {"JJBH", "ZYZMC"}, {{"9140A01", "甲组"}}});
    Seed({"CORVANE_FIVEFUNDGUIDE", {"JJBH", "FBNF", "ZNMC"}, {{"9140A01", "2016-2020", "十三五指南"}}});
    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kFiveYearGuide, 0));
    const ui::ListCtrl& fiveYearGuides = dynamic_cast<CDlgFiveGuide&>(*main.GetPaneView()).m_dlgList.List();
    EXPECT_EQ(fiveYearGuides.GetItemCount(), 0);
    choose("十三五");
    ASSERT_EQ(fiveYearGuides.GetItemCount(), 1);  // the guides of the new period
    EXPECT_EQ(fiveYearGuides.GetItemText(0, 2), "十三五指南");

    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kGuideIssuing, 0));
    choose("十四五");
    CDlgGuideIssue* issue = dynamic_cast<CDlgOneGuideXF&>(*main.GetPaneView()).GetPanel();
    ASSERT_NE(issue, nullptr);
    EXPECT_EQ(Items(*issue->Item<ui::ComboBox>(CDlgGuideIssue::IDC_YEAR)),
              (std::vector<std::string>{"2021", "2022", "2023", "2024", "2025"}));

    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kApplication, 0));
    choose("十二五");
    EXPECT_NE(dynamic_cast<CDlgproappl*>(main.GetPaneView()), nullptr);  // reads its period when it saves
    EXPECT_EQ(CDlgproappl::m_strPublishYear, "2011-2015");
}

TEST_F(PeriodSet, CancelChangesNothing) {
    StorePeriod("2016-2020", "2017");
    std::string before;
    ASSERT_TRUE(sys::ReadFile(COptions::FilePath(), before));
    CMainFrame& main = OpenFrame(2);
    driver.OnModal<CDlgPeriodSet>([](CDlgPeriodSet& dlg) {
        ChoosePeriod(dlg, "十五五");
        dlg.Click(IDCANCEL);
    });
    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kPeriodSet, 0));
    std::string after;
    ASSERT_TRUE(sys::ReadFile(COptions::FilePath(), after));
    EXPECT_EQ(after, before);
    EXPECT_EQ(main.GetStatusBar().GetPaneText(1), "当前时期：十三五");
    EXPECT_EQ(main.GetPeriodDialog().PeriodRange(), "2016-2020");
}
