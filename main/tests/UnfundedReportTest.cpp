// 未资助项目表: the units with unfunded projects, the notices typed into
// copies of the template (one page per unit), and the failure paths.
#include "ReportTestSupport.h"

#include <algorithm>

#include "foundation/Options.h"
#include "main/DlgUnfunded.h"
#include "main/UnfundedReport.h"

using office::word::Document;

namespace {

constexpr const char* kDefaultReason = "申请项目多，经费有限，资助项目只能优中选优。";

class UnfundedReport : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        COptions options;
        options.SetYear("2007");
        options.SetCategory(0);
        options.Save();
    }
    // Specialty-group projects of 2007: U001 has a refused one with a reason,
    // one without any review row and a funded one; U002 one whose result is
    // not decided. A refused key-laboratory project of U001 and a refused one
    // of 2008 belong to other lists.
    void SeedProjects() {
        AddUnit("U001", "甲单位");
        AddUnit("U002", "乙单位");
        const std::string a = ProjectNumber("9140A01", "2007", "U001", "001");
        const std::string b = ProjectNumber("9140A01", "2007", "U001", "002");
        const std::string c = ProjectNumber("9140A01", "2007", "U001", "003");
        const std::string d = ProjectNumber("9140A02", "2007", "U002", "001");
        const std::string e = ProjectNumber("9140C01", "2007", "U001", "001");
        const std::string f = ProjectNumber("9140A01", "2008", "U002", "001");
        AddApplication(a, "U001", "2007", "共性技术基金——一般项目", "项目甲一", "张三");
        AddApplication(b, "U001", "2007", "共性技术基金——重点项目", "项目甲二", "李四");
        AddApplication(c, "U001", "2007", "共性技术基金——一般项目", "项目甲三", "王五");
        AddApplication(d, "U002", "2007", "共性技术基金——一般项目", "项目乙一", "赵六");
        AddApplication(e, "U001", "2007", "重点实验室基金——一般项目", "实验室项目", "钱七");
        AddApplication(f, "U002", "2008", "共性技术基金——一般项目", "明年项目", "孙八");
        AddReview(a, "-", "NULL", "创新性不足");
        AddReview(c, "+", "10");
        AddReview(d, "NULL", "NULL");
        AddReview(e, "-", "NULL");
        AddReview(f, "-", "NULL");
    }

    static std::vector<std::string> GridUnits(CDlgUnfunded& dlg) {
        std::vector<std::string> units;
        for (int row = 0; row < dlg.GetGrid().GetRowCount(); ++row)
            units.push_back(dlg.GetGrid().Text(row, 1) + " " + dlg.GetGrid().Text(row, 2));
        std::sort(units.begin(), units.end());
        return units;
    }
    // Ticks the grid rows of these unit codes.
    static void Tick(CDlgUnfunded& dlg, const std::vector<std::string>& codes) {
        for (int row = 0; row < dlg.GetGrid().GetRowCount(); ++row)
            if (std::find(codes.begin(), codes.end(), dlg.GetGrid().Text(row, 1)) != codes.end())
                dlg.GetGrid().SetCheck(row, true);
    }
    static std::vector<std::string> TableRow(const Document& doc, int table, int row) {
        std::vector<std::string> cells;
        for (int c = 1; c <= 4; ++c) cells.push_back(doc.CellText(table, row, c));
        return cells;
    }
};

TEST_F(UnfundedReport, ListsUnitsWithUnfundedProjectsOfTheYearAndCategory) {
    SeedProjects();
    RunDialog<CDlgUnfunded>([&](CDlgUnfunded& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(CDlgUnfunded::IDC_YEAR), "2007");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgUnfunded::IDC_CATEGORY), "专业组");
        EXPECT_EQ(dlg.GetGrid().GetColumnName(2), "单位名称");
        EXPECT_EQ(GridUnits(dlg), (std::vector<std::string>{"U001 甲单位", "U002 乙单位"}));

        dlg.Click(CDlgUnfunded::IDC_SELECT_ALL);
        Choose(dlg, CDlgUnfunded::IDC_CATEGORY, "重点实验室");
        EXPECT_EQ(GridUnits(dlg), (std::vector<std::string>{"U001 甲单位"}));
        EXPECT_TRUE(dlg.GetGrid().CheckedRows().empty());
        Choose(dlg, CDlgUnfunded::IDC_YEAR, "2008");
        EXPECT_TRUE(GridUnits(dlg).empty());
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(opened.empty());
}

TEST_F(UnfundedReport, EachTickedUnitGetsANoticeOnItsOwnPage) {
    SeedProjects();
    RunDialog<CDlgUnfunded>([&](CDlgUnfunded& dlg) {
        Tick(dlg, {"U001", "U002"});
        dlg.Click(IDOK);
        EXPECT_FALSE(dlg.IsRunningModal());
    });
    ASSERT_EQ(opened.size(), 1u);
    Document doc = OpenedDocument();
    ASSERT_TRUE(doc.IsValid());
    ASSERT_EQ(doc.TableCount(), 2);
    // The grid lists the units in the query's order; find whose notice is first.
    const std::string text = doc.Text();
    const bool firstIsU001 = text.find("甲单位：") < text.find("乙单位：");
    const int u001 = firstIsU001 ? 1 : 2, u002 = firstIsU001 ? 2 : 1;

    EXPECT_EQ(doc.RowCount(u001), 3);
    EXPECT_EQ(TableRow(doc, u001, 1), (std::vector<std::string>{"序号", "项目名称", "申请人", "未获资助原因"}));
    EXPECT_EQ(TableRow(doc, u001, 2), (std::vector<std::string>{"1", "项目甲一", "张三", "创新性不足"}));
    EXPECT_EQ(TableRow(doc, u001, 3), (std::vector<std::string>{"2", "项目甲二", "李四", kDefaultReason}));
    EXPECT_EQ(doc.RowCount(u002), 2);  // the serial starts again at 1
    EXPECT_EQ(TableRow(doc, u002, 2), (std::vector<std::string>{"1", "项目乙一", "赵六", kDefaultReason}));

    // Salutation, table, page break, a full copy of the template, salutation, table.
    const std::size_t pageBreak = text.find('\f');
    ASSERT_NE(pageBreak, std::string::npos);
    EXPECT_LT(text.find(firstIsU001 ? "甲单位：" : "乙单位："), pageBreak);
    EXPECT_GT(text.find(firstIsU001 ? "乙单位：" : "甲单位："), pageBreak);
    EXPECT_NE(text.find("项目未获资助通知", pageBreak), std::string::npos);
}

// No unit ticked: the user is told, no notice to nobody is written, and the
// dialog stays open for the ticks.
TEST_F(UnfundedReport, NoTickedUnitSaysSoAndWritesNothing) {
    SeedProjects();
    RunDialog<CDlgUnfunded>([&](CDlgUnfunded& dlg) {
        driver.ExpectMessageBox("提示", "请选择要输出的单位！");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(starts.empty()) << "Word is not even started";
    EXPECT_TRUE(opened.empty());
}

TEST_F(UnfundedReport, WordThatCannotStartKeepsTheDialogOpen) {
    SeedProjects();
    RefuseStart("word.Application");
    RunDialog<CDlgUnfunded>([&](CDlgUnfunded& dlg) {
        dlg.Click(CDlgUnfunded::IDC_SELECT_ALL);
        driver.ExpectMessageBox("提示", "Word服务程序启动失败！");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(driver.MessageBoxes()[0].type, MB_OK | MB_ICONERROR);
    EXPECT_TRUE(opened.empty());
}

TEST_F(UnfundedReport, UnitCodesAreQuotedInTheQueries) {
    SeedProjects();
    std::vector<UnfundedProject> projects;
    EXPECT_TRUE(ListUnfundedProjects(&db, "U001' or '1'='1", 0, "2007", projects));
    EXPECT_TRUE(projects.empty());
    EXPECT_EQ(GetUnitName(&db, "U002"), "乙单位");
    EXPECT_EQ(GetUnitName(&db, "U009"), "");
}

}  // namespace
