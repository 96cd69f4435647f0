#include "main/StatisticsQueries.h"

#include "application/ApplicationStore.h"
#include "foundation/Sql.h"
#include "review/ReviewStore.h"

namespace statqueries {

namespace {

const std::string kApplication = appstore::kApplicationTable;
const std::string kReview = reviewstore::kReviewTable;

std::string Year(const std::string& year) { return "NF = " + db::QuoteLiteral(year); }

// "from <review>, <application> where <review>.XMBH = <application>.XMBH and "
std::string ReviewedApplications() {
    return " from " + kReview + ", " + kApplication + " where " + kReview + ".XMBH = " + kApplication + ".XMBH and ";
}

// "from <application> left join <review> on ... where "
std::string WithOrWithoutReview() {
    return " from " + kApplication + " left join " + kReview + " on " + kApplication + ".XMBH = " + kReview +
           ".XMBH where ";
}

const std::string kNotFunded = " and (PSJG = '-' or PSJG is null)";

}  // namespace

std::string ApplicationNumbers(const std::string& year) {
    return "select XMBH from " + kApplication + " where " + Year(year) + " order by XMBH";
}

std::string ProjectsReviewedBy(const std::string& expert, const std::string& numberYear) {
    const std::string id = db::QuoteLiteral(expert);
    return "select XMBH from " + kReview + " where XMBH like " + db::QuoteLiteral("___________" + numberYear + "%") +
           " and (ZJ1 = " + id + " or ZJ2 = " + id + " or ZJ3 = " + id + ") order by XMBH";
}

std::string ApprovedLabNumbers(const std::string& year) {
    return "select " + kReview + ".XMBH" + ReviewedApplications() + kReview + ".XMBH like '9140C%' and " + Year(year) +
           " and PSJG = '+' order by " + kReview + ".XMBH";
}

std::string ApprovedOfLab(const std::string& code, const std::string& category, const std::string& year,
                          bool withFunds) {
    return "select " + kReview + ".XMBH" + (withFunds ? ", " + kReview + ".PFJF" : std::string()) +
           ReviewedApplications() + kReview + ".XMBH like " + db::QuoteLiteral(code + "%") + " and " +
           (category.empty() ? std::string() : "XMLB = " + db::QuoteLiteral(category) + " and ") + Year(year) +
           " and PSJG = '+'";
}

std::string UnfundedUnits(const std::string& condition, const std::string& year) {
    return "select distinct DWDM" + WithOrWithoutReview() + condition + " and " + Year(year) + kNotFunded;
}

std::string UnfundedProjects(const std::string& unit, const std::string& condition, const std::string& year) {
    return "select " + kApplication + ".XMBH, XMMC, SQRXM, BZZLY" + WithOrWithoutReview() +
           "DWDM = " + db::QuoteLiteral(unit) + " and " + condition + " and " + Year(year) + kNotFunded +
           " order by " + kApplication + ".XMBH";
}

std::string UnitFunds(const std::string& unitColumns, const std::string& condition, const std::string& year) {
    return "SELECT " + unitColumns + ", sum(" + kReview + ".PFJF) from CORVANE_UNIT, " + kReview + ", " +
           kApplication + " where " + kReview + ".XMBH = " + kApplication + ".XMBH and CORVANE_UNIT.DWDM = " +
           kApplication + ".DWDM and " + Year(year) + " and " + condition + " and PSJG = '+' group by " + unitColumns +
           " order by CORVANE_UNIT.DWDM";
}

}  // namespace statqueries
