// The achievement-transfer view: set-up with and without a database, and
// saving the information page as one record (main row and child rows) in
// one transaction.
#include "ResultChangeTestSupport.h"

#include "numbering/LoadedProject.h"
#include "platform/richtext/PlainText.h"
#include "platform/ui/Edit.h"

using namespace resultchange;
using resultchangetest::Rows;

class ResultChangeView : public ResultChangeTest {
protected:
    // Fills the page of a new record and saves it as the form page does.
    void SaveNew(const std::string& number, const std::string& name) {
        Type(0, number);
        Type(1, name);
        view->CollectInfo();
        ASSERT_TRUE(view->SavetoDB(0));
    }
};

TEST_F(ResultChangeView, StartsWithBothPagesAndTheRegulationTypesInTableOrder) {
    testdb::Exec(db, "delete from CORVANE_NEW_RESULTCHANGE_GZZD");
    testdb::Seed(db, {"CORVANE_NEW_RESULTCHANGE_GZZD", {"CODE", "NAME"}, {{"1", "类型甲"}, {"2", "类型乙"}}});
    CDlgSCGZH& v = OpenView();
    EXPECT_TRUE(v.m_dlgList.IsWindow());
    EXPECT_TRUE(v.m_dlgForm.IsWindow());
    EXPECT_TRUE(Info().IsWindow());
    EXPECT_EQ(Info().m_arrGzzd, (std::vector<std::string>{"类型甲", "类型乙"}));
    EXPECT_EQ(v.m_strAppPath, Folder());
}

TEST_F(ResultChangeView, WithoutADatabaseShowsTheMessageAndNoPage) {
    db.Close();
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    driver.AnswerMessageBox(IDOK);
    CDlgSCGZH& v = OpenView();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "数据库连接失败");
    EXPECT_FALSE(v.m_dlgList.IsWindow());
    EXPECT_FALSE(v.m_dlgForm.IsWindow());
}

TEST_F(ResultChangeView, ANewRecordStoresEveryColumnEmptyTextsAsNullAndUntickedBoxesAsNo) {
    OpenView();
    Type(2, "120");
    Type(41, "2009-05");
    Tick(1);
    Tick(13);
    Tick(29);
    Info().RichEdit(0).SetWindowText("研究前指标");
    SaveNew("A-001", "项目甲");

    const Rows rows = testdb::Query(db, "select XMBH, XMMC, XMJF, YXZZHYSJ, CHECK1, CHECK2, CHECK13, CHECK29 from "
                            "CORVANE_NEW_RESULTCHANGE");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"A-001", "项目甲", "120", "2009-05", "是", "否", "是", "是"}));
    EXPECT_TRUE(IsNull("XMZZXM", "A-001"));
    EXPECT_TRUE(IsNull("QTMC", "A-001"));
    EXPECT_EQ(Value("select count(*) from CORVANE_NEW_RESULTCHANGE where CHECK3='否' and CHECK28='否'"), "1");

    CAdoRecordSet rs;
    rs.SetConnection(&db);
    ASSERT_TRUE(rs.Open("select * from CORVANE_NEW_RESULTCHANGE"));
    const long size = rs.GetFieldActualSize("XMYJQJSZB");
    ASSERT_GT(size, 0);
    std::string bytes(std::size_t(size), '\0');
    ASSERT_TRUE(rs.GetChunk("XMYJQJSZB", bytes.data()));
    EXPECT_EQ(richtext::PlainTextOfRtf(bytes), "研究前指标");
    // The collected entry of an RTF column is its scratch file.
    EXPECT_EQ(view->m_strValues[15], RichScratchPath(Folder(), 0));
}

TEST_F(ResultChangeView, GridRowsAreStoredWithTheNumberAndWithoutTheRunningNumber) {
    OpenView();
    AddGridRow(kJcyj, {"7", "张三", "一所", "材料"});
    AddGridRow(kJcyj, {"8", "张三", "一所", "材料"});
    AddGridRow(kYyssgg, {"2", "李四", "预研甲", "Y-1", "总体"});
    AddGridRow(kGzzdlist, {"1", "预研基金立项论证、过程管理的规章制度", "办法一", "2008"});
    SaveNew("A-001", "项目甲");

    EXPECT_EQ(ChildRows(kJcyj, "A-001"), (Rows{{"张三", "一所", "材料"}, {"张三", "一所", "材料"}}));
    EXPECT_EQ(ChildRows(kYyssgg, "A-001"), (Rows{{"2", "李四", "预研甲", "Y-1", "总体"}}));
    EXPECT_EQ(ChildRows(kGzzdlist, "A-001"), (Rows{{"预研基金立项论证、过程管理的规章制度", "办法一", "2008"}}));
    EXPECT_TRUE(ChildRows(kGgll, "A-001").empty());
}

TEST_F(ResultChangeView, OverwritingKeepsOneRowAndReplacesTheChildRowsWhole) {
    StoreRecord("A-001", {{"XMMC", "旧名"}, {"XMJF", "50"}});
    StoreChildRows(kJcyj, "A-001", {{"旧甲", "", ""}, {"旧乙", "", ""}});
    StoreChildRows(kGgll, "A-001", {{"旧丙", "", ""}});
    OpenView();
    Type(0, "A-001");
    Type(1, "新名");
    AddGridRow(kJcyj, {"1", "新甲", "二所", "力学"});
    view->CollectInfo();
    ASSERT_TRUE(view->SavetoDB(1));

    EXPECT_EQ(testdb::Query(db, "select XMMC from CORVANE_NEW_RESULTCHANGE"), (Rows{{"新名"}}));
    EXPECT_TRUE(IsNull("XMJF", "A-001"));
    EXPECT_EQ(ChildRows(kJcyj, "A-001"), (Rows{{"新甲", "二所", "力学"}}));
    EXPECT_TRUE(ChildRows(kGgll, "A-001").empty());
}

// A failed save changes nothing: neither the main row nor the child rows.
// The record of a project loaded from the list: when another program
// renumbered the projects meanwhile, so that the number now belongs to
// another application, the save writes nothing and says so.
TEST_F(ResultChangeView, ARecordWhoseProjectWasRenumberedElsewhereIsNotSaved) {
    const std::string number = "9140A010101081001001";
    testdb::Seed(db, {"CORVANE_ITEMAPPINFO", {"XMBH", "XMMC"}, {{number, "甲"}}});
    StoreRecord(number, {{"XMMC", "甲"}});
    OpenView();
    view->m_dlgList.LoadRecord(number, "甲");
    // The other program: 甲 takes another number, 乙 gets 甲's.
    testdb::Exec(db, "update CORVANE_ITEMAPPINFO set XMBH = '9140A010101081001002'");
    testdb::Seed(db, {"CORVANE_ITEMAPPINFO", {"XMBH", "XMMC"}, {{number, "乙"}}});
    Type(1, "新名");
    view->CollectInfo();
    driver.ExpectMessageBox("系统提示", projectnumber::kChangedElsewhereMessage);
    EXPECT_FALSE(view->SavetoDB(1));
    EXPECT_EQ(Value("select XMMC from CORVANE_NEW_RESULTCHANGE"), "甲");
}

TEST_F(ResultChangeView, AFailedSaveReportsAndLeavesTheDatabaseAsItWas) {
    struct Case {
        const char* what;
        int update;
        bool removeTemp;
        bool deleteRowFirst;
    };
    const Case cases[] = {
        {"no temp folder for the rich texts", 1, true, false},
        {"the row to overwrite has gone", 1, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testdb::Exec(db, "delete from CORVANE_NEW_RESULTCHANGE");
        testdb::Exec(db, "delete from CORVANE_NEW_RESULTCHANGE_JCYJ");
        StoreRecord("A-001", {{"XMMC", "旧名"}});
        StoreChildRows(kJcyj, "A-001", {{"旧甲", "", ""}});
        OpenView();
        Type(0, "A-001");
        Type(1, "新名");
        if (c.removeTemp) sys::RemoveAll(PathOf("temp"));
        if (c.deleteRowFirst) testdb::Exec(db, "delete from CORVANE_NEW_RESULTCHANGE");
        view->CollectInfo();
        driver.ExpectMessageBox("提示", "数据保存失败！");
        EXPECT_FALSE(view->SavetoDB(c.update));
        EXPECT_EQ(testdb::Count(db, "CORVANE_NEW_RESULTCHANGE"), c.deleteRowFirst ? 0 : 1);
        if (!c.deleteRowFirst) {
            EXPECT_EQ(Value("select XMMC from CORVANE_NEW_RESULTCHANGE"), "旧名");
        }
        EXPECT_EQ(ChildRows(kJcyj, "A-001"), (Rows{{"旧甲", "", ""}}));
        sys::MakeDirs(PathOf("temp"));
    }
}

TEST_F(ResultChangeView, BoxesHoldTheirColumnsAndAnOverLongValueIsNamed) {
    OpenView();
    EXPECT_EQ(view->Info().Item<ui::Edit>(CDlgSCGZHInfo::ControlOf(1))->GetLimitChars(), 255);
    Type(0, "A-001");
    Type(1, std::string(256, 'x'));  // set by the program, past the limit
    view->CollectInfo();
    driver.ExpectMessageBox("提示", "“项目名称”不能超过255个字符。\r\n数据保存失败！");
    EXPECT_FALSE(view->SavetoDB(0));
    EXPECT_EQ(testdb::Count(db, "CORVANE_NEW_RESULTCHANGE"), 0);
}

TEST_F(ResultChangeView, AChildRowThatCannotBeStoredUndoesTheWholeSave) {
    StoreRecord("A-001", {{"XMMC", "旧名"}});
    StoreChildRows(kGgll, "A-001", {{"旧丙", "", ""}});
    OpenView();
    Type(0, "A-001");
    Type(1, "新名");
    // A name longer than the column allows is refused by the database.
    AddGridRow(kGzzdlist, {"1", "类型", "办法", std::string(60, '9')});
    view->CollectInfo();
    driver.ExpectMessageBox("提示", "数据保存失败！");
    EXPECT_FALSE(view->SavetoDB(1));
    EXPECT_EQ(Value("select XMMC from CORVANE_NEW_RESULTCHANGE"), "旧名");
    EXPECT_EQ(ChildRows(kGgll, "A-001"), (Rows{{"旧丙", "", ""}}));
    EXPECT_TRUE(ChildRows(kGzzdlist, "A-001").empty());
}
