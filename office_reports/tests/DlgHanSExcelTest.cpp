// The letter-review outputs: the funds of general specialty-group projects
// that passed the first review, the project review table with its two
// caption rows and the experts, the expert opinion summary with opinions,
// score and result, and how each output ends.
#include "office_reports/DlgHanSExcel.h"

#include "ReportTestSupport.h"
#include "platform/ui/Controls.h"

using namespace reporttest;
namespace excel = office::excel;

namespace {

const std::string kP1 = "9140A010101081001001";
const std::string kP2 = "9140A010101081002001";
const std::string kP3 = "9140A020101081001001";

class HanSExcel : public ReportTest {
protected:
    void Seed() {
        AddApplication(kP1, kGroupGeneral, "20");
        AddApplication(kP2, kGroupGeneral, "30");
        AddApplication(kP3, kGroupGeneral, "8");
        AddApplication("9140A030101081001001", kGroupGeneral, "8", "2008", "-");  // failed the first review
        AddApplication("9140A040101081001001", kGroupKey, "8");                  // a key project
        AddDirection("9140A010101", "方向一");
        AddSpecialtyGroup("9140A01", "材料组");
        testdb::Seed(connection, {"CORVANE_EXPERTINFO", {"ID", "XM"}, {{"E01", "李四"}, {"E02", "王五"}}});
        testdb::Seed(connection, {"CORVANE_ITEMPF",
                                  {"XMBH", "ZJ1", "ZJ2", "ZJ3", "YJ1", "YJ2", "YJ3", "FS", "PSJG", "BZZLY"},
                                  {{kP1, "E01", "E02", "E09", "y", "y", "n", "82.5", "+", ""}}});
        testdb::Seed(connection, {"CORVANE_ITEMPF",
                                  {"XMBH", "YJ1", "YJ2", "YJ3", "PSJG", "BZZLY"},
                                  {{kP3, "n", "n", "n", "-", "创新性不足"}}});
    }
    static void ChooseKind(CDlgHanSExcel& dlg, int kind) {
        dlg.Item<ui::Button>(CDlgHanSExcel::IDC_REVIEW_TABLE)->SetCheck(kind == 0 ? 1 : 0);
        dlg.Item<ui::Button>(CDlgHanSExcel::IDC_OPINION_SUMMARY)->SetCheck(kind == 1 ? 1 : 0);
    }
    template <class Handler>
    void Run(Handler handler) {
        driver.OnModal<CDlgHanSExcel>(handler);
        officereports::RunHanSExcel(nullptr, &connection);
    }
    // Ticks the funds of the given rows and writes the output of the kind.
    void Output(int kind, std::vector<int> rows) {
        Run([&](CDlgHanSExcel& dlg) {
            for (int row : rows) dlg.m_gridFunds.SetTicked(row, true);
            ChooseKind(dlg, kind);
            dlg.Click(IDOK);
            EXPECT_FALSE(dlg.IsRunningModal());
        });
    }
};

TEST_F(HanSExcel, ListsTheFundsOfGeneralProjectsThatPassedTheFirstReview) {
    Seed();
    Run([&](CDlgHanSExcel& dlg) {
        EXPECT_EQ(dlg.m_nOutputKind, 0);
        EXPECT_EQ(dlg.m_gridFunds.GetColumnCount(), 2);
        EXPECT_EQ(dlg.m_gridFunds.GetColumnWidth(1), 110);
        ASSERT_EQ(dlg.m_gridFunds.GetRowCount(), 2);
        EXPECT_EQ(dlg.m_gridFunds.FundAt(0), "9140A01");
        EXPECT_EQ(dlg.m_gridFunds.FundAt(1), "9140A02");
        dlg.m_gridFunds.SetTicked(0, true);
        dlg.Click(CDlgHanSExcel::IDC_INVERT);
        EXPECT_FALSE(dlg.m_gridFunds.IsTicked(0));
        EXPECT_TRUE(dlg.m_gridFunds.IsTicked(1));
        EXPECT_EQ(dlg.GetExpertName("E01"), "李四");
        EXPECT_EQ(dlg.GetExpertName("E09"), "");
        EXPECT_EQ(dlg.GetExpertName(""), "");
        dlg.Click(IDCANCEL);
    });
}

TEST_F(HanSExcel, TheProjectReviewTableShowsTheExpertsUnderTwoCaptionRows) {
    Seed();
    Output(0, {0, 1});
    excel::Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(Cell(sheet, "A1"), "9140A01  材料组  2  项  经费总计：50.00 万元    年度经费小计：25.00  万元");
    EXPECT_EQ(sheet.Range("A1").MergeArea().Address(), "A1:Q1");
    EXPECT_EQ(Cell(sheet, "K2"), "专家1");
    EXPECT_EQ(sheet.Range("K2").MergeArea().Address(), "K2:L2");
    EXPECT_EQ(sheet.Range("A2").MergeArea().Address(), "A2:A3");
    EXPECT_EQ(sheet.Range("Q2").MergeArea().Address(), "Q2:Q3");
    EXPECT_EQ(RowTexts(sheet, 3, 17), (std::vector<std::string>{"", "", "", "", "", "", "", "", "", "", "ID", "姓名",
                                                                 "ID", "姓名", "ID", "姓名", ""}));
    EXPECT_EQ(sheet.Range("A2").RowHeight(), 20);
    EXPECT_EQ(Cell(sheet, "A4"), "9140A010101 方向一");
    EXPECT_EQ(RowTexts(sheet, 5, 17),
              (std::vector<std::string>{"1", kP1, "名称001001", "2008-01 - 2009-12", "单位", "张三", "男", "45", "研究员",
                                        "20", "E01", "李四", "E02", "王五", "E09", "", ""}));
    EXPECT_EQ(Cell(sheet, "A6"), "2");
    EXPECT_EQ(Cell(sheet, "K6"), "") << "no review row: no experts";
    EXPECT_EQ(Cell(sheet, "A7"), "合计");
    EXPECT_EQ(Cell(sheet, "J7"), "=SUM(J4:J6)");
    EXPECT_EQ(sheet.Range("K7").MergeArea().Address(), "K7:Q7");
    // The second fund after one empty row, on a new page; its direction has no name.
    EXPECT_EQ(Cell(sheet, "A8"), "");
    EXPECT_EQ(sheet.Range("A9").PageBreak(), excel::xlPageBreakManual);
    EXPECT_EQ(Cell(sheet, "A12"), "9140A020101 ");
    EXPECT_EQ(Cell(sheet, "J14"), "=SUM(J12:J13)");
    EXPECT_EQ(Cell(sheet, "A15"), "所有合计");
    EXPECT_EQ(Cell(sheet, "J15"), "=SUM(J3:J14)/2");
}

TEST_F(HanSExcel, TheExpertOpinionSummaryShowsOpinionsScoreResultAndReason) {
    Seed();
    Output(1, {0, 1});
    excel::Worksheet sheet = OpenedSheet("打印报表");
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(Cell(sheet, "A1"), "基金编号：9140A01");
    EXPECT_EQ(sheet.Range("A1").MergeArea().Address(), "A1:C1");
    EXPECT_EQ(Cell(sheet, "D1"), "金额单位：万元");
    EXPECT_EQ(sheet.Range("D1").HorizontalAlignment(), excel::xlRight);
    EXPECT_EQ(RowTexts(sheet, 2, 13),
              (std::vector<std::string>{"序号", "项目编号", "项目名称", "申请单位", "申请人", "性别", "年龄", "职称",
                                        "申请经费", "专家评审", "评分", "评审结果", "专家不资助原因"}));
    EXPECT_EQ(Cell(sheet, "A3"), "9140A010101 方向一");
    EXPECT_EQ(RowTexts(sheet, 4, 13), (std::vector<std::string>{"1", kP1, "名称001001", "单位", "张三", "男", "45",
                                                                 "研究员", "20", "yyn", "82.5", "+", ""}));
    EXPECT_EQ(RowTexts(sheet, 5, 13), (std::vector<std::string>{"2", kP2, "名称002001", "单位", "张三", "男", "45",
                                                                 "研究员", "30", "", "0", "", ""}));
    EXPECT_EQ(Cell(sheet, "A6"), "合计");
    EXPECT_EQ(Cell(sheet, "I6"), "=SUM(I3:I5)");
    EXPECT_EQ(sheet.Range("J6").MergeArea().Address(), "J6:M6");
    EXPECT_EQ(Cell(sheet, "A8"), "基金编号：9140A02");
    EXPECT_EQ(sheet.Range("A8").PageBreak(), excel::xlPageBreakManual);
    EXPECT_EQ(Cell(sheet, "M11"), "创新性不足");
    EXPECT_EQ(Cell(sheet, "J11"), "nnn");
    EXPECT_EQ(Cell(sheet, "A13"), "所有合计");
    EXPECT_EQ(Cell(sheet, "I13"), "=SUM(I3:I12)/2");
}

TEST_F(HanSExcel, AFailedStartKeepsTheTableDialogOpenButEndsTheSummaryDialog) {
    Seed();
    office::SetStartHook([](std::string_view) { return false; });
    for (int kind : {0, 1}) {
        Run([&](CDlgHanSExcel& dlg) {
            dlg.m_gridFunds.SetTicked(0, true);
            ChooseKind(dlg, kind);
            driver.AnswerMessageBox();
            dlg.Click(IDOK);
            EXPECT_EQ(dlg.IsRunningModal(), kind == 0) << kind;
            if (dlg.IsRunningModal()) dlg.Click(IDCANCEL);
        });
    }
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    for (const auto& box : driver.MessageBoxes()) EXPECT_EQ(box.text, "Excel启动失败!");
}

}  // namespace
