// The plan view: the tree of passed key projects, the summary's approved
// total and progress requirement, the five sections, saving that creates
// the plan row, refused saves, output and renumbering of the key projects.
#include "review/DlgPlan.h"

#include "ApprovalTestSupport.h"

using namespace approvaltest;

namespace {

const std::string kA = "9140A010101081001001";
const std::string kB = "9140A010101081002001";

class Plan : public WorkflowViewTest<CDlgPlan> {
protected:
    CDlgPlanPanel& Panel() { return view_->m_dlgPanel; }
    CDlgProSummary& Summary() { return view_->m_dlgPanel.m_dlgSummary; }
    // The editors in the order 总研究目标与内容, 总完成形式, 年度研究目标与内容, 年度完成形式, 备注.
    std::vector<COleRichEdit*> Sections() {
        return {&Panel().m_richTotalGoals, &Panel().m_richTotalForm, &Panel().m_richYearGoals,
                &Panel().m_richYearForm, &Panel().m_richRemarks};
    }
    std::vector<std::string> SectionTexts() {
        std::vector<std::string> texts;
        for (COleRichEdit* editor : Sections()) texts.push_back(editor->GetWindowText());
        return texts;
    }
};

const char* const kColumns[] = {"ZMBYNR", "ZWCXS", "NDMBYNR", "NDWCXS", "BZ"};

TEST_F(Plan, TreeListsThePassedKeyProjectsAndTheSummaryShowsThePlanFields) {
    AddApplication(kA, "2008", kKey);
    AddReview(kA, "+");
    AddApplication(kB, "2008", kKey);
    AddReview(kB, "-");
    AddApplication("9140A010101081003001", "2008", kGeneral);
    AddReview("9140A010101081003001", "+");
    AddApplication("9140C030303081001001", "2008", kLabKey);
    AddReview("9140C030303081001001", "+");
    OpenView();
    EXPECT_EQ(Tree(), "重点基金\n  9140A01\n    " + kA + "\n");
    ChooseCategory(1);
    EXPECT_EQ(Tree(), "重点基金\n  9140C03\n    9140C030303081001001\n");

    for (int id : {CDlgProSummary::IDC_FS_LABEL, CDlgProSummary::IDC_PSJG_LABEL, CDlgProSummary::IDC_FS,
                   CDlgProSummary::IDC_PSJG})
        EXPECT_FALSE(Summary().GetDlgItem(id)->IsWindowVisible()) << id;
    EXPECT_TRUE(Summary().GetDlgItem(CDlgProSummary::IDC_PROGRESS)->IsWindowVisible());
    EXPECT_TRUE(Summary().GetDlgItem(CDlgProSummary::IDC_PROGRESS_LABEL)->IsWindowVisible());
    EXPECT_EQ(Summary().GetDlgItemText(CDlgProSummary::IDC_AMOUNT_LABEL), "  总经费:");
    EXPECT_EQ(Panel().m_btnOutput.GetTooltipText(), "输出项目计划");
    for (COleRichEdit* editor : Sections()) {
        ui::CharFormat cf;
        editor->GetDefaultCharFormat(cf);
        EXPECT_EQ(cf.yHeight, 210);
    }
}

TEST_F(Plan, TheApprovedTotalIsShownWithPercentG) {
    const struct {
        std::string number, approved, shown;
    } cases[] = {
        {kA, "12.5", "12.5"},
        {kB, "10", "10"},
    };
    for (const auto& c : cases) {
        AddApplication(c.number, "2008", kKey, {"SQJE"}, {"99"});
        Seed({"CORVANE_ITEMPF", {"XMBH", "PSJG", "PFJF"}, {{c.number, "+", c.approved}}});
    }
    OpenView();
    for (const auto& c : cases) {
        Select(c.number);
        EXPECT_EQ(Summary().GetDlgItemText(CDlgProSummary::IDC_SQJE), c.shown) << c.number;
    }
    // The review row removed after the tree was filled: an empty total, and no save.
    Exec("delete from CORVANE_ITEMPF where XMBH = '" + kA + "'");
    Select(kA);
    EXPECT_EQ(Summary().GetDlgItemText(CDlgProSummary::IDC_SQJE), "");
    driver.ExpectMessageBox("提示", "该项目尚未通过函审或会审！");
    Panel().Click(CDlgPlanPanel::IDC_SAVE);
    EXPECT_TRUE(Query("select XMBH from CORVANE_ITEMPLAN").empty());
}

TEST_F(Plan, FirstSaveCreatesThePlanRowAndALaterOneReplacesIt) {
    AddApplication(kA, "2008", kKey);
    AddReview(kA, "+");
    OpenView();
    Select(kA);
    EXPECT_EQ(Summary().GetDlgItemText(CDlgProSummary::IDC_PROGRESS), "");
    EXPECT_EQ(SectionTexts(), (std::vector<std::string>(5, "")));

    Summary().SetDlgItemText(CDlgProSummary::IDC_PROGRESS, "每季度报告一次");
    const std::vector<std::string> typed = {"总目标", "总形式", "年度目标", "年度形式", "备注甲"};
    for (size_t i = 0; i < typed.size(); ++i) Sections()[i]->SetWindowText(typed[i]);
    driver.ExpectMessageBox("提示", "保存成功！");
    Panel().Click(CDlgPlanPanel::IDC_SAVE);
    EXPECT_EQ(Query("select XMBH, JDYQ from CORVANE_ITEMPLAN"), (Rows{{kA, "每季度报告一次"}}));

    // Each section went to its own column.
    Select("重点基金");
    EXPECT_EQ(SectionTexts(), (std::vector<std::string>(5, "")));
    Select(kA);
    EXPECT_EQ(SectionTexts(), typed);
    EXPECT_EQ(Summary().GetDlgItemText(CDlgProSummary::IDC_PROGRESS), "每季度报告一次");

    // Emptied sections store the editors' empty documents and a null requirement.
    Summary().SetDlgItemText(CDlgProSummary::IDC_PROGRESS, "");
    for (COleRichEdit* editor : Sections()) editor->SetWindowText("");
    driver.ExpectMessageBox("提示", "保存成功！");
    Panel().Click(CDlgPlanPanel::IDC_SAVE);
    EXPECT_EQ(Query("select count(*) from CORVANE_ITEMPLAN where JDYQ is null"), (Rows{{"1"}}));
    for (const char* column : kColumns) EXPECT_EQ(Blob("CORVANE_ITEMPLAN", column, kA).rfind("{\\rtf", 0), 0u) << column;
    EXPECT_EQ(Query("select count(*) from CORVANE_ITEMPLAN"), (Rows{{"1"}}));
}

TEST_F(Plan, StoredSectionsAreShownAndNotCarriedToTheNextProject) {
    AddApplication(kA, "2008", kKey);
    AddReview(kA, "+");
    AddApplication(kB, "2008", kKey);
    AddReview(kB, "+");
    Seed({"CORVANE_ITEMPLAN", {"XMBH", "JDYQ"}, {{kA, "半年一次"}}});
    for (const char* column : kColumns) StoreBlob("CORVANE_ITEMPLAN", column, kA, Rtf(std::string("A ") + column));
    OpenView();
    Select(kA);
    EXPECT_EQ(SectionTexts(), (std::vector<std::string>{"A ZMBYNR", "A ZWCXS", "A NDMBYNR", "A NDWCXS", "A BZ"}));
    Select(kB);
    EXPECT_EQ(SectionTexts(), (std::vector<std::string>(5, "")));
    EXPECT_EQ(Summary().GetDlgItemText(CDlgProSummary::IDC_PROGRESS), "");
}

TEST_F(Plan, SavingAfterARootNodeNeverWipesTheShownProjectsPlan) {
    AddApplication(kA, "2008", kKey);
    AddReview(kA, "+");
    Seed({"CORVANE_ITEMPLAN", {"XMBH", "JDYQ"}, {{kA, "半年一次"}}});
    StoreBlob("CORVANE_ITEMPLAN", "BZ", kA, Rtf("kept"));
    OpenView();
    driver.ExpectMessageBox("提示", "请先选择一个项目！");
    Panel().Click(CDlgPlanPanel::IDC_SAVE);
    Select(kA);
    Select("9140A01");
    EXPECT_EQ(Summary().GetDlgItemText(CDlgProSummary::IDC_XMBH), kA);
    driver.ExpectMessageBox("提示", "请先选择一个项目！");
    Panel().Click(CDlgPlanPanel::IDC_SAVE);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Query("select JDYQ from CORVANE_ITEMPLAN"), (Rows{{"半年一次"}}));
    EXPECT_EQ(Blob("CORVANE_ITEMPLAN", "BZ", kA), Rtf("kept"));
}

TEST_F(Plan, OutputAndReorderWorkOnTheKeyProjects) {
    AddApplication("9140A010101081001004", "2008", kLabKey);
    AddReview("9140A010101081001004", "+");
    AddApplication("9140A010101081001002", "2008", kLabKey);
    AddApplication("9140A010101081001009", "2008", kLabGeneral);
    AddReview("9140A010101081001009", "+");
    OpenView(1);
    driver.OnModal([](ui::Dialog& report) { report.EndDialog(IDCANCEL); });  // the report dialog opens
    Panel().Click(CDlgPlanPanel::IDC_OUTPUT);
    ASSERT_EQ(officereports::Requests().size(), 1u);
    EXPECT_EQ(officereports::Requests()[0].dialog, "CDlgPlanOutput");
    EXPECT_EQ(officereports::Requests()[0].connection, &view_->Connection());
    EXPECT_EQ(officereports::Requests()[0].category, 0);

    driver.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDOK);
    driver.ExpectMessageBox("提示", "项目编号重新排序完成，1个项目的编号已改变！");  // 004 -> 001, 002 stays
    Panel().Click(CDlgPlanPanel::IDC_REORDER);
    EXPECT_EQ(Query("select XMBH, XMLB from CORVANE_ITEMAPPINFO order by XMBH"),
              (Rows{{"9140A010101081001001", kLabKey},
                    {"9140A010101081001002", kLabKey},
                    {"9140A010101081001009", kLabGeneral}}));
    EXPECT_EQ(Query("select XMBH, PSJG from CORVANE_ITEMPF order by XMBH"),
              (Rows{{"9140A010101081001001", "+"}, {"9140A010101081001009", "+"}}));
    EXPECT_EQ(Tree(), "重点基金\n  9140A01\n    9140A010101081001001\n");
}

// What was typed for the selected project is saved to it after a re-sort
// moved its number, never to the project that took its former number.
TEST_F(Plan, AfterAReorderTheSaveGoesToTheSelectedProjectUnderItsNewNumber) {
    const std::string passed = "9140A010101081001007", failed = "9140A010101081001003";
    AddApplication(passed, "2008", kKey);
    AddReview(passed, "+");
    AddApplication(failed, "2008", kKey);
    AddReview(failed, "-");
    OpenView();
    Select(passed);
    Summary().SetDlgItemText(CDlgProSummary::IDC_PROGRESS, "每季度报告一次");
    driver.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDOK);
    driver.ExpectMessageBox("提示", "项目编号重新排序完成，2个项目的编号已改变！");
    Panel().Click(CDlgPlanPanel::IDC_REORDER);  // passed 007 -> 001, failed 003 -> 002
    EXPECT_EQ(Summary().GetSelectedProject(), "9140A010101081001001");
    driver.ExpectMessageBox("提示", "保存成功！");
    Panel().Click(CDlgPlanPanel::IDC_SAVE);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Query("select XMBH, JDYQ from CORVANE_ITEMPLAN"), (Rows{{"9140A010101081001001", "每季度报告一次"}}));
}

}  // namespace
