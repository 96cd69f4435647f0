// The project list on the application form: its columns and rows, 全选 and
// 反选, and the Excel table of the ticked applications.
#include "AppOutputTestSupport.h"

#include "application/DlgOutputList.h"
#include "platform/office/Excel.h"
#include "platform/ui/App.h"
#include "platform/ui/ListCtrl.h"

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
    for (int c = 0; c < 9; ++c) EXPECT_EQ(List().GetColumnWidth(c), columns[c].second) << columns[c].first;
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

}  // namespace
