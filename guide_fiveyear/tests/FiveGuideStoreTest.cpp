// The stored five-year guides: a new guide with its topics and direction
// rows, a replace, refused saves that leave the tables as they were, the
// deletion of one guide of one period, and loading a guide into the files.
#include "FiveGuideTestSupport.h"
#include "guide_fiveyear/FiveGuideStore.h"

namespace {

constexpr const char* kFund = "9140A01";
constexpr const char* kPeriod = "2011-2015";

class FiveGuideStore : public FiveGuideTest {
protected:
    // Chapter files "chapter <i>", a topic document and its purpose files in
    // a folder of the test.
    fiveyearstore::GuideFiles WriteFiles(const std::string& topicXml, const std::vector<std::string>& purposes) {
        fiveyearstore::GuideFiles files;
        const std::string folder = PathOf("files");
        sys::MakeDirs(folder);
        for (int i = 0; i < fiveyearstore::kChapterCount; ++i) {
            files.chapters[i] = sys::JoinPath(folder, "chapter" + std::to_string(i) + ".rtf");
            sys::WriteFileAtomic(files.chapters[i], Rtf("chapter " + std::to_string(i)));
        }
        files.topicFolder = folder;
        files.topicFile = sys::JoinPath(folder, "选题范围.xml");
        sys::WriteFileAtomic(files.topicFile, topicXml);
        for (const std::string& topic : purposes)
            sys::WriteFileAtomic(sys::JoinPath(folder, topic + ".rtf"), Rtf("purpose of " + topic));
        return files;
    }
    // Topic 01 with direction 01 (units U1, U2) and the undirected direction 02.
    static std::string TwoDirections(const std::string& topicName = "专题一") {
        return "<选题范围><fund9140A0101 专题名称=\"" + topicName +
               "\" 研究目的=\"9140A0101.rtf\">"
               "<fund9140A010101 研究方向名称=\"方向一\" 是否重点研究方向=\"\">"
               "<单位1 单位代码=\"U1\" 单位名称=\"甲\"/><单位2 单位代码=\"U2\" 单位名称=\"乙\"/></fund9140A010101>"
               "<fund9140A010102 研究方向名称=\"方向二\" 是否重点研究方向=\"\"/>"
               "</fund9140A0101></选题范围>";
    }
    Rows Directions() {
        return Query("select YJFXBH, JJBH, FBNF, ZTBH, DWDM, YJFXMC, SFZDYJFX, BZ from corvane_five_studyaspect "
                     "order by YJFXBH, DWDM");
    }
};

TEST_F(FiveGuideStore, NewGuideStoresChaptersTopicsAndOneDirectionRowPerUnit) {
    const auto files = WriteFiles(TwoDirections(), {"9140A0101"});
    ASSERT_TRUE(fiveyearstore::StoreGuide(db, kFund, "指南", kPeriod, files, false));

    EXPECT_EQ(Query("select JJBH, FBNF, ZNMC from corvane_fivefundguide"), (Rows{{kFund, kPeriod, "指南"}}));
    const std::string guide = "select * from corvane_fivefundguide";
    for (int i = 0; i < fiveyearstore::kChapterCount; ++i)
        EXPECT_EQ(Blob(guide, fiveyearstore::kChapterColumns[i]), Rtf("chapter " + std::to_string(i)));
    EXPECT_EQ(Blob(guide, "XTFW"), TwoDirections());
    EXPECT_EQ(Query("select ZTBH, JJBH, FBNF, ZTMC from corvane_five_studysubject"),
              (Rows{{"9140A0101", kFund, kPeriod, "专题一"}}));
    EXPECT_EQ(Blob("select * from corvane_five_studysubject", "YJMD"), Rtf("purpose of 9140A0101"));
    EXPECT_EQ(Directions(), (Rows{{"9140A010101", kFund, kPeriod, "9140A0101", "U1", "方向一", "", "备注"},
                                  {"9140A010101", kFund, kPeriod, "9140A0101", "U2", "方向一", "", "备注"},
                                  {"9140A010102", kFund, kPeriod, "9140A0101", " ", "方向二", "", "备注"}}));
}

TEST_F(FiveGuideStore, ReplaceRewritesTheRowAndGivesTheStoredTopicsWay) {
    ASSERT_TRUE(fiveyearstore::StoreGuide(db, kFund, "旧", kPeriod, WriteFiles(TwoDirections(), {"9140A0101"}), false));
    AddGuide(kFund, "其他时期", "2016-2020");
    AddTopic("9140A0101", kFund, "2016-2020", "其他时期的专题");

    const std::string oneTopic = "<选题范围><fund9140A0102 专题名称=\"新专题\" 研究目的=\"9140A0102.rtf\"/></选题范围>";
    ASSERT_TRUE(fiveyearstore::StoreGuide(db, kFund, "新", kPeriod, WriteFiles(oneTopic, {"9140A0102"}), true));

    EXPECT_EQ(Query("select JJBH, FBNF, ZNMC from corvane_fivefundguide order by FBNF"),
              (Rows{{kFund, kPeriod, "新"}, {kFund, "2016-2020", "其他时期"}}));
    EXPECT_EQ(Query("select ZTBH, FBNF, ZTMC from corvane_five_studysubject order by FBNF"),
              (Rows{{"9140A0102", kPeriod, "新专题"}, {"9140A0101", "2016-2020", "其他时期的专题"}}));
    EXPECT_TRUE(Directions().empty());
}

TEST_F(FiveGuideStore, RefusedSavesLeaveTheTablesAsTheyWere) {
    ASSERT_TRUE(fiveyearstore::StoreGuide(db, kFund, "指南", kPeriod, WriteFiles(TwoDirections(), {"9140A0101"}), false));
    const Rows before = AllGuideRows();
    const struct {
        const char* what;
        std::string fund, xml;
        std::vector<std::string> purposes;
        bool replace;
    } cases[] = {
        {"replace of a guide no longer stored", "9140A02", TwoDirections(), {"9140A0101"}, true},
        {"purpose file missing", "9140A02", TwoDirections(), {}, false},
        {"topic document unreadable", "9140A02", "<选题范围><unclosed", {"9140A0101"}, false},
        {"replace with purpose file missing", kFund, TwoDirections("改名"), {}, true},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(fiveyearstore::StoreGuide(db, c.fund, "指南", kPeriod, WriteFiles(c.xml, c.purposes), c.replace))
            << c.what;
        EXPECT_EQ(AllGuideRows(), before) << c.what;
        sys::RemoveAll(PathOf("files"));
    }
}

TEST_F(FiveGuideStore, DeleteRemovesOneGuideOfOnePeriodWithItsTopicsAndDirections) {
    for (const char* period : {kPeriod, "2016-2020"}) {
        AddGuide(kFund, "指南", period);
        AddTopic("9140A0101", kFund, period, "专题");
        AddDirection("9140A010101", kFund, period, "9140A0101", "U1", "方向");
    }
    AddGuide("9140A02", "另一个", kPeriod);
    ASSERT_TRUE(fiveyearstore::DeleteGuide(db, kFund, kPeriod));
    EXPECT_EQ(Query("select JJBH, FBNF from corvane_fivefundguide order by JJBH"),
              (Rows{{kFund, "2016-2020"}, {"9140A02", kPeriod}}));
    EXPECT_EQ(Query("select FBNF from corvane_five_studysubject"), (Rows{{"2016-2020"}}));
    EXPECT_EQ(Query("select FBNF from corvane_five_studyaspect"), (Rows{{"2016-2020"}}));
}

TEST_F(FiveGuideStore, LoadWritesTheGuideAndLeavesNothingOfAnotherGuide) {
    AddGuide(kFund, "指南", kPeriod);
    Exec("update corvane_fivefundguide set ZMB = NULL");
    AddTopic("9140A0101", kFund, kPeriod, "专题");
    auto files = WriteFiles("stale topics", {});
    for (const std::string& chapter : files.chapters) sys::WriteFileAtomic(chapter, "stale");

    EXPECT_FALSE(fiveyearstore::LoadGuide(db, "9140A09", kPeriod, files));
    std::string text;
    ASSERT_TRUE(sys::ReadFile(files.chapters[0], text));
    EXPECT_EQ(text, "stale");  // nothing is touched for a guide not stored

    ASSERT_TRUE(fiveyearstore::LoadGuide(db, kFund, kPeriod, files));
    const std::string expected[] = {Rtf("GS of 9140A01"), Rtf("GNWYJQK of 9140A01"), "", Rtf("YXGJHZNGX of 9140A01"),
                                    Rtf("XYFX of 9140A01")};
    for (int i = 0; i < fiveyearstore::kChapterCount; ++i) {
        ASSERT_TRUE(sys::ReadFile(files.chapters[i], text));
        EXPECT_EQ(text, expected[i]) << i;
    }
    ASSERT_TRUE(sys::ReadFile(files.topicFile, text));
    EXPECT_NE(text.find("选题范围"), std::string::npos);  // an empty topic document, not the stale one
    EXPECT_EQ(text.find("stale"), std::string::npos);
    ASSERT_TRUE(sys::ReadFile(sys::JoinPath(files.topicFolder, "9140A0101.rtf"), text));
    EXPECT_EQ(text, Rtf("purpose of 9140A0101"));
}

}  // namespace

// The view's list: the period's guides of the specialist groups, then those
// of the laboratories, each by fund number, alone or within a search's
// selections; the groups and laboratories a guide can be written for, and
// the name of the one chosen, with quotes in codes and names.
TEST_F(FiveGuideStore, ListsGroupsThenLaboratoriesAndFindsOwnersByCode) {
    Exec("insert into corvane_specgroup (JJBH, ZYZMC) values ('914''B01', '乙''组'), ('9140A01', '甲组')");
    Exec("insert into corvane_lab (SYSDM, SYSQC) values ('L''01', '实验''室')");
    Exec("insert into corvane_fivefundguide (JJBH, ZNMC, FBNF) values ('914''B01', '乙指南', '2011-2015'), "
         "('9140A01', '甲指南', '2011-2015'), ('L''01', '室指南', '2011-2015'), ('9140A01', '下期', '2016-2020')");
    using Listed = std::vector<std::vector<std::string>>;
    auto listed = [](const std::vector<fiveyearstore::ListedGuide>& guides) {
        Listed rows;
        for (const auto& g : guides) rows.push_back({g.fund, g.owner, g.name});
        return rows;
    };
    EXPECT_EQ(listed(fiveyearstore::ListGuides(db, "2011-2015")),
              (Listed{{"914'B01", "乙'组", "乙指南"}, {"9140A01", "甲组", "甲指南"}, {"L'01", "实验'室", "室指南"}}));
    EXPECT_TRUE(fiveyearstore::ListGuides(db, "2011-2015' or ''='").empty());
    EXPECT_EQ(listed(fiveyearstore::GuidesByFund(db, "2011-2015")),
              (Listed{{"914'B01", "", "乙指南"}, {"9140A01", "", "甲指南"}, {"L'01", "", "室指南"}}));
    EXPECT_EQ(listed(fiveyearstore::SearchGuides(
                  db,
                  "select corvane_fivefundguide.jjbh,zyzmc,znmc,fbnf from corvane_fivefundguide,corvane_specgroup "
                  "where corvane_fivefundguide.jjbh = corvane_specgroup.jjbh and zyzmc like '%''%'",
                  "select jjbh,sysqc,znmc,fbnf from corvane_fivefundguide,corvane_lab where jjbh = sysdm and 1 = 0",
                  "2011-2015")),
              (Listed{{"914'B01", "乙'组", "乙指南"}}));

    // The dialog's fields: the fund whole, the owner and the name as parts,
    // a quote in any of them a character like another.
    const struct {
        fiveyearstore::GuideSearch search;
        Listed found;
    } searches[] = {
        {{}, {{"914'B01", "乙'组", "乙指南"}, {"9140A01", "甲组", "甲指南"}, {"L'01", "实验'室", "室指南"}}},
        {{"914'B01", "", ""}, {{"914'B01", "乙'组", "乙指南"}}},
        {{"914'b0", "", ""}, {}},
        {{"", "'", ""}, {{"914'B01", "乙'组", "乙指南"}, {"L'01", "实验'室", "室指南"}}},
        {{"", "", "甲"}, {{"9140A01", "甲组", "甲指南"}}},
        {{"L'01", "实验", "室"}, {{"L'01", "实验'室", "室指南"}}},
        {{"", "x' or '1'='1", ""}, {}},
        {{"9140A01", "", "下期"}, {}},
    };
    for (const auto& c : searches)
        EXPECT_EQ(listed(fiveyearstore::SearchGuides(db, c.search, "2011-2015")), c.found)
            << c.search.fund << "|" << c.search.owner << "|" << c.search.name;

    const auto owners = fiveyearstore::GuideOwners(db);
    ASSERT_EQ(owners.size(), 3u);
    EXPECT_EQ(owners[0].code, "914'B01");
    EXPECT_FALSE(owners[0].lab);
    EXPECT_EQ(owners[2].name, "实验'室");
    EXPECT_TRUE(owners[2].lab);
    EXPECT_EQ(fiveyearstore::OwnerName(db, "914'b01", false), "乙'组");
    EXPECT_EQ(fiveyearstore::OwnerName(db, "L'01", true), "实验'室");
    EXPECT_EQ(fiveyearstore::OwnerName(db, "L'01", false), "");
}
