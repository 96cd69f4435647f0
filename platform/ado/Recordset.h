// A client-side static cursor: the rows of a query are read into memory when
// it opens (long binary values of a table's rows only when asked for), and
// additions, changes and deletions are written back to the base table of a
// single-table query by rowid. A recordset may also hold a rowset read from
// a saved file, in which case changes stay in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/ColumnType.h"
#include "platform/ado/JetError.h"
#include "platform/ado/RowValues.h"
#include "platform/ado/Rowset.h"
#include "platform/ado/Variant.h"

namespace ado {

class Connection;

// ADO EditModeEnum.
enum EditMode : long { adEditNone = 0, adEditInProgress = 1, adEditAdd = 2 };
// ADO PositionEnum values for a position that is not a row.
enum Position : long { adPosUnknown = -1, adPosBOF = -2, adPosEOF = -3 };

class Recordset {
public:
    Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Runs `source` on the connection: a query, or with `isTable` the name of a
    // table whose rows are all read. A statement that returns no rows is run
    // and leaves the recordset closed. An open recordset is closed first.
    bool Open(Connection& connection, const std::string& source, bool isTable);
    // Holds a copy of the rowset; changes stay in memory.
    void Open(RowsetData data);
    // Every column and row, long binary values loaded.
    bool ToRowset(RowsetData& out);
    void Close();
    bool IsOpen() const { return open_; }

    // Errors of the last failure: the connection's, or the recordset's own
    // when it was opened from a rowset.
    const ErrorList& Errors() const;

    long FieldCount() const { return static_cast<long>(columns_.size()); }
    // Column by index (checked by the caller) and by name without regard to case.
    const ColumnInfo& Column(long index) const { return columns_[index]; }
    long FindColumn(std::string_view name) const;
    bool IsUpdatable() const { return updatable_; }

    long RecordCount() const { return static_cast<long>(rows_.Count()); }
    bool IsEOF() const;
    bool IsBOF() const;
    bool MoveFirst();
    bool MoveLast();
    bool MoveNext();
    bool MovePrevious();
    long AbsolutePosition() const;
    bool SetAbsolutePosition(long position);
    EditMode GetEditMode() const { return edit_; }

    // The value of a column of the current row.
    bool GetValue(long column, Variant& out);
    // The current row with the column's value loaded, so that it can be read
    // without a copy; null on failure; valid until the recordset changes.
    const RowValues* CurrentRow(long column);
    // The same without recording an error: the current row when the column
    // exists and its value is loaded, else null. Cheap enough to call for
    // every value of a large result.
    const RowValues* LoadedRow(long column) const {
        if (column < 0 || column >= FieldCount() || !HasCurrentRow()) return nullptr;
        const RowValues& row = rows_[static_cast<std::size_t>(pos_)];
        return row.IsDeferred(static_cast<std::size_t>(column)) ? nullptr : &row;
    }
    // Byte length of the current row's value (a long binary value is not read).
    bool ActualSize(long column, long& out);
    // Sets a column of the current row (starting an edit), converting the value
    // to the column's type.
    bool SetValue(long column, const Variant& value);
    // Appends bytes to a long binary column of the current edit; the first
    // append of an edit replaces the old value.
    bool AppendChunk(long column, const std::uint8_t* bytes, std::size_t length);
    // Up to `count` bytes of a long value of the current row from byte
    // `offset` on (a text counts its UTF-8 bytes); empty past the end.
    bool GetChunk(long column, std::size_t offset, std::size_t count, std::vector<std::uint8_t>& out);

    bool AddNew();
    bool Update();
    bool CancelUpdate();
    // Deletes the current row; the cursor stays on the deleted row until it moves.
    bool Delete();

private:
    bool Fail(Error error) const;
    bool FailSqlite(const std::string& sql) const;
    bool HasCurrentRow() const {
        return open_ && !onDeletedRow_ && pos_ >= 0 && pos_ < static_cast<long>(rows_.Count());
    }
    bool RequireCurrentRow() const;
    bool RequireColumn(long column) const;
    bool RequireOpenConnection() const;
    bool FinishEdit();
    bool LoadDeferred(std::size_t row, std::size_t column);
    bool ReadRows(sqlite3_stmt* stmt, const std::string& sql, const std::vector<bool>& lazy);
    bool WriteInsert(std::size_t row);
    bool WriteUpdate(const RowValues& row);
    bool WriteDelete(const RowValues& row);
    void ResetState();

    Connection* connection_ = nullptr;  // null for a rowset held in memory
    bool open_ = false;
    bool updatable_ = false;
    std::string table_;  // base table written back to
    std::vector<ColumnInfo> columns_;
    std::vector<ColumnKind> kinds_;
    RowTable rows_;
    long pos_ = 0;
    bool onDeletedRow_ = false;
    EditMode edit_ = adEditNone;
    RowTable::OwnedRow editBackup_;  // the row as it was before the edit in progress
    long positionBeforeAdd_ = 0;
    std::vector<bool> changed_;
    std::vector<bool> chunked_;
    mutable ErrorList errors_;
};

// Runs a statement on the connection; an open recordset of its rows, a
// closed recordset for a statement without rows, or null on failure.
std::shared_ptr<Recordset> Execute(Connection& connection, const std::string& sql);

}  // namespace ado
