// Renumbering of the projects of one year and fund kind, the database work
// only (the command that asks and reports is ApprovalReorder.h). Each number
// keeps its first 17 characters (guide code, year digits, unit code) and gets
// a new serial from one count over the whole set: first the projects whose
// review result is "+", then the others, each group in the order of their
// serials. Every row keyed by the number follows it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "numbering/ProjectNumbering.h"

class CAdoConnection;

namespace approval {

// The review result PSJG of the project's review row; empty without a row.
std::optional<std::string> GetReviewResult(CAdoConnection& connection, const std::string& xmbh);

using projectnumber::RenumberResult;
using projectnumber::SerialText;

// Renumbers the applications with NF = year and XMLB = kind in one
// transaction, so a failure or a clash leaves every number as it was.
// `renames` receives the numbers moved; `caseVariants` the pair of numbers
// that differ only in letter case when that refuses the re-sort.
RenumberResult RenumberProjects(CAdoConnection& connection, const std::string& year, const std::string& kind,
                                projectnumber::Renames* renames = nullptr,
                                std::vector<std::string>* caseVariants = nullptr);

}  // namespace approval
