// Files of master-data rows that offices exchange: unit files (.uif),
// expert (.eif), specialty-group (.sif) and laboratory (.lif) files, each one
// saved recordset of a table's rows with the table's columns in its order.
// Every screen that reads one reads it here, so one discipline holds:
//  - only a regular file within the reader's bound is read (the saved
//    recordset's reader refuses the rest, and says why in the user's words);
//  - the file is taken only when the columns it copies by position carry the
//    table's names and come from no other table (a file of another kind is
//    never copied column by column into this one);
//  - every row is checked before anything is asked or written: its key, a
//    key given twice, a value longer than its column;
//    a refused row is named with its reason ("第<n>条：…");
//  - the duplicate questions come next, and the rows taken are then written
//    in one transaction, so they count only once all of them were stored.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"

struct MasterFileFormat {
    const char* table;
    const char* kind;       // what the file holds ("单位信息"): "…文件" in messages
    const char* keyColumn;  // found by name
    const char* keyLabel;   // the key in the user's words ("单位代码")
    // Positions 0 .. n-1 are copied, n as many of these as the file and the
    // table both have, at least `minColumns`; those carry the table's names
    // (reserve columns after them are copied whatever their names).
    long minColumns, maxColumns;
    // An overwrite changes the stored row in place (its other columns kept);
    // else the stored rows of the key are removed and the file's row added.
    bool overwriteInPlace;
};

struct MasterFileImport {
    enum class Outcome {
        Read,        // the file was read; `imported` rows were stored
        Unreadable,  // no saved recordset: `reason` says why; nothing written
        OtherKind,   // no file of this kind; nothing written
        Failed,      // the database refused the write or a look-up; nothing written
    };
    Outcome outcome = Outcome::Unreadable;
    std::string reason;
    int imported = 0;
    std::vector<std::string> refusedRows;  // "第<n>条：<reason>"
};

// Imports the file. `replaceStored` answers, per row whose key is stored,
// whether the stored record is to be replaced (asked before anything is
// written); `keptOnOverwrite` are positions an in-place overwrite leaves as
// they are.
MasterFileImport ImportMasterFile(CAdoConnection& connection, const MasterFileFormat& format, const std::string& path,
                                  const std::function<bool(const std::string& key)>& replaceStored,
                                  const std::vector<long>& keptOnOverwrite = {});

// What the user is told: the file named with its reason when nothing could
// be read or stored, else "共导入了<n>条数据！" and each refused row.
std::string MasterFileReport(CAdoConnection& connection, const MasterFileFormat& format, const std::string& path,
                             const MasterFileImport& result);
