#include "application/ApplicationDb.h"

#include "foundation/ProjectDatabase.h"
#include "foundation/Sql.h"
#include "platform/sys/Sys.h"

namespace appdb {

bool Connect(CAdoConnection& connection) {
    return ConnectProjectDatabase(connection);
}

void Bind(CAdoRecordSet& recordset, CAdoConnection& connection) {
    recordset.SetConnection(&connection);
    recordset.SetCursorLocation(adUseClient);
}

}  // namespace appdb
