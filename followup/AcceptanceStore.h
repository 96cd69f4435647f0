// The acceptance summary's statements: its row (one per project number) and
// the Word summary's values joined from the application.
#pragma once

#include <string>

#include "foundation/AdoConnection.h"

namespace acceptancestore {

// The project's acceptance row, for a recordset that reads or changes it.
std::string RowQuery(const std::string& number);
// The Word summary's values: xmbh, xmmc, xmlb, sqrxm, dh, gzdw, xmqsrq,
// xmzzrq of the application with wcsj and tbsj of its acceptance row (empty
// without one).
std::string WordQuery(const std::string& number);
// Removes the project's acceptance row; runs inside the caller's transaction.
bool DeleteRow(CAdoConnection& connection, const std::string& number);

}  // namespace acceptancestore
