// The Excel outputs of the project list: the information table and the
// list table of the ticked projects, their derived values and formats,
// and the refusals.
#include "ResultChangeTestSupport.h"

#include "achievement/ResultExcelOutput.h"
#include "platform/office/Excel.h"

using namespace resultchange;
using namespace office::excel;

class ResultExcel : public ResultChangeTest {
protected:
    // The workbook handed to the desktop, read back.
    Worksheet Opened() {
        EXPECT_EQ(opened.size(), 1u);
        if (opened.empty()) return {};
        reader = Application::Create();
        return reader->Workbooks().Add(opened.back()).Sheets().Item("sheet1");
    }
    std::string Cell(const Worksheet& sheet, const std::string& name) { return sheet.Range(name).Value(); }
    void TickAll() { view->m_dlgList.OnBtnSelectAll(); }
    std::unique_ptr<Application> reader;
};

TEST_F(ResultExcel, NothingTickedIsRefusedAndExcelNotStarted) {
    StoreRecord("A-1");
    OpenView();
    driver.ExpectMessageBox("提示", "请选择输出项目！");
    view->m_dlgList.OutputExcel();
    driver.ExpectMessageBox("提示", "请选择输出项目！");
    view->m_dlgForm.OutputExcel();
    EXPECT_TRUE(opened.empty());
}

TEST_F(ResultExcel, ExcelThatCannotStartIsReported) {
    StoreRecord("A-1");
    OpenView();
    TickAll();
    Refuse("Excel.Application");
    driver.AnswerMessageBox(IDOK);
    view->m_dlgList.OutputExcel();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "Excel启动失败!");
    EXPECT_TRUE(opened.empty());
}

TEST_F(ResultExcel, TheListTableHasTheTickedProjectsInListOrder) {
    StoreRecord("A-1", {{"XMMC", "甲"}, {"CHECK13", "是"}, {"XMJF", "30"}, {"XMZZXM", "张三"}, {"ZZSJ", "13900000000"},
                        {"CYDW", "一所"}, {"LHCYDW", "二所"}});
    StoreRecord("A-2", {{"XMMC", "乙"}});
    StoreRecord("A-3", {{"XMMC", "丙"}, {"CHECK13", "否"}});
    OpenView();
    List().SetCheck(RowOf("A-1"), TRUE);
    List().SetCheck(RowOf("A-3"), TRUE);
    view->m_dlgList.OutputExcel();
    const Worksheet sheet = Opened();
    ASSERT_TRUE(sheet.IsValid());
    std::vector<std::string> header, first;
    for (int c = 1; c <= 10; ++c) {
        header.push_back(sheet.Cells().Item(1, c).Value());
        first.push_back(sheet.Cells().Item(2, c).Value());
    }
    EXPECT_EQ(header, (std::vector<std::string>{"序号", "项目编号", "项目名称", "项目类别", "项目经费(万元)",
                                                "项目负责人", "联系电话", "承研单位", "联合承研单位", "备注"}));
    EXPECT_EQ(first, (std::vector<std::string>{"1", "A-1", "甲", "重点项目", "30", "张三", "13900000000", "一所",
                                               "二所", ""}));
    EXPECT_EQ(Cell(sheet, "B3"), "A-3");
    EXPECT_EQ(Cell(sheet, "D3"), "一般项目");
    EXPECT_EQ(Cell(sheet, "A4"), "");
    EXPECT_TRUE(sheet.Range("A1").Font().Bold());
    EXPECT_EQ(sheet.Range("A1").Font().Size(), 11);
    EXPECT_EQ(sheet.Range("A1").RowHeight(), 33);
    EXPECT_EQ(sheet.Range("A2").RowHeight(), 36);
    EXPECT_EQ(sheet.Range("J3").BorderStyle("bottom"), "thin");
    EXPECT_EQ(Cell(sheet, "K1"), "");
    // The funds with two decimals; the project number and the units in
    // columns wide enough for them.
    EXPECT_EQ(sheet.Range("E2").NumberFormat(), "0.00");
    for (const char* cell : {"B2", "G2"}) EXPECT_EQ(sheet.Range(cell).NumberFormat(), "@") << cell;
    for (const char* cell : {"A2", "D2", "F2"}) EXPECT_EQ(sheet.Range(cell).HorizontalAlignment(), xlCenter) << cell;
    EXPECT_GE(sheet.Range("B2").ColumnWidth(), 22);
    EXPECT_GE(sheet.Range("H2").ColumnWidth(), 24);
}

TEST_F(ResultExcel, TheInformationTableCoversTheTickedRowsWhateverTheFormShows) {
    StoreRecord("A-1", {{"XMMC", "甲"}});
    StoreRecord("A-2", {{"XMMC", "乙"}});
    StoreRecord("A-3", {{"XMMC", "丙"}});
    OpenView();
    view->m_dlgList.LoadRecord("A-2", "");
    Info().RichEdit(0).SetWindowText("正在编辑");
    TickAll();
    List().SetCheck(RowOf("A-2"), FALSE);
    view->m_dlgForm.OutputExcel();
    const Worksheet sheet = Opened();
    EXPECT_EQ(Cell(sheet, "AQ1"), "基金项目组申报后续项目得到优先资助的评审会议次数");
    EXPECT_EQ(Cell(sheet, "B2"), "甲");
    EXPECT_EQ(Cell(sheet, "B3"), "丙");
    EXPECT_EQ(Cell(sheet, "A3"), "2");
    EXPECT_EQ(Cell(sheet, "A4"), "");
    EXPECT_EQ(sheet.Range("A2").RowHeight(), 100);
    // The page keeps the record being edited.
    EXPECT_EQ(Info().RichEdit(0).GetWindowText(), "正在编辑");
}

// One record per case; the cells of the information table it gives.
TEST_F(ResultExcel, InformationTableDerivedValues) {
    struct Case {
        const char* what;
        resultchangetest::Values values;
        std::vector<std::pair<const char*, const char*>> cells;
    };
    const std::vector<Case> cases = {
        {"nothing ticked",
         {{"CHECK13", "否"}},
         {{"F2", "一般项目"}, {"H2", "未转入"}, {"L2", "应用开发计划"}, {"M2", "支撑了转入项目实验验证"},
          {"N2", "未转入"}, {"R2", "支撑了转入项目实验验证"}, {"S2", "未转入"},
          {"V2", "未列入本单位获得批准的主要研究方向"}, {"W2", ""}, {"AL2", "无"}, {"AM2", "无"}}},
        {"ticked boxes",
         {{"CHECK13", "是"}, {"CHECK1", "是"}, {"CHECK4", "是"}, {"CHECK5", "是"}, {"CHECK8", "是"},
          {"CHECK9", "是"}, {"CHECK15", "是"}, {"CHECK17", "是"}, {"CHECK11", "是"}, {"CHECK26", "是"},
          {"CHECK28", "是"}},
         {{"F2", "重点项目"}, {"H2", "已转入"}, {"L2", "国防973计划"}, {"M2", "支撑了分系统或部（组）件设计与制造"},
          {"N2", "已转入"}, {"R2", "支撑了转入项目立项论证与申报"}, {"S2", "已转入"}, {"AL2", "有"},
          {"AM2", "有"}}},
        {"a blank is not a tick", {{"CHECK13", " "}, {"CHECK3", "是 "}}, {{"F2", "一般项目"}, {"L2", "应用开发计划"}}},
        {"listed on the unit's platform of a key laboratory",
         {{"CHECK21", "是"}, {"CHECK23", "是"}, {"CHECK24", "是"}, {"QTMC", "自定"}},
         {{"V2", "被列入本单位获得批准的一个研究方向"}, {"W2", "国防科技重点实验室批复的研究方向"}}},
        {"a research institute's direction", {{"CHECK24", "是"}}, {{"W2", "科研院所主要研究方向"}}},
        {"another platform name", {{"CHECK25", "是"}, {"QTMC", "自定平台"}}, {{"W2", "自定平台"}}},
        {"plain columns",
         {{"XMMC", "名"}, {"XMZZXM", "组长"}, {"XMJF", "12.5"}, {"CYDW", "单位"}, {"YYZHNF", "2"}, {"YYMC", "预研"},
          {"YYBH", "Y1"}, {"XHZHNF", "3"}, {"XHMC", "型号"}, {"XHBH", "X1"}, {"MKZHNF", "4"}, {"XYJFX", "方向"},
          {"XMFZRNL", "45"}, {"XMFZRZC", "研究员"}, {"ZGLDXM", "领导"}, {"GLRYXM", "管理员"}, {"YTPSHYCS", "5"},
          {"JDJCHYCS", "6"}, {"JTJCHYCS", "7"}, {"HXFZFXHYCS", "8"}, {"YXZZPSHYCS", "9"}},
         {{"B2", "名"}, {"C2", "R-1"}, {"D2", "组长"}, {"E2", "12.5"}, {"G2", "单位"}, {"I2", "2"}, {"J2", "预研"},
          {"K2", "Y1"}, {"O2", "3"}, {"P2", "型号"}, {"Q2", "X1"}, {"T2", "4"}, {"X2", "方向"}, {"Z2", "45"},
          {"AA2", "研究员"}, {"AF2", "领导"}, {"AG2", "管理员"}, {"AK2", "5"}, {"AN2", "6"}, {"AO2", "7"},
          {"AP2", "8"}, {"AQ2", "9"}}},
    };
    OpenView();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testdb::Exec(db, "delete from CORVANE_NEW_RESULTCHANGE");
        StoreRecord("R-1", c.values);
        view->m_dlgList.FillList();
        TickAll();
        opened.clear();
        view->m_dlgForm.OutputExcel();
        const Worksheet sheet = Opened();
        for (const auto& [cell, value] : c.cells) EXPECT_EQ(Cell(sheet, cell), value) << cell;
    }
}

TEST_F(ResultExcel, InformationTableCountsStaffWithNamesAndRegulationsByExactType) {
    StoreRecord("R-1");
    StoreRecord("R-2");
    StoreChildRows(kYyssgg, "R-1", {{"1", "甲", "", "", ""}, {"2", "", "", "", ""}, {"3", "乙", "", "", ""}});
    StoreChildRows(kXhssgg, "R-1", {{"1", "丙", "", "", ""}});
    StoreChildRows(kJcyj, "R-1", {{"", "x", "y"}});
    StoreChildRows(kGgll, "R-1", {{"丁", "", ""}, {"戊", "", ""}});
    StoreChildRows(kGgll, "R-2", {{"别人", "", ""}});
    const auto& types = RegulationTypes();
    StoreChildRows(kGzzdlist, "R-1",
                   {{types[0], "a", ""}, {types[0], "b", ""}, {types[2], "c", ""}, {types[1] + "。", "d", ""}});
    OpenView();
    List().SetCheck(RowOf("R-1"), TRUE);
    List().SetCheck(RowOf("R-2"), TRUE);
    view->m_dlgForm.OutputExcel();
    const Worksheet sheet = Opened();
    std::vector<std::string> counts, none;
    for (const char* column : {"AB", "AC", "AD", "AE", "AH", "AI", "AJ"}) {
        counts.push_back(Cell(sheet, std::string(column) + std::to_string(RowOf("R-1") + 2)));
        none.push_back(Cell(sheet, std::string(column) + std::to_string(RowOf("R-2") + 2)));
    }
    EXPECT_EQ(counts, (std::vector<std::string>{"2", "1", "0", "2", "2", "0", "1"}));
    EXPECT_EQ(none, (std::vector<std::string>{"0", "0", "0", "1", "0", "0", "0"}));
}

TEST_F(ResultExcel, InformationTableRichTextCells) {
    StoreRecord("R-1", {}, {{"XMYSJSZB", "验收指标"}, {"JSYYQJ", "前景"}});
    StoreRecord("R-2");
    OpenView();
    TickAll();
    view->m_dlgForm.OutputExcel();
    const Worksheet sheet = Opened();
    const int r1 = RowOf("R-1") + 2, r2 = RowOf("R-2") + 2;
    EXPECT_EQ(Cell(sheet, "U" + std::to_string(r1)), "研究前:\n验收时：验收指标");
    EXPECT_EQ(Cell(sheet, "Y" + std::to_string(r1)), "前景");
    EXPECT_EQ(Cell(sheet, "U" + std::to_string(r2)), "研究前:\n验收时：");
    EXPECT_EQ(Cell(sheet, "Y" + std::to_string(r2)), "");
}
