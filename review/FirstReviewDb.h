// Database helpers of the first-review view: row counts and the lists of
// applications.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"

namespace firstreview {

// Rows of the query with `values` bound to ?1, ?2, ...; 0 when there are
// none or the query cannot be run.
long CountRows(CAdoConnection* connection, const std::string& sql, const std::vector<std::string>& values);
// The numbers of the year's applications in any of the categories, in order.
std::vector<std::string> ProjectsOfCategories(CAdoConnection* connection, const std::vector<std::string>& categories,
                                              const std::string& year);

}  // namespace firstreview
