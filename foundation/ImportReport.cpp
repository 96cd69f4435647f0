#include "foundation/ImportReport.h"

#include "foundation/AdoRecordSet.h"

#include "platform/text/Text.h"

std::string ImportReport(int count, const std::vector<std::string>& failedFiles) {
    std::string report = text::Format("共导入了%d条数据！", count);
    if (!failedFiles.empty()) report += "\r\n以下文件写入数据库失败，未导入：";
    for (const std::string& name : failedFiles) report += "\r\n" + name;
    return report;
}

bool HasAllColumns(CAdoRecordSet& part, const std::vector<std::string>& columns) {
    for (const std::string& column : columns)
        if (part.GetFieldAttributes(column) == -1) return false;
    return true;
}
