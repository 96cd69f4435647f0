// The first-review view: years of the period, page sets by category, the
// trees each filter shows, tab colours, the editor fed from the tree, the
// panel's buttons, and a view without a database.
#include "FirstReviewTestSupport.h"
#include "platform/sys/Sys.h"
#include "platform/ui/Lists.h"
#include "review/DlgFirstListCommon.h"
#include "review/DlgFirstListLab.h"
#include "review/DlgFirstListLabNo.h"
#include "review/FirstReviewChecks.h"

using namespace firsttest;

namespace {

const std::string kGood = "9140A01010108" "0001" "001";      // passes every check
const std::string kWrongUnit = "9140A01010108" "0002" "001"; // unit not directed
const std::string kKeyGood = "9140A01010208" "0001" "001";   // key project, key direction
const std::string kLabA = "9140C01010108" "0003" "001";
const std::string kLabB = "9140C02010108" "0003" "001";
const std::string kLabWrongFamily = "9140A01010108" "0001" "002";

class FirstAPPRTest : public FirstReviewTest {
protected:
    void SetUp() override {
        FirstReviewTest::SetUp();
        AddDirection("9140A010101", "2008", "0001", "0");
        AddDirection("9140A010102", "2008", "0001", "1");
        AddDirection("9140C010101", "2008", "0003", "0");
        AddApplication(kGood, kCommonGeneral, "2008", "好课题");
        AddApplication(kWrongUnit, kCommonGeneral, "2008");
        AddApplication(kKeyGood, kCommonKey, "2008");
        AddApplication("9140A01010107" "0001" "001", kCommonGeneral, "2007");  // another year
        AddApplication(kLabA, kLabGeneral, "2008");
        AddApplication(kLabB, kLabKey, "2008");
        AddApplication(kLabWrongFamily, kLabGeneral, "2008");
    }
    static ui::ComboBox& Combo(CDlgFirstAPPR& view, int id) { return *view.m_dlgSelect.Item<ui::ComboBox>(id); }
    // Chooses an item of a selection-bar combo box as the user would.
    static void Choose(CDlgFirstAPPR& view, int id, int index) {
        Combo(view, id).SetCurSel(index);
        view.m_dlgSelect.OnCommand(id, CBN_SELCHANGE);
    }
    static std::vector<std::string> Tabs(CDlgFirstAPPR& view) {
        std::vector<std::string> labels;
        for (int i = 0; i < view.TabWnd().GetTabsNum(); ++i) {
            std::string label;
            view.TabWnd().GetTabLabel(i, label);
            labels.push_back(label);
        }
        return labels;
    }
    static bool LabStatShown(CDlgFirstAPPR& view) {
        return view.m_dlgPanel.GetDlgItem(CDlgFirstPanel::IDC_LAB_STAT)->IsWindowVisible();
    }
    static std::string Shown(CDlgFirstAPPR& view) {
        return view.m_dlgPanel.m_dlgProEdit.GetDlgItemText(CDlgProEdit::IDC_XMBH);
    }
};

std::vector<std::string> Items(ui::ComboBox& combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo.GetCount(); ++i) items.push_back(combo.GetLBText(i));
    return items;
}

}  // namespace

TEST_F(FirstAPPRTest, YearsComeFromThePeriodAndTheStoredYearIsSelected) {
    const struct {
        std::string period, storedYear;
        std::vector<std::string> years;
        std::string selected;
    } cases[] = {
        {"2006-2010", "2008", {"2006", "2007", "2008", "2009", "2010"}, "2008"},
        {"2011-2015", "2008", {"2011", "2012", "2013", "2014", "2015"}, ""},
        {"", "2008", {"0", "1", "2", "3", "4"}, ""},
    };
    for (const auto& c : cases) {
        StoreSettings(0, c.storedYear);
        CDlgFirstAPPR& view = OpenView(c.period);
        EXPECT_EQ(Items(Combo(view, CDlgFirstSelect::IDC_YEAR)), c.years) << c.period;
        EXPECT_EQ(view.m_dlgSelect.GetYear(), c.selected) << c.period;
        EXPECT_EQ(view.m_dlgSelect.m_nFilter, 0);
    }
    // Without a selected year the category pages show their two roots only.
    EXPECT_EQ(TreeLines(view_->CommonPage()->Tree()), (std::vector<std::string>{"一般基金", "重点基金"}));
}

TEST_F(FirstAPPRTest, StoredCategoryChoosesThePagesAndTheStatisticsButton) {
    StoreSettings(0, "2008");
    CDlgFirstAPPR& common = OpenView();
    EXPECT_EQ(Tabs(common), (std::vector<std::string>{"按类别"}));
    EXPECT_EQ(common.PageSet(), 0);
    ASSERT_NE(dynamic_cast<CDlgFirstListCommon*>(common.CommonPage()), nullptr);
    EXPECT_FALSE(LabStatShown(common));
    EXPECT_EQ(TreeLines(common.CommonPage()->Tree()),
              (std::vector<std::string>{"一般基金", " 9140A01", "  " + kGood, "  " + kWrongUnit, "重点基金", " 9140A01",
                                        "  " + kKeyGood}));

    StoreSettings(1, "2008");
    CDlgFirstAPPR& lab = OpenView();
    EXPECT_EQ(Tabs(lab), (std::vector<std::string>{"按类别", "按编号"}));
    EXPECT_EQ(lab.PageSet(), 1);
    EXPECT_EQ(lab.CommonPage(), nullptr);
    ASSERT_NE(dynamic_cast<CDlgFirstListLab*>(lab.LabPage()), nullptr);
    ASSERT_NE(dynamic_cast<CDlgFirstListLabNo*>(lab.LabNoPage()), nullptr);
    EXPECT_TRUE(LabStatShown(lab));
    // The laboratory project with a 9140A number is listed by its category.
    EXPECT_EQ(TreeLines(lab.LabPage()->Tree()),
              (std::vector<std::string>{"一般基金", " 9140A01", "  " + kLabWrongFamily, " 9140C01", "  " + kLabA,
                                        "重点基金", " 9140C02", "  " + kLabB}));
    EXPECT_EQ(TreeLines(lab.LabNoPage()->Tree()),
              (std::vector<std::string>{"9140A01", " " + kLabWrongFamily, "9140C01", " " + kLabA, "9140C02",
                                        " " + kLabB}));
}

TEST_F(FirstAPPRTest, FiltersShowTheApplicationsTheirCheckFinds) {
    StoreSettings(0, "2008");
    CDlgFirstAPPR& view = OpenView();
    const struct {
        int filter;
        std::vector<std::string> lines;
    } cases[] = {
        {kFilterCorrect, {"一般基金", " 9140A01", "  " + kGood, "重点基金", " 9140A01", "  " + kKeyGood}},
        {kFilterGuideCode, {"一般基金", "重点基金"}},
        {kFilterCategory, {"一般基金", "重点基金"}},
        {kFilterUnit, {"一般基金", " 9140A01", "  " + kWrongUnit, "重点基金"}},
    };
    for (const auto& c : cases) {
        Choose(view, CDlgFirstSelect::IDC_FILTER, c.filter);
        EXPECT_EQ(TreeLines(view.CommonPage()->Tree()), c.lines) << c.filter;
    }
    StoreSettings(1, "2008");
    CDlgFirstAPPR& lab = OpenView();
    Choose(lab, CDlgFirstSelect::IDC_FILTER, kFilterCategory);
    EXPECT_EQ(TreeLines(lab.LabNoPage()->Tree()),
              (std::vector<std::string>{"9140A01", " " + kLabWrongFamily}))
        << "a guide code without direction is no category error";
    Choose(lab, CDlgFirstSelect::IDC_FILTER, kFilterCorrect);
    EXPECT_EQ(TreeLines(lab.LabNoPage()->Tree()), (std::vector<std::string>{"9140C01", " " + kLabA}));
}

TEST_F(FirstAPPRTest, CategoryChangeSwitchesThePagesOnlyWhenItDiffers) {
    StoreSettings(0, "2008");
    CDlgFirstAPPR& view = OpenView();
    ui::TreeCtrl& tree = view.CommonPage()->Tree();
    tree.SelectItem(FindItem(tree, kGood));
    Choose(view, CDlgFirstSelect::IDC_CATEGORY, 0);
    EXPECT_EQ(tree.GetSelectedItem(), FindItem(tree, kGood)) << "the same category rebuilds nothing";

    Choose(view, CDlgFirstSelect::IDC_CATEGORY, 1);
    EXPECT_EQ(Tabs(view), (std::vector<std::string>{"按类别", "按编号"}));
    EXPECT_EQ(view.CommonPage(), nullptr);
    EXPECT_TRUE(LabStatShown(view));
    Choose(view, CDlgFirstSelect::IDC_CATEGORY, 0);
    EXPECT_EQ(Tabs(view), (std::vector<std::string>{"按类别"}));
    EXPECT_EQ(view.LabPage(), nullptr);
    EXPECT_FALSE(LabStatShown(view));
}

TEST_F(FirstAPPRTest, TreeSelectionFeedsTheEditorWhichOutlivesARebuild) {
    StoreSettings(0, "2008");
    CDlgFirstAPPR& view = OpenView();
    ui::TreeCtrl& tree = view.CommonPage()->Tree();
    tree.SelectItem(FindItem(tree, kGood));
    EXPECT_EQ(Shown(view), kGood);
    EXPECT_EQ(view.m_dlgPanel.m_dlgProEdit.GetDlgItemText(CDlgProEdit::IDC_XMMC), "好课题");
    for (const std::string& other : {std::string("一般基金"), std::string("9140A01")}) {
        tree.SelectItem(FindItem(tree, other));
        EXPECT_EQ(Shown(view), kGood) << other;
    }

    Choose(view, CDlgFirstSelect::IDC_YEAR, 1);  // 2007
    ui::TreeCtrl& rebuilt = view.CommonPage()->Tree();
    EXPECT_EQ(rebuilt.GetSelectedItem(), nullptr);
    EXPECT_EQ(TreeLines(rebuilt), (std::vector<std::string>{"一般基金", " 9140A01", "  9140A010101070001001", "重点基金"}));
    EXPECT_EQ(Shown(view), kGood);
}

TEST_F(FirstAPPRTest, SaveThroughThePanelRebuildsTheLists) {
    StoreSettings(0, "2008");
    CDlgFirstAPPR& view = OpenView();
    ui::TreeCtrl& tree = view.CommonPage()->Tree();
    tree.SelectItem(FindItem(tree, kWrongUnit));
    view.m_dlgPanel.m_dlgProEdit.SetDlgItemText(CDlgProEdit::IDC_DWDM, "0001");
    driver.ExpectMessageBox("提示", "确定更新项目信息吗？", IDOK);
    driver.ExpectMessageBox("提示", "保存成功！");
    view.m_dlgPanel.Click(CDlgFirstPanel::IDC_SAVE);
    EXPECT_TRUE(driver.Finished());
    const std::string moved = "9140A01010108" "0001" "003";
    EXPECT_EQ(Shown(view), moved);
    EXPECT_EQ(TreeLines(view.CommonPage()->Tree()),
              (std::vector<std::string>{"一般基金", " 9140A01", "  " + kGood, "  " + moved, "重点基金", " 9140A01",
                                        "  " + kKeyGood}));
}

TEST_F(FirstAPPRTest, ClickedTabTurnsBlueAndTheOtherReturnsToItsColour) {
    StoreSettings(1, "2008");
    CDlgFirstAPPR& view = OpenView();
    ui::TabWnd& tabs = view.TabWnd();
    const COLORREF normal = tabs.GetTabBkColor(0);
    tabs.SetActiveTab(1);
    EXPECT_EQ(tabs.GetTabBkColor(1), CDlgFirstAPPR::kActiveTabColor);
    EXPECT_EQ(tabs.GetTabBkColor(0), normal);
    tabs.SetActiveTab(0);
    EXPECT_EQ(tabs.GetTabBkColor(0), CDlgFirstAPPR::kActiveTabColor);
    EXPECT_EQ(tabs.GetTabBkColor(1), normal);
}

TEST_F(FirstAPPRTest, PanelButtonsAreDressedAndOpenTheirDocuments) {
    StoreSettings(1, "2008");
    CDlgFirstAPPR& view = OpenView();
    EXPECT_EQ(view.m_dlgPanel.m_btnSave.GetTooltipText(), "保存");
    EXPECT_EQ(view.m_dlgPanel.m_btnExcel.GetTooltipText(), "输出Excel报表");
    EXPECT_EQ(view.m_dlgPanel.m_btnLabStat.GetTooltipText(), "输出重点实验室项目上报统计表");
    driver.OnModal([](ui::Dialog& report) { report.EndDialog(IDCANCEL); });  // the report dialog opens
    view.m_dlgPanel.Click(CDlgFirstPanel::IDC_EXCEL);
    driver.OnModal([](ui::Dialog& report) { report.EndDialog(IDCANCEL); });  // the report dialog opens
    view.m_dlgPanel.Click(CDlgFirstPanel::IDC_LAB_STAT);
    const auto& requests = officereports::Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].dialog, "CDlgFirstExcel");
    EXPECT_EQ(requests[0].connection, &view.Connection());
    EXPECT_EQ(requests[0].category, 0);
    EXPECT_EQ(requests[1].dialog, "CDlgLabStatExcel");
    EXPECT_EQ(requests[1].connection, &view.Connection());
}

TEST_F(FirstAPPRTest, WithoutTheDatabaseTheViewSaysSoAndShowsNoPages) {
    StoreSettings(1, "2008");
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    driver.AnswerMessageBox();
    CDlgFirstAPPR& view = OpenView();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "数据库连接失败");
    EXPECT_FALSE(view.TabWnd().IsWindow());
    EXPECT_TRUE(view.m_dlgSelect.IsWindowVisible());
    EXPECT_TRUE(LabStatShown(view));
    // The bar still works; there is nothing to rebuild.
    Choose(view, CDlgFirstSelect::IDC_CATEGORY, 0);
    Choose(view, CDlgFirstSelect::IDC_FILTER, kFilterUnit);
    EXPECT_FALSE(LabStatShown(view));
    EXPECT_EQ(view.CommonPage(), nullptr);
}
