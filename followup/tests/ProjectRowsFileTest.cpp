// The plan file (.proplan) and the acceptance file (.proys): export of the
// selected projects into the dated folder, import under each duplicate
// policy, the columns an import takes over, and files that are refused.
#include "FollowupFilesTestSupport.h"
#include "application/DlgImportPolicy.h"
#include "followup/ProjectRowsFile.h"
#include "platform/text/Text.h"

namespace {

constexpr const char* kFirst = "9140A01010108U001001";
constexpr const char* kSecond = "9140A01010108U001002";
constexpr const char* kBare = "9140A01010108U001003";
const char* const kYears[] = {"第一年度", "第二年度", "第三年度"};
const char* const kSections[] = {"YJNR", "WCQK", "ZYJZJCX", "WTYJY", "HXFZCGZH", "XSWYHPJ", "DWYSYJ"};

std::string Rtf(const std::string& text) { return "{\\rtf1\\ansi " + text + "}"; }

}  // namespace

class ProjectRowsFileTest : public FollowupFilesTest {
protected:
    void SetUp() override {
        FollowupFilesTest::SetUp();
        // The projects the rows belong to.
        testdb::Seed(connection, {"corvane_itemappinfo", {"XMBH"}, {{kFirst}, {kSecond}, {kBare}}});
    }
    void StorePlan(const std::string& number, const std::string& year, const std::string& funds = "1.5") {
        StoreRow("corvane_itemyearplan",
                 {{"XMBH", number}, {"NF", year}, {"JDYQ", "进度" + year}, {"NDJF", funds}, {"BZ", "备注"}},
                 {{"NDYJMUYNR", Rtf("目标" + year)}, {"NDWCXS", Rtf("形式")}, {"YBJJXGBCSM", Rtf("说明")}});
    }
    void StoreReport(const std::string& number) {
        Values blobs = {{"WCQKJJ", Rtf("总结")}, {"ATTACH", "file"}, {"YSJL", Rtf("结论")}};
        for (const char* section : kSections) blobs[section] = Rtf(section);
        StoreRow("corvane_itemcheckaccept",
                 {{"XMBH", number}, {"WCSJ", "2010/01/02"}, {"TBSJ", "2010/02/03"}, {"SJWCR", "张三"},
                  {"BACKUPNAME", "名称"}, {"FINALSCORE", "90"}},
                 blobs);
    }
    Rows Plans(const std::string& number) {
        return Query("select NF, JDYQ, NDJF, BZ from corvane_itemyearplan where xmbh='" + number + "' order by NF");
    }

    // Exports through the 导出 command; the dated folder.
    std::string ExportAll(const ProjectRowsFormat& format, const std::vector<std::string>& numbers) {
        driver.AnswerFolder(files.Path());
        driver.ExpectMessageBox("提示", "上报文件导出完成！\r\n文件保存在：" + files.File(Today() + format.folderWord));
        ProjectRowsFile(connection, format).Export(numbers);
        return files.File(Today() + format.folderWord);
    }
    // Imports a folder through the 导入 command, choosing the policy in the
    // dialog and answering the per-record questions; the policy kept.
    DuplicatePolicy ImportAll(const ProjectRowsFormat& format, const std::string& folder, DuplicatePolicy chosen,
                              int expectedCount, const std::vector<int>& answers = {}) {
        driver.OnModal<CDlgImportPolicy>([chosen](CDlgImportPolicy& dialog) {
            const int radios[] = {CDlgImportPolicy::IDC_RADIO_OVERWRITE, CDlgImportPolicy::IDC_RADIO_KEEP,
                                  CDlgImportPolicy::IDC_RADIO_ASK};
            for (int radio : radios) dialog.CheckDlgButton(radio, radio == radios[chosen] ? 1 : 0);
            dialog.Click(CDlgImportPolicy::IDC_BTN_OK);
        });
        driver.AnswerFolder(folder);
        for (int answer : answers) driver.AnswerMessageBox(answer);
        driver.ExpectMessageBox("提示", "共导入了" + std::to_string(expectedCount) + "条数据！");
        DuplicatePolicy policy = duplicate_policy::Overwrite;
        EXPECT_TRUE(ProjectRowsFile(connection, format).ImportFolder(policy));
        return policy;
    }
};

TEST_F(ProjectRowsFileTest, PlanExportWritesFilesOnlyForProjectsWithPlans) {
    for (const char* year : kYears) StorePlan(kFirst, year);
    StorePlan(kSecond, kYears[1]);
    const std::string folder = ExportAll(YearPlanFormat(), {kFirst, kBare, kSecond});
    EXPECT_EQ(driver.Calls().front().caption, "请选择配置方案保存路径");
    EXPECT_EQ(sys::ListFiles(folder, ""),
              (std::vector<std::string>{std::string(kFirst) + ".proplan", std::string(kSecond) + ".proplan"}));

    driver.ExpectMessageBox("提示", "请先选择要导出的记录！");
    ProjectRowsFile(connection, YearPlanFormat()).Export({});
    driver.AnswerFolder("");  // cancelled: no message
    ProjectRowsFile(connection, YearPlanFormat()).Export({kFirst});
    sys::WriteFileAtomic(files.File("plain"), "x");
    driver.AnswerFolder(files.File("plain"));
    driver.ExpectMessageBox("提示", std::string("项目编号为") + kFirst + "的上报文件导出失败！");
    ProjectRowsFile(connection, YearPlanFormat()).Export({kFirst, kSecond});
}

TEST_F(ProjectRowsFileTest, PlanImportFollowsThePolicy) {
    for (const char* year : kYears) StorePlan(kFirst, year);
    StorePlan(kSecond, kYears[0]);
    const std::string folder = ExportAll(YearPlanFormat(), {kFirst, kSecond});
    Exec("update corvane_itemyearplan set JDYQ='本地', NDJF='9'");
    const Rows local = Plans(kFirst);

    // Keep: every row exists, nothing is imported.
    EXPECT_EQ(ImportAll(YearPlanFormat(), folder, duplicate_policy::KeepExisting, 0), duplicate_policy::KeepExisting);
    EXPECT_EQ(Plans(kFirst), local);
    // Ask, answering No to all four rows.
    ImportAll(YearPlanFormat(), folder, duplicate_policy::AskEach, 0, {IDNO, IDNO, IDNO, IDNO});
    EXPECT_EQ(Plans(kFirst), local);
    EXPECT_EQ(driver.MessageBoxes().rbegin()[1].text, std::string("项目编号") + kSecond + "已存在，是否覆盖原有记录？");
    // Ask, Yes for the first file's second row only.
    ImportAll(YearPlanFormat(), folder, duplicate_policy::AskEach, 1, {IDNO, IDYES, IDNO, IDNO});
    EXPECT_EQ(Plans(kFirst), (Rows{{"第一年度", "本地", "9", "备注"},
                                   {"第三年度", "本地", "9", "备注"},
                                   {"第二年度", "进度第二年度", "1.5", "备注"}}));

    // Overwrite: the stored rows are replaced with every column of the file,
    // a year new to the project is added and the other years stay.
    Exec(std::string("delete from corvane_itemyearplan where xmbh='") + kSecond + "'");
    StorePlan(kSecond, kYears[2], "7");
    ImportAll(YearPlanFormat(), folder, duplicate_policy::Overwrite, 2);
    EXPECT_EQ(Plans(kFirst).size(), 3u);
    for (const auto& row : Plans(kFirst)) EXPECT_EQ(row.at(1), "进度" + row.at(0));
    EXPECT_EQ(Plans(kSecond).size(), 2u);
    const std::string sql = std::string("select * from corvane_itemyearplan where xmbh='") + kFirst + "' and nf='第二年度'";
    EXPECT_EQ(Blob(sql, "NDYJMUYNR"), Rtf("目标第二年度"));
    EXPECT_EQ(Blob(sql, "NDWCXS"), Rtf("形式"));
    EXPECT_EQ(Blob(sql, "YBJJXGBCSM"), Rtf("说明"));  // once, not twice
}

// Rows of a project that is not stored belong to no project, and would later
// belong to whichever project is given the number: refused and named.
TEST_F(ProjectRowsFileTest, RowsOfAProjectNotStoredAreRefusedAndNamed) {
    StorePlan(kFirst, kYears[0]);
    StorePlan(kSecond, kYears[0]);
    const std::string folder = ExportAll(YearPlanFormat(), {kFirst, kSecond});
    Exec("delete from corvane_itemyearplan");
    Exec(std::string("delete from corvane_itemappinfo where XMBH = '") + kSecond + "'");
    driver.OnModal<CDlgImportPolicy>([](CDlgImportPolicy& dialog) { dialog.Click(CDlgImportPolicy::IDC_BTN_OK); });
    driver.AnswerFolder(folder);
    driver.ExpectMessageBox("提示", std::string("共导入了1条数据！\r\n以下项目不存在，其数据未导入：\r\n") + kSecond);
    DuplicatePolicy policy = duplicate_policy::Overwrite;
    EXPECT_TRUE(ProjectRowsFile(connection, YearPlanFormat()).ImportFolder(policy));
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Query("select XMBH from corvane_itemyearplan"), (Rows{{kFirst}}));
}

TEST_F(ProjectRowsFileTest, RefusedInsertKeepsTheStoredRow) {
    StorePlan(kFirst, kYears[0], "2.5");
    const std::string folder = ExportAll(YearPlanFormat(), {kFirst});
    // The funds of the file no longer fit the column: the insert is refused.
    const std::string path = sys::JoinPath(folder, std::string(kFirst) + ".proplan");
    std::string xml = ReadBytes(path);
    ASSERT_NE(xml.find("2.5"), std::string::npos);
    sys::WriteFileAtomic(path, text::ReplaceAll(xml, "2.5", "123456789"));
    Exec("update corvane_itemyearplan set JDYQ='本地'");
    driver.OnModal<CDlgImportPolicy>([](CDlgImportPolicy& dialog) { dialog.Click(CDlgImportPolicy::IDC_BTN_OK); });
    driver.AnswerFolder(folder);
    // The file is not counted, and named.
    driver.ExpectMessageBox("提示", std::string("共导入了0条数据！\r\n以下文件写入数据库失败，未导入：\r\n") + kFirst + ".proplan");
    DuplicatePolicy policy = duplicate_policy::Overwrite;
    EXPECT_TRUE(ProjectRowsFile(connection, YearPlanFormat()).ImportFolder(policy));
    EXPECT_EQ(Plans(kFirst), (Rows{{"第一年度", "本地", "2.5", "备注"}}));
}

TEST_F(ProjectRowsFileTest, AcceptanceImportTakesTheReportColumnsOnly) {
    StoreReport(kFirst);
    const std::string folder = ExportAll(AcceptanceFormat(), {kFirst, kBare});
    EXPECT_EQ(sys::ListFiles(folder, ""), std::vector<std::string>{std::string(kFirst) + ".proys"});
    Exec("update corvane_itemcheckaccept set WCSJ='本地', FINALSCORE='60'");
    ImportAll(AcceptanceFormat(), folder, duplicate_policy::Overwrite, 1);

    EXPECT_EQ(Query("select XMBH, WCSJ, TBSJ, SJWCR, BACKUPNAME, FINALSCORE from corvane_itemcheckaccept"),
              (Rows{{kFirst, "2010/01/02", "2010/02/03", "张三", "名称", ""}}));
    const std::string sql = "select * from corvane_itemcheckaccept";
    for (const char* section : kSections) EXPECT_EQ(Blob(sql, section), Rtf(section)) << section;
    for (const char* other : {"WCQKJJ", "ATTACH", "YSJL"}) EXPECT_EQ(Blob(sql, other), "") << other;
}

TEST_F(ProjectRowsFileTest, FilesOfAnotherKindAreRefused) {
    StorePlan(kFirst, kYears[0]);
    StoreReport(kFirst);
    const std::string plan = sys::JoinPath(ExportAll(YearPlanFormat(), {kFirst}), std::string(kFirst) + ".proplan");
    const std::string report = sys::JoinPath(ExportAll(AcceptanceFormat(), {kFirst}), std::string(kFirst) + ".proys");
    sys::WriteFileAtomic(files.File("garbage"), "not a recordset");
    const Rows plans = Query("select * from corvane_itemyearplan");
    const Rows reports = Query("select * from corvane_itemcheckaccept");
    const struct {
        const ProjectRowsFormat& format;
        std::string path;
    } cases[] = {
        {AcceptanceFormat(), plan}, {YearPlanFormat(), report}, {YearPlanFormat(), files.File("garbage")},
        {AcceptanceFormat(), files.File("missing")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProjectRowsFile(connection, c.format).Import(c.path, duplicate_policy::Overwrite), 0) << c.path;
        EXPECT_EQ(Query("select * from corvane_itemyearplan"), plans);
        EXPECT_EQ(Query("select * from corvane_itemcheckaccept"), reports);
    }
}

// A folder of crafted files: the good one is imported, and every file left
// out is named with what it is, so that "0 imported" never stands alone.
TEST_F(ProjectRowsFileTest, FilesLeftOutOfAFolderImportAreNamed) {
    StorePlan(kFirst, kYears[0]);
    StoreReport(kFirst);
    const std::string plans = ExportAll(YearPlanFormat(), {kFirst});
    const std::string reports = ExportAll(AcceptanceFormat(), {kFirst});
    const std::string plan = ReadBytes(sys::JoinPath(plans, std::string(kFirst) + ".proplan"));
    const std::string report = ReadBytes(sys::JoinPath(reports, std::string(kFirst) + ".proys"));
    Exec("delete from corvane_itemyearplan");
    Exec("delete from corvane_itemcheckaccept");
    // Files with the table's columns and no row.
    for (const auto* format : {&YearPlanFormat(), &AcceptanceFormat()}) {
        CAdoRecordSet none;
        none.SetConnection(&connection);
        ASSERT_TRUE(none.Open(std::string("select * from ") + format->table + " where 1=0"));
        ASSERT_TRUE(none.Save(files.File(std::string("empty.") + format->extension), adPersistXML));
    }
    const struct {
        const ProjectRowsFormat& format;
        std::string good;     // the genuine file's bytes
        std::string foreign;  // the other format's file
        const char* stored;
        std::string message;
    } cases[] = {
        {YearPlanFormat(), plan, report, "select XMBH, NF from corvane_itemyearplan",
         "共导入了1条数据！\r\n以下名称不是可读取的文件，未导入：\r\nf-folder.proplan"
         "\r\n以下文件不是项目计划文件，未导入：\r\nc-foreign.proplan\r\nd-garbage.proplan\r\ne-zero.proplan"
         "\r\n以下文件中没有记录：\r\nb-empty.proplan"},
        {AcceptanceFormat(), report, plan, "select XMBH, '' from corvane_itemcheckaccept",
         "共导入了1条数据！\r\n以下名称不是可读取的文件，未导入：\r\nf-folder.proys"
         "\r\n以下文件不是项目验收总结报告文件，未导入：\r\nc-foreign.proys\r\nd-garbage.proys\r\ne-zero.proys"
         "\r\n以下文件中没有记录：\r\nb-empty.proys"},
    };
    for (const auto& c : cases) {
        const std::string folder = files.File(std::string("in-") + c.format.extension);
        ASSERT_TRUE(sys::MakeDirs(folder));
        auto name = [&](const char* stem) { return sys::JoinPath(folder, std::string(stem) + "." + c.format.extension); };
        sys::WriteFileAtomic(name("a-good"), c.good);
        sys::WriteFileAtomic(name("b-empty"), ReadBytes(files.File(std::string("empty.") + c.format.extension)));
        sys::WriteFileAtomic(name("c-foreign"), c.foreign);
        sys::WriteFileAtomic(name("d-garbage"), "<xml>not a recordset");
        sys::WriteFileAtomic(name("e-zero"), "");
        ASSERT_TRUE(sys::MakeDirs(name("f-folder")));
        driver.OnModal<CDlgImportPolicy>([](CDlgImportPolicy& dialog) { dialog.Click(CDlgImportPolicy::IDC_BTN_OK); });
        driver.AnswerFolder(folder);
        driver.ExpectMessageBox("提示", c.message);
        DuplicatePolicy policy = duplicate_policy::Overwrite;
        EXPECT_TRUE(ProjectRowsFile(connection, c.format).ImportFolder(policy));
        EXPECT_TRUE(driver.Finished());
        const std::string year = &c.format == &YearPlanFormat() ? kYears[0] : "";
        EXPECT_EQ(Query(c.stored), (Rows{{kFirst, year}})) << c.format.extension;
    }
}

TEST_F(ProjectRowsFileTest, CancelledPolicyDialogKeepsThePolicyAndGoesOn) {
    driver.OnModal<CDlgImportPolicy>([](CDlgImportPolicy& dialog) { dialog.Click(IDCANCEL); });
    driver.AnswerFolder(files.Path());
    driver.ExpectMessageBox("提示", "共导入了0条数据！");
    DuplicatePolicy policy = duplicate_policy::AskEach;
    EXPECT_TRUE(ProjectRowsFile(connection, AcceptanceFormat()).ImportFolder(policy));
    EXPECT_EQ(policy, duplicate_policy::AskEach);

    driver.OnModal<CDlgImportPolicy>([](CDlgImportPolicy& dialog) { dialog.Click(IDCANCEL); });
    driver.AnswerFolder("");
    EXPECT_FALSE(ProjectRowsFile(connection, AcceptanceFormat()).ImportFolder(policy));
}
