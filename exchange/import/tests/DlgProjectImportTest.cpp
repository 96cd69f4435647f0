// The project import view: application bundles one transaction each under
// the policy, members replaced, plan and acceptance files row by row, and
// the buttons without a command.
#include "ImportTestSupport.h"
#include "testsupport/CraftedBundle.h"

#include "exchange/import/DlgProjectImport.h"
#include "foundation/ProjectRowsImport.h"
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
    // The application row that plan and acceptance rows belong to.
    void StoreProject(const std::string& number) {
        testdb::Seed(db, {"corvane_itemappinfo", {"XMBH"}, {{number}}});
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
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "文件broken.proapp不是项目申请书文件，未导入！");
    driver.ExpectMessageBox("提示", "共导入了2条数据！");
    view_->Click(View::IDC_BTN_IMPORT_PLAN);
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
    StoreProject("G010000000108A001001");
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
    StoreProject("G010000000108A001001");
    Exec("insert into corvane_itemcheckaccept (XMBH, YJNR, WCSJ, BACKUPNAME) values ('G010000000108A001001', X'C4DA', '2012-01-01', '名')");
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, "G010000000108A001001.proys"), Saved("select * from corvane_itemcheckaccept")));
    Exec("update corvane_itemcheckaccept set WCSJ = '2000-01-01'");
    OpenView();
    ImportFolder(View::IDC_BTN_IMPORT_AUDIT, 1);
    EXPECT_EQ(Count("select * from corvane_itemcheckaccept"), 1);
    EXPECT_EQ(Value("select * from corvane_itemcheckaccept", "WCSJ"), "2012-01-01");
    EXPECT_EQ(Value("select * from corvane_itemcheckaccept", "BACKUPNAME"), "");  // not carried over
}

// Legacy data: two projects whose numbers differ only in letter case (the
// database takes them for one number). An application bundle and an
// acceptance file each replace the rows of the project of their number as
// written, and the other project keeps its own.
TEST_F(ProjectImport, FilesOfOneOfALegacyPairOfNumbersReplaceOnlyItsOwnRows) {
    const std::string upper = "G010000000108A001001", lower = "g010000000108a001001";
    ApplicationBundle(upper, "文件里的", 2, upper + ".proapp");
    Exec("update corvane_itemappinfo set XMMC = '库里的大写'");
    Exec("delete from corvane_project_sqcy where XM = '成员1'");
    Exec("insert into corvane_itemappinfo (XMBH, XMMC, SQZNDM, NF, DWDM) values ('" + lower +
         "', '库里的小写', 'g010000000', '2008', 'a001')");
    testdb::Seed(db, {"corvane_project_sqcy", {"ITE_XMBH", "XM"}, {{lower, "小写成员"}}});
    Exec("insert into corvane_itemcheckaccept (XMBH, WCSJ) values ('" + lower + "', '2012-01-01')");
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, lower + ".proys"),
                                     Saved("select * from corvane_itemcheckaccept")));
    Exec("update corvane_itemcheckaccept set WCSJ = '2000-01-01'");
    Exec("insert into corvane_itemcheckaccept (XMBH, WCSJ) values ('" + upper + "', '2001-01-01')");
    OpenView();
    SetPolicy(0);
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    view_->Click(View::IDC_BTN_IMPORT_PLAN);
    ImportFolder(View::IDC_BTN_IMPORT_AUDIT, 1);
    const auto asStored = [&](const std::string& sql) { return testdb::Query(db, sql); };
    EXPECT_EQ(asStored("select XMBH, XMMC from corvane_itemappinfo order by XMBH collate binary"),
              (testdb::Rows{{upper, "文件里的"}, {lower, "库里的小写"}}));
    EXPECT_EQ(asStored("select ITE_XMBH, XM from corvane_project_sqcy order by ITE_XMBH collate binary, XM"),
              (testdb::Rows{{upper, "成员0"}, {upper, "成员1"}, {lower, "小写成员"}}));
    EXPECT_EQ(asStored("select XMBH, WCSJ from corvane_itemcheckaccept order by XMBH collate binary"),
              (testdb::Rows{{upper, "2001-01-01"}, {lower, "2012-01-01"}}));
}

// Plan and acceptance rows travel by position: a saved recordset of another
// table is refused whole.
TEST_F(ProjectImport, PlanAndAcceptanceFilesOfAnotherTableAreRefused) {
    testdb::Seed(db, {"corvane_unit", {"DWDM", "DWMC"}, {{"G010000000108A001001", "单位"}}});
    const struct {
        const char* file;
        int button;
        const char* table;
        const char* kind;
    } cases[] = {{"G010000000108A001001.proplan", View::IDC_BTN_IMPORT_DRAFT, "corvane_itemyearplan", "项目计划"},
                 {"G010000000108A001001.proys", View::IDC_BTN_IMPORT_AUDIT, "corvane_itemcheckaccept", "项目验收总结报告"}};
    OpenView();
    SetPolicy(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = sys::JoinPath(in, c.file);
        ASSERT_TRUE(sys::WriteFileAtomic(path, Saved("select * from corvane_unit")));
        driver.AnswerFolder(in);
        driver.ExpectMessageBox("提示", std::string("共导入了0条数据！\r\n以下文件不是") + c.kind + "文件，未导入：\r\n" + c.file);
        view_->Click(c.button);
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
    // A key-laboratory application with its amounts.
    Exec("update corvane_itemappinfo set XMLB = '重点实验室基金——一般项目', SQJE = '12.5', CLF = '3', ZYF = '4'");
    Bundle("good.proapp", std::nullopt,
           {Saved("select * from corvane_itemappinfo where XMBH='" + good + "'"),
            Saved("select * from corvane_project_sqcy where ITE_XMBH='" + good + "'")});
    const std::vector<std::string> parts = crafted::Parts(sys::JoinPath(in, "good.proapp"), std::nullopt, 2);
    ASSERT_EQ(parts.size(), 2u);
    const std::string unitsOnly = Saved("select * from corvane_unit");
    auto numbered = [&](const std::string& number) {
        return std::vector<std::string>{crafted::Replaced(parts[0], good, number), parts[1]};
    };
    auto amount = [&](const std::string& from, const std::string& to) {
        return std::vector<std::string>{crafted::Replaced(parts[0], from, to), parts[1]};
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
        {"requested funds beyond the column", amount("SQJE='12.5'", "SQJE='1e39'"), "中的金额SQJE不是有效的数值，未导入！"},
        {"negative travel costs", amount("CLF='3'", "CLF='-5'"), "中的金额CLF不是有效的数值，未导入！"},
        {"infinite costs", amount("ZYF='4'", "ZYF='inf'"), "中的金额ZYF不是有效的数值，未导入！"},
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

// Plan and acceptance files made from genuine exports of a project of unit
// A, each changed in one way; every one is refused whole, named with its
// reason, and writes nothing. The genuine files come in, each long column
// once, and again over what they stored.
class CraftedRowFiles : public ProjectImport {
protected:
    static constexpr const char* kOwn = "G010000000108A001001";
    static constexpr const char* kOtherUnit = "G010000000108B002001";
    static constexpr const char* kNotStored = "G010000000108A001009";
    void SetUp() override {
        ProjectImport::SetUp();
        StoreProject(kOwn);
        StoreProject(kOtherUnit);
        Exec(std::string("insert into corvane_itemyearplan (XMBH, NF, JDYQ, NDYJMUYNR, NDWCXS, YBJJXGBCSM, NDJF, BZ) "
                         "values ('") + kOwn + "', '第一年度', '进度一', X'C4DA', X'01', X'AABB', '5', '备注'), ('" +
             kOwn + "', '第二年度', '进度二', X'C4DB', NULL, X'CCDD', '6', NULL)");
        Exec(std::string("insert into corvane_itemcheckaccept (XMBH, YJNR, DWYSYJ, WCSJ, TBSJ, SJWCR) values ('") + kOwn +
             "', X'C4DA', X'EEFF', '2012-01-01', '2012-02-01', '张三')");
        plan = Saved(std::string("select * from corvane_itemyearplan where XMBH = '") + kOwn + "'");
        report = Saved(std::string("select * from corvane_itemcheckaccept where XMBH = '") + kOwn + "'");
        Exec("delete from corvane_itemyearplan");
        Exec("delete from corvane_itemcheckaccept");
    }
    // The file with the project number of its second row changed.
    static std::string SecondRowNumber(std::string xml, const std::string& to) {
        const std::size_t second = xml.find("<z:row", xml.find("<z:row") + 1);
        const std::size_t at = xml.find(kOwn, second);
        EXPECT_NE(at, std::string::npos);
        return at == std::string::npos ? xml : xml.replace(at, std::string(kOwn).size(), to);
    }
    std::string plan, report;
};

TEST_F(CraftedRowFiles, AreRefusedAndNamedAndTheGenuineOnesComeIn) {
    const std::string notPlan = "以下文件不是项目计划文件，未导入：", notReport = "以下文件不是项目验收总结报告文件，未导入：";
    const std::string other = "以下文件中含有其他项目的记录，未导入：", amounts = "以下文件中的金额不是有效的数值，未导入：";
    const std::string notStored = std::string("以下项目不存在，其数据未导入：\r\n") + kNotStored;
    const std::string failed = "以下文件写入数据库失败，未导入：";
    const std::string years = "以下文件中有年份与项目计划的年度不符的记录，未导入：";
    const struct {
        const char* what;
        const char* file;
        std::string bytes;
        std::string reason;  // the heading the file is named under (a not-stored project names itself)
    } cases[] = {
        {"a row of another unit's project", "a.proplan", SecondRowNumber(plan, kOtherUnit), other},
        {"a project not stored", "a.proplan", crafted::Replaced(plan, kOwn, kNotStored), notStored},
        {"a project not stored", "a.proys", crafted::Replaced(report, kOwn, kNotStored), notStored},
        {"negative funds", "a.proplan", crafted::Replaced(plan, "NDJF='5'", "NDJF='-5'"), amounts},
        {"funds beyond the column", "a.proplan", crafted::Replaced(plan, "NDJF='5'", "NDJF='1e39'"), amounts},
        {"infinite funds", "a.proplan", crafted::Replaced(plan, "NDJF='6'", "NDJF='inf'"), amounts},
        {"an acceptance file as a plan", "a.proplan", report, notPlan},
        {"a plan file as an acceptance file", "a.proys", plan, notReport},
        {"units as a plan", "a.proplan", Saved("select * from corvane_unit"), notPlan},
        {"cut short", "a.proplan", plan.substr(0, plan.size() / 2), notPlan},
        {"cut short", "a.proys", report.substr(0, report.size() / 2), notReport},
        {"not UTF-8", "a.proplan", crafted::Replaced(plan, "进度一", "\xff\xfe"), notPlan},
        {"a row without its number", "a.proplan", SecondRowNumber(plan, ""), "以下文件中有缺少项目编号或年份的记录，未导入："},
        {"a year given twice", "a.proplan", crafted::FirstRowTwice(plan), "以下文件中有重复的记录，未导入："},
        {"a year no plan has", "a.proplan", crafted::Replaced(plan, "第一年度", "922337203685477.5808"), years},
        {"a calendar year beside the plan's captions", "a.proplan", crafted::Replaced(plan, "第二年度", "2012"), years},
        {"a report given twice", "a.proys", crafted::FirstRowTwice(report), "以下文件中有重复的记录，未导入："},
        {"a remark longer than its column", "a.proplan", crafted::Replaced(plan, "备注", std::string(300, 'x')), failed},
    };
    OpenView();
    SetPolicy(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " " + c.file);
        const std::string path = sys::JoinPath(in, c.file);
        ASSERT_TRUE(sys::WriteFileAtomic(path, c.bytes));
        const bool isPlan = std::string(c.file).ends_with(".proplan");
        driver.AnswerFolder(in);
        const bool namesProject = c.reason == notStored;
        std::string expected = std::string("共导入了0条数据！\r\n") + c.reason;
        if (!namesProject) expected += std::string("\r\n") + c.file;
        driver.ExpectMessageBox("提示", expected);
        view_->Click(isPlan ? View::IDC_BTN_IMPORT_DRAFT : View::IDC_BTN_IMPORT_AUDIT);
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(Count("select * from corvane_itemyearplan"), 0);
        EXPECT_EQ(Count("select * from corvane_itemcheckaccept"), 0);
        sys::RemoveFile(path);
    }

    // The genuine files: each long column once, by name; again over the stored rows.
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, std::string(kOwn) + ".proplan"), plan));
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, std::string(kOwn) + ".proys"), report));
    const std::vector<testdb::Row> plans = {{kOwn, "第一年度", "进度一", "C4DA", "01", "AABB", "5", "备注"},
                                            {kOwn, "第二年度", "进度二", "C4DB", "", "CCDD", "6", ""}};
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ImportFolder(View::IDC_BTN_IMPORT_DRAFT, 1);
        EXPECT_EQ(testdb::Query(db, "select XMBH, NF, JDYQ, hex(NDYJMUYNR), hex(NDWCXS), hex(YBJJXGBCSM), NDJF, "
                                    "coalesce(BZ, '') from corvane_itemyearplan order by NF"),
                  plans);
        ImportFolder(View::IDC_BTN_IMPORT_AUDIT, 1);
        EXPECT_EQ(testdb::Query(db, "select XMBH, hex(YJNR), hex(DWYSYJ), WCSJ, TBSJ, SJWCR from corvane_itemcheckaccept"),
                  (std::vector<testdb::Row>{{kOwn, "C4DA", "EEFF", "2012-01-01", "2012-02-01", "张三"}}));
    }
}

// A plan's years are what its rows say: the file's together with those the
// project's plan holds. A file of calendar years beside a plan of the form's
// captions, or of years a three-year plan cannot span, is refused and named;
// a further year of the plan's own kind comes in beside the stored ones.
TEST_F(CraftedRowFiles, PlanYearsAgreeWithTheStoredPlan) {
    Exec(std::string("insert into corvane_itemyearplan (XMBH, NF, JDYQ) values ('") + kOwn + "', '第一年度', '库里')");
    const std::string years = "共导入了0条数据！\r\n以下文件中有年份与项目计划的年度不符的记录，未导入：\r\n";
    const struct {
        const char* what;
        std::string bytes;
        std::string message;
        long rows;  // the project's plan rows afterwards
    } cases[] = {
        {"calendar years beside the captions", crafted::Replaced(crafted::Replaced(plan, "第一年度", "2011"), "第二年度", "2012"),
         years + kOwn + ".proplan", 1},
        {"the third year", crafted::Replaced(crafted::Replaced(plan, "第一年度", "第三年度"), "第二年度", "第一年度"),
         "共导入了1条数据！", 2},
    };
    OpenView();
    SetPolicy(1);  // the stored year is kept
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, std::string(kOwn) + ".proplan"), c.bytes));
        driver.AnswerFolder(in);
        driver.ExpectMessageBox("提示", c.message);
        view_->Click(View::IDC_BTN_IMPORT_DRAFT);
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(Count(std::string("select * from corvane_itemyearplan where XMBH='") + kOwn + "'"), c.rows);
    }
    EXPECT_EQ(Value("select * from corvane_itemyearplan where NF='第一年度'", "JDYQ"), "库里");
    // Calendar years: three consecutive ones are one plan, a fourth is not.
    for (const auto& [years, agree] : std::vector<std::pair<std::vector<std::string>, bool>>{
             {{"2011", "2012", "2013"}, true}, {{"2012", "2011"}, true}, {{"2011", "2014"}, false},
             {{"2011", "第一年度"}, false}, {{"20１1"}, false}, {{"-5"}, false}, {{"第四年度"}, false}, {{}, true}})
        EXPECT_EQ(PlanYearsAgree(years), agree) << testing::PrintToString(years);
}

}  // namespace
