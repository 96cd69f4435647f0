// The report statements run on a small year of projects: each gives the
// rows its report lists, the joins keep the application's own columns apart
// from the review row's, and values with a quote are matched as they stand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "office_reports/ReportQueries.h"
#include "office_reports/tests/ReportTestSupport.h"

namespace {

using namespace reporttest;
using reportqueries::FundProjects;

// Fund 9140A01: a general project approved, accepted, of unit 1001; one
// rejected, of unit 1002; one of the year before. Fund 9140A02: a key
// project with a plan. Fund 9140C01: a laboratory's key project approved.
const std::string kApproved = "9140A010101081001001";
const std::string kRejected = "9140A010101081002002";
const std::string kPlanned = "9140A020101081001003";
const std::string kLab = "9140C010101081001004";
const std::string kEarlier = "9140A010101071001005";

class ReportQueries : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        testdb::Seed(connection, {"CORVANE_ITEMAPPINFO",
                                  {"XMBH", "NF", "XMLB", "DWDM", "FIRSTAPPR", "XMMC", "SQJE", "PFJF"},
                                  {{kApproved, "2008", kGroupGeneral, "1001", "+", "甲", "12", "99"},
                                   {kRejected, "2008", kGroupGeneral, "1002", "+", "乙", "8", "99"},
                                   {kPlanned, "2008", kGroupKey, "1001", "+", "丙", "40", "99"},
                                   {kLab, "2008", kLabKey, "1001", "+", "丁", "50", "99"},
                                   {kEarlier, "2007", kGroupGeneral, "1001", "+", "戊", "5", "99"}}});
        testdb::Seed(connection, {"CORVANE_ITEMPF",
                                  {"XMBH", "PSJG", "PFJF", "ZJYJ"},
                                  {{kApproved, "+", "10", "好"},
                                   {kRejected, "-", "0", "差"},
                                   {kPlanned, "+", "30", "好"},
                                   {kLab, "+", "45", "好"},
                                   {kEarlier, "+", "4", "好"}}});
        testdb::Seed(connection, {"CORVANE_ITEMPLAN", {"XMBH", "JDYQ"}, {{kPlanned, "两年"}}});
        testdb::Seed(connection, {"CORVANE_ITEMCHECKACCEPT", {"XMBH", "SJWCR"}, {{kApproved, "张三"}}});
    }

    // The first column of each row of the statement.
    std::vector<std::string> FirstColumn(const std::string& sql) {
        std::vector<std::string> values;
        for (const testdb::Row& row : testdb::Query(connection, sql)) values.push_back(row.at(0));
        return values;
    }
};

TEST_F(ReportQueries, EachStatementListsItsReportsRows) {
    const std::string general = "XMLB = '" + kGroupGeneral + "'";
    const std::string groups = "(XMLB = '" + kGroupGeneral + "' or XMLB = '" + kGroupKey + "')";
    const FundProjects approved{"9140A01", kGroupGeneral, "2008"};
    const FundProjects planned{"9140A02", kGroupKey, "2008"};
    using V = std::vector<std::string>;
    const struct {
        const char* what;
        std::string sql;
        V rows;
    } cases[] = {
        {"applications of the year", reportqueries::ApplicationNumbers(general, "2008"), V{kApproved, kRejected}},
        {"approved of the year", reportqueries::ApprovedNumbers(groups, "2008"), V{kApproved, kPlanned}},
        {"planned of the year", reportqueries::PlannedNumbers("XMLB = '" + kGroupKey + "'", "2008"), V{kPlanned}},
        {"accepted of the year", reportqueries::AcceptedNumbers(groups, "2008"), V{kApproved}},
        {"category", reportqueries::ApplicationCategory(kPlanned), V{kGroupKey}},
        {"opinions (a rich-text column first)", reportqueries::ReviewOpinions(kApproved), V{"[BLOB]"}},
        {"approved funds", reportqueries::ApprovedFunds(kPlanned), V{"30.0000"}},
        {"plan row", reportqueries::PlanRow(kPlanned), V{kPlanned}},
        {"accepted project", reportqueries::AcceptedProject(kApproved), V{kApproved}},
        {"accepted of a fund", reportqueries::AcceptedProjectsOfFund("9140A01", groups, "2008"), V{kApproved}},
        {"applications of a fund", reportqueries::ApplicationsOfFund("9140A01", general, "2008"),
         V{kApproved, kRejected}},
        {"first-reviewed of the year", reportqueries::FirstReviewedNumbers("2008"), V{kApproved, kRejected}},
        {"first-reviewed of a fund", reportqueries::FirstReviewedOfFund("9140A01", "2008", "PSJG"),
         V{kApproved, kRejected}},
        {"approved rows of a fund", reportqueries::ApprovedRowsOfFund("9140C01", "XMLB = '" + kLabKey + "'", "2008"),
         V{kLab}},
        {"laboratory's applications", reportqueries::LabApplications("9140C01", kLabKey, "2008", true), V{kLab}},
        {"approved units", reportqueries::ApprovedUnits(approved), V{"1001"}},
        {"approved plan rows", reportqueries::ApprovedPlanRows(approved, ""), V{kApproved}},
        {"approved plan rows of a unit", reportqueries::ApprovedPlanRows(approved, "1001"), V{kApproved}},
        {"approved plan rows of another unit", reportqueries::ApprovedPlanRows(approved, "1002"), V{}},
        {"approval opinions' rows", reportqueries::ApprovedOpinionRows(approved), V{kApproved}},
        {"approved count", reportqueries::ApprovedCount(approved, ""), V{kApproved}},
        {"approved sum", reportqueries::ApprovedSum(approved, ""), V{"10"}},
        {"planned units", reportqueries::PlannedUnits(planned), V{"1001"}},
        {"plan list rows", reportqueries::PlannedListRows(planned, ""), V{kPlanned}},
        {"plan draft rows of a unit", reportqueries::PlannedDraftRows(planned, "1001"), V{kPlanned}},
        {"planned count", reportqueries::PlannedCount(planned, "1001"), V{kPlanned}},
        {"planned sum", reportqueries::PlannedSum(planned, ""), V{"30"}},
        {"a fund and a unit with quotes", reportqueries::ApprovedPlanRows({"9140A'01", kGroupGeneral, "20'08"}, "1'001"),
         V{}},
        {"a year with a quote", reportqueries::FirstReviewedOfFund("9140A01", "2008' or '1'='1", "PSJG"), V{}},
    };
    for (const auto& c : cases) EXPECT_EQ(FirstColumn(c.sql), c.rows) << c.what << "\n" << c.sql;
}

// The review row's approved funds are read, not the application's own
// column of the same name.
TEST_F(ReportQueries, ApprovedFundsComeFromTheReviewRow) {
    const testdb::Rows rows =
        testdb::Query(connection, reportqueries::ApprovedPlanRows({"9140A01", kGroupGeneral, "2008"}, "1001"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (testdb::Row{kApproved, "甲", "", "", "1001", "10.0000"}));
    EXPECT_EQ(FirstColumn(reportqueries::ApprovedRowsOfFund("9140A01", "XMLB = '" + kGroupGeneral + "'", "2008")),
              std::vector<std::string>{kApproved});
    EXPECT_EQ(testdb::Query(connection, reportqueries::ApprovedRowsOfFund("9140A01", "XMLB = '" + kGroupGeneral + "'",
                                                                          "2008"))[0].back(),
              "10.0000");
}

// Legacy data: two projects whose numbers differ only in letter case (the
// database takes them for one number), each with its own review, plan and
// acceptance rows. Every statement lists each once, with its own values.
TEST_F(ReportQueries, EachOfALegacyPairOfNumbersIsListedOnceWithItsOwnRows) {
    const std::string upper = "9140A01010108U001101", lower = "9140a01010108u001101";
    testdb::Seed(connection, {"CORVANE_ITEMAPPINFO",
                              {"XMBH", "NF", "XMLB", "DWDM", "FIRSTAPPR", "XMMC"},
                              {{upper, "2008", kGroupGeneral, "U001", "+", "大写"},
                               {lower, "2008", kGroupGeneral, "u001", "+", "小写"}}});
    testdb::Seed(connection, {"CORVANE_ITEMPF", {"XMBH", "PSJG", "PFJF"}, {{upper, "+", "7"}, {lower, "+", "3"}}});
    testdb::Seed(connection, {"CORVANE_ITEMPLAN", {"XMBH", "JDYQ"}, {{upper, "大写计划"}, {lower, "小写计划"}}});
    testdb::Seed(connection, {"CORVANE_ITEMCHECKACCEPT", {"XMBH", "SJWCR"}, {{lower, "李四"}}});
    const FundProjects approved{"9140A01", kGroupGeneral, "2008"};
    const std::string general = "XMLB = '" + kGroupGeneral + "'";
    using R = testdb::Rows;
    const struct {
        const char* what;
        std::string sql;
        R rows;
    } cases[] = {
        {"approved rows of a fund", reportqueries::ApprovedRowsOfFund("9140A01", general, "2008"),
         R{{kApproved, "10.0000"}, {upper, "7.0000"}, {lower, "3.0000"}}},
        {"approved sum", reportqueries::ApprovedSum(approved, ""), R{{"20"}}},
        {"approved funds of one", reportqueries::ApprovedFunds(lower), R{{"3.0000"}}},
        {"plan row of one", reportqueries::PlanRow(upper), R{{upper, "大写计划"}}},
        {"accepted of the year", reportqueries::AcceptedNumbers(general, "2008"), R{{kApproved}, {lower}}},
        {"accepted project", reportqueries::AcceptedProject(lower), R{{lower, "李四"}}},
        {"accepted project of the other", reportqueries::AcceptedProject(upper), R{}},
    };
    for (const auto& c : cases) {
        R rows;
        for (testdb::Row row : testdb::Query(connection, c.sql)) {
            // The number and the last column that tells the project apart.
            if (std::string(c.what).rfind("plan row", 0) == 0) row = {row.at(0), row.at(1)};
            else if (std::string(c.what).rfind("accepted project", 0) == 0) row = {row.at(0), row.at(4)};
            else if (row.size() > 1) row = {row.front(), row.back()};
            rows.push_back(row);
        }
        std::sort(rows.begin(), rows.end());  // the pair's order is the database's choice
        R expected = c.rows;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(rows, expected) << c.what << "\n" << c.sql;
    }
}

// The names and rows the report dialogs look up: a value is matched as it
// stands, a quote in it neither breaks the statement nor reaches other rows.
TEST_F(ReportQueries, LookUpsFindTheirOwnRowsOnly) {
    testdb::Seed(connection, {"CORVANE_YEARFUNDGUIDE",
                              {"JJBH", "FBNF", "ZNMC"},
                              {{"9140A01", "2008", "指南甲"}, {"9140A01", "2009", "指南乙"}, {"O'01", "2008", "O'Guide"}}});
    testdb::Seed(connection, {"CORVANE_UNIT", {"DWDM", "DWMC"}, {{"1001", "单位甲"}, {"1'02", "O'Brien"}}});
    testdb::Seed(connection, {"CORVANE_EXPERTINFO", {"ID", "XM"}, {{"E01", "张三"}, {"E'02", "李'四"}}});
    testdb::Seed(connection, {"CORVANE_LAB", {"SYSDM", "SYSQC"}, {{"9140C02", "乙室"}, {"9140C01", "甲室"}}});
    testdb::Seed(connection, {"corvane_year_studyaspect",
                              {"yjfxbh", "FBNF", "dwdm", "sfzdyjfx", "yjfxmc"},
                              {{"9140A010101", "2008", "1001", "0", "甲向"},
                               {"9140A010101", "2008", "1'02", "1", "乙向"},
                               {"9140A010101", "2009", "1001", "0", "丙向"}}});
    using V = std::vector<std::string>;
    const std::string injected = "x' or '1'='1";
    const struct {
        const char* what;
        std::string sql;
        V rows;
    } cases[] = {
        {"guide name", reportqueries::GuideName("9140A01", "2009"), V{"指南乙"}},
        {"guide name with a quote", reportqueries::GuideName("O'01", "2008"), V{"O'Guide"}},
        {"guide name of no year", reportqueries::GuideName("9140A01", injected), V{}},
        {"unit name", reportqueries::UnitName("1'02"), V{"O'Brien"}},
        {"unit name injected", reportqueries::UnitName(injected), V{}},
        {"expert name", reportqueries::ExpertName("E'02"), V{"李'四"}},
        {"expert name injected", reportqueries::ExpertName(injected), V{}},
        {"laboratories by code", reportqueries::Laboratories(), V{"9140C01", "9140C02"}},
        {"aspect rows of the year", reportqueries::AspectRows("9140A010101", "2008"), V{"9140A010101", "9140A010101"}},
        {"aspect rows of a unit", reportqueries::AspectRows("9140A010101", "2008", "dwdm", "1'02"), V{"9140A010101"}},
        {"aspect rows of another unit", reportqueries::AspectRows("9140A010101", "2008", "dwdm", "1002"), V{}},
        {"aspect rows of a kind", reportqueries::AspectRows("9140A010101", "2009", "sfzdyjfx", "0"), V{"9140A010101"}},
        {"aspect rows injected", reportqueries::AspectRows("9140A010101", "2008", "dwdm", injected), V{}},
    };
    for (const auto& c : cases) EXPECT_EQ(FirstColumn(c.sql), c.rows) << c.what << "\n" << c.sql;
}

}  // namespace

