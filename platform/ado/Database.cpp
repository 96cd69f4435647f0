#include "platform/ado/Database.h"

#include <sqlite3.h>

#include <vector>

#include "platform/ado/ColumnType.h"
#include "platform/ado/JetError.h"
#include "platform/ado/JetFunctions.h"
#include "platform/ado/JetSql.h"
#include "platform/ado/SqliteHandle.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace ado {

namespace {

bool Run(sqlite3* db, const std::string& sql, std::string& error) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
    error = message ? message : sqlite3_errmsg(db);
    sqlite3_free(message);
    return false;
}

struct TextLimit {
    std::string column;
    std::int32_t length;
};

bool UserTables(sqlite3* db, std::vector<std::string>& tables, std::string& error) {
    int code = 0;
    Statement stmt = PrepareStatement(
        db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'", code,
        error);
    if (!stmt) return false;
    while (sqlite3_step(stmt.get()) == SQLITE_ROW)
        tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0)));
    return true;
}

bool TextLimitsOf(sqlite3* db, const std::string& table, std::vector<TextLimit>& limits, std::string& error) {
    int code = 0;
    Statement stmt = PrepareStatement(db, "PRAGMA table_info(" + QuoteName(table) + ")", code, error);
    if (!stmt) return false;
    while (sqlite3_step(stmt.get()) == SQLITE_ROW) {
        auto declared = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 2));
        DeclaredType type = ParseDeclaredType(declared ? declared : "");
        if (type.kind == ColumnKind::Text)
            limits.push_back({reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 1)), type.length});
    }
    return true;
}

// Triggers that refuse, with the engine's message, a row whose text is
// longer than its column's declared length.
bool AddLengthChecks(sqlite3* db, std::string& error) {
    std::vector<std::string> tables;
    if (!UserTables(db, tables, error)) return false;
    for (const std::string& table : tables) {
        std::vector<TextLimit> limits;
        if (!TextLimitsOf(db, table, limits, error)) return false;
        if (limits.empty()) continue;
        std::string condition;
        for (const TextLimit& limit : limits) {
            if (!condition.empty()) condition += " OR ";
            condition += text::Format("length(NEW.%s) > %d", QuoteName(limit.column).c_str(), limit.length);
        }
        for (const char* event : {"INSERT", "UPDATE"}) {
            std::string trigger = QuoteName("length_check_" + text::ToLowerAscii(event) + "_" + table);
            std::string sql = "CREATE TRIGGER " + trigger + " BEFORE " + event + " ON " + QuoteName(table) +
                              " WHEN " + condition + " BEGIN SELECT RAISE(ABORT, " + QuoteText(kFieldTooSmall) +
                              "); END";
            if (!Run(db, sql, error)) return false;
        }
    }
    return true;
}

bool StorePassword(sqlite3* db, const std::string& password, std::string& error) {
    return Run(db, std::string("CREATE TABLE ") + kPasswordTable + " (Password TEXT)", error) &&
           Run(db, std::string("INSERT INTO ") + kPasswordTable + " (Password) VALUES (" + QuoteText(password) + ")",
               error);
}

}  // namespace

bool CreateDatabase(const std::string& path, const std::string& password, const std::string& schemaSql,
                    std::string& error) {
    const std::string file = sys::NativePath(path);
    if (sys::FileExists(file) || sys::FolderExists(file)) {
        error = "A file already exists at '" + file + "'.";
        return false;
    }
    bool ok = false;
    {
        DatabaseHandle db;
        const int code = OpenDatabase(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, db);
        if (code != SQLITE_OK) {
            error = db ? sqlite3_errmsg(db.get()) : "out of memory";
        } else {
            ok = RegisterJetFunctions(db.get()) && Run(db.get(), "BEGIN", error);
            if (ok) {
                ok = Run(db.get(), schemaSql, error) && StorePassword(db.get(), password, error) &&
                     AddLengthChecks(db.get(), error) && Run(db.get(), "COMMIT", error);
                if (!ok) sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
            }
        }
    }
    if (!ok) {
        if (error.empty()) error = "The database could not be created.";
        sys::RemoveFile(file);
        sys::RemoveFile(file + "-journal");
    }
    return ok;
}

}  // namespace ado
