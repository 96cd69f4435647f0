// Database helpers of the first-review view: row counts, parts of project
// numbers.
#pragma once

#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"

namespace firstreview {

// Rows of the query; 0 when there are none or the query cannot be run.
long CountRows(CAdoConnection* connection, const std::string& sql);
// Characters [first, first + count) of a text, cut short at its end.
std::string Part(const std::string& text, std::size_t first, std::size_t count);

}  // namespace firstreview
