// The funding lists 32877-32879: the three blank forms reached through the
// frame's commands, a new workbook per call, and the reported errors.
#include "ReportTestSupport.h"

#include "main/Commands.h"
#include "main/FundingListReport.h"

using office::excel::Worksheet;

namespace {

class FundingListReport : public ReportTest {
protected:
    Worksheet RunCommand(int command) {
        OpenFrame(2).SendMessage(WM_COMMAND, MAKEWPARAM(command, 0));
        return OpenedSheet("项目拨款清单");
    }
};

TEST_F(FundingListReport, EachCommandOpensItsBlankForm) {
    const std::vector<std::string> projectHeadings = {"序号",     "项目编号", "项目名称", "起止年月",
                                                      "申请人",   "年龄",     "职称",     "申请单位",
                                                      "申请经费", "专家评审", "评分",     "审批结果"};
    struct Case {
        int command;
        const char *title, *code;
        std::vector<std::string> headings;
        const char *lastBordered, *outsideRight, *outsideBelow;
    } cases[] = {
        {cmd::kFundingListUnit, "单位名称：[单位全称]", "单位代码", projectHeadings, "L6", "M6", "L7"},
        {cmd::kFundingListFund, "项目类别：[基金编号]", "基金编号", projectHeadings, "L6", "M6", "L7"},
        {cmd::kFundingListYear, "年份：[年号]", "年号",
         {"序号", "单位代码", "单位全称", "开户行", "开户单位", "帐号", "资助经费", "首批拨款", "二批拨款"}, "I7",
         "J7", "I9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        Worksheet sheet = RunCommand(c.command);
        ASSERT_TRUE(sheet.IsValid());
        EXPECT_EQ(sheet.Range("A1").Value(), c.title);
        EXPECT_EQ(sheet.Range("A1").MergeArea().Address(), "A1:C1");
        EXPECT_EQ(sheet.Range("I1").Value(), "金额：万元");
        EXPECT_EQ(RowValues(sheet, 2, int(c.headings.size()) + 1),
                  [&] { auto h = c.headings; h.push_back(""); return h; }());
        EXPECT_EQ(sheet.Range("C10").Value(), c.code);
        EXPECT_EQ(sheet.Range("A2").Font().Name(), "隶书");
        EXPECT_EQ(sheet.Range("I2").Font().Size(), 11);
        EXPECT_NE(sheet.Range("J2").Font().Name(), "隶书");
        EXPECT_EQ(sheet.Range("C10").HorizontalAlignment(), office::excel::xlCenter);
        EXPECT_TRUE(sheet.Range("B2").WrapText());
        EXPECT_EQ(sheet.Range("K5").ColumnWidth(), 13);
        EXPECT_TRUE(AllCellsBordered(sheet.Range("A1", c.lastBordered)));
        EXPECT_EQ(sheet.Range(c.outsideRight).BorderStyle("right"), "");
        EXPECT_EQ(sheet.Range(c.outsideBelow).BorderStyle("bottom"), "");
    }
    ASSERT_EQ(opened.size(), 3u);  // a new workbook each time
    EXPECT_NE(opened[0], opened[1]);
}

TEST_F(FundingListReport, YearFormSumsTheFiveBlankRows) {
    Worksheet sheet = RunCommand(cmd::kFundingListYear);
    EXPECT_EQ(sheet.Range("A8").Value(), "合计");
    EXPECT_EQ(sheet.Range("A8").MergeArea().Address(), "A8:F8");
    EXPECT_EQ(RowValues(sheet, 8, 9)[6], "=SUM(G3:G7)");
    EXPECT_EQ(sheet.Range("H8").Value(), "=SUM(H3:H7)");
    EXPECT_EQ(sheet.Range("I8").Value(), "=SUM(I3:I7)");
    EXPECT_FALSE(sheet.Range("I1").MergeCells());
    // Typed amounts and the totals with two decimals, typed codes and
    // accounts as written.
    for (const char* cell : {"G3", "H7", "I8"}) EXPECT_EQ(sheet.Range(cell).NumberFormat(), "0.00") << cell;
    for (const char* cell : {"B3", "F7"}) EXPECT_EQ(sheet.Range(cell).NumberFormat(), "@") << cell;
    EXPECT_EQ(sheet.Range("C3").NumberFormat(), "General");
}

TEST_F(FundingListReport, ExcelThatCannotStartIsReported) {
    RefuseStart("Excel.Application");
    driver.ExpectMessageBox("Tessaly", "Excel失败!");
    RunFundingList(FundingListKind::Unit);
    EXPECT_TRUE(opened.empty());
}

TEST_F(FundingListReport, CaughtErrorsShowTheirStatusAndDescription) {
    constexpr UINT kForeground = 0x00010000;
    struct Case {
        AutomationError error;
        const char *caption, *text;
    } cases[] = {
        {{AutomationError::Type::Ole, 0x800A03ECUL, ""}, "提示", "Excel操作失败（错误代码800a03ec）！"},
        {{AutomationError::Type::Dispatch, 0x80004005UL, "无法打开"}, "提示", "Excel操作失败（错误代码80004005）：无法打开"},
        {{AutomationError::Type::Other, 0, ""}, "提示", "Excel操作时发生未知错误！"},
    };
    for (const Case& c : cases) {
        driver.ExpectMessageBox(c.caption, c.text);
        ShowAutomationError(c.error);
        EXPECT_EQ(driver.MessageBoxes().back().type, MB_OK | kForeground);
    }
}

TEST_F(FundingListReport, FilledFormIsShownAndMarkedAsNotSaved) {
    for (FundingListKind kind : {FundingListKind::Unit, FundingListKind::FundNumber}) {
        auto excel = office::excel::Application::Create();
        EXPECT_FALSE(BuildFundingList(*excel, kind).has_value());
        EXPECT_TRUE(excel->Visible());
        EXPECT_FALSE(excel->Workbooks().Item(1).Saved());
        excel->Quit();
    }
    EXPECT_TRUE(opened.empty());
}

}  // namespace
