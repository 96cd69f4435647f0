// The approval-opinion view: which projects it lists, opening a project's
// opinions, the save with its refusals, clearing one project's opinions, and
// the working files.
#include <algorithm>

#include "AcceptTestSupport.h"
#include "platform/sys/Process.h"
#include "review/DlgProPF.h"

using namespace accepttest;

namespace {

const std::string kRowOf = "select * from CORVANE_ITEMMANAGEINFO where XMBH=";

class ProPF : public HostedViewTest<CDlgProPF> {
protected:
    void SetUp() override {
        HostedViewTest::SetUp();
        AddProject("9140A01010108000001", "甲项目");
        AddProject("9140B02010108000002", "乙'项目", "重点实验室基金——重点项目");
        AddProject("9140C03010108000003", "丙项目");  // no management row
        AddRow("CORVANE_ITEMMANAGEINFO", {{"XMBH", "9140A01010108000001"}},
               {{"ZJYJ", Rtf("expert A")}, {"PFYJ", Rtf("approval A")}});
        AddRow("CORVANE_ITEMMANAGEINFO", {{"XMBH", "9140B02010108000002"}}, {{"PFYJ", Rtf("approval B")}});
    }
    // Opens the project of a list row as a double click does.
    static void Open(CDlgProPF& view, int row) {
        MarkRow(view.ProjectList(), row);
        view.OnDblclkListProlist();
    }
    static int RowOf(CDlgProPF& view, const std::string& number) {
        for (int i = 0; i < view.ProjectList().GetItemCount(); ++i)
            if (view.ProjectList().GetItemText(i, 2) == number) return i;
        return -1;
    }
};

TEST_F(ProPF, ListsTheProjectsThatHaveAManagementRow) {
    CDlgProPF& view = OpenView();
    EXPECT_EQ(Headings(view.ProjectList()),
              (std::vector<std::string>{"项目类别", "年份", "编号", "项目名称", "基金编号"}));
    Rows rows = ListRows(view.ProjectList());
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a[2] < b[2]; });
    EXPECT_EQ(rows, (Rows{{"共性技术基金——一般项目", "2008", "9140A01010108000001", "甲项目", "9140A01"},
                          {"重点实验室基金——重点项目", "2008", "9140B02010108000002", "乙'项目", "9140B02"}}));
    EXPECT_EQ(view.m_btnSave.GetTooltipText(), "保存");
    EXPECT_EQ(view.m_btnFilter.GetTooltipText(), "筛选");
}

TEST_F(ProPF, OpeningAProjectShowsEachOpinionItHolds) {
    CDlgProPF& view = OpenView();
    Open(view, RowOf(view, "9140A01010108000001"));
    EXPECT_EQ(view.CurrentProject(), "9140A01010108000001");
    EXPECT_EQ(view.m_richExpert.GetWindowText(), "expert A");
    EXPECT_EQ(view.m_richApproval.GetWindowText(), "approval A");

    // Only an approval opinion: it is shown, the expert field stays empty.
    Open(view, RowOf(view, "9140B02010108000002"));
    EXPECT_EQ(view.CurrentProject(), "9140B02010108000002");
    EXPECT_EQ(view.m_richExpert.GetWindowText(), "");
    EXPECT_EQ(view.m_richApproval.GetWindowText(), "approval B");

    // A double click without a marked row changes nothing.
    view.ProjectList().SetSelectionMark(-1);
    view.OnDblclkListProlist();
    EXPECT_EQ(view.CurrentProject(), "9140B02010108000002");
}

TEST_F(ProPF, SaveRefusesWithoutProjectOrWithAnEmptyOpinion) {
    CDlgProPF& view = OpenView();
    driver.ExpectMessageBox("提示", "请先双击选择项目！");
    view.OnBtnSavePf();

    Open(view, RowOf(view, "9140A01010108000001"));
    const struct {
        std::string expert, approval;
    } cases[] = {{"", "new approval"}, {"new expert", ""}, {"", ""}};
    for (const auto& c : cases) {
        view.m_richExpert.SetWindowText(c.expert);
        view.m_richApproval.SetWindowText(c.approval);
        driver.ExpectMessageBox("提示", "专家意见和批复意见都不能为空！");
        view.OnBtnSavePf();
    }
    EXPECT_EQ(Blob(kRowOf + "'9140A01010108000001'", "ZJYJ"), Rtf("expert A"));
    EXPECT_EQ(Blob(kRowOf + "'9140A01010108000001'", "PFYJ"), Rtf("approval A"));
    for (const auto& call : driver.MessageBoxes()) EXPECT_EQ(call.type & MB_ICONMASK, MB_ICONERROR) << call.text;
}

TEST_F(ProPF, SaveReplacesBothOpinionsOfTheOpenProjectOnly) {
    CDlgProPF& view = OpenView();
    Open(view, RowOf(view, "9140B02010108000002"));
    view.m_richExpert.SetWindowText("new expert");
    view.m_richApproval.SetWindowText("new approval");
    driver.ExpectMessageBox("提示", "数据入库保存成功！");
    view.OnBtnSavePf();

    Open(view, RowOf(view, "9140A01010108000001"));
    Open(view, RowOf(view, "9140B02010108000002"));
    EXPECT_EQ(view.m_richExpert.GetWindowText(), "new expert");
    EXPECT_EQ(view.m_richApproval.GetWindowText(), "new approval");
    EXPECT_EQ(Blob(kRowOf + "'9140A01010108000001'", "ZJYJ"), Rtf("expert A"));
    EXPECT_EQ(Query("select count(*) from CORVANE_ITEMMANAGEINFO")[0][0], "2");
}

TEST_F(ProPF, SaveOfAProjectWhoseRowIsGoneFailsAndAddsNone) {
    CDlgProPF& view = OpenView();
    Open(view, RowOf(view, "9140A01010108000001"));
    Exec("delete from CORVANE_ITEMMANAGEINFO where XMBH='9140A01010108000001'");
    view.m_richExpert.SetWindowText("x");
    view.m_richApproval.SetWindowText("y");
    driver.ExpectMessageBox("提示", "数据入库失败！");
    view.OnBtnSavePf();
    EXPECT_EQ(Query("select count(*) from CORVANE_ITEMMANAGEINFO")[0][0], "1");
}

TEST_F(ProPF, DeleteClearsTheSelectedProjectsOpinionsAfterAsking) {
    CDlgProPF& view = OpenView();
    driver.ExpectMessageBox("提示", "请先选择要删除的项！");
    view.OnBtnDelPro();

    const int a = RowOf(view, "9140A01010108000001");
    Open(view, a);
    driver.ExpectMessageBox("提示", "确定删除项目9140A01010108000001的批复信息？", IDNO);
    view.OnBtnDelPro();
    EXPECT_EQ(Blob(kRowOf + "'9140A01010108000001'", "ZJYJ"), Rtf("expert A"));
    EXPECT_EQ(view.m_richExpert.GetWindowText(), "expert A");

    driver.ExpectMessageBox("提示", "确定删除项目9140A01010108000001的批复信息？", IDYES);
    driver.ExpectMessageBox("提示", "删除成功！");
    view.OnBtnDelPro();
    EXPECT_TRUE(IsNull(kRowOf + "'9140A01010108000001'", "ZJYJ"));
    EXPECT_TRUE(IsNull(kRowOf + "'9140A01010108000001'", "PFYJ"));
    EXPECT_EQ(view.m_richExpert.GetWindowText(), "");
    EXPECT_EQ(view.m_richApproval.GetWindowText(), "");
    EXPECT_EQ(Blob(kRowOf + "'9140B02010108000002'", "PFYJ"), Rtf("approval B"));
    EXPECT_EQ(Query("select count(*) from CORVANE_ITEMMANAGEINFO")[0][0], "2") << "the rows stay";
}

TEST_F(ProPF, DeletingAnotherProjectLeavesTheOpenOneShown) {
    CDlgProPF& view = OpenView();
    Open(view, RowOf(view, "9140A01010108000001"));
    MarkRow(view.ProjectList(), RowOf(view, "9140B02010108000002"));
    driver.ExpectMessageBox("提示", "确定删除项目9140B02010108000002的批复信息？", IDYES);
    driver.ExpectMessageBox("提示", "删除成功！");
    view.OnBtnDelPro();
    EXPECT_EQ(view.m_richApproval.GetWindowText(), "approval A");
    EXPECT_TRUE(IsNull(kRowOf + "'9140B02010108000002'", "PFYJ"));
}

TEST_F(ProPF, WorkingFilesGoWithTheView) {
    CDlgProPF& view = OpenView();
    Open(view, RowOf(view, "9140A01010108000001"));
    EXPECT_EQ(ReadText(sys::ScratchPath("专家意见.rtf")), Rtf("expert A"));
    EXPECT_TRUE(sys::FileExists(sys::ScratchPath("批复意见.rtf")));
    view.DestroyWindow();
    EXPECT_FALSE(sys::FileExists(sys::ScratchPath("专家意见.rtf")));
    EXPECT_FALSE(sys::FileExists(sys::ScratchPath("批复意见.rtf")));
}

TEST_F(ProPF, WithoutDatabaseTheListStaysEmpty) {
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    driver.AnswerMessageBox();
    CDlgProPF& view = OpenView();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "数据库连接失败！");
    EXPECT_EQ(view.ProjectList().GetItemCount(), 0);
}

}  // namespace
