#include "foundation/LongBinary.h"

#include "foundation/AdoRecordSet.h"
#include "platform/ado/Rowset.h"
#include "platform/sys/Sys.h"

bool ReadLongBinary(CAdoRecordSet& recordset, const std::string& column, std::string& bytes) {
    const long attributes = recordset.GetFieldAttributes(column);
    const long size = recordset.GetFieldActualSize(column);
    if (attributes == -1 || !(attributes & ado::adFldLong) || size < 0) return false;
    std::string value(static_cast<std::size_t>(size), '\0');
    if (size > 0 && !recordset.GetChunk(column, value.data())) return false;
    bytes = std::move(value);
    return true;
}

bool WriteLongBinary(CAdoRecordSet& recordset, const std::string& column, const std::string& bytes) {
    return recordset.AppendChunk(column, bytes.data(), static_cast<long>(bytes.size())) != FALSE;
}

bool IsNullValue(CAdoRecordSet& recordset, const std::string& column) {
    ado::Recordset* fields = recordset.GetFields();
    ado::Variant value;
    return fields && fields->GetValue(fields->FindColumn(column), value) && value.IsNull();
}

bool CopyLongBinary(CAdoRecordSet& from, const std::string& column, CAdoRecordSet& to) {
    std::string bytes;
    if (!ReadLongBinary(from, column, bytes)) return false;
    if (bytes.empty() && IsNullValue(from, column)) return to.PutCollect(column, ado::Variant::Null()) != FALSE;
    return WriteLongBinary(to, column, bytes);
}

bool LongBinaryToFile(CAdoRecordSet& recordset, const std::string& column, const std::string& path) {
    std::string bytes;
    return ReadLongBinary(recordset, column, bytes) && sys::WriteFileAtomic(path, bytes);
}
