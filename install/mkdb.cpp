// Build tool: creates one pristine database file from schema files.
//
//   corvane_mkdb <database> <password> <schema.sql>...
//
// The schema files are run in the order given, in one transaction; seeded
// login passwords are then stored as hashes. The file is built beside the
// target and renamed over it, so a failed run never
// leaves a half-built database where the build expects a finished one.
#include <cstdio>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/Password.h"
#include "platform/ado/Database.h"
#include "platform/sys/Sys.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <database> <password> <schema.sql>...\n", argv[0]);
        return 2;
    }
    const std::string target = argv[1];
    const std::string databasePassword = argv[2];

    std::string schema;
    for (int i = 3; i < argc; ++i) {
        std::string text;
        if (!sys::ReadFile(argv[i], text)) {
            std::fprintf(stderr, "corvane_mkdb: cannot read %s\n", argv[i]);
            return 1;
        }
        schema += text;
        schema += "\n";
    }

    const std::string building = target + ".building";
    sys::RemoveFile(building);
    std::string error;
    if (!ado::CreateDatabase(building, databasePassword, schema, error)) {
        std::fprintf(stderr, "corvane_mkdb: %s: %s\n", target.c_str(), error.c_str());
        return 1;
    }
    {
        CAdoConnection connection;
        if (!connection.ConnectAccess(building, databasePassword) || !password::HashClearPasswords(connection)) {
            std::fprintf(stderr, "corvane_mkdb: %s: cannot store the seeded passwords as hashes\n", target.c_str());
            sys::RemoveFile(building);
            return 1;
        }
    }
    if (std::rename(building.c_str(), target.c_str()) != 0) {
        std::fprintf(stderr, "corvane_mkdb: cannot move the new database to %s\n", target.c_str());
        sys::RemoveFile(building);
        return 1;
    }
    return 0;
}
