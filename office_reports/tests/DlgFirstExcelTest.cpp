// The application list: its year and fund lists, the blocks it writes per
// ticked fund (title with count and sums, captions, research directions,
// applications with their check, subtotals, page breaks, the grand total),
// the project types and the refusals.
#include "office_reports/DlgFirstExcel.h"

#include "ReportTestSupport.h"

using namespace reporttest;
namespace excel = office::excel;

namespace {

// Specialty group 9140A01: two directions; 9140A02: one application.
const std::string kA1 = "9140A010101081001001";  // direction 9140A010101, unit 1001
const std::string kA2 = "9140A010101081002002";  // same direction, unit 1002
const std::string kA3 = "9140A010202081001003";  // direction 9140A010202
const std::string kB1 = "9140A020101081001001";

class FirstExcel : public ReportTest {
protected:
    void SeedSpecialtyGroups() {
        AddApplication(kA1, kGroupGeneral, "20");
        AddApplication(kA2, kGroupGeneral, "30.5");
        AddApplication(kA3, kGroupKey, "abc");
        AddApplication(kB1, kGroupGeneral, "12");
        AddApplication("9140A030101071001001", kGroupGeneral, "5", "2007");  // another year
        AddApplication("9140C010101081001001", kLabGeneral, "5");            // a laboratory
        AddSpecialtyGroup("9140A01", "材料组");
        AddDirection("9140A010101", "方向一", "1001", "0");
        AddDirection("9140A010202", "方向二", "1001", "1");
        AddDirection("9140A020101", "方向三", "1001", "0");
    }
    // Runs the dialog as the first-review panel opens it.
    template <class Handler>
    void Run(Handler handler) {
        driver.OnModal<CDlgFirstExcel>(handler);
        officereports::RunFirstExcel(&connection, 0);
    }
    static std::vector<std::string> Funds(CDlgFirstExcel& dlg) {
        std::vector<std::string> funds;
        for (int row = 0; row < dlg.m_gridFunds.GetRowCount(); ++row) funds.push_back(dlg.m_gridFunds.FundAt(row));
        return funds;
    }
};

TEST_F(FirstExcel, ListsTheYearsOfThePeriodAndTheFundsOfTheCategory) {
    SeedSpecialtyGroups();
    Run([&](CDlgFirstExcel& dlg) {
        EXPECT_EQ(ComboTexts(dlg.m_cboYear), (std::vector<std::string>{"2006", "2007", "2008", "2009", "2010"}));
        EXPECT_EQ(dlg.m_cboYear.GetCurSel(), 2);
        EXPECT_EQ(dlg.m_nCategory, 0);
        EXPECT_EQ(Funds(dlg), (std::vector<std::string>{"9140A01", "9140A02"}));
        ui::GridItem* type = dlg.m_gridFunds.GetItem(0, reports::CFundGrid::kType);
        EXPECT_EQ(type->GetValue(), "全部项目");
        EXPECT_EQ(type->GetOptions(), (std::vector<std::string>{"一般项目", "重点项目", "全部项目"}));
        EXPECT_FALSE(dlg.m_gridFunds.IsTicked(0));

        dlg.m_gridFunds.SetTicked(0, true);
        dlg.m_cboYear.SetCurSel(1);
        dlg.OnCommand(CDlgFirstExcel::IDC_YEAR, CBN_SELCHANGE);
        EXPECT_EQ(Funds(dlg), (std::vector<std::string>{"9140A03"}));
        EXPECT_FALSE(dlg.m_gridFunds.IsTicked(0)) << "a new list starts unticked";

        dlg.m_cboYear.SetCurSel(2);
        auto* category = dlg.Item<ui::ComboBox>(CDlgFirstExcel::IDC_CATEGORY);
        category->SetCurSel(1);
        dlg.OnCommand(CDlgFirstExcel::IDC_CATEGORY, CBN_SELCHANGE);
        EXPECT_EQ(Funds(dlg), (std::vector<std::string>{"9140C01"}));
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(opened.empty());
}

TEST_F(FirstExcel, AStoredYearOutsideThePeriodSelectsNoYearAndListsNoFund) {
    SeedSpecialtyGroups();
    StoreSettings("2012", 0);
    Run([&](CDlgFirstExcel& dlg) {
        EXPECT_EQ(dlg.m_cboYear.GetCurSel(), -1);
        EXPECT_EQ(dlg.m_gridFunds.GetRowCount(), 0);
        dlg.Click(IDCANCEL);
    });
}

TEST_F(FirstExcel, ButtonsTickInvertAndSetTheTypeOfEveryRow) {
    SeedSpecialtyGroups();
    Run([&](CDlgFirstExcel& dlg) {
        dlg.m_gridFunds.SetTicked(0, true);
        dlg.Click(CDlgFirstExcel::IDC_INVERT);
        EXPECT_FALSE(dlg.m_gridFunds.IsTicked(0));
        EXPECT_TRUE(dlg.m_gridFunds.IsTicked(1));
        dlg.Click(CDlgFirstExcel::IDC_SELECT_ALL);
        EXPECT_TRUE(dlg.m_gridFunds.IsTicked(0));
        for (auto [button, type] : {std::pair{CDlgFirstExcel::IDC_SET_GENERAL, "一般项目"},
                                    std::pair{CDlgFirstExcel::IDC_SET_KEY, "重点项目"},
                                    std::pair{CDlgFirstExcel::IDC_SET_ALL, "全部项目"}}) {
            dlg.Click(button);
            for (int row = 0; row < 2; ++row)
                EXPECT_EQ(dlg.m_gridFunds.GetItem(row, reports::CFundGrid::kType)->GetValue(), type);
        }
        dlg.Click(IDCANCEL);
    });
}

TEST_F(FirstExcel, WritesOneBlockPerTickedFundWithDirectionsChecksSubtotalsAndTheGrandTotal) {
    SeedSpecialtyGroups();
    Run([&](CDlgFirstExcel& dlg) {
        dlg.Click(CDlgFirstExcel::IDC_SELECT_ALL);
        dlg.Click(IDOK);
        EXPECT_FALSE(dlg.IsRunningModal());
    });
    excel::Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());
    // Block 9140A01: 3 applications, 20 + 30.5 + 0 ("abc" is no number).
    EXPECT_EQ(Cell(sheet, "A1"),
              "9140A01  材料组  3  项  经费总计：50.50 万元    年度经费小计：25.25  万元");
    EXPECT_TRUE(sheet.Range("A1").MergeCells());
    EXPECT_EQ(sheet.Range("A1").MergeArea().Address(), "A1:K1");
    EXPECT_EQ(sheet.Range("A1").PageBreak(), excel::xlPageBreakNone);
    EXPECT_EQ(RowTexts(sheet, 2, 11),
              (std::vector<std::string>{"序号", "项目编号", "项目名称", "起止年月", "申请单位", "申请人", "性别", "年龄",
                                        "职称", "申请经费(万元)", "备注"}));
    EXPECT_TRUE(sheet.Range("A2").Font().Bold());
    EXPECT_EQ(Cell(sheet, "A3"), "9140A010101 方向一");
    EXPECT_EQ(RowTexts(sheet, 4, 11),
              (std::vector<std::string>{"1", kA1, "名称001001", "2008-01 - 2009-12", "单位", "张三", "男", "45",
                                        "研究员", "20", ""}));
    // Unit 1002 is not among the direction's units.
    EXPECT_EQ(Cell(sheet, "A5"), "2");
    EXPECT_EQ(Cell(sheet, "K5"), "申请单位不在定向发布单位之列");
    EXPECT_EQ(Cell(sheet, "A6"), "9140A010202 方向二");
    EXPECT_EQ(Cell(sheet, "A7"), "3");
    EXPECT_EQ(Cell(sheet, "K7"), "");
    EXPECT_EQ(Cell(sheet, "A8"), "合计");
    EXPECT_EQ(sheet.Range("A8").MergeArea().Address(), "A8:I8");
    EXPECT_EQ(Cell(sheet, "J8"), "=SUM(J3:J7)");
    EXPECT_EQ(Cell(sheet, "A9"), "");
    // Block 9140A02 on a new page, without a group name.
    EXPECT_EQ(Cell(sheet, "A10"), "9140A02    1  项  经费总计：12.00 万元    年度经费小计：6.00  万元");
    EXPECT_EQ(sheet.Range("A10").PageBreak(), excel::xlPageBreakManual);
    EXPECT_EQ(Cell(sheet, "A12"), "9140A020101 方向三");
    EXPECT_EQ(Cell(sheet, "B13"), kB1);
    EXPECT_EQ(Cell(sheet, "J14"), "=SUM(J12:J13)");
    EXPECT_EQ(Cell(sheet, "A15"), "所有合计");
    EXPECT_EQ(Cell(sheet, "J15"), "=SUM(J3:J14)/2");
    EXPECT_EQ(sheet.Range("A4").Font().Size(), 10);
    EXPECT_EQ(sheet.Range("K4").BorderStyle("right"), "thin");
    // The serial number, the age and short texts apart from the values
    // beside them; the amount right, the long texts left.
    for (const char* cell : {"A4", "F4", "G4", "H4", "I4"})
        EXPECT_EQ(sheet.Range(cell).HorizontalAlignment(), excel::xlCenter) << cell;
    for (const char* cell : {"B4", "J4"}) EXPECT_NE(sheet.Range(cell).HorizontalAlignment(), excel::xlCenter) << cell;
}

// Amounts stored with any number of decimals print with two, the totals too:
// one format for the whole amount column.
TEST_F(FirstExcel, AmountsOfMixedDecimalsShareTheColumnsTwoDecimalFormat) {
    const char* amounts[] = {"153.4200", "194.92000000", "12.155", "24.3100", "7"};
    for (int i = 0; i < 5; ++i)
        AddApplication(text::Format("9140A010101081001%03d", i + 1), kGroupGeneral, amounts[i]);
    AddDirection("9140A010101", "方向一", "1001", "0");
    Run([&](CDlgFirstExcel& dlg) {
        dlg.Click(CDlgFirstExcel::IDC_SELECT_ALL);
        dlg.Click(IDOK);
    });
    excel::Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());
    // Rows 4-8 the applications, 9 the block's total, 10 the grand total.
    ASSERT_EQ(Cell(sheet, "J9"), "=SUM(J3:J8)");
    ASSERT_EQ(Cell(sheet, "A10"), "所有合计");
    for (int row : {4, 5, 6, 7, 8, 9, 10}) {
        const excel::Range cell = sheet.Range("J" + std::to_string(row));
        EXPECT_EQ(cell.NumberFormat(), "0.00") << "row " << row;
        EXPECT_NE(cell.Kind(), excel::ValueKind::Text) << "row " << row;
    }
    EXPECT_EQ(Cell(sheet, "J5"), "194.92");
}

TEST_F(FirstExcel, TheTypeNarrowsAFundAndAFundWithoutProjectsWritesNoBlock) {
    SeedSpecialtyGroups();
    Run([&](CDlgFirstExcel& dlg) {
        dlg.Click(CDlgFirstExcel::IDC_SELECT_ALL);
        dlg.m_gridFunds.GetItem(0, reports::CFundGrid::kType)->SetValue("重点项目");
        dlg.m_gridFunds.GetItem(1, reports::CFundGrid::kType)->SetValue("重点项目");  // 9140A02 has none
        dlg.Click(IDOK);
    });
    excel::Worksheet sheet = OpenedSheet();
    EXPECT_EQ(Cell(sheet, "A1"), "9140A01  材料组  1  项  经费总计：0.00 万元    年度经费小计：0.00  万元");
    EXPECT_EQ(Cell(sheet, "B4"), kA3);
    EXPECT_EQ(Cell(sheet, "A5"), "合计");
    EXPECT_EQ(Cell(sheet, "A6"), "所有合计");
    EXPECT_EQ(Cell(sheet, "J6"), "=SUM(J3:J5)/2");
}

TEST_F(FirstExcel, LaboratoryListsHaveNoDirectionsAndNoChecks) {
    AddApplication("9140C010101081001001", kLabGeneral, "8");
    AddApplication("9140C010101081002001", kLabKey, "9");
    AddLaboratory("9140C01", "一号实验室");
    StoreSettings("2008", 1);
    Run([&](CDlgFirstExcel& dlg) {
        EXPECT_EQ(dlg.m_nCategory, 1);
        dlg.Click(CDlgFirstExcel::IDC_SELECT_ALL);
        dlg.Click(IDOK);
    });
    excel::Worksheet sheet = OpenedSheet();
    EXPECT_EQ(Cell(sheet, "A1"), "9140C01  一号实验室  2  项  经费总计：17.00 万元    年度经费小计：8.50  万元");
    EXPECT_EQ(Cell(sheet, "B3"), "9140C010101081001001");
    EXPECT_EQ(Cell(sheet, "K3"), "");
    EXPECT_EQ(Cell(sheet, "B4"), "9140C010101081002001");
    EXPECT_EQ(Cell(sheet, "J5"), "=SUM(J3:J4)");
}

TEST_F(FirstExcel, GuideCodeChecks) {
    struct Case {
        std::string xmbh, category, expected;
    } cases[] = {
        {"9140A010101081001001", kGroupGeneral, ""},
        {"9140A010101081002001", kGroupGeneral, "申请单位不在定向发布单位之列"},
        {"9140A010101081001002", kGroupKey, "项目类别错误"},  // the direction is no key direction
        {"9140A010101081002003", kGroupKey, "申请单位不在定向发布单位之列、项目类别错误"},
        {"9140C010101081001001", kGroupGeneral, "指南代码有误"},
        {"9140A990101081001001", kGroupGeneral, "指南代码有误"},
    };
    AddDirection("9140A010101", "方向一", "1001", "0");
    AddDirection("9140C010101", "方向四", "1001", "0", "2007");
    for (const Case& c : cases) AddApplication(c.xmbh, c.category, "1");
    Run([&](CDlgFirstExcel& dlg) {
        for (const Case& c : cases) EXPECT_EQ(dlg.CheckProject(c.xmbh), c.expected) << c.xmbh;
        // A laboratory category on a specialty-group number is a wrong category.
        Exec("update CORVANE_ITEMAPPINFO set XMLB = '" + kLabGeneral + "' where XMBH = '" + cases[0].xmbh + "'");
        EXPECT_EQ(dlg.CheckProject(cases[0].xmbh), "项目类别错误");
        EXPECT_EQ(dlg.GetAspectName("9140A010101"), "方向一");
        EXPECT_EQ(dlg.GetAspectName("9140A019999"), "");
        dlg.Click(IDCANCEL);
    });
}

TEST_F(FirstExcel, RefusalsKeepTheDialogOpen) {
    SeedSpecialtyGroups();
    Run([&](CDlgFirstExcel& dlg) {
        // Nothing ticked: no workbook is left behind.
        driver.ExpectMessageBox("提示", "没有可输出的项目！");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        // Excel cannot be started.
        office::SetStartHook([](std::string_view) { return false; });
        dlg.Click(CDlgFirstExcel::IDC_SELECT_ALL);
        driver.AnswerMessageBox();
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        ASSERT_FALSE(driver.MessageBoxes().empty());
        EXPECT_EQ(driver.MessageBoxes().back().text, "Excel启动失败!");
        // A missing template.
        office::SetStartHook({});
        ASSERT_TRUE(sys::RemoveFile(office::OoxmlPath(PathOf("模板/项目申请表.xls"))));
        driver.AnswerMessageBox();
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        EXPECT_NE(driver.MessageBoxes().back().text.find("项目申请表"), std::string::npos);
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(opened.empty());
}

}  // namespace
