// Export of the selected rows of a master-data list through the side
// database temp.mdb: the side table is emptied, each selected row is copied
// into it from project.mdb by column position, the side table is saved as a
// saved recordset to a file the user chooses, and the side table is emptied
// again. The file thus holds exactly the chosen rows with the table's own
// columns and order.
//
// How a list dialog calls it (its "批量导出" handler):
//
//   ExportThroughSideDatabase(kExpertExport, SelectedColumnTexts(m_list, 1),
//                             m_sideConnection, m_recordset, this);
//
// `side` is the dialog's connection to temp.mdb, `project` a recordset bound
// to its project.mdb connection (it is left closed).
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"

namespace ui {
class Wnd;
}

// One table exported through the side database.
struct SideExportTable {
    const char* table;        // the same name in project.mdb and temp.mdb
    const char* keyColumn;    // column matched against the list's key
    int columnsCopied;        // positions 0 .. columnsCopied-1 are copied
    const char* defaultFile;  // offered name; its extension is the default one
    const char* filter;       // file-dialog filter
};

extern const SideExportTable kExpertExport;     // key ID (list column 1), 12 columns, .eif
extern const SideExportTable kSpecGroupExport;  // key JJBH (list column 0), 6 columns, .sif
extern const SideExportTable kLabExport;        // key SYSDM (list column 0), 14 columns, .lif

// Runs the export of the rows with these keys, in the given order, with the
// messages of the export. Returns the number of rows saved, or -1 when
// nothing was saved (nothing selected, cancelled, or failed). A key whose
// row is no longer stored is skipped.
int ExportThroughSideDatabase(const SideExportTable& table, const std::vector<std::string>& keys,
                              CAdoConnection& side, CAdoRecordSet& project, ui::Wnd* parent = nullptr);
