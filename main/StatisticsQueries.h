// The statements of the statistics reports on the application table and its
// review row. The reports open a recordset from the text given here and only
// fill their sheets and documents. Values enter quoted by db::QuoteLiteral; a
// `condition` is the report's own condition on the category (XMLB), made
// from the program's category names.
#pragma once

#include <string>

namespace statqueries {

// The numbers of the year's applications, in order.
std::string ApplicationNumbers(const std::string& year);
// The numbers of the review rows of the year (`numberYear`, the number's two
// year characters) that name the expert as one of their three, in order.
std::string ProjectsReviewedBy(const std::string& expert, const std::string& numberYear);

// The numbers of the year's approved (PSJG "+") key-laboratory projects, in
// order.
std::string ApprovedLabNumbers(const std::string& year);
// The year's approved projects of the laboratory fund `code` (their numbers,
// with `withFunds` their approved funds PFJF too), of the key-project
// category (`category`) or of any when `category` is empty.
std::string ApprovedOfLab(const std::string& code, const std::string& category, const std::string& year,
                          bool withFunds);

// The year's projects meeting `condition` that were not funded (PSJG "-" or
// no review row): their distinct units (DWDM); and one unit's projects
// (XMBH, XMMC, SQRXM, BZZLY) in order.
std::string UnfundedUnits(const std::string& condition, const std::string& year);
std::string UnfundedProjects(const std::string& unit, const std::string& condition, const std::string& year);

// The units' `unitColumns` with the sum of the approved funds of their year's
// approved projects meeting `condition`, by unit code.
std::string UnitFunds(const std::string& unitColumns, const std::string& condition, const std::string& year);

}  // namespace statqueries
