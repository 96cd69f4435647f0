// Reader and writer of the saved-recordset XML format. The writer builds the
// text itself (single-quoted attributes, one row per line, CR/LF/tab as
// character references so they survive attribute normalisation); the reader
// parses with libxml2 and treats the file as untrusted: every number, hex
// digit and date is checked before it becomes a value.
#include "platform/ado/Persist.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <libxml/tree.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string_view>

#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/xmldom/Untrusted.h"

namespace ado {
namespace {

constexpr const char* kSchemaNs = "uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882";
constexpr const char* kDataTypeNs = "uuid:C2F41010-65B3-11d1-A29F-00AA00C14882";
constexpr const char* kRowsetNs = "urn:schemas-microsoft-com:rowset";
constexpr const char* kRowNs = "#RowsetSchema";

// ---------------------------------------------------------------------------
// Column types

// How the values of a column are spelled in the file.
enum class ValueKind { Text, Signed, Unsigned, Real4, Real8, Currency, Decimal, Boolean,
                       DateTime, Date, Time, Binary, Guid };

struct TypeSpec {
    DataType type;
    const char* dtType;   // dt:type
    const char* dbType;   // rs:dbtype, "" when none is written
    std::int32_t maxLength;  // dt:maxLength written when the column gives none
    int precision;           // rs:precision written when the column gives none
    bool fixedLength;        // rs:fixedlength='true'
    bool isLong;             // rs:long='true'
    ValueKind kind;
};

// The order matters to the reader: among entries that match a file's type
// equally well the first wins, so the plain form of each dt:type comes first.
constexpr TypeSpec kTypes[] = {
    {adVarWChar, "string", "", 0, 0, false, false, ValueKind::Text},
    {adWChar, "string", "", 0, 0, true, false, ValueKind::Text},
    {adLongVarWChar, "string", "", 536870910, 0, false, true, ValueKind::Text},
    {adVarChar, "string", "str", 0, 0, false, false, ValueKind::Text},
    {adChar, "string", "str", 0, 0, true, false, ValueKind::Text},
    {adLongVarChar, "string", "str", 2147483647, 0, false, true, ValueKind::Text},
    {adBSTR, "string", "bstr", 0, 0, false, false, ValueKind::Text},
    {adVariant, "string", "variant", 0, 0, false, false, ValueKind::Text},
    {adInteger, "int", "", 4, 10, true, false, ValueKind::Signed},
    {adSmallInt, "i2", "", 2, 5, true, false, ValueKind::Signed},
    {adTinyInt, "i1", "", 1, 3, true, false, ValueKind::Signed},
    {adBigInt, "i8", "", 8, 19, true, false, ValueKind::Signed},
    {adUnsignedTinyInt, "ui1", "", 1, 3, true, false, ValueKind::Unsigned},
    {adUnsignedSmallInt, "ui2", "", 2, 5, true, false, ValueKind::Unsigned},
    {adUnsignedInt, "ui4", "", 4, 10, true, false, ValueKind::Unsigned},
    {adUnsignedBigInt, "ui8", "", 8, 20, true, false, ValueKind::Unsigned},
    {adSingle, "r4", "", 4, 7, true, false, ValueKind::Real4},
    {adDouble, "float", "", 8, 15, true, false, ValueKind::Real8},
    {adNumeric, "number", "numeric", 19, 18, true, false, ValueKind::Decimal},
    {adCurrency, "number", "currency", 8, 19, true, false, ValueKind::Currency},
    {adDecimal, "number", "decimal", 19, 28, true, false, ValueKind::Decimal},
    {adBoolean, "boolean", "", 2, 0, true, false, ValueKind::Boolean},
    {adDate, "dateTime", "variantdate", 16, 0, true, false, ValueKind::DateTime},
    {adDBTimeStamp, "dateTime", "timestamp", 16, 19, true, false, ValueKind::DateTime},
    {adDBDate, "date", "", 6, 0, true, false, ValueKind::Date},
    {adDBTime, "time", "", 6, 0, true, false, ValueKind::Time},
    {adGUID, "uuid", "", 16, 0, true, false, ValueKind::Guid},
    {adVarBinary, "bin.hex", "", 0, 0, false, false, ValueKind::Binary},
    {adBinary, "bin.hex", "", 0, 0, true, false, ValueKind::Binary},
    {adLongVarBinary, "bin.hex", "", 2147483647, 0, false, true, ValueKind::Binary},
};

const TypeSpec& SpecOf(DataType type) {
    for (const TypeSpec& entry : kTypes)
        if (entry.type == type) return entry;
    return kTypes[0];  // anything else travels as text
}

// dt:type synonyms of the data-type namespace, mapped to the names written.
std::string CanonicalDtType(std::string dtType, std::string& dbType) {
    // Currency columns are also written on the integer type that holds them,
    // with the value still in decimals ("21.35").
    if (dbType == "currency" && (dtType == "i8" || dtType == "fixed.14.4")) dtType = "number";
    if (dtType == "i4") return "int";
    if (dtType == "r8") return "float";
    if (dtType == "dateTime.tz") return "dateTime";
    if (dtType == "time.tz") return "time";
    if (dtType == "fixed.14.4") {
        dbType = "currency";
        return "number";
    }
    return dtType;
}

// The column type that best matches what the file says of a column.
const TypeSpec& SpecFromFile(std::string dtType, std::string dbType, bool isLong, bool fixed) {
    dtType = CanonicalDtType(std::move(dtType), dbType);
    const TypeSpec* best = nullptr;
    int bestScore = -1;
    for (const TypeSpec& entry : kTypes) {
        if (dtType != entry.dtType) continue;
        int score = (dbType == entry.dbType ? 4 : 0) + (isLong == entry.isLong ? 2 : 0) +
                    (fixed == entry.fixedLength ? 1 : 0);
        if (score > bestScore) {
            best = &entry;
            bestScore = score;
        }
    }
    if (best) return *best;
    return isLong ? SpecOf(adLongVarWChar) : kTypes[0];  // untyped or unknown: text
}

// ---------------------------------------------------------------------------
// UTF-8 and XML names

// Decodes one UTF-8 character at s[i] and advances i; -1 for a malformed
// sequence (i then moves past one byte).
long DecodeUtf8(std::string_view s, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    if (b < 0x80) {
        ++i;
        return b;
    }
    int extra = b >= 0xC2 && b <= 0xDF ? 1 : b >= 0xE0 && b <= 0xEF ? 2 : b >= 0xF0 && b <= 0xF4 ? 3 : -1;
    if (extra < 0 || i + extra >= s.size()) {
        ++i;
        return -1;
    }
    long cp = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        unsigned char c = byte(i + k);
        if ((c & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr long kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return -1;
    }
    i += extra + 1;
    return cp;
}

bool IsNameStartChar(long c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
           (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) ||
           (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
           (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameChar(long c) {
    return IsNameStartChar(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

// True when the column name can stand as an attribute name of z:row: an XML
// name without a namespace prefix, not one of the reserved "xml..." names.
bool IsPlainAttributeName(std::string_view name) {
    if (name.empty() || text::EqualsNoCase(name.substr(0, std::min<std::size_t>(3, name.size())), "xml"))
        return false;
    std::size_t i = 0;
    bool first = true;
    while (i < name.size()) {
        long c = DecodeUtf8(name, i);
        if (c < 0 || !(first ? IsNameStartChar(c) : IsNameChar(c))) return false;
        first = false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Writing

// Appends text as the value of a single-quoted attribute. CR, LF and tab are
// written as character references (a literal one would read back as a
// space); other control characters cannot be carried by XML 1.0 and are left
// out; a malformed UTF-8 sequence becomes U+FFFD.
bool NeedsNoEscape(unsigned char b) {
    return b >= 0x20 && b < 0x80 && b != '&' && b != '<' && b != '>' && b != '\'' && b != '"';
}

void AppendEscaped(std::string& out, std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t run = i;
        while (run < s.size() && NeedsNoEscape(static_cast<unsigned char>(s[run]))) ++run;
        out.append(s.substr(i, run - i));  // plain characters in one piece
        if ((i = run) == s.size()) break;
        unsigned char b = static_cast<unsigned char>(s[i]);
        if (b >= 0x80) {
            std::size_t start = i;
            long cp = DecodeUtf8(s, i);
            if (cp < 0) out += "\xEF\xBF\xBD";
            else if (cp != 0xFFFE && cp != 0xFFFF) out.append(s.substr(start, i - start));
            continue;
        }
        ++i;
        switch (b) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '\'': out += "&apos;"; break;
        case '"': out += "&quot;"; break;
        case '\r': out += "&#xd;"; break;
        case '\n': out += "&#xa;"; break;
        case '\t': out += "&#x9;"; break;
        default:
            if (b >= 0x20) out += static_cast<char>(b);
        }
    }
}

void AppendAttr(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "='";
    AppendEscaped(out, value);
    out += '\'';
}

template <typename T>
std::string ShortestText(T value) {
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

// Currency held as value * 10000, written as a plain decimal ("-12.5").
std::string CurrencyText(std::int64_t scaled) {
    std::uint64_t magnitude = scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled)
                                         : static_cast<std::uint64_t>(scaled);
    std::string out = scaled < 0 ? "-" : "";
    out += std::to_string(magnitude / 10000);
    std::uint64_t fraction = magnitude % 10000;
    if (fraction != 0) {
        std::string digits = text::Format("%04u", static_cast<unsigned>(fraction));
        digits.erase(digits.find_last_not_of('0') + 1);
        out += '.' + digits;
    }
    return out;
}

bool IsIntegerVariant(VarType t) {
    switch (t) {
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4:
    case VT_I8: case VT_UI8: case VT_INT: case VT_UINT: case VT_BOOL:
        return true;
    default:
        return false;
    }
}

std::int64_t IntegerOf(const Variant& v) {
    return IsIntegerVariant(v.Type()) || v.Type() == VT_CY ? v.IntBits() : v.ToInt64();
}

std::string OleDateText(double oleDate, const char* fmt) {
    text::DateTime d = text::DateTime::FromOleDate(oleDate);
    return text::Format(fmt, d.year, d.month, d.day, d.hour, d.minute, d.second);
}

std::string HexText(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out(bytes.size() * 2, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[2 * i] = kDigits[b >> 4];
        out[2 * i + 1] = kDigits[b & 0xF];
    }
    return out;
}

// A value other than text standing in a text column.
std::string ScalarText(const Variant& v) {
    switch (v.Type()) {
    case VT_BSTR: return v.TextValue();
    case VT_ARRAY_UI1: return std::string(v.BytesValue().begin(), v.BytesValue().end());
    case VT_R4: return ShortestText(static_cast<float>(v.RealValue()));
    case VT_R8: case VT_DECIMAL: return ShortestText(v.RealValue());
    case VT_CY: return CurrencyText(v.IntBits());
    case VT_DATE: return OleDateText(v.RealValue(), "%04d-%02d-%02dT%02d:%02d:%02d");
    case VT_UI8: return std::to_string(static_cast<std::uint64_t>(v.IntBits()));
    default: return std::to_string(IntegerOf(v));
    }
}

std::string ValueText(ValueKind kind, const Variant& v) {
    switch (kind) {
    case ValueKind::Text:
    case ValueKind::Guid:
        return ScalarText(v);
    case ValueKind::Signed:
        return std::to_string(IntegerOf(v));
    case ValueKind::Unsigned:
        return std::to_string(static_cast<std::uint64_t>(IntegerOf(v)));
    case ValueKind::Real4:
        return ShortestText(static_cast<float>(v.ToDouble()));
    case ValueKind::Real8:
    case ValueKind::Decimal:
        return ShortestText(v.ToDouble());
    case ValueKind::Currency:
        return CurrencyText(v.Type() == VT_CY ? v.IntBits()
                                              : Variant::CurrencyUnits(v.ToDouble()));
    case ValueKind::Boolean:
        return IntegerOf(v) != 0 ? "True" : "False";
    case ValueKind::DateTime:
        return OleDateText(v.ToDouble(), "%04d-%02d-%02dT%02d:%02d:%02d");
    case ValueKind::Date:
        return OleDateText(v.ToDouble(), "%04d-%02d-%02d");
    case ValueKind::Time: {
        text::DateTime d = text::DateTime::FromOleDate(v.ToDouble());
        return text::Format("%02d:%02d:%02d", d.hour, d.minute, d.second);
    }
    case ValueKind::Binary:
        if (v.Type() == VT_ARRAY_UI1) {
            const auto& bytes = v.BytesValue();
            return HexText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        }
        return HexText(ScalarText(v));
    }
    return {};
}

// The attribute name each column's values are stored under: the column name
// itself when it is a usable XML name not yet taken, otherwise "c<index>"
// (the real name then travels in rs:name).
std::vector<std::string> AttributeNames(const std::vector<ColumnInfo>& columns) {
    std::set<std::string> taken;
    for (const ColumnInfo& c : columns)
        if (IsPlainAttributeName(c.name)) taken.insert(c.name);
    std::vector<std::string> names;
    std::set<std::string> used;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string& name = columns[i].name;
        if (IsPlainAttributeName(name) && used.insert(name).second) {
            names.push_back(name);
            continue;
        }
        std::string alias = "c" + std::to_string(i);
        for (int n = 1; taken.count(alias) || used.count(alias); ++n)
            alias = "c" + std::to_string(i) + "_" + std::to_string(n);
        used.insert(alias);
        names.push_back(alias);
    }
    return names;
}

void AppendColumnSchema(std::string& out, const ColumnInfo& c, std::size_t index,
                        const std::string& attrName) {
    const TypeSpec& entry = SpecOf(c.type);
    const std::int32_t a = c.attributes;
    out += "\t\t<s:AttributeType";
    AppendAttr(out, "name", attrName);
    if (attrName != c.name) AppendAttr(out, "rs:name", c.name);
    AppendAttr(out, "rs:number", std::to_string(index + 1));
    if (a & adFldIsNullable) out += " rs:nullable='true'";
    if (a & adFldMayDefer) out += " rs:maydefer='true'";
    if (a & adFldUnknownUpdatable) out += " rs:writeunknown='true'";
    else if (a & adFldUpdatable) out += " rs:write='true'";
    if (!c.baseTable.empty()) AppendAttr(out, "rs:basetable", c.baseTable);
    if (!c.baseColumn.empty()) AppendAttr(out, "rs:basecolumn", c.baseColumn);
    if (a & adFldKeyColumn) out += " rs:keycolumn='true'";
    if (a & adFldRowID) out += " rs:rowid='true'";
    if (a & adFldRowVersion) out += " rs:rowver='true'";
    if (a & adFldCacheDeferred) out += " rs:cachedeferred='true'";
    out += ">\n\t\t\t<s:datatype";
    AppendAttr(out, "dt:type", entry.dtType);
    if (*entry.dbType) AppendAttr(out, "rs:dbtype", entry.dbType);
    std::int32_t maxLength = c.definedSize > 0 ? c.definedSize : entry.maxLength;
    if (maxLength > 0) AppendAttr(out, "dt:maxLength", std::to_string(maxLength));
    if (entry.kind == ValueKind::Decimal || c.numericScale > 0)
        AppendAttr(out, "rs:scale", std::to_string(c.numericScale));
    int precision = c.precision > 0 ? c.precision : entry.precision;
    if (precision > 0) AppendAttr(out, "rs:precision", std::to_string(precision));
    if (entry.fixedLength || (a & adFldFixed)) out += " rs:fixedlength='true'";
    if (!(a & adFldMayBeNull)) out += " rs:maybenull='false'";
    if (entry.isLong || (a & adFldLong)) out += " rs:long='true'";
    out += "/>\n\t\t</s:AttributeType>\n";
}

std::string BuildDocument(const RowsetData& data) {
    std::vector<std::string> attrNames = AttributeNames(data.columns);
    std::string out;
    out += "<xml xmlns:s='";
    out += kSchemaNs;
    out += "'\n\txmlns:dt='";
    out += kDataTypeNs;
    out += "'\n\txmlns:rs='";
    out += kRowsetNs;
    out += "'\n\txmlns:z='";
    out += kRowNs;
    out += "'>\n<s:Schema id='RowsetSchema'>\n"
           "\t<s:ElementType name='row' content='eltOnly' rs:updatable='true'>\n";
    for (std::size_t i = 0; i < data.columns.size(); ++i)
        AppendColumnSchema(out, data.columns[i], i, attrNames[i]);
    out += "\t\t<s:extends type='rs:rowbase'/>\n\t</s:ElementType>\n</s:Schema>\n<rs:data>\n";
    std::vector<ValueKind> kinds;
    for (const ColumnInfo& c : data.columns) kinds.push_back(SpecOf(c.type).kind);
    for (const auto& row : data.rows) {
        out += "\t<z:row";
        for (std::size_t i = 0; i < data.columns.size() && i < row.size(); ++i) {
            if (row[i].IsNullOrEmpty()) continue;  // a missing attribute is NULL
            AppendAttr(out, attrNames[i], ValueText(kinds[i], row[i]));
        }
        out += "/>\n";
    }
    out += "</rs:data>\n</xml>\n";
    return out;
}

// ---------------------------------------------------------------------------
// Reading: value parsing

std::string_view TrimBlanks(std::string_view s) {
    const char* blanks = " \t\r\n";
    std::size_t b = s.find_first_not_of(blanks);
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(blanks) - b + 1);
}

std::string_view WithoutPlus(std::string_view s) {
    s = TrimBlanks(s);
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    return s;
}

template <typename T>
bool ParseWhole(std::string_view s, T& out) {
    s = WithoutPlus(s);
    if (s.empty()) return false;
    auto result = std::from_chars(s.data(), s.data() + s.size(), out);
    return result.ec == std::errc() && result.ptr == s.data() + s.size();
}

// A finite real; "inf", "nan" and values beyond a double are refused.
bool ParseReal(std::string_view s, double& out) {
    s = WithoutPlus(s);
    if (s.empty()) return false;
    auto result = std::from_chars(s.data(), s.data() + s.size(), out);
    return result.ec == std::errc() && result.ptr == s.data() + s.size() && std::isfinite(out);
}

// A plain decimal ("-12.3456") read exactly into value * 10000, within the
// currency range (-922337203685477.5808 to 922337203685477.5807); digits
// beyond the fourth decimal must be zeros. Other number forms ("1.5e3") go
// through a double and must land on a whole ten-thousandth.
bool ParseCurrency(std::string_view s, std::int64_t& scaled) {
    s = TrimBlanks(s);
    bool negative = !s.empty() && s[0] == '-';
    std::string_view digits = WithoutPlus(negative ? s.substr(1) : s);
    std::size_t dot = digits.find('.');
    std::string_view whole = digits.substr(0, dot);
    std::string_view fraction = dot == std::string_view::npos ? std::string_view() : digits.substr(dot + 1);
    auto allDigits = [](std::string_view d) {
        return std::all_of(d.begin(), d.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if ((!whole.empty() || !fraction.empty()) && allDigits(whole) && allDigits(fraction)) {
        if (fraction.size() > 4 && fraction.find_first_not_of('0', 4) != std::string_view::npos) return false;
        std::uint64_t w = 0;
        if (!whole.empty() && !ParseWhole(whole, w)) return false;
        std::uint64_t f = 0;
        for (std::size_t i = 0; i < 4; ++i) f = f * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
        constexpr std::uint64_t kLimit = static_cast<std::uint64_t>(INT64_MAX) + 1;  // the negative end
        if (w > kLimit / 10000) return false;
        const std::uint64_t magnitude = w * 10000 + f;
        if (magnitude > (negative ? kLimit : kLimit - 1)) return false;
        scaled = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
        return true;
    }
    double real = 0;
    if (!ParseReal(s, real)) return false;
    double value = real * 10000.0;
    if (!std::isfinite(value) || std::fabs(value) >= 9.2e18 || value != std::round(value)) return false;
    scaled = static_cast<std::int64_t>(value);
    return true;
}

bool ParseBool(std::string_view s, bool& out) {
    s = TrimBlanks(s);
    if (text::EqualsNoCase(s, "true") || s == "1" || s == "-1") out = true;
    else if (text::EqualsNoCase(s, "false") || s == "0") out = false;
    else return false;
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHex(std::string_view s, std::vector<std::uint8_t>& out) {
    s = TrimBlanks(s);
    if (s.size() % 2 != 0) return false;
    out.resize(s.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i) {
        int hi = HexDigit(s[2 * i]), lo = HexDigit(s[2 * i + 1]);
        if (hi < 0 || lo < 0) return false;
        out[i] = static_cast<std::uint8_t>(hi << 4 | lo);
    }
    return true;
}

// Base64 as the Windows layer writes long binary values (line breaks and
// blanks between the groups allowed, "=" padding only at the end).
bool ParseBase64(std::string_view s, Variant& out) {
    auto sextet = [](char c) -> int {
        if (c >= 'A' && c <= 'Z') return c - 'A';
        if (c >= 'a' && c <= 'z') return c - 'a' + 26;
        if (c >= '0' && c <= '9') return c - '0' + 52;
        if (c == '+') return 62;
        if (c == '/') return 63;
        return -1;
    };
    std::vector<std::uint8_t> bytes;
    bytes.reserve(s.size() / 4 * 3);
    std::uint32_t group = 0;
    int held = 0, padding = 0;
    for (char c : s) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        if (c == '=') {
            ++padding;
            continue;
        }
        const int v = sextet(c);
        if (v < 0 || padding > 0) return false;
        group = group << 6 | static_cast<std::uint32_t>(v);
        if (++held == 4) {
            bytes.push_back(static_cast<std::uint8_t>(group >> 16));
            bytes.push_back(static_cast<std::uint8_t>(group >> 8));
            bytes.push_back(static_cast<std::uint8_t>(group));
            group = 0;
            held = 0;
        }
    }
    // What is left: 2 sextets are one byte, 3 are two; padding completes a group of 4.
    if (held == 1 || (padding > 0 && held + padding != 4) || padding > 2) return false;
    if (held == 2) bytes.push_back(static_cast<std::uint8_t>(group >> 4));
    if (held == 3) {
        bytes.push_back(static_cast<std::uint8_t>(group >> 10));
        bytes.push_back(static_cast<std::uint8_t>(group >> 2));
    }
    out = Variant::Bytes(std::move(bytes));
    return true;
}

// Dates as "yyyy-mm-ddThh:mm:ss" (a fraction of seconds or a trailing "Z" is
// accepted), "yyyy-mm-dd", or a time of day "hh:mm:ss".
bool ParseOleDate(std::string_view s, ValueKind kind, double& ole) {
    std::string t(TrimBlanks(s));
    if (!t.empty() && (t.back() == 'Z' || t.back() == 'z')) t.pop_back();
    if (kind == ValueKind::Time && t.find('-') == std::string::npos) t = "1899-12-30T" + t;
    text::DateTime d;
    if (!text::DateTime::Parse(t, d)) return false;
    ole = d.ToOleDate();
    return true;
}

template <typename T>
bool ParseRanged(std::string_view s, T& out, T lo, T hi) {
    return ParseWhole(s, out) && out >= lo && out <= hi;
}

// The value of one attribute for a column of the given type.
bool ParseValue(const TypeSpec& entry, std::string_view s, Variant& out) {
    switch (entry.kind) {
    case ValueKind::Text:
    case ValueKind::Guid:
        out = Variant::Text(std::string(s));
        return true;
    case ValueKind::Signed: {
        std::int64_t v = 0;
        switch (entry.type) {
        case adTinyInt:
            if (!ParseRanged<std::int64_t>(s, v, INT8_MIN, INT8_MAX)) return false;
            out = Variant::I1(static_cast<std::int8_t>(v));
            return true;
        case adSmallInt:
            if (!ParseRanged<std::int64_t>(s, v, INT16_MIN, INT16_MAX)) return false;
            out = Variant::I2(static_cast<std::int16_t>(v));
            return true;
        case adInteger:
            if (!ParseRanged<std::int64_t>(s, v, INT32_MIN, INT32_MAX)) return false;
            out = Variant::I4(static_cast<std::int32_t>(v));
            return true;
        default:
            if (!ParseWhole(s, v)) return false;
            out = Variant::I8(v);
            return true;
        }
    }
    case ValueKind::Unsigned: {
        std::uint64_t v = 0;
        switch (entry.type) {
        case adUnsignedTinyInt:
            if (!ParseRanged<std::uint64_t>(s, v, 0, UINT8_MAX)) return false;
            out = Variant::UI1(static_cast<std::uint8_t>(v));
            return true;
        case adUnsignedSmallInt:
            if (!ParseRanged<std::uint64_t>(s, v, 0, UINT16_MAX)) return false;
            out = Variant::UI2(static_cast<std::uint16_t>(v));
            return true;
        case adUnsignedInt:
            if (!ParseRanged<std::uint64_t>(s, v, 0, UINT32_MAX)) return false;
            out = Variant::UI4(static_cast<std::uint32_t>(v));
            return true;
        default:
            if (!ParseWhole(s, v)) return false;
            out = Variant::UI8(v);
            return true;
        }
    }
    case ValueKind::Real4:
    case ValueKind::Real8:
    case ValueKind::Decimal: {
        double v = 0;
        if (!ParseReal(s, v)) return false;
        if (entry.kind == ValueKind::Real4 && std::fabs(v) > std::numeric_limits<float>::max()) return false;
        out = entry.kind == ValueKind::Real4   ? Variant::R4(static_cast<float>(v))
              : entry.kind == ValueKind::Real8 ? Variant::R8(v)
                                              : Variant::Decimal(v);
        return true;
    }
    case ValueKind::Currency: {
        std::int64_t scaled = 0;
        if (!ParseCurrency(s, scaled)) return false;
        out = Variant::Currency(scaled);
        return true;
    }
    case ValueKind::Boolean: {
        bool v = false;
        if (!ParseBool(s, v)) return false;
        out = Variant::Bool(v);
        return true;
    }
    case ValueKind::DateTime:
    case ValueKind::Date:
    case ValueKind::Time: {
        double ole = 0;
        if (!ParseOleDate(s, entry.kind, ole)) return false;
        out = Variant::Date(ole);
        return true;
    }
    case ValueKind::Binary: {
        std::vector<std::uint8_t> bytes;
        if (!ParseHex(s, bytes)) return false;
        out = Variant::Bytes(std::move(bytes));
        return true;
    }
    }
    return false;
}

// ---------------------------------------------------------------------------
// Reading: the document

struct XmlText {
    xmlChar* p;
    explicit XmlText(xmlChar* value) : p(value) {}
    ~XmlText() { xmlFree(p); }
    XmlText(const XmlText&) = delete;
    XmlText& operator=(const XmlText&) = delete;
    std::string_view View() const {
        return p ? std::string_view(reinterpret_cast<const char*>(p)) : std::string_view();
    }
};

std::string_view NameOf(const xmlChar* name) {
    return name ? std::string_view(reinterpret_cast<const char*>(name)) : std::string_view();
}

bool InNamespace(const xmlNs* ns, const char* href) {
    return ns && ns->href && text::EqualsNoCase(NameOf(ns->href), href);
}

bool IsElement(const xmlNode* node, const char* ns, std::string_view local) {
    return node && node->type == XML_ELEMENT_NODE && NameOf(node->name) == local &&
           InNamespace(node->ns, ns);
}

const xmlNode* FirstChild(const xmlNode* parent, const char* ns, std::string_view local) {
    for (const xmlNode* c = parent ? parent->children : nullptr; c; c = c->next)
        if (IsElement(c, ns, local)) return c;
    return nullptr;
}

// Value of an attribute: `ns` null means an attribute with no prefix.
bool GetAttr(const xmlNode* node, const char* ns, std::string_view local, std::string& value) {
    for (const xmlAttr* a = node ? node->properties : nullptr; a; a = a->next) {
        if (NameOf(a->name) != local) continue;
        if (ns ? !InNamespace(a->ns, ns) : a->ns != nullptr) continue;
        XmlText v(xmlNodeGetContent(reinterpret_cast<const xmlNode*>(a)));
        value.assign(v.View());
        return true;
    }
    return false;
}

bool FlagAttr(const xmlNode* node, const char* ns, std::string_view local) {
    std::string v;
    bool on = false;
    return GetAttr(node, ns, local, v) && ParseBool(v, on) && on;
}

// What a reader is told of a value of this kind that the file spells wrongly.
const char* KindInWords(ValueKind kind) {
    switch (kind) {
    case ValueKind::Text: return "文本";
    case ValueKind::Signed:
    case ValueKind::Unsigned: return "整数";
    case ValueKind::Real4:
    case ValueKind::Real8:
    case ValueKind::Currency:
    case ValueKind::Decimal: return "数值";
    case ValueKind::Boolean: return "是否值";
    case ValueKind::DateTime:
    case ValueKind::Date:
    case ValueKind::Time: return "日期时间";
    case ValueKind::Binary: return "二进制数据";
    case ValueKind::Guid: return "GUID";
    }
    return "值";
}

// Why bytes that are no well-formed XML were refused, in the words the user
// reads: the line, and what is wrong there (libxml2's own English text never
// reaches a message).
std::string XmlFailureInWords(const xmldom::ParseFailure& failure) {
    if (failure.unreadable) return "读取文件时出错";
    if (failure.tooDeep)
        return text::Format("第%d行：元素嵌套超过%d层", failure.line, xmldom::kMaxUntrustedDepth);
    const bool encoding = failure.code == XML_ERR_INVALID_ENCODING || failure.code == XML_ERR_UNSUPPORTED_ENCODING ||
                          failure.message.find("UTF-8") != std::string::npos ||
                          failure.message.find("encoding") != std::string::npos;
    const char* what = "不是正确的XML";
    if (encoding) what = "含有不是UTF-8编码的字节，或声明了无法识别的编码";
    else switch (failure.code) {
    case XML_ERR_DOCUMENT_EMPTY: what = "文件中没有XML元素"; break;
    case XML_ERR_DOCUMENT_START: what = "文件不是以XML开始的"; break;
    // The reader meets the end of the input inside an element as content
    // after the document.
    case XML_ERR_DOCUMENT_END: what = "文件不完整，或文档结束后还有多余的内容"; break;
    case XML_ERR_INVALID_CHAR:
    case XML_ERR_INVALID_CHARREF: what = "含有XML不允许的字符"; break;
    case XML_ERR_TAG_NOT_FINISHED:
    case XML_ERR_LTSLASH_REQUIRED:
    case XML_ERR_GT_REQUIRED: what = "文件不完整（元素没有结束）"; break;
    case XML_ERR_TAG_NAME_MISMATCH: what = "元素的开始和结束标记不一致"; break;
    case XML_ERR_LT_IN_ATTRIBUTE:
    case XML_ERR_ATTRIBUTE_NOT_STARTED:
    case XML_ERR_ATTRIBUTE_NOT_FINISHED:
    case XML_ERR_ATTRIBUTE_WITHOUT_VALUE: what = "属性值不完整或含有不允许的字符"; break;
    case XML_ERR_ATTRIBUTE_REDEFINED: what = "同一属性出现了两次"; break;
    case XML_ERR_UNDECLARED_ENTITY:
    case XML_ERR_ENTITYREF_SEMICOL_MISSING: what = "含有未定义的实体引用"; break;
    case XML_ERR_NAME_REQUIRED:
    case XML_ERR_NAME_TOO_LONG: what = "元素或属性的名称不正确"; break;
    case XML_NS_ERR_UNDEFINED_NAMESPACE: what = "使用了未声明的命名空间"; break;
    default: break;
    }
    return failure.line > 0 ? text::Format("第%d行：%s", failure.line, what) : std::string(what);
}

struct FileColumn {
    ColumnInfo info;
    const TypeSpec* entry = nullptr;
    std::string attrName;  // the name its values carry in z:row
    long number = 0;       // rs:number, 0 when missing or unusable
    bool base64 = false;   // a binary column whose values are in base64
};

// Reads an s:AttributeType. Type details may stand on its s:datatype child or,
// in hand-written files, on the element itself.
bool ReadColumn(const xmlNode* node, FileColumn& col, std::string& error) {
    if (!GetAttr(node, nullptr, "name", col.attrName) || col.attrName.empty()) {
        error = "记录集结构中有一列没有名称";
        return false;
    }
    if (!GetAttr(node, kRowsetNs, "name", col.info.name)) col.info.name = col.attrName;
    std::string value;
    if (GetAttr(node, kRowsetNs, "number", value) && !ParseWhole(value, col.number)) col.number = 0;

    const xmlNode* type = FirstChild(node, kSchemaNs, "datatype");
    auto attr = [&](const char* ns, const char* local, std::string& v) {
        return GetAttr(type, ns, local, v) || GetAttr(node, ns, local, v);
    };
    auto flag = [&](const char* local) {
        return FlagAttr(type, kRowsetNs, local) || FlagAttr(node, kRowsetNs, local);
    };
    std::string dtType, dbType;
    attr(kDataTypeNs, "type", dtType);
    attr(kRowsetNs, "dbtype", dbType);
    // Binary columns written in base64 are binary columns like those in hex.
    col.base64 = dtType == "bin.base64";
    if (col.base64) dtType = "bin.hex";
    const bool isLong = flag("long"), fixed = flag("fixedlength");
    col.entry = &SpecFromFile(dtType, dbType, isLong, fixed);
    col.info.type = col.entry->type;

    auto number = [&](const char* ns, const char* local, std::int64_t max, std::int64_t& out) {
        std::string v;
        if (!attr(ns, local, v)) return true;
        if (!ParseWhole(v, out) || out < 0) {
            error = "记录集结构中列" + col.info.name + "的" + local + "“" + text::TruncateGbk(v, 40) + "”不是有效的数";
            return false;
        }
        out = std::min(out, max);
        return true;
    };
    std::int64_t maxLength = 0, precision = 0, scale = 0;
    if (!number(kDataTypeNs, "maxLength", INT32_MAX, maxLength) ||
        !number(kRowsetNs, "precision", 255, precision) || !number(kRowsetNs, "scale", 255, scale))
        return false;
    col.info.definedSize = static_cast<std::int32_t>(maxLength);
    col.info.precision = static_cast<std::uint8_t>(precision);
    col.info.numericScale = static_cast<std::uint8_t>(scale);
    GetAttr(node, kRowsetNs, "basetable", col.info.baseTable);
    GetAttr(node, kRowsetNs, "basecolumn", col.info.baseColumn);

    std::int32_t a = 0;
    if (col.entry->isLong) a |= adFldLong;
    if (fixed) a |= adFldFixed;
    if (flag("nullable")) a |= adFldIsNullable;
    std::string maybeNull;
    bool mayBeNull = true;
    if (attr(kRowsetNs, "maybenull", maybeNull)) ParseBool(maybeNull, mayBeNull);
    if (mayBeNull) a |= adFldMayBeNull;
    if (flag("maydefer")) a |= adFldMayDefer;
    // A column whose writability the source could not tell is still
    // updatable in the reopened recordset.
    if (flag("writeunknown")) a |= adFldUnknownUpdatable | adFldUpdatable;
    if (flag("write")) a |= adFldUpdatable;
    if (flag("keycolumn")) a |= adFldKeyColumn;
    if (flag("rowid")) a |= adFldRowID;
    if (flag("rowver")) a |= adFldRowVersion;
    if (flag("cachedeferred")) a |= adFldCacheDeferred;
    col.info.attributes = a;
    return true;
}

bool ReadSchema(const xmlNode* schema, std::vector<FileColumn>& columns, std::string& error) {
    const xmlNode* rowType = FirstChild(schema, kSchemaNs, "ElementType");
    if (!rowType) {
        error = "记录集结构中没有行的定义";
        return false;
    }
    for (const xmlNode* c = rowType->children; c; c = c->next) {
        if (!IsElement(c, kSchemaNs, "AttributeType")) continue;
        if (FlagAttr(c, kRowsetNs, "hidden")) continue;  // not exposed as a field
        FileColumn col;
        if (!ReadColumn(c, col, error)) return false;
        columns.push_back(std::move(col));
    }
    // Columns stand in the order of rs:number when every column has a
    // distinct one, otherwise in the order of the schema.
    std::set<long> numbers;
    for (const FileColumn& c : columns)
        if (c.number > 0) numbers.insert(c.number);
    if (numbers.size() == columns.size())
        std::stable_sort(columns.begin(), columns.end(),
                         [](const FileColumn& x, const FileColumn& y) { return x.number < y.number; });
    return true;
}

class RowReader {
public:
    explicit RowReader(const std::vector<FileColumn>& columns) : columns_(columns) {
        for (std::size_t i = 0; i < columns.size(); ++i) index_.emplace(columns[i].attrName, i);
    }

    // Appends the rows of rs:data (and of the rs:insert blocks in it, however
    // nested) in document order, as they stand once the pending changes are
    // applied. The blocks are walked with a stack of their own, not by
    // recursion, so the file's nesting never reaches the call stack.
    // Appends what one child of a block holds: a row, an update, or the rows
    // of an rs:insert block.
    bool ReadOne(const xmlNode* c, std::vector<std::vector<Variant>>& rows, std::string& error) {
        if (IsElement(c, kRowsetNs, "insert")) return ReadBlock(c, rows, error);
        if (IsElement(c, kRowNs, "row")) {
            std::vector<Variant> row(columns_.size(), Variant::Null());
            if (!Overlay(c, row, rows.size(), error)) return false;
            rows.push_back(std::move(row));
        } else if (IsElement(c, kRowsetNs, "update")) {
            return ReadUpdate(c, rows, error);
        }
        return true;
    }

    bool ReadBlock(const xmlNode* block, std::vector<std::vector<Variant>>& rows, std::string& error) {
        std::vector<const xmlNode*> resume;  // per open block, the next node to read
        const xmlNode* c = block->children;
        for (;;) {
            if (!c) {
                if (resume.empty()) return true;
                c = resume.back();
                resume.pop_back();
                continue;
            }
            const xmlNode* next = c->next;
            if (c->type == XML_ELEMENT_NODE) {
                if (IsElement(c, kRowNs, "row")) {
                    std::vector<Variant> row(columns_.size(), Variant::Null());
                    if (!Overlay(c, row, rows.size(), error)) return false;
                    rows.push_back(std::move(row));
                } else if (IsElement(c, kRowsetNs, "update")) {
                    if (!ReadUpdate(c, rows, error)) return false;
                } else if (IsElement(c, kRowsetNs, "insert")) {
                    resume.push_back(next);
                    next = c->children;
                }
                // rs:delete: rows removed before the save are not current rows.
            }
            c = next;
        }
    }

private:
    // An update holds the original row and a row with the changed values.
    bool ReadUpdate(const xmlNode* update, std::vector<std::vector<Variant>>& rows, std::string& error) {
        std::vector<Variant> row(columns_.size(), Variant::Null());
        if (const xmlNode* original = FirstChild(update, kRowsetNs, "original"))
            if (const xmlNode* r = FirstChild(original, kRowNs, "row"))
                if (!Overlay(r, row, rows.size(), error)) return false;
        if (const xmlNode* changed = FirstChild(update, kRowNs, "row"))
            if (!Overlay(changed, row, rows.size(), error)) return false;
        rows.push_back(std::move(row));
        return true;
    }

    // Sets the values a z:row carries; attributes the schema does not name are
    // ignored, and rs:forcenull lists columns set to NULL.
    bool Overlay(const xmlNode* node, std::vector<Variant>& row, std::size_t rowIndex, std::string& error) {
        for (const xmlAttr* a = node->properties; a; a = a->next) {
            XmlText value(xmlNodeGetContent(reinterpret_cast<const xmlNode*>(a)));
            if (a->ns) {
                if (InNamespace(a->ns, kRowsetNs) && NameOf(a->name) == "forcenull")
                    for (const std::string& name : text::Split(value.View(), " "))
                        if (auto it = index_.find(name); it != index_.end()) row[it->second] = Variant::Null();
                continue;
            }
            auto it = index_.find(std::string(NameOf(a->name)));
            if (it == index_.end()) continue;
            const FileColumn& col = columns_[it->second];
            if (!(col.base64 ? ParseBase64(value.View(), row[it->second])
                             : ParseValue(*col.entry, value.View(), row[it->second]))) {
                error = text::Format("第%zu条记录的%s列的值“%s”不是有效的%s", rowIndex + 1, col.info.name.c_str(),
                                     text::TruncateGbk(value.View(), 40).c_str(),
                                     KindInWords(col.base64 ? ValueKind::Binary : col.entry->kind));
                return false;
            }
        }
        return true;
    }

    const std::vector<FileColumn>& columns_;
    std::map<std::string, std::size_t> index_;
};

// The rows of a document taken while it is parsed: once the schema has been
// read, each finished element of rs:data (and of an rs:insert block still
// open in it) becomes its rows and leaves the document, so that a file of many
// rows never stands whole in the parser's tree beside its rows.
class RowStream {
public:
    // After each piece the parser read; false with the reason on a bad value.
    bool Take(xmlDoc* doc, const std::vector<xmlNode*>& open, std::string& error) {
        const xmlNode* root = xmlDocGetRootElement(doc);
        if (!root || NameOf(root->name) != "xml") return true;
        auto isOpen = [&](const xmlNode* node) { return std::find(open.begin(), open.end(), node) != open.end(); };
        if (!reader_) {
            const xmlNode* schema = FirstChild(root, kSchemaNs, "Schema");
            if (!schema || isOpen(schema) || !FirstChild(root, kRowsetNs, "data")) return true;
            if (!ReadSchema(schema, columns_, error)) return false;
            reader_ = std::make_unique<RowReader>(columns_);
        }
        // The last child of a block may still be growing; an open rs:insert is
        // always its block's last child, and its own finished children are taken.
        for (xmlNode* block = const_cast<xmlNode*>(FirstChild(root, kRowsetNs, "data")); block;) {
            while (block->children && block->children != block->last) {
                xmlNode* c = block->children;
                if (!reader_->ReadOne(c, rows_, error)) return false;
                xmlUnlinkNode(c);
                xmlFreeNode(c);
            }
            xmlNode* last = block->last;
            block = last && isOpen(last) && IsElement(last, kRowsetNs, "insert") ? last : nullptr;
        }
        return true;
    }

    // Once the document is whole: the rows still in it, after those taken.
    bool Finish(const xmlDoc* doc, RowsetData& out, std::string& error) {
        const xmlNode* root = xmlDocGetRootElement(doc);
        const xmlNode* schema = root && NameOf(root->name) == "xml" ? FirstChild(root, kSchemaNs, "Schema") : nullptr;
        const xmlNode* data = schema ? FirstChild(root, kRowsetNs, "data") : nullptr;
        if (!schema || !data) {
            error = "不是保存的记录集（没有记录集的结构和数据）";
            return false;
        }
        if (!reader_) {
            if (!ReadSchema(schema, columns_, error)) return false;
            reader_ = std::make_unique<RowReader>(columns_);
        }
        if (!reader_->ReadBlock(data, rows_, error)) return false;
        RowsetData result;
        result.rows = std::move(rows_);
        for (FileColumn& c : columns_) result.columns.push_back(std::move(c.info));
        out = std::move(result);
        return true;
    }

private:
    std::vector<FileColumn> columns_;
    std::unique_ptr<RowReader> reader_;
    std::vector<std::vector<Variant>> rows_;
};

// Reads a saved recordset from bytes handed over piece by piece.
bool ReadPieces(const xmldom::ReadPiece& read, RowsetData& out, std::string& error) {
    // Saved recordsets never carry a document type; long binary values
    // written as hex may exceed libxml2's default limit for one value.
    RowStream stream;
    std::string rowError;
    xmldom::ParseFailure failure;
    // What the parser's reason cannot tell: a file of nothing but white
    // space, and a NUL byte (where the parser sees the input end).
    bool content = false, nul = false;
    const xmldom::ReadPiece counted = [&](char* piece, std::size_t count) {
        const long n = read(piece, count);
        for (long i = 0; i < n && !(content && nul); ++i) {
            nul = nul || piece[i] == '\0';
            content = content || !std::isspace(static_cast<unsigned char>(piece[i]));
        }
        return n;
    };
    xmldom::XmlDocPtr doc = xmldom::ParseUntrustedPieces(
        counted, {.largeValues = true}, failure,
        [&](xmlDoc* d, const std::vector<xmlNode*>& open) { return stream.Take(d, open, rowError); });
    if (!rowError.empty()) {
        error = rowError;
        return false;
    }
    if (failure.documentType) {
        error = "不是保存的记录集（含有文档类型声明）";
        return false;
    }
    if (!doc) {
        if (!content) error = "文件是空的";
        else if (nul && !failure.unreadable) error = text::Format("第%d行：含有空字符（XML不允许的字符）", failure.line);
        else error = XmlFailureInWords(failure);
        return false;
    }
    return stream.Finish(doc.get(), out, error);
}

}  // namespace

bool SaveRowsetXml(const RowsetData& data, const std::string& path, std::string& error) {
    std::string native = sys::NativePath(path);
    if (!sys::WriteFileAtomic(native, BuildDocument(data))) {
        error = "无法写入文件" + sys::FileName(native);
        return false;
    }
    return true;
}

bool ParseRowsetXml(std::string_view bytes, RowsetData& out, std::string& error) {
    std::size_t at = 0;
    return ReadPieces(
        [&](char* piece, std::size_t count) {
            const std::size_t n = std::min(count, bytes.size() - at);
            std::memcpy(piece, bytes.data() + at, n);
            at += n;
            return static_cast<long>(n);
        },
        out, error);
}

bool LoadRowsetXml(const std::string& path, RowsetData& out, std::string& error) {
    const std::string native = sys::ExistingOrNativePath(path);
    sys::InputFile file;
    if (const sys::InputStatus status = file.Open(native); status != sys::InputStatus::Ok) {
        error = native + ": " + sys::InputRefusalReason(status);
        return false;
    }
    std::string why;
    if (!ReadPieces([&](char* piece, std::size_t count) { return file.Read(piece, count); }, out, why)) {
        error = native + ": " + why;
        return false;
    }
    return true;
}

}  // namespace ado
