// A connection to one database file: opening with the database password,
// running statements, nested transactions and the list of the last errors.
#pragma once

#include <string>

#include "platform/ado/JetError.h"

struct sqlite3;

namespace ado {

// How long a statement waits for a database another connection holds before it
// fails as busy; for the connections opened afterwards. Five seconds unless set.
void SetBusyTimeout(int milliseconds);

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing database file ("\" separators accepted; the file is
    // never created). A password stored in the database must equal
    // `password`. An open connection is closed first.
    bool Open(const std::string& path, const std::string& password);
    // Closes the connection; an open transaction is rolled back.
    void Close();
    bool IsOpen() const { return db_ != nullptr; }

    // Runs the statements of `sql` (no rows are returned).
    bool Execute(const std::string& sql);

    // Starts a (nested) transaction; the new nesting level, or -1.
    long BeginTrans();
    // Commit or roll back the innermost transaction.
    bool CommitTrans();
    bool RollbackTrans();
    long TransactionLevel() const { return level_; }

    // The errors of the last failed operation, as the engine describes them.
    const ErrorList& Errors() const { return errors_; }
    void SetError(Error error);
    // Records the SQLite failure of `sql` on this connection.
    void SetSqliteError(const std::string& sql);

    sqlite3* Handle() const { return db_; }

private:
    bool OpenFile(const std::string& path, const std::string& password);
    bool Run(const std::string& sql);
    // True inside a transaction; otherwise records the engine's error.
    bool InTransaction();

    sqlite3* db_ = nullptr;
    long level_ = 0;
    ErrorList errors_;
};

}  // namespace ado
