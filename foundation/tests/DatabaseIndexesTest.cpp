// The indexes of project.mdb: made with a new database, added to an old one
// without touching its rows, and used by the lookups of a project by number.
#include <gtest/gtest.h>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/DatabaseIndexes.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace {

class DatabaseIndexes : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ASSERT_TRUE(connection.ConnectAccess(PathOf("project.mdb"), "5081"));
    }
    std::vector<std::string> Column(const std::string& sql, long field = 0) {
        CAdoRecordSet rs;
        rs.SetConnection(&connection);
        rs.SetCursorLocation(adUseClient);
        std::vector<std::string> values;
        EXPECT_TRUE(rs.Open(sql)) << sql;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string value;
            rs.GetFieldText(field, value);
            values.push_back(value);
        }
        return values;
    }
    std::size_t IndexCount() {
        return Column("select name from sqlite_master where type = 'index' and name like 'IX\\_%' escape '\\'").size();
    }
    std::string PlanOf(const std::string& sql) {
        std::string plan;
        for (const std::string& line : Column("explain query plan " + sql, 3)) plan += line + "\n";
        return plan;
    }
    CAdoConnection connection;
};

TEST_F(DatabaseIndexes, TheInstalledDatabaseHasThemAndLookupsByNumberUseThem) {
    EXPECT_GE(IndexCount(), 29u);
    const std::string lookups[] = {
        "select * from CORVANE_ITEMAPPINFO where XMBH = '9140A01010108U001001'",
        "select * from CORVANE_PROJECT_SQCY where ITE_XMBH = 'x'",
        "select * from CORVANE_ITEMPF where XMBH = 'x'",
        "select * from CORVANE_UNIT where DWDM = 'U001'",
        "select * from CORVANE_YEAR_STUDYASPECT where YJFXBH = '01' and FBNF = '2008'",
        "select * from CORVANE_EXPERTINFO where ID = 'E1'",
    };
    for (const std::string& sql : lookups) EXPECT_NE(PlanOf(sql).find("USING INDEX"), std::string::npos) << sql;
    // A year's projects in number order: found through the year, not by
    // walking every project in the order of the numbers.
    const std::string yearList =
        "select XMBH from CORVANE_ITEMAPPINFO where XMLB = '共性技术基金——一般项目' and NF = '2008' "
        "and FIRSTAPPR = '+' order by XMBH";
    EXPECT_NE(PlanOf(yearList).find("USING INDEX IX_CORVANE_ITEMAPPINFONF"), std::string::npos) << PlanOf(yearList);
}

// A year's projects are searched for, not found by a scan of every year
// (through the table or through the index of the numbers, in their order).
TEST_F(DatabaseIndexes, AYearsProjectsAreSearchedByTheirYear) {
    const std::string lists[] = {
        "select XMBH from corvane_itemappinfo where XMLB = '共性技术基金——一般项目' and NF = '2008' and "
        "FIRSTAPPR = '+' order by XMBH",
        "select corvane_itemappinfo.XMBH from corvane_itemappinfo, corvane_itempf where corvane_itemappinfo.XMBH = "
        "corvane_itempf.XMBH and XMLB = '共性技术基金——一般项目' and NF = '2008' and FIRSTAPPR = '+' and PSJG = '+' "
        "order by corvane_itemappinfo.XMBH",
        "select corvane_itemprogress.xmbh, xmlb from corvane_itemprogress left join corvane_itemappinfo on "
        "corvane_itemprogress.xmbh = corvane_itemappinfo.xmbh where nf = '2008' order by corvane_itemprogress.xmbh",
    };
    for (const std::string& sql : lists) {
        const std::string plan = PlanOf(sql);
        EXPECT_NE(plan.find("SEARCH corvane_itemappinfo USING INDEX IX_CORVANE_ITEMAPPINFONF"), std::string::npos)
            << sql << "\n" << plan;
        EXPECT_EQ(plan.find("SCAN"), std::string::npos) << sql << "\n" << plan;
    }
}

TEST_F(DatabaseIndexes, AnOlderDatabaseGainsThemAndKeepsItsRows) {
    for (const std::string& name :
         Column("select name from sqlite_master where type = 'index' and name like 'IX\\_%' escape '\\'"))
        ASSERT_TRUE(connection.Execute("drop index " + name));
    testdb::Seed(connection, {"CORVANE_ITEMAPPINFO", {"XMBH", "XMMC"}, {{"9140A01010108U001001", "甲"}}});
    ASSERT_EQ(IndexCount(), 0u);
    EXPECT_TRUE(EnsureIndexes(connection));
    EXPECT_GE(IndexCount(), 29u);
    EXPECT_EQ(Column("select XMMC from CORVANE_ITEMAPPINFO"), std::vector<std::string>{"甲"});
    EXPECT_TRUE(EnsureIndexes(connection));  // a second time changes nothing
}

// Applications stored with a short category by an earlier build are
// completed once when the database is opened, so that every query by
// category finds them; full names and kinds without a known fund are kept.
TEST_F(DatabaseIndexes, ShortCategoriesOfAnOlderDatabaseAreCompleted) {
    testdb::Seed(connection, {"CORVANE_ITEMAPPINFO",
                              {"XMBH", "XMLB", "JJBH", "SQZNDM"},
                              {{"9140A01010108U001001", "一般项目", "", ""},
                               {"9140X01010108U001002", "重点项目", "9140C01", ""},
                               {"9140X01010108U001003", "重点项目", "", "9140A010101"},
                               {"9140X01010108U001004", "一般项目", "", ""},
                               {"9140C01010108U001005", "共性技术基金——重点项目", "", ""}}});
    EXPECT_TRUE(EnsureIndexes(connection));
    EXPECT_EQ(Column("select XMLB from CORVANE_ITEMAPPINFO order by substr(XMBH, 18)"),
              (std::vector<std::string>{"共性技术基金——一般项目", "重点实验室基金——重点项目", "共性技术基金——重点项目",
                                        "一般项目", "共性技术基金——重点项目"}));
}

}  // namespace
