#include "office_reports/DlgFirstExcel.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "numbering/ProjectNumbering.h"
#include "office_reports/ReportQueries.h"
#include "office_reports/ReportSupport.h"
#include "office_reports/ReportWorkbook.h"
#include "platform/ui/DataExchange.h"

using namespace reports;

namespace {
constexpr int kLastColumn = 11;    // K, the remark
constexpr int kAmountColumn = 10;  // J, the requested funds
}  // namespace

const ui::DialogTemplate& CDlgFirstExcel::Template() {
    using ui::Kind;
    constexpr DWORD kList = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    static const ui::DialogTemplate tpl{IDD, "输出Excel报表", {0, 0, 304, 295}, {
        {Kind::Static, IDC_STATIC, "选择年份:", {10, 11, 44, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {56, 9, 80, 100}, kList},
        {Kind::Static, IDC_STATIC, "选择项目类别:", {150, 11, 58, 10}},
        {Kind::ComboBox, IDC_CATEGORY, "", {210, 9, 84, 100}, kList, {"专业组", "重点实验室"}},
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

CDlgFirstExcel::CDlgFirstExcel(ui::Wnd* parent) : CFundChoiceDialog(Template(), parent) {
    MapCommand(IDC_CATEGORY, CBN_SELCHANGE, [this] { OnCategoryChanged(); });
}

void CDlgFirstExcel::DoDataExchange(ui::DataExchange& dx) {
    CFundChoiceDialog::DoDataExchange(dx);
    dx.CBIndex(IDC_CATEGORY, m_nCategory);
}

BOOL CDlgFirstExcel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    COptions options;
    m_nCategory = options.GetCategory();
    SetUpYearAndGrid(120, true, options.GetYear());
    FillFundList();
    return TRUE;
}

void CDlgFirstExcel::FillFundList() {
    ClearFundList();
    CAdoRecordSet rs;
    OpenQuery(rs, m_pConnection,
              reportqueries::ApplicationNumbers(CategoryCondition(IsSpecialtyGroup() ? 0 : 1), SelectedYear()));
    m_gridFunds.FillFromProjects(rs);
}

std::string CDlgFirstExcel::GetAspectName(const std::string& code) {
    return AspectName(m_pConnection, code, SelectedYear());
}

bool CDlgFirstExcel::AspectRowExists(const std::string& code, const std::string& column, const std::string& value) {
    CAdoRecordSet rs;
    return OpenQuery(rs, m_pConnection, reportqueries::AspectRows(code, SelectedYear(), column, value)) && !rs.IsEOF();
}

std::string CDlgFirstExcel::CheckProject(const std::string& xmbh) {
    const std::string code = projectnumber::GuideCodeOf(xmbh);
    const std::string unit = projectnumber::UnitCodeOf(xmbh);
    if (!AspectRowExists(code)) return "指南代码有误";
    std::string result;
    if (!AspectRowExists(code, "dwdm", unit)) result = "申请单位不在定向发布单位之列";

    CAdoRecordSet rs;
    std::string category;
    if (OpenQuery(rs, m_pConnection, reportqueries::ApplicationCategory(xmbh)) &&
        !rs.IsEOF())
        category = Text(rs, "XMLB");
    const bool wrongFund = (category.starts_with("共性技术基金") && !xmbh.starts_with("9140A")) ||
                           (category.starts_with("重点实验室基") && !xmbh.starts_with("9140C"));
    const std::string flag = (category == kGroupGeneral || category == kLabGeneral) ? "0" : "1";
    if (wrongFund || !AspectRowExists(code, "sfzdyjfx", flag))
        result += result.empty() ? "项目类别错误" : "、项目类别错误";
    return result;
}

void CDlgFirstExcel::OnOK() {
    UpdateData(TRUE);
    ReportWorkbook book;
    if (!book.Start("项目申请表.xls", "sheet1")) return;
    // Centred: the serial, the applicant, sex, age and title.
    FundBlockWriter writer(book.Sheet(), kLastColumn, kAmountColumn, {1, 6, 7, 8, 9});
    const std::string year = SelectedYear();
    const int category = IsSpecialtyGroup() ? 0 : 1;
    for (const CFundGrid::Choice& fund : m_gridFunds.Ticked()) {
        const std::string sql =
            reportqueries::ApplicationsOfFund(fund.fund, TypeCondition(category, fund.type), year);
        const CountAndSum figures = CountRowsAndSum(m_pConnection, sql, "SQJE");
        CAdoRecordSet rs;
        if (!OpenQuery(rs, m_pConnection, sql) || rs.IsEOF()) continue;
        writer.BeginTitledBlock(FundBlockTitle(fund.fund, FundName(m_pConnection, fund.fund), figures),
                                {"序号", "项目编号", "项目名称", "起止年月", "申请单位", "申请人", "性别", "年龄",
                                 "职称", "申请经费(万元)", "备注"});
        for (int serial = 1; !rs.IsEOF(); rs.MoveNext(), ++serial) {
            const std::string xmbh = Text(rs, "XMBH");
            if (IsSpecialtyGroup()) writer.DirectionRow(projectnumber::GuideCodeOf(xmbh), GetAspectName(projectnumber::GuideCodeOf(xmbh)));
            writer.ProjectRow({std::to_string(serial), xmbh, Text(rs, "XMMC"),
                               Text(rs, "XMQSRQ") + " - " + Text(rs, "XMZZRQ"), Text(rs, "GZDW"), Text(rs, "SQRXM"),
                               Text(rs, "SQRXB"), Text(rs, "SQRNL"), Text(rs, "ZC"), Text(rs, "SQJE"),
                               IsSpecialtyGroup() ? CheckProject(xmbh) : std::string()});
        }
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
