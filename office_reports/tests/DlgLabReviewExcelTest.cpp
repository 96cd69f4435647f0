// The laboratory review table: the funds of passed key-laboratory projects,
// the blocks with approved funds by project type, and the block layout of
// two funds with the page break and the totals.
#include "office_reports/DlgLabReviewExcel.h"

#include "ReportTestSupport.h"

using namespace reporttest;
namespace excel = office::excel;

namespace {

class LabReview : public ReportTest {
protected:
    void AddPassed(const std::string& xmbh, const std::string& category, const std::string& amount,
                   const std::string& result = "+") {
        AddApplication(xmbh, category, "99");
        AddReviewResult(xmbh, result, amount);
    }
    void Seed() {
        AddPassed("9140C010101081001001", kLabGeneral, "10");
        AddPassed("9140C010101081002001", kLabKey, "12.5");
        AddPassed("9140C010101081003001", kLabKey, "40", "-");  // not passed
        AddPassed("9140C020101081001001", kLabGeneral, "1");
        AddPassed("9140C020101081002001", kLabGeneral, "2");
        AddPassed("9140C020101081003001", kLabKey, "3");
        AddPassed("9140A010101081001001", kGroupGeneral, "5");  // a specialty group
        AddLaboratory("9140C01", "一号实验室");
    }
    template <class Handler>
    void Run(Handler handler) {
        driver.OnModal<CDlgLabReviewExcel>(handler);
        officereports::RunLabReviewExcel(nullptr, &connection);
    }
};

TEST_F(LabReview, TwoFundsGiveTwoBlocksWithAPageBreakSubtotalsAndTheHalvedGrandTotal) {
    Seed();
    Run([&](CDlgLabReviewExcel& dlg) {
        ASSERT_EQ(dlg.m_gridFunds.GetRowCount(), 2);
        EXPECT_EQ(dlg.m_gridFunds.FundAt(0), "9140C01");
        EXPECT_EQ(dlg.m_gridFunds.FundAt(1), "9140C02");
        dlg.Click(CDlgLabReviewExcel::IDC_SELECT_ALL);
        dlg.Click(IDOK);
    });
    excel::Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(Cell(sheet, "A1"), "9140C01  一号实验室  2  项  经费总计：22.50 万元    年度经费小计：11.25  万元");
    EXPECT_EQ(Cell(sheet, "J2"), "批复经费");
    EXPECT_EQ(RowTexts(sheet, 3, 11),
              (std::vector<std::string>{"1", "9140C010101081001001", "名称001001", "2008-01 - 2009-12", "单位", "张三",
                                        "男", "45", "研究员", "10", ""}));
    EXPECT_EQ(sheet.Range("J4").Kind(), excel::ValueKind::Number);
    EXPECT_EQ(Cell(sheet, "J4"), "12.5");
    EXPECT_EQ(Cell(sheet, "A5"), "合计");
    EXPECT_EQ(Cell(sheet, "J5"), "=SUM(J3:J4)");
    EXPECT_EQ(Cell(sheet, "A6"), "");
    EXPECT_EQ(Cell(sheet, "A7"), "9140C02    3  项  经费总计：6.00 万元    年度经费小计：3.00  万元");
    EXPECT_EQ(sheet.Range("A7").PageBreak(), excel::xlPageBreakManual);
    EXPECT_EQ(sheet.Range("A1").PageBreak(), excel::xlPageBreakNone);
    EXPECT_EQ(Cell(sheet, "A9"), "1") << "the serial number restarts";
    EXPECT_EQ(Cell(sheet, "A11"), "3");
    EXPECT_EQ(Cell(sheet, "J12"), "=SUM(J9:J11)");
    EXPECT_EQ(Cell(sheet, "A13"), "所有合计");
    EXPECT_EQ(Cell(sheet, "J13"), "=SUM(J3:J12)/2");
    EXPECT_EQ(sheet.Range("A13").MergeArea().Address(), "A13:I13");
    EXPECT_EQ(sheet.Range("A7").RowHeight(), 36);
    EXPECT_EQ(sheet.Range("A8").RowHeight(), 33);
}

TEST_F(LabReview, TheTypeOfAFundChoosesItsCategories) {
    Seed();
    struct Case {
        std::string type;
        std::vector<std::string> numbers;
    } cases[] = {
        {"一般项目", {"9140C020101081001001", "9140C020101081002001"}},
        {"重点项目", {"9140C020101081003001"}},
        {"全部项目", {"9140C020101081001001", "9140C020101081002001", "9140C020101081003001"}},
    };
    for (const Case& c : cases) {
        opened.clear();
        Run([&](CDlgLabReviewExcel& dlg) {
            dlg.m_gridFunds.SetTicked(1, true);
            dlg.Click(CDlgLabReviewExcel::IDC_SET_KEY);
            dlg.m_gridFunds.GetItem(1, reports::CFundGrid::kType)->SetValue(c.type);
            dlg.Click(IDOK);
        });
        excel::Worksheet sheet = OpenedSheet();
        std::vector<std::string> numbers;
        for (int row = 3; !Cell(sheet, "B" + std::to_string(row)).empty(); ++row)
            numbers.push_back(Cell(sheet, "B" + std::to_string(row)));
        EXPECT_EQ(numbers, c.numbers) << c.type;
    }
}

TEST_F(LabReview, NoTickedFundWithProjectsLeavesNoWorkbook) {
    Seed();
    Run([&](CDlgLabReviewExcel& dlg) {
        dlg.m_gridFunds.SetTicked(0, true);
        dlg.m_gridFunds.GetItem(0, reports::CFundGrid::kType)->SetValue("重点项目");
        Exec("update CORVANE_ITEMPF set PSJG = '-'");
        driver.ExpectMessageBox("提示", "没有可输出的项目！");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(opened.empty());
}

}  // namespace
