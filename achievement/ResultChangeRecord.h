// The achievement-transfer record of one project: the main row of
// CORVANE_NEW_RESULTCHANGE (71 columns, three of them RTF held as long
// binary values) and the rows of its five child tables, tied to it by
// ITEM_XMBH. The view, the loader, the bundle and the outputs all take the
// column order and the child-table layout from here.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "foundation/Sql.h"

class CAdoConnection;
class CAdoRecordSet;

namespace resultchange {

constexpr const char* kMainTable = "CORVANE_NEW_RESULTCHANGE";
constexpr int kColumnCount = 71;
// Index of the first of CHECK1 .. CHECK29.
constexpr int kFirstCheck = 42;
constexpr int kCheckCount = 29;
// Indexes of the three RTF columns (XMYJQJSZB, XMYSJSZB, JSYYQJ), in the
// order of their scratch files 1, 2, 3.
constexpr std::array<int, 3> kRichColumns = {15, 16, 20};

// Column names of the main row in stored order.
const std::array<std::string, kColumnCount>& Columns();
bool IsRichColumn(int index);
// 0, 1, 2 for the RTF columns, -1 for the others.
int RichSlot(int index);

// A check column counts as ticked only when it holds exactly "是".
inline bool IsTicked(const std::string& value) { return value == "是"; }
inline const char* CheckText(bool ticked) { return ticked ? "是" : "否"; }

// The scratch file of RTF column slot 0..2 under the program folder:
// temp/NewFrame_richedit1.rtf .. 3.
std::string RichScratchPath(const std::string& programFolder, int slot);

// One child table and the grid that edits it on the information page.
struct ChildTable {
    std::string table;                // upper-case table name
    std::vector<std::string> stored;  // stored columns after ITEM_XMBH, in grid column order
    // The grid's first column is a running number (序号) that is not stored;
    // otherwise the first grid column is the first stored column (PX).
    bool numbered = true;

    int GridColumns() const { return int(stored.size()) + (numbered ? 1 : 0); }
    // Grid column of stored column i.
    int GridColumnOf(int i) const { return i + (numbered ? 1 : 0); }
};

enum ChildIndex { kJcyj = 0, kGgll, kYyssgg, kXhssgg, kGzzdlist, kChildCount };
// In the order _JCYJ, _GGLL, _YYSSGG, _XHSSGG, _GZZDLIST.
const std::array<ChildTable, kChildCount>& ChildTables();

// The rows of <table> whose project-number column <keyColumn> holds the
// project `key`: "select * from <table> where ..." with the key quoted. Of a
// legacy pair (numbers differing only in letter case) each keeps its own rows.
std::string SelectByKey(const std::string& table, const std::string& keyColumn, const std::string& key);
// Deletes those rows; false when the delete is refused.
bool DeleteByKey(CAdoConnection& connection, const std::string& table, const std::string& keyColumn,
                 const std::string& key);
// Whether the main table has a row for the number.
bool RecordExists(CAdoConnection& connection, const std::string& number);

// The text of a column of the current row (empty for NULL or a failed read).
std::string Field(CAdoRecordSet& recordset, const std::string& column);

// The three regulation types that the outputs count and print by name.
const std::array<std::string, 3>& RegulationTypes();

// ---- the stored records, as the transfer view reads and writes them ----

// The main row's values in column order; the three RTF columns are named by
// the scratch files that hold their text (RichScratchPath).
using MainValues = std::array<std::string, kColumnCount>;
// One child table's rows as its grid holds them: per row, the grid's cells.
using GridRows = std::vector<std::vector<std::string>>;

// The regulation type names (NAME of CORVANE_NEW_RESULTCHANGE_GZZD) in
// stored order.
std::vector<std::string> RegulationTypeNames(CAdoConnection& connection);
// The project chooser's statement: name and number of every record by number.
std::string ChooserQuery();
// The stored record's project name; false (and `name` unchanged) when there
// is no record or it cannot be read.
bool ProjectName(CAdoConnection& connection, const std::string& number, std::string& name);
// What the query dialog was given; empty texts ask for nothing.
struct ResultQueryFields {
    std::string category;  // "全部基金", "一般项目" or "重点项目"
    std::string name, number, leader, unit, jointUnit;
};
// The records asked for: one condition per asked field, in the order
// category, number (as a prefix), name, leader, unit, joint unit, joined by
// "and"; values quoted for SQL. Without conditions, the statement over every
// record.
std::string BuildResultQuery(const ResultQueryFields& fields);
// Opens the records for the list: every one, or those `selection` (a
// statement of BuildResultQuery) gives.
bool OpenList(CAdoRecordSet& rs, CAdoConnection& connection, const std::string& selection = {});

// Reads the project's main row: its texts into `values` and its RTF columns
// into the scratch files RichScratchPath(programFolder, slot) (a file is left
// as it was when its value cannot be read). Found::NoRow without a row,
// Failed when it cannot be read.
db::Found ReadMainRow(CAdoConnection& connection, const std::string& number, const std::string& programFolder,
                      MainValues& values);
// The project's rows of a child table in stored order: per row the stored
// columns after ITEM_XMBH (empty when they cannot be read).
std::vector<std::vector<std::string>> ReadChildRows(CAdoConnection& connection, int child, const std::string& number);

// Writes the main row from `values` (the RTF columns from their files): a new
// row, or with `update` the number's stored row, which must exist. Runs
// inside the caller's transaction.
bool WriteMainRow(CAdoConnection& connection, const MainValues& values, bool update);
// Replaces the project's rows of every child table by the grids' rows.
// Runs inside the caller's transaction.
bool WriteChildRows(CAdoConnection& connection, const std::string& number,
                    const std::array<GridRows, kChildCount>& grids);
// Deletes the project's main row and child rows. Runs inside the caller's
// transaction.
bool DeleteRecord(CAdoConnection& connection, const std::string& number);

}  // namespace resultchange
