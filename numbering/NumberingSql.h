// Statements of the numbering with bound values, run on the connection's
// engine directly: the lookups by number go through the index of the numbers
// and a renumbering of thousands of projects runs a few statements.
#pragma once

#include <initializer_list>
#include <string>

#include "foundation/AdoConnection.h"
#include "platform/ado/SqliteHandle.h"

namespace projectnumber {

class Statement {
public:
    // Prepares `sql` and binds `values` to its parameters ?1, ?2, ...
    Statement(CAdoConnection& connection, const std::string& sql, std::initializer_list<std::string> values = {});

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
    bool Bind(std::initializer_list<std::string> values);
    void Fail();

    CAdoConnection& connection_;
    std::string sql_;
    ado::Statement statement_;
    bool failed_ = false;
};

// Runs one statement without rows and without values.
bool Execute(CAdoConnection& connection, const std::string& sql);

}  // namespace projectnumber
