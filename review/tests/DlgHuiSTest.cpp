// The meeting review: the Excel button per category, the granted budget
// loaded from the review row or the applied budget, the total, saving the
// result and the amounts, a node that is no project and refused saves.
#include "WorkflowTestSupport.h"

#include "numbering/LoadedProject.h"
#include "platform/ui/Edit.h"
#include "review/DlgHuiS.h"
#include "review/OfficeReports.h"
#include "testsupport/HeldDatabase.h"

using namespace workflowtest;

namespace {

using Panel = CDlgHuiSPanel;

const std::string kKeyProject = "9140A030101080001001";
const std::string kLabProject = "9140B010101080001001";

const std::vector<std::string> kBudgetColumns = {"PFJF",  "PFSJF",   "PFCLF", "PFWXF", "PFZYF",
                                                 "PFSYF", "PFGDZCF", "PFGZF", "PFGLF"};

class MeetingReview : public WorkflowTest {
protected:
    void SetUp() override {
        WorkflowTest::SetUp();
        // The applied total differs from the sum of the parts (36).
        AddApplication(kKeyProject, kKey, "2008", "+",
                       {{"SQJE", "40"}, {"SJF", "1"}, {"CLF", "2"}, {"WXF", "3"}, {"ZYF", "4"}, {"SYF", "5"},
                        {"GDZCF", "6"}, {"GZF", "7"}, {"GLF", "8"}});
        AddApplication(kLabProject, kLabGeneral, "2008");
    }
    CDlgHuiS& Open() {
        CDlgHuiS& view = OpenView<CDlgHuiS>();
        panel = &view.m_dlgPanel;
        return view;
    }
    // The eight amounts then the total, as shown.
    std::vector<std::string> Shown() const {
        std::vector<std::string> values;
        for (int id : Panel::IDC_AMOUNTS) values.push_back(panel->GetDlgItemText(id));
        values.push_back(panel->GetDlgItemText(Panel::IDC_TOTAL));
        return values;
    }
    void ChooseResult(const std::string& result) { Choose(panel->m_dlgSummary, CDlgProSummary::IDC_RESULT, result); }
    bool ExcelShown() const { return panel->GetDlgItem(Panel::IDC_EXCEL)->IsWindowVisible(); }

    Panel* panel = nullptr;
};

}  // namespace

TEST_F(MeetingReview, SummaryShowsTheResultListInsteadOfTheLetterReviewScore) {
    Open();
    CDlgProSummary& summary = panel->m_dlgSummary;
    for (int id : {CDlgProSummary::IDC_FS_LABEL, CDlgProSummary::IDC_PSJG_LABEL, CDlgProSummary::IDC_FS,
                   CDlgProSummary::IDC_PSJG})
        EXPECT_FALSE(summary.GetDlgItem(id)->IsWindowVisible()) << id;
    for (int id : {CDlgProSummary::IDC_RESULT_LABEL, CDlgProSummary::IDC_RESULT})
        EXPECT_TRUE(summary.GetDlgItem(id)->IsWindowVisible()) << id;
    EXPECT_TRUE(panel->Item<ui::Edit>(Panel::IDC_TOTAL)->IsReadOnly()) << "the total cannot be typed into";
}

TEST_F(MeetingReview, ExcelButtonShowsForKeyLaboratoriesOnly) {
    CDlgHuiS& view = Open();
    EXPECT_FALSE(ExcelShown());
    Choose(view.m_dlgYearBar, CDlgYearBar::IDC_CATEGORY, "重点实验室");
    EXPECT_TRUE(ExcelShown());
    Choose(view.m_dlgYearBar, CDlgYearBar::IDC_CATEGORY, "专业组");
    EXPECT_FALSE(ExcelShown());
    EXPECT_EQ(TreeLines(view.m_dlgProTree), (std::vector<std::string>{"重点基金", "  9140A03", "    " + kKeyProject}));

    DestroyView();
    WriteSettings("2008", 1, 8);
    Open();
    EXPECT_TRUE(ExcelShown()) << "a view opened on 重点实验室";
    officereports::ClearRequests();
    driver.OnModal([](ui::Dialog& report) { report.EndDialog(IDCANCEL); });  // the report dialog opens
    panel->Click(Panel::IDC_EXCEL);
    ASSERT_EQ(officereports::Requests().size(), 1u);
    EXPECT_EQ(officereports::Requests()[0].dialog, "CDlgLabReviewExcel");
    EXPECT_EQ(officereports::Requests()[0].parent, panel);
    officereports::ClearRequests();
}

TEST_F(MeetingReview, ProjectWithoutReviewRowShowsTheAppliedBudgetAndSavesTheSumOfItsParts) {
    CDlgHuiS& view = Open();
    SelectNode(view.m_dlgProTree, kKeyProject);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "40"}));

    driver.ExpectMessageBox("提示", "请选择评审结果！");
    panel->Click(Panel::IDC_SAVE);
    EXPECT_TRUE(ReviewRow(kKeyProject, {"PSJG"}).empty());

    ChooseResult("+");
    driver.ExpectMessageBox("提示", "保存成功！");
    panel->Click(Panel::IDC_SAVE);
    EXPECT_EQ(ReviewRow(kKeyProject, kBudgetColumns),
              (Row{{"PFJF", "36"}, {"PFSJF", "1"}, {"PFCLF", "2"}, {"PFWXF", "3"}, {"PFZYF", "4"}, {"PFSYF", "5"},
                   {"PFGDZCF", "6"}, {"PFGZF", "7"}, {"PFGLF", "8"}}));
    EXPECT_EQ(ReviewRow(kKeyProject, {"PSJG"}), (Row{{"PSJG", "+"}}));
    EXPECT_EQ(Shown().back(), "36");
}

TEST_F(MeetingReview, RowOfTheLetterReviewShowsZerosAndKeepsItsColumnsWhenSaved) {
    Insert("CORVANE_ITEMPF", {{"XMBH", kKeyProject}, {"ZJ1", "E01"}, {"PF1", "A A A A A A A A"}, {"FS", "66"},
                              {"YJ1", "y"}, {"PSJG", "-"}, {"BZZLY", "理由"}});
    CDlgHuiS& view = Open();
    SelectNode(view.m_dlgProTree, kKeyProject);
    EXPECT_EQ(Shown(), std::vector<std::string>(9, "0"));
    EXPECT_EQ(panel->m_dlgSummary.GetDlgItemText(CDlgProSummary::IDC_RESULT), "-");

    panel->SetDlgItemText(Panel::IDC_AMOUNTS[0], "2.5");
    panel->SetDlgItemText(Panel::IDC_AMOUNTS[7], "1");
    ChooseResult("+");
    driver.ExpectMessageBox("提示", "保存成功！");
    panel->Click(Panel::IDC_SAVE);
    EXPECT_EQ(ReviewRow(kKeyProject, {"ZJ1", "PF1", "FS", "YJ1", "BZZLY", "PSJG", "PFJF", "PFSJF", "PFGLF"}),
              (Row{{"ZJ1", "E01"}, {"PF1", "A A A A A A A A"}, {"FS", "66"}, {"YJ1", "y"}, {"BZZLY", "理由"},
                   {"PSJG", "+"}, {"PFJF", "3.5"}, {"PFSJF", "2.5"}, {"PFGLF", "1"}}));
}

TEST_F(MeetingReview, StoredBudgetIsLoadedAndLeavingAnAmountUpdatesTheTotal) {
    Insert("CORVANE_ITEMPF", {{"XMBH", kKeyProject}, {"PSJG", "+"}, {"PFJF", "9"}, {"PFSJF", "4"}, {"PFCLF", "5"}});
    CDlgHuiS& view = Open();
    SelectNode(view.m_dlgProTree, kKeyProject);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"4", "5", "0", "0", "0", "0", "0", "0", "9"}));
    panel->SetDlgItemText(Panel::IDC_AMOUNTS[3], "0.25");
    panel->OnCommand(Panel::IDC_AMOUNTS[3], EN_KILLFOCUS);
    EXPECT_EQ(Shown().back(), "9.25");

    driver.AnswerMessageBox(IDOK);  // the framework's message, with the application's title
    panel->SetDlgItemText(Panel::IDC_AMOUNTS[0], "abc");
    panel->OnCommand(Panel::IDC_AMOUNTS[0], EN_KILLFOCUS);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "请输入一个数字。");
    EXPECT_EQ(Shown().back(), "9.25") << "the total is formed from the amounts as they stood";
}

TEST_F(MeetingReview, NodeThatIsNoProjectCannotOverwriteTheShownProjectsBudget) {
    Insert("CORVANE_ITEMPF", {{"XMBH", kKeyProject}, {"PSJG", "+"}, {"PFJF", "9"}, {"PFSJF", "9"}});
    CDlgHuiS& view = Open();
    SelectNode(view.m_dlgProTree, kKeyProject);
    SelectNode(view.m_dlgProTree, "重点基金");
    EXPECT_EQ(Shown(), std::vector<std::string>(9, "0"));
    EXPECT_EQ(panel->m_dlgSummary.GetDlgItemText(CDlgProSummary::IDC_XMBH), kKeyProject);
    driver.ExpectMessageBox("提示", "请先选择一个项目！");
    panel->Click(Panel::IDC_SAVE);
    EXPECT_EQ(ReviewRow(kKeyProject, {"PFJF", "PFSJF"}), (Row{{"PFJF", "9"}, {"PFSJF", "9"}}));
}

TEST_F(MeetingReview, KeyLaboratoryProjectGetsANewReviewRow) {
    WriteSettings("2008", 1, 8);
    CDlgHuiS& view = Open();
    SelectNode(view.m_dlgProTree, kLabProject);
    EXPECT_EQ(Shown(), std::vector<std::string>(9, "0")) << "an application without amounts";
    panel->SetDlgItemText(Panel::IDC_AMOUNTS[2], "12");
    ChooseResult("-");
    driver.ExpectMessageBox("提示", "保存成功！");
    panel->Click(Panel::IDC_SAVE);
    EXPECT_EQ(ReviewRow(kLabProject, {"XMBH", "PSJG", "PFJF", "PFWXF"}),
              (Row{{"XMBH", kLabProject}, {"PSJG", "-"}, {"PFJF", "12"}, {"PFWXF", "12"}}));
}

TEST_F(MeetingReview, SaveWithAnAmountThatIsNoNumberSavesNothingAndClaimsNoSuccess) {
    Insert("CORVANE_ITEMPF", {{"XMBH", kKeyProject}, {"PSJG", "+"}, {"PFJF", "9"}, {"PFSJF", "4"}, {"PFCLF", "5"}});
    CDlgHuiS& view = Open();
    SelectNode(view.m_dlgProTree, kKeyProject);
    panel->SetDlgItemText(Panel::IDC_AMOUNTS[1], "7");
    panel->SetDlgItemText(Panel::IDC_AMOUNTS[0], "abc");
    ChooseResult("-");
    driver.AnswerMessageBox(IDOK);
    panel->Click(Panel::IDC_SAVE);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u) << "only the refusal is shown";
    EXPECT_EQ(driver.MessageBoxes()[0].text, "请输入一个数字。");
    EXPECT_EQ(ReviewRow(kKeyProject, {"PSJG", "PFJF", "PFSJF", "PFCLF"}),
              (Row{{"PSJG", "+"}, {"PFJF", "9"}, {"PFSJF", "4"}, {"PFCLF", "5"}}));
}

// Found in the issue: the other program deleted the project shown, or gave
// its number to another one; the meeting review created a review row for a
// number with no application, or wrote into the other project, and said
// 保存成功. Nothing is written now, and the user is told.
TEST_F(MeetingReview, ASaveAfterTheProjectWasDeletedOrReplacedElsewhereWritesNothing) {
    const struct {
        const char* what;
        std::vector<std::string> meanwhile;
        std::size_t applications;
    } cases[] = {
        {"deleted", {"delete from CORVANE_ITEMAPPINFO where XMBH = '" + kKeyProject + "'"}, 1},
        {"its number given to another project",
         {"update CORVANE_ITEMAPPINFO set XMBH = '9140A030101080001002' where XMBH = '" + kKeyProject + "'",
          "insert into CORVANE_ITEMAPPINFO (XMBH, XMLB, NF, FIRSTAPPR) values ('" + kKeyProject + "', '" + kKey +
              "', '2008', '+')"},
         3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Exec("delete from CORVANE_ITEMAPPINFO where XMBH like '9140A03%'");
        AddApplication(kKeyProject, kKey, "2008", "+");
        CDlgHuiS& view = Open();
        SelectNode(view.m_dlgProTree, kKeyProject);
        for (const std::string& statement : c.meanwhile) Exec(statement);
        ChooseResult("+");
        driver.ExpectMessageBox("系统提示", projectnumber::kChangedElsewhereMessage);
        panel->Click(Panel::IDC_SAVE);
        EXPECT_TRUE(driver.Finished());
        EXPECT_TRUE(Query("select XMBH from CORVANE_ITEMPF", {"XMBH"}).empty());
        EXPECT_EQ(Query("select XMBH from CORVANE_ITEMAPPINFO", {"XMBH"}).size(), c.applications);
        DestroyView();
    }
}

// Another program writing the database: a save waits for a write held a
// moment and then goes on; a write held past the busy timeout fails the save,
// which writes nothing and says the database is in use.
TEST_F(MeetingReview, ASaveWaitsForAnotherProgramsWriteAndSaysWhenTheDatabaseStaysInUse) {
    for (const testdb::BusyCase& c : testdb::kBusyCases) {
        SCOPED_TRACE(c.name);
        testdb::BusyTimeout timeout(c.timeoutMs);
        CDlgHuiS& view = Open();
        SelectNode(view.m_dlgProTree, kKeyProject);
        ChooseResult(c.released ? "+" : "-");
        {
            testdb::HeldDatabase other(c);
            driver.ExpectMessageBox("提示", c.released ? std::string("保存成功！") : testdb::InUse("保存失败！"));
            panel->Click(Panel::IDC_SAVE);
        }
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(ReviewRow(kKeyProject, {"PSJG"}), (Row{{"PSJG", "+"}}));
        DestroyView();
    }
}
