// The fund-office acceptance view of the management table: opening a
// project, the grade kept as its text, the save with its checks in order,
// the score edit's typing rule, clearing one project, and the working files.
#include "AcceptTestSupport.h"
#include "platform/sys/Process.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Simulate.h"
#include "review/DlgJJBYS.h"

using namespace accepttest;

namespace {

const std::string kA = "9140A01010108000001", kB = "9140B02010108000002";
std::string RowOf(const std::string& number) { return "select * from CORVANE_ITEMMANAGEINFO where XMBH='" + number + "'"; }

class JJBYS : public HostedViewTest<CDlgJJBYS> {
protected:
    void SetUp() override {
        HostedViewTest::SetUp();
        AddProject(kA, "甲项目");
        AddProject(kB, "乙项目");
        AddRow("CORVANE_ITEMMANAGEINFO",
               {{"XMBH", kA}, {"PFZT", "已验收"}, {"YSFS", "92"}, {"YSDJ", "良"}, {"PSZFS", "88"}},
               {{"YSJL", Rtf("conclusion A")}, {"YSBZ", Rtf("remarks A")}});
        AddRow("CORVANE_ITEMMANAGEINFO", {{"XMBH", kB}, {"YSDJ", "2"}});
    }
    static void Open(CDlgJJBYS& view, const std::string& number) {
        for (int i = 0; i < view.ProjectList().GetItemCount(); ++i)
            if (view.ProjectList().GetItemText(i, 2) == number) {
                MarkRow(view.ProjectList(), i);
                view.OnDblclkListProlist();
                return;
            }
        ADD_FAILURE() << number << " is not listed";
    }
    static std::string GradeShown(CDlgJJBYS& view) {
        return view.Item<ui::ComboBox>(CDlgJJBYS::IDC_COMBO_GRADE)->GetWindowText();
    }
    // Fills every field of the open project as the user does.
    static void Fill(CDlgJJBYS& view, const std::string& state, const std::string& score, int grade,
                     const std::string& conclusion, const std::string& remarks) {
        view.SetDlgItemText(CDlgJJBYS::IDC_EDIT_STATE, state);
        view.SetDlgItemText(CDlgJJBYS::IDC_EDIT_SCORE, score);
        view.Item<ui::ComboBox>(CDlgJJBYS::IDC_COMBO_GRADE)->SetCurSel(grade);
        view.m_richConclusion.SetWindowText(conclusion);
        view.m_richRemarks.SetWindowText(remarks);
    }
};

TEST_F(JJBYS, OpeningAProjectShowsItsAcceptanceDataAndTheGradeByItsText) {
    CDlgJJBYS& view = OpenView();
    EXPECT_EQ(Headings(view.ProjectList()),
              (std::vector<std::string>{"项目类别", "年份", "编号", "项目名称", "指南编号"}));
    EXPECT_EQ(view.ProjectList().GetItemCount(), 2);
    Open(view, kA);
    EXPECT_EQ(view.GetDlgItemText(CDlgJJBYS::IDC_EDIT_STATE), "已验收");
    EXPECT_EQ(view.GetDlgItemText(CDlgJJBYS::IDC_EDIT_SCORE), "92");
    EXPECT_EQ(GradeShown(view), "良");
    EXPECT_EQ(view.m_richConclusion.GetWindowText(), "conclusion A");
    EXPECT_EQ(view.m_richRemarks.GetWindowText(), "remarks A");

    // A grade stored in another form selects nothing; the fields of the
    // project shown before are gone.
    Open(view, kB);
    EXPECT_EQ(view.CurrentProject(), kB);
    EXPECT_EQ(GradeShown(view), "");
    EXPECT_EQ(view.GetDlgItemText(CDlgJJBYS::IDC_EDIT_STATE), "");
    EXPECT_EQ(view.m_richConclusion.GetWindowText(), "");
}

TEST_F(JJBYS, SaveChecksInOrderAndWritesNothingWhenRefused) {
    CDlgJJBYS& view = OpenView();
    driver.ExpectMessageBox("提示", "请先双击选择项目！");
    view.OnBtnYsSave();

    Open(view, kB);
    const struct {
        std::string state, score;
        int grade;
        std::string conclusion, remarks, message;
    } cases[] = {
        {"", "", -1, "", "", "请先选择等级！"},
        {"", "90", 0, "c", "r", "评审状态和分数项不可为空！"},
        {"完成", "", 0, "c", "r", "评审状态和分数项不可为空！"},
        {"完成", "90", 0, "", "r", "验收结论和备注都不能为空！"},
        {"完成", "90", 0, "c", "", "验收结论和备注都不能为空！"},
    };
    for (const auto& c : cases) {
        Fill(view, c.state, c.score, c.grade, c.conclusion, c.remarks);
        driver.ExpectMessageBox("提示", c.message);
        view.OnBtnYsSave();
    }
    for (const auto& call : driver.MessageBoxes()) EXPECT_EQ(call.type & MB_ICONMASK, MB_ICONERROR) << call.text;
    EXPECT_EQ(Query("select PFZT, YSFS, YSDJ from CORVANE_ITEMMANAGEINFO where XMBH='" + kB + "'"),
              (Rows{{"", "", "2"}}));
}

TEST_F(JJBYS, SaveWritesTheOpenProjectsAcceptanceColumnsOnly) {
    CDlgJJBYS& view = OpenView();
    Open(view, kA);
    Fill(view, "完成验收", "75", 3, "new conclusion", "new remarks");
    driver.ExpectMessageBox("提示", "数据入库保存成功！");
    view.OnBtnYsSave();
    EXPECT_EQ(Query("select PFZT, YSFS, YSDJ, PSZFS from CORVANE_ITEMMANAGEINFO where XMBH='" + kA + "'"),
              (Rows{{"完成验收", "75", "差", "88"}}));

    Open(view, kB);
    Open(view, kA);
    EXPECT_EQ(GradeShown(view), "差");
    EXPECT_EQ(view.m_richConclusion.GetWindowText(), "new conclusion");
    EXPECT_EQ(view.m_richRemarks.GetWindowText(), "new remarks");
    EXPECT_EQ(Query("select count(*) from CORVANE_ITEMMANAGEINFO")[0][0], "2");
}

TEST_F(JJBYS, SaveOfAProjectWithoutManagementRowFailsAndAddsNone) {
    CDlgJJBYS& view = OpenView();
    Open(view, kB);
    Exec("delete from CORVANE_ITEMMANAGEINFO where XMBH='" + kB + "'");
    Fill(view, "完成", "80", 1, "c", "r");
    driver.ExpectMessageBox("提示", "数据入库失败！");
    view.OnBtnYsSave();
    EXPECT_EQ(Query("select count(*) from CORVANE_ITEMMANAGEINFO")[0][0], "1");
}

TEST_F(JJBYS, ScoreEditTakesAtMostThreeDigits) {
    CDlgJJBYS& view = OpenView();
    ui::sim::Type(view.m_editScore, "9a8-76");
    EXPECT_EQ(view.m_editScore.GetWindowText(), "987");
}

TEST_F(JJBYS, DeleteClearsTheSelectedProjectsAcceptanceColumns) {
    CDlgJJBYS& view = OpenView();
    driver.ExpectMessageBox("提示", "请先选择要删除的项！");
    view.OnBtnProDel();

    Open(view, kA);
    driver.ExpectMessageBox("提示", "确定删除项目" + kA + "的验收信息？", IDNO);
    view.OnBtnProDel();
    EXPECT_EQ(Query("select YSFS from CORVANE_ITEMMANAGEINFO where XMBH='" + kA + "'"), (Rows{{"92"}}));

    driver.ExpectMessageBox("提示", "确定删除项目" + kA + "的验收信息？", IDYES);
    driver.ExpectMessageBox("提示", "删除成功！");
    view.OnBtnProDel();
    EXPECT_EQ(Query("select PFZT, YSFS, YSDJ, PSZFS from CORVANE_ITEMMANAGEINFO where XMBH='" + kA + "'"),
              (Rows{{"", "", "", "88"}}));
    EXPECT_TRUE(IsNull(RowOf(kA), "YSJL"));
    EXPECT_TRUE(IsNull(RowOf(kA), "YSBZ"));
    EXPECT_EQ(view.GetDlgItemText(CDlgJJBYS::IDC_EDIT_SCORE), "");
    EXPECT_EQ(GradeShown(view), "");
    EXPECT_EQ(view.m_richConclusion.GetWindowText(), "");
    EXPECT_EQ(Query("select YSDJ from CORVANE_ITEMMANAGEINFO where XMBH='" + kB + "'"), (Rows{{"2"}}));
}

TEST_F(JJBYS, WorkingFilesAreRemovedWhenTheViewGoes) {
    CDlgJJBYS& view = OpenView();
    Open(view, kA);
    EXPECT_EQ(ReadText(sys::ScratchPath("验收结论.rtf")), Rtf("conclusion A"));
    EXPECT_EQ(ReadText(sys::ScratchPath("备注.rtf")), Rtf("remarks A"));
    CloseView();
    EXPECT_FALSE(sys::FileExists(sys::ScratchPath("验收结论.rtf")));
    EXPECT_FALSE(sys::FileExists(sys::ScratchPath("备注.rtf")));
}

}  // namespace
