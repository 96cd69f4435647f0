#include "office_reports/DlgLabReviewExcel.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "office_reports/ReportQueries.h"
#include "office_reports/ReportWorkbook.h"

using namespace reports;

namespace {
constexpr int kLastColumn = 11;    // K, the remark
constexpr int kAmountColumn = 10;  // J, the approved funds
constexpr int kLaboratories = 1;   // category index of the key laboratories
}  // namespace

const ui::DialogTemplate& CDlgLabReviewExcel::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "输出Excel报表", {0, 0, 304, 295}, {
        {Kind::Static, IDC_STATIC, "选择年份:", {10, 11, 44, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {56, 9, 80, 100}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST},
        {Kind::GroupBox, IDC_STATIC, "输出项目选择", {7, 28, 290, 236}},
        {Kind::Static, IDC_GRID_PLACE, "", {14, 40, 200, 216}, SS_BLACKFRAME},
        {Kind::GroupBox, IDC_STATIC, "基金编号", {220, 40, 70, 62}},
        {Kind::PushButton, IDC_SELECT_ALL, "全选", {229, 54, 52, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_INVERT, "反选", {229, 78, 52, 14}, WS_TABSTOP},
        {Kind::GroupBox, IDC_STATIC, "项目类型全局设定", {220, 110, 70, 86}},
        {Kind::PushButton, IDC_SET_GENERAL, "一般项目", {229, 124, 52, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_SET_KEY, "重点项目", {229, 148, 52, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_SET_ALL, "全部项目", {229, 172, 52, 14}, WS_TABSTOP},
        {Kind::DefPushButton, IDOK, "确定", {178, 273, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {240, 273, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgLabReviewExcel::CDlgLabReviewExcel(ui::Wnd* parent) : CFundChoiceDialog(Template(), parent) {}

BOOL CDlgLabReviewExcel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    COptions options;
    SetUpYearAndGrid(120, true, options.GetYear());
    FillFundList();
    return TRUE;
}

void CDlgLabReviewExcel::FillFundList() {
    ClearFundList();
    CAdoRecordSet rs;
    OpenQuery(rs, m_pConnection, reportqueries::ApprovedNumbers(CategoryCondition(kLaboratories), SelectedYear()));
    m_gridFunds.FillFromProjects(rs);
}

void CDlgLabReviewExcel::OnOK() {
    UpdateData(TRUE);
    ReportWorkbook book;
    if (!book.Start("重点实验室项目评审表.xls", "sheet1")) return;
    // Centred: the serial, the applicant, sex, age and title.
    FundBlockWriter writer(book.Sheet(), kLastColumn, kAmountColumn, {1, 6, 7, 8, 9});
    const std::string year = SelectedYear();
    for (const CFundGrid::Choice& fund : m_gridFunds.Ticked()) {
        const std::string sql =
            reportqueries::ApprovedRowsOfFund(fund.fund, TypeCondition(kLaboratories, fund.type), year);
        const CountAndSum figures = CountRowsAndSum(m_pConnection, sql, "PFJF");
        CAdoRecordSet rs;
        if (!OpenQuery(rs, m_pConnection, sql) || rs.IsEOF()) continue;
        writer.BeginTitledBlock(FundBlockTitle(fund.fund, FundName(m_pConnection, fund.fund), figures),
                                {"序号", "项目编号", "项目名称", "起止年月", "申请单位", "申请人", "性别", "年龄",
                                 "职称", "批复经费", "备注"});
        for (int serial = 1; !rs.IsEOF(); rs.MoveNext(), ++serial)
            writer.ProjectRow({std::to_string(serial), Text(rs, "XMBH"), Text(rs, "XMMC"),
                               Text(rs, "XMQSRQ") + " - " + Text(rs, "XMZZRQ"), Text(rs, "GZDW"), Text(rs, "SQRXM"),
                               Text(rs, "SQRXB"), Text(rs, "SQRNL"), Text(rs, "ZC"), Text(rs, "PFJF")});
        writer.EndBlock();
    }
    if (!writer.Finish()) {
        book.Discard();
        Prompt("没有可输出的项目！");
        return;
    }
    book.Show();
    EndDialog(IDOK);
}
