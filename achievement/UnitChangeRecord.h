// The achievement-transfer record of one unit: one row of
// CORVANE_RESULT_UNITCHANGE keyed by the unit code DWDM, 61 text columns.
// The view, its pages, the list page, the bundle and the outputs take the
// column order, the page and control of every column from here.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "foundation/Sql.h"

class CAdoConnection;
class CAdoRecordSet;

namespace unitchange {

constexpr const char* kTable = "CORVANE_RESULT_UNITCHANGE";
constexpr int kColumnCount = 61;
// CHECK1 .. CHECK7 are the last seven columns.
constexpr int kFirstCheck = 54;
constexpr int kCheckCount = 7;

using Values = std::array<std::string, kColumnCount>;

enum class ControlKind { Edit, Combo, Check };

// One column: where the user edits it. Combos list the names of a code table.
struct Field {
    const char* column;
    int page;  // 1 or 2
    ControlKind kind;
    int controlId;
    const char* caption;
    const char* codeTable;  // combos only
};

// Every column in stored order (index 0 .. 60).
const std::array<Field, kColumnCount>& Fields();

// Control ids of the unit code and name on page 1.
constexpr int IDC_DWDM = 1008;
constexpr int IDC_DWMC = 1022;

// "select * from CORVANE_RESULT_UNITCHANGE where DWDM='<code>'", quoted.
std::string SelectByCode(const std::string& code);

// The 61 columns of the current row (NULL reads as an empty text).
Values Read(CAdoRecordSet& rs);
// Sets the 61 columns of the current new or edited row in stored order (an
// empty text is stored as NULL); false at the first column not accepted.
bool Write(CAdoRecordSet& rs, const Values& values);
// The failure text of a save, after the caption of the first value its
// column cannot hold.
std::string FailureMessage(CAdoConnection& connection, const Values& values, const std::string& failure);

// ---- the stored records, as the unit view reads and writes them ----

// The names (NAME) of a combo's code table in stored order.
std::vector<std::string> CodeNames(CAdoConnection& connection, const std::string& codeTable);
// The column names in stored order, which a unit file must carry.
std::vector<std::string> ColumnNames();
// `columns` of every record, as stored.
std::vector<std::vector<std::string>> ListRows(CAdoConnection& connection, const std::vector<const char*>& columns);
// Opens the unit's record (an empty result when there is none); false when
// it cannot be read.
bool OpenRecord(CAdoRecordSet& rs, CAdoConnection& connection, const std::string& code);
// Whether the code is one of a stored unit (CORVANE_UNIT).
db::Found IsStoredUnit(CAdoConnection& connection, const std::string& code);
// Writes the record in one transaction: a new row, or with `update` the
// stored row of the code (which must exist) changed in place. False: the
// database is as it was.
bool SaveRecord(CAdoConnection& connection, const Values& values, bool update);
// Stores a record read from a file in one transaction, the stored record of
// its code giving way when `replace`. False: the database is as it was.
bool ImportRecord(CAdoConnection& connection, const Values& values, bool replace);

}  // namespace unitchange
