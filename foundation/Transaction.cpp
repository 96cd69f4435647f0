#include "foundation/Transaction.h"

namespace db {

Transaction::Transaction(CAdoConnection& connection) : m_connection(connection) {
    m_began = m_open = m_connection.BeginTrans() > 0;
}

Transaction::~Transaction() { Rollback(); }

bool Transaction::Commit() {
    if (!m_open) return false;
    if (m_connection.CommitTrans()) {
        m_open = false;
        return true;
    }
    Rollback();
    return false;
}

void Transaction::Rollback() {
    if (!m_open) return;
    m_open = false;
    m_connection.RollbackTrans();
}

}  // namespace db
