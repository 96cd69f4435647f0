// 单位信息表(年度计划) and 单位信息表(年度经费表): the initial year and
// category from the settings, the units of each table, the sheet layout and
// the failure paths.
#include "ReportTestSupport.h"

#include "foundation/Options.h"
#include "main/DlgUnitInfoTable.h"

using office::excel::Worksheet;

namespace {

class UnitInfoReport : public ReportTest {
protected:
    void StoreChoice(const std::string& year, int category) {
        COptions options;
        options.SetYear(year);
        options.SetCategory(category);
        options.Save();
    }
    void AddFullUnit(const std::string& code, const std::string& name) {
        AddUnitRow({code, name, "所属部门", "机要名", "科研处", "100081", "通信地址", "北京", "北京", "联系人",
                    "010-6000", "13800138000", "开户银行", "开户单位", "0200001234567890123", "r1", "r2", "r3", "r4",
                    "r5", "r6"});
    }
    // U001 is directed by two specialty-group directions of 2007 and has
    // approved projects of both fund kinds; U002 a key-laboratory direction
    // and a refused project; U003 a direction of 2008.
    void SeedUnits() {
        AddFullUnit("U001", "甲单位");
        AddFullUnit("U002", "乙单位");
        AddFullUnit("U003", "丙单位");
        AddDirection("U001", "2007", "9140A01");
        AddDirection("U001", "2007", "9140A02");
        AddDirection("U002", "2007", "9140C01");
        AddDirection("U003", "2008", "9140A01");
        const std::string p1 = ProjectNumber("9140A01", "2007", "U001", "001");
        const std::string p2 = ProjectNumber("9140A02", "2007", "U001", "001");
        const std::string p3 = ProjectNumber("9140C01", "2007", "U001", "001");
        const std::string p4 = ProjectNumber("9140A01", "2007", "U002", "001");
        AddApplication(p1, "U001", "2007", "共性技术基金——一般项目");
        AddApplication(p2, "U001", "2007", "共性技术基金——重点项目");
        AddApplication(p3, "U001", "2007", "重点实验室基金——一般项目");
        AddApplication(p4, "U002", "2007", "共性技术基金——一般项目");
        AddReview(p1, "+", "12.5");
        AddReview(p2, "+", "7.5");
        AddReview(p3, "+", "100");
        AddReview(p4, "-", "50");
    }

    // Runs a table with the stored choice and answers OK.
    template <class Dialog>
    Worksheet Output(const std::string& year, int category) {
        StoreChoice(year, category);
        RunDialog<Dialog>([](Dialog& dlg) {
            dlg.Click(IDOK);
            EXPECT_FALSE(dlg.IsRunningModal());
        });
        return OpenedSheet("单位信息表");
    }

    static const std::vector<std::string>& Headings() {
        static const std::vector<std::string> headings = {
            "单位代码", "单位名称", "所属部门", "机要地址名称", "科研管理部门名称", "邮政编码", "通信地址", "省",
            "市",       "联系人",   "电话",     "手机",         "开户银行",         "开户单位", "账号"};
        return headings;
    }
};

TEST_F(UnitInfoReport, DialogStartsOnTheStoredYearAndCategory) {
    struct Case {
        const char* year;
        int category;
        const char *shownYear, *shownCategory;
    } cases[] = {{"2008", 1, "2008", "重点实验室"}, {"2007", 0, "2007", "专业组"}, {"2015", 0, "", "专业组"}};
    for (const Case& c : cases) {
        StoreChoice(c.year, c.category);
        RunDialog<CDlgUnitPlanTable>([&](CDlgUnitPlanTable& dlg) {
            EXPECT_EQ(dlg.GetWindowText(), "单位信息表(年度计划)");
            EXPECT_EQ(Items(dlg, CDlgUnitInfoTable::IDC_YEAR),
                      (std::vector<std::string>{"2006", "2007", "2008", "2009", "2010"}));
            EXPECT_EQ(dlg.GetDlgItemText(CDlgUnitInfoTable::IDC_YEAR), c.shownYear) << c.year;
            EXPECT_EQ(dlg.GetDlgItemText(CDlgUnitInfoTable::IDC_CATEGORY), c.shownCategory);
            dlg.Click(IDCANCEL);
        });
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(UnitInfoReport, AnnualPlanListsEachDirectedUnitOnceWithItsWholeRecord) {
    SeedUnits();
    Worksheet sheet = Output<CDlgUnitPlanTable>("2007", 0);
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(sheet.Range("A1").Value(), "单位信息表(年度计划)");
    EXPECT_EQ(sheet.Range("A1").MergeArea().Address(), "A1:O1");
    EXPECT_EQ(sheet.Range("A1").Font().Size(), 14);
    EXPECT_EQ(RowValues(sheet, 2, 15), Headings());
    EXPECT_EQ(sheet.Range("P2").Value(), "");
    EXPECT_EQ(sheet.Range("B2").Font().Name(), "隶书");
    EXPECT_EQ(RowValues(sheet, 3, 15),
              (std::vector<std::string>{"U001", "甲单位", "所属部门", "机要名", "科研处", "100081", "通信地址", "北京",
                                        "北京", "联系人", "010-6000", "13800138000", "开户银行", "开户单位",
                                        "0200001234567890123"}));
    EXPECT_EQ(sheet.Range("A4").Value(), "");  // two directions, one row
    EXPECT_TRUE(AllCellsBordered(sheet.Range("A2", "O3")));
    EXPECT_EQ(sheet.Range("A4").BorderStyle("bottom"), "");
    EXPECT_EQ(sheet.Range("C3").HorizontalAlignment(), office::excel::xlCenter);
    EXPECT_EQ(sheet.Range("C3").VerticalAlignment(), office::excel::xlCenter);
    EXPECT_TRUE(sheet.Range("C3").WrapText());
}

TEST_F(UnitInfoReport, AnnualFundsSumsTheApprovedFundsOfTheChosenKind) {
    SeedUnits();
    Worksheet groups = Output<CDlgUnitFundTable>("2007", 0);
    EXPECT_EQ(groups.Range("A1").Value(), "单位信息表(年度经费表)");
    EXPECT_EQ(groups.Range("A1").MergeArea().Address(), "A1:P1");
    EXPECT_EQ(groups.Range("P2").Value(), "总经费(万元)");
    EXPECT_EQ(RowValues(groups, 3, 2), (std::vector<std::string>{"U001", "甲单位"}));
    EXPECT_EQ(groups.Range("P3").Value(), "20");  // the refused project of U002 is not counted
    EXPECT_EQ(groups.Range("A4").Value(), "");
    EXPECT_TRUE(AllCellsBordered(groups.Range("A2", "P3")));

    // A category that is not offered reads as the key laboratories.
    Worksheet labs = Output<CDlgUnitFundTable>("2007", 7);
    EXPECT_EQ(RowValues(labs, 3, 1), (std::vector<std::string>{"U001"}));
    EXPECT_EQ(labs.Range("P3").Value(), "100");
}

TEST_F(UnitInfoReport, NoMatchingUnitLeavesTheTitleAndBorderedHeadings) {
    SeedUnits();
    Worksheet sheet = Output<CDlgUnitPlanTable>("2009", 1);
    EXPECT_EQ(sheet.Range("A1").Value(), "单位信息表(年度计划)");
    EXPECT_TRUE(AllCellsBordered(sheet.Range("A2", "O2")));
    EXPECT_EQ(RowValues(sheet, 3, 15), std::vector<std::string>(15));
    EXPECT_EQ(sheet.Range("A3").BorderStyle("left"), "");
}

TEST_F(UnitInfoReport, NoChosenYearOrNoExcelKeepsTheDialogOpen) {
    StoreChoice("2015", 0);  // outside the period: no year chosen
    RunDialog<CDlgUnitFundTable>([&](CDlgUnitFundTable& dlg) {
        driver.ExpectMessageBox("提示", "请选择年份。");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });

    StoreChoice("2007", 0);
    RefuseStart("Excel.Application");
    RunDialog<CDlgUnitPlanTable>([&](CDlgUnitPlanTable& dlg) {
        driver.ExpectMessageBox("Tessaly", "Excel启动失败!");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(opened.empty());
}

TEST_F(UnitInfoReport, QueriesQuoteTheYearAndPickTheCategoryCondition) {
    EXPECT_NE(UnitTableQuery(UnitTableKind::AnnualPlan, "20'07", 0).find("FBNF = '20''07' and JJBH like '9140A%'"),
              std::string::npos);
    EXPECT_NE(UnitTableQuery(UnitTableKind::AnnualPlan, "2007", -1).find("JJBH like '9140C%'"), std::string::npos);
    EXPECT_NE(UnitTableQuery(UnitTableKind::AnnualFunds, "2007", 0).find("XMLB like '共性技术基金%'"),
              std::string::npos);
    EXPECT_NE(UnitTableQuery(UnitTableKind::AnnualFunds, "2007", 1).find("XMLB like '重点实验室基金%'"),
              std::string::npos);
}

}  // namespace
