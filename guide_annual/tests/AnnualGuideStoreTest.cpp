// Storing an annual guide from a topic document that another office may have
// crafted: the purpose file names it carries never reach outside the topic
// folder.
#include <tuple>

#include "GuideTestSupport.h"

using guidetest::Query;
using guidetest::Rows;

namespace {

class AnnualGuideStore : public InstalledFolder {};

TEST_F(AnnualGuideStore, PurposeNamesFromTheTopicDocumentStayInTheTopicFolder) {
    const std::string topicFolder = PathOf("topic");
    auto files = guidetest::WriteGuideFiles(topicFolder, "9140A01", {{"01", "专题一", {}}}, "chapter");
    // A local file beside the topic folder, and the names a crafted document
    // would use to reach it: relative, climbing and absolute.
    const std::string secret = PathOf("secret.txt");
    ASSERT_TRUE(sys::WriteFileAtomic(secret, "local secret"));
    for (const std::string& name : std::vector<std::string>{"../secret.txt", "..\\secret.txt", secret}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(sys::WriteFileAtomic(
            files.topicFile, "<选题范围><fund9140A0101 专题名称=\"专题一\" 研究目的=\"" + name + "\"/></选题范围>"));
        CAdoConnection connection;
        ASSERT_TRUE(ConnectGuideDatabase(connection));
        // The confined name does not exist in the folder: the guide is refused whole.
        EXPECT_FALSE(guidestore::StoreGuide(connection, "9140A01", "指南", "2007", files, false));
        EXPECT_EQ(Query("select count(*) from corvane_yearfundguide"), (Rows{{"0"}}));
        EXPECT_EQ(Query("select count(*) from corvane_year_studysubject"), (Rows{{"0"}}));
    }

    // A plain name in the folder is still read.
    ASSERT_TRUE(sys::WriteFileAtomic(
        files.topicFile, "<选题范围><fund9140A0101 专题名称=\"专题一\" 研究目的=\"9140A0101.rtf\"/></选题范围>"));
    CAdoConnection connection;
    ASSERT_TRUE(ConnectGuideDatabase(connection));
    EXPECT_TRUE(guidestore::StoreGuide(connection, "9140A01", "指南", "2007", files, false));
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    ASSERT_TRUE(rs.Open("select YJMD from corvane_year_studysubject where ZTBH='9140A0101'") && !rs.IsEOF());
    std::string purpose;
    ASSERT_TRUE(guidestore::ReadBlob(rs, "YJMD", purpose));
    EXPECT_EQ(purpose, guidetest::Rtf("purpose of 9140A0101"));
}

}  // namespace

namespace {

class AnnualGuideStoreLists : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ASSERT_TRUE(ConnectGuideDatabase(connection));
    }
    CAdoConnection connection;
};

// The list of a period's annual guides, by year and fund number, alone or
// within a search's selection; the five-year guides an annual one starts
// from, with their first two chapters; and units found by what the user
// typed, quotes included.
TEST_F(AnnualGuideStoreLists, GuidesFiveYearGuidesAndUnitsAreFoundAsTyped) {
    testdb::Seed(connection, {"corvane_yearfundguide",
                              {"JJBH", "ZNMC", "FBNF"},
                              {{"9140B01", "乙'指南", "2012"}, {"9140A01", "甲", "2012"}, {"9140A02", "丙", "2011"},
                               {"9140A03", "期外", "2016"}}});
    using Listed = std::vector<std::tuple<std::string, std::string, std::string>>;
    auto listed = [](const std::vector<guidestore::ListedGuide>& guides) {
        Listed rows;
        for (const auto& g : guides) rows.emplace_back(g.fund, g.name, g.year);
        return rows;
    };
    EXPECT_EQ(listed(guidestore::ListGuides(connection, "2011", "2015")),
              (Listed{{"9140A02", "丙", "2011"}, {"9140A01", "甲", "2012"}, {"9140B01", "乙'指南", "2012"}}));
    EXPECT_EQ(listed(guidestore::ListGuides(connection, "2011", "2015",
                                            "select * from corvane_yearfundguide where ZNMC like '%''%'")),
              (Listed{{"9140B01", "乙'指南", "2012"}}));
    EXPECT_TRUE(guidestore::ListGuides(connection, "2013' or ''='", "2015").empty());
    // The search dialog's fields, each matched whole, quotes included.
    const struct {
        guidestore::GuideSearch search;
        Listed found;
    } guideSearches[] = {
        {{}, {{"9140A02", "丙", "2011"}, {"9140A01", "甲", "2012"}, {"9140B01", "乙'指南", "2012"}}},
        {{"", "乙'指南", ""}, {{"9140B01", "乙'指南", "2012"}}},
        {{"", "乙", ""}, {}},
        {{"9140a01", "", ""}, {{"9140A01", "甲", "2012"}}},  // fund numbers compare without case
        {{"9140A01", "甲", "2012"}, {{"9140A01", "甲", "2012"}}},
        {{"", "", "2012"}, {{"9140A01", "甲", "2012"}, {"9140B01", "乙'指南", "2012"}}},
        {{"9140A03", "", ""}, {}},
        {{"x' or '1'='1", "", ""}, {}},
    };
    CAdoRecordSet year;
    year.SetConnection(&connection);
    ASSERT_TRUE(guidestore::OpenGuidesOfYear(year, "2012"));
    std::vector<std::string> funds;
    for (; !year.IsEOF(); year.MoveNext()) year.GetString("JJBH", funds.emplace_back());
    year.Close();
    EXPECT_EQ(funds, (std::vector<std::string>{"9140A01", "9140B01"}));
    ASSERT_TRUE(guidestore::OpenGuidesOfYear(year, "2012' or ''='"));
    EXPECT_TRUE(year.IsEOF());
    year.Close();

    for (const auto& c : guideSearches)
        EXPECT_EQ(listed(guidestore::SearchGuides(connection, "2011", "2015", c.search)), c.found)
            << c.search.fund << "|" << c.search.name << "|" << c.search.year;

    testdb::Seed(connection, {"corvane_fivefundguide", {"JJBH", "ZNMC", "FBNF"},
                              {{"9140A'01", "五年'甲", "2011-2015"}, {"9140A02", "五年乙", "2016-2020"}}});
    testdb::Exec(connection, "update corvane_fivefundguide set GS = X'7B5C72746631207A7D' where JJBH = '9140A''01'");
    const auto five = guidestore::FiveYearGuides(connection, "2011-2015");
    ASSERT_EQ(five.size(), 1u);
    EXPECT_EQ(five[0].fund, "9140A'01");
    EXPECT_EQ(five[0].name, "五年'甲");
    std::string name = "unchanged";
    const std::string overview = PathOf("gs.rtf"), research = PathOf("gnwyjqk.rtf");
    EXPECT_FALSE(guidestore::LoadFiveYearChapters(connection, "9140A'01", "2016-2020", name, overview, research));
    EXPECT_EQ(name, "unchanged");
    EXPECT_FALSE(sys::FileExists(overview));
    ASSERT_TRUE(guidestore::LoadFiveYearChapters(connection, "9140a'01", "2011-2015", name, overview, research));
    EXPECT_EQ(name, "五年'甲");
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(overview, bytes));
    EXPECT_EQ(bytes, "{\\rtf1 z}");

    testdb::Seed(connection, {"CORVANE_UNIT", {"DWDM", "DWMC"},
                              {{"U02", "O'Brien 研究所"}, {"U01", "甲单位"}, {"V01", "乙单位"}}});
    const struct {
        const char* code;
        const char* name;
        std::vector<std::string> codes;
    } searches[] = {{"", "", {"U01", "U02", "V01"}}, {"u", "", {"U01", "U02"}}, {"", "'Brien", {"U02"}},
                    {"U", "单位", {"U01"}},            {"' or ''='", "", {}}};
    for (const auto& s : searches) {
        std::vector<std::string> codes;
        for (const auto& row : guidestore::FindUnits(connection, s.code, s.name, 2)) codes.push_back(row[0]);
        EXPECT_EQ(codes, s.codes) << s.code << " / " << s.name;
    }

    // The units the year's key or general directions name, once each.
    testdb::Seed(connection, {"corvane_year_studyaspect", {"YJFXBH", "FBNF", "DWDM", "SFZDYJFX"},
                              {{"1", "2012", "U01", "1"}, {"2", "2012", "U01", "1"}, {"3", "2012", "U02", "0"},
                               {"4", "2013", "V01", "1"}}});
    using Units = std::vector<std::vector<std::string>>;
    EXPECT_EQ(guidestore::DirectedUnits(connection, "2012", true, false), (Units{{"U01", "甲单位"}}));
    EXPECT_EQ(guidestore::DirectedUnits(connection, "2012", false, true), (Units{{"U02", "O'Brien 研究所"}}));
    EXPECT_EQ(guidestore::DirectedUnits(connection, "2012", true, true).size(), 2u);
    EXPECT_TRUE(guidestore::DirectedUnits(connection, "2012", false, false).empty());
    EXPECT_TRUE(guidestore::DirectedUnits(connection, "2012' or ''='", true, true).empty());
}

}  // namespace
