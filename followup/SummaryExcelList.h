// 导出Excel of the summary list pages: the ticked documents' projects as a
// table in a new workbook made from "申请表.xls", with a total of the funds,
// left open in Excel.
#pragma once

#include <string>
#include <vector>

#include "followup/SummaryKind.h"

class CAdoConnection;

namespace followup {

// One row per number, in order, numbered from 1; the projects' details come
// from their applications. Tells the user when Excel cannot start or the
// template has no sheet "sheet1".
void OutputSummaryExcel(CAdoConnection& connection, SummaryKind kind, const std::vector<std::string>& numbers);

}  // namespace followup
