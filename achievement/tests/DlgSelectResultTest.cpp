// The record picker: the stored records by number, a clicked line, a typed
// number and name, and the refusals of 确定.
#include "UnitTransferTestSupport.h"

#include "achievement/DlgSelectResult.h"
#include "platform/ui/Simulate.h"

namespace {

using Dlg = CDlgSelectResult;
using Texts = std::vector<std::string>;

class SelectResultTest : public UnitTransferTest {
protected:
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

TEST_F(SelectResultTest, ListsRecordsByNumberAndTakesTheClickedOne) {
    testdb::Seed(db, {"CORVANE_NEW_RESULTCHANGE", {"XMBH", "XMMC"}, {{"9140B002", "乙项目"}, {"9140A001", "甲项目"}}});
    const int result = Run([&](Dlg& d) {
        EXPECT_EQ(d.GetWindowText(), "新增");
        EXPECT_EQ(Rows(d), (Texts{"1 甲项目 9140A001", "2 乙项目 9140B002"}));
        EXPECT_EQ(d.List().GetColumnCount(), 3);
        EXPECT_EQ(d.List().GetColumnWidth(0), 40);
        EXPECT_EQ(d.List().GetColumnWidth(2), 180);
        ui::sim::ClickItem(d.List(), 1);
        EXPECT_EQ(d.GetDlgItemText(Dlg::IDC_XMBH), "9140B002");
        EXPECT_EQ(d.GetDlgItemText(Dlg::IDC_XMMC), "乙项目");
        // What the user types after the click wins.
        d.SetDlgItemText(Dlg::IDC_XMMC, "改过的名称");
        d.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_strXMBH, "9140B002");
    EXPECT_EQ(dlg.m_strXMMC, "改过的名称");
}

TEST_F(SelectResultTest, OKNeedsANumberAndANameAndTakesTypedOnes) {
    const int result = Run([&](Dlg& d) {
        EXPECT_EQ(d.List().GetItemCount(), 0);
        driver.ExpectMessageBox("系统提示", "尚未选择或输入单位代码！");
        d.Click(IDOK);
        EXPECT_EQ(driver.MessageBoxes().back().type, UINT(MB_OK | MB_ICONEXCLAMATION));
        d.SetDlgItemText(Dlg::IDC_XMBH, "U9");
        driver.ExpectMessageBox("系统提示", "尚未输入单位名称！");
        d.Click(IDOK);
        EXPECT_TRUE(d.IsRunningModal());
        d.SetDlgItemText(Dlg::IDC_XMMC, "新单位");
        d.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_strXMBH, "U9");
    EXPECT_EQ(dlg.m_strXMMC, "新单位");
}

TEST_F(SelectResultTest, TypedLettersBecomeCapitalsAndCancelReturnsNothing) {
    const int result = Run([&](Dlg& d) {
        ui::sim::Type(*d.GetDlgItem(Dlg::IDC_XMBH), "ab1");
        EXPECT_EQ(d.GetDlgItemText(Dlg::IDC_XMBH), "AB1");
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.m_strXMBH, "");
}

}  // namespace
