// Owning handles for SQLite objects, used inside the database layer.
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>

namespace ado {

struct StatementCloser {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using DatabaseHandle = std::unique_ptr<sqlite3, DatabaseCloser>;

// Opens a database file as every connection of the program opens it; the
// result code is sqlite3_open_v2's (the handle may be set on failure too,
// for its message). Deleted content is overwritten with zeros (secure
// delete): a deleted application's chapters are not left readable in the
// file and in every copy of it.
inline int OpenDatabase(const std::string& file, int flags, DatabaseHandle& db) {
    sqlite3* raw = nullptr;
    const int code = sqlite3_open_v2(file.c_str(), &raw, flags, nullptr);
    db.reset(raw);
    if (code == SQLITE_OK) sqlite3_exec(raw, "PRAGMA secure_delete = ON", nullptr, nullptr, nullptr);
    return code;
}

// Prepares one statement; on failure `code` and `message` say why.
inline Statement PrepareStatement(sqlite3* db, const std::string& sql, int& code, std::string& message) {
    sqlite3_stmt* raw = nullptr;
    code = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr);
    if (code != SQLITE_OK) {
        message = sqlite3_errmsg(db);
        code = sqlite3_extended_errcode(db);
    }
    return Statement(raw);
}

}  // namespace ado
