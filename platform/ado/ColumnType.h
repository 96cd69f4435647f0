// The Access column types that schemas declare ("TEXT(50)", "LONGTEXT",
// "SINGLE", "LONGBINARY", ...) and how each maps to an ADO field type, a
// value type and the SQLite value stored for it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ado/Rowset.h"
#include "platform/ado/Variant.h"

struct sqlite3_stmt;
struct sqlite3_value;

namespace ado {

enum class ColumnKind {
    Text,      // TEXT(n): adVarWChar of n characters
    Memo,      // LONGTEXT / MEMO: adLongVarWChar, long
    Long,      // INTEGER / LONG: adInteger, VT_I4
    Short,     // SMALLINT / SHORT: adSmallInt, VT_I2
    Byte,      // BYTE: adUnsignedTinyInt, VT_UI1
    Single,    // SINGLE / REAL: adSingle, VT_R4
    Double,    // DOUBLE / FLOAT: adDouble, VT_R8
    Currency,  // CURRENCY: adCurrency, VT_CY
    Date,      // DATETIME: adDate, VT_DATE, stored as 'yyyy-mm-dd hh:mm:ss'
    Bit,       // BIT: adBoolean, VT_BOOL, stored -1 / 0
    Binary,    // LONGBINARY: adLongVarBinary, long
    Untyped,   // an expression: the type follows each value
};

struct DeclaredType {
    ColumnKind kind = ColumnKind::Untyped;
    std::int32_t length = 0;  // characters of a TEXT(n) column
};

// Reads a declared column type; an empty or unknown declaration is Untyped.
DeclaredType ParseDeclaredType(std::string_view declared);

// Field description (type, defined size, attributes) of a column of that kind.
ColumnInfo DescribeColumn(const std::string& name, DeclaredType type);

// The kind a column of a saved or in-memory rowset behaves as.
ColumnKind KindOfColumn(const ColumnInfo& column);

// Value of the current row's column `index`, read as a column of `kind`.
Variant ReadColumnValue(sqlite3_stmt* stmt, int index, ColumnKind kind);
// The same for a value handed to an SQL function.
Variant ReadSqlValue(sqlite3_value* value);

// Converts a value assigned to a column of `kind` into that column's value
// type, as ADO converts a value put into a field. False when it cannot be
// converted (a text that is no number into a number column, ...).
bool ConvertForColumn(const Variant& value, ColumnKind kind, Variant& out);

// Binds a value (already converted for its column) to a statement parameter
// in its stored form: dates as 'yyyy-mm-dd hh:mm:ss', currency as a real.
int BindValue(sqlite3_stmt* stmt, int parameter, const Variant& value);

// Field type of an expression column, from the type of its first value.
DataType DataTypeOfValue(VarType type);

}  // namespace ado
