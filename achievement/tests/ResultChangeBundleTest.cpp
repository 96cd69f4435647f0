// The .cgzh bundle: export of the ticked projects into a dated folder,
// import of every bundle of a folder with the overwrite question, and
// bundles that cannot be read, which leave the database as it was.
#include <sys/stat.h>

#include "ResultChangeTestSupport.h"

#include <gtest/gtest-spi.h>

#include "achievement/ResultChangeBundle.h"
#include "foundation/LengthPrefixedContainer.h"
#include "testsupport/CraftedBundle.h"
#include "testsupport/TempFolder.h"

using namespace resultchange;
using resultchangetest::Rows;

class ResultChangeBundleTest : public ResultChangeTest {
protected:
    void SetUp() override {
        ResultChangeTest::SetUp();
        StoreRecord("A-001", {{"XMMC", "甲"}, {"XMJF", "30"}, {"CHECK13", "是"}}, {{"JSYYQJ", "前景甲"}});
        StoreChildRows(kJcyj, "A-001", {{"张三", "一所", "材料"}, {"李四", "二所", "力学"}});
        StoreChildRows(kGzzdlist, "A-001", {{"类型", "办法", "2008"}});
        StoreRecord("A-002", {{"XMMC", "乙"}});
        OpenView();
    }
    std::string ExportFolderToday() const { return ExportFolder(out.Path(), text::DateTime::Now()); }
    void ExportTicked(const std::vector<std::string>& numbers) {
        for (const std::string& number : numbers) List().SetCheck(RowOf(number), TRUE);
        driver.AnswerFolder(out.Path());
        driver.ExpectMessageBox("提示", "导出成功！\r\n文件保存在：" + ExportFolderToday());
        view->m_dlgList.OnBtnExport();
    }
    std::string RichBytes(const std::string& number, const char* column) {
        CAdoRecordSet rs;
        rs.SetConnection(&db);
        EXPECT_TRUE(rs.Open("select * from CORVANE_NEW_RESULTCHANGE where XMBH='" + number + "'"));
        const long size = rs.GetFieldActualSize(column);
        std::string bytes(std::size_t(std::max(size, 0L)), '\0');
        if (size > 0) rs.GetChunk(column, bytes.data());
        return bytes;
    }
    void ClearDatabase() {
        testdb::Exec(db, "delete from CORVANE_NEW_RESULTCHANGE");
        for (const ChildTable& table : ChildTables()) testdb::Exec(db, "delete from " + table.table);
    }
    testsupport::TempFolder out;
};

TEST_F(ResultChangeBundleTest, ExportRefusesWithoutTicksAndStopsOnCancel) {
    driver.ExpectMessageBox("提示", "请先选择要导出的记录！");
    view->m_dlgList.OnBtnExport();
    List().SetCheck(0, TRUE);
    driver.AnswerFolder("");
    view->m_dlgList.OnBtnExport();
    EXPECT_TRUE(sys::ListFiles(out.Path(), "").empty());
    EXPECT_FALSE(sys::FolderExists(ExportFolderToday()));
}

TEST_F(ResultChangeBundleTest, AMessageBoxAnswerWhereTheFolderChooserComesFailsTheTestCleanly) {
    List().SetCheck(RowOf("A-001"), TRUE);
    testing::TestPartResultArray failures;
    {
        testing::ScopedFakeTestPartResultReporter intercept(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        ui::TestDriver script;
        script.ExpectMessageBox("提示", "导出成功！\r\n文件保存在：" + ExportFolderToday());
        script.AnswerMessageBox(IDYES);
        view->m_dlgList.OnBtnExport();
        view->m_dlgList.OnBtnImport();
    }
    // Two unexpected folder choosers, two unused answers; both commands went as cancelled.
    ASSERT_EQ(failures.size(), 4);
    for (int i = 0; i < failures.size(); ++i) EXPECT_TRUE(failures.GetTestPartResult(i).nonfatally_failed());
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("unexpected folder chooser"), std::string::npos);
    EXPECT_TRUE(sys::ListFiles(out.Path(), "").empty());
    EXPECT_FALSE(sys::FolderExists(ExportFolderToday()));
}

TEST_F(ResultChangeBundleTest, ABundleHoldsSixPartsAndNoScratchFileStays) {
    ExportTicked({"A-001", "A-002"});
    EXPECT_EQ(sys::FileName(ExportFolderToday()), text::DateTime::Now().Format("%Y-%m-%d") + "由课题组填报的信息表");
    EXPECT_EQ(sys::ListFiles(ExportFolderToday(), ""), (std::vector<std::string>{"A-001.cgzh", "A-002.cgzh"}));
    std::vector<std::string> parts;
    ASSERT_EQ(LengthPrefixedContainer::Read(BundlePath(ExportFolderToday(), "A-002"), std::nullopt, 6, parts),
              LengthPrefixedContainer::ReadResult::Ok);
    // A project without child rows still carries each part, without rows.
    for (const std::string& part : parts) EXPECT_NE(part.find("s:Schema"), std::string::npos);
}

TEST_F(ResultChangeBundleTest, ExportingAgainTheSameDayReplacesTheBundles) {
    ExportTicked({"A-001"});
    testdb::Exec(db, "update CORVANE_NEW_RESULTCHANGE set XMMC='甲二' where XMBH='A-001'");
    view->m_dlgList.FillList();
    ExportTicked({"A-001"});
    ClearDatabase();
    EXPECT_EQ(ReadBundle(db, BundlePath(ExportFolderToday(), "A-001"), Folder(), [](const std::string&) { return true; }),
              ImportResult::Imported);
    EXPECT_EQ(Value("select XMMC from CORVANE_NEW_RESULTCHANGE"), "甲二");
}

TEST_F(ResultChangeBundleTest, ImportRestoresTheRecordByteForByteAndCountsIt) {
    const std::string rich = RichBytes("A-001", "JSYYQJ");
    ExportTicked({"A-001", "A-002"});
    ClearDatabase();
    driver.AnswerFolder(ExportFolderToday());
    driver.ExpectMessageBox("提示", "共导入了2条数据！");
    view->m_dlgList.OnBtnImport();

    EXPECT_EQ(testdb::Query(db, "select XMBH, XMMC, XMJF, CHECK13 from CORVANE_NEW_RESULTCHANGE order by XMBH"),
              (Rows{{"A-001", "甲", "30", "是"}, {"A-002", "乙", "", ""}}));
    EXPECT_TRUE(IsNull("XMZZXM", "A-001"));
    EXPECT_EQ(RichBytes("A-001", "JSYYQJ"), rich);
    EXPECT_EQ(ChildRows(kJcyj, "A-001"), (Rows{{"张三", "一所", "材料"}, {"李四", "二所", "力学"}}));
    EXPECT_EQ(ChildRows(kGzzdlist, "A-001"), (Rows{{"类型", "办法", "2008"}}));
    EXPECT_EQ(ListColumn(1).size(), 2u);
    EXPECT_FALSE(sys::FileExists(PathOf("由课题组填报的信息表.xml")));
}

TEST_F(ResultChangeBundleTest, AnExistingRecordIsReplacedWholeOnlyAfterOk) {
    ExportTicked({"A-001"});
    const std::string bundle = BundlePath(ExportFolderToday(), "A-001");
    testdb::Exec(db, "update CORVANE_NEW_RESULTCHANGE set XMMC='改过' where XMBH='A-001'");
    StoreChildRows(kGgll, "A-001", {{"后加", "", ""}});

    driver.ExpectMessageBox("提示", "项目编号为A-001的成果转化信息已存在，确定覆盖吗？", IDCANCEL);
    EXPECT_EQ(view->m_dlgList.Import(bundle), 0);
    EXPECT_EQ(Value("select XMMC from CORVANE_NEW_RESULTCHANGE where XMBH='A-001'"), "改过");

    driver.ExpectMessageBox("提示", "项目编号为A-001的成果转化信息已存在，确定覆盖吗？", IDOK);
    EXPECT_EQ(view->m_dlgList.Import(bundle), 1);
    EXPECT_EQ(testdb::Query(db, "select XMMC from CORVANE_NEW_RESULTCHANGE where XMBH='A-001'"), (Rows{{"甲"}}));
    EXPECT_EQ(ChildRows(kJcyj, "A-001").size(), 2u);
    EXPECT_TRUE(ChildRows(kGgll, "A-001").empty());
}

// Replacing a stored record whose old rows the database refuses to delete
// keeps the stored record whole and counts nothing: the new rows never stand
// beside the old ones.
TEST_F(ResultChangeBundleTest, ARefusedDeleteOfTheStoredRecordKeepsItAndCountsNothing) {
    ExportTicked({"A-001"});
    const std::string bundle = BundlePath(ExportFolderToday(), "A-001");
    testdb::Exec(db, "update CORVANE_NEW_RESULTCHANGE set XMMC='改过' where XMBH='A-001'");
    for (const std::string table : {std::string("CORVANE_NEW_RESULTCHANGE"), resultchange::ChildTables()[kJcyj].table}) {
        testdb::Exec(db, "create trigger refuse before delete on " + table +
             " begin select raise(abort, 'refused'); end");
        driver.ExpectMessageBox("提示", "项目编号为A-001的成果转化信息已存在，确定覆盖吗？", IDOK);
        driver.ExpectMessageBox("提示", "载入数据文件失败！");
        EXPECT_EQ(view->m_dlgList.Import(bundle), 0) << table;
        EXPECT_EQ(Value("select XMMC from CORVANE_NEW_RESULTCHANGE where XMBH='A-001'"), "改过") << table;
        EXPECT_EQ(ChildRows(kJcyj, "A-001").size(), 2u) << table;
        testdb::Exec(db, "drop trigger refuse");
    }
}

// Names like bundles that are no readable file are named in the report.
TEST_F(ResultChangeBundleTest, FoldersAndPipesNamedLikeBundlesAreNamed) {
    ExportTicked({"A-001"});
    const std::string folder = ExportFolderToday();
    ClearDatabase();
    ASSERT_TRUE(sys::MakeDirs(sys::JoinPath(folder, "a-folder.cgzh")));
    ASSERT_EQ(::mkfifo(sys::JoinPath(folder, "b-pipe.cgzh").c_str(), 0600), 0);
    driver.AnswerFolder(folder);
    driver.ExpectMessageBox("提示", "共导入了1条数据！\r\n以下名称不是可读取的文件，未导入：\r\na-folder.cgzh\r\nb-pipe.cgzh");
    view->m_dlgList.OnBtnImport();
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(testdb::Query(db, "select XMBH from CORVANE_NEW_RESULTCHANGE"), (Rows{{"A-001"}}));
}

TEST_F(ResultChangeBundleTest, AFolderWithoutBundlesCountsNone) {
    driver.AnswerFolder(out.Path());
    driver.ExpectMessageBox("提示", "共导入了0条数据！");
    view->m_dlgList.OnBtnImport();
    EXPECT_EQ(testdb::Count(db, "CORVANE_NEW_RESULTCHANGE"), 2);
}

// Damaged bundles are refused with the message and change nothing.
TEST_F(ResultChangeBundleTest, ADamagedBundleLeavesTheDatabaseAsItWas) {
    ExportTicked({"A-001"});
    std::string good;
    ASSERT_TRUE(sys::ReadFile(BundlePath(ExportFolderToday(), "A-001"), good));
    std::vector<std::string> parts;
    ASSERT_EQ(LengthPrefixedContainer::Unpack(good, std::nullopt, 6, parts), LengthPrefixedContainer::ReadResult::Ok);
    std::vector<std::string> badChild = parts;
    badChild[3] = "no saved recordset";
    std::vector<std::string> longValue = parts;
    // A child row whose value does not fit its column cannot be stored.
    const std::string name = "张三";
    longValue[1].replace(longValue[1].find(name), name.size(), std::string(80, 'x'));
    struct Case {
        const char* what;
        std::string bytes;
        bool readable;  // far enough to ask about the existing record
    };
    const Case cases[] = {
        {"cut short", good.substr(0, good.size() - 10), false},
        {"a part that is no recordset", LengthPrefixedContainer::Pack(std::nullopt, badChild), false},
        {"a row the database refuses", LengthPrefixedContainer::Pack(std::nullopt, longValue), true},
        {"empty", "", false},
    };
    testdb::Exec(db, "update CORVANE_NEW_RESULTCHANGE set XMMC='现有' where XMBH='A-001'");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = out.File("bad.cgzh");
        ASSERT_TRUE(sys::WriteFileAtomic(path, c.bytes));
        if (c.readable) driver.ExpectMessageBox("提示", "项目编号为A-001的成果转化信息已存在，确定覆盖吗？", IDOK);
        driver.ExpectMessageBox("提示", "载入数据文件失败！");
        EXPECT_EQ(view->m_dlgList.Import(path), 0);
        EXPECT_EQ(testdb::Query(db, "select XMMC from CORVANE_NEW_RESULTCHANGE where XMBH='A-001'"),
                  (Rows{{"现有"}}));
        EXPECT_EQ(ChildRows(kJcyj, "A-001").size(), 2u);
        EXPECT_EQ(ChildRows(kGzzdlist, "A-001").size(), 1u);
    }
}

TEST_F(ResultChangeBundleTest, ANumberFromTheFileNeverLeavesTheExportFolder) {
    EXPECT_EQ(sys::ParentFolder(BundlePath(out.Path(), "../../x")), sys::NativePath(out.Path()));
}

// Bundles made from a genuine one: rows that belong elsewhere, missing rows,
// and parts of another kind are refused whole, naming the file; nothing of
// them is stored and no other project's rows change.
TEST_F(ResultChangeBundleTest, CraftedBundlesAreRefusedBeforeAnythingIsStored) {
    StoreChildRows(kJcyj, "A-002", {{"王五", "三所", "化学"}});
    ExportTicked({"A-001"});
    const std::vector<std::string> parts = crafted::Parts(BundlePath(ExportFolderToday(), "A-001"), std::nullopt, 6);
    ASSERT_EQ(parts.size(), 6u);
    auto edited = [&](std::size_t part, const std::string& from, const std::string& to) {
        std::vector<std::string> changed = parts;
        changed[part] = crafted::Replaced(changed[part], from, to);
        return LengthPrefixedContainer::Pack(std::nullopt, changed);
    };
    auto withoutRows = [&](std::size_t part) {
        std::vector<std::string> changed = parts;
        changed[part] = crafted::WithoutRows(changed[part]);
        return LengthPrefixedContainer::Pack(std::nullopt, changed);
    };
    auto swapped = [&](std::size_t a, std::size_t b) {
        std::vector<std::string> changed = parts;
        std::swap(changed[a], changed[b]);
        return LengthPrefixedContainer::Pack(std::nullopt, changed);
    };
    const std::string wrongRows = "中没有项目编号的成果转化信息，或含有其他项目的记录，未导入！";
    const std::string otherKind = "不是成果转化信息文件，未导入！";
    const struct {
        const char* what;
        std::string bytes;
        const std::string& message;
    } cases[] = {
        {"a child row of another project", edited(1, "ITEM_XMBH='A-001'", "ITEM_XMBH='A-002'"), wrongRows},
        {"no main row", withoutRows(0), wrongRows},
        {"a main row without a number", edited(0, "XMBH='A-001'", "XMBH=''"), wrongRows},
        {"the main part swapped with a child part", swapped(0, 1), otherKind},
        {"two child parts swapped", swapped(1, 5), otherKind},
    };
    testdb::Exec(db, "delete from CORVANE_NEW_RESULTCHANGE where XMBH='A-001'");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = out.File("crafted.cgzh");
        ASSERT_TRUE(sys::WriteFileAtomic(path, c.bytes));
        driver.ExpectMessageBox("提示", "文件crafted.cgzh" + c.message);
        EXPECT_EQ(view->m_dlgList.Import(path), 0);
        EXPECT_EQ(testdb::Count(db, "CORVANE_NEW_RESULTCHANGE"), 1);
        EXPECT_EQ(ChildRows(kJcyj, "A-002"), (Rows{{"王五", "三所", "化学"}}));
        EXPECT_EQ(ChildRows(kJcyj, "A-001").size(), 2u);  // left as they were
    }
    // A child row that names no project is stored under the bundle's project.
    const std::string path = out.File("unnamed.cgzh");
    ASSERT_TRUE(sys::WriteFileAtomic(path, edited(1, "ITEM_XMBH='A-001'", "ITEM_XMBH=''")));
    EXPECT_EQ(view->m_dlgList.Import(path), 1);
    EXPECT_EQ(ChildRows(kJcyj, "A-001").size(), 2u);
    EXPECT_EQ(testdb::Count(db, "CORVANE_NEW_RESULTCHANGE"), 2);
}
