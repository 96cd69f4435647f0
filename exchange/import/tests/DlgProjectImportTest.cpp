// The project import view: application bundles one transaction each under
// the policy, members replaced, plan and acceptance files row by row, and
// the buttons without a command.
#include "ImportTestSupport.h"
#include "testsupport/CraftedBundle.h"

#include "exchange/import/DlgProjectImport.h"
#include "platform/sys/Process.h"

namespace {

using View = CDlgProjectImport;

class ProjectImport : public ImportViewTest<View> {
protected:
    // A stored application with members, written out as a bundle.
    void ApplicationBundle(const std::string& number, const std::string& name, int members, const std::string& file) {
        Exec("delete from corvane_itemappinfo where XMBH='" + number + "'");
        Exec("delete from corvane_project_sqcy where ITE_XMBH='" + number + "'");
        // Numbers are the guide code, the year's end, the unit code and a serial.
        Exec("insert into corvane_itemappinfo (XMBH, XMMC, JJBH, GNYNH, SQZNDM, NF, DWDM) values ('" + number + "', '" +
             name + "', 'J9', X'C4DA', '" + number.substr(0, 11) + "', '20" + number.substr(11, 2) + "', '" +
             number.substr(13, 4) + "')");
        testdb::Table memberRows{"corvane_project_sqcy", {"ITE_XMBH", "XM"}, {}};
        for (int i = 0; i < members; ++i) memberRows.rows.push_back({number, "成员" + std::to_string(i)});
        testdb::Seed(db, memberRows);
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
    ApplicationBundle("G010000000108A001001", "项目一", 2, "G010000000108A001001.proapp");
    ApplicationBundle("G010000000108A001002", "项目二", 0, "G010000000108A001002.proapp");
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, "broken.proapp"), std::string("\x50\0\0\0abc", 7)));
    Exec("delete from corvane_itemappinfo");
    testdb::Seed(db, {"corvane_project_sqcy", {"ITE_XMBH", "XM"}, {{"G010000000108A001002", "旧成员"}}});
    OpenView();
    ImportFolder(View::IDC_BTN_IMPORT_PLAN, 2);
    EXPECT_EQ(Name("G010000000108A001001"), "项目一");
    EXPECT_EQ(Value("select * from corvane_itemappinfo where XMBH='G010000000108A001001'", "JJBH"), "");
    EXPECT_EQ(Members("G010000000108A001001"), 2);
    EXPECT_EQ(Members("G010000000108A001002"), 0);  // stored members go even when the project was new
    for (const char* scratch : {"项目申请书.xml", "申请人员.xml"}) EXPECT_FALSE(sys::FileExists(sys::ScratchPath(scratch)));
}

TEST_F(ProjectImport, ApplicationsWhoseWriteFailsAreNamed) {
    ApplicationBundle("G010000000108A001001", "拒收", 1, "G010000000108A001001.proapp");
    ApplicationBundle("G010000000108A001002", "项目二", 1, "G010000000108A001002.proapp");
    Exec("delete from corvane_itemappinfo");
    Exec("delete from corvane_project_sqcy");
    Exec("create trigger refuse before insert on corvane_itemappinfo when NEW.XMMC = '拒收' "
         "begin select raise(abort, 'refused'); end");
    OpenView();
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "共导入了1条数据！\r\n以下文件写入数据库失败，未导入：\r\nG010000000108A001001.proapp");
    view_->Click(View::IDC_BTN_IMPORT_PLAN);
    EXPECT_EQ(Name("G010000000108A001001"), "<none>");
    EXPECT_EQ(Name("G010000000108A001002"), "项目二");
}

TEST_F(ProjectImport, StoredApplicationFollowsThePolicy) {
    ApplicationBundle("G010000000108A001001", "文件里的", 2, "G010000000108A001001.proapp");
    Exec("update corvane_itemappinfo set XMMC = '库里的' where XMBH='G010000000108A001001'");
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
        if (c.answer) driver.ExpectMessageBox("提示", "项目编号G010000000108A001001已存在，是否覆盖原有记录？", c.answer);
        driver.ExpectMessageBox("提示", "共导入了" + std::to_string(c.count) + "条数据！");
        view_->Click(View::IDC_BTN_IMPORT_PLAN);
        EXPECT_EQ(Name("G010000000108A001001"), c.name) << c.policy;
        EXPECT_EQ(Members("G010000000108A001001"), c.members) << c.policy;
        EXPECT_EQ(Count("select * from corvane_itemappinfo where XMBH='G010000000108A001001'"), 1);
    }
}

TEST_F(ProjectImport, PlanFilesAskPerStoredYearAndCountTheFile) {
    Exec("insert into corvane_itemyearplan (XMBH, NF, JDYQ, NDJF, NDWCXS) values "
         "('G010000000108A001001', '2011', '文件', '5', X'C4DA'), ('G010000000108A001001', '2012', '文件', '6', NULL)");
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, "G010000000108A001001.proplan"), Saved("select * from corvane_itemyearplan")));
    Exec("update corvane_itemyearplan set JDYQ = '库里'");
    OpenView();
    SetPolicy(2);
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "项目编号G010000000108A001001已存在，是否覆盖原有记录？", IDYES);
    driver.ExpectMessageBox("提示", "项目编号G010000000108A001001已存在，是否覆盖原有记录？", IDNO);
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    view_->Click(View::IDC_BTN_IMPORT_DRAFT);
    EXPECT_EQ(Value("select * from corvane_itemyearplan where NF='2011'", "JDYQ"), "文件");
    EXPECT_EQ(Value("select * from corvane_itemyearplan where NF='2011'", "NDJF"), "5");
    EXPECT_EQ(Value("select * from corvane_itemyearplan where NF='2012'", "JDYQ"), "库里");
    EXPECT_EQ(Count("select * from corvane_itemyearplan"), 2);
}

TEST_F(ProjectImport, AcceptanceFilesReplaceTheStoredReport) {
    Exec("insert into corvane_itemcheckaccept (XMBH, YJNR, WCSJ, BACKUPNAME) values ('G010000000108A001001', X'C4DA', '2012-01-01', '名')");
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, "G010000000108A001001.proys"), Saved("select * from corvane_itemcheckaccept")));
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
    testdb::Seed(db, {"corvane_unit", {"DWDM", "DWMC"}, {{"G010000000108A001001", "单位"}}});
    const struct {
        const char* file;
        int button;
        const char* table;
    } cases[] = {{"G010000000108A001001.proplan", View::IDC_BTN_IMPORT_DRAFT, "corvane_itemyearplan"},
                 {"G010000000108A001001.proys", View::IDC_BTN_IMPORT_AUDIT, "corvane_itemcheckaccept"}};
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

namespace {

// One application bundle per case, made from a genuine one: numbers that
// disagree with their own codes, and files of other kinds named .proapp.
TEST_F(ProjectImport, CraftedApplicationBundlesAreRefusedAndNamed) {
    const std::string good = "G010000000108A001001";
    ApplicationBundle(good, "真", 1, "good.proapp");
    const std::vector<std::string> parts = crafted::Parts(sys::JoinPath(in, "good.proapp"), std::nullopt, 2);
    ASSERT_EQ(parts.size(), 2u);
    const std::string unitsOnly = Saved("select * from corvane_unit");
    auto numbered = [&](const std::string& number) {
        return std::vector<std::string>{crafted::Replaced(parts[0], good, number), parts[1]};
    };
    const std::string codesDiffer = "与其指南代码、年份及单位代码不符，未导入！";
    const struct {
        const char* what;
        std::vector<std::string> parts;
        std::string message;
    } cases[] = {
        {"another unit's number", numbered("G010000000108B002001"), "G010000000108B002001" + codesDiffer},
        {"a year part that disagrees with NF", numbered("G010000000109A001001"), "G010000000109A001001" + codesDiffer},
        {"a bare letter", numbered("X"), "X" + codesDiffer},
        {"a path", numbered("../../../../x"), "../../../../x" + codesDiffer},
        {"a serial that is not digits", numbered("G010000000108A0010a1"), "G010000000108A0010a1" + codesDiffer},
        {"a file of another kind", {unitsOnly, unitsOnly}, "不是项目申请书文件，未导入！"},
        {"members in place of the application", {parts[1], parts[1]}, "不是项目申请书文件，未导入！"},
        {"the application in the members' place", {parts[0], parts[0]}, "不是项目申请书文件，未导入！"},
    };
    Exec("delete from corvane_itemappinfo");
    Exec("delete from corvane_project_sqcy");
    sys::RemoveFile(sys::JoinPath(in, "good.proapp"));
    OpenView();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bundle("crafted.proapp", std::nullopt, c.parts);
        driver.AnswerFolder(in);
        const bool namesNumber = c.message.find(codesDiffer) != std::string::npos;
        driver.ExpectMessageBox("提示", "文件crafted.proapp" + (namesNumber ? "中的项目编号" + c.message : c.message));
        driver.ExpectMessageBox("提示", "共导入了0条数据！");
        view_->Click(View::IDC_BTN_IMPORT_PLAN);
        EXPECT_EQ(Count("select * from corvane_itemappinfo"), 0);
        EXPECT_EQ(Count("select * from corvane_project_sqcy"), 0);
    }
    // The genuine bundle still comes in.
    Bundle("crafted.proapp", std::nullopt, parts);
    OpenView();
    ImportFolder(View::IDC_BTN_IMPORT_PLAN, 1);
    EXPECT_EQ(Name(good), "真");
}

// Plan rows without a number or with one no project can have are named and
// left out; the good rows of the same file are stored.
TEST_F(ProjectImport, PlanRowsWithoutAWellFormedNumberAreLeftOutAndNamed) {
    Exec("insert into corvane_itemyearplan (XMBH, NF, JDYQ) values ('G010000000108A001001', '2011', '好'), "
         "(NULL, '2011', '无号'), ('../../../../x', '2011', '路径'), ('X', '2011', '字母')");
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, "rows.proplan"), Saved("select * from corvane_itemyearplan")));
    Exec("delete from corvane_itemyearplan");
    OpenView();
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "文件rows.proplan中以下项目编号不符合格式，未导入：（空）、../../../../x、X");
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    view_->Click(View::IDC_BTN_IMPORT_DRAFT);
    EXPECT_EQ(Count("select * from corvane_itemyearplan"), 1);
    EXPECT_EQ(Value("select * from corvane_itemyearplan", "JDYQ"), "好");
}

}  // namespace
