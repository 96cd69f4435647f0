#include "office_reports/DlgHanSExcel.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "numbering/ProjectNumbering.h"
#include "office_reports/ReportQueries.h"
#include "office_reports/ReportWorkbook.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"

using namespace reports;
using namespace office::excel;

namespace {

// Shows the workbook, or discards it and says so when no fund had projects.
bool ShowUnlessEmpty(ReportWorkbook& book, FundBlockWriter& writer) {
    if (!writer.Finish()) {
        book.Discard();
        Prompt("没有可输出的项目！");
        return false;
    }
    book.Show();
    return true;
}

}  // namespace

const ui::DialogTemplate& CDlgHanSExcel::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "输出Excel报表", {0, 0, 236, 323}, {
        {Kind::Static, IDC_STATIC, "选择年份:", {12, 11, 44, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {58, 9, 90, 100}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST},
        {Kind::GroupBox, IDC_STATIC, "类别选择", {7, 28, 222, 30}},
        {Kind::RadioButton, IDC_REVIEW_TABLE, "项目评议表", {20, 40, 80, 10}, WS_GROUP | WS_TABSTOP},
        {Kind::RadioButton, IDC_OPINION_SUMMARY, "专家意见汇总表", {120, 40, 90, 10}},
        {Kind::GroupBox, IDC_STATIC, "输出项目选择", {7, 64, 222, 230}},
        {Kind::Static, IDC_GRID_PLACE, "", {14, 76, 140, 210}, SS_BLACKFRAME},
        {Kind::GroupBox, IDC_STATIC, "基金编号", {160, 76, 62, 62}},
        {Kind::PushButton, IDC_SELECT_ALL, "全选", {166, 90, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_INVERT, "反选", {166, 114, 50, 14}, WS_TABSTOP},
        {Kind::DefPushButton, IDOK, "确定", {112, 302, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {172, 302, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgHanSExcel::CDlgHanSExcel(ui::Wnd* parent) : CFundChoiceDialog(Template(), parent) {}

void CDlgHanSExcel::DoDataExchange(ui::DataExchange& dx) {
    CFundChoiceDialog::DoDataExchange(dx);
    dx.Radio(IDC_REVIEW_TABLE, m_nOutputKind);
}

BOOL CDlgHanSExcel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    COptions options;
    SetUpYearAndGrid(110, false, options.GetYear());
    FillFundList();
    return TRUE;
}

void CDlgHanSExcel::FillFundList() {
    ClearFundList();
    CAdoRecordSet rs;
    OpenQuery(rs, m_pConnection, reportqueries::FirstReviewedNumbers(SelectedYear()));
    m_gridFunds.FillFromProjects(rs);
}

std::string CDlgHanSExcel::GetAspectName(const std::string& code) {
    return AspectName(m_pConnection, code, SelectedYear());
}

std::string CDlgHanSExcel::GetExpertName(const std::string& id) {
    if (id.empty()) return {};
    CAdoRecordSet rs;
    if (OpenQuery(rs, m_pConnection, reportqueries::ExpertName(id)) && !rs.IsEOF())
        return Text(rs, "XM");
    return {};
}

std::string CDlgHanSExcel::FundQuery(const std::string& fund, const std::string& reviewColumns) const {
    return reportqueries::FirstReviewedOfFund(fund, SelectedYear(), reviewColumns);
}

void CDlgHanSExcel::OnOK() {
    UpdateData(TRUE);
    if (m_nOutputKind == 1) {
        OutputOpinionSummary();
        EndDialog(IDOK);
    } else if (OutputReviewTable()) {
        EndDialog(IDOK);
    }
}

bool CDlgHanSExcel::OutputReviewTable() {
    constexpr int kLast = 17;  // Q, the remark
    ReportWorkbook book;
    if (!book.Start("项目评议表.xls", "sheet1")) return false;
    const Worksheet& sheet = book.Sheet();
    // Centred: the serial, the applicant, sex, age, title and the experts.
    FundBlockWriter writer(sheet, kLast, 10, {1, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16});
    for (const CFundGrid::Choice& fund : m_gridFunds.Ticked()) {
        const std::string sql = FundQuery(fund.fund, "ZJ1, ZJ2, ZJ3");
        const CountAndSum figures = CountRowsAndSum(m_pConnection, sql, "SQJE");
        CAdoRecordSet rs;
        if (!OpenQuery(rs, m_pConnection, sql) || rs.IsEOF()) continue;
        const int header = writer.BeginBlock();
        writer.WriteTitleHeader(header, FundBlockTitle(fund.fund, FundName(m_pConnection, fund.fund), figures));
        writer.WriteCaptions(header + 1,
                             {"序号", "项目编号", "项目名称", "起止年月", "申请单位", "申请人", "性别", "年龄", "职称",
                              "申请经费(万元)", "专家1", "", "专家2", "", "专家3", "", "备注"},
                             20);
        std::vector<std::string> expertCaptions(10);
        for (int expert = 0; expert < 3; ++expert) expertCaptions.insert(expertCaptions.end(), {"ID", "姓名"});
        writer.WriteCaptions(header + 2, expertCaptions, 20);
        const std::string top = std::to_string(header + 1), bottom = std::to_string(header + 2);
        for (int column : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, kLast})
            sheet.Range(ColumnName(column) + top, ColumnName(column) + bottom).Merge(false);
        for (int column : {11, 13, 15})
            sheet.Range(ColumnName(column) + top, ColumnName(column + 1) + top).Merge(false);
        writer.EndCaptions(header + 2);
        for (int serial = 1; !rs.IsEOF(); rs.MoveNext(), ++serial) {
            const std::string xmbh = Text(rs, "XMBH");
            writer.DirectionRow(projectnumber::GuideCodeOf(xmbh), GetAspectName(projectnumber::GuideCodeOf(xmbh)));
            const std::string zj1 = Text(rs, "ZJ1"), zj2 = Text(rs, "ZJ2"), zj3 = Text(rs, "ZJ3");
            writer.ProjectRow({std::to_string(serial), xmbh, Text(rs, "XMMC"),
                               Text(rs, "XMQSRQ") + " - " + Text(rs, "XMZZRQ"), Text(rs, "GZDW"), Text(rs, "SQRXM"),
                               Text(rs, "SQRXB"), Text(rs, "SQRNL"), Text(rs, "ZC"), Text(rs, "SQJE"), zj1,
                               GetExpertName(zj1), zj2, GetExpertName(zj2), zj3, GetExpertName(zj3)});
        }
        writer.EndBlock();
    }
    return ShowUnlessEmpty(book, writer);
}

void CDlgHanSExcel::OutputOpinionSummary() {
    constexpr int kLast = 13;  // M, the reason for not funding
    ReportWorkbook book;
    if (!book.Start("专家意见汇总表.xls", "打印报表")) return;
    const Worksheet& sheet = book.Sheet();
    // Centred: the serial, the applicant, sex, age, title, the experts'
    // opinions, the score and the result.
    FundBlockWriter writer(sheet, kLast, 9, {1, 5, 6, 7, 8, 10, 11, 12});
    for (const CFundGrid::Choice& fund : m_gridFunds.Ticked()) {
        CAdoRecordSet rs;
        if (!OpenQuery(rs, m_pConnection, FundQuery(fund.fund, "YJ1, YJ2, YJ3, BZZLY, FS, PSJG")) || rs.IsEOF())
            continue;
        const int header = writer.BeginBlock();
        const std::string row = std::to_string(header);
        const Range fundCell = sheet.Range("A" + row, "C" + row);
        fundCell.Merge(false);
        fundCell.Font().SetSize(12);
        fundCell.SetHorizontalAlignment(xlLeft);
        fundCell.Item(1, 1).SetValue("基金编号：" + fund.fund);
        const Range unitCell = sheet.Range("D" + row, "M" + row);
        unitCell.Merge(false);
        unitCell.Font().SetSize(12);
        unitCell.SetHorizontalAlignment(xlRight);
        unitCell.Item(1, 1).SetValue("金额单位：万元");
        fundCell.SetRowHeight(36);
        writer.WriteCaptions(header + 1,
                             {"序号", "项目编号", "项目名称", "申请单位", "申请人", "性别", "年龄", "职称", "申请经费",
                              "专家评审", "评分", "评审结果", "专家不资助原因"},
                             33);
        writer.EndCaptions(header + 1);
        for (int serial = 1; !rs.IsEOF(); rs.MoveNext(), ++serial) {
            const std::string xmbh = Text(rs, "XMBH");
            writer.DirectionRow(projectnumber::GuideCodeOf(xmbh), GetAspectName(projectnumber::GuideCodeOf(xmbh)));
            float score = 0;
            rs.GetFloat("FS", score);
            writer.ProjectRow({std::to_string(serial), xmbh, Text(rs, "XMMC"), Text(rs, "GZDW"), Text(rs, "SQRXM"),
                               Text(rs, "SQRXB"), Text(rs, "SQRNL"), Text(rs, "ZC"), Text(rs, "SQJE"),
                               Text(rs, "YJ1") + Text(rs, "YJ2") + Text(rs, "YJ3"), text::Format("%g", double(score)),
                               Text(rs, "PSJG"), Text(rs, "BZZLY")});
        }
        writer.EndBlock();
    }
    ShowUnlessEmpty(book, writer);
}
