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

bool HasRow(CAdoConnection& connection, const std::string& sql) {
    CAdoRecordSet rs;
    Bind(rs, connection);
    return rs.Open(sql) && !rs.IsEOF();
}

bool HasRow(CAdoConnection& connection, const std::string& sql, std::initializer_list<std::string> values) {
    return db::Statement(connection, sql, values).Next();
}

}  // namespace appdb
