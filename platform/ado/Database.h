// Creating a database file from a schema: the tables and seed rows of the
// schema, the database password, and the checks of declared text lengths.
#pragma once

#include <string>

namespace ado {

// The one-row table that carries a database's password.
inline constexpr const char* kPasswordTable = "MSysDbPassword";

// Creates a new database file at `path` (failing when a file is already
// there), runs `schemaSql` (DDL and INSERTs of seed data) in one transaction,
// stores `password`, and adds the checks that make a text longer than its
// declared TEXT(n) length fail on insert and update. On failure nothing is
// left at `path` and `error` says why.
bool CreateDatabase(const std::string& path, const std::string& password, const std::string& schemaSql,
                    std::string& error);

}  // namespace ado
