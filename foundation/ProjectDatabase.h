// project.mdb beside the program, opened with the one database password that
// every deliverable uses (the database refuses a connection without it).
#pragma once

#include "foundation/AdoConnection.h"

constexpr const char* kProjectDatabaseFile = "project.mdb";
constexpr const char* kProjectDatabasePassword = "5081";

// The path of a database file of the program folder ("project.mdb" or "temp.mdb").
std::string ProgramDatabasePath(const char* file = kProjectDatabaseFile);
// Opens a database file of the program folder with the database password.
bool ConnectProjectDatabase(CAdoConnection& connection, const char* file = kProjectDatabaseFile);
