// Whole long binary values (rich texts, stored documents) of the current row
// of a recordset, moved as byte strings or into files.
#pragma once

#include <string>

class CAdoRecordSet;

// The value's bytes (empty for NULL). False, with `bytes` unchanged, when the
// column is missing or not a long binary column, or the value cannot be read.
bool ReadLongBinary(CAdoRecordSet& recordset, const std::string& column, std::string& bytes);
// Sets the value of the row being edited to exactly these bytes.
bool WriteLongBinary(CAdoRecordSet& recordset, const std::string& column, const std::string& bytes);
// Whether the current row's value of the column is NULL (not merely empty).
bool IsNullValue(CAdoRecordSet& recordset, const std::string& column);
// Copies the value of the source's current row into the row being edited of
// `to` (same column name): NULL stays NULL, an empty value stays empty. False
// as ReadLongBinary, or when the value cannot be set.
bool CopyLongBinary(CAdoRecordSet& from, const std::string& column, CAdoRecordSet& to);
// Writes the value to `path` as a whole (an empty value gives an empty file).
// False, with the file left as it was, when the value cannot be read or the
// file cannot be written.
bool LongBinaryToFile(CAdoRecordSet& recordset, const std::string& column, const std::string& path);
