#include "review/LongBinaryFile.h"

#include "foundation/AdoRecordSet.h"
#include "platform/sys/Sys.h"

bool ReadLongBinary(CAdoRecordSet& recordset, const std::string& field, std::string& bytes) {
    const long size = recordset.GetFieldActualSize(field);
    if (size < 0) return false;
    std::string value(static_cast<std::size_t>(size), '\0');
    if (!recordset.GetChunk(field, value.data())) return false;
    bytes = std::move(value);
    return true;
}

bool LongBinaryToFile(CAdoRecordSet& recordset, const std::string& field, const std::string& path) {
    std::string bytes;
    return ReadLongBinary(recordset, field, bytes) && sys::WriteFileAtomic(sys::NativePath(path), bytes);
}
