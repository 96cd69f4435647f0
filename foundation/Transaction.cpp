#include "foundation/Transaction.h"

#include <sqlite3.h>

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

std::string FailureMessage(CAdoConnection& connection, const std::string& failure) {
    const ado::Connection* platform = connection.GetConnection();
    if (!platform || platform->Errors().empty()) return failure;
    const int code = platform->Errors().front().nativeError & 0xff;
    if (code != SQLITE_BUSY && code != SQLITE_LOCKED) return failure;
    return "数据库正被其他程序使用，请稍后再试。\r\n" + failure;
}

}  // namespace db
