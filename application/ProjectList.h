// The project lists of the application form and of the follow-up summary
// pages: the rows they show and their 导出Excel.
#pragma once

#include <string>
#include <vector>

class CAdoConnection;
class CAdoRecordSet;

namespace ui {
class ListCtrl;
}

namespace projectlist {

// One list row per record of `rs` (xmlb, nf, xmbh, sqzndm, dwdm, gzdw, sqrxm,
// sqje), numbered from 1: number, guide code, category, year, unit code, unit,
// leader and "<amount> 万元". Closes `rs`.
void AppendRows(ui::ListCtrl& list, CAdoRecordSet& rs);

// 导出Excel: a new workbook made from "申请表.xls" with a heading row, one row
// per number in order (numbered from 1, from the rows of `rowsQuery`, run
// once for the whole list: XMBH, XMMC, XMLB, XMQSRQ, XMZZRQ, SQRXM, ZC, SQJE;
// a number without a row gives empty cells) and the total of column I headed
// `amountHeading`, left open in Excel under `title` ("项目申请表"). Tells
// the user when Excel cannot start or the template has no sheet "sheet1".
void OutputExcel(CAdoConnection& connection, const std::vector<std::string>& numbers, const char* title,
                 const char* amountHeading, const std::string& rowsQuery);

}  // namespace projectlist
