#include "review/FirstReviewDb.h"

#include "platform/sys/Sys.h"

namespace firstreview {

bool Connect(CAdoConnection& connection) {
    return connection.ConnectAccess(sys::ProgramFolder() + "\\project.mdb", "5081", -1) != FALSE;
}

void Bind(CAdoRecordSet& recordset, CAdoConnection* connection) {
    recordset.SetConnection(connection);
    recordset.SetCursorLocation(adUseClient);
}

long CountRows(CAdoConnection* connection, const std::string& sql) {
    CAdoRecordSet rs;
    Bind(rs, connection);
    if (!rs.Open(sql)) return 0;
    const long count = rs.GetRecordCount();
    return count > 0 ? count : 0;
}

std::string Part(const std::string& text, std::size_t first, std::size_t count) {
    return first < text.size() ? text.substr(first, count) : std::string();
}

}  // namespace firstreview
