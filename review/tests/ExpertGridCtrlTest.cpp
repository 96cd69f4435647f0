// The expert grid of the letter review and the expert browser: columns and
// rows, filling a row from the master data, duplicates, the experts of a
// fund with the projects they review in the same year, and the ticked
// experts written into the free rows.
#include "WorkflowTestSupport.h"

#include "platform/ui/ListCtrl.h"
#include "platform/ui/Simulate.h"
#include "review/DlgExpertBrowse.h"
#include "review/DlgHanS.h"

using namespace workflowtest;

namespace {

using Panel = CDlgHanSPanel;

const std::string kProject = "9140A030101080001001";  // fund 9140A03, year 08

class ExpertGrid : public WorkflowTest {
protected:
    void SetUp() override {
        WorkflowTest::SetUp();
        AddApplication(kProject, kGeneral, "2008");
        AddExpert("E07", "孙七", "J03");
        AddExpert("E02", "王五", "J03",
                  {{"XB", "女"}, {"NL", "41"}, {"ZC", "研究员"}, {"ZYTC", "材料"}, {"GZDW", "研究所"},
                   {"TXDZ", "北京"}, {"YZBM", "100000"}, {"DH", "010-1"}, {"SJ", "13900000000"}});
        AddExpert("E05", "周八", "J03");
        AddExpert("E01", "李四", "J01");
        AddExpert("E09", "吴九", "J13");
        // Reviews of E02: one in a project of this year and another fund, one
        // of another year; E05 reviews nothing.
        Insert("CORVANE_ITEMPF", {{"XMBH", "9140A030101080001002"}, {"ZJ2", "E02"}});
        Insert("CORVANE_ITEMPF", {{"XMBH", "9140A010101080001003"}, {"ZJ3", "E02"}});
        Insert("CORVANE_ITEMPF", {{"XMBH", "9140A030101070001004"}, {"ZJ1", "E02"}});
    }
    CDlgHanS& Open(bool selectProject = true) {
        CDlgHanS& view = OpenView<CDlgHanS>();
        panel = &view.m_dlgPanel;
        grid = &panel->m_ctrlExpertGrid;
        if (selectProject) SelectNode(view.m_dlgProTree, kProject);
        return view;
    }
    void SetExpert(int row, const std::string& number) {
        ui::GridItem* cell = grid->GetItem(row, 0);
        cell->SetValue(number);
        grid->OnCellChanged(cell, row, 0);
    }
    std::vector<std::string> RowValues(int row) const {
        std::vector<std::string> values;
        for (int column = 0; column < grid->GetColumnCount(); ++column) values.push_back(grid->GetItem(row, column)->GetValue());
        return values;
    }
    std::vector<std::string> Numbers() const {
        return {grid->GetExpertNumber(0), grid->GetExpertNumber(1), grid->GetExpertNumber(2)};
    }
    // Opens the browser; `handler` works on it while it runs.
    void Browse(std::function<void(CDlgExpertBrowse&)> handler) {
        driver.OnModal<CDlgExpertBrowse>(handler);
        panel->Click(Panel::IDC_BROWSE);
    }
    static void Tick(CDlgExpertBrowse& dlg, const std::vector<std::string>& numbers) {
        ui::ListCtrl& list = dlg.ExpertList();
        for (int item = 0; item < list.GetItemCount(); ++item)
            list.SetCheck(item, std::find(numbers.begin(), numbers.end(), list.GetItemText(item, 1)) != numbers.end());
    }
    // A click on the first column of a row (the rows are wider than the list).
    static void ClickRow(ui::ListCtrl& list, int item) {
        const ui::Rect row = list.GetItemRect(item);
        ui::sim::Click(list, {row.left + 20, (row.top + row.bottom) / 2});
    }
    static std::vector<std::vector<std::string>> Rows(ui::ListCtrl& list, int columns) {
        std::vector<std::vector<std::string>> rows;
        for (int item = 0; item < list.GetItemCount(); ++item) {
            rows.emplace_back();
            for (int column = 0; column < columns; ++column) rows.back().push_back(list.GetItemText(item, column));
        }
        return rows;
    }

    Panel* panel = nullptr;
    CExpertGridCtrl* grid = nullptr;
};

}  // namespace

TEST_F(ExpertGrid, ThreeRowsOfElevenColumnsWhoseNumberOffersEveryExpert) {
    Open(false);
    const std::pair<const char*, int> columns[] = {
        {"专家编号", 60}, {"专家姓名", 80},  {"性别", 50},     {"年龄", 50}, {"职称", 80}, {"专业特长", 100},
        {"工作单位", 150}, {"通讯地址", 150}, {"邮政编码", 70}, {"电话", 70}, {"手机", 70},
    };
    ASSERT_EQ(grid->GetColumnCount(), 11);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(grid->GetColumnName(i), columns[i].first);
        EXPECT_EQ(grid->GetColumnWidth(i), columns[i].second) << i;
    }
    EXPECT_TRUE(grid->IsHeaderEnabled());
    ASSERT_EQ(grid->GetRowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(grid->GetItem(row, 0)->GetOptions(), (std::vector<std::string>{"E01", "E02", "E05", "E07", "E09"}));
        EXPECT_TRUE(grid->GetItem(row, 0)->IsAllowEdit());
        for (int column = 1; column < 11; ++column) EXPECT_FALSE(grid->GetItem(row, column)->IsAllowEdit());
    }
}

TEST_F(ExpertGrid, NumberFillsItsRowAndTheExpertsEditsOfThePanel) {
    Open();
    SetExpert(1, "E02");
    EXPECT_EQ(RowValues(1), (std::vector<std::string>{"E02", "王五", "女", "41", "研究员", "材料", "研究所", "北京",
                                                      "100000", "010-1", "13900000000"}));
    EXPECT_EQ(panel->GetDlgItemText(Panel::IDC_NUMBER[1]), "E02");
    EXPECT_EQ(panel->GetDlgItemText(Panel::IDC_NAME[1]), "王五");

    SetExpert(1, "");  // cleared by hand
    EXPECT_EQ(grid->GetItem(1, 1)->GetValue(), "王五");
    EXPECT_EQ(panel->GetDlgItemText(Panel::IDC_NAME[1]), "王五");
    SetExpert(1, "NOBODY");  // not in the master data
    EXPECT_EQ(grid->GetItem(1, 1)->GetValue(), "王五");

    SetExpert(0, "E05");
    driver.ExpectMessageBox("提示", "所选专家有重复，请重新选择！");
    SetExpert(2, "E05");
    EXPECT_EQ(grid->GetExpertNumber(2), "");
    EXPECT_EQ(grid->GetItem(2, 1)->GetValue(), "");
    EXPECT_EQ(panel->GetDlgItemText(Panel::IDC_NUMBER[2]), "");
}

TEST_F(ExpertGrid, BrowserListsTheFundsExpertsAndTheProjectsEachReviewsThisYear) {
    Open();
    Browse([&](CDlgExpertBrowse& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "专家信息浏览");
        EXPECT_EQ(dlg.ExpertList().GetColumnCount(), 12);
        EXPECT_EQ(Rows(dlg.ExpertList(), 3), (std::vector<std::vector<std::string>>{
                                                  {"J03", "E02", "王五"}, {"J03", "E05", "周八"}, {"J03", "E07", "孙七"}}));
        EXPECT_EQ(dlg.ExpertList().GetItemText(0, 11), "13900000000");
        ClickRow(dlg.ExpertList(), 0);
        EXPECT_EQ(Rows(dlg.ProjectList(), 3),
                  (std::vector<std::vector<std::string>>{{"1", "9140A01", "9140A010101080001003"},
                                                         {"2", "9140A03", "9140A030101080001002"}}));
        ClickRow(dlg.ExpertList(), 1);
        EXPECT_EQ(dlg.ProjectList().GetItemCount(), 0) << "E05 reviews nothing";
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"", "", ""}));
}

TEST_F(ExpertGrid, BrowserRefusesNoneAndMoreThanThreeExperts) {
    AddExpert("E08", "郑十", "J03");
    Open();
    Browse([&](CDlgExpertBrowse& dlg) {
        driver.ExpectMessageBox("提示", "请选择评议专家！");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        Tick(dlg, {"E02", "E05", "E07", "E08"});
        driver.ExpectMessageBox("提示", "选择专家数不能超过三位！");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"", "", ""}));
}

TEST_F(ExpertGrid, TickedExpertsGoIntoTheFreeRowsOnly) {
    Open();
    SetExpert(0, "E01");
    SetExpert(1, "E09");
    Browse([&](CDlgExpertBrowse& dlg) {
        Tick(dlg, {"E02", "E05", "E07"});
        dlg.Click(IDOK);
    });
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"E01", "E09", "E02"}));
    EXPECT_EQ(panel->GetDlgItemText(Panel::IDC_NAME[2]), "王五");
}

TEST_F(ExpertGrid, FreeRowsFollowTheLastFilledRow) {
    Open();
    SetExpert(1, "E01");  // row 0 is empty but lies before a filled row
    Browse([&](CDlgExpertBrowse& dlg) {
        Tick(dlg, {"E05"});
        dlg.Click(IDOK);
    });
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"", "E01", "E05"}));
}

TEST_F(ExpertGrid, ExpertAlreadyInTheGridIsRefusedAndTheNextOnesStillFollow) {
    Open();
    SetExpert(0, "E02");
    Browse([&](CDlgExpertBrowse& dlg) {
        Tick(dlg, {"E02", "E05"});
        driver.ExpectMessageBox("提示", "所选专家有重复，请重新选择！");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"E02", "", "E05"}));
}

TEST_F(ExpertGrid, BrowserWithoutProjectListsNothing) {
    Open(false);
    Browse([&](CDlgExpertBrowse& dlg) {
        EXPECT_EQ(dlg.ExpertList().GetItemCount(), 0);
        EXPECT_EQ(dlg.ProjectList().GetItemCount(), 0);
        driver.ExpectMessageBox("提示", "请选择评议专家！");
        dlg.Click(IDOK);
        dlg.Click(IDCANCEL);
    });
}
