// The duplicate-record prompt and the export through the side database.
#include "ManageTestSupport.h"
#include "sysmanage/DlgRepeatRecord.h"
#include "sysmanage/SideDatabaseExport.h"

using managetest::Exec;
using managetest::FileRows;
using managetest::Query;
using managetest::Rows;
using managetest::Seed;
using namespace sysmanage;

namespace {

struct PromptCase {
    int radio;  // 0: left as it opened
    int button;
    bool chosen;
    DuplicatePolicy policy;
};

TEST(DuplicatePrompt, OpensOnOverwriteAndGivesTheCheckedPolicyOnOk) {
    const PromptCase cases[] = {
        {0, IDOK, true, Overwrite},
        {CDlgRepeatRecord::IDC_KEEP, IDOK, true, KeepExisting},
        {CDlgRepeatRecord::IDC_ASK, IDOK, true, AskEach},
        {CDlgRepeatRecord::IDC_ASK, IDCANCEL, false, Overwrite},
    };
    for (const PromptCase& c : cases) {
        SCOPED_TRACE(c.radio);
        ui::TestDriver driver;
        driver.OnModal<CDlgRepeatRecord>([&](CDlgRepeatRecord& dlg) {
            EXPECT_EQ(dlg.GetWindowText(), "重复记录");
            EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgRepeatRecord::IDC_OVERWRITE), 1u);
            EXPECT_EQ(dlg.IsDlgButtonChecked(CDlgRepeatRecord::IDC_KEEP), 0u);
            if (c.radio) dlg.Click(c.radio);
            dlg.Click(c.button);
        });
        DuplicatePolicy policy = Overwrite;
        EXPECT_EQ(ChooseDuplicatePolicy(policy), c.chosen);
        EXPECT_EQ(policy, c.policy);
        EXPECT_TRUE(driver.Finished());
    }
}

TEST(DuplicatePrompt, TheConstructorLeavesNoPolicyChosen) {
    EXPECT_EQ(CDlgRepeatRecord().m_nPolicy, -1);
}

TEST(DuplicatePrompt, OnlyAskEachAsksAndYesOverwrites) {
    ui::TestDriver driver;
    EXPECT_TRUE(ShouldOverwrite(Overwrite, "?"));
    EXPECT_FALSE(ShouldOverwrite(KeepExisting, "?"));
    EXPECT_TRUE(driver.Calls().empty());

    driver.ExpectMessageBox("提示", "覆盖吗？", IDYES);
    driver.ExpectMessageBox("提示", "覆盖吗？", IDNO);
    EXPECT_TRUE(ShouldOverwrite(AskEach, "覆盖吗？"));
    EXPECT_FALSE(ShouldOverwrite(AskEach, "覆盖吗？"));
    EXPECT_EQ(driver.Calls()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
}

// Three groups in project.mdb, the dialog's connections and recordset.
class SideExport : public ManageTest {
protected:
    void SetUp() override {
        ManageTest::SetUp();
        Exec(kProjectDatabase, "insert into CORVANE_SPECGROUP values ('9140A01', '一组', '甲所', '张三', '010-1', '13800000001')");
        Exec(kProjectDatabase, "insert into CORVANE_SPECGROUP values ('9140A02', '二组', '乙所', NULL, NULL, NULL)");
        Exec(kProjectDatabase, "insert into CORVANE_SPECGROUP values ('9140A03', '三组', '丙所', '李四', NULL, NULL)");
        ASSERT_TRUE(ConnectDatabase(project_, kProjectDatabase));
        ASSERT_TRUE(ConnectDatabase(side_, kSideDatabase));
        BindRecordset(recordset_, project_);
    }
    int Export(const std::vector<std::string>& keys) {
        return ExportThroughSideDatabase(kSpecGroupExport, keys, side_, recordset_);
    }
    Rows SideRows() { return Query(kSideDatabase, "select * from corvane_specgroup"); }

    CAdoConnection project_, side_;
    CAdoRecordSet recordset_;
};

TEST_F(SideExport, SavesExactlyTheChosenRowsInListOrderAndEmptiesTheSideTable) {
    const std::string file = PathOf("groups.sif");
    driver.AnswerFile(file);
    driver.ExpectMessageBox("提示", "共导出了2条数据！");
    EXPECT_EQ(Export({"9140A03", "9140A01"}), 2);

    const Rows expected{{"9140A03", "三组", "丙所", "李四", "", ""},
                        {"9140A01", "一组", "甲所", "张三", "010-1", "13800000001"}};
    EXPECT_EQ(FileRows(file), expected);
    EXPECT_TRUE(SideRows().empty());

    const ui::FileRequest& request = driver.FileRequests().at(0);
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.defaultName, "专业组信息.sif");
    EXPECT_EQ(request.defaultExt, "sif");
    EXPECT_EQ(request.filter, "专业组信息文件(*.sif)|*.sif||");
    EXPECT_TRUE(request.flags & OFN_OVERWRITEPROMPT);
    EXPECT_TRUE(request.flags & OFN_HIDEREADONLY);
}

TEST_F(SideExport, NothingSelectedLeavesTheSideDatabaseUntouched) {
    Seed(kSideDatabase, {"CORVANE_SPECGROUP", {"JJBH"}, {{"9140A09"}}});
    driver.ExpectMessageBox("提示", kSelectRecordsFirst);
    EXPECT_EQ(Export({}), -1);
    EXPECT_EQ(SideRows().size(), 1u);
}

TEST_F(SideExport, CancelledChooserLeavesTheSideTableEmptyAndWritesNoFile) {
    Seed(kSideDatabase, {"CORVANE_SPECGROUP", {"JJBH"}, {{"9140A09"}}});
    driver.CancelFile();
    EXPECT_EQ(Export({"9140A01"}), -1);
    EXPECT_TRUE(SideRows().empty());
    EXPECT_TRUE(driver.Finished());
}

TEST_F(SideExport, KeysAndQuotesMatchOnlyStoredRows) {
    const std::string file = PathOf("groups.sif");
    driver.AnswerFile(file);
    driver.ExpectMessageBox("提示", "共导出了1条数据！");
    EXPECT_EQ(Export({"9140A02", "gone' or '1'='1"}), 1);
    EXPECT_EQ(FileRows(file, 1), Rows{{"9140A02"}});
}

TEST_F(SideExport, AFailedSaveIsReportedAndEmptiesTheSideTable) {
    const std::string file = PathOf("missing-folder/groups.sif");
    driver.AnswerFile(file);
    driver.ExpectMessageBox("提示", "文件导出失败！");
    EXPECT_EQ(Export({"9140A01"}), -1);
    EXPECT_FALSE(sys::FileExists(file));
    EXPECT_TRUE(SideRows().empty());
}

TEST_F(SideExport, EachListHasItsTableKeyAndFile) {
    EXPECT_EQ(std::string(kExpertExport.defaultFile), "专家信息.eif");
    EXPECT_EQ(kExpertExport.columnsCopied, 12);
    EXPECT_EQ(kLabExport.columnsCopied, 14);
    Seed(kProjectDatabase, {"CORVANE_EXPERTINFO",
                            {"SSJJLB", "ID", "XM", "XB", "NL", "ZC", "ZYTC", "GZDW", "TXDZ", "YZBM", "DH", "SJ", "SFXSWYHCY"},
                            {{"J01", "E1", "王五", "男", "50", "研究员", "雷达", "某所", "某路", "100000", "010", "139", "是"}}});
    const std::string file = PathOf("experts.eif");
    driver.AnswerFile(file);
    driver.ExpectMessageBox("提示", "共导出了1条数据！");
    EXPECT_EQ(ExportThroughSideDatabase(kExpertExport, {"E1"}, side_, recordset_), 1);
    // Twelve columns travel; the thirteenth stays behind.
    const Rows rows = FileRows(file);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][11], "139");
    EXPECT_EQ(rows[0][12], "");
}

}  // namespace
