#include "platform/ado/Recordset.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>

#include "platform/ado/Connection.h"
#include "platform/ado/ErrorLog.h"
#include "platform/ado/JetSql.h"
#include "platform/ado/SqliteHandle.h"
#include "platform/text/Text.h"

namespace ado {

namespace {

constexpr const char* kRowCannotBeLocated =
    "Row cannot be located for updating. Some values may have been changed since it was last read.";
constexpr const char* kDeletedRow = "Row handle referred to a deleted row or a row marked for deletion.";
constexpr int kAdoNoCurrentRecord = 3021;
constexpr int kAdoNotUpdatable = 3251;
constexpr int kAdoItemNotFound = 3265;
constexpr int kAdoClosed = 3704;
constexpr int kAdoConversion = 3640;

// Upper-case words of the statement outside quoted texts and names.
std::vector<std::string> Keywords(std::string_view sql) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < sql.size();) {
        char c = sql[i];
        if (c == '\'' || c == '"' || c == '[') {
            i = SkipQuoted(sql, i);
        } else if (IsSqlWordChar(c)) {
            std::size_t start = i;
            while (i < sql.size() && IsSqlWordChar(sql[i])) ++i;
            words.push_back(text::ToUpperAscii(sql.substr(start, i - start)));
        } else {
            ++i;
        }
    }
    return words;
}

// A query whose rows are not rows of its table (merged, grouped, combined).
bool CombinesRows(std::string_view sql) {
    for (const std::string& w : Keywords(sql))
        if (w == "DISTINCT" || w == "GROUP" || w == "UNION" || w == "INTERSECT" || w == "EXCEPT" || w == "HAVING")
            return true;
    return false;
}

std::size_t SkipBlanks(std::string_view s, std::size_t i) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    return i;
}

struct SelectParts {
    bool star = false;       // the select list is "*" or "name.*"
    std::string afterSelect;  // the statement after "SELECT "
    std::string afterStar;    // with `star`: the statement after the star
};

bool SplitSelect(std::string_view sql, SelectParts& parts) {
    std::size_t i = SkipBlanks(sql, 0);
    if (sql.size() < i + 7 || !text::EqualsNoCase(sql.substr(i, 6), "SELECT") ||
        !std::isspace(static_cast<unsigned char>(sql[i + 6])))
        return false;
    i = SkipBlanks(sql, i + 6);
    parts.afterSelect = std::string(sql.substr(i));
    std::size_t star = i;
    if (star < sql.size() && (sql[star] == '"' || sql[star] == '[')) {
        star = SkipQuoted(sql, star);
    } else {
        while (star < sql.size() && IsSqlWordChar(sql[star])) ++star;
    }
    if (star > i) {
        if (star >= sql.size() || sql[star] != '.') return true;
        ++star;
    }
    if (star < sql.size() && sql[star] == '*' && star + 1 < sql.size() &&
        std::isspace(static_cast<unsigned char>(sql[star + 1]))) {
        parts.star = true;
        parts.afterStar = std::string(sql.substr(star + 1));
    }
    return true;
}

}  // namespace

const ErrorList& Recordset::Errors() const { return connection_ ? connection_->Errors() : errors_; }

bool Recordset::Fail(Error error) const {
    if (connection_)
        connection_->SetError(std::move(error));
    else
        errors_ = {std::move(error)};
    return false;
}

bool Recordset::FailSqlite(const std::string& sql) const {
    connection_->SetSqliteError(sql);
    return false;
}

void Recordset::ResetState() {
    open_ = false;
    updatable_ = false;
    table_.clear();
    columns_.clear();
    kinds_.clear();
    rows_.Clear();
    pos_ = 0;
    onDeletedRow_ = false;
    edit_ = adEditNone;
    editBackup_.reset();
    changed_.clear();
    chunked_.clear();
}

void Recordset::Close() {
    if (edit_ != adEditNone) CancelUpdate();
    ResetState();
}

bool Recordset::Open(Connection& connection, const std::string& source, bool isTable) {
    Close();
    connection_ = &connection;
    if (!connection.IsOpen()) return Fail(RecordsetError(kClosedObject, kAdoClosed));
    const std::string sql = isTable ? "SELECT * FROM " + QuoteName(source) : RewriteJetSql(source);
    int code = 0;
    std::string message;
    Statement stmt = PrepareStatement(connection.Handle(), sql, code, message);
    if (!stmt) return FailSqlite(sql);
    const int count = sqlite3_column_count(stmt.get());
    if (count == 0) {
        stmt.reset();
        return connection.Execute(sql);
    }

    std::string table;
    bool singleTable = !CombinesRows(sql);
    for (int i = 0; i < count; ++i) {
        const char* decl = sqlite3_column_decltype(stmt.get(), i);
        ColumnInfo column = DescribeColumn(sqlite3_column_name(stmt.get(), i), ParseDeclaredType(decl ? decl : ""));
        const char* base = sqlite3_column_table_name(stmt.get(), i);
        const char* origin = sqlite3_column_origin_name(stmt.get(), i);
        if (base) column.baseTable = base;
        if (origin) column.baseColumn = origin;
        if (!base || (!table.empty() && !text::EqualsNoCase(table, base))) singleTable = false;
        if (base) table = base;
        kinds_.push_back(decl ? ParseDeclaredType(decl).kind : ColumnKind::Untyped);
        columns_.push_back(std::move(column));
    }

    // A single-table query is read with each row's rowid so that changes can
    // be written back; a "select *" reads only the length of long binary values.
    std::vector<bool> lazy(count, false);
    SelectParts parts;
    if (singleTable && SplitSelect(sql, parts)) {
        std::string list = QuoteName(table) + ".rowid";
        for (int i = 0; i < count; ++i) {
            lazy[i] = parts.star && kinds_[i] == ColumnKind::Binary;
            std::string name = QuoteName(table) + "." + QuoteName(columns_[i].baseColumn);
            list += ", " + (lazy[i] ? "length(" + name + ")" : name) + " AS " + QuoteName(columns_[i].name);
        }
        const std::string rowidSql = "SELECT " + (parts.star ? list + parts.afterStar
                                                             : QuoteName(table) + ".rowid, " + parts.afterSelect);
        Statement withRowid = PrepareStatement(connection.Handle(), rowidSql, code, message);
        if (withRowid) {
            table_ = table;
            updatable_ = true;
            return ReadRows(withRowid.get(), rowidSql, lazy);
        }
        lazy.assign(count, false);
    }
    return ReadRows(stmt.get(), sql, lazy);
}

bool Recordset::ReadRows(sqlite3_stmt* stmt, const std::string& sql, const std::vector<bool>& lazy) {
    const std::size_t count = columns_.size();
    const int first = updatable_ ? 1 : 0;
    // How each column is read, decided once for every row.
    enum class Read : std::uint8_t { Deferred, TextInPlace, Converted };
    std::vector<Read> reads(count);
    for (std::size_t c = 0; c < count; ++c) {
        const bool textual =
            kinds_[c] == ColumnKind::Text || kinds_[c] == ColumnKind::Memo || kinds_[c] == ColumnKind::Untyped;
        reads[c] = lazy[c] ? Read::Deferred : textual ? Read::TextInPlace : Read::Converted;
    }
    RowBuilder row;
    int code;
    while ((code = sqlite3_step(stmt)) == SQLITE_ROW) {
        row.Start(count, updatable_ ? sqlite3_column_int64(stmt, 0) : 0);
        for (std::size_t c = 0; c < count; ++c) {
            const int index = static_cast<int>(c) + first;
            const int storage = sqlite3_column_type(stmt, index);
            if (storage == SQLITE_NULL) {
                row.PushNull();
            } else if (reads[c] == Read::Deferred) {
                row.PushDeferred(sqlite3_column_int64(stmt, index));
            } else if (storage == SQLITE_TEXT && reads[c] == Read::TextInPlace) {
                auto text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, index));
                row.PushBytes(VT_BSTR, std::string_view(text, sqlite3_column_bytes(stmt, index)));
            } else {
                row.Push(ReadColumnValue(stmt, index, kinds_[c]));
            }
        }
        rows_.Append(row);
    }
    if (code != SQLITE_DONE) {
        FailSqlite(sql);
        ResetState();
        return false;
    }
    // Expression columns take their type from their first value.
    for (std::size_t c = 0; c < count; ++c) {
        if (kinds_[c] != ColumnKind::Untyped) continue;
        for (std::size_t r = 0; r < rows_.Count(); ++r) {
            if (rows_[r].Type(c) == VT_NULL) continue;
            columns_[c].type = DataTypeOfValue(rows_[r].Type(c));
            break;
        }
    }
    open_ = true;
    pos_ = 0;
    return true;
}

void Recordset::Open(RowsetData data) {
    Close();
    connection_ = nullptr;
    errors_.clear();
    columns_ = std::move(data.columns);
    for (const ColumnInfo& column : columns_) kinds_.push_back(KindOfColumn(column));
    RowBuilder row;
    for (auto& values : data.rows) {
        row.Start(columns_.size());
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (c < values.size())
                row.Push(values[c]);
            else
                row.PushNull();
        }
        rows_.Append(row);
        std::vector<Variant>().swap(values);  // each row's values go once laid out: a file's rows never stand twice
    }
    updatable_ = true;
    open_ = true;
    pos_ = 0;
}

bool Recordset::ToRowset(RowsetData& out) {
    if (!open_) return Fail(RecordsetError(kClosedObject, kAdoClosed));
    RowsetData data;
    data.columns = columns_;
    data.rows.reserve(rows_.Count());
    for (std::size_t r = 0; r < rows_.Count(); ++r) {
        for (std::size_t c = 0; c < columns_.size(); ++c)
            if (rows_[r].IsDeferred(c) && !LoadDeferred(r, c)) return false;
        std::vector<Variant> values;
        values.reserve(columns_.size());
        for (std::size_t c = 0; c < columns_.size(); ++c) values.push_back(rows_[r].Get(c));
        data.rows.push_back(std::move(values));
    }
    out = std::move(data);
    return true;
}

long Recordset::FindColumn(std::string_view name) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (text::EqualsNoCase(columns_[i].name, name)) return static_cast<long>(i);
    return -1;
}

bool Recordset::IsEOF() const {
    if (!open_) return true;
    return !onDeletedRow_ && pos_ >= RecordCount();
}

bool Recordset::IsBOF() const { return !open_ || rows_.Empty() || pos_ < 0; }

bool Recordset::RequireCurrentRow() const {
    if (!open_) return Fail(RecordsetError(kClosedObject, kAdoClosed));
    if (onDeletedRow_) return Fail(RecordsetError(kDeletedRow, kAdoNoCurrentRecord));
    return HasCurrentRow() || Fail(RecordsetError(kNoCurrentRecord, kAdoNoCurrentRecord));
}

bool Recordset::RequireColumn(long column) const {
    if (!open_) return Fail(RecordsetError(kClosedObject, kAdoClosed));
    if (column >= 0 && column < FieldCount()) return true;
    return Fail(RecordsetError(kItemNotFound, kAdoItemNotFound));
}

bool Recordset::FinishEdit() {
    if (!open_) return Fail(RecordsetError(kClosedObject, kAdoClosed));
    return edit_ == adEditNone || Update();
}

bool Recordset::MoveFirst() {
    if (!FinishEdit()) return false;
    pos_ = 0;
    onDeletedRow_ = false;
    return true;
}

bool Recordset::MoveLast() {
    if (!FinishEdit()) return false;
    pos_ = rows_.Empty() ? 0 : RecordCount() - 1;
    onDeletedRow_ = false;
    return true;
}

bool Recordset::MoveNext() {
    if (!FinishEdit()) return false;
    if (onDeletedRow_) {
        onDeletedRow_ = false;  // the rows after the deleted one moved up to its place
        return true;
    }
    if (pos_ >= RecordCount()) return Fail(RecordsetError(kNoCurrentRecord, kAdoNoCurrentRecord));
    ++pos_;
    return true;
}

bool Recordset::MovePrevious() {
    if (!FinishEdit()) return false;
    if (onDeletedRow_) {
        onDeletedRow_ = false;
        --pos_;
        return true;
    }
    if (pos_ < 0 || rows_.Empty()) return Fail(RecordsetError(kNoCurrentRecord, kAdoNoCurrentRecord));
    --pos_;
    return true;
}

long Recordset::AbsolutePosition() const {
    if (!open_ || onDeletedRow_) return adPosUnknown;
    if (rows_.Empty() || pos_ >= RecordCount()) return adPosEOF;
    if (pos_ < 0) return adPosBOF;
    return pos_ + 1;
}

bool Recordset::SetAbsolutePosition(long position) {
    if (!FinishEdit()) return false;
    if (position < 1 || position > RecordCount()) return Fail(RecordsetError(kNoCurrentRecord, kAdoNoCurrentRecord));
    pos_ = position - 1;
    onDeletedRow_ = false;
    return true;
}

bool Recordset::RequireOpenConnection() const {
    return (connection_ && connection_->IsOpen()) || Fail(RecordsetError(kClosedObject, kAdoClosed));
}

bool Recordset::LoadDeferred(std::size_t row, std::size_t column) {
    if (!RequireOpenConnection()) return false;
    const std::string sql =
        "SELECT " + QuoteName(columns_[column].baseColumn) + " FROM " + QuoteName(table_) + " WHERE rowid = ?";
    int code = 0;
    std::string message;
    Statement stmt = PrepareStatement(connection_->Handle(), sql, code, message);
    if (!stmt) return FailSqlite(sql);
    sqlite3_bind_int64(stmt.get(), 1, rows_[row].RowId());
    code = sqlite3_step(stmt.get());
    if (code == SQLITE_DONE) return Fail(RecordsetError(kDeletedRow, kAdoNoCurrentRecord));
    if (code != SQLITE_ROW) return FailSqlite(sql);
    rows_.Set(row, column, ReadColumnValue(stmt.get(), 0, ColumnKind::Binary));
    return true;
}

const RowValues* Recordset::CurrentRow(long column) {
    if (!RequireColumn(column) || !RequireCurrentRow()) return nullptr;
    if (rows_[pos_].IsDeferred(column) && !LoadDeferred(pos_, column)) return nullptr;
    return &rows_[pos_];
}

bool Recordset::GetValue(long column, Variant& out) {
    const RowValues* row = CurrentRow(column);
    if (row) out = row->Get(column);
    return row != nullptr;
}

bool Recordset::ActualSize(long column, long& out) {
    if (!RequireColumn(column) || !RequireCurrentRow()) return false;
    const RowValues& row = rows_[pos_];
    if (row.IsDeferred(column)) {
        out = static_cast<long>(row.DeferredSize(column));
        return true;
    }
    switch (row.Type(column)) {
    case VT_EMPTY:
    case VT_NULL: out = 0; break;
    case VT_ARRAY_UI1: out = static_cast<long>(row.Bytes(column).size()); break;
    case VT_BSTR: {
        long units = 0;  // UTF-16 code units, two bytes each
        for (unsigned char c : row.Bytes(column))
            if ((c & 0xC0) != 0x80) units += c >= 0xF0 ? 2 : 1;
        out = units * 2;
        break;
    }
    default: out = columns_[column].definedSize; break;
    }
    return true;
}

bool Recordset::SetValue(long column, const Variant& value) {
    if (!RequireColumn(column) || !RequireCurrentRow()) return false;
    if (!updatable_) return Fail(RecordsetError(kNotUpdatable, kAdoNotUpdatable));
    Variant converted;
    if (!ConvertForColumn(value, kinds_[column], converted)) return Fail(RecordsetError(kTypeMismatch, kAdoConversion));
    if (edit_ == adEditNone) {
        editBackup_ = rows_.Copy(pos_);
        changed_.assign(columns_.size(), false);
        chunked_.assign(columns_.size(), false);
        edit_ = adEditInProgress;
    }
    rows_.Set(pos_, column, converted);
    changed_[column] = true;
    return true;
}

bool Recordset::AppendChunk(long column, const std::uint8_t* bytes, std::size_t length) {
    if (!RequireColumn(column) || !RequireCurrentRow()) return false;
    std::vector<std::uint8_t> data;
    if (edit_ != adEditNone && chunked_[column]) {
        Variant current;
        if (!GetValue(column, current)) return false;
        data = current.Type() == VT_BSTR
                   ? std::vector<std::uint8_t>(current.TextValue().begin(), current.TextValue().end())
                   : current.BytesValue();
    }
    data.insert(data.end(), bytes, bytes + length);
    Variant value = kinds_[column] == ColumnKind::Memo ? Variant::Text(std::string(data.begin(), data.end()))
                                                       : Variant::Bytes(std::move(data));
    if (!SetValue(column, value)) return false;
    chunked_[column] = true;
    return true;
}

bool Recordset::GetChunk(long column, std::size_t offset, std::size_t count, std::vector<std::uint8_t>& out) {
    const RowValues* row = CurrentRow(column);
    if (!row) return false;
    const std::string_view bytes = row->Bytes(column);
    const std::string_view chunk = bytes.substr(std::min(offset, bytes.size()), count);
    out.assign(chunk.begin(), chunk.end());
    return true;
}

bool Recordset::AddNew() {
    if (!open_) return Fail(RecordsetError(kClosedObject, kAdoClosed));
    if (!updatable_) return Fail(RecordsetError(kNotUpdatable, kAdoNotUpdatable));
    if (edit_ != adEditNone && !Update()) return false;
    positionBeforeAdd_ = pos_;
    RowBuilder row;
    row.Start(columns_.size());
    for (std::size_t c = 0; c < columns_.size(); ++c) row.PushNull();
    rows_.Append(row);
    pos_ = RecordCount() - 1;
    onDeletedRow_ = false;
    changed_.assign(columns_.size(), false);
    chunked_.assign(columns_.size(), false);
    edit_ = adEditAdd;
    return true;
}

bool Recordset::Update() {
    if (!open_) return Fail(RecordsetError(kClosedObject, kAdoClosed));
    if (edit_ == adEditNone) return true;
    if (connection_ &&
        !(RequireOpenConnection() && (edit_ == adEditAdd ? WriteInsert(pos_) : WriteUpdate(rows_[pos_]))))
        return false;
    edit_ = adEditNone;
    return true;
}

bool Recordset::CancelUpdate() {
    if (edit_ == adEditAdd) {
        rows_.RemoveLast();
        pos_ = std::min(positionBeforeAdd_, RecordCount());
    } else if (edit_ == adEditInProgress) {
        rows_.Restore(pos_, std::move(editBackup_));
    }
    editBackup_.reset();
    edit_ = adEditNone;
    return true;
}

bool Recordset::Delete() {
    if (edit_ == adEditAdd) return CancelUpdate();
    if (edit_ == adEditInProgress) CancelUpdate();
    if (!RequireCurrentRow()) return false;
    if (!updatable_) return Fail(RecordsetError(kNotUpdatable, kAdoNotUpdatable));
    if (connection_ && !(RequireOpenConnection() && WriteDelete(rows_[pos_]))) return false;
    rows_.Remove(pos_);
    onDeletedRow_ = true;
    return true;
}

bool Recordset::WriteInsert(std::size_t row) {
    std::string names, marks;
    std::vector<std::size_t> written;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (!changed_[c]) continue;
        names += (written.empty() ? "" : ", ") + QuoteName(columns_[c].baseColumn);
        marks += written.empty() ? "?" : ", ?";
        written.push_back(c);
    }
    const std::string sql = "INSERT INTO " + QuoteName(table_) +
                            (written.empty() ? " DEFAULT VALUES" : " (" + names + ") VALUES (" + marks + ")");
    int code = 0;
    std::string message;
    Statement stmt = PrepareStatement(connection_->Handle(), sql, code, message);
    if (!stmt) return FailSqlite(sql);
    for (std::size_t i = 0; i < written.size(); ++i)
        BindValue(stmt.get(), static_cast<int>(i) + 1, rows_[row].Get(written[i]));
    if (sqlite3_step(stmt.get()) != SQLITE_DONE) return FailSqlite(sql);
    rows_.SetRowId(row, sqlite3_last_insert_rowid(connection_->Handle()));
    return true;
}

bool Recordset::WriteUpdate(const RowValues& row) {
    std::string assignments;
    std::vector<std::size_t> written;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (!changed_[c]) continue;
        assignments += (written.empty() ? "" : ", ") + QuoteName(columns_[c].baseColumn) + " = ?";
        written.push_back(c);
    }
    if (written.empty()) return true;
    const std::string sql = "UPDATE " + QuoteName(table_) + " SET " + assignments + " WHERE rowid = ?";
    int code = 0;
    std::string message;
    Statement stmt = PrepareStatement(connection_->Handle(), sql, code, message);
    if (!stmt) return FailSqlite(sql);
    for (std::size_t i = 0; i < written.size(); ++i)
        BindValue(stmt.get(), static_cast<int>(i) + 1, row.Get(written[i]));
    sqlite3_bind_int64(stmt.get(), static_cast<int>(written.size()) + 1, row.RowId());
    if (sqlite3_step(stmt.get()) != SQLITE_DONE) return FailSqlite(sql);
    if (sqlite3_changes(connection_->Handle()) == 0) {
        LogDatabaseFailure(sql, kRowCannotBeLocated);
        return Fail(RecordsetError(kRowCannotBeLocated, 3640));
    }
    return true;
}

bool Recordset::WriteDelete(const RowValues& row) {
    const std::string sql = "DELETE FROM " + QuoteName(table_) + " WHERE rowid = ?";
    int code = 0;
    std::string message;
    Statement stmt = PrepareStatement(connection_->Handle(), sql, code, message);
    if (!stmt) return FailSqlite(sql);
    sqlite3_bind_int64(stmt.get(), 1, row.RowId());
    if (sqlite3_step(stmt.get()) != SQLITE_DONE) return FailSqlite(sql);
    if (sqlite3_changes(connection_->Handle()) == 0) {
        LogDatabaseFailure(sql, kDeletedRow);
        return Fail(RecordsetError(kDeletedRow, kAdoNoCurrentRecord));
    }
    return true;
}

std::shared_ptr<Recordset> Execute(Connection& connection, const std::string& sql) {
    auto recordset = std::make_shared<Recordset>();
    if (!recordset->Open(connection, sql, false)) return nullptr;
    return recordset;
}

}  // namespace ado
