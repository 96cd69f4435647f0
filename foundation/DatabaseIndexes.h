// The indexes of project.mdb: every lookup of a project by its number, of a
// unit, expert, guide or direction by its key, uses one. The build creates
// them with the database; an installed database from before gains them when
// the program starts (its rows are untouched).
#pragma once

class CAdoConnection;

// Creates the indexes the database lacks, in one transaction; true when all
// exist afterwards. Tables the database does not have are passed over.
bool EnsureIndexes(CAdoConnection& connection);
