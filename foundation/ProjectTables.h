// The tables whose rows belong to one project through its number. A table
// added to the schema with a project-number column belongs here: moving,
// renumbering and deleting a project, and the indexes, all follow this list.
#pragma once

#include <vector>

namespace projecttables {

struct KeyedTable {
    const char* table;
    const char* column;  // the column holding the project number
};

// Every table keyed by the project number, the application table first.
const std::vector<KeyedTable>& ProjectKeyedTables();

}  // namespace projecttables
