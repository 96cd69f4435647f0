#include "platform/ado/ColumnType.h"

#include <sqlite3.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "platform/text/DateTime.h"
#include "platform/text/Text.h"

namespace ado {

namespace {

constexpr std::int32_t kDefaultTextLength = 255;
constexpr std::int32_t kLongTextSize = 536870910;
constexpr std::int32_t kLongBinarySize = 1073741823;
constexpr const char* kStoredDateFormat = "%Y-%m-%d %H:%M:%S";

struct TypeName {
    const char* name;
    ColumnKind kind;
};

constexpr TypeName kTypeNames[] = {
    {"TEXT", ColumnKind::Text},          {"VARCHAR", ColumnKind::Text},
    {"CHAR", ColumnKind::Text},          {"NVARCHAR", ColumnKind::Text},
    {"NCHAR", ColumnKind::Text},         {"CHARACTER", ColumnKind::Text},
    {"STRING", ColumnKind::Text},        {"ALPHANUMERIC", ColumnKind::Text},
    {"LONGTEXT", ColumnKind::Memo},      {"MEMO", ColumnKind::Memo},
    {"NOTE", ColumnKind::Memo},          {"LONGCHAR", ColumnKind::Memo},
    {"NTEXT", ColumnKind::Memo},         {"CLOB", ColumnKind::Memo},
    {"INTEGER", ColumnKind::Long},       {"INT", ColumnKind::Long},
    {"LONG", ColumnKind::Long},          {"INTEGER4", ColumnKind::Long},
    {"COUNTER", ColumnKind::Long},       {"AUTOINCREMENT", ColumnKind::Long},
    {"SMALLINT", ColumnKind::Short},     {"SHORT", ColumnKind::Short},
    {"INTEGER2", ColumnKind::Short},     {"BYTE", ColumnKind::Byte},
    {"TINYINT", ColumnKind::Byte},       {"INTEGER1", ColumnKind::Byte},
    {"SINGLE", ColumnKind::Single},      {"REAL", ColumnKind::Single},
    {"FLOAT4", ColumnKind::Single},      {"IEEESINGLE", ColumnKind::Single},
    {"DOUBLE", ColumnKind::Double},      {"FLOAT", ColumnKind::Double},
    {"FLOAT8", ColumnKind::Double},      {"IEEEDOUBLE", ColumnKind::Double},
    {"NUMBER", ColumnKind::Double},      {"NUMERIC", ColumnKind::Double},
    {"DECIMAL", ColumnKind::Double},     {"CURRENCY", ColumnKind::Currency},
    {"MONEY", ColumnKind::Currency},     {"DATETIME", ColumnKind::Date},
    {"DATE", ColumnKind::Date},          {"TIME", ColumnKind::Date},
    {"TIMESTAMP", ColumnKind::Date},     {"BIT", ColumnKind::Bit},
    {"YESNO", ColumnKind::Bit},          {"BOOLEAN", ColumnKind::Bit},
    {"LOGICAL", ColumnKind::Bit},        {"LONGBINARY", ColumnKind::Binary},
    {"OLEOBJECT", ColumnKind::Binary},   {"GENERAL", ColumnKind::Binary},
    {"IMAGE", ColumnKind::Binary},       {"BLOB", ColumnKind::Binary},
};

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// A text that is a whole decimal number (blanks around it allowed).
bool ParseNumber(std::string_view s, double& out) {
    std::string trimmed = text::Trim(s);
    std::string_view t = trimmed;
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return false;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), out);
    return ec == std::errc() && end == t.data() + t.size();
}

std::string NumberText(const Variant& v) {
    switch (v.Type()) {
    case VT_R4: return text::Format("%.7g", v.RealValue());
    case VT_R8:
    case VT_DECIMAL: return text::Format("%.15g", v.RealValue());
    case VT_CY: return text::Format("%.15g", v.ToDouble());
    case VT_UI8: return text::Format("%llu", static_cast<unsigned long long>(v.IntBits()));
    default: return text::Format("%lld", static_cast<long long>(v.IntBits()));
    }
}

std::string DateText(double oleDate) {
    return text::DateTime::FromOleDate(oleDate).Format(kStoredDateFormat);
}

// The numeric value of a number, boolean, date, currency or numeric text.
bool NumericValue(const Variant& v, double& out) {
    switch (v.Type()) {
    case VT_BSTR: return ParseNumber(v.TextValue(), out);
    case VT_ARRAY_UI1:
    case VT_EMPTY:
    case VT_NULL: return false;
    default:
        out = v.ToDouble();
        return v.Type() != VT_ERROR && v.Type() != VT_DISPATCH && v.Type() != VT_UNKNOWN;
    }
}

// Whole number rounded half to even, as the system's variant conversion does.
bool WholeNumber(const Variant& v, double lowest, double highest, std::int64_t& out) {
    double d = 0;
    if (!NumericValue(v, d) || !std::isfinite(d)) return false;
    d = std::nearbyint(d);
    if (d < lowest || d > highest) return false;
    out = static_cast<std::int64_t>(d);
    return true;
}

bool BoolFromText(std::string_view s, bool& out) {
    std::string t = text::Trim(s);
    for (const char* yes : {"true", "yes", "on"})
        if (text::EqualsNoCase(t, yes)) return out = true, true;
    for (const char* no : {"false", "no", "off"})
        if (text::EqualsNoCase(t, no)) return out = false, true;
    double d = 0;
    if (!ParseNumber(t, d)) return false;
    out = d != 0;
    return true;
}

Variant ValueOfStorage(int storage, sqlite3_int64 i, double d, const unsigned char* txt, int txtLen,
                       const void* blob, int blobLen) {
    switch (storage) {
    case SQLITE_INTEGER:
        if (i >= std::numeric_limits<std::int32_t>::min() && i <= std::numeric_limits<std::int32_t>::max())
            return Variant::I4(static_cast<std::int32_t>(i));
        return Variant::I8(i);
    case SQLITE_FLOAT: return Variant::R8(d);
    case SQLITE_TEXT: return Variant::Text(std::string(reinterpret_cast<const char*>(txt), txtLen));
    case SQLITE_BLOB: {
        auto p = static_cast<const std::uint8_t*>(blob);
        return Variant::Bytes(std::vector<std::uint8_t>(p, p + blobLen));
    }
    default: return Variant::Null();
    }
}

}  // namespace

DeclaredType ParseDeclaredType(std::string_view declared) {
    std::string upper = text::ToUpperAscii(text::Trim(declared));
    std::size_t nameEnd = 0;
    while (nameEnd < upper.size() && IsNameChar(upper[nameEnd])) ++nameEnd;
    std::string_view name(upper.data(), nameEnd);
    DeclaredType result;
    for (const TypeName& entry : kTypeNames) {
        if (name == entry.name) {
            result.kind = entry.kind;
            break;
        }
    }
    if (result.kind == ColumnKind::Text) {
        std::size_t open = upper.find('(', nameEnd);
        long length = open == std::string::npos ? 0 : text::Atol(std::string_view(upper).substr(open + 1));
        result.length = length > 0 ? static_cast<std::int32_t>(length) : kDefaultTextLength;
    }
    return result;
}

ColumnInfo DescribeColumn(const std::string& name, DeclaredType type) {
    ColumnInfo c;
    c.name = name;
    const std::int32_t fixed = c.attributes | adFldFixed;
    const std::int32_t isLong = c.attributes | adFldLong;
    auto set = [&](DataType t, std::int32_t size, std::int32_t attributes, std::uint8_t precision) {
        c.type = t;
        c.definedSize = size;
        c.attributes = attributes;
        c.precision = precision;
    };
    switch (type.kind) {
    case ColumnKind::Text: set(adVarWChar, type.length, c.attributes, 255); break;
    case ColumnKind::Memo: set(adLongVarWChar, kLongTextSize, isLong, 255); break;
    case ColumnKind::Long: set(adInteger, 4, fixed, 10); break;
    case ColumnKind::Short: set(adSmallInt, 2, fixed, 5); break;
    case ColumnKind::Byte: set(adUnsignedTinyInt, 1, fixed, 3); break;
    case ColumnKind::Single: set(adSingle, 4, fixed, 7); break;
    case ColumnKind::Double: set(adDouble, 8, fixed, 15); break;
    case ColumnKind::Currency: set(adCurrency, 8, fixed, 19); break;
    case ColumnKind::Date: set(adDate, 8, fixed, 0); break;
    case ColumnKind::Bit: set(adBoolean, 2, fixed, 255); break;
    case ColumnKind::Binary: set(adLongVarBinary, kLongBinarySize, isLong, 255); break;
    case ColumnKind::Untyped: set(adVarWChar, kDefaultTextLength, c.attributes, 255); break;
    }
    return c;
}

ColumnKind KindOfColumn(const ColumnInfo& column) {
    switch (column.type) {
    case adBSTR:
    case adChar:
    case adWChar:
    case adVarChar:
    case adVarWChar: return column.IsLong() ? ColumnKind::Memo : ColumnKind::Text;
    case adLongVarChar:
    case adLongVarWChar: return ColumnKind::Memo;
    case adInteger:
    case adUnsignedInt: return ColumnKind::Long;
    case adSmallInt:
    case adUnsignedSmallInt: return ColumnKind::Short;
    case adTinyInt:
    case adUnsignedTinyInt: return ColumnKind::Byte;
    case adSingle: return ColumnKind::Single;
    case adDouble:
    case adDecimal:
    case adNumeric: return ColumnKind::Double;
    case adCurrency: return ColumnKind::Currency;
    case adDate:
    case adDBDate:
    case adDBTime:
    case adDBTimeStamp: return ColumnKind::Date;
    case adBoolean: return ColumnKind::Bit;
    case adBinary:
    case adVarBinary:
    case adLongVarBinary: return ColumnKind::Binary;
    default: return ColumnKind::Untyped;
    }
}

Variant ReadColumnValue(sqlite3_stmt* stmt, int index, ColumnKind kind) {
    const int storage = sqlite3_column_type(stmt, index);
    if (storage == SQLITE_NULL) return Variant::Null();
    auto textValue = [&] {
        auto p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, index));
        return std::string(p, sqlite3_column_bytes(stmt, index));
    };
    switch (kind) {
    case ColumnKind::Text:
    case ColumnKind::Memo: return Variant::Text(textValue());
    case ColumnKind::Long: return Variant::I4(static_cast<std::int32_t>(sqlite3_column_int64(stmt, index)));
    case ColumnKind::Short: return Variant::I2(static_cast<std::int16_t>(sqlite3_column_int64(stmt, index)));
    case ColumnKind::Byte: return Variant::UI1(static_cast<std::uint8_t>(sqlite3_column_int64(stmt, index)));
    case ColumnKind::Single: return Variant::R4(static_cast<float>(sqlite3_column_double(stmt, index)));
    case ColumnKind::Double: return Variant::R8(sqlite3_column_double(stmt, index));
    case ColumnKind::Currency:
        return Variant::Currency(Variant::CurrencyUnits(sqlite3_column_double(stmt, index)));
    case ColumnKind::Bit: return Variant::Bool(sqlite3_column_int64(stmt, index) != 0);
    case ColumnKind::Date: {
        if (storage != SQLITE_TEXT) return Variant::Date(sqlite3_column_double(stmt, index));
        std::string stored = textValue();
        text::DateTime dt;
        if (text::DateTime::Parse(stored, dt)) return Variant::Date(dt.ToOleDate());
        return Variant::Text(std::move(stored));
    }
    case ColumnKind::Binary: {
        auto p = static_cast<const std::uint8_t*>(sqlite3_column_blob(stmt, index));
        return Variant::Bytes(std::vector<std::uint8_t>(p, p + sqlite3_column_bytes(stmt, index)));
    }
    case ColumnKind::Untyped: break;
    }
    const unsigned char* txt = storage == SQLITE_TEXT ? sqlite3_column_text(stmt, index) : nullptr;
    const void* blob = storage == SQLITE_BLOB ? sqlite3_column_blob(stmt, index) : nullptr;
    return ValueOfStorage(storage, sqlite3_column_int64(stmt, index), sqlite3_column_double(stmt, index), txt,
                          sqlite3_column_bytes(stmt, index), blob, sqlite3_column_bytes(stmt, index));
}

Variant ReadSqlValue(sqlite3_value* value) {
    const int storage = sqlite3_value_type(value);
    const unsigned char* txt = storage == SQLITE_TEXT ? sqlite3_value_text(value) : nullptr;
    const void* blob = storage == SQLITE_BLOB ? sqlite3_value_blob(value) : nullptr;
    return ValueOfStorage(storage, sqlite3_value_int64(value), sqlite3_value_double(value), txt,
                          sqlite3_value_bytes(value), blob, sqlite3_value_bytes(value));
}

bool ConvertForColumn(const Variant& value, ColumnKind kind, Variant& out) {
    if (value.IsNullOrEmpty()) {
        out = Variant::Null();
        return true;
    }
    std::int64_t whole = 0;
    double real = 0;
    switch (kind) {
    case ColumnKind::Text:
    case ColumnKind::Memo:
        switch (value.Type()) {
        case VT_BSTR: out = value; return true;
        case VT_ARRAY_UI1: return false;
        case VT_BOOL: out = Variant::Text(value.IntBits() ? "True" : "False"); return true;
        case VT_DATE: out = Variant::Text(DateText(value.RealValue())); return true;
        default: out = Variant::Text(NumberText(value)); return true;
        }
    case ColumnKind::Long:
        if (!WholeNumber(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                         whole))
            return false;
        out = Variant::I4(static_cast<std::int32_t>(whole));
        return true;
    case ColumnKind::Short:
        if (!WholeNumber(value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max(),
                         whole))
            return false;
        out = Variant::I2(static_cast<std::int16_t>(whole));
        return true;
    case ColumnKind::Byte:
        if (!WholeNumber(value, 0, 255, whole)) return false;
        out = Variant::UI1(static_cast<std::uint8_t>(whole));
        return true;
    case ColumnKind::Single:
        if (!NumericValue(value, real)) return false;
        out = Variant::R4(static_cast<float>(real));
        return true;
    case ColumnKind::Double:
        if (!NumericValue(value, real)) return false;
        out = Variant::R8(real);
        return true;
    case ColumnKind::Currency:
        if (value.Type() == VT_CY) {
            out = value;
            return true;
        }
        if (!NumericValue(value, real)) return false;
        out = Variant::Currency(Variant::CurrencyUnits(real));
        return true;
    case ColumnKind::Date:
        if (value.Type() == VT_BSTR) {
            text::DateTime dt;
            if (!text::DateTime::Parse(value.TextValue(), dt)) return false;
            out = Variant::Date(dt.ToOleDate());
            return true;
        }
        if (!NumericValue(value, real)) return false;
        out = Variant::Date(real);
        return true;
    case ColumnKind::Bit: {
        bool flag = false;
        if (value.Type() == VT_BSTR) {
            if (!BoolFromText(value.TextValue(), flag)) return false;
        } else {
            if (!NumericValue(value, real)) return false;
            flag = real != 0;
        }
        out = Variant::Bool(flag);
        return true;
    }
    case ColumnKind::Binary:
        if (value.Type() == VT_ARRAY_UI1) {
            out = value;
            return true;
        }
        if (value.Type() != VT_BSTR) return false;
        out = Variant::Bytes(std::vector<std::uint8_t>(value.TextValue().begin(), value.TextValue().end()));
        return true;
    case ColumnKind::Untyped: out = value; return true;
    }
    return false;
}

int BindValue(sqlite3_stmt* stmt, int parameter, const Variant& value) {
    switch (value.Type()) {
    case VT_EMPTY:
    case VT_NULL: return sqlite3_bind_null(stmt, parameter);
    case VT_BSTR:
        return sqlite3_bind_text(stmt, parameter, value.TextValue().data(),
                                 static_cast<int>(value.TextValue().size()), SQLITE_TRANSIENT);
    case VT_ARRAY_UI1:
        if (value.BytesValue().empty()) return sqlite3_bind_zeroblob(stmt, parameter, 0);
        return sqlite3_bind_blob(stmt, parameter, value.BytesValue().data(),
                                 static_cast<int>(value.BytesValue().size()), SQLITE_TRANSIENT);
    case VT_DATE: {
        std::string stored = DateText(value.RealValue());
        return sqlite3_bind_text(stmt, parameter, stored.data(), static_cast<int>(stored.size()), SQLITE_TRANSIENT);
    }
    case VT_R4:
    case VT_R8:
    case VT_DECIMAL:
    case VT_CY: return sqlite3_bind_double(stmt, parameter, value.ToDouble());
    default: return sqlite3_bind_int64(stmt, parameter, value.IntBits());
    }
}

DataType DataTypeOfValue(VarType type) {
    switch (type) {
    case VT_I4: return adInteger;
    case VT_I8: return adBigInt;
    case VT_R8: return adDouble;
    case VT_ARRAY_UI1: return adLongVarBinary;
    default: return adVarWChar;
    }
}

}  // namespace ado
