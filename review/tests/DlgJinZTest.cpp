// The progress view: which projects each fund kind lists, the report's
// detail and summary, saving the check conclusion into the existing report
// row only, and the laboratory review table of the key laboratories.
#include "review/DlgJinZ.h"

#include "ApprovalTestSupport.h"

using namespace approvaltest;

namespace {

const std::string kA = "9140A010101081001001";
const std::string kB = "9140A010101081002001";

class Progress : public WorkflowViewTest<CDlgJinZ> {
protected:
    CDlgJinZPanel& Panel() { return view_->m_dlgPanel; }
    CDlgJinZDetail& Detail() { return view_->m_dlgPanel.m_dlgDetail; }
    std::vector<std::string> DetailTexts() {
        return {Detail().GetDlgItemText(CDlgJinZDetail::IDC_XMBH), Detail().GetDlgItemText(CDlgJinZDetail::IDC_NAME),
                Detail().GetDlgItemText(CDlgJinZDetail::IDC_PERSON)};
    }
    static void AddReport(const std::string& xmbh, const std::string& name, const std::string& person) {
        Seed({"CORVANE_ITEMPROGRESS", {"XMBH", "BACKUPNAME", "SJWCR"}, {{xmbh, name, person}}});
    }
};

TEST_F(Progress, EachFundKindListsItsProjectsAndOnlyKeyLaboratoriesOfferTheTable) {
    AddApplication(kA, "2008", kKey);
    AddApplication(kB, "2008", kGeneral);
    AddApplication("9140A010101081003001", "2008", kKey);
    Exec("update CORVANE_ITEMAPPINFO set FIRSTAPPR = '-' where XMBH = '9140A010101081003001'");
    AddApplication("9140C030303081001001", "2008", kLabGeneral);
    AddApplication("9140C030303081002001", "2008", kLabKey);
    OpenView();
    // No review result is needed; the first-review mark is.
    EXPECT_EQ(Tree(), "重点基金\n  9140A01\n    " + kA + "\n");
    EXPECT_FALSE(Panel().m_btnOutput.IsWindowVisible());

    ChooseCategory(1);
    EXPECT_EQ(Tree(),
              "一般基金\n  9140C03\n    9140C030303081001001\n重点基金\n  9140C03\n    9140C030303081002001\n");
    EXPECT_TRUE(Panel().m_btnOutput.IsWindowVisible());
    driver.OnModal([](ui::Dialog& report) { report.EndDialog(IDCANCEL); });  // the report dialog opens
    Panel().Click(CDlgJinZPanel::IDC_OUTPUT);
    ASSERT_EQ(officereports::Requests().size(), 1u);
    EXPECT_EQ(officereports::Requests()[0].dialog, "CDlgLabReviewExcel");
    EXPECT_EQ(officereports::Requests()[0].parent, nullptr);
    EXPECT_EQ(officereports::Requests()[0].connection, &view_->Connection());

    ChooseCategory(0);
    EXPECT_FALSE(Panel().m_btnOutput.IsWindowVisible());
}

TEST_F(Progress, AViewOpenedOnTheKeyLaboratoriesShowsTheTableButton) {
    OpenView(1);
    EXPECT_TRUE(Panel().m_btnOutput.IsWindowVisible());
    EXPECT_EQ(Panel().m_btnOutput.GetTooltipText(), "输出Excel报表");
}

TEST_F(Progress, ShowsTheReportAndSavesTheConclusionIntoItsRow) {
    AddApplication(kA, "2008", kKey);
    AddReport(kA, "阶段报告甲", "张三");
    StoreBlob("CORVANE_ITEMPROGRESS", "WCQKJJ", kA, Rtf("progress of A"));
    StoreBlob("CORVANE_ITEMPROGRESS", "JCJL", kA, Rtf("old conclusion"));
    OpenView();
    Select(kA);
    EXPECT_EQ(DetailTexts(), (std::vector<std::string>{kA, "阶段报告甲", "张三"}));
    EXPECT_EQ(Detail().m_richSummary.GetWindowText(), "progress of A");
    EXPECT_EQ(Panel().m_richConclusion.GetWindowText(), "old conclusion");

    Panel().m_richConclusion.SetWindowText("按计划完成");
    driver.ExpectMessageBox("提示", "保存成功！");
    Panel().Click(CDlgJinZPanel::IDC_SAVE);
    EXPECT_TRUE(driver.Finished());

    // Only JCJL changed.
    EXPECT_EQ(Query("select XMBH, BACKUPNAME, SJWCR from CORVANE_ITEMPROGRESS"), (Rows{{kA, "阶段报告甲", "张三"}}));
    EXPECT_EQ(Blob("CORVANE_ITEMPROGRESS", "WCQKJJ", kA), Rtf("progress of A"));
    Select("重点基金");
    Select(kA);
    EXPECT_EQ(Panel().m_richConclusion.GetWindowText(), "按计划完成");
}

TEST_F(Progress, AProjectWithoutReportIsListedButItsConclusionCannotBeSaved) {
    AddApplication(kA, "2008", kKey);
    AddApplication(kB, "2008", kKey);
    AddReport(kB, "阶段报告乙", "李四");
    StoreBlob("CORVANE_ITEMPROGRESS", "WCQKJJ", kB, Rtf("progress of B"));
    StoreBlob("CORVANE_ITEMPROGRESS", "JCJL", kB, Rtf("conclusion of B"));
    OpenView();
    Select(kB);
    Select(kA);
    EXPECT_EQ(DetailTexts(), (std::vector<std::string>{kA, "", ""}));
    EXPECT_EQ(Detail().m_richSummary.GetWindowText(), "");
    EXPECT_EQ(Panel().m_richConclusion.GetWindowText(), "");

    Panel().m_richConclusion.SetWindowText("无报告");
    driver.ExpectMessageBox("提示", "该项目尚未提交阶段进展报告，不能保存检查结论！");
    Panel().Click(CDlgJinZPanel::IDC_SAVE);
    EXPECT_EQ(Query("select XMBH from CORVANE_ITEMPROGRESS"), (Rows{{kB}}));
}

TEST_F(Progress, SavingWithoutAFreshSelectionWritesNothing) {
    AddApplication(kA, "2008", kKey);
    AddReport(kA, "阶段报告甲", "张三");
    StoreBlob("CORVANE_ITEMPROGRESS", "JCJL", kA, Rtf("kept"));
    OpenView();
    driver.ExpectMessageBox("提示", "请先选择一个项目！");
    Panel().Click(CDlgJinZPanel::IDC_SAVE);

    // A root node: the detail keeps A, the conclusion is emptied.
    Select(kA);
    Select("重点基金");
    EXPECT_EQ(DetailTexts()[0], kA);
    EXPECT_EQ(Panel().m_richConclusion.GetWindowText(), "");
    driver.ExpectMessageBox("提示", "请先选择一个项目！");
    Panel().Click(CDlgJinZPanel::IDC_SAVE);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Blob("CORVANE_ITEMPROGRESS", "JCJL", kA), Rtf("kept"));
}

}  // namespace
