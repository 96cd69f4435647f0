// The laboratory statistics: one line per laboratory with its counts and
// single-precision sums of key and general projects of the year, the total
// line, and the figures without a year or without laboratories.
#include "office_reports/DlgLabStatExcel.h"

#include "ReportTestSupport.h"

using namespace reporttest;
namespace excel = office::excel;

namespace {

class LabStat : public ReportTest {
protected:
    template <class Handler>
    void Run(Handler handler) {
        driver.OnModal<CDlgLabStatExcel>(handler);
        officereports::RunLabStatExcel(&connection);
    }
};

TEST_F(LabStat, WritesEveryLaboratoryWithItsFiguresAndTheTotalLine) {
    AddLaboratory("9140C02", "二号实验室");
    AddLaboratory("9140C01", "一号实验室");
    AddApplication("9140C010101081001001", kLabKey, "1.5");
    AddApplication("9140C010101081002001", kLabKey, "2");
    AddApplication("9140C010101081003001", kLabGeneral, "0.1");
    AddApplication("9140C010101071004001", kLabKey, "7", "2007");     // another year
    AddApplication("9140C010101081005001", kGroupGeneral, "7");       // another category
    Run([&](CDlgLabStatExcel& dlg) {
        EXPECT_EQ(ComboTexts(dlg.m_cboYear), (std::vector<std::string>{"2006", "2007", "2008", "2009", "2010"}));
        EXPECT_EQ(dlg.m_cboYear.GetCurSel(), 2);
        EXPECT_EQ(dlg.SumGeneralFunds("9140C01"), "0.1");
        dlg.Click(IDOK);
        EXPECT_FALSE(dlg.IsRunningModal());
    });
    excel::Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(RowTexts(sheet, 3, 9), (std::vector<std::string>{"1", "9140C01", "一号实验室", "2", "3.5", "1", "0.1",
                                                                "=D3+F3", "=E3+G3"}));
    EXPECT_EQ(RowTexts(sheet, 4, 9),
              (std::vector<std::string>{"2", "9140C02", "二号实验室", "0", "0", "0", "0", "=D4+F4", "=E4+G4"}));
    EXPECT_EQ(RowTexts(sheet, 5, 9), (std::vector<std::string>{"合计", "", "", "=SUM(D3:D4)", "=SUM(E3:E4)",
                                                                "=SUM(F3:F4)", "=SUM(G3:G4)", "=SUM(H3:H4)",
                                                                "=SUM(I3:I4)"}));
    EXPECT_EQ(sheet.Range("A5").MergeArea().Address(), "A5:C5");
    EXPECT_EQ(sheet.Range("B3").Font().Name(), "仿宋_GB2312");
    EXPECT_EQ(sheet.Range("I3").Font().Size(), 14);
    EXPECT_EQ(sheet.Range("I4").BorderStyle("bottom"), "thin");
    // The sums ("3.5" next to "0.1" and "0") with two decimals each, the
    // totals too; the counts as they are.
    for (const char* column : {"E", "G", "I"})
        for (int row : {3, 4, 5}) EXPECT_EQ(sheet.Range(column + std::to_string(row)).NumberFormat(), "0.00") << column << row;
    for (const char* cell : {"D3", "F4", "H5"}) EXPECT_EQ(sheet.Range(cell).NumberFormat(), "General") << cell;
    EXPECT_TRUE(sheet.Range("C3").WrapText()) << "a long name wraps, not cut at the cell's edge";
}

TEST_F(LabStat, SumsAreAddedInSinglePrecisionAndShowSixDigits) {
    AddApplication("9140C010101081001001", kLabKey, "1234.567");
    AddApplication("9140C010101081002001", kLabKey, "0.001");
    AddApplication("9140C010101081003001", kLabGeneral, "x");
    Run([&](CDlgLabStatExcel& dlg) {
        EXPECT_EQ(dlg.SumKeyFunds("9140C01"), "1234.57");
        EXPECT_EQ(dlg.CountKeyProjects("9140C01"), "2");
        EXPECT_EQ(dlg.SumGeneralFunds("9140C01"), "0");
        EXPECT_EQ(dlg.CountGeneralProjects("9140C01"), "1");
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(opened.empty());
}

TEST_F(LabStat, WithoutLaboratoriesTheTotalIsRowThreeAndWithoutAYearEveryFigureIsZero) {
    StoreSettings("2015", 0);
    AddApplication("9140C010101081001001", kLabKey, "3");
    Run([&](CDlgLabStatExcel& dlg) {
        EXPECT_EQ(dlg.m_cboYear.GetCurSel(), -1);
        EXPECT_EQ(dlg.CountKeyProjects("9140C01"), "0");
        EXPECT_EQ(dlg.SumKeyFunds("9140C01"), "0");
        dlg.Click(IDOK);
    });
    excel::Worksheet sheet = OpenedSheet();
    EXPECT_EQ(Cell(sheet, "A3"), "合计");
    EXPECT_EQ(Cell(sheet, "D3"), "=SUM(D3:D2)");
    EXPECT_EQ(Cell(sheet, "A1"), "重点实验室基金项目上报统计表") << "the template's rows stay";
}

TEST_F(LabStat, AFailedExcelStartKeepsTheDialogOpen) {
    office::SetStartHook([](std::string_view) { return false; });
    Run([&](CDlgLabStatExcel& dlg) {
        driver.AnswerMessageBox();
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "Excel启动失败!");
}

}  // namespace
