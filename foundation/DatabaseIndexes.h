// The indexes of project.mdb: every lookup of a project by its number, of a
// unit, expert, guide or direction by its key, uses one. The build creates
// them with the database; an installed database from before gains them when
// the program starts. A database from a build that stored short categories
// ("一般项目", "重点项目") has them completed to their full names then
// (ProjectCategory.h), so that every query by category finds them.
#pragma once

class CAdoConnection;

// Creates the indexes the database lacks and completes the short categories
// of the applications, in one transaction; true when all is done. Tables the
// database does not have are passed over.
bool EnsureIndexes(CAdoConnection& connection);
