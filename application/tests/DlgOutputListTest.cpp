// The project list on the application form: its columns and rows, 全选 and
// 反选, and the Excel table of the ticked applications.
#include "AppOutputTestSupport.h"

#include <QFontMetrics>
#include <QWidget>
#include <cmath>

#include "application/DlgOutputList.h"
#include "platform/office/Excel.h"
#include "platform/ui/App.h"
#include "platform/ui/ListCtrl.h"
#include "testsupport/PrintedPages.h"

namespace {

using namespace office::excel;
using Texts = std::vector<std::string>;

const char* const kAll = "select xmlb,nf,xmbh,sqzndm,dwdm,gzdw,sqrxm,sqje from corvane_itemappinfo order by Right(XMBH, 7)";

class OutputListTest : public AppOutputTest {
protected:
    void SetUp() override {
        AppOutputTest::SetUp();
        list.m_pConnection = &db;
        ASSERT_TRUE(list.Create(&host));
        list.InitProjectList();
    }
    ui::ListCtrl& List() { return list.List(); }
    void Tick(std::initializer_list<int> rows) {
        for (int row : rows) List().SetCheck(row);
    }
    std::vector<bool> Ticks() {
        std::vector<bool> ticks;
        for (int row = 0; row < List().GetItemCount(); ++row) ticks.push_back(List().GetCheck(row));
        return ticks;
    }
    // The sheet of the workbook handed to the desktop.
    Worksheet OpenedSheet() {
        EXPECT_EQ(opened.size(), 1u);
        if (opened.empty()) return {};
        reader = office::excel::Application::Create();
        Workbook book = reader->Workbooks().Add(opened.back());
        EXPECT_TRUE(book.IsValid()) << reader->LastError();
        return book.Sheets().Item("sheet1");
    }
    static Texts RowValues(const Worksheet& sheet, int row) {
        Texts values;
        for (int column = 1; column <= 10; ++column) values.push_back(sheet.Cells().Item(row, column).Value());
        return values;
    }
    static void ExpectBorderedCells(const Worksheet& sheet, int row) {
        for (int column = 1; column <= 10; ++column)
            for (const char* edge : {"left", "right", "top", "bottom"})
                EXPECT_EQ(sheet.Cells().Item(row, column).BorderStyle(edge), "thin") << row << "," << column << edge;
    }

    HostDialog host;
    CDlgOutputList list{&host};
    std::unique_ptr<office::excel::Application> reader;
};

TEST_F(OutputListTest, ColumnsAndRowsOfTheList) {
    SeedApplications();
    list.LoadProjects(rs, kAll);
    ASSERT_EQ(List().GetColumnCount(), 9);
    const std::pair<const char*, int> columns[] = {{"序号", 50},    {"项目编号", 150}, {"指南代码", 100},
                                                   {"项目类别", 170}, {"年份", 80},      {"单位代码", 80},
                                                   {"单位名称", 250}, {"负责人", 80},    {"申请经费", 80}};
    for (int c = 0; c < 9; ++c) {
        if (c == 1) continue;  // the numbers', below
        EXPECT_EQ(List().GetColumnWidth(c), columns[c].second) << columns[c].first;
    }
    // The number column as set, widened to show the longest number whole.
    const QFontMetrics metrics = List().GetWidget()->fontMetrics();
    EXPECT_GE(List().GetColumnWidth(1), 150);
    for (int row = 0; row < List().GetItemCount(); ++row)
        EXPECT_GT(List().GetColumnWidth(1), metrics.horizontalAdvance(QString::fromStdString(List().GetItemText(row, 1))));
    EXPECT_EQ(List().GetExtendedStyle() & (LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT),
              DWORD(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT));
    ASSERT_EQ(List().GetItemCount(), 3);
    Texts first;
    for (int c = 0; c < 9; ++c) first.push_back(List().GetItemText(0, c));
    EXPECT_EQ(first, (Texts{"1", "9140B0101012007A001001", "9140B010101", "共性技术基金——重点项目", "2007", "A001",
                            "第一研究所", "张三", "30 万元"}));
    EXPECT_EQ(List().GetItemText(2, 0), "3");
    EXPECT_EQ(list.GetWindowText(), "");

    // Loading again starts from an empty list; a failing statement leaves it empty.
    list.LoadProjects(rs, kAll);
    EXPECT_EQ(List().GetItemCount(), 3);
    list.LoadProjects(rs, "select nothing from nowhere");
    EXPECT_EQ(List().GetItemCount(), 0);
}

TEST_F(OutputListTest, SelectAllAndInvert) {
    SeedApplications();
    list.LoadProjects(rs, kAll);
    Tick({1});
    list.Click(CDlgOutputList::IDC_INVERT);
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, false, true}));
    list.Click(CDlgOutputList::IDC_SELECT_ALL);
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(list.CheckedNumbers(),
              (Texts{"9140B0101012007A001001", "9140A0101012008A001002", "9140A0101012008A002001"}));
}

TEST_F(OutputListTest, NothingTickedAsksForAProject) {
    SeedApplications();
    list.LoadProjects(rs, kAll);
    driver.ExpectMessageBox("提示", "请选择输出项目！");
    list.Click(CDlgOutputList::IDC_EXPORT_EXCEL);
    EXPECT_EQ(driver.MessageBoxes().at(0).type, MB_OK | MB_ICONINFORMATION);
    EXPECT_TRUE(opened.empty());
}

TEST_F(OutputListTest, ExcelThatCannotStartIsReported) {
    SeedApplications();
    list.LoadProjects(rs, kAll);
    Tick({0});
    Refuse("Excel.Application");
    driver.ExpectMessageBox(ui::AppTitle(), "Excel启动失败!");
    list.Click(CDlgOutputList::IDC_EXPORT_EXCEL);
    EXPECT_TRUE(opened.empty());
}

// Rows far apart in the list become consecutive rows numbered 1, 2, ...;
// an empty amount leaves its cell empty.
TEST_F(OutputListTest, TickedApplicationsBecomeConsecutiveRowsWithATotal) {
    SeedApplications();
    list.LoadProjects(rs, kAll);
    Tick({0, 2});
    list.Click(CDlgOutputList::IDC_EXPORT_EXCEL);
    Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());

    EXPECT_EQ(RowValues(sheet, 1), (Texts{"序号", "指南代码", "项目编号", "项目名称", "项目类别", "起止年月", "申请人",
                                          "职称", "申请经费(万元)", "备注"}));
    EXPECT_TRUE(sheet.Range("A1").Font().Bold());
    EXPECT_EQ(sheet.Range("J1").Font().Size(), 11);
    EXPECT_EQ(sheet.Range("A1").RowHeight(), 33);
    EXPECT_EQ(RowValues(sheet, 2), (Texts{"1", "9140B010101", "9140B0101012007A001001", "项目甲",
                                          "共性技术基金——重点项目", "2008/01 - 2010/01", "张三", "研究员", "30", ""}));
    EXPECT_EQ(sheet.Range("I2").Kind(), ValueKind::Number);
    EXPECT_EQ(sheet.Range("I2").NumberFormat(), "0.00") << "one amount format for the column";
    // The template's widths are for a wider table: the name gets the room.
    EXPECT_GE(sheet.Range("D1").ColumnWidth(), 2 * sheet.Range("B1").ColumnWidth());
    EXPECT_GE(sheet.Range("C1").ColumnWidth(), 22) << "a project number of twenty-two characters on one line";
    EXPECT_EQ(RowValues(sheet, 3), (Texts{"2", "9140A010101", "9140A0101012008A002001", "项目丙",
                                          "重点实验室基金——一般项目", "2008/01 - 2010/01", "王五", "研究员", "", ""}));
    EXPECT_EQ(sheet.Range("D3").Font().Size(), 10);
    EXPECT_EQ(sheet.Range("D3").RowHeight(), 36);
    for (int row = 1; row <= 3; ++row) ExpectBorderedCells(sheet, row);

    EXPECT_TRUE(sheet.Range("A4").MergeCells());
    EXPECT_EQ(sheet.Range("A4").MergeArea().Address(), "A4:H4");
    EXPECT_EQ(sheet.Range("A4").Value(), "合计");
    EXPECT_EQ(sheet.Range("I4").Value(), "=SUM(I2:I3)");
    EXPECT_EQ(sheet.Range("I4").Font().Size(), 12);
    EXPECT_EQ(sheet.Range("A4").RowHeight(), 33);
    EXPECT_EQ(sheet.Range("H4").BorderStyle("right"), "thin");
    EXPECT_EQ(sheet.Range("J4").BorderStyle("bottom"), "thin");
    EXPECT_EQ(sheet.Range("A5").Value(), "");
}

TEST_F(OutputListTest, OneTickedApplicationAndOneWhoseRowIsGone) {
    SeedApplications();
    list.LoadProjects(rs, kAll);
    testdb::Exec(db, "delete from CORVANE_ITEMAPPINFO where XMBH = '9140B0101012007A001001'");
    Tick({0, 1});
    list.Click(CDlgOutputList::IDC_EXPORT_EXCEL);
    Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(RowValues(sheet, 2), (Texts{"1", "", "", "", "", " - ", "", "", "", ""}));
    EXPECT_EQ(sheet.Range("C3").Value(), "9140A0101012008A001002");
    EXPECT_EQ(sheet.Range("I4").Value(), "=SUM(I2:I3)");
}

// A legacy number holding a full-width character: its guide code is its
// first eleven characters, never a character cut in two.
TEST_F(OutputListTest, ALegacyNumberWithAFullWidthCharacterIsCutByCharacters) {
    AddApplication({"9140A01010８08U001001", "全角项目", "共性技术基金——一般项目", "2008", "赵六", "5"});
    list.LoadProjects(rs, kAll);
    Tick({0});
    list.Click(CDlgOutputList::IDC_EXPORT_EXCEL);
    Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(sheet.Range("B2").Value(), "9140A01010８");
    EXPECT_EQ(sheet.Range("C2").Value(), "9140A01010８08U001001");
}

TEST_F(OutputListTest, OneProjectSumsItsOwnRow) {
    SeedApplications();
    list.LoadProjects(rs, kAll);
    Tick({1});
    list.Click(CDlgOutputList::IDC_EXPORT_EXCEL);
    Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(sheet.Range("A1").Value(), "序号");
    EXPECT_EQ(sheet.Range("C2").Value(), "9140A0101012008A001002");
    EXPECT_EQ(sheet.Range("A3").Value(), "合计");
    EXPECT_EQ(sheet.Range("I3").Value(), "=SUM(I2:I2)");
}

// The table as printed (the follow-up summary lists print the same table
// under "资助经费(万元)"): every heading whole on its line, the running
// number apart from the guide code, the total in the amounts' two-decimal
// format.
TEST_F(OutputListTest, PrintedTableHeadingsWholeNumbersApartAndTheTotalInTheAmountsFormat) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    AddApplication({"9140A0101012501010001", "高速飞行器气动外形优化设计研究", "共性技术基金——一般项目", "2025",
                    "李四", "35.5"});
    AddApplication({"9140A0101012501010002", "项目乙", "共性技术基金——一般项目", "2025", "张三", "50"});
    list.LoadProjects(rs, "select xmlb,nf,xmbh,sqzndm,dwdm,gzdw,sqrxm,sqje from corvane_itemappinfo order by xmbh");
    for (int row = 0; row < List().GetItemCount(); ++row) List().SetCheck(row);
    list.Click(CDlgOutputList::IDC_EXPORT_EXCEL);
    ASSERT_EQ(opened.size(), 1u);

    const std::string file = testsupport::CopyOutput(opened.back(), Folder(), "申请表");
    const auto pages = testsupport::PrintedPages({file}, Folder());
    ASSERT_FALSE(pages[0].empty());
    const std::string pdf = testsupport::PrintedPdf(file, Folder());
    // Each heading on one line of its cell, not cut by the next one nor
    // printed under it.
    const std::vector<std::string> headings = {"序号", "指南代码", "项目编号", "项目名称", "项目类别",
                                               "起止年月", "申请人", "职称", "申请经费(万元)", "备注"};
    for (const std::string& heading : headings)
        EXPECT_EQ(testsupport::PrintedLines(pdf, heading), std::vector<std::string>{heading});
    std::vector<std::string> texts = headings;
    for (const char* value : {"9140A0101012501010001", "9140A0101012501010002", "35.50", "50.00", "合计"})
        texts.push_back(value);
    EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(pdf, texts));
    // The total as the amounts above it, not "85.5".
    EXPECT_EQ(testsupport::PrintedLines(pdf, "85.50"), std::vector<std::string>{"85.50"}) << pages[0][0];

    // The running number stands apart from the guide code beside it: at
    // least a character's width between them.
    const std::vector<testsupport::PrintedWord> words = testsupport::PrintedWords(pdf);
    for (const char* number : {"1", "2"}) {
        bool found = false;
        for (const testsupport::PrintedWord& n : words)
            for (const testsupport::PrintedWord& code : words)
                if (n.text == number && code.text == "9140A010101" && n.page == code.page &&
                    std::abs(code.yMin - n.yMin) < 3 && code.xMin > n.xMax) {
                    found = true;
                    EXPECT_GE(code.xMin - n.xMax, n.yMax - n.yMin) << "the number " << number << " touches the guide code";
                }
        EXPECT_TRUE(found) << "no running number " << number << " apart from its guide code:\n" << pages[0][0];
    }
}

}  // namespace
