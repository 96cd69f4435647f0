// Exchange bundles built from the input's choices: a valid container whose
// parts are saved recordsets with a real schema (every column type the
// reader knows), rows in plain, insert and update blocks, and values drawn
// from the hostile ones (limits of each range, non-finite reals, malformed
// base64, long and odd text) or from the input's bytes. The container must
// read back as packed; each part must read or be refused without a fault,
// and what reads keeps the invariants the importers rely on.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "foundation/LengthPrefixedContainer.h"
#include "platform/ado/Persist.h"

namespace {

struct ColumnType {
    const char* datatype;  // attributes of s:datatype
    bool finiteReal;       // values read must be finite reals
};

constexpr ColumnType kTypes[] = {
    {"dt:type='string' dt:maxLength='50'", false},
    {"dt:type='string' rs:dbtype='str' rs:long='true'", false},
    {"dt:type='int'", false},
    {"dt:type='i2'", false},
    {"dt:type='i1'", false},
    {"dt:type='i8'", false},
    {"dt:type='ui1'", false},
    {"dt:type='ui8'", false},
    {"dt:type='r4'", true},
    {"dt:type='float'", true},
    {"dt:type='number' rs:dbtype='currency'", false},
    {"dt:type='i8' rs:dbtype='currency'", false},
    {"dt:type='number' rs:dbtype='decimal'", true},
    {"dt:type='number' rs:dbtype='numeric'", true},
    {"dt:type='boolean'", false},
    {"dt:type='dateTime' rs:dbtype='variantdate'", false},
    {"dt:type='date'", false},
    {"dt:type='time'", false},
    {"dt:type='uuid'", false},
    {"dt:type='bin.hex' rs:long='true'", false},
    {"dt:type='bin.base64' rs:long='true'", false},
    {"", false},
};

const char* const kHostile[] = {
    "", " ", "0", "-0", "+1", "-1", "1e39", "-1e39", "1e300", "1e-320", "inf", "-inf", "nan", "NaN", "infinity",
    "abc", "21.35", "21.350000", "1.23456", "922337203685477.5807", "922337203685477.5808",
    "-922337203685477.5808", "-922337203685477.5809", "9223372036854775807", "9223372036854775808",
    "-9223372036854775808", "-9223372036854775809", "18446744073709551615", "18446744073709551616",
    "2147483648", "-2147483649", "32768", "255", "256", "-129", "0x10", "1..2", "1.5e3", ".5", "5.",
    "true", "True", "yes", "-1", "2006-13-01T00:00:00", "2006-02-30", "9999-12-31T23:59:59", "0000-01-01",
    "24:00:00", "00:00:60", "{00000000-0000-0000-0000-000000000000}", "AAEC/w==", "AA=A", "A", "====",
    "AAEC\n/wA=", "zz", "0g", "abc", "00ff", "&#x0;", "&amp;&lt;", "..\\..\\evil", "../../../../x", "X",
    "\xE4\xB8\xAD\xE6\x96\x87", "\xFF\xFE", "&#x10FFFF;",
};

// Text that can stand inside a single-quoted attribute: the input's bytes
// with the quote and "<" replaced.
std::string AttributeText(std::string s) {
    for (char& c : s)
        if (c == '\'' || c == '<' || c == '&' || c == '\0') c = '_';
    return s;
}

std::string Value(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) return kHostile[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kHostile) - 1)];
    return AttributeText(in.ConsumeRandomLengthString(64));
}

std::string Row(FuzzedDataProvider& in, std::size_t columns) {
    std::string row = "<z:row";
    for (std::size_t c = 0; c < columns; ++c) {
        if (in.ConsumeBool()) continue;  // NULL
        row += " c" + std::to_string(c) + "='" + Value(in) + "'";
    }
    if (in.ConsumeIntegralInRange(0, 7) == 0) row += " rs:forcenull='c0 c1'";
    return row + "/>";
}

// A saved recordset; `types` receives the type chosen for each column.
std::string Recordset(FuzzedDataProvider& in, std::vector<const ColumnType*>& types) {
    const std::size_t columns = in.ConsumeIntegralInRange<std::size_t>(1, 6);
    std::string xml =
        "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'"
        " xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'><s:Schema id='RowsetSchema'>"
        "<s:ElementType name='row' content='eltOnly'>";
    for (std::size_t c = 0; c < columns; ++c) {
        const ColumnType& type = kTypes[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kTypes) - 1)];
        types.push_back(&type);
        xml += "<s:AttributeType name='c" + std::to_string(c) + "' rs:number='" + std::to_string(c + 1) +
               "'><s:datatype " + type.datatype + "/></s:AttributeType>";
    }
    xml += "</s:ElementType></s:Schema><rs:data>";
    const int blocks = in.ConsumeIntegralInRange(0, 8);
    int open = 0;
    for (int b = 0; b < blocks && in.remaining_bytes() > 0; ++b) {
        switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0:
            xml += "<rs:insert>";
            ++open;
            break;
        case 1:
            if (open > 0) {
                xml += "</rs:insert>";
                --open;
            }
            break;
        case 2:
            xml += "<rs:update><rs:original>" + Row(in, columns) + "</rs:original>" + Row(in, columns) + "</rs:update>";
            break;
        case 3:
            xml += "<rs:delete>" + Row(in, columns) + "</rs:delete>";
            break;
        default:
            xml += Row(in, columns);
        }
    }
    while (open-- > 0) xml += "</rs:insert>";
    return xml + "</rs:data></xml>";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::optional<char> marker = in.ConsumeBool() ? std::optional<char>(in.ConsumeIntegral<char>()) : std::nullopt;
    const std::size_t partCount = in.ConsumeIntegralInRange<std::size_t>(1, 4);
    std::vector<std::string> parts;
    std::vector<std::vector<const ColumnType*>> types(partCount);
    for (std::size_t p = 0; p < partCount; ++p) parts.push_back(Recordset(in, types[p]));

    std::string bytes = LengthPrefixedContainer::Pack(marker, parts);
    const int damage = in.ConsumeIntegralInRange(0, 3);
    if (damage == 1 && !bytes.empty()) bytes.resize(in.ConsumeIntegralInRange<std::size_t>(0, bytes.size() - 1));
    std::vector<std::string> read;
    const auto result = LengthPrefixedContainer::Unpack(bytes, marker, partCount, read);
    if (damage != 1 && (result != LengthPrefixedContainer::ReadResult::Ok || read != parts)) std::abort();
    if (damage == 1 && result == LengthPrefixedContainer::ReadResult::Ok) std::abort();  // every cut is seen
    if (result != LengthPrefixedContainer::ReadResult::Ok) return 0;

    for (std::size_t p = 0; p < partCount; ++p) {
        ado::RowsetData rows;
        std::string error;
        if (!ado::ParseRowsetXml(read[p], rows, error)) {
            if (error.empty()) std::abort();  // a refusal always says why
            continue;
        }
        if (rows.columns.size() != types[p].size()) std::abort();
        for (const auto& row : rows.rows) {
            if (row.size() != rows.columns.size()) std::abort();
            for (std::size_t c = 0; c < row.size(); ++c)
                if (types[p][c]->finiteReal && !row[c].IsNullOrEmpty() && !std::isfinite(row[c].RealValue()))
                    std::abort();
        }
    }
    return 0;
}
