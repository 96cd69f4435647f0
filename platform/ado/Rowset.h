// Column descriptions and a rowset held wholly in memory: what a recordset
// exposes about its fields, and what a saved recordset file carries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ado/Variant.h"

namespace ado {

// ADO DataTypeEnum values used for field types.
enum DataType : std::int32_t {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBSTR = 8,
    adBoolean = 11,
    adVariant = 12,
    adDecimal = 14,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adUnsignedSmallInt = 18,
    adUnsignedInt = 19,
    adBigInt = 20,
    adUnsignedBigInt = 21,
    adGUID = 72,
    adBinary = 128,
    adChar = 129,
    adWChar = 130,
    adNumeric = 131,
    adDBDate = 133,
    adDBTime = 134,
    adDBTimeStamp = 135,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adVarBinary = 204,
    adLongVarBinary = 205,
};

// ADO FieldAttributeEnum bits.
enum FieldAttribute : std::int32_t {
    adFldMayDefer = 0x2,
    adFldUpdatable = 0x4,
    adFldUnknownUpdatable = 0x8,
    adFldFixed = 0x10,
    adFldIsNullable = 0x20,
    adFldMayBeNull = 0x40,
    adFldLong = 0x80,
    adFldRowID = 0x100,
    adFldRowVersion = 0x200,
    adFldCacheDeferred = 0x1000,
    adFldKeyColumn = 0x8000,
};

struct ColumnInfo {
    std::string name;
    DataType type = adVarWChar;
    std::int32_t definedSize = 0;  // characters for text, bytes for binary, value size for numbers
    std::int32_t attributes = adFldUpdatable | adFldIsNullable | adFldMayBeNull;
    std::uint8_t precision = 0;
    std::uint8_t numericScale = 0;
    std::string baseTable;   // table the column comes from, when known
    std::string baseColumn;  // its name there, when known

    bool IsLong() const { return (attributes & adFldLong) != 0; }
};

// Columns and rows of one recordset, every value loaded.
struct RowsetData {
    std::vector<ColumnInfo> columns;
    std::vector<std::vector<Variant>> rows;  // each row has columns.size() values
};

}  // namespace ado
