#include "followup/SummaryExcelList.h"

#include "application/ProjectList.h"
#include "foundation/ProjectTables.h"
#include "foundation/Sql.h"
#include "platform/text/Text.h"

namespace followup {

void OutputSummaryExcel(CAdoConnection& connection, SummaryKind kind, const std::vector<std::string>& numbers) {
    const std::string table = Traits(kind).table;
    projectlist::OutputExcel(connection, numbers, kind == SummaryKind::Progress ? "阶段进展报告项目表" : "验收总结项目表",
                             "资助经费(万元)",
                             "select " + table + ".XMBH, XMMC, XMLB, XMQSRQ, XMZZRQ, SQRXM, SQRXB, SQRNL, ZC, SQJE from " +
                                 table + " left join CORVANE_ITEMAPPINFO on " +
                                 projecttables::KeyedRowsCondition("CORVANE_ITEMAPPINFO.XMBH", table + ".XMBH"));
}

}  // namespace followup
