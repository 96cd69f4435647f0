#include "foundation/ProjectDatabase.h"

#include "platform/sys/Sys.h"

std::string ProgramDatabasePath(const char* file) { return sys::JoinPath(sys::ProgramFolder(), file); }

bool ConnectProjectDatabase(CAdoConnection& connection, const char* file) {
    return connection.ConnectAccess(ProgramDatabasePath(file), kProjectDatabasePassword) != FALSE;
}
