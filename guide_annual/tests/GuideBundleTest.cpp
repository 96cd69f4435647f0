// Guide bundles: what an export writes, and imports with each duplicate
// policy, other kinds of bundle, unreadable bundles and rows the database
// refuses (the database is left as it was).
#include <sys/stat.h>

#include "GuideTestSupport.h"
#include "guide_annual/DlgImportPolicy.h"
#include "guide_annual/GuideBundle.h"
#include "foundation/LengthPrefixedContainer.h"
#include "testsupport/CraftedBundle.h"
#include "platform/text/DateTime.h"
#include "testsupport/TempFolder.h"

using guidetest::Exec;
using guidetest::Query;
using guidetest::Rows;
using annualguide::CDlgImportPolicy;

namespace {

constexpr const char* kToday = "2024-05-06";

class Bundle : public GuideTest {
protected:
    void SetUp() override {
        GuideTest::SetUp();
        ASSERT_TRUE(ConnectGuideDatabase(connection));
    }
    bool Export(const std::string& fund, const std::string& year) {
        return GuideBundle::Export(connection, fund, year, out.Path(), kToday);
    }
    std::string BundlePath(const std::string& fund, const std::string& year) const {
        return out.File(GuideBundle::FileName(fund, year, kToday));
    }
    static Rows Guides() { return Query("select JJBH, ZNMC, FBNF from corvane_yearfundguide order by JJBH, FBNF"); }
    static Rows Subjects() { return Query("select ZTBH, JJBH, FBNF, ZTMC from corvane_year_studysubject order by ZTBH"); }
    static Rows Directions() {
        return Query("select YJFXBH, JJBH, FBNF, ZTBH, DWDM, YJFXMC, SFZDYJFX, BZ from corvane_year_studyaspect order by YJFXBH");
    }
    static Rows Everything() {
        Rows all = Guides();
        for (const Rows& more : {Subjects(), Directions()}) all.insert(all.end(), more.begin(), more.end());
        return all;
    }

    CAdoConnection connection;
    testsupport::TempFolder out;
};

TEST_F(Bundle, ExportWritesThreeRecordsetPartsAndTheSpecialtyGroupFile) {
    guidetest::StoreSimpleGuide("9140A01", "指南一", "2007");
    testdb::Seed(connection, {"corvane_specgroup", {"JJBH", "ZYZMC"}, {{"9140A01", "第一组"}}});
    ASSERT_TRUE(Export("9140A01", "2007"));

    EXPECT_EQ(GuideBundle::FileName("9140A01", "2007", kToday), "9140A01(2007)(2024-05-06).fund");
    std::vector<std::string> parts;
    ASSERT_EQ(LengthPrefixedContainer::Read(BundlePath("9140A01", "2007"), '1', 3, parts),
              LengthPrefixedContainer::ReadResult::Ok);
    const long expectedRows[] = {1, 1, 1};
    for (int i = 0; i < 3; ++i) {
        ASSERT_FALSE(parts[i].empty());
        sys::WriteFileAtomic(out.File("part.xml"), parts[i]);
        CAdoRecordSet rs;
        ASSERT_TRUE(rs.OpenFromFile(out.File("part.xml"))) << i;
        EXPECT_EQ(rs.GetRecordCount(), expectedRows[i]) << i;
    }
    EXPECT_TRUE(sys::FileExists(out.File("9140A01(2024-05-06).sif")));
    EXPECT_FALSE(sys::FileExists(out.File("9140A01(2024-05-06).lif")));  // no laboratory has this code
    EXPECT_FALSE(sys::FileExists(GuideBundle::ScratchFile(0)));
}

TEST_F(Bundle, FundNumbersWithPathSeparatorsStayInTheExportFolder) {
    const std::string fund = "../../x";
    const auto files = guidetest::WriteGuideFiles(out.File("seed"), "9140A02", {}, "无专题");
    ASSERT_TRUE(guidestore::StoreGuide(connection, fund, "越界", "2008", files, false));
    testdb::Seed(connection, {"corvane_specgroup", {"JJBH", "ZYZMC"}, {{fund, "第一组"}}});
    const std::string folder = sys::JoinPath(out.File("a"), "b");
    ASSERT_TRUE(sys::MakeDirs(folder));
    ASSERT_TRUE(GuideBundle::Export(connection, fund, "2008", folder, kToday));

    const std::string name = GuideBundle::FileName(fund, "2008", kToday);
    EXPECT_EQ(name.find('/'), std::string::npos);
    EXPECT_TRUE(sys::FileExists(sys::JoinPath(folder, name)));
    EXPECT_EQ(sys::ListFiles(folder, "sif").size(), 1u);
    for (const std::string& outside : {out.Path(), out.File("a")}) EXPECT_TRUE(sys::ListFiles(outside, "").empty()) << outside;
}

TEST_F(Bundle, GuideWithoutSubjectsTravelsWithEmptyParts) {
    const auto files = guidetest::WriteGuideFiles(out.File("seed"), "9140A02", {}, "无专题");
    ASSERT_TRUE(guidestore::StoreGuide(connection, "9140A02", "无专题", "2008", files, false));
    ASSERT_TRUE(Export("9140A02", "2008"));
    Exec("delete from corvane_yearfundguide");
    EXPECT_EQ(GuideBundle::Import(connection, BundlePath("9140A02", "2008"), 0), GuideBundle::ImportResult::Imported);
    EXPECT_EQ(Guides(), (Rows{{"9140A02", "无专题", "2008"}}));
    EXPECT_TRUE(Subjects().empty());
}

TEST_F(Bundle, RoundTripKeepsRowsAndRichTexts) {
    guidetest::StoreSimpleGuide("9140A01", "指南一", "2007");
    const Rows before = Everything();
    const Rows blobs = Query("select GS, XTFW from corvane_yearfundguide");
    ASSERT_TRUE(Export("9140A01", "2007"));
    Exec("delete from corvane_yearfundguide");
    Exec("delete from corvane_year_studysubject");
    Exec("delete from corvane_year_studyaspect");

    EXPECT_EQ(GuideBundle::Import(connection, BundlePath("9140A01", "2007"), 1), GuideBundle::ImportResult::Imported);
    EXPECT_EQ(Everything(), before);
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    ASSERT_TRUE(rs.Open("select * from corvane_yearfundguide"));
    std::string gs, topic;
    ASSERT_TRUE(guidestore::ReadBlob(rs, "GS", gs));
    ASSERT_TRUE(guidestore::ReadBlob(rs, "XTFW", topic));
    EXPECT_EQ(gs, guidetest::Rtf("指南一 0"));
    EXPECT_NE(topic.find("fund9140A0101"), std::string::npos);
}

TEST_F(Bundle, RoundTripKeepsNullRichTextsNullAndEmptyOnesEmpty) {
    guidetest::StoreSimpleGuide("9140A01", "指南一", "2007");
    Exec("update corvane_yearfundguide set GNWYJQK = NULL, YJNR_YEAR = X''");
    Exec("update corvane_year_studysubject set YJMD = NULL");
    const std::string nulls = "select g.GNWYJQK is null, length(g.YJNR_YEAR), g.GS is null, s.YJMD is null "
                              "from corvane_yearfundguide g, corvane_year_studysubject s";
    const Rows before = Query(nulls);
    ASSERT_EQ(before, (Rows{{"1", "0", "0", "1"}}));
    ASSERT_TRUE(Export("9140A01", "2007"));
    Exec("delete from corvane_yearfundguide");
    Exec("delete from corvane_year_studysubject");
    Exec("delete from corvane_year_studyaspect");
    EXPECT_EQ(GuideBundle::Import(connection, BundlePath("9140A01", "2007"), 1), GuideBundle::ImportResult::Imported);
    EXPECT_EQ(Query(nulls), before);
}

TEST_F(Bundle, OverwriteReplacesSubjectsAndDirectionsInsteadOfAddingThem) {
    guidetest::StoreSimpleGuide("9140A01", "指南一", "2007");
    ASSERT_TRUE(Export("9140A01", "2007"));
    const Rows exported = Everything();
    Exec("update corvane_yearfundguide set ZNMC = '本地修改'");
    testdb::Seed(connection,
                 {"corvane_year_studysubject", {"ZTBH", "JJBH", "FBNF", "ZTMC"}, {{"9140A0109", "9140A01", "2007", "本地专题"}}});

    EXPECT_EQ(GuideBundle::Import(connection, BundlePath("9140A01", "2007"), 0), GuideBundle::ImportResult::Imported);
    EXPECT_EQ(Everything(), exported);
}

TEST_F(Bundle, OtherKindsAndDamagedBundlesLeaveTheDatabaseAsItWas) {
    guidetest::StoreSimpleGuide("9140A01", "指南一", "2007");
    ASSERT_TRUE(Export("9140A01", "2007"));
    std::string good;
    ASSERT_TRUE(sys::ReadFile(BundlePath("9140A01", "2007"), good));
    Exec("delete from corvane_yearfundguide");
    const Rows before = Everything();

    // A direction part whose rows have one column more than the table.
    CAdoRecordSet wide;
    BindGuideRecordset(wide, connection);
    ASSERT_TRUE(wide.Open("select *, 'x' as EXTRA from corvane_year_studyaspect"));
    ASSERT_TRUE(wide.Save(out.File("wide.xml")));
    std::string wideBytes;
    ASSERT_TRUE(sys::ReadFile(out.File("wide.xml"), wideBytes));
    std::vector<std::string> parts;
    ASSERT_EQ(LengthPrefixedContainer::Unpack(good, '1', 3, parts), LengthPrefixedContainer::ReadResult::Ok);

    const struct {
        const char* what;
        std::string bytes;
        GuideBundle::ImportResult expected;
    } cases[] = {
        {"five-year marker", "0" + good.substr(1), GuideBundle::ImportResult::OtherKind},
        {"cut short", good.substr(0, good.size() / 2), GuideBundle::ImportResult::Corrupt},
        {"part is no recordset", LengthPrefixedContainer::Pack('1', {parts[0], "not xml", parts[2]}),
         GuideBundle::ImportResult::Corrupt},
        {"refused direction row", LengthPrefixedContainer::Pack('1', {parts[0], parts[1], wideBytes}),
         GuideBundle::ImportResult::Failed},
    };
    for (const auto& c : cases) {
        sys::WriteFileAtomic(out.File("case.fund"), c.bytes);
        EXPECT_EQ(GuideBundle::Import(connection, out.File("case.fund"), 0), c.expected) << c.what;
        EXPECT_EQ(Everything(), before) << c.what;
    }
}

// Bundles made from two genuine ones: every row must belong to the bundle's
// one guide. Each is refused as unreadable, and neither stored guide changes
// (the keep policy holds for the guide the stray rows name).
TEST_F(Bundle, RowsOfAnotherGuideOrRepeatedRowsMakeTheBundleUnreadable) {
    guidetest::StoreSimpleGuide("9140A01", "指南一", "2007");
    guidetest::StoreSimpleGuide("9140A02", "指南二", "2007");
    ASSERT_TRUE(Export("9140A01", "2007"));
    ASSERT_TRUE(Export("9140A02", "2007"));
    const std::vector<std::string> a = crafted::Parts(BundlePath("9140A01", "2007"), '1', 3),
                                   b = crafted::Parts(BundlePath("9140A02", "2007"), '1', 3);
    ASSERT_EQ(a.size(), 3u);
    ASSERT_EQ(b.size(), 3u);
    // The same subjects as rows of the five-year guide's table: the same
    // columns, another table.
    Exec("insert into corvane_five_studysubject (ZTBH, JJBH, FBNF, ZTMC) "
         "select ZTBH, JJBH, FBNF, ZTMC from corvane_year_studysubject where JJBH = '9140A01'");
    std::string fiveYearSubjects;
    {
        CAdoRecordSet rs;
        rs.SetConnection(&connection);
        ASSERT_TRUE(rs.Open("select * from corvane_five_studysubject"));
        ASSERT_TRUE(rs.Save(out.File("five.xml"), adPersistXML));
        ASSERT_TRUE(sys::ReadFile(out.File("five.xml"), fiveYearSubjects));
    }
    const struct {
        const char* what;
        std::vector<std::string> parts;
    } cases[] = {
        {"subjects of the five-year guide's table", {a[0], fiveYearSubjects, a[2]}},
        {"subjects of another guide", {a[0], b[1], a[2]}},
        {"directions of another guide", {a[0], a[1], b[2]}},
        {"the guide row twice", {crafted::FirstRowTwice(a[0]), a[1], a[2]}},
        {"a subject row twice", {a[0], crafted::FirstRowTwice(a[1]), a[2]}},
        {"no guide row, rows of two guides", {crafted::WithoutRows(a[0]), a[1], b[2]}},
        {"subjects in the guide's place", {a[1], a[1], a[2]}},
    };
    const Rows before = Everything();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(LengthPrefixedContainer::Write(out.File("case.fund"), '1', c.parts));
        for (int policy : {0, 1})
            EXPECT_EQ(GuideBundle::Import(connection, out.File("case.fund"), policy), GuideBundle::ImportResult::Corrupt);
        EXPECT_EQ(Everything(), before);
    }
}

// A bundle without its guide row replaces a stored guide's subjects and
// directions (or brings them alone, as five-year bundles of topics do); a
// bundle without any row is refused, whatever the policy.
TEST_F(Bundle, ABundleWithoutAnyRowIsRefused) {
    guidetest::StoreSimpleGuide("9140A01", "指南一", "2007");
    ASSERT_TRUE(Export("9140A01", "2007"));
    std::vector<std::string> parts = crafted::Parts(BundlePath("9140A01", "2007"), '1', 3);
    ASSERT_EQ(parts.size(), 3u);
    parts[0] = crafted::WithoutRows(parts[0]);
    ASSERT_TRUE(LengthPrefixedContainer::Write(out.File("rows.fund"), '1', parts));
    ASSERT_TRUE(LengthPrefixedContainer::Write(
        out.File("empty.fund"), '1', {parts[0], crafted::WithoutRows(parts[1]), crafted::WithoutRows(parts[2])}));

    const Rows before = Everything();
    for (int policy : {0, 2})
        EXPECT_EQ(GuideBundle::Import(connection, out.File("empty.fund"), policy), GuideBundle::ImportResult::Corrupt);
    EXPECT_EQ(Everything(), before);

    Exec("delete from corvane_year_studyaspect");
    EXPECT_EQ(GuideBundle::Import(connection, out.File("rows.fund"), 0), GuideBundle::ImportResult::Imported);
    EXPECT_EQ(Everything(), before);
}

// The view's import command over a folder of three bundles, one of them
// stored already (with a changed name), for each policy.
TEST_F(Bundle, ImportCommandAppliesThePolicyToStoredGuides) {
    const struct {
        int policy;
        std::optional<int> answer;  // to the question of policy 2
        int count;
        std::string storedName;
    } cases[] = {
        {0, std::nullopt, 3, "指南一"},
        {1, std::nullopt, 2, "本地修改"},
        {2, IDNO, 2, "本地修改"},
        {2, IDYES, 3, "指南一"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.policy);
        Exec("delete from corvane_yearfundguide");
        Exec("delete from corvane_year_studysubject");
        Exec("delete from corvane_year_studyaspect");
        testsupport::TempFolder bundles;
        for (const char* fund : {"9140A01", "9140A02", "9140A03"}) {
            guidetest::StoreSimpleGuide(fund, fund == std::string("9140A01") ? "指南一" : "其他", "2007");
            ASSERT_TRUE(GuideBundle::Export(connection, fund, "2007", bundles.Path(), kToday));
        }
        Exec("delete from corvane_yearfundguide where JJBH <> '9140A01'");
        Exec("delete from corvane_year_studysubject where JJBH <> '9140A01'");
        Exec("delete from corvane_year_studyaspect where JJBH <> '9140A01'");
        Exec("update corvane_yearfundguide set ZNMC = '本地修改'");

        CDlgOneGuide& view = OpenView("2006-2010");
        driver.OnModal<CDlgImportPolicy>([&](CDlgImportPolicy& dlg) {
            dlg.CheckDlgButton(CDlgImportPolicy::IDC_OVERWRITE, c.policy == 0);
            dlg.CheckDlgButton(CDlgImportPolicy::IDC_KEEP, c.policy == 1);
            dlg.CheckDlgButton(CDlgImportPolicy::IDC_ASK, c.policy == 2);
            dlg.Click(IDOK);
        });
        driver.AnswerFolder(bundles.Path());
        if (c.answer) driver.ExpectMessageBox("提示", "记录已存在，是否覆盖原有记录？", *c.answer);
        driver.ExpectMessageBox("提示", "共导入了" + std::to_string(c.count) + "条数据！");
        view.OnBtnImport();

        EXPECT_EQ(view.m_nPolicy, c.policy);
        EXPECT_EQ(Query("select ZNMC from corvane_yearfundguide where JJBH = '9140A01'"), (Rows{{c.storedName}}));
        EXPECT_EQ(Query("select count(*) from corvane_year_studysubject where JJBH = '9140A01'"), (Rows{{"1"}}));
        EXPECT_EQ(ListRows(view).size(), 3u);
        EXPECT_FALSE(sys::FileExists(GuideBundle::ScratchFile(0)));
        EXPECT_TRUE(driver.Finished());
    }
}

// A five-year guide's bundle is left to its own list, and named.
TEST_F(Bundle, ImportCommandNamesUnreadableFilesAndSkipsFiveYearBundles) {
    testsupport::TempFolder bundles;
    sys::WriteFileAtomic(bundles.File("five.fund"), LengthPrefixedContainer::Pack('0', {"a", "b", "c"}));
    sys::WriteFileAtomic(bundles.File("broken.fund"), std::string("1\x10\x00\x00\x00short", 10));
    CDlgOneGuide& view = OpenView("2006-2010");
    driver.OnModal<CDlgImportPolicy>([](CDlgImportPolicy& dlg) { dlg.Click(IDOK); });
    driver.AnswerFolder(bundles.Path());
    driver.ExpectMessageBox("提示", "共导入了0条数据！\r\n以下文件不是有效的指南文件，未导入：\r\nbroken.fund（不完整）"
                                    "\r\n以下文件是另一类指南（年度或五年）的文件，未导入：\r\nfive.fund");
    view.OnBtnImport();
    EXPECT_TRUE(Guides().empty());
}

TEST_F(Bundle, ImportCommandNamesFoldersAndPipesNamedLikeBundles) {
    testsupport::TempFolder bundles;
    ASSERT_TRUE(sys::MakeDirs(bundles.File("a-folder.fund")));
    ASSERT_EQ(::mkfifo(bundles.File("b-pipe.fund").c_str(), 0600), 0);
    CDlgOneGuide& view = OpenView("2006-2010");
    driver.OnModal<CDlgImportPolicy>([](CDlgImportPolicy& dlg) { dlg.Click(IDOK); });
    driver.AnswerFolder(bundles.Path());
    driver.ExpectMessageBox("提示", "共导入了0条数据！\r\n以下名称不是可读取的文件，未导入：\r\na-folder.fund\r\nb-pipe.fund");
    view.OnBtnImport();
    EXPECT_TRUE(driver.Finished());
    EXPECT_TRUE(Guides().empty());
}

TEST_F(Bundle, ImportCommandCountsAnEmptyFileWithTheUnreadableOnes) {
    testsupport::TempFolder bundles;
    sys::WriteFileAtomic(bundles.File("empty.fund"), "");
    CDlgOneGuide& view = OpenView("2006-2010");
    driver.OnModal<CDlgImportPolicy>([](CDlgImportPolicy& dlg) { dlg.Click(IDOK); });
    driver.AnswerFolder(bundles.Path());
    driver.ExpectMessageBox("提示", "共导入了0条数据！\r\n以下文件不是有效的指南文件，未导入：\r\nempty.fund（不完整）");
    view.OnBtnImport();
    EXPECT_TRUE(Guides().empty());
}

TEST_F(Bundle, ExportCommandNeedsASelectionAndWritesIntoTheAnnualGuideFolder) {
    guidetest::StoreSimpleGuide("9140A01", "指南一", "2007");
    CDlgOneGuide& view = OpenView("2006-2010");
    driver.ExpectMessageBox("提示", "请先选择要导出的记录！");
    view.OnBtnExport();

    SelectRows(view, {0});
    driver.AnswerFolder(out.Path());
    driver.AnswerMessageBox();
    view.OnBtnExport();
    const auto boxes = driver.MessageBoxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, "上报文件已导出至" + out.File("年度指南") + "/");
    const std::string today = text::DateTime::Now().Format("%Y-%m-%d");
    EXPECT_TRUE(sys::FileExists(sys::JoinPath(out.File("年度指南"), GuideBundle::FileName("9140A01", "2007", today))));
}

}  // namespace
