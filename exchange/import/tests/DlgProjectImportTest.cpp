// The project import view: application bundles one transaction each under
// the policy, members replaced, plan and acceptance files row by row, and
// the buttons without a command.
#include "ImportTestSupport.h"

#include "exchange/import/DlgProjectImport.h"

namespace {

using View = CDlgProjectImport;

class ProjectImport : public ImportViewTest<View> {
protected:
    // A stored application with members, written out as a bundle.
    void ApplicationBundle(const std::string& number, const std::string& name, int members, const std::string& file) {
        Exec("delete from corvane_itemappinfo where XMBH='" + number + "'");
        Exec("delete from corvane_project_sqcy where ITE_XMBH='" + number + "'");
        Exec("insert into corvane_itemappinfo (XMBH, XMMC, JJBH, GNYNH) values ('" + number + "', '" + name +
             "', 'J9', X'C4DA')");
        for (int i = 0; i < members; ++i)
            Exec("insert into corvane_project_sqcy (ITE_XMBH, XM) values ('" + number + "', '成员" +
                 std::to_string(i) + "')");
        Bundle(file, std::nullopt,
               {Saved("select * from corvane_itemappinfo where XMBH='" + number + "'"),
                Saved("select * from corvane_project_sqcy where ITE_XMBH='" + number + "'")});
    }
    long Members(const std::string& number) {
        return Count("select * from corvane_project_sqcy where ITE_XMBH='" + number + "'");
    }
    std::string Name(const std::string& number) {
        return Value("select * from corvane_itemappinfo where XMBH='" + number + "'", "XMMC");
    }
};

TEST_F(ProjectImport, ApplicationsComeInWithTheirMembersAndWithoutTheFundNumber) {
    ApplicationBundle("P1", "项目一", 2, "P1.proapp");
    ApplicationBundle("P2", "项目二", 0, "P2.proapp");
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, "broken.proapp"), std::string("\x50\0\0\0abc", 7)));
    Exec("delete from corvane_itemappinfo");
    Exec("insert into corvane_project_sqcy (ITE_XMBH, XM) values ('P2', '旧成员')");
    OpenView();
    ImportFolder(View::IDC_BTN_IMPORT_PLAN, 2);
    EXPECT_EQ(Name("P1"), "项目一");
    EXPECT_EQ(Value("select * from corvane_itemappinfo where XMBH='P1'", "JJBH"), "");
    EXPECT_EQ(Members("P1"), 2);
    EXPECT_EQ(Members("P2"), 0);  // stored members go even when the project was new
    for (const char* scratch : {"项目申请书.xml", "申请人员.xml"}) EXPECT_FALSE(sys::FileExists(PathOf(scratch)));
}

TEST_F(ProjectImport, ApplicationsWhoseWriteFailsAreNamed) {
    ApplicationBundle("P1", "拒收", 1, "P1.proapp");
    ApplicationBundle("P2", "项目二", 1, "P2.proapp");
    Exec("delete from corvane_itemappinfo");
    Exec("delete from corvane_project_sqcy");
    Exec("create trigger refuse before insert on corvane_itemappinfo when NEW.XMMC = '拒收' "
         "begin select raise(abort, 'refused'); end");
    OpenView();
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "共导入了1条数据！\r\n以下文件写入数据库失败，未导入：\r\nP1.proapp");
    view_->Click(View::IDC_BTN_IMPORT_PLAN);
    EXPECT_EQ(Name("P1"), "<none>");
    EXPECT_EQ(Name("P2"), "项目二");
}

TEST_F(ProjectImport, StoredApplicationFollowsThePolicy) {
    ApplicationBundle("P1", "文件里的", 2, "P1.proapp");
    Exec("update corvane_itemappinfo set XMMC = '库里的' where XMBH='P1'");
    Exec("delete from corvane_project_sqcy where XM = '成员1'");
    OpenView();
    struct Case {
        int policy, answer, count;
        const char* name;
        long members;
    } cases[] = {
        {1, 0, 0, "库里的", 1},
        {2, IDNO, 0, "库里的", 1},
        {2, IDYES, 1, "文件里的", 2},
        {0, 0, 1, "文件里的", 2},
    };
    for (const Case& c : cases) {
        SetPolicy(c.policy);
        driver.AnswerFolder(in);
        if (c.answer) driver.ExpectMessageBox("提示", "项目编号P1已存在，是否覆盖原有记录？", c.answer);
        driver.ExpectMessageBox("提示", "共导入了" + std::to_string(c.count) + "条数据！");
        view_->Click(View::IDC_BTN_IMPORT_PLAN);
        EXPECT_EQ(Name("P1"), c.name) << c.policy;
        EXPECT_EQ(Members("P1"), c.members) << c.policy;
        EXPECT_EQ(Count("select * from corvane_itemappinfo where XMBH='P1'"), 1);
    }
}

TEST_F(ProjectImport, PlanFilesAskPerStoredYearAndCountTheFile) {
    Exec("insert into corvane_itemyearplan (XMBH, NF, JDYQ, NDJF, NDWCXS) values "
         "('P1', '2011', '文件', '5', X'C4DA'), ('P1', '2012', '文件', '6', NULL)");
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, "P1.proplan"), Saved("select * from corvane_itemyearplan")));
    Exec("update corvane_itemyearplan set JDYQ = '库里'");
    OpenView();
    SetPolicy(2);
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "项目编号P1已存在，是否覆盖原有记录？", IDYES);
    driver.ExpectMessageBox("提示", "项目编号P1已存在，是否覆盖原有记录？", IDNO);
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    view_->Click(View::IDC_BTN_IMPORT_DRAFT);
    EXPECT_EQ(Value("select * from corvane_itemyearplan where NF='2011'", "JDYQ"), "文件");
    EXPECT_EQ(Value("select * from corvane_itemyearplan where NF='2011'", "NDJF"), "5");
    EXPECT_EQ(Value("select * from corvane_itemyearplan where NF='2012'", "JDYQ"), "库里");
    EXPECT_EQ(Count("select * from corvane_itemyearplan"), 2);
}

TEST_F(ProjectImport, AcceptanceFilesReplaceTheStoredReport) {
    Exec("insert into corvane_itemcheckaccept (XMBH, YJNR, WCSJ, BACKUPNAME) values ('P1', X'C4DA', '2012-01-01', '名')");
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, "P1.proys"), Saved("select * from corvane_itemcheckaccept")));
    Exec("update corvane_itemcheckaccept set WCSJ = '2000-01-01'");
    OpenView();
    ImportFolder(View::IDC_BTN_IMPORT_AUDIT, 1);
    EXPECT_EQ(Count("select * from corvane_itemcheckaccept"), 1);
    EXPECT_EQ(Value("select * from corvane_itemcheckaccept", "WCSJ"), "2012-01-01");
    EXPECT_EQ(Value("select * from corvane_itemcheckaccept", "BACKUPNAME"), "");  // not carried over
}

// Plan and acceptance rows travel by position: a saved recordset of another
// table is refused whole.
TEST_F(ProjectImport, PlanAndAcceptanceFilesOfAnotherTableAreRefused) {
    Exec("insert into corvane_unit (DWDM, DWMC) values ('P1', '单位')");
    const struct {
        const char* file;
        int button;
        const char* table;
    } cases[] = {{"P1.proplan", View::IDC_BTN_IMPORT_DRAFT, "corvane_itemyearplan"},
                 {"P1.proys", View::IDC_BTN_IMPORT_AUDIT, "corvane_itemcheckaccept"}};
    OpenView();
    SetPolicy(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = sys::JoinPath(in, c.file);
        ASSERT_TRUE(sys::WriteFileAtomic(path, Saved("select * from corvane_unit")));
        ImportFolder(c.button, 0);
        EXPECT_EQ(Count(std::string("select * from ") + c.table), 0);
        sys::RemoveFile(path);
    }
}

TEST_F(ProjectImport, EmptyFolderCountsNothingAndIdleButtonsDoNothing) {
    OpenView();
    ImportFolder(View::IDC_BTN_IMPORT_DRAFT, 0);
    // The driver fails the test on any message box or chooser.
    for (int id : {View::IDC_BTN_PLAN_BOOK, View::IDC_BTN_RESULTS, View::IDC_BTN_OTHER}) view_->Click(id);
}

}  // namespace
