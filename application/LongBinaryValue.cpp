#include "application/LongBinaryValue.h"

#include "platform/ado/Rowset.h"

bool ReadLongBinary(CAdoRecordSet& rs, const std::string& column, std::string& bytes) {
    const long attributes = rs.GetFieldAttributes(column);
    const long size = rs.GetFieldActualSize(column);
    if (attributes == -1 || !(attributes & ado::adFldLong) || size < 0) return false;
    bytes.assign(static_cast<std::size_t>(size), '\0');
    return size == 0 || rs.GetChunk(column, bytes.data());
}

bool WriteLongBinary(CAdoRecordSet& rs, const std::string& column, const std::string& bytes) {
    return rs.AppendChunk(column, bytes.data(), static_cast<long>(bytes.size())) != FALSE;
}
