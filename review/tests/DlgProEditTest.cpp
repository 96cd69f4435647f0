// The project-information editor: loading a project, the save with its
// refusals, and the renumbering that a new guide code, year or unit brings.
#include "FirstReviewTestSupport.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Lists.h"
#include "review/DlgProEdit.h"
#include "review/ProjectInfoStore.h"
#include "testsupport/HeldDatabase.h"

using namespace firsttest;

namespace {

// Project numbers of two groups of guide code 9140A010101, year 2008.
const std::string kGroupA = "9140A01010108" "0001";
const std::string kGroupB = "9140A01010108" "0002";

class ProEditTest : public FirstReviewTest {
protected:
    void SetUp() override {
        FirstReviewTest::SetUp();
        ASSERT_TRUE(workflow::ConnectProjectDatabase(connection));
        editor = std::make_unique<CDlgProEdit>();
        editor->m_pConnection = &connection;
        editor->Create(&Host());
        editor->InitCodeLists();
    }
    void TearDown() override {
        editor.reset();
        FirstReviewTest::TearDown();
    }
    // A project with one member, a review row and a plan row, all carrying its name.
    static void AddProject(const std::string& xmbh, const std::string& name) {
        AddApplication(xmbh, kCommonGeneral, "2008", name);
        Seed({"CORVANE_PROJECT_SQCY", {"ITE_XMBH", "XM"}, {{xmbh, name + "成员"}}});
        Seed({"CORVANE_ITEMPF", {"XMBH", "ZJ1"}, {{xmbh, name + "专家"}}});
        Seed({"CORVANE_ITEMPLAN", {"XMBH", "JDYQ"}, {{xmbh, name + "计划"}}});
    }
    // Every project with its rows: number, name, member, expert, plan.
    static Rows Projects() {
        return Query(
            "select a.XMBH, a.XMMC, m.XM, p.ZJ1, l.JDYQ from ((CORVANE_ITEMAPPINFO a left join CORVANE_PROJECT_SQCY m "
            "on m.ITE_XMBH = a.XMBH) left join CORVANE_ITEMPF p on p.XMBH = a.XMBH) left join CORVANE_ITEMPLAN l "
            "on l.XMBH = a.XMBH order by a.XMBH");
    }
    static std::vector<std::string> Project(const std::string& xmbh, const std::string& name) {
        return {xmbh, name, name + "成员", name + "专家", name + "计划"};
    }
    // Saves with the confirmation answered OK and expects the success message.
    void SaveConfirmed() {
        driver.ExpectMessageBox("提示", "确定更新项目信息吗？", IDOK);
        driver.ExpectMessageBox("提示", "保存成功！");
        editor->SaveProject();
        EXPECT_TRUE(driver.Finished());
    }

    CAdoConnection connection;
    std::unique_ptr<CDlgProEdit> editor;
};

}  // namespace

TEST_F(ProEditTest, LoadShowsTheRecordItsDatesListsAndMembers) {
    const std::string xmbh = kGroupA + "001";
    AddApplication(xmbh, kLabKey, "2008", "甲课题");
    Exec(
        "update CORVANE_ITEMAPPINFO set SQRQ = '2008/03/05', XMQSRQ = '2008/04', XMZZRQ = '2010/12', SQRXB = '女', "
        "XW = '硕士', ZC = '无此职称', YZBM = '100081', GJZC = '3' where XMBH = " +
        db::QuoteLiteral(xmbh));
    Seed({"CORVANE_PROJECT_SQCY",
          {"ITE_XMBH", "XM", "XB", "NL", "ZC", "GZDW", "CJYS", "GZFG"},
          {{xmbh, "张三", "男", "40", "研究员", "一所", "12", "总体"}}});
    editor->LoadProject(xmbh);
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XMBH), xmbh);
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XMMC), "甲课题");
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XMLB), kLabKey);
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_SQZNDM), "9140A010101");
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_DWDM), "0001");
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_YZBM), "100081");
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_GJZC), "3");
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_SQRQ), "2008/03/05");
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XMQSRQ), "2008/04");
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XMZZRQ), "2010/12");
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_SQRXB), "女");
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XW), "硕士");
    EXPECT_EQ(editor->Item<ui::ComboBox>(CDlgProEdit::IDC_ZC)->GetCurSel(), -1) << "a title not in the list";
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_FIRSTAPPR), "+");
    ui::ListCtrl& members = editor->Members();
    ASSERT_EQ(members.GetColumnCount(), 7);
    ASSERT_EQ(members.GetItemCount(), 1);
    for (int column = 0; column < 7; ++column)
        EXPECT_EQ(members.GetItemText(0, column),
                  (std::vector<std::string>{"张三", "男", "40", "研究员", "一所", "12", "总体"})[column]);
    // The code lists hold the names of their tables, in order.
    auto* sex = editor->Item<ui::ComboBox>(CDlgProEdit::IDC_SQRXB);
    EXPECT_EQ(sex->GetCount(), 2);
    EXPECT_EQ(sex->GetLBText(0), "男");

    for (const std::string& other : {std::string("一般基金"), std::string("9140A01"), std::string("x' or '1'='1")}) {
        editor->LoadProject(other);
        EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XMBH), xmbh) << other;
        EXPECT_EQ(members.GetItemCount(), 1) << other;
    }
}

TEST_F(ProEditTest, RefusalsWriteNothing) {
    const std::string xmbh = kGroupA + "001";
    AddProject(xmbh, "甲");
    driver.ExpectMessageBox("提示", "请先选择一个项目！");
    editor->SaveProject();

    editor->LoadProject(xmbh);
    editor->SetDlgItemText(CDlgProEdit::IDC_XMMC, "改名");
    driver.ExpectMessageBox("提示", "确定更新项目信息吗？", IDCANCEL);
    editor->SaveProject();
    for (int required : {CDlgProEdit::IDC_SQZNDM, CDlgProEdit::IDC_NF, CDlgProEdit::IDC_DWDM}) {
        editor->LoadProject(xmbh);
        editor->SetDlgItemText(CDlgProEdit::IDC_XMMC, "改名");
        editor->SetDlgItemText(required, "");
        driver.ExpectMessageBox("提示", "确定更新项目信息吗？", IDOK);
        driver.ExpectMessageBox("系统提示", "指南代码、年份及单位代码是必填项！", IDCANCEL);
        editor->SaveProject();
    }
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Projects(), (Rows{Project(xmbh, "甲")}));
}

TEST_F(ProEditTest, SaveInTheSameGroupKeepsTheNumberAndWritesTheForm) {
    AddProject(kGroupA + "001", "甲");
    AddProject(kGroupA + "002", "乙");
    editor->LoadProject(kGroupA + "002");
    editor->SetDlgItemText(CDlgProEdit::IDC_XMMC, "乙'改");
    editor->SetDlgItemText(CDlgProEdit::IDC_SQJE, "30");
    editor->Item<ui::ComboBox>(CDlgProEdit::IDC_FIRSTAPPR)->SetCurSel(1);
    editor->Item<ui::ComboBox>(CDlgProEdit::IDC_XW)->SetCurSel(0);
    editor->Item<ui::DateTimeCtrl>(CDlgProEdit::IDC_SQRQ)->SetTime({2008, 7, 9});
    SaveConfirmed();
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XMBH), kGroupA + "002");
    EXPECT_EQ(Projects(), (Rows{Project(kGroupA + "001", "甲"),
                                {kGroupA + "002", "乙'改", "乙成员", "乙专家", "乙计划"}}));
    EXPECT_EQ(Query("select SQJE, FIRSTAPPR, XW, SQRQ, XMLB from CORVANE_ITEMAPPINFO where XMBH = " +
                    db::QuoteLiteral(kGroupA + "002")),
              (Rows{{"30", "-", "博士", "2008/07/09", kCommonGeneral}}));

    // No verdict chosen: the verdict is stored empty.
    editor->Item<ui::ComboBox>(CDlgProEdit::IDC_FIRSTAPPR)->SetCurSel(-1);
    SaveConfirmed();
    EXPECT_EQ(Query("select FIRSTAPPR from CORVANE_ITEMAPPINFO where XMBH = " + db::QuoteLiteral(kGroupA + "002")),
              (Rows{{""}}));
}

// A stored date the picker cannot read, or a list text that is none of the
// list's items, is written back as it was, never the previous project's date.
TEST_F(ProEditTest, SaveKeepsUnreadableDatesAndListTextsOutsideTheLists) {
    AddProject(kGroupA + "001", "甲");
    Exec("update CORVANE_ITEMAPPINFO set SQRQ = '2007/01/02', XMQSRQ = '2007/02', XMZZRQ = '2009/03'");
    AddProject(kGroupA + "002", "乙");
    const struct {
        const char* what;
        const char* date;
    } cases[] = {{"empty", ""}, {"no date", "未定"}, {"impossible month and day", "2008/13/45"}, {"one-digit day", "2008/3/5"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Exec(std::string("update CORVANE_ITEMAPPINFO set SQRQ = ") + db::QuoteLiteral(c.date) +
             ", XMQSRQ = " + db::QuoteLiteral(c.date) +
             ", XMZZRQ = '2010/12', ZC = '无此职称', XW = '博士后', SQRXB = '未知', XMLB = '旧类别' where XMBH = " +
             db::QuoteLiteral(kGroupA + "002"));
        editor->LoadProject(kGroupA + "001");
        editor->LoadProject(kGroupA + "002");
        SaveConfirmed();
        EXPECT_EQ(Query("select SQRQ, XMQSRQ, XMZZRQ, ZC, XW, SQRXB, XMLB from CORVANE_ITEMAPPINFO where XMBH = " +
                        db::QuoteLiteral(kGroupA + "002")),
                  (Rows{{c.date, c.date, "2010/12", "无此职称", "博士后", "未知", "旧类别"}}));
    }
    // A date or an item the user picks replaces the stored text.
    editor->Item<ui::DateTimeCtrl>(CDlgProEdit::IDC_SQRQ)->SetTime({2008, 7, 9});
    editor->Item<ui::ComboBox>(CDlgProEdit::IDC_ZC)->SetCurSel(0);
    SaveConfirmed();
    EXPECT_EQ(
        Query("select SQRQ, XMQSRQ, ZC from CORVANE_ITEMAPPINFO where XMBH = " + db::QuoteLiteral(kGroupA + "002")),
        (Rows{{"2008/07/09", "2008/3/5", editor->Item<ui::ComboBox>(CDlgProEdit::IDC_ZC)->GetLBText(0)}}));
}

TEST_F(ProEditTest, NewUnitMovesTheProjectAndClosesTheGapItLeft) {
    AddProject(kGroupA + "001", "甲");
    AddProject(kGroupA + "002", "乙");
    AddProject(kGroupA + "003", "丙");
    AddProject(kGroupA + "004", "丁");
    AddProject(kGroupB + "001", "戊");
    AddProject(kGroupB + "002", "己");
    editor->LoadProject(kGroupA + "002");
    editor->SetDlgItemText(CDlgProEdit::IDC_DWDM, "0002");
    SaveConfirmed();
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XMBH), kGroupB + "003");
    EXPECT_EQ(Projects(), (Rows{Project(kGroupA + "001", "甲"), Project(kGroupA + "002", "丙"),
                                Project(kGroupA + "003", "丁"), Project(kGroupB + "001", "戊"),
                                Project(kGroupB + "002", "己"), Project(kGroupB + "003", "乙")}));
    EXPECT_EQ(Query("select DWDM from CORVANE_ITEMAPPINFO where XMBH = " + db::QuoteLiteral(kGroupB + "003")),
              (Rows{{"0002"}}));
}

// A unit code that differs only in case is the same unit (the database
// compares codes without case): the project keeps its number, and the editor
// still shows a stored project, so a second save writes again.
TEST_F(ProEditTest, AUnitCodeChangedOnlyInCaseKeepsTheProjectWhereItIs) {
    const std::string group = "9140A01010108U001";
    AddProject(group + "001", "甲");
    AddProject(group + "002", "乙");
    Exec("update CORVANE_ITEMAPPINFO set DWDM = 'U001'");
    editor->LoadProject(group + "001");
    editor->SetDlgItemText(CDlgProEdit::IDC_DWDM, "u001");
    SaveConfirmed();
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XMBH), group + "001");
    EXPECT_EQ(Projects(), (Rows{Project(group + "001", "甲"), Project(group + "002", "乙")}));
    editor->SetDlgItemText(CDlgProEdit::IDC_XMMC, "甲二");
    SaveConfirmed();
    EXPECT_EQ(Query("select XMBH, XMMC, DWDM from CORVANE_ITEMAPPINFO order by XMBH"),
              (Rows{{group + "001", "甲二", "u001"}, {group + "002", "乙", "U001"}}));
}

TEST_F(ProEditTest, AGroupWithAGapGivesAFreeNumberAndIsClosedWhenLeft) {
    // Group A holds 001 and 003 after an earlier removal, group B 001 and 003.
    AddProject(kGroupA + "001", "甲");
    AddProject(kGroupA + "003", "丙");
    AddProject(kGroupB + "001", "戊");
    AddProject(kGroupB + "003", "庚");
    editor->LoadProject(kGroupA + "001");
    editor->SetDlgItemText(CDlgProEdit::IDC_DWDM, "0002");
    SaveConfirmed();
    // One more than the group's count (003) is taken: the next free serial.
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XMBH), kGroupB + "004");
    EXPECT_EQ(Projects(), (Rows{Project(kGroupA + "001", "丙"), Project(kGroupB + "001", "戊"),
                                Project(kGroupB + "003", "庚"), Project(kGroupB + "004", "甲")}));

    // A new year moves the project to the group of that year.
    editor->SetDlgItemText(CDlgProEdit::IDC_NF, "2009");
    SaveConfirmed();
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XMBH), "9140A010101090002001");
    EXPECT_EQ(Projects().back(), Project("9140A010101090002001", "甲"));
    EXPECT_EQ(Projects()[2], Project(kGroupB + "002", "庚"));
}

TEST_F(ProEditTest, ARefusedWriteLeavesEveryTableAsItWas) {
    AddProject(kGroupA + "001", "甲");
    AddProject(kGroupA + "002", "乙");
    AddProject(kGroupB + "001", "戊");
    const Rows before = Projects();
    editor->LoadProject(kGroupA + "001");
    editor->SetDlgItemText(CDlgProEdit::IDC_DWDM, "0002");
    editor->SetDlgItemText(CDlgProEdit::IDC_YZBM, "1000810");  // longer than the column takes
    driver.ExpectMessageBox("提示", "确定更新项目信息吗？", IDOK);
    driver.ExpectMessageBox("提示", "“邮政编码”不能超过6个字符。\r\n保存失败！");  // the field is named
    editor->SaveProject();
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(editor->GetDlgItemText(CDlgProEdit::IDC_XMBH), kGroupA + "001");
    EXPECT_EQ(Projects(), before);
}

// Typing stops at what the column holds, in characters as the database
// counts them: a name of Chinese characters gets its full length.
TEST_F(ProEditTest, TextBoxesTakeWhatTheirColumnsHold) {
    const struct {
        int id;
        int limit;
    } cases[] = {{CDlgProEdit::IDC_YZBM, 6}, {CDlgProEdit::IDC_SQRXM, 14}, {CDlgProEdit::IDC_XMMC, 255},
                 {CDlgProEdit::IDC_DWDM, 4},  {CDlgProEdit::IDC_GJZC, 6}};
    for (const auto& c : cases) {
        auto* box = editor->Item<ui::Edit>(c.id);
        EXPECT_EQ(box->GetLimitChars(), c.limit) << c.id;
        EXPECT_EQ(box->GetLimitText(), 0) << "no limit in GBK bytes besides " << c.id;
    }
    const QString name = QString::fromStdString("欧阳一二三四五六七八九十甲乙丙");
    EXPECT_EQ(editor->Item<ui::Edit>(CDlgProEdit::IDC_SQRXM)->ApplyTypingRules(name).toStdString(),
              "欧阳一二三四五六七八九十甲乙");
}

// Found in the issue: the edit of a project removed meanwhile (by another
// program) was dropped without a word. It is told now.
TEST_F(ProEditTest, SaveOfAProjectRemovedMeanwhileSaysSoAndWritesNothing) {
    AddProject(kGroupA + "001", "甲");
    editor->LoadProject(kGroupA + "001");
    Exec("delete from CORVANE_ITEMAPPINFO");
    editor->SetDlgItemText(CDlgProEdit::IDC_DWDM, "0002");
    driver.ExpectMessageBox("提示", "确定更新项目信息吗？", IDOK);
    driver.ExpectMessageBox("系统提示", projectnumber::kChangedElsewhereMessage);
    editor->SaveProject();
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Query("select XMBH from CORVANE_ITEMPF"), (Rows{{kGroupA + "001"}})) << "the rows stay with the number";
}

TEST(ProjectNumbers, SerialsArePaddedToThreeDigits) {
    EXPECT_EQ(projectinfo::SerialText(1), "001");
    EXPECT_EQ(projectinfo::SerialText(42), "042");
    EXPECT_EQ(projectinfo::SerialText(999), "999");
    EXPECT_EQ(projectinfo::SerialText(1000), "1000");
    EXPECT_EQ(projectinfo::Prefix("9140A010101", "2008", "0001"), "9140A01010108" "0001");
}

// Codes of a length the number is not built from would make a malformed
// number ("9140A0101010812001" from unit code "12"): refused, naming the field.
TEST_F(ProEditTest, CodesOfTheWrongLengthAreRefusedNamingTheField) {
    const std::string xmbh = kGroupA + "001";
    AddProject(xmbh, "甲");
    const struct {
        int id;
        const char *value, *message;
    } cases[] = {
        {CDlgProEdit::IDC_DWDM, "12", "单位代码应为4位！"},
        {CDlgProEdit::IDC_DWDM, "00021", "单位代码应为4位！"},
        {CDlgProEdit::IDC_SQZNDM, "9140A01010", "指南代码应为11位！"},
        {CDlgProEdit::IDC_NF, "08", "年份应为4位数字！"},
        {CDlgProEdit::IDC_DWDM, "０００２", "单位代码只能由英文字母和数字组成！"},  // full-width digits
    };
    for (const auto& c : cases) {
        editor->LoadProject(xmbh);
        editor->SetDlgItemText(c.id, c.value);
        driver.ExpectMessageBox("提示", "确定更新项目信息吗？", IDOK);
        driver.ExpectMessageBox("系统提示", c.message, IDCANCEL);
        editor->SaveProject();
        EXPECT_TRUE(driver.Finished()) << c.value;
    }
    EXPECT_EQ(Projects(), (Rows{Project(xmbh, "甲")}));
}

// Another program writing the database: a save waits for a write held a
// moment and then goes on; a write held past the busy timeout fails the save,
// which writes nothing and says the database is in use.
TEST_F(ProEditTest, ASaveWaitsForAnotherProgramsWriteAndSaysWhenTheDatabaseStaysInUse) {
    AddProject(kGroupA + "001", "甲");
    for (const testdb::BusyCase& c : testdb::kBusyCases) {
        SCOPED_TRACE(c.name);
        {
            testdb::BusyTimeout timeout(c.timeoutMs);
            connection.Close();
            ASSERT_TRUE(workflow::ConnectProjectDatabase(connection));
        }
        editor->LoadProject(kGroupA + "001");
        editor->SetDlgItemText(CDlgProEdit::IDC_XMMC, c.released ? "甲改" : "甲再改");
        {
            testdb::HeldDatabase other(c);
            driver.ExpectMessageBox("提示", "确定更新项目信息吗？", IDOK);
            driver.ExpectMessageBox("提示", c.released ? std::string("保存成功！") : testdb::InUse("保存失败！"));
            editor->SaveProject();
        }
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(Projects(), (Rows{{kGroupA + "001", "甲改", "甲成员", "甲专家", "甲计划"}}));
    }
}
