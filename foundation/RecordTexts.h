// The texts of a recordset's rows, read in one pass for a list that shows
// them (ui::ListCtrl::AppendRows takes them whole).
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

class CAdoRecordSet;

using RowTexts = std::vector<std::vector<std::string>>;

// From the current row to the end: per row, the named columns in order
// (GetString; a column the row lacks gives an empty text). Leaves the
// recordset at its end; a closed or failed recordset gives no rows.
RowTexts ReadRowTexts(CAdoRecordSet& rs, std::span<const char* const> columns);
RowTexts ReadRowTexts(CAdoRecordSet& rs, std::initializer_list<const char*> columns);
// The same with the first `count` fields by position (GetFieldText).
RowTexts ReadRowTexts(CAdoRecordSet& rs, long count);

// Puts the running number ("1", "2", ...) before each row's texts, as the
// lists that number their rows show it.
void NumberRows(RowTexts& rows);
