// Long binary values of a recordset's current row read whole, or written out
// to files: the RTF working files that the review views load into their
// rich-text controls.
#pragma once

#include <string>

class CAdoRecordSet;

// The whole value of `field` (its actual size, read in pieces); NULL gives
// no bytes. False when it cannot be read (no current row, not a long binary
// column).
bool ReadLongBinary(CAdoRecordSet& recordset, const std::string& field, std::string& bytes);

// Writes the value of `field` to `path`, creating or truncating the file; an
// empty value gives an empty file. False, with the file left as it was, when
// the value cannot be read or the file cannot be written.
bool LongBinaryToFile(CAdoRecordSet& recordset, const std::string& field, const std::string& path);
