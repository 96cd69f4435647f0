// The application area's database helpers: the connection to project.mdb,
// recordsets bound to it, and work run in one transaction.
#pragma once

#include <string>
#include <vector>

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

// Runs `work(item)` for each item in a transaction of its own, all of them
// inside one transaction around the list, so that a long list costs one
// commit: an item whose work fails is rolled back alone and the others are
// kept, as when each was committed by itself. The items whose work was kept
// (none when the list's transaction could not be committed).
template <class Item, class Work>
std::vector<Item> EachInTransaction(CAdoConnection& connection, const std::vector<Item>& items, Work work) {
    std::vector<Item> kept;
    if (!InTransaction(connection, [&] {
            for (const Item& item : items)
                if (InTransaction(connection, [&] { return work(item); })) kept.push_back(item);
            return true;
        }))
        kept.clear();
    return kept;
}

}  // namespace appdb
