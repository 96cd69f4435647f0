#include "office_reports/DlgLabStatExcel.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "office_reports/ReportQueries.h"
#include "office_reports/ReportSupport.h"
#include "office_reports/ReportWorkbook.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"

using namespace reports;
using namespace office::excel;

namespace {
constexpr int kLastColumn = 9;  // I, all requested funds
constexpr int kFirstRow = 3;    // rows 1 and 2 are the template's headings
// The requested funds of the key and general projects and of both (E, G,
// I): two decimals each, however the amounts add up.
constexpr int kAmountColumns[] = {5, 7, 9};
const char* const kFont = "仿宋_GB2312";
}  // namespace

const ui::DialogTemplate& CDlgLabStatExcel::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "输出重点实验室项目上报统计表", {0, 0, 187, 85}, {
        {Kind::Static, IDC_STATIC, "选择年份:", {20, 22, 44, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {68, 20, 96, 100}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST},
        {Kind::DefPushButton, IDOK, "确定", {38, 58, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {100, 58, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgLabStatExcel::CDlgLabStatExcel(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

void CDlgLabStatExcel::DoDataExchange(ui::DataExchange& dx) { dx.Control(IDC_YEAR, m_cboYear); }

BOOL CDlgLabStatExcel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    StandardSetUp(*this);
    COptions options;
    FillYearList(m_cboYear, options.GetYear());
    return TRUE;
}

std::string CDlgLabStatExcel::Count(const std::string& lab, const std::string& category) {
    CAdoRecordSet rs;
    long count = 0;
    if (OpenQuery(rs, m_pConnection, reportqueries::LabApplications(lab, category, SelectedText(m_cboYear), false)))
        count = rs.GetRecordCount();
    return text::Format("%ld", count < 0 ? 0L : count);
}

std::string CDlgLabStatExcel::Sum(const std::string& lab, const std::string& category) {
    CAdoRecordSet rs;
    float sum = 0;
    if (OpenQuery(rs, m_pConnection, reportqueries::LabApplications(lab, category, SelectedText(m_cboYear), true)))
        for (; !rs.IsEOF(); rs.MoveNext()) sum += float(text::Atof(Text(rs, "SQJE")));
    return text::Format("%g", double(sum));
}

std::string CDlgLabStatExcel::CountKeyProjects(const std::string& lab) { return Count(lab, kLabKey); }
std::string CDlgLabStatExcel::SumKeyFunds(const std::string& lab) { return Sum(lab, kLabKey); }
std::string CDlgLabStatExcel::CountGeneralProjects(const std::string& lab) { return Count(lab, kLabGeneral); }
std::string CDlgLabStatExcel::SumGeneralFunds(const std::string& lab) { return Sum(lab, kLabGeneral); }

void CDlgLabStatExcel::OnOK() {
    UpdateData(TRUE);
    ReportWorkbook book;
    if (!book.Start("重点实验室项目上报统计表.xls", "sheet1")) return;
    const Worksheet& sheet = book.Sheet();
    auto line = [&sheet](int row, int last) {
        return sheet.Range("A" + std::to_string(row), ColumnName(last) + std::to_string(row));
    };
    int row = kFirstRow - 1;
    CAdoRecordSet labs;
    OpenQuery(labs, m_pConnection, reportqueries::Laboratories());
    for (; !labs.IsEOF(); labs.MoveNext()) {
        const std::string lab = Text(labs, "SYSDM");
        const std::string r = std::to_string(++row);
        const Range cells = line(row, kLastColumn);
        cells.Font().SetName(kFont);
        cells.Font().SetSize(14);
        cells.SetRowHeight(38);
        // A long name wraps in its cell, the row growing to hold it; the
        // serial number and the counts stand apart from their neighbours.
        cells.SetWrapText(true);
        cells.SetVerticalAlignment(xlCenter);
        for (int column : {1, 4, 6, 8}) cells.Item(1, column).SetHorizontalAlignment(xlCenter);
        const std::string values[] = {std::to_string(row - 2), lab, Text(labs, "SYSQC"), CountKeyProjects(lab),
                                      SumKeyFunds(lab), CountGeneralProjects(lab), SumGeneralFunds(lab),
                                      "=D" + r + "+F" + r, "=E" + r + "+G" + r};
        for (int column : kAmountColumns) cells.Item(1, column).SetNumberFormat("0.00");
        for (int column = 1; column <= kLastColumn; ++column) {
            cells.Item(1, column).SetValue(values[column - 1]);
            cells.Item(1, column).BorderAround();
        }
    }
    const int last = row;
    const int total = last + 1;
    const Range label = line(total, 3);
    label.Merge(false);
    label.Font().SetName(kFont);
    label.Font().SetSize(14);
    label.SetRowHeight(38);
    label.Item(1, 1).SetValue("合计");
    label.BorderAround();
    for (int column = 4; column <= kLastColumn; ++column) {
        const std::string name = ColumnName(column);
        const Range cell = sheet.Range(name + std::to_string(total));
        cell.Font().SetName(kFont);
        cell.Font().SetSize(14);
        if (column % 2 == 1) cell.SetNumberFormat("0.00");  // E, G, I as kAmountColumns
        cell.SetValue("=SUM(" + name + "3:" + name + std::to_string(last) + ")");
        cell.BorderAround();
    }
    book.Show();
    EndDialog(IDOK);
}
