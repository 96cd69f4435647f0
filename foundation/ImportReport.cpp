#include "foundation/ImportReport.h"

#include "platform/text/Text.h"

std::string ImportReport(int count, const std::vector<std::string>& failedFiles) {
    std::string report = text::Format("共导入了%d条数据！", count);
    if (!failedFiles.empty()) report += "\r\n以下文件写入数据库失败，未导入：";
    for (const std::string& name : failedFiles) report += "\r\n" + name;
    return report;
}

std::string NotStoredProjectsReport(const std::vector<std::string>& numbers) {
    std::string report;
    if (!numbers.empty()) report = "\r\n以下项目不存在，其数据未导入：";
    for (const std::string& number : numbers) report += "\r\n" + number;
    return report;
}
