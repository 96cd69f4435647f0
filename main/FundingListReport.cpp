#include "main/FundingListReport.h"

#include <vector>

#include "main/ReportCommon.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

using namespace office;

namespace {

// The status code of an automation call that failed without a reason of its own.
constexpr unsigned long kEFail = 0x80004005UL;

struct FormLayout {
    const char* title;                  // A1
    std::vector<const char*> headings;  // row 2 from column A
    const char* code;                   // C10
    int lastBorderRow;
    const char* lastColumn;
};

const std::vector<const char*> kProjectHeadings = {"序号",   "项目编号", "项目名称", "起止年月", "申请人",   "年龄",
                                                   "职称",   "申请单位", "申请经费", "专家评审", "评分", "审批结果"};

const FormLayout& LayoutOf(FundingListKind kind) {
    static const FormLayout unit{"单位名称：[单位全称]", kProjectHeadings, "单位代码", 6, "L"};
    static const FormLayout fund{"项目类别：[基金编号]", kProjectHeadings, "基金编号", 6, "L"};
    static const FormLayout year{"年份：[年号]",
                                 {"序号", "单位代码", "单位全称", "开户行", "开户单位", "帐号", "资助经费", "首批拨款",
                                  "二批拨款"},
                                 "年号",
                                 7,
                                 "I"};
    switch (kind) {
    case FundingListKind::Unit: return unit;
    case FundingListKind::FundNumber: return fund;
    default: return year;
    }
}

// The year form's totals row: "合计" and the sums of the blank rows 3 to 7.
constexpr int kYearFirstBlankRow = 3;
constexpr int kYearLastBlankRow = 7;
constexpr int kYearTotalsRow = 8;

}  // namespace

void ShowAutomationError(const AutomationError& error) {
    const UINT type = MB_OK | MB_SETFOREGROUND;
    switch (error.type) {
    case AutomationError::Type::Ole:
        ui::MessageBox(text::Format("Excel操作失败（错误代码%08lx）！", error.scode), "提示", type);
        break;
    case AutomationError::Type::Dispatch:
        ui::MessageBox(text::Format("Excel操作失败（错误代码%08lx）：%s", error.scode, error.description.c_str()), "提示",
                       type);
        break;
    default: ui::MessageBox("Excel操作时发生未知错误！", "提示", type); break;
    }
}

std::optional<AutomationError> BuildFundingList(excel::Application& app, FundingListKind kind) {
    const FormLayout& form = LayoutOf(kind);
    if (kind != FundingListKind::Unit) app.SetVisible(true);

    excel::Workbook book = app.Workbooks().Add();
    if (!book.IsValid()) return AutomationError{AutomationError::Type::Dispatch, kEFail, app.LastError()};
    excel::Worksheet sheet = book.Sheets().Item("sheet1");
    if (!sheet.IsValid() || !sheet.SetName("项目拨款清单")) return AutomationError{AutomationError::Type::Ole, kEFail, {}};
    excel::Range cells = sheet.Cells();
    cells.SetColumnWidth(13);

    sheet.Range("A1").SetValue(form.title);
    sheet.Range("I1").SetValue("金额：万元");
    for (std::size_t c = 0; c < form.headings.size(); ++c) cells.Item(2, int(c) + 1).SetValue(form.headings[c]);
    if (kind == FundingListKind::Year) {
        const std::string totals = std::to_string(kYearTotalsRow);
        sheet.Range("A" + totals).SetValue("合计");
        for (const char* column : {"G", "H", "I"})
            sheet.Range(column + totals)
                .SetValue(text::Format("=SUM(%s%d:%s%d)", column, kYearFirstBlankRow, column, kYearLastBlankRow));
    }
    sheet.Range("C10").SetValue(form.code);
    // What is typed into the blank rows keeps its column's format: codes and
    // accounts as written, amounts (and the year form's totals) with two
    // decimals.
    const int lastRow = kind == FundingListKind::Year ? kYearTotalsRow : form.lastBorderRow;
    for (std::size_t c = 0; c < form.headings.size(); ++c) {
        const std::string heading = form.headings[c];
        const excel::Range column = sheet.Range(excel::ColumnName(int(c) + 1) + "3",
                                                excel::ColumnName(int(c) + 1) + std::to_string(lastRow));
        if (excel::HoldsCodes(heading)) column.SetNumberFormat("@");
        else if (heading.find("经费") != std::string::npos || heading.find("拨款") != std::string::npos)
            column.SetNumberFormat("0.00");
    }

    sheet.Range("A1", "C1").Merge(false);
    if (kind == FundingListKind::Year) sheet.Range("A8", "F8").Merge(false);
    else sheet.Range("I1", "J1").Merge(false);

    excel::Range used = sheet.UsedRange();
    used.SetWrapText(true);
    used.SetHorizontalAlignment(excel::xlCenter);
    used.SetVerticalAlignment(excel::xlCenter);

    excel::Range headings = sheet.Range("A2", "I2");
    headings.Font().SetName("隶书");
    headings.Font().SetSize(11);

    BorderEachCell(sheet.Range("A1", form.lastColumn + std::to_string(form.lastBorderRow)));

    // Printed as the reports are: across an A4 page, one page wide, the
    // headings on every page, numbered.
    excel::PageSetup setup = sheet.PageSetup();
    setup.SetOrientation(excel::xlLandscape);
    setup.SetPaperSize(excel::xlPaperA4);
    setup.SetFitToPages(1, 0);
    setup.SetPrintTitleRows("$2:$2");
    setup.SetCenterHorizontally(true);
    setup.SetCenterFooter("第 &P 页 共 &N 页");

    book.SetSaved(false);
    if (kind == FundingListKind::Unit) app.SetVisible(true);
    return std::nullopt;
}

void RunFundingList(FundingListKind kind) {
    std::optional<AutomationError> error;
    try {
        auto app = excel::Application::Create();
        if (!app) {
            ui::AfxMessageBox("Excel失败!");
            return;
        }
        error = BuildFundingList(*app, kind);
    } catch (...) {  // anything the automation layer raises ends the command
        error = AutomationError{};
    }
    if (error) ShowAutomationError(*error);
}
