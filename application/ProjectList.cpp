#include "application/ProjectList.h"

#include <memory>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/RecordTexts.h"
#include "numbering/ProjectNumbering.h"
#include "platform/office/Excel.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

namespace projectlist {

namespace {

using namespace office::excel;

constexpr int kFirstDataRow = 2;

void ThinBorder(const Range& range) { range.BorderAround(xlContinuous, xlThin, xlColorIndexAutomatic); }

void BorderEachCell(const Range& row) {
    for (int column = 1; column <= row.ColumnsCount(); ++column) ThinBorder(row.Item(1, column));
}

Range Row(Worksheet& sheet, const char* first, const char* last, int row) {
    return sheet.Range(text::Format("%s%d", first, row), text::Format("%s%d", last, row));
}

void WriteHeading(Worksheet& sheet, const char* amountHeading) {
    const char* headings[] = {"序号", "指南代码", "项目编号", "项目名称", "项目类别",
                              "起止年月", "申请人", "职称", amountHeading, "备注"};
    Range row = Row(sheet, "A", "J", 1);
    for (int column = 1; column <= int(std::size(headings)); ++column) row.Item(1, column).SetValue(headings[column - 1]);
    row.Font().SetBold(true);
    row.Font().SetSize(11);
    row.SetRowHeight(33);
    BorderEachCell(row);
    // This table's own widths (the template is shared with a wider table):
    // the name takes the room the guide code does not need.
    const double widths[] = {6, 13, 23, 40, 12, 17, 9, 10, 11, 14};
    for (int column = 1; column <= int(std::size(widths)); ++column)
        row.Item(1, column).SetColumnWidth(widths[column - 1]);
}

// Sheet row `r` from the first row of `rs` (an empty result gives empty
// cells but the running number and the dates' separator).
void WriteProject(Worksheet& sheet, int r, int count, CAdoRecordSet& rs) {
    auto field = [&rs](const char* name) {
        std::string value;
        if (!rs.IsEOF()) rs.GetString(name, value);
        return value;
    };
    const std::string number = field("XMBH");
    Range row = Row(sheet, "A", "J", r);
    row.Font().SetSize(10);
    row.SetRowHeight(36);
    row.SetVerticalAlignment(xlCenter);  // one line of text in the middle of the row
    row.SetWrapText(true);
    row.Item(1, 9).SetNumberFormat("0.00");  // every amount with two decimals, however stored
    const std::string cells[] = {text::Format("%d", count),
                                 projectnumber::GuideCodeOf(number),
                                 number,
                                 field("XMMC"),
                                 field("XMLB"),
                                 field("XMQSRQ") + " - " + field("XMZZRQ"),
                                 field("SQRXM"),
                                 field("ZC"),
                                 field("SQJE")};
    for (int column = 1; column <= int(std::size(cells)); ++column) row.Item(1, column).SetValue(cells[column - 1]);
    BorderEachCell(row);
}

void WriteTotal(Worksheet& sheet, int lastRow) {
    const int t = lastRow + 1;
    Range label = Row(sheet, "A", "H", t);
    label.Merge(false);
    label.Font().SetSize(12);
    label.SetRowHeight(33);
    label.Item(1, 1).SetValue("合计");
    ThinBorder(label);
    Range sum = Row(sheet, "I", "I", t);
    sum.Font().SetSize(12);
    sum.Item(1, 1).SetValue(text::Format("=SUM(I%d:I%d)", kFirstDataRow, lastRow));
    ThinBorder(sum);
    ThinBorder(Row(sheet, "J", "J", t));
}

}  // namespace

void AppendRows(ui::ListCtrl& list, CAdoRecordSet& rs) {
    RowTexts rows = ReadRowTexts(rs, {"xmbh", "sqzndm", "xmlb", "nf", "dwdm", "gzdw", "sqrxm", "sqje"});
    NumberRows(rows);
    for (std::vector<std::string>& row : rows) row[8] += " 万元";
    rs.Close();
    list.AppendRows(rows);  // the whole list at once: one repaint, no notification per cell
}

void OutputExcel(CAdoConnection& connection, const std::vector<std::string>& numbers, const char* amountHeading,
                 const std::function<std::string(const std::string& number)>& projectQuery) {
    std::unique_ptr<Application> excel = Application::Create();
    if (!excel) {
        ui::AfxMessageBox("Excel启动失败!");
        return;
    }
    Workbook book = excel->Workbooks().Add(sys::JoinPath(sys::ProgramFolder(), "模板\\申请表.xls"));
    Worksheet sheet = book.Sheets().Item("sheet1");
    if (!sheet.IsValid()) {
        // Nothing half-made stays behind in a hidden Excel.
        const std::string error = book.IsValid() ? "模板中没有工作表 sheet1" : excel->LastError();
        excel->Quit();
        ui::AfxMessageBox(error, MB_OK | MB_ICONERROR);
        return;
    }
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    rs.SetCursorLocation(adUseClient);
    int row = 1;
    for (const std::string& number : numbers) {
        rs.Open(projectQuery(number));
        if (row == 1) WriteHeading(sheet, amountHeading);
        ++row;
        WriteProject(sheet, row, row - 1, rs);
    }
    rs.Close();
    WriteTotal(sheet, row);
    excel->SetVisible(true);
}

}  // namespace projectlist
