// The achievement-transfer record of one unit: one row of
// CORVANE_RESULT_UNITCHANGE keyed by the unit code DWDM, 61 text columns.
// The view, its pages, the list page, the bundle and the outputs take the
// column order, the page and control of every column from here.
#pragma once

#include <array>
#include <string>
#include <vector>

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

}  // namespace unitchange
