#include "foundation/Sql.h"

#include "platform/ado/JetSql.h"

namespace db {

Statement::Statement(CAdoConnection& connection, const std::string& sql, std::initializer_list<std::string> values)
    : connection_(connection), sql_(sql) {
    Prepare();
    if (!failed_ && !Bind(values)) Fail();
}

Statement::Statement(CAdoConnection& connection, const std::string& sql, const std::vector<std::string>& values)
    : connection_(connection), sql_(sql) {
    Prepare();
    if (!failed_ && !Bind(values)) Fail();
}

void Statement::Prepare() {
    ado::Connection* engine = connection_.GetConnection();
    if (!engine || !engine->Handle()) {
        failed_ = true;
        return;
    }
    int code = 0;
    std::string message;
    statement_ = ado::PrepareStatement(engine->Handle(), sql_, code, message);
    if (!statement_) Fail();
}

template <class Values>
bool Statement::Bind(const Values& values) {
    int index = 0;
    for (const std::string& value : values)
        if (sqlite3_bind_text(statement_.get(), ++index, value.data(), static_cast<int>(value.size()),
                              SQLITE_TRANSIENT) != SQLITE_OK)
            return false;
    return true;
}

void Statement::Fail() {
    failed_ = true;
    // The reason goes to the connection's error list, where callers read it.
    if (ado::Connection* engine = connection_.GetConnection(); engine && engine->Handle()) engine->SetSqliteError(sql_);
}

bool Statement::Next() {
    if (failed_) return false;
    const int code = sqlite3_step(statement_.get());
    if (code == SQLITE_ROW) return true;
    if (code != SQLITE_DONE) Fail();
    return false;
}

bool Statement::Run() {
    while (Next()) {
    }
    return !failed_;
}

bool Statement::RunWith(std::initializer_list<std::string> values) { return Rebind(values) && Run(); }

bool Statement::Rebind(std::initializer_list<std::string> values) {
    if (failed_) return false;
    sqlite3_reset(statement_.get());
    if (!Bind(values)) {
        Fail();
        return false;
    }
    return true;
}

std::string Statement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_.get(), column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement_.get(), column)))
                : std::string();
}

long Statement::Long(int column) const { return static_cast<long>(sqlite3_column_int64(statement_.get(), column)); }

bool Execute(CAdoConnection& connection, const std::string& sql) { return Statement(connection, sql).Run(); }

Found HasRow(CAdoConnection& connection, const std::string& sql, std::initializer_list<std::string> values) {
    Statement statement(connection, sql, values);
    if (statement.Next()) return Found::Row;
    return statement.Failed() ? Found::Failed : Found::NoRow;
}

std::optional<std::string> Scalar(CAdoConnection& connection, const std::string& sql,
                                  std::initializer_list<std::string> values) {
    Statement statement(connection, sql, values);
    if (statement.Next()) return statement.Text(0);
    if (statement.Failed()) return std::nullopt;
    return std::string();
}

std::string QuoteIdentifier(std::string_view name) { return ado::QuoteName(name); }

std::string QuoteLiteral(std::string_view value) { return ado::QuoteText(value); }

}  // namespace db
