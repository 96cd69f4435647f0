// The application area's database helpers: the connection to project.mdb,
// recordsets bound to it (work in one transaction: foundation/Transaction.h).
#pragma once

#include <initializer_list>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Transaction.h"

namespace appdb {

// Opens project.mdb of the program folder with the database password.
bool Connect(CAdoConnection& connection);
// Binds a recordset to the connection with a client-side cursor.
void Bind(CAdoRecordSet& recordset, CAdoConnection& connection);

}  // namespace appdb
