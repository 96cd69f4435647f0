#include "followup/SummaryExcelList.h"

#include "application/ApplicationStore.h"
#include "application/ProjectList.h"
#include "platform/text/Text.h"

namespace followup {

void OutputSummaryExcel(CAdoConnection& connection, SummaryKind kind, const std::vector<std::string>& numbers) {
    const std::string table = Traits(kind).table;
    projectlist::OutputExcel(connection, numbers, kind == SummaryKind::Progress ? "阶段进展报告项目表" : "验收总结项目表",
                             "资助经费(万元)",
                             appstore::JoinedExcelRowsQuery(table));
}

}  // namespace followup
