#include "office_reports/ReportQueries.h"

#include "application/ApplicationStore.h"
#include "foundation/ProjectTables.h"
#include "foundation/Sql.h"
#include "office_reports/ReportSupport.h"
#include "review/ReviewStore.h"

namespace reportqueries {

namespace {

const std::string kApplication = appstore::kApplicationTable;
const std::string kReview = reviewstore::kReviewTable;
const std::string kPlan = reviewstore::kPlanTable;
const std::string kAcceptance = reviewstore::kAcceptanceTable;

// The application's number, named apart from the joined table's.
const std::string kNumber = kApplication + ".XMBH";
const std::string kByNumber = " order by " + kNumber;

std::string Year(const std::string& year) { return " and NF = " + db::QuoteLiteral(year); }
std::string OfFund(const std::string& column, const std::string& fund) {
    return column + " like " + db::QuoteLiteral(fund + "%");
}
std::string OfUnit(const std::string& unit) { return unit.empty() ? std::string() : " and DWDM = " + db::QuoteLiteral(unit); }

// "<application>.XMBH like '<fund>%' and XMLB = '<category>' and NF = '<year>'"
std::string Selection(const FundProjects& projects) {
    return OfFund(kNumber, projects.fund) + " and XMLB = " + db::QuoteLiteral(projects.category) + Year(projects.year);
}

// The table's rows of the application: of a legacy pair of numbers that
// differ only in case, those of its own spelling.
std::string JoinedTo(const std::string& table) { return projecttables::KeyedRowsCondition(table + ".XMBH", kNumber); }
// The table's rows of the number.
std::string OfNumber(const std::string& column, const std::string& number) {
    return projecttables::KeyedRowsCondition(column, db::QuoteLiteral(number));
}

// The projects with an approving review row, of one unit when `unit` is not empty.
std::string Approved(const std::string& columns, const FundProjects& projects, const std::string& unit) {
    return "select " + columns + " from " + kApplication + ", " + kReview + " where " + JoinedTo(kReview) + " and " +
           Selection(projects) + " and PSJG = '+'" + OfUnit(unit);
}

// The projects with a year plan, of one unit when `unit` is not empty.
std::string Planned(const std::string& columns, const FundProjects& projects, const std::string& unit) {
    return "select " + columns + " from " + kApplication + ", " + kPlan + " where " + JoinedTo(kPlan) + " and " +
           Selection(projects) + OfUnit(unit);
}

// The accepted projects: the acceptance row joined with its application.
std::string Accepted(const std::string& columns) {
    return "select " + columns + " from " + kAcceptance + ", " + kApplication + " where " + JoinedTo(kAcceptance) +
           " and ";
}

std::string PassedFirstReview() { return " and XMLB = " + db::QuoteLiteral(reports::kGroupGeneral) + " and FIRSTAPPR = '+'"; }

const std::string kApplicationColumns = "XMMC, XMQSRQ, XMZZRQ, GZDW, SQRXM, SQRXB, SQRNL, ZC";

}  // namespace

std::string ApplicationNumbers(const std::string& condition, const std::string& year) {
    return "select XMBH from " + kApplication + " where " + condition + Year(year) + " order by XMBH";
}

std::string ApprovedNumbers(const std::string& condition, const std::string& year) {
    return "select " + kNumber + " from " + kApplication + ", " + kReview + " where " + JoinedTo(kReview) + " and " +
           condition + Year(year) + " and PSJG = '+'" + kByNumber;
}

std::string PlannedNumbers(const std::string& condition, const std::string& year) {
    return "select " + kNumber + " from " + kApplication + ", " + kPlan + " where " + JoinedTo(kPlan) + " and " +
           condition + Year(year) + " and FIRSTAPPR = '+'" + kByNumber;
}

std::string AcceptedNumbers(const std::string& condition, const std::string& year) {
    return Accepted(kAcceptance + ".XMBH") + condition + Year(year) + " order by " + kAcceptance + ".XMBH";
}

std::string ApplicationCategory(const std::string& number) {
    return "select XMLB from " + kApplication + " where " + OfNumber("XMBH", number);
}

std::string ReviewOpinions(const std::string& number) {
    return "select ZJYJ, PFYJ, PFJF from " + kReview + " where " + OfNumber("XMBH", number);
}

std::string ApprovedFunds(const std::string& number) {
    return "select PFJF from " + kReview + " where " + OfNumber("XMBH", number);
}

std::string GuideName(const std::string& fund, const std::string& year) {
    return "select ZNMC from CORVANE_YEARFUNDGUIDE where JJBH = " + db::QuoteLiteral(fund) +
           " and FBNF = " + db::QuoteLiteral(year);
}

std::string UnitName(const std::string& unit) {
    return "select DWMC from CORVANE_UNIT where DWDM = " + db::QuoteLiteral(unit);
}

std::string ExpertName(const std::string& id) {
    return "select XM from CORVANE_EXPERTINFO where ID = " + db::QuoteLiteral(id);
}

std::string Laboratories() { return "select SYSDM, SYSQC from CORVANE_LAB order by SYSDM"; }

std::string AspectRows(const std::string& code, const std::string& year, const std::string& column,
                       const std::string& value) {
    const std::string condition = column.empty() ? "" : " and " + column + " = " + db::QuoteLiteral(value);
    return "select * from corvane_year_studyaspect where yjfxbh = " + db::QuoteLiteral(code) + condition +
           " and FBNF = " + db::QuoteLiteral(year);
}

std::string PlanRow(const std::string& number) {
    return "select * from " + kPlan + " where " + OfNumber("XMBH", number) + " order by XMBH";
}

std::string AcceptedProject(const std::string& number) {
    return Accepted(kAcceptance + ".XMBH, XMLB, SQRXM, GZDW, SJWCR, ZBSXQK, WCQKJJ, YSQK") +
           OfNumber(kAcceptance + ".XMBH", number);
}

std::string AcceptedProjectsOfFund(const std::string& fund, const std::string& condition, const std::string& year) {
    return Accepted(kAcceptance + ".XMBH, XMMC") + OfFund(kAcceptance + ".XMBH", fund) + " and " + condition +
           Year(year);
}

std::string ApplicationsOfFund(const std::string& fund, const std::string& condition, const std::string& year) {
    return "select XMBH, " + kApplicationColumns + ", SQJE from " + kApplication + " where " + OfFund("XMBH", fund) +
           Year(year) + " and " + condition + " order by XMBH";
}

std::string FirstReviewedNumbers(const std::string& year) {
    return "select XMBH from " + kApplication + " where NF = " + db::QuoteLiteral(year) + PassedFirstReview() +
           " order by XMBH";
}

std::string FirstReviewedOfFund(const std::string& fund, const std::string& year, const std::string& reviewColumns) {
    return "select " + kNumber + ", " + kApplicationColumns + ", SQJE, " + reviewColumns + " from " + kApplication +
           " left join " + kReview + " on " + JoinedTo(kReview) + " where " + OfFund(kNumber, fund) + Year(year) +
           PassedFirstReview() + kByNumber;
}

std::string ApprovedRowsOfFund(const std::string& fund, const std::string& condition, const std::string& year) {
    return "select " + kNumber + ", " + kApplicationColumns + ", " + kReview + ".PFJF from " + kApplication + ", " +
           kReview + " where " + JoinedTo(kReview) + " and " + OfFund(kNumber, fund) + Year(year) + " and " +
           condition + " and PSJG = '+'" + kByNumber;
}

std::string LabApplications(const std::string& lab, const std::string& category, const std::string& year,
                            bool withAmount) {
    return std::string("select XMBH") + (withAmount ? ", SQJE" : "") + " from " + kApplication + " where " +
           OfFund("XMBH", lab) + " and XMLB = " + db::QuoteLiteral(category) + Year(year);
}

std::string ApprovedUnits(const FundProjects& projects) { return Approved("DWDM", projects, {}); }

std::string ApprovedPlanRows(const FundProjects& projects, const std::string& unit) {
    return Approved(kNumber + ", XMMC, SQRXM, GZDW, " + (unit.empty() ? "" : "DWDM, ") + kReview + ".PFJF", projects,
                    unit) +
           kByNumber;
}

std::string ApprovedOpinionRows(const FundProjects& projects) {
    return Approved(kNumber + ", XMMC, SQRXM, GZDW, XMQSRQ, XMZZRQ", projects, {}) + kByNumber;
}

std::string ApprovedCount(const FundProjects& projects, const std::string& unit) {
    return Approved(kNumber, projects, unit);
}

std::string ApprovedSum(const FundProjects& projects, const std::string& unit) {
    return Approved("sum(" + kReview + ".PFJF)", projects, unit);
}

std::string PlannedUnits(const FundProjects& projects) { return Planned("DWDM", projects, {}); }

std::string PlannedListRows(const FundProjects& projects, const std::string& unit) {
    return Planned(kNumber + ", XMMC, SQRXM", projects, unit) + kByNumber;
}

std::string PlannedDraftRows(const FundProjects& projects, const std::string& unit) {
    return Planned(kNumber + ", XMMC", projects, unit) + kByNumber;
}

std::string PlannedCount(const FundProjects& projects, const std::string& unit) {
    return Planned(kNumber, projects, unit);
}

std::string PlannedSum(const FundProjects& projects, const std::string& unit) {
    return "select sum(" + kReview + ".PFJF) from " + kApplication + ", " + kPlan + ", " + kReview + " where " +
           JoinedTo(kPlan) + " and " + JoinedTo(kReview) + " and " + Selection(projects) + OfUnit(unit);
}

}  // namespace reportqueries
