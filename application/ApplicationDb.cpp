#include "application/ApplicationDb.h"

#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace appdb {

bool Connect(CAdoConnection& connection) {
    return connection.ConnectAccess(sys::ProgramFolder() + "\\project.mdb", "5081", -1) != FALSE;
}

void Bind(CAdoRecordSet& recordset, CAdoConnection& connection) {
    recordset.SetConnection(&connection);
    recordset.SetCursorLocation(adUseClient);
}

bool HasRow(CAdoConnection& connection, const std::string& sql) {
    CAdoRecordSet rs;
    Bind(rs, connection);
    return rs.Open(sql) && !rs.IsEOF();
}

std::string ImportReport(int count, const std::vector<std::string>& failedFiles) {
    std::string report = text::Format("共导入了%d条数据！", count);
    if (!failedFiles.empty()) report += "\r\n以下文件写入数据库失败，未导入：";
    for (const std::string& name : failedFiles) report += "\r\n" + name;
    return report;
}

}  // namespace appdb
