#include "office_reports/PlanTableExcel.h"

#include <memory>

#include "foundation/AdoRecordSet.h"
#include "office_reports/ReportSupport.h"
#include "platform/office/Excel.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Services.h"

namespace reports {

namespace {

using namespace office::excel;

constexpr int kFirstColumn = 2;  // B
constexpr int kLastColumn = 11;  // K
constexpr int kHeadingRow = 3;
// The funds and the two years' halves (H..J), counted from B: two decimals
// each, however the amount was stored.
constexpr int kFirstAmount = 6;
constexpr int kLastAmount = 8;

// One sheet being filled: the row counter r and the serial number.
class PlanSheet {
public:
    PlanSheet(Worksheet sheet, const std::string& title, const std::string& year) : sheet_(std::move(sheet)) {
        sheet_.Range("B1").SetValue(title);
        sheet_.Range("I3").SetValue(year + "年经费");
        sheet_.Range("J3").SetValue(text::Format("%ld", text::Atol(year) + 1) + "年经费");
    }

    void FundHeading(const std::string& heading) {
        Range line = Line(++row_, kFirstColumn, kLastColumn);
        line.Merge(false);
        line.SetRowHeight(28);
        line.SetHorizontalAlignment(xlLeft);
        line.Item(1, 1).SetValue(heading);
        line.BorderAround(xlContinuous, xlThin, xlColorIndexAutomatic);
    }

    void Project(const PlanTableLine& project) {
        Range line = Line(++row_, kFirstColumn, kLastColumn);
        line.SetRowHeight(36);
        line.SetVerticalAlignment(xlCenter);  // one line of text in the middle of the row
        line.SetWrapText(true);
        const std::string half = text::Format("%g", text::Atof(project.funds) * 0.5);
        const std::string values[] = {text::Format("%d", ++serial_), project.number, project.name, project.period,
                                      project.leader, project.unit, project.funds, half, half, project.remark};
        Line(row_, kFirstColumn + kFirstAmount, kFirstColumn + kLastAmount).SetNumberFormat("0.00");
        // The serial number and the leader apart from the texts beside them.
        line.Item(1, 1).SetHorizontalAlignment(xlCenter);
        line.Item(1, 5).SetHorizontalAlignment(xlCenter);
        for (int i = 0; i < 10; ++i) {
            if (!values[i].empty()) line.Item(1, i + 1).SetValue(values[i]);
            line.Item(1, i + 1).BorderAround(xlContinuous, xlThin, xlColorIndexAutomatic);
        }
    }

    void Total() {
        const int row = row_ + 1;
        Range line = Line(row, kFirstColumn, kLastColumn);
        line.SetRowHeight(36);
        line.SetVerticalAlignment(xlCenter);
        for (int i = 1; i <= 10; ++i) line.Item(1, i).BorderAround(xlContinuous, xlThin, xlColorIndexAutomatic);
        Range caption = Line(row, kFirstColumn, 7);  // B..G
        caption.Merge(false);
        caption.Item(1, 1).SetValue("小计");
        Range sums = Line(row, 8, 10);  // H..J
        sums.SetNumberFormat("0.00");
        for (int i = 0; i < 3; ++i) {
            const std::string column = ColumnName(8 + i);
            sums.Item(1, i + 1).SetValue(text::Format("=SUM(%s%d:%s%d)", column.c_str(), kHeadingRow, column.c_str(), row_));
        }
    }

private:
    Range Line(int row, int first, int last) const {
        return sheet_.Range(ColumnName(first) + std::to_string(row), ColumnName(last) + std::to_string(row));
    }

    Worksheet sheet_;
    int row_ = kHeadingRow;
    int serial_ = 0;
};

long CountRows(CAdoConnection* connection, const std::string& sql) {
    CAdoRecordSet rs;
    if (!OpenQuery(rs, connection, sql)) return 0;
    const long count = rs.GetRecordCount();
    return count > 0 ? count : 0;
}

std::unique_ptr<Application> StartExcel() {
    auto excel = Application::Create();
    if (!excel) ui::AfxMessageBox("Excel启动失败!", MB_OK | MB_ICONEXCLAMATION);
    return excel;
}

// A workbook from the template and its sheet "打印报表"; false after telling
// the user when either is missing.
bool AddPlanBook(Application& excel, const std::string& templatePath, Workbook& book, Worksheet& sheet) {
    book = excel.Workbooks().Add(templatePath);
    sheet = book.IsValid() ? book.Sheets().Item("打印报表") : Worksheet();
    return sheet.IsValid() || ReportFileFailure("无法读取模板文件", templatePath);
}

RunResult WriteOneWorkbook(const PlanTableRequest& request, PlanTableSource& source) {
    long total = 0;
    for (const std::string& fund : request.funds) total += CountRows(request.connection, source.ProjectQuery(fund, ""));
    if (total == 0) {
        ShowNothingSelected();
        return RunResult::NothingSelected;
    }
    WaitWindow wait(*request.dialog);
    auto excel = StartExcel();
    if (!excel) return RunResult::Failed;
    Workbook book;
    Worksheet sheet;
    if (!AddPlanBook(*excel, PlanTableTemplate(request.paperSize), book, sheet)) {
        excel->Quit();
        return RunResult::Failed;
    }
    PlanSheet plan(sheet, source.Title(), request.year);
    std::string currentFund;
    int done = 0;
    CAdoRecordSet rs;
    for (const std::string& fund : request.funds) {
        if (!OpenQuery(rs, request.connection, source.ProjectQuery(fund, ""))) continue;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            const std::string projectFund = FundOf(Text(rs, "XMBH"));
            if (projectFund != currentFund) {
                currentFund = projectFund;
                plan.FundHeading(source.FundHeading(currentFund));
            }
            plan.Project(source.ReadLine(rs));
            wait.Progress(++done, int(total));
        }
    }
    plan.Total();
    excel->SetVisible(true);  // handed to the user when released
    return RunResult::Finished;
}

RunResult WritePerUnit(const PlanTableRequest& request, PlanTableSource& source) {
    const std::string folder = ChoosePlanFolder();
    if (folder.empty()) return RunResult::Cancelled;
    std::vector<std::string> unitQueries;
    for (const std::string& fund : request.funds) unitQueries.push_back(source.UnitQuery(fund));
    const UnitSet units = CollectUnits(request.connection, unitQueries);
    if (units.empty()) {
        ShowNothingSelected();
        return RunResult::NothingSelected;
    }
    WaitWindow wait(*request.dialog);
    auto excel = StartExcel();
    if (!excel) return RunResult::Failed;
    int done = 0;
    CAdoRecordSet rs;
    for (const std::string& unit : units) {
        Workbook book;
        Worksheet sheet;
        if (!AddPlanBook(*excel, PlanTableTemplate(request.paperSize), book, sheet)) {
            excel->Quit();
            return RunResult::Failed;
        }
        PlanSheet plan(sheet, source.Title(), request.year);
        for (const std::string& fund : request.funds) {
            if (!OpenQuery(rs, request.connection, source.ProjectQuery(fund, unit))) continue;
            for (; !rs.IsEOF(); rs.MoveNext()) plan.Project(source.ReadLine(rs));
        }
        plan.Total();
        const std::string path = UnitFilePath(folder, unit, ".xls");
        if (MayWrite(path) && !book.SaveAs(path, xlWorkbookNormal)) {
            excel->Quit();
            ReportFileFailure("无法保存文件", path);
            return RunResult::Failed;
        }
        wait.Progress(++done, int(units.size()));
    }
    excel->Quit();
    return RunResult::Finished;
}

}  // namespace

std::string PlanTableTemplate(int paperSize) {
    const char* paper = paperSize == 0 ? "A3" : paperSize == 1 ? "A4" : "B4";
    return sys::ProgramFolder() + "\\模板\\重点项目计划清单" + paper + ".xls";
}

RunResult WritePlanTables(const PlanTableRequest& request, PlanTableSource& source) {
    return request.perUnit ? WritePerUnit(request, source) : WriteOneWorkbook(request, source);
}

}  // namespace reports
