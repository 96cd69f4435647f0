// The statistics reports' statements run on a small year of projects: each
// gives the rows its report lists, and values with a quote are matched as
// they stand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "main/StatisticsQueries.h"
#include "platform/sys/Sys.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace {

const std::string kGroupGeneral = "共性技术基金——一般项目";
const std::string kLabKey = "重点实验室基金——重点项目";
const std::string kLabGeneral = "重点实验室基金——一般项目";
const std::string kGroups = "XMLB like '共性技术基金%'";

// Of 2008: a group project approved (unit 1001, reviewed by expert E1), one
// rejected (unit 1002), one without a review row (unit 1003); a laboratory's
// key project and general project approved. One group project of 2007.
const std::string kApproved = "9140A010101081001001";
const std::string kRejected = "9140A010101081002002";
const std::string kUnreviewed = "9140A010101081003003";
const std::string kLabKeyProject = "9140C010101081001004";
const std::string kLabGeneralProject = "9140C010101081001005";
const std::string kEarlier = "9140A010101071002006";

class StatisticsQueries : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ASSERT_TRUE(connection.ConnectAccess(sys::ProgramFolder() + "\\project.mdb", "5081"));
        testdb::Seed(connection, {"CORVANE_ITEMAPPINFO",
                                  {"XMBH", "NF", "XMLB", "DWDM", "XMMC", "PFJF"},
                                  {{kApproved, "2008", kGroupGeneral, "1001", "甲", "99"},
                                   {kRejected, "2008", kGroupGeneral, "1002", "乙", "99"},
                                   {kUnreviewed, "2008", kGroupGeneral, "1003", "丙", "99"},
                                   {kLabKeyProject, "2008", kLabKey, "1001", "丁", "99"},
                                   {kLabGeneralProject, "2008", kLabGeneral, "1001", "戊", "99"},
                                   {kEarlier, "2007", kGroupGeneral, "1002", "己", "99"}}});
        testdb::Seed(connection, {"CORVANE_ITEMPF",
                                  {"XMBH", "PSJG", "PFJF", "ZJ1", "ZJ2", "ZJ3"},
                                  {{kApproved, "+", "10", "E1", "E2", "E3"},
                                   {kRejected, "-", "0", "E2", "E1'", "E3"},
                                   {kLabKeyProject, "+", "40", "E4", "E5", "E6"},
                                   {kLabGeneralProject, "+", "5", "E4", "E5", "E6"},
                                   {kEarlier, "+", "4", "E1", "E2", "E3"}}});
        testdb::Seed(connection, {"CORVANE_UNIT", {"DWDM", "DWMC"}, {{"1001", "单位甲"}, {"1002", "单位乙"}}});
    }
    void TearDown() override {
        connection.Close();
        InstalledFolder::TearDown();
    }

    std::vector<std::string> Column(const std::string& sql, std::size_t column = 0) {
        std::vector<std::string> values;
        for (const testdb::Row& row : testdb::Query(connection, sql)) values.push_back(row.at(column));
        return values;
    }

    CAdoConnection connection;
};

TEST_F(StatisticsQueries, EachStatementListsItsReportsRows) {
    using V = std::vector<std::string>;
    const struct {
        const char* what;
        std::string sql;
        std::size_t column;
        V rows;
    } cases[] = {
        {"applications of the year", statqueries::ApplicationNumbers("2008"), 0,
         V{kApproved, kRejected, kUnreviewed, kLabKeyProject, kLabGeneralProject}},
        {"reviewed by an expert", statqueries::ProjectsReviewedBy("E1", "08"), 0, V{kApproved}},
        {"reviewed by an expert with a quote", statqueries::ProjectsReviewedBy("E1'", "08"), 0, V{kRejected}},
        {"approved laboratory projects", statqueries::ApprovedLabNumbers("2008"), 0,
         V{kLabKeyProject, kLabGeneralProject}},
        {"approved of a laboratory", statqueries::ApprovedOfLab("9140C01", "", "2008", true), 1,
         V{"40.0000", "5.0000"}},
        {"approved key projects of a laboratory", statqueries::ApprovedOfLab("9140C01", kLabKey, "2008", false), 0,
         V{kLabKeyProject}},
        {"unfunded units", statqueries::UnfundedUnits(kGroups, "2008"), 0, V{"1002", "1003"}},
        {"unfunded projects of a unit", statqueries::UnfundedProjects("1003", kGroups, "2008"), 0, V{kUnreviewed}},
        {"unfunded projects of a unit with a quote", statqueries::UnfundedProjects("10'03", kGroups, "2008"), 0, V{}},
        {"units' approved funds", statqueries::UnitFunds("CORVANE_UNIT.DWDM", "XMLB like '重点实验室基金%'", "2008"), 1,
         V{"45"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Column(c.sql, c.column), c.rows) << c.what << "\n" << c.sql;
}

}  // namespace
