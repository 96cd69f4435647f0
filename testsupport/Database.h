// The database helpers of the tests: run a statement, read rows as texts,
// count rows and seed a table, on any connection a test holds, or on a
// database file of the program folder through a connection opened for the
// call. A failed statement fails the test with the statement and the
// database's reason.
//
//     testdb::Seed(connection, {"CORVANE_UNIT", {"DWDM", "DWMC"}, {{"0001", "单位甲"}, {"0002", "O'Brien"}}});
//     EXPECT_EQ(testdb::Count(connection, "CORVANE_UNIT"), 2);
//     EXPECT_EQ(testdb::Query(connection, "select DWMC from CORVANE_UNIT order by DWDM")[1][0], "O'Brien");
//     testdb::Exec("delete from CORVANE_UNIT");   // project.mdb of the program folder
//
// Header only: every test program that reaches a database already links the
// database classes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/ProjectDatabase.h"
#include "foundation/Sql.h"
#include "platform/text/Text.h"

namespace testdb {

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

// Runs one statement through the connection, as the screens run theirs.
inline void Exec(CAdoConnection& connection, const std::string& sql) {
    ASSERT_NE(connection.Execute(sql), nullptr) << sql << "\n" << connection.FormatErrors();
}

// The rows of an open recordset from where it stands, each of its first
// `columns` fields (all when 0) as text, NULL as the empty text.
inline Rows ReadRows(CAdoRecordSet& rs, long columns = 0) {
    Rows rows;
    const long count = columns ? columns : rs.GetFieldCount();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        Row row;
        for (long i = 0; i < count; ++i) {
            std::string value;
            rs.GetFieldText(i, value);
            row.push_back(value);
        }
        rows.push_back(row);
    }
    return rows;
}

// Every row of a query read through a recordset, as ReadRows gives them.
inline Rows Query(CAdoConnection& connection, const std::string& sql, long columns = 0) {
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    rs.SetCursorLocation(adUseClient);
    if (!rs.Open(sql)) {
        ADD_FAILURE() << sql << "\n" << connection.FormatErrors();
        return {};
    }
    return ReadRows(rs, columns);
}

// The number of rows of a table, or of a query when `tableOrQuery` is one.
inline long Count(CAdoConnection& connection, const std::string& tableOrQuery) {
    const bool query = text::ToLowerAscii(text::Trim(tableOrQuery)).rfind("select", 0) == 0;
    const Rows rows =
        Query(connection, "select count(*) from " + (query ? "(" + tableOrQuery + ")" : tableOrQuery), 1);
    return rows.empty() ? -1 : text::Atol(rows[0][0]);
}

// Rows to put into one table: the columns named once, a row of values each
// (bound, so any text goes in as it stands).
struct Table {
    std::string name;
    std::vector<std::string> columns;
    std::vector<Row> rows;
};

inline void Seed(CAdoConnection& connection, const Table& table) {
    std::string names, parameters;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        names += (i ? ", " : "") + table.columns[i];
        parameters += (i ? ", ?" : "?") + std::to_string(i + 1);
    }
    const std::string sql = "insert into " + table.name + " (" + names + ") values (" + parameters + ")";
    for (const Row& row : table.rows) {
        ASSERT_EQ(row.size(), table.columns.size()) << table.name;
        ASSERT_TRUE(db::Statement(connection, sql, row).Run()) << sql << "\n" << connection.FormatErrors();
    }
}

// Opens a database file of the program folder ("project.mdb", "temp.mdb") on
// a connection of the test's own, as the screens open theirs; a file that
// does not open fails the test with the database's reason.
inline bool OpenProgramDatabase(CAdoConnection& connection, const char* file = kProjectDatabaseFile) {
    const bool open = ConnectProjectDatabase(connection, file);
    EXPECT_TRUE(open) << file << "\n" << connection.FormatErrors();
    return open;
}

// Exec, Query and Seed on a database file of the program folder, each through
// a connection opened for the call (for helpers that hold none).
inline void Exec(const std::string& sql, const char* file = kProjectDatabaseFile) {
    CAdoConnection connection;
    if (OpenProgramDatabase(connection, file)) Exec(connection, sql);
}

inline Rows Query(const std::string& sql, long columns = 0, const char* file = kProjectDatabaseFile) {
    CAdoConnection connection;
    return OpenProgramDatabase(connection, file) ? Query(connection, sql, columns) : Rows{};
}

inline void Seed(const Table& table, const char* file = kProjectDatabaseFile) {
    CAdoConnection connection;
    if (OpenProgramDatabase(connection, file)) Seed(connection, table);
}

}  // namespace testdb
