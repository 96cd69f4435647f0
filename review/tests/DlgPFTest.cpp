// The approval view: the tree of passed general projects, the approved or
// applied amounts and the opinions of a project, saving into the review row
// only, the output dialog and the renumbering command.
#include "review/DlgPF.h"

#include "ApprovalTestSupport.h"
#include "numbering/LoadedProject.h"
#include "numbering/ProjectRows.h"
#include "platform/ui/Edit.h"

using namespace approvaltest;

namespace {

const std::string kA = "9140A010101081001001";
const std::string kB = "9140A010101081002001";
const std::string kC = "9140B020202081001001";

// Applied amounts of an application: SQJE, SJF, CLF, WXF, ZYF, SYF, GDZCF, GZF, GLF.
const std::vector<std::string> kAppliedColumns = {"SQJE", "SJF", "CLF", "WXF", "ZYF", "SYF", "GDZCF", "GZF", "GLF"};

class Approval : public WorkflowViewTest<CDlgPF> {
protected:
    CDlgPFPanel& Panel() { return view_->m_dlgPanel; }
    std::string Shown(int id) { return Panel().GetDlgItemText(id); }
    // The nine amount edits in the order 设计费 .. 管理费, 总经费.
    std::vector<std::string> ShownAmounts() {
        std::vector<std::string> shown;
        for (int id : {6066, 6114, 6069, 6067, 6068, 6070, 6071, 6072, 6073}) shown.push_back(Shown(id));
        return shown;
    }
    // A passed general project with applied amounts and an approved row.
    void SeedApproved() {
        AddApplication(kA, "2008", kGeneral, kAppliedColumns, {"30", "1", "2", "3", "4", "5", "6", "7", "8"});
        Seed({"CORVANE_ITEMPF",
              {"XMBH", "PSJG", "PFJF", "PFSJF", "PFCLF", "PFSYF", "PFWXF", "PFZYF", "PFGDZCF", "PFGZF", "PFGLF"},
              {{kA, "+", "12.5", "1.5", "2", "3", "1", "1", "1", "2", "1"}}});
        StoreBlob("CORVANE_ITEMPF", "ZJYJ", kA, Rtf("experts of A"));
        StoreBlob("CORVANE_ITEMPF", "PFYJ", kA, Rtf("approval of A"));
    }
};

TEST_F(Approval, TreeListsThePassedGeneralProjectsOfTheYearAndFundKind) {
    AddApplication(kA, "2008", kGeneral);
    AddReview(kA, "+");
    AddApplication(kB, "2008", kGeneral);
    AddReview(kB, "-");
    AddApplication(kC, "2008", kKey);
    AddReview(kC, "+");
    AddApplication("9140A010101071001001", "2007", kGeneral);
    AddReview("9140A010101071001001", "+");
    AddApplication("9140C030303081001001", "2008", kLabGeneral);
    AddReview("9140C030303081001001", "+");
    OpenView();
    EXPECT_EQ(Tree(), "一般基金\n  9140A01\n    " + kA + "\n");

    ChooseCategory(1);
    EXPECT_EQ(Tree(), "一般基金\n  9140C03\n    9140C030303081001001\n");
    auto* years = view_->YearBar().Item<ui::ComboBox>(CDlgYearBar::IDC_YEAR);
    years->SetCurSel(years->FindStringExact(-1, "2007"));
    ChooseCategory(0);
    view_->YearBar().OnYearChanged();
    EXPECT_EQ(Tree(), "一般基金\n  9140A01\n    9140A010101071001001\n");
}

TEST_F(Approval, PanelIsDressedAsTheApprovalPanel) {
    OpenView();
    EXPECT_EQ(Panel().m_btnSave.GetTooltipText(), "保存");
    EXPECT_EQ(Panel().m_btnOutput.GetTooltipText(), "输出");
    EXPECT_EQ(Panel().m_btnReorder.GetTooltipText(), "重排序");
    for (COleRichEdit* editor : {&Panel().m_richExpertOpinion, &Panel().m_richApprovalOpinion}) {
        ui::CharFormat cf;
        editor->GetDefaultCharFormat(cf);
        EXPECT_EQ(cf.szFaceName, "仿宋_GB2312");
        EXPECT_EQ(cf.yHeight, 280);
        EXPECT_FALSE(cf.dwEffects & ui::CFE_BOLD);
    }
    EXPECT_TRUE(Panel().Item<ui::Edit>(CDlgPFPanel::IDC_TOTAL)->IsReadOnly());
}

TEST_F(Approval, ShowsTheApprovedAmountsAndOpinions) {
    SeedApproved();
    OpenView();
    Select(kA);
    EXPECT_EQ(Panel().m_dlgSummary.GetDlgItemText(CDlgProSummary::IDC_XMBH), kA);
    EXPECT_EQ(ShownAmounts(), (std::vector<std::string>{"1.5", "2", "3", "1", "1", "1", "2", "1", "12.5"}));
    EXPECT_EQ(Panel().m_richExpertOpinion.GetWindowText(), "experts of A");
    EXPECT_EQ(Panel().m_richApprovalOpinion.GetWindowText(), "approval of A");
}

// While nothing is approved (PFJF 0 or empty, or no review row) the applied
// amounts stand in, an empty applied amount as 0, the total from SQJE.
TEST_F(Approval, ShowsTheAppliedAmountsWhileNothingIsApproved) {
    const testdb::Row applied = {"40", "1", "2", "3", "4", "5", "", "7", "x"};
    const struct {
        std::string number;
        testdb::Table reviewRow;
    } cases[] = {
        {kA, {"CORVANE_ITEMPF", {"XMBH", "PSJG", "PFJF"}, {{kA, "+", "0"}}}},
        {kB, {"CORVANE_ITEMPF", {"XMBH", "PSJG"}, {{kB, "+"}}}},
    };
    for (const auto& c : cases) {
        AddApplication(c.number, "2008", kGeneral, kAppliedColumns, applied);
        Seed(c.reviewRow);
    }
    OpenView();
    for (const auto& c : cases) {
        Select(c.number);
        // 设计费 SJF, 材料费 CLF, 试验费 SYF, 外协费 WXF, 专用费 ZYF, 固定资产 GDZCF, 工资 GZF, 管理 GLF, 总 SQJE
        EXPECT_EQ(ShownAmounts(), (std::vector<std::string>{"1", "2", "5", "3", "4", "0", "7", "0", "40"}))
            << c.number;
    }
    // Without a review row the panel also reads the application.
    AddApplication(kC, "2008", kGeneral, kAppliedColumns, applied);
    Panel().ShowApproval(kC);
    EXPECT_EQ(ShownAmounts(), (std::vector<std::string>{"1", "2", "5", "3", "4", "0", "7", "0", "40"}));
    EXPECT_EQ(Panel().m_richExpertOpinion.GetWindowText(), "");
}

TEST_F(Approval, SavingStoresTheItemsTheirSumAndBothOpinions) {
    AddApplication(kA, "2008", kGeneral, kAppliedColumns, {"40", "1", "2", "3", "4", "5", "6", "7", "8"});
    Seed({"CORVANE_ITEMPF", {"XMBH", "PSJG", "FS"}, {{kA, "+", "85"}}});
    OpenView();
    Select(kA);
    Panel().SetDlgItemText(CDlgPFPanel::IDC_SJF, "2.5");
    Panel().m_richExpertOpinion.SetWindowText("同意立项");
    Panel().m_richApprovalOpinion.SetWindowText("批准");
    driver.ExpectMessageBox("提示", "保存成功！");
    Panel().Click(CDlgPFPanel::IDC_SAVE);
    EXPECT_TRUE(driver.Finished());

    // The total is the sum of the items (37.5), not the applied 40.
    const struct {
        const char* column;
        float value;
    } stored[] = {{"PFJF", 37.5f}, {"PFSJF", 2.5f}, {"PFCLF", 2},  {"PFWXF", 3}, {"PFZYF", 4},
                  {"PFSYF", 5},    {"PFGDZCF", 6},  {"PFGZF", 7}, {"PFGLF", 8}, {"FS", 85}};
    for (const auto& s : stored) EXPECT_EQ(Amount("CORVANE_ITEMPF", s.column, kA), s.value) << s.column;
    EXPECT_EQ(Shown(CDlgPFPanel::IDC_TOTAL), "37.5");
    EXPECT_EQ(Query("select PSJG from CORVANE_ITEMPF"), (Rows{{"+"}}));
    EXPECT_EQ(Blob("CORVANE_ITEMPF", "ZJYJ", kA).rfind("{\\rtf", 0), 0u);

    // Shown again from the database after another selection.
    Select("一般基金");
    Select(kA);
    EXPECT_EQ(Shown(CDlgPFPanel::IDC_SJF), "2.5");
    EXPECT_EQ(Panel().m_richExpertOpinion.GetWindowText(), "同意立项");
    EXPECT_EQ(Panel().m_richApprovalOpinion.GetWindowText(), "批准");
}

TEST_F(Approval, LeavingAnItemEditUpdatesTheTotal) {
    SeedApproved();
    OpenView();
    Select(kA);
    Panel().SetDlgItemText(CDlgPFPanel::IDC_GLF, "11");
    Panel().SendMessage(WM_COMMAND, MAKEWPARAM(CDlgPFPanel::IDC_GLF, EN_KILLFOCUS));
    EXPECT_EQ(Shown(CDlgPFPanel::IDC_TOTAL), "22.5");
    EXPECT_EQ(Amount("CORVANE_ITEMPF", "PFJF", kA), 12.5f);  // nothing stored yet
}

TEST_F(Approval, RefusedSavesWriteNothing) {
    SeedApproved();
    AddApplication(kB, "2008", kGeneral, kAppliedColumns, {"9", "1", "1", "1", "1", "1", "1", "1", "1"});
    OpenView();

    // Nothing selected yet.
    driver.ExpectMessageBox("提示", "请先选择一个项目！");
    Panel().Click(CDlgPFPanel::IDC_SAVE);

    // A project without review row cannot be approved.
    Select("一般基金");
    Panel().ShowApproval(kB);
    Panel().m_dlgSummary.ShowProject(kB);
    driver.ExpectMessageBox("提示", "该项目尚未通过函审或会审！");
    Panel().Click(CDlgPFPanel::IDC_SAVE);
    EXPECT_TRUE(Query("select XMBH from CORVANE_ITEMPF where XMBH = '" + kB + "'").empty());

    // After a fund-number node the summary still shows A while the panel is
    // empty: saving must not wipe A's approval.
    Select(kA);
    Select("9140A01");
    EXPECT_EQ(Panel().m_dlgSummary.GetDlgItemText(CDlgProSummary::IDC_XMBH), kA);
    EXPECT_EQ(Shown(CDlgPFPanel::IDC_TOTAL), "0");
    EXPECT_EQ(Panel().m_richExpertOpinion.GetWindowText(), "");
    driver.ExpectMessageBox("提示", "请先选择一个项目！");
    Panel().Click(CDlgPFPanel::IDC_SAVE);

    // An amount that is not a number stops the save at the exchange.
    Select(kA);
    Panel().SetDlgItemText(CDlgPFPanel::IDC_CLF, "两万");
    driver.AnswerMessageBox();
    Panel().Click(CDlgPFPanel::IDC_SAVE);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Amount("CORVANE_ITEMPF", "PFJF", kA), 12.5f);
    EXPECT_EQ(Amount("CORVANE_ITEMPF", "PFCLF", kA), 2.0f);
    EXPECT_NE(Blob("CORVANE_ITEMPF", "ZJYJ", kA).find("experts of A"), std::string::npos);
}

// Found in the issue: another program renumbered while the panel showed a
// project, and the save wrote the amounts into the project that then held
// the number and said 保存成功. Nothing is written now, and the user is told.
TEST_F(Approval, ASaveAfterAnotherProgramRenumberedWritesNothingAndSaysSo) {
    const std::string kA2 = "9140A010101081001002";
    SeedApproved();
    AddApplication(kA2, "2008", kGeneral, kAppliedColumns, {"9", "1", "1", "1", "1", "1", "1", "1", "1"});
    Seed({"CORVANE_ITEMPF", {"XMBH", "PSJG", "PFJF"}, {{kA2, "+", "20"}}});
    OpenView();
    Select(kA);
    {
        // The other program: A and A2 trade numbers, their rows with them.
        CAdoConnection other;
        ASSERT_TRUE(workflow::ConnectProjectDatabase(other));
        ASSERT_EQ(projectnumber::MoveProjects(other, {{kA, kA2}, {kA2, kA}}), projectnumber::RenumberResult::Done);
    }
    Panel().SetDlgItemText(CDlgPFPanel::IDC_SJF, "9");
    driver.ExpectMessageBox("系统提示", projectnumber::kChangedElsewhereMessage);
    Panel().Click(CDlgPFPanel::IDC_SAVE);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Amount("CORVANE_ITEMPF", "PFJF", kA), 20.0f);
    EXPECT_EQ(Amount("CORVANE_ITEMPF", "PFJF", kA2), 12.5f);
    EXPECT_EQ(Amount("CORVANE_ITEMPF", "PFSJF", kA2), 1.5f);
}

TEST_F(Approval, OutputOpensTheApprovalOutputWithTheViewsConnection) {
    OpenView();
    driver.OnModal([](ui::Dialog& report) { report.EndDialog(IDCANCEL); });  // the report dialog opens
    Panel().Click(CDlgPFPanel::IDC_OUTPUT);
    ASSERT_EQ(officereports::Requests().size(), 1u);
    const officereports::Request& request = officereports::Requests()[0];
    EXPECT_EQ(request.dialog, "CDlgPFOutput");
    EXPECT_EQ(request.connection, &view_->Connection());
    EXPECT_EQ(request.category, 0);
    EXPECT_EQ(request.parent, nullptr);
}

TEST_F(Approval, ReorderAsksThenRenumbersTheShownKindAndRefillsTheTree) {
    AddApplication("9140A010101081001007", "2008", kGeneral);
    AddReview("9140A010101081001007", "+");
    AddApplication("9140A010101081001003", "2008", kGeneral);
    AddReview("9140A010101081001003", "-");
    AddApplication("9140A010101081001005", "2008", kKey);
    AddReview("9140A010101081001005", "+");
    OpenView();
    EXPECT_EQ(Tree(), "一般基金\n  9140A01\n    9140A010101081001007\n");

    driver.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDCANCEL);
    Panel().Click(CDlgPFPanel::IDC_REORDER);
    EXPECT_EQ(Tree(), "一般基金\n  9140A01\n    9140A010101081001007\n");

    driver.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDOK);
    driver.ExpectMessageBox("提示", "项目编号重新排序完成，2个项目的编号已改变！");
    Panel().Click(CDlgPFPanel::IDC_REORDER);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Tree(), "一般基金\n  9140A01\n    9140A010101081001001\n");
    EXPECT_EQ(Query("select XMBH from CORVANE_ITEMAPPINFO order by XMBH"),
              (Rows{{"9140A010101081001001"}, {"9140A010101081001002"}, {"9140A010101081001005"}}));
    EXPECT_EQ(driver.MessageBoxes()[1].type, UINT(MB_OKCANCEL | MB_ICONQUESTION));
}

TEST_F(Approval, ReorderThatWouldClashChangesNothingAndSaysSo) {
    AddApplication("9140A010101081001003", "2008", kGeneral);
    AddReview("9140A010101081001003", "+");
    AddApplication("9140A010101081001001", "2008", kKey);  // the number the general project would get
    OpenView();
    driver.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDOK);
    driver.ExpectMessageBox("提示", "重新排序后的项目编号与其他项目的编号重复，项目编号未作修改！");
    Panel().Click(CDlgPFPanel::IDC_REORDER);
    EXPECT_EQ(Query("select XMBH from CORVANE_ITEMAPPINFO order by XMBH"),
              (Rows{{"9140A010101081001001"}, {"9140A010101081001003"}}));
    EXPECT_EQ(Tree(), "一般基金\n  9140A01\n    9140A010101081001003\n");
}

// The selected project keeps its typed amounts and opinion through a re-sort
// that moves its number: the save writes them to it under its new number,
// never to the project that took its former one.
TEST_F(Approval, AfterAReorderTheSaveGoesToTheSelectedProjectUnderItsNewNumber) {
    const std::string passed = "9140A010101081001007", failed = "9140A010101081001003";
    AddApplication(passed, "2008", kGeneral);
    AddReview(passed, "+");
    AddApplication(failed, "2008", kGeneral);
    AddReview(failed, "-");
    OpenView();
    Select(passed);
    Panel().SetDlgItemText(CDlgPFPanel::IDC_SJF, "2.5");
    Panel().m_richApprovalOpinion.SetWindowText("approved for 001");
    driver.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDOK);
    driver.ExpectMessageBox("提示", "项目编号重新排序完成，2个项目的编号已改变！");
    Panel().Click(CDlgPFPanel::IDC_REORDER);  // passed 007 -> 001, failed 003 -> 002
    EXPECT_EQ(Panel().m_dlgSummary.GetSelectedProject(), "9140A010101081001001");
    EXPECT_EQ(Panel().m_dlgSummary.GetDlgItemText(CDlgProSummary::IDC_XMBH), "9140A010101081001001");
    driver.ExpectMessageBox("提示", "保存成功！");
    Panel().Click(CDlgPFPanel::IDC_SAVE);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Query("select XMBH, PSJG, PFSJF from CORVANE_ITEMPF order by XMBH"),
              (Rows{{"9140A010101081001001", "+", "2.5000"}, {"9140A010101081001002", "-", ""}}));
    EXPECT_NE(Blob("CORVANE_ITEMPF", "PFYJ", "9140A010101081001001").find("approved for 001"), std::string::npos);
}

}  // namespace
