// The tables whose rows belong to one project through its number. A table
// added to the schema with a project-number column belongs here: moving,
// renumbering and deleting a project, and the indexes, all follow this list.
#pragma once

#include <string>
#include <vector>

namespace projecttables {

struct KeyedTable {
    const char* table;
    const char* column;  // the column holding the project number
};

// Every table keyed by the project number, the application table first.
const std::vector<KeyedTable>& ProjectKeyedTables();

// The condition on `column` for the rows of a table keyed by the project
// number that belong to one number, for a statement's text; `value` is the
// number as SQL (a parameter such as "?1", a quoted literal, or a column of
// another table of the statement). The rows the database takes for the
// number (it compares numbers without letter case), but where two stored
// applications hold the number in spellings that differ only in case (a
// legacy pair), the rows holding it as stored: so one of a pair never takes
// the other's rows, and a project's rows stored in another case stay its own.
std::string KeyedRowsCondition(const std::string& column, const std::string& value);

// "delete from <table> where <condition>" with the rows chosen before any
// goes: a condition that reads the application table (KeyedRowsCondition
// does) would otherwise see the deletes of its own statement, and once one
// of a legacy pair is gone take the other for the number.
std::string DeleteWhere(const std::string& table, const std::string& condition);

}  // namespace projecttables
