#include "application/ProjectList.h"

#include <algorithm>
#include <map>
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
constexpr const char* kAmountFormat = "0.00";

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
    constexpr double kHeadingPoints = 11;
    Range row = Row(sheet, "A", "J", 1);
    for (int column = 1; column <= int(std::size(headings)); ++column) row.Item(1, column).SetValue(headings[column - 1]);
    row.Font().SetBold(true);
    row.Font().SetSize(kHeadingPoints);
    row.SetRowHeight(33);
    row.SetHorizontalAlignment(xlCenter);
    row.SetVerticalAlignment(xlCenter);
    row.SetWrapText(true);
    BorderEachCell(row);
    // This table's own widths (the template is shared with a wider table):
    // the name takes the room the guide code does not need; each column at
    // least as wide as its heading, so that "申请经费(万元)" prints whole
    // on its line.
    const double widths[] = {6, 13, 23, 36, 12, 17, 9, 10, 11, 14};
    for (int column = 1; column <= int(std::size(widths)); ++column)
        row.Item(1, column).SetColumnWidth(
            std::max(widths[column - 1], ColumnWidthFor(headings[column - 1], kHeadingPoints)));
}

// The columns of a project's row in the workbook, as the rows query gives them.
constexpr const char* kProjectColumns[] = {"XMBH", "XMMC", "XMLB", "XMQSRQ", "XMZZRQ", "SQRXM", "ZC", "SQJE"};
enum ProjectColumn { kNumber, kName, kCategory, kStart, kEnd, kLeader, kTitle, kAmount };

// Sheet row `r` from a project's texts (none: empty cells but the running
// number and the dates' separator).
void WriteProject(Worksheet& sheet, int r, int count, const std::vector<std::string>* texts) {
    auto field = [texts](ProjectColumn column) { return texts ? (*texts)[column] : std::string(); };
    const std::string number = field(kNumber);
    Range row = Row(sheet, "A", "J", r);
    row.Font().SetSize(10);
    row.SetRowHeight(36);
    row.SetVerticalAlignment(xlCenter);  // one line of text in the middle of the row
    row.SetWrapText(true);
    row.Item(1, 1).SetHorizontalAlignment(xlCenter);  // the running number apart from the guide code
    row.Item(1, 9).SetNumberFormat(kAmountFormat);  // every amount with two decimals, however stored
    const std::string cells[] = {text::Format("%d", count),
                                 projectnumber::GuideCodeOf(number),
                                 number,
                                 field(kName),
                                 field(kCategory),
                                 field(kStart) + " - " + field(kEnd),
                                 field(kLeader),
                                 field(kTitle),
                                 field(kAmount)};
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
    sum.SetNumberFormat(kAmountFormat);  // "85.50" under rows of "35.50", not "85.5"
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

void OutputExcel(CAdoConnection& connection, const std::vector<std::string>& numbers, const char* title,
                 const char* amountHeading, const std::string& rowsQuery) {
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
    // One query for the whole list, the rows then found by number as the
    // database compares numbers (letters without case), but the row of the
    // number as written first: of a legacy pair of numbers that differ only
    // in case, each is its own project.
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    rs.SetCursorLocation(adUseClient);
    std::map<std::string, std::vector<std::string>> projects;
    std::map<std::string, std::string> anyCase;  // upper-cased number -> a number of `projects`
    if (rs.Open(rowsQuery))
        for (std::vector<std::string>& texts : ReadRowTexts(rs, kProjectColumns)) {
            anyCase.try_emplace(text::ToUpperAscii(texts[kNumber]), texts[kNumber]);
            projects.try_emplace(texts[kNumber], std::move(texts));
        }
    rs.Close();
    const auto rowOf = [&](const std::string& number) -> const std::vector<std::string>* {
        auto found = projects.find(number);
        if (found == projects.end()) {
            const auto other = anyCase.find(text::ToUpperAscii(number));
            if (other != anyCase.end()) found = projects.find(other->second);
        }
        return found == projects.end() ? nullptr : &found->second;
    };
    book.SetTitle(title);
    WriteHeading(sheet, amountHeading);
    int row = 1;
    for (const std::string& number : numbers) {
        ++row;
        WriteProject(sheet, row, row - 1, rowOf(number));
    }
    WriteTotal(sheet, row);
    excel->SetVisible(true);
}

}  // namespace projectlist
