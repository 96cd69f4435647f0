// Whole long binary values (rich texts, stored documents) of the current row
// of a recordset, moved as byte strings.
#pragma once

#include <string>

#include "foundation/AdoRecordSet.h"

// The value's bytes (empty for NULL); false when the column is missing or not
// a long binary column.
bool ReadLongBinary(CAdoRecordSet& rs, const std::string& column, std::string& bytes);
// Sets the value of the row being edited to exactly these bytes.
bool WriteLongBinary(CAdoRecordSet& rs, const std::string& column, const std::string& bytes);
