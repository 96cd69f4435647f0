// The Excel outputs of the achievement-transfer lists: the ticked rows of a
// list page, each record read again by the key in list column 1, written as
// one table into a new workbook made from 模板\申请表.xls and left open,
// unsaved, for the user. The procedure is shared; a table differs only in
// its headers, the values of a row, the data-row height and an optional
// total row that sums column I.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/office/Excel.h"

class CAdoConnection;

namespace ui {
class ListCtrl;
class Wnd;
}  // namespace ui

namespace resultchange {

struct ExcelTable {
    std::vector<std::string> headers;  // columns A, B, ...
    double dataRowHeight = 36;
    bool totalRow = false;  // "合计" over A..H, the sum of column I
    double headerRowHeight = 33;
    int paperSize = office::excel::xlPaperA4;  // printed one page wide, landscape
    // Widths of columns A, B, ... in characters where the template's do not
    // fit the table's values; empty keeps the template's.
    std::vector<double> columnWidths = {};
    // Columns (1 for A) of amounts: two decimals each, however stored.
    std::vector<int> amountColumns = {};
    // Columns of the running number and of short values (a category, a
    // person's name, a count): in the middle of their cells, apart from the
    // values beside them.
    std::vector<int> centredColumns = {1};
};

// Texts of the cells of one output row: the record of `key`, with the
// running number `number` in column A.
using RowValues = std::function<std::vector<std::string>(const std::string& key, int number)>;

// Keys (list column 1) of the ticked rows, top to bottom.
std::vector<std::string> TickedKeys(const ui::ListCtrl& list);

// The whole output: "请选择输出项目！" (owned by `owner`) when nothing is
// ticked, "Excel启动失败!" when Excel cannot be started, a clear message
// when the template cannot be used; otherwise the visible workbook.
// The workbook is handed to the desktop named by `title` ("成果转化项目表").
void OutputTickedRows(ui::Wnd& owner, const ui::ListCtrl& list, const ExcelTable& table, const char* title,
                      const RowValues& rowValues);

// The project information table (43 columns, A to AQ) and the project
// list (10 columns, A to J) over CORVANE_NEW_RESULTCHANGE.
const ExcelTable& InformationTable();
const ExcelTable& ProjectListTable();
std::vector<std::string> InformationRow(CAdoConnection& connection, const std::string& number, int runningNumber);
std::vector<std::string> ProjectListRow(CAdoConnection& connection, const std::string& number, int runningNumber);

}  // namespace resultchange
