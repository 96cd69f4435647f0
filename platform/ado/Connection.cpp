#include "platform/ado/Connection.h"

#include <sqlite3.h>

#include "platform/ado/Database.h"
#include "platform/ado/ErrorLog.h"
#include "platform/ado/JetFunctions.h"
#include "platform/ado/JetSql.h"
#include "platform/ado/SqliteHandle.h"
#include "platform/sys/Sys.h"

namespace ado {

namespace {

int busyTimeoutMs = 5000;

enum class PasswordCheck { Matches, Wrong, NotADatabase };

PasswordCheck CheckPassword(sqlite3* db, const std::string& password) {
    int code = 0;
    std::string message;
    Statement stmt =
        PrepareStatement(db, std::string("SELECT Password FROM ") + kPasswordTable, code, message);
    if (!stmt) {
        // A database without the password table carries no password.
        return (code & 0xff) == SQLITE_NOTADB ? PasswordCheck::NotADatabase : PasswordCheck::Matches;
    }
    code = sqlite3_step(stmt.get());
    if (code != SQLITE_ROW) return code == SQLITE_DONE ? PasswordCheck::Matches : PasswordCheck::NotADatabase;
    auto stored = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0));
    if (stored == nullptr || *stored == '\0' || password == stored) return PasswordCheck::Matches;
    return PasswordCheck::Wrong;
}

std::string SavepointName(long level) { return "level" + std::to_string(level); }

}  // namespace

Connection::~Connection() { Close(); }

void SetBusyTimeout(int milliseconds) { busyTimeoutMs = milliseconds; }

bool Connection::Open(const std::string& path, const std::string& password) {
    if (OpenFile(path, password)) return true;
    LogDatabaseFailure("open " + path, errors_.empty() ? std::string() : errors_.front().description);
    return false;
}

bool Connection::OpenFile(const std::string& path, const std::string& password) {
    Close();
    const std::string file = sys::NativePath(path);
    if (!sys::FileExists(file)) {
        SetError(FileNotFoundError(path));
        return false;
    }
    DatabaseHandle db;
    // A connection is used by one thread only, so SQLite's per-call locking is left out.
    const int code = OpenDatabase(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, db);
    if (code != SQLITE_OK) {
        SetError(code == SQLITE_CANTOPEN ? FileNotFoundError(path) : NotADatabaseError(path));
        return false;
    }
    sqlite3_extended_result_codes(db.get(), 1);
    sqlite3_busy_timeout(db.get(), busyTimeoutMs);
    switch (CheckPassword(db.get(), password)) {
    case PasswordCheck::NotADatabase: SetError(NotADatabaseError(path)); return false;
    case PasswordCheck::Wrong: SetError(WrongPasswordError()); return false;
    case PasswordCheck::Matches: break;
    }
    if (!RegisterJetFunctions(db.get())) {
        SetError(EngineError(sqlite3_errmsg(db.get()), "HY000", sqlite3_errcode(db.get())));
        return false;
    }
    db_ = db.release();
    level_ = 0;
    return true;
}

void Connection::Close() {
    if (!db_) return;
    if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db_);
    db_ = nullptr;
    level_ = 0;
}

void Connection::SetError(Error error) { errors_ = {std::move(error)}; }

void Connection::SetSqliteError(const std::string& sql) {
    const int code = sqlite3_extended_errcode(db_);
    const std::string message = sqlite3_errmsg(db_);
    SetError(TranslateSqliteError(code, message, sql));
    LogDatabaseFailure(sql, message + " (" + std::to_string(code) + ")");
}

bool Connection::Run(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    SetSqliteError(sql);
    return false;
}

bool Connection::Execute(const std::string& sql) {
    if (!db_) {
        SetError(RecordsetError(kClosedObject, 3704));
        return false;
    }
    return Run(RewriteJetSql(sql));
}

long Connection::BeginTrans() {
    if (!db_) {
        SetError(RecordsetError(kClosedObject, 3704));
        return -1;
    }
    if (level_ > 0 && sqlite3_get_autocommit(db_)) level_ = 0;  // the engine ended it after a failure
    // The outermost level takes the write lock at once, so that a database
    // another connection is writing makes it wait (the busy timeout) rather
    // than fail when its first write finds the lock taken, and what it reads
    // before writing stays true until the commit.
    if (!Run(level_ == 0 ? "BEGIN IMMEDIATE" : "SAVEPOINT " + SavepointName(level_ + 1))) return -1;
    return ++level_;
}

bool Connection::InTransaction() {
    if (db_ && level_ > 0 && !sqlite3_get_autocommit(db_)) return true;
    level_ = 0;
    SetError(EngineError("You tried to commit or rollback a transaction without first beginning a transaction.",
                         "3034"));
    return false;
}

bool Connection::CommitTrans() {
    if (!InTransaction()) return false;
    if (!Run(level_ == 1 ? "COMMIT" : "RELEASE " + SavepointName(level_))) return false;
    --level_;
    return true;
}

bool Connection::RollbackTrans() {
    if (!InTransaction()) return false;
    const std::string name = SavepointName(level_);
    if (!Run(level_ == 1 ? "ROLLBACK" : "ROLLBACK TO " + name + "; RELEASE " + name)) return false;
    --level_;
    return true;
}

}  // namespace ado
