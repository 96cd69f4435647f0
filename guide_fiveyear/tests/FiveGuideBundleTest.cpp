// The five-year guide bundles: what an export writes (marker, parts,
// companion files, names), a round trip, the import policies, bundles that
// are refused with the tables left as they were, and the view's import and
// export commands with their messages.
#include "FiveGuideTestSupport.h"
#include "foundation/LengthPrefixedContainer.h"
#include "guide_annual/DlgImportPolicy.h"
#include "guide_fiveyear/FiveGuideBundle.h"
#include "platform/text/DateTime.h"

namespace {

constexpr const char* kFund = "9140A01";
constexpr const char* kPeriod = "2011-2015";

class FiveGuideBundleTest : public FiveGuideTest {
protected:
    void SetUp() override {
        FiveGuideTest::SetUp();
        today = text::DateTime::Now().Format("%Y-%m-%d");
        out = PathOf("out");
        sys::MakeDirs(out);
    }
    // The guide 9140A01 with one topic and a direction directed at two units,
    // key-flagged as another office may have sent it.
    void SeedGuide(const std::string& name = "指南") {
        AddGuide(kFund, name, kPeriod, "<选题范围/>");
        AddTopic("9140A0101", kFund, kPeriod, "专题");
        AddDirection("9140A010101", kFund, kPeriod, "9140A0101", "U1", "方向", "1");
        AddDirection("9140A010101", kFund, kPeriod, "9140A0101", "U2", "方向", "1");
    }
    std::string Export(const std::string& fund = kFund) {
        EXPECT_TRUE(FiveGuideBundle::Export(db, fund, kPeriod, out, today));
        return sys::JoinPath(out, fund + std::string("(") + today + ").fund");
    }
    void ClearTables() {
        for (const char* table : {"corvane_fivefundguide", "corvane_five_studysubject", "corvane_five_studyaspect"})
            Exec(std::string("delete from ") + table);
    }
    std::vector<std::string> Parts(const std::string& path, char marker = '0') {
        std::vector<std::string> parts;
        EXPECT_EQ(LengthPrefixedContainer::Read(path, marker, 3, parts), LengthPrefixedContainer::ReadResult::Ok);
        return parts;
    }
    FiveGuideBundle::ImportResult Import(const std::string& path, int policy) {
        return FiveGuideBundle::Import(db, path, policy);
    }

    std::string today, out;
};

TEST_F(FiveGuideBundleTest, ExportWritesTheBundleAndTheCompanionOfEachOwnerOfTheCode) {
    const struct {
        bool group, lab;
        std::vector<std::string> files;
    } cases[] = {
        {true, false, {".fund", ".sif"}},
        {false, true, {".fund", ".lif"}},
        {true, true, {".fund", ".lif", ".sif"}},
        {false, false, {".fund"}},
    };
    SeedGuide();
    for (const auto& c : cases) {
        Exec("delete from CORVANE_SPECGROUP");
        Exec("delete from CORVANE_LAB");
        if (c.group) AddGroup(kFund, "专业组");
        if (c.lab) AddLab(kFund, "实验室");
        sys::RemoveAll(out);
        sys::MakeDirs(out);
        Export();
        std::vector<std::string> expected;
        for (const std::string& extension : c.files) expected.push_back(kFund + std::string("(") + today + ")" + extension);
        EXPECT_EQ(sys::ListFiles(out, ""), expected) << c.group << c.lab;
    }
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(sys::JoinPath(out, kFund + std::string("(") + today + ").fund"), bytes));
    EXPECT_EQ(bytes.substr(0, 1), "0");
    for (int part = 0; part < 3; ++part) EXPECT_FALSE(sys::FileExists(FiveGuideBundle::ScratchFile(part))) << part;
}

TEST_F(FiveGuideBundleTest, RoundTripBringsBackEveryRowAndItsRichTexts) {
    SeedGuide();
    const Rows before = AllGuideRows();
    const std::string chapter = Blob("select * from corvane_fivefundguide", "ZMB");
    const std::string path = Export();
    ClearTables();
    EXPECT_EQ(Import(path, 0), FiveGuideBundle::ImportResult::Imported);
    EXPECT_EQ(AllGuideRows(), before);
    EXPECT_EQ(Blob("select * from corvane_fivefundguide", "ZMB"), chapter);
    EXPECT_EQ(Blob("select * from corvane_five_studysubject", "YJMD"), Rtf("purpose of 9140A0101"));
}

TEST_F(FiveGuideBundleTest, RoundTripKeepsNullRichTextsNullAndEmptyOnesEmpty) {
    SeedGuide();
    Exec("update corvane_fivefundguide set GNWYJQK = NULL, XYFX = X''");
    Exec("update corvane_five_studysubject set YJMD = NULL");
    const std::string nulls = "select g.GNWYJQK is null, length(g.XYFX), g.ZMB is null, s.YJMD is null "
                              "from corvane_fivefundguide g, corvane_five_studysubject s";
    const Rows before = Query(nulls);
    ASSERT_EQ(before, (Rows{{"1", "0", "0", "1"}}));
    const std::string path = Export();
    ClearTables();
    EXPECT_EQ(Import(path, 0), FiveGuideBundle::ImportResult::Imported);
    EXPECT_EQ(Query(nulls), before);
}

// The policy decides about a stored guide, also for a bundle of its topics
// and directions without its guide row: kept, nothing is added beside the
// stored rows; replaced, the bundle's rows take the stored ones' place (the
// stored guide row stays when the bundle has none).
TEST_F(FiveGuideBundleTest, PolicyDecidesAboutAStoredGuideAndAnOverwriteKeepsNoOldTopics) {
    SeedGuide("寄来的");
    const std::string path = PathOf("full.fund"), rowsOnly = PathOf("rows-only.fund");
    ASSERT_TRUE(sys::CopyFile(Export(), path));
    const Rows sent = AllGuideRows();
    ClearTables();
    AddTopic("9140A0101", kFund, kPeriod, "专题");
    AddDirection("9140A010101", kFund, kPeriod, "9140A0101", "U1", "方向");
    ASSERT_TRUE(sys::CopyFile(Export(), rowsOnly));
    AddGuide(kFund, "本地的", kPeriod);
    const Rows sentRows = AllGuideRows();
    const struct {
        std::string path;
        const Rows& overwritten;
    } bundles[] = {{path, sent}, {rowsOnly, sentRows}};
    const struct {
        int policy;
        int answer;  // 0: no question expected
        FiveGuideBundle::ImportResult result;
        bool overwritten;
    } cases[] = {
        {0, 0, FiveGuideBundle::ImportResult::Imported, true},
        {1, 0, FiveGuideBundle::ImportResult::Skipped, false},
        {2, IDYES, FiveGuideBundle::ImportResult::Imported, true},
        {2, IDNO, FiveGuideBundle::ImportResult::Skipped, false},
    };
    for (const auto& bundle : bundles) {
        for (const auto& c : cases) {
            SCOPED_TRACE(bundle.path);
            ClearTables();
            AddGuide(kFund, "本地的", kPeriod);
            AddTopic("9140A0109", kFund, kPeriod, "本地专题");
            const Rows local = AllGuideRows();
            if (c.answer) driver.ExpectMessageBox("提示", "记录已存在，是否覆盖原有记录？", c.answer);
            EXPECT_EQ(Import(bundle.path, c.policy), c.result) << c.policy << "/" << c.answer;
            EXPECT_TRUE(driver.Finished());
            EXPECT_EQ(AllGuideRows(), c.overwritten ? bundle.overwritten : local) << c.policy << "/" << c.answer;
        }
    }
    ClearTables();  // a guide not stored is imported whatever the policy
    EXPECT_EQ(Import(path, 1), FiveGuideBundle::ImportResult::Imported);
    EXPECT_EQ(AllGuideRows(), sent);
}

TEST_F(FiveGuideBundleTest, RefusedBundlesLeaveTheTablesAsTheyWere) {
    SeedGuide();
    const std::vector<std::string> parts = Parts(Export());

    const std::string annual = PathOf("annual.fund"), truncated = PathOf("truncated.fund"),
                      badRow = PathOf("badrow.fund"), notXml = PathOf("notxml.fund");
    ASSERT_TRUE(LengthPrefixedContainer::Write(annual, '1', parts));
    std::string bytes = LengthPrefixedContainer::Pack('0', parts);
    ASSERT_TRUE(sys::WriteFileAtomic(truncated, bytes.substr(0, bytes.size() - 10)));
    std::vector<std::string> tampered = parts;  // a direction number longer than its column
    tampered[2] = text::ReplaceAll(tampered[2], "9140A010101", std::string(60, '9'));
    ASSERT_TRUE(LengthPrefixedContainer::Write(badRow, '0', tampered));
    ASSERT_TRUE(LengthPrefixedContainer::Write(notXml, '0', {parts[0], "not a recordset", parts[2]}));

    ClearTables();
    AddGuide("9140A05", "本地", kPeriod);
    const struct {
        std::string path;
        FiveGuideBundle::ImportResult result;
    } cases[] = {
        {annual, FiveGuideBundle::ImportResult::OtherKind},
        {truncated, FiveGuideBundle::ImportResult::Corrupt},
        {notXml, FiveGuideBundle::ImportResult::Corrupt},
        {badRow, FiveGuideBundle::ImportResult::Failed},  // the guide row was written first: rolled back
    };
    const Rows stored = AllGuideRows();
    for (const auto& c : cases) {
        EXPECT_EQ(Import(c.path, 0), c.result) << c.path;
        EXPECT_EQ(AllGuideRows(), stored) << c.path;
    }
}

TEST_F(FiveGuideBundleTest, BundleWithoutGuideRowStillBringsItsTopicsAndDirections) {
    AddTopic("9140A0101", kFund, kPeriod, "专题");
    AddDirection("9140A010101", kFund, kPeriod, "9140A0101", "U1", "方向");
    const std::string path = Export();
    const Rows before = AllGuideRows();
    ClearTables();
    EXPECT_EQ(Import(path, 1), FiveGuideBundle::ImportResult::Imported);
    EXPECT_EQ(AllGuideRows(), before);
}

// ---- the view's commands ----

TEST_F(FiveGuideBundleTest, ViewExportsTheSelectedGuidesIntoTheFiveYearFolder) {
    AddGroup("9140A01", "甲组");
    AddLab("9140C01", "甲实验室");
    AddGuide("9140A01", "组指南", kPeriod);
    AddGuide("9140C01", "实验室指南", kPeriod);
    CDlgFiveGuide& view = OpenView(kPeriod);

    driver.ExpectMessageBox("提示", "请先选择要导出的记录！");
    view.OnBtnExport();
    SelectRows(view, {0, 1});
    driver.AnswerFolder("");
    view.OnBtnExport();  // cancelled: nothing is written
    EXPECT_TRUE(sys::ListFiles(out, "").empty());

    driver.AnswerFolder(out);
    const std::string folder = sys::JoinPath(out, "五年指南");
    driver.ExpectMessageBox("提示", "上报文件已导出至" + folder + "/");
    view.OnBtnExport();
    EXPECT_EQ(sys::ListFiles(folder, ""),
              (std::vector<std::string>{"9140A01(" + today + ").fund", "9140A01(" + today + ").sif",
                                        "9140C01(" + today + ").fund", "9140C01(" + today + ").lif"}));
    EXPECT_EQ(driver.MessageBoxes().front().type & MB_ICONMASK, UINT(MB_ICONERROR));
}

TEST_F(FiveGuideBundleTest, ViewImportsEveryFiveYearBundleOfTheFolderAndCountsThem) {
    AddGroup("9140A01", "甲组");
    SeedGuide();
    const std::vector<std::string> parts = Parts(Export());
    const std::string in = PathOf("in");
    sys::MakeDirs(sys::JoinPath(in, "sub"));
    ASSERT_TRUE(LengthPrefixedContainer::Write(sys::JoinPath(in, "a.fund"), '0', parts));
    ASSERT_TRUE(LengthPrefixedContainer::Write(sys::JoinPath(in, "annual.fund"), '1', parts));
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, "bad.fund"), "0\x7f"));
    ASSERT_TRUE(LengthPrefixedContainer::Write(sys::JoinPath(sys::JoinPath(in, "sub"), "deeper.fund"), '0', parts));
    const Rows sent = AllGuideRows();
    ClearTables();
    CDlgFiveGuide& view = OpenView(kPeriod);
    EXPECT_TRUE(ListRows(view).empty());

    driver.OnModal([](ui::Dialog& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "导入提示");
        EXPECT_TRUE(dlg.IsDlgButtonChecked(annualguide::CDlgImportPolicy::IDC_OVERWRITE));
        dlg.Click(annualguide::CDlgImportPolicy::IDC_KEEP);
        dlg.Click(IDOK);
    });
    driver.AnswerFolder(in);
    const std::string named = "\r\n以下文件不是有效的指南文件，未导入：\r\nbad.fund（不完整）"
                              "\r\n以下文件是另一类指南（年度或五年）的文件，未导入：\r\nannual.fund";
    driver.ExpectMessageBox("提示", "共导入了1条数据！" + named);
    view.OnBtnImport();
    EXPECT_EQ(view.m_nPolicy, 1);
    EXPECT_EQ(AllGuideRows(), sent);  // the subfolder's bundle is not read
    EXPECT_EQ(ListRows(view), (Rows{{kFund, "甲组", "指南"}}));
    for (int part = 0; part < 3; ++part) EXPECT_FALSE(sys::FileExists(FiveGuideBundle::ScratchFile(part))) << part;

    driver.OnModal([](ui::Dialog& dlg) {
        EXPECT_TRUE(dlg.IsDlgButtonChecked(annualguide::CDlgImportPolicy::IDC_KEEP));  // the policy stays with the view
        dlg.Click(IDOK);
    });
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "共导入了0条数据！" + named);
    view.OnBtnImport();
    EXPECT_EQ(AllGuideRows(), sent);
}

}  // namespace
