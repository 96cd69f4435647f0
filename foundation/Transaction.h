// One database transaction held by an object: begun when it is made, rolled
// back when it goes out of scope unless it was committed. Inside another
// transaction of the same connection it is a savepoint of that one.
//
//     db::Transaction transaction(connection);
//     if (!transaction.Began() || !WriteRows(connection) || !transaction.Commit()) return false;
//
// Ask the user before making one: no question waits while it is open.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"

namespace db {

class Transaction {
public:
    explicit Transaction(CAdoConnection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // False when the transaction could not be begun (closed connection, busy
    // database); then Commit fails too.
    bool Began() const { return m_began; }
    // True only when the work was committed. A failed commit rolls back.
    bool Commit();
    // Gives the work up now rather than at the end of the scope.
    void Rollback();

private:
    CAdoConnection& m_connection;
    bool m_began = false;
    bool m_open = false;
};

// `failure` for the user, after a line saying the database is in use when the
// connection's last failure was another program holding it (the wait of the
// busy timeout ran out); the engine's own text is in the error log.
std::string FailureMessage(CAdoConnection& connection, const std::string& failure);

// Runs `work` in a transaction of the connection: committed when it returns
// true and the commit succeeds, else rolled back. True only after the commit.
template <class Work>
bool InTransaction(CAdoConnection& connection, Work work) {
    Transaction transaction(connection);
    return transaction.Began() && work() && transaction.Commit();
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

}  // namespace db
