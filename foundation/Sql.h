// The one way a value enters a statement: bound to a parameter (?1, ?2, ...)
// of a prepared statement, never pasted into its text.
//
//     db::Statement find(connection, "select DWMC from CORVANE_UNIT where DWDM like ?1", {code + "%"});
//     while (find.Next()) names.push_back(find.Text(0));
//
// Where the text of a statement itself has to be built (a table name taken
// from a list, a recordset opened from its text), QuoteIdentifier and
// QuoteLiteral make the name or the value into SQL; nothing else quotes.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/AdoConnection.h"
#include "platform/ado/SqliteHandle.h"

namespace db {

class Statement {
public:
    // Prepares `sql` and binds `values` to its parameters ?1, ?2, ...; a
    // failure is kept in Failed() and in the connection's error list.
    Statement(CAdoConnection& connection, const std::string& sql, std::initializer_list<std::string> values = {});
    Statement(CAdoConnection& connection, const std::string& sql, const std::vector<std::string>& values);

    // The next row: true while there is one; `Failed()` tells an error apart
    // from the end.
    bool Next();
    bool Failed() const { return failed_; }
    // Runs a statement that returns no rows.
    bool Run();
    // Binds new values and runs again.
    bool RunWith(std::initializer_list<std::string> values);
    // Binds new values for reading the rows again with Next.
    bool Rebind(std::initializer_list<std::string> values);

    std::string Text(int column) const;
    long Long(int column) const;

private:
    void Prepare();
    template <class Values>
    bool Bind(const Values& values);
    void Fail();

    CAdoConnection& connection_;
    std::string sql_;
    ado::Statement statement_;
    bool failed_ = false;
};

// Runs one statement without rows and without values.
bool Execute(CAdoConnection& connection, const std::string& sql);

// What a look-up found. Failed is the engine's failure (busy, locked, a broken
// file), never "no row": its reason is in the connection's error list and
// FailureMessage (foundation/Transaction.h) tells the user.
enum class Found { Row, NoRow, Failed };

// Whether `sql` with `values` bound gives at least one row.
Found HasRow(CAdoConnection& connection, const std::string& sql, std::initializer_list<std::string> values = {});

// The text of the first column of the first row of `sql` with `values`
// bound ("" when there is no row); nothing when the statement failed.
std::optional<std::string> Scalar(CAdoConnection& connection, const std::string& sql,
                                  std::initializer_list<std::string> values = {});

// A table or column name for a statement's text: between double quotes,
// inner double quotes doubled.
std::string QuoteIdentifier(std::string_view name);
// A text value for a statement's text: between single quotes, inner single
// quotes doubled.
std::string QuoteLiteral(std::string_view value);

}  // namespace db
