// The acceptance view: the tree of approved projects, the information page
// and the result page loaded from a tree selection, the grade rule, saving
// (inserting or replacing the fund office's columns), the guard after a root
// or fund-number node, the achievement compilation, and a missing database.
#include <algorithm>

#include "AcceptTestSupport.h"
#include "WorkflowTestSupport.h"
#include "numbering/LoadedProject.h"
#include "platform/text/Text.h"
#include "platform/ui/Edit.h"
#include "review/DlgAccept.h"
#include "review/OfficeReports.h"

using namespace workflowtest;

namespace {

const std::string kGen = "9140A01010108000001";   // general project, accepted before
const std::string kKeyP = "9140B02020108000002";  // key project, applicant's report only
const std::string kNew = "9140A01030108000003";   // general project, no acceptance row
const std::string kLab = "9140C03010108000004";   // key-laboratory project

std::string AcceptRow(const std::string& number) {
    return "select * from CORVANE_ITEMCHECKACCEPT where XMBH='" + number + "'";
}

class Accept : public WorkflowTest {
protected:
    void SetUp() override {
        WorkflowTest::SetUp();
        AddApplication(kGen, kGeneral, "2008", "+", {{"XMMC", "甲项目"}});
        AddApplication(kKeyP, kKey, "2008", "+", {{"XMMC", "乙项目"}});
        AddApplication(kNew, kGeneral, "2008", "+", {{"XMMC", "丙项目"}});
        AddApplication(kLab, kLabGeneral, "2008");
        AddApplication("9140A01040108000005", kGeneral, "2008");       // review not passed
        AddApplication("9140A01050108000006", kGeneral, "2008", "-");  // first review not passed
        AddApplication("9140A01060107000007", kGeneral, "2007");       // another year
        for (const char* number : {kGen.c_str(), kKeyP.c_str(), kNew.c_str(), kLab.c_str(), "9140A01050108000006",
                                   "9140A01060107000007"})
            Insert("CORVANE_ITEMPF", {{"XMBH", number}, {"PSJG", "+"}});
        Insert("CORVANE_ITEMPF", {{"XMBH", "9140A01040108000005"}, {"PSJG", "-"}});

        accepttest::AddRow("CORVANE_ITEMCHECKACCEPT",
                           {{"XMBH", kGen}, {"SJWCR", "张三，李四"}, {"FINALSCORE", "91"}, {"YSQK", "1"}, {"YSZT", "2"}},
                           {{"ZBSXQK", text::Utf8ToGbk("指标全部达到") + std::string(1, '\0') + "junk"},
                            {"WCQKJJ", accepttest::Rtf("summary A")},
                            {"YSJL", accepttest::Rtf("conclusion A")},
                            {"YSBZ", accepttest::Rtf("remarks A")}});
        accepttest::AddRow("CORVANE_ITEMCHECKACCEPT", {{"XMBH", kKeyP}, {"SJWCR", "王五"}},
                           {{"WCQKJJ", accepttest::Rtf("summary B")}});
        Insert("CORVANE_CGHZ", {{"XMBH", kGen}, {"MC", "论文一"}, {"LX", "论文"}, {"TIME", "2009"}, {"BZ", "核心"}});
        Insert("CORVANE_CGHZ", {{"XMBH", kGen}, {"MC", "专利一"}, {"LX", "专利"}, {"TIME", "2010"}});
        officereports::ClearRequests();
    }
    CDlgAcceptPanel& Panel() { return view->m_dlgPanel; }
    CDlgAcceptDetail& Detail() { return view->m_dlgPanel.m_dlgDetail; }
    std::string StateShown() { return Panel().Item<ui::ComboBox>(CDlgAcceptPanel::IDC_COMBO_STATE)->GetWindowText(); }
    std::string GradeShown() { return Panel().Item<ui::ComboBox>(CDlgAcceptPanel::IDC_COMBO_GRADE)->GetWindowText(); }
    void Open() { view = &OpenView<CDlgAccept>(); }

    CDlgAccept* view = nullptr;
};

TEST_F(Accept, TreeListsTheYearsApprovedProjectsOfBothKinds) {
    Open();
    EXPECT_EQ(TreeLines(view->m_dlgProTree),
              (std::vector<std::string>{"一般基金", "  9140A01", "    " + kGen, "    " + kNew, "重点基金", "  9140B02",
                                        "    " + kKeyP}));
    Choose(view->m_dlgYearBar, CDlgYearBar::IDC_CATEGORY, "重点实验室");
    EXPECT_EQ(TreeLines(view->m_dlgProTree),
              (std::vector<std::string>{"一般基金", "  9140C03", "    " + kLab, "重点基金"}));
    Choose(view->m_dlgYearBar, CDlgYearBar::IDC_CATEGORY, "专业组");
    Choose(view->m_dlgYearBar, CDlgYearBar::IDC_YEAR, "2007");
    EXPECT_EQ(TreeLines(view->m_dlgProTree),
              (std::vector<std::string>{"一般基金", "  9140A01", "    9140A01060107000007", "重点基金"}));
}

TEST_F(Accept, SelectingAProjectShowsItsReportAndTheOfficesVerdict) {
    Open();
    SelectNode(view->m_dlgProTree, kGen);
    EXPECT_EQ(Detail().GetDlgItemText(CDlgAcceptDetail::IDC_EDIT_NUMBER), kGen);
    EXPECT_EQ(Detail().GetDlgItemText(CDlgAcceptDetail::IDC_EDIT_NAME), "甲项目");
    EXPECT_EQ(Detail().GetDlgItemText(CDlgAcceptDetail::IDC_EDIT_COMPLETERS), "张三，李四");
    EXPECT_EQ(Detail().GetDlgItemText(CDlgAcceptDetail::IDC_EDIT_INDICATORS), "指标全部达到");
    EXPECT_EQ(Detail().m_richSummary.GetWindowText(), "summary A");
    EXPECT_EQ(accepttest::Headings(Detail().AchievementList()),
              (std::vector<std::string>{"名称", "类型", "时间", "备注"}));
    EXPECT_EQ(accepttest::ListRows(Detail().AchievementList()),
              (accepttest::Rows{{"论文一", "论文", "2009", "核心"}, {"专利一", "专利", "2010", ""}}));
    EXPECT_EQ(Panel().GetDlgItemText(CDlgAcceptPanel::IDC_EDIT_SCORE), "91");
    EXPECT_EQ(GradeShown(), "良");
    EXPECT_EQ(StateShown(), "未交");
    EXPECT_EQ(Panel().m_richConclusion.GetWindowText(), "conclusion A");
    EXPECT_EQ(Panel().m_richRemarks.GetWindowText(), "remarks A");

    // The applicant's report alone: empty grade and state columns read as 0.
    SelectNode(view->m_dlgProTree, kKeyP);
    EXPECT_EQ(Detail().GetDlgItemText(CDlgAcceptDetail::IDC_EDIT_COMPLETERS), "王五");
    EXPECT_EQ(Detail().GetDlgItemText(CDlgAcceptDetail::IDC_EDIT_INDICATORS), "");
    EXPECT_EQ(Detail().m_richSummary.GetWindowText(), "summary B");
    EXPECT_EQ(Detail().AchievementList().GetItemCount(), 0);
    EXPECT_EQ(GradeShown(), "优");
    EXPECT_EQ(StateShown(), "转专业组");
    EXPECT_EQ(Panel().GetDlgItemText(CDlgAcceptPanel::IDC_EDIT_SCORE), "");
    EXPECT_EQ(Panel().m_richConclusion.GetWindowText(), "");

    // No acceptance row at all: the report fields are empty, nothing is chosen.
    SelectNode(view->m_dlgProTree, kNew);
    EXPECT_EQ(Detail().GetDlgItemText(CDlgAcceptDetail::IDC_EDIT_NAME), "丙项目");
    EXPECT_EQ(Detail().GetDlgItemText(CDlgAcceptDetail::IDC_EDIT_COMPLETERS), "");
    EXPECT_EQ(Detail().m_richSummary.GetWindowText(), "");
    EXPECT_EQ(GradeShown(), "");
    EXPECT_EQ(StateShown(), "");
    EXPECT_EQ(Panel().m_nGrade, -1);
}

TEST_F(Accept, AFirstGradeSetsTheStateToAcceptedAndALaterOneLeavesIt) {
    Open();
    SelectNode(view->m_dlgProTree, kNew);
    Choose(Panel(), CDlgAcceptPanel::IDC_COMBO_STATE, "延期");
    Choose(Panel(), CDlgAcceptPanel::IDC_COMBO_GRADE, "中");
    EXPECT_EQ(StateShown(), "完成验收") << "a state chosen before the first grade is overwritten";
    Choose(Panel(), CDlgAcceptPanel::IDC_COMBO_STATE, "未交");
    Choose(Panel(), CDlgAcceptPanel::IDC_COMBO_GRADE, "差");
    EXPECT_EQ(StateShown(), "未交");
    EXPECT_EQ(GradeShown(), "差");

    // A stored grade counts as held.
    SelectNode(view->m_dlgProTree, kGen);
    Choose(Panel(), CDlgAcceptPanel::IDC_COMBO_GRADE, "优");
    EXPECT_EQ(StateShown(), "未交");
}

TEST_F(Accept, SavingAProjectWithoutRowInsertsTheOfficesColumnsOnly) {
    Open();
    SelectNode(view->m_dlgProTree, kNew);
    Panel().m_richConclusion.SetWindowText("new conclusion");
    driver.ExpectMessageBox("提示", "保存成功！");
    Panel().OnBtnSave();
    const auto rows = Query(AcceptRow(kNew), {"XMBH", "SJWCR", "FINALSCORE", "YSQK", "YSZT"});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (Row{{"XMBH", kNew}, {"SJWCR", ""}, {"FINALSCORE", ""}, {"YSQK", "-1"}, {"YSZT", "-1"}}));
    EXPECT_TRUE(accepttest::IsNull(AcceptRow(kNew), "FINALSCORE"));
    EXPECT_TRUE(accepttest::IsNull(AcceptRow(kNew), "WCQKJJ"));

    SelectNode(view->m_dlgProTree, kGen);
    SelectNode(view->m_dlgProTree, kNew);
    EXPECT_EQ(Panel().m_richConclusion.GetWindowText(), "new conclusion");
    EXPECT_EQ(Panel().m_nGrade, -1);
    EXPECT_EQ(Panel().m_nState, -1);
}

// The project shown was deleted by another program: no acceptance row is
// made for a number without application, and the user is told.
TEST_F(Accept, ASaveAfterTheProjectWasDeletedElsewhereWritesNothing) {
    Open();
    SelectNode(view->m_dlgProTree, kNew);
    Exec("delete from CORVANE_ITEMAPPINFO where XMBH = '" + kNew + "'");
    Panel().m_richConclusion.SetWindowText("new conclusion");
    driver.ExpectMessageBox("系统提示", projectnumber::kChangedElsewhereMessage);
    Panel().OnBtnSave();
    EXPECT_TRUE(driver.Finished());
    EXPECT_TRUE(Query(AcceptRow(kNew), {"XMBH"}).empty());
}

TEST_F(Accept, SavingReplacesTheVerdictAndKeepsTheApplicantsReport) {
    Open();
    SelectNode(view->m_dlgProTree, kGen);
    Panel().SetDlgItemText(CDlgAcceptPanel::IDC_EDIT_SCORE, "78");
    Choose(Panel(), CDlgAcceptPanel::IDC_COMBO_STATE, "完成验收");
    Panel().m_richRemarks.SetWindowText("remarks B");
    driver.ExpectMessageBox("提示", "保存成功！");
    Panel().OnBtnSave();
    EXPECT_EQ(Query(AcceptRow(kGen), {"SJWCR", "FINALSCORE", "YSQK", "YSZT"}),
              (std::vector<Row>{{{"SJWCR", "张三，李四"}, {"FINALSCORE", "78"}, {"YSQK", "1"}, {"YSZT", "3"}}}));
    EXPECT_EQ(accepttest::Blob(AcceptRow(kGen), "WCQKJJ"), accepttest::Rtf("summary A"));
    SelectNode(view->m_dlgProTree, kKeyP);
    SelectNode(view->m_dlgProTree, kGen);
    EXPECT_EQ(Panel().m_richConclusion.GetWindowText(), "conclusion A");
    EXPECT_EQ(Panel().m_richRemarks.GetWindowText(), "remarks B");
    EXPECT_EQ(Query("select count(*) as N from CORVANE_ITEMCHECKACCEPT", {"N"})[0].at("N"), "2");
}

TEST_F(Accept, AfterARootOrFundNodeNothingIsSavedOverTheShownProject) {
    Open();
    driver.ExpectMessageBox("提示", "请先选择一个项目！");
    Panel().OnBtnSave();

    for (const char* node : {"一般基金", "9140A01"}) {
        SelectNode(view->m_dlgProTree, kGen);
        SelectNode(view->m_dlgProTree, node);
        EXPECT_EQ(Detail().GetDlgItemText(CDlgAcceptDetail::IDC_EDIT_NUMBER), kGen) << node;
        EXPECT_EQ(Detail().AchievementList().GetItemCount(), 0) << node;
        EXPECT_EQ(Panel().m_nGrade, -1) << node;
        EXPECT_EQ(Panel().m_richConclusion.GetWindowText(), "") << node;
        driver.ExpectMessageBox("提示", "请先选择一个项目！");
        Panel().OnBtnSave();
    }
    EXPECT_EQ(Query(AcceptRow(kGen), {"FINALSCORE", "YSQK", "YSZT"}),
              (std::vector<Row>{{{"FINALSCORE", "91"}, {"YSQK", "1"}, {"YSZT", "2"}}}));
    EXPECT_EQ(accepttest::Blob(AcceptRow(kGen), "YSJL"), accepttest::Rtf("conclusion A"));
}

TEST_F(Accept, PagesAndButtons) {
    Open();
    EXPECT_EQ(Panel().m_btnSave.GetTooltipText(), "保存");
    EXPECT_EQ(Panel().m_btnCompile.GetTooltipText(), "生成成果选编");
    EXPECT_TRUE(Detail().IsWindowVisible());
    for (int id : {CDlgAcceptDetail::IDC_EDIT_NUMBER, CDlgAcceptDetail::IDC_EDIT_NAME,
                   CDlgAcceptDetail::IDC_EDIT_COMPLETERS, CDlgAcceptDetail::IDC_EDIT_INDICATORS})
        EXPECT_TRUE(Detail().Item<ui::Edit>(id)->IsReadOnly()) << id;
    EXPECT_TRUE(Detail().m_richSummary.IsReadOnly());

    driver.OnModal([](ui::Dialog& report) { report.EndDialog(IDCANCEL); });  // the report dialog opens
    Panel().Click(CDlgAcceptPanel::IDC_BTN_COMPILE);
    ASSERT_EQ(officereports::Requests().size(), 1u);
    EXPECT_EQ(officereports::Requests()[0].dialog, "CDlgCGXB");
    EXPECT_EQ(officereports::Requests()[0].connection, &view->Connection());
}

TEST_F(Accept, WithoutDatabaseTheViewStaysEmpty) {
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    driver.AnswerMessageBox();
    Open();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "数据库连接失败");
    EXPECT_FALSE(Panel().IsWindow());
    EXPECT_FALSE(view->m_dlgProTree.IsWindow());
}

}  // namespace
