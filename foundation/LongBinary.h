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
// Writes the value to `path` as a whole (an empty value gives an empty file).
// False, with the file left as it was, when the value cannot be read or the
// file cannot be written.
bool LongBinaryToFile(CAdoRecordSet& recordset, const std::string& column, const std::string& path);
