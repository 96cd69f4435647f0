// The engine's string, number and date functions that the system's queries
// call (Right, Left, Mid, Len, Val, IIf, UCase, LCase, Nz, Year, Month, Day,
// Now), registered on a SQLite connection.
#pragma once

struct sqlite3;

namespace ado {

// Registers the functions; false when SQLite refuses one.
bool RegisterJetFunctions(sqlite3* db);

}  // namespace ado
