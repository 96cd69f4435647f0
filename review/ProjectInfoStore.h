// The basic record of one application as the project-information editor
// reads and writes it: its one list of columns, the load of the row and its
// members, and the save with the renumbering that a changed guide code, year or unit code
// brings: the project moves to the group of its new 17-character prefix,
// every row keyed by its number follows, and the group it left is numbered
// again without gaps.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "numbering/LoadedProject.h"
#include "numbering/ProjectNumbering.h"

class CAdoConnection;

namespace projectinfo {

using projectnumber::kPrefixLength;
using projectnumber::Prefix;
using projectnumber::SerialText;

// Column values of the application row, in writing order.
using Columns = std::vector<std::pair<std::string, std::string>>;

// The application table, and the columns of its row that the project editor
// shows and writes: the number, then the fields in writing order.
extern const char* const kApplicationTable;
const std::vector<std::string>& ApplicationColumns();

// The application row of the number, every column of ApplicationColumns() in
// its order, as the editor shows them; false when there is no such row or it
// cannot be read.
bool LoadApplication(CAdoConnection& connection, const std::string& number, Columns& row);
// The project's member rows (CORVANE_PROJECT_SQCY) in stored order, each the
// values of `columns`.
std::vector<std::vector<std::string>> LoadMembers(CAdoConnection& connection, const std::string& number,
                                                  const std::vector<std::string>& columns);

// The NAME of every row of a code table (sexes, degrees, titles), as stored.
std::vector<std::string> CodeNames(CAdoConnection& connection, const std::string& table);

enum class SaveResult {
    Saved,
    ChangedElsewhere,  // the project loaded was deleted, renumbered or changed meanwhile; nothing changed
    Failed,
};
struct SaveOutcome {
    SaveResult result = SaveResult::Failed;
    std::string number;               // the project's number after the save
    projectnumber::Renames renames;  // every number the save moved
    std::string stamp;               // the loaded project's stamp as the save left it
};

// Writes the columns into the application row of the loaded project, while
// that row still holds the loaded number (projectnumber::SaveLoaded). When
// `newPrefix` differs from the number's prefix (as the database compares),
// the project then changes prefix (projectnumber::MoveToPrefix). One
// transaction: on any failure, or when the project is no longer the one
// loaded, nothing is changed.
SaveOutcome SaveApplication(CAdoConnection& connection, const projectnumber::LoadedProject& loaded,
                            const std::string& newPrefix, const Columns& columns);

}  // namespace projectinfo
