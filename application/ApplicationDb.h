// The application area's database helpers: the connection to project.mdb,
// recordsets bound to it, and work run in one transaction.
#pragma once

#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"

namespace appdb {

// Opens project.mdb of the program folder with the database password.
bool Connect(CAdoConnection& connection);
// Binds a recordset to the connection with a client-side cursor.
void Bind(CAdoRecordSet& recordset, CAdoConnection& connection);
// True when the query gives at least one row.
bool HasRow(CAdoConnection& connection, const std::string& sql);

// Runs `work` in a transaction of the connection: committed when it returns
// true, else rolled back.
template <class Work>
bool InTransaction(CAdoConnection& connection, Work work) {
    if (connection.BeginTrans() < 0) return false;
    if (work() && connection.CommitTrans()) return true;
    connection.RollbackTrans();
    return false;
}

}  // namespace appdb
