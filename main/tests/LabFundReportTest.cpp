// 重点实验室经费表: the laboratories of a year, ticking, the workbook with one
// row per ticked laboratory and the totals, and the failure paths.
#include "ReportTestSupport.h"

#include "main/DlgLabFundTable.h"
#include "main/LabFundReport.h"

using office::excel::Worksheet;

namespace {

constexpr const char* kKey = "重点实验室基金——重点项目";
constexpr const char* kGeneral = "重点实验室基金——一般项目";

class LabFundReport : public ReportTest {
protected:
    // 2007: 9140C01 (named) has two approved projects, one of them key, and a
    // refused one; 9140C02 (no laboratory row) one approved project without an
    // amount; 9140C03 is approved only in 2008; a specialty group's approved
    // project is no laboratory.
    void SeedLaboratories() {
        AddLaboratory("9140C01", "第一重点实验室");
        const std::string a = ProjectNumber("9140C01", "2007", "U001", "001");
        const std::string b = ProjectNumber("9140C01", "2007", "U002", "001");
        const std::string c = ProjectNumber("9140C01", "2007", "U003", "001");
        const std::string d = ProjectNumber("9140C02", "2007", "U001", "001");
        const std::string e = ProjectNumber("9140C03", "2008", "U001", "001");
        const std::string f = ProjectNumber("9140A01", "2007", "U001", "001");
        AddApplication(a, "U001", "2007", kKey);
        AddApplication(b, "U002", "2007", kGeneral);
        AddApplication(c, "U003", "2007", kKey);
        AddApplication(d, "U001", "2007", kGeneral);
        AddApplication(e, "U001", "2008", kKey);
        AddApplication(f, "U001", "2007", "共性技术基金——一般项目");
        AddReview(a, "+", "10.5");
        AddReview(b, "+", "20");
        AddReview(c, "-", "99");
        AddReview(d, "+", "NULL");
        AddReview(e, "+", "5");
        AddReview(f, "+", "7");
    }

    static std::vector<std::string> GridCodes(CDlgLabFundTable& dlg) {
        std::vector<std::string> codes;
        for (int row = 0; row < dlg.GetGrid().GetRowCount(); ++row) codes.push_back(dlg.GetGrid().Text(row, 1));
        return codes;
    }
};

TEST_F(LabFundReport, ListsEachApprovedLaboratoryOfTheChosenYearOnce) {
    SeedLaboratories();
    RunDialog<CDlgLabFundTable>([&](CDlgLabFundTable& dlg) {
        EXPECT_EQ(Items(dlg, CDlgLabFundTable::IDC_YEAR),
                  (std::vector<std::string>{"2006", "2007", "2008", "2009", "2010"}));
        EXPECT_EQ(dlg.GetDlgItemText(CDlgLabFundTable::IDC_YEAR), "2006");
        EXPECT_TRUE(GridCodes(dlg).empty());

        Choose(dlg, CDlgLabFundTable::IDC_YEAR, "2007");
        EXPECT_EQ(GridCodes(dlg), (std::vector<std::string>{"9140C01", "9140C02"}));
        EXPECT_EQ(dlg.GetGrid().GetColumnName(1), "实验室代码");
        EXPECT_TRUE(dlg.GetGrid().CheckedRows().empty());

        dlg.Click(CDlgLabFundTable::IDC_SELECT_ALL);
        EXPECT_EQ(dlg.GetGrid().CheckedRows(), (std::vector<int>{0, 1}));
        Choose(dlg, CDlgLabFundTable::IDC_YEAR, "2008");  // a new year loses the ticks
        EXPECT_EQ(GridCodes(dlg), (std::vector<std::string>{"9140C03"}));
        EXPECT_TRUE(dlg.GetGrid().CheckedRows().empty());
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(opened.empty());
}

TEST_F(LabFundReport, WorkbookHoldsTheValuesOfEachTickedLaboratoryAndTheTotals) {
    SeedLaboratories();
    RunDialog<CDlgLabFundTable>([&](CDlgLabFundTable& dlg) {
        Choose(dlg, CDlgLabFundTable::IDC_YEAR, "2007");
        dlg.Click(CDlgLabFundTable::IDC_SELECT_ALL);
        dlg.Click(IDOK);
        EXPECT_FALSE(dlg.IsRunningModal());
    });
    ASSERT_EQ(opened.size(), 1u);
    Worksheet sheet = OpenedSheet("sheet1");
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(sheet.Range("A1").Value(), "序号");  // the template's heading stays
    EXPECT_EQ(RowValues(sheet, 2, 7),
              (std::vector<std::string>{"1", "9140C01", "第一重点实验室", "30.5", "2", "1", "10.5"}));
    // No laboratory row: no name; no amount: the sums are 0.
    EXPECT_EQ(RowValues(sheet, 3, 7), (std::vector<std::string>{"2", "9140C02", "", "0", "1", "0", "0"}));
    EXPECT_EQ(sheet.Range("D2").Kind(), office::excel::ValueKind::Number);
    EXPECT_EQ(sheet.Range("A2").Font().Name(), "仿宋_GB2312");
    EXPECT_EQ(sheet.Range("G3").Font().Size(), 14);
    EXPECT_EQ(sheet.Range("A3").RowHeight(), 38);
    EXPECT_TRUE(AllCellsBordered(sheet.Range("A2", "G3")));

    EXPECT_EQ(sheet.Range("A4").Value(), "合计");
    EXPECT_EQ(sheet.Range("B4").MergeArea().Address(), "A4:C4");
    EXPECT_EQ(RowValues(sheet, 4, 7)[3], "=SUM(D2:D3)");
    EXPECT_EQ(sheet.Range("G4").Value(), "=SUM(G2:G3)");
    EXPECT_TRUE(AllCellsBordered(sheet.Range("D4", "G4")));
    EXPECT_EQ(sheet.Range("A4").RowHeight(), 38);
    // The funds ("30.5" next to "0" and "10.5") with two decimals each, the
    // totals too; the counts as they are.
    for (const char* cell : {"D2", "D3", "D4", "G2", "G3", "G4"}) EXPECT_EQ(sheet.Range(cell).NumberFormat(), "0.00") << cell;
    for (const char* cell : {"E2", "F3", "E4"}) EXPECT_EQ(sheet.Range(cell).NumberFormat(), "General") << cell;
    EXPECT_TRUE(sheet.Range("C2").WrapText()) << "a long name wraps, not cut at the cell's edge";
}

TEST_F(LabFundReport, SerialsFollowTheGridOrderOfTheTickedRows) {
    SeedLaboratories();
    RunDialog<CDlgLabFundTable>([&](CDlgLabFundTable& dlg) {
        Choose(dlg, CDlgLabFundTable::IDC_YEAR, "2007");
        dlg.GetGrid().SetCheck(0, true);
        dlg.Click(CDlgLabFundTable::IDC_INVERT);  // only the second stays ticked
        EXPECT_EQ(dlg.GetGrid().CheckedRows(), (std::vector<int>{1}));
        dlg.Click(IDOK);
    });
    Worksheet sheet = OpenedSheet("sheet1");
    EXPECT_EQ(RowValues(sheet, 2, 2), (std::vector<std::string>{"1", "9140C02"}));
    EXPECT_EQ(sheet.Range("A3").Value(), "合计");
    EXPECT_EQ(sheet.Range("D3").Value(), "=SUM(D2:D2)");
}

// Nothing ticked: the user is told, no empty table is written, and the
// dialog stays open for the ticks.
TEST_F(LabFundReport, NothingTickedSaysSoAndWritesNothing) {
    SeedLaboratories();
    RunDialog<CDlgLabFundTable>([&](CDlgLabFundTable& dlg) {
        Choose(dlg, CDlgLabFundTable::IDC_YEAR, "2007");
        driver.ExpectMessageBox("提示", "请选择要输出的实验室！");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(starts.empty()) << "Excel is not even started";
    EXPECT_TRUE(opened.empty());
}

TEST_F(LabFundReport, ExcelThatCannotStartKeepsTheDialogOpen) {
    SeedLaboratories();
    RefuseStart("Excel.Application");
    RunDialog<CDlgLabFundTable>([&](CDlgLabFundTable& dlg) {
        Choose(dlg, CDlgLabFundTable::IDC_YEAR, "2007");
        dlg.Click(CDlgLabFundTable::IDC_SELECT_ALL);
        driver.ExpectMessageBox("Tessaly", "Excel启动失败!");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(starts, (std::vector<std::string>{"Excel.Application"}));
    EXPECT_TRUE(opened.empty());
}

TEST_F(LabFundReport, MissingTemplateOrFailingQueryHandsOutNoWorkbook) {
    SeedLaboratories();
    // A template that is gone.
    ASSERT_TRUE(sys::RemoveFile(PathOf("模板/重点实验室经费表.xlsx")));
    RunDialog<CDlgLabFundTable>([&](CDlgLabFundTable& dlg) {
        Choose(dlg, CDlgLabFundTable::IDC_YEAR, "2007");
        dlg.Click(CDlgLabFundTable::IDC_SELECT_ALL);
        driver.ExpectMessageBox("提示", "无法打开模板文件：" + PathOf("模板/重点实验室经费表.xls"));
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(opened.empty());

    // A failing query while the values are read.
    RunDialog<CDlgLabFundTable>([&](CDlgLabFundTable& dlg) {
        Choose(dlg, CDlgLabFundTable::IDC_YEAR, "2007");
        dlg.Click(CDlgLabFundTable::IDC_SELECT_ALL);
        Execute("drop table CORVANE_LAB");
        driver.AnswerMessageBox(IDOK);
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    EXPECT_EQ(driver.MessageBoxes()[1].caption, "提示");
    EXPECT_NE(driver.MessageBoxes()[1].text.find("读取数据失败"), std::string::npos);
    EXPECT_TRUE(opened.empty());
}

TEST_F(LabFundReport, ValuesAreQueriedPerLaboratoryAndYear) {
    SeedLaboratories();
    CLabFundQueries queries(&db, "2007");
    EXPECT_EQ(queries.GetLabName(""), "");
    EXPECT_EQ(queries.GetLabName("9140C01"), "第一重点实验室");
    EXPECT_EQ(queries.SumFunds("9140C03"), "0");  // approved only in another year
    EXPECT_EQ(queries.CountProjects("9140C03"), "0");
    // A quote in a code cannot change the statement.
    EXPECT_EQ(queries.CountProjects("9140C01' or '1'='1"), "0");
    EXPECT_FALSE(queries.Failed());
}

}  // namespace
