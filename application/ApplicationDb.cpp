#include "application/ApplicationDb.h"

#include "platform/sys/Sys.h"

namespace appdb {

bool Connect(CAdoConnection& connection) {
    return connection.ConnectAccess(sys::ProgramFolder() + "\\project.mdb", "5081", -1) != FALSE;
}

void Bind(CAdoRecordSet& recordset, CAdoConnection& connection) {
    recordset.SetConnection(&connection);
    recordset.SetCursorLocation(adUseClient);
}

bool HasRow(CAdoConnection& connection, const std::string& sql) {
    CAdoRecordSet rs;
    Bind(rs, connection);
    return rs.Open(sql) && !rs.IsEOF();
}

}  // namespace appdb
