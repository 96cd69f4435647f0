// Saved recordsets: one rowset (column definitions and every row, long binary
// values included) in the XML persistence format of the recordset's Save
// (root `xml`, an `s:Schema` with one `s:AttributeType` per column, the rows
// as `rs:data/z:row` attributes). Files exchanged with installations that
// still run the original stack are read and written alike.
#pragma once

#include <string>
#include <string_view>

#include "platform/ado/Rowset.h"

namespace ado {

// Writes the rowset to `path` ("\" separators accepted). The file is written
// through a temporary file renamed over the target, so a failed save leaves
// any old file as it was. False with a readable reason in `error`.
bool SaveRowsetXml(const RowsetData& data, const std::string& path, std::string& error);

// Reads a saved recordset, including the variants other writers produce
// (single or double quotes, column aliases, type synonyms, pending-change
// blocks, which are applied so that `out` holds the rows as they stand).
// A missing, damaged or foreign file gives false with the reason in `error`
// and leaves `out` unchanged. Only a regular file of at most
// sys::kMaxInputFileBytes is read (anything else is refused with
// sys::InputRefusal's sentence naming the file and the bound), and it is read
// in pieces: the rows are taken as they are parsed, so neither the file's
// bytes nor its whole tree stand in memory beside the rows.
bool LoadRowsetXml(const std::string& path, RowsetData& out, std::string& error);
// As LoadRowsetXml, from the bytes of a file.
bool ParseRowsetXml(std::string_view bytes, RowsetData& out, std::string& error);

}  // namespace ado
