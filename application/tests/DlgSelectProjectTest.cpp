// The project picker: the list of applications, a line clicked, a typed
// number, and the refusals of 确定.
#include "AppOutputTestSupport.h"

#include "application/DlgSelectProject.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Simulate.h"

namespace {

using Dlg = CDlgSelectProject;
using Texts = std::vector<std::string>;

class SelectProjectTest : public AppOutputTest {
protected:
    // Runs the picker with `handler`; the dialog's result.
    template <class Handler>
    int Run(Handler handler) {
        driver.OnModal<Dlg>(handler);
        dlg.m_pConnection = &db;
        dlg.m_strSQL = "select * from corvane_itemappinfo";  // replaced by the dialog's own
        return dlg.DoModal();
    }
    static Texts Rows(Dlg& d) {
        Texts rows;
        for (int row = 0; row < d.List().GetItemCount(); ++row)
            rows.push_back(d.List().GetItemText(row, 0) + " " + d.List().GetItemText(row, 1) + " " +
                           d.List().GetItemText(row, 2));
        return rows;
    }
    Dlg dlg{nullptr};
};

TEST_F(SelectProjectTest, ListsTheApplicationsByNumberAndPicksAClickedLine) {
    SeedApplications();
    testdb::Exec(db, "update CORVANE_ITEMAPPINFO set XMMC = NULL where XMBH = '9140A0101012008A002001'");
    const int result = Run([&](Dlg& d) {
        EXPECT_EQ(d.GetWindowText(), "新增");
        EXPECT_EQ(Rows(d), (Texts{"1 9140A0101012008A001002 共性技术基金——一般项目",
                                  "2 9140A0101012008A002001 重点实验室基金——一般项目",
                                  "3 9140B0101012007A001001 共性技术基金——重点项目"}));
        EXPECT_EQ(d.List().GetColumnCount(), 3);
        EXPECT_EQ(d.List().GetColumnWidth(0), 40);
        EXPECT_EQ(d.List().GetColumnWidth(2), 180);

        // A click on a line replaces a typed name with the stored one.
        d.SetDlgItemText(Dlg::IDC_XMMC, "typed");
        ui::sim::ClickItem(d.List(), 2);
        EXPECT_EQ(d.GetDlgItemText(Dlg::IDC_XMBH), "9140B0101012007A001001");
        EXPECT_EQ(d.GetDlgItemText(Dlg::IDC_XMMC), "项目甲");
        // Even by an empty one.
        ui::sim::ClickItem(d.List(), 1);
        EXPECT_EQ(d.GetDlgItemText(Dlg::IDC_XMMC), "");
        ui::sim::ClickItem(d.List(), 0);
        d.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_strXMBH, "9140A0101012008A001002");
    EXPECT_EQ(dlg.m_strXMMC, "项目乙");
}

TEST_F(SelectProjectTest, OKNeedsANumberAndAName) {
    const int result = Run([&](Dlg& d) {
        EXPECT_EQ(d.List().GetItemCount(), 0);
        driver.ExpectMessageBox("系统提示", "尚未选择或输入项目编号！");
        d.Click(IDOK);
        EXPECT_EQ(driver.MessageBoxes().back().type, MB_OK | MB_ICONEXCLAMATION);
        d.SetDlgItemText(Dlg::IDC_XMBH, "TYPED-NUMBER");
        driver.ExpectMessageBox("系统提示", "尚未输入项目名称！");
        d.Click(IDOK);
        EXPECT_TRUE(d.IsRunningModal());
        // A typed number need not exist.
        d.SetDlgItemText(Dlg::IDC_XMMC, "新项目");
        d.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_strXMBH, "TYPED-NUMBER");
    EXPECT_EQ(dlg.m_strXMMC, "新项目");
}

TEST_F(SelectProjectTest, AClickOutsideTheLinesChangesNothing) {
    SeedApplications();
    Run([&](Dlg& d) {
        d.SetDlgItemText(Dlg::IDC_XMBH, "kept");
        const ui::Rect last = d.List().GetItemRect(2);
        ui::sim::Click(d.List(), {last.left + 5, last.bottom + 40});
        EXPECT_EQ(d.GetDlgItemText(Dlg::IDC_XMBH), "kept");
        d.Click(IDCANCEL);
    });
}

}  // namespace
