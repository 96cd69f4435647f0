// What the import views store from the files that units and other offices
// send in: an application with its members (CORVANE_ITEMAPPINFO,
// CORVANE_PROJECT_SQCY), a unit (CORVANE_UNIT) and a five-year guide with its
// subjects and directions (CORVANE_FIVEFUNDGUIDE, CORVANE_FIVE_STUDYSUBJECT,
// CORVANE_FIVE_STUDYASPECT). The views read and check the files, decide on a
// stored record (asking the user before any transaction) and hand the file's
// recordsets over; the statements and the columns copied live here.
//
// Every value from a file is bound or copied through a recordset, never put
// into a statement's text.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"

namespace importstore {

// ---- applications ----

constexpr const char* kApplicationTable = "CORVANE_ITEMAPPINFO";
constexpr const char* kMemberTable = "CORVANE_PROJECT_SQCY";

// The columns an application file's two parts must carry: those copied into
// the new application row and those copied into each member row.
const std::vector<std::string>& ApplicationColumns();
const std::vector<std::string>& MemberColumns();

// Whether an application of the number is stored.
db::Found HasApplication(CAdoConnection& connection, const std::string& number);

// Writes the application of the file's current row under `number`, replacing
// the stored one when `replace`, and replaces the project's stored members
// by every row of `members`. The fund number, the approvals, the subject and
// secrecy columns, the recommenders, the plan columns and the document stay
// empty in the new row. Runs inside the caller's transaction; false when a
// statement or a row fails.
bool WriteApplication(CAdoConnection& connection, CAdoRecordSet& application, CAdoRecordSet& members,
                      const std::string& number, bool replace);
// WriteApplication in a transaction of its own: all of it or nothing.
bool ImportApplication(CAdoConnection& connection, CAdoRecordSet& application, CAdoRecordSet& members,
                       const std::string& number, bool replace);

// ---- units ----

// Columns of a unit that travel by position.
constexpr long kUnitColumns = 21;
// The columns a unit file must name as the unit table does; the reserve
// columns after them are copied by position whatever their names.
constexpr long kNamedUnitColumns = 15;
constexpr const char* kUnitTable = "CORVANE_UNIT";

// Whether a unit of the code is stored (a failed look-up counts as not).
bool IsUnitStored(CAdoConnection& connection, const std::string& code);

// ---- five-year guides ----

// The tables of a guide bundle's three parts: guide, subjects, directions.
const std::vector<std::string>& GuideTables();
// The guide row's long binary columns.
const std::vector<const char*>& GuideLongColumns();

// Whether the guide of the fund number and period is stored (a failed
// look-up counts as not).
bool IsGuideStored(CAdoConnection& connection, const std::string& fund, const std::string& period);

// Removes the guide's subjects and directions, and its guide row when
// `withGuideRow`. Runs inside the caller's transaction.
bool DeleteGuideRows(CAdoConnection& connection, const std::string& fund, const std::string& period,
                     bool withGuideRow);

// Writes a bundle's rows: the guide row of `guides` when it has one, every
// subject (by name) and every direction (column by column, when the part has
// the direction table's layout). `replace` first removes the stored guide
// with its subjects and directions, its guide row only when the bundle brings
// one, so that an overwrite never leaves them twice. The parts are read from
// where they stand. Runs inside the caller's transaction.
bool WriteGuide(CAdoConnection& connection, CAdoRecordSet& guides, CAdoRecordSet& subjects,
                CAdoRecordSet& directions, const std::string& fund, const std::string& period, bool replace);
// WriteGuide in a transaction of its own: all of it or nothing.
bool ImportGuide(CAdoConnection& connection, CAdoRecordSet& guides, CAdoRecordSet& subjects,
                 CAdoRecordSet& directions, const std::string& fund, const std::string& period, bool replace);

}  // namespace importstore
