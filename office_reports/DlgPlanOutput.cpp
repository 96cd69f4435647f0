#include "office_reports/DlgPlanOutput.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "numbering/ProjectNumbering.h"
#include "office_reports/PlanDraftWord.h"
#include "office_reports/PlanTableExcel.h"
#include "office_reports/ReportQueries.h"
#include "office_reports/ReportSupport.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"

namespace {

const std::string& KeyCategory(int category) { return category == 0 ? reports::kGroupKey : reports::kLabKey; }

// The specialty groups' key projects with a plan in the plan lists.
class PlannedProjects : public reports::PlanTableSource {
public:
    PlannedProjects(CDlgPlanOutput& dialog, std::string year) : dialog_(dialog), year_(std::move(year)) {}

    std::string Title() const override { return year_ + "年装备预研共用技术基金（重点项目）计划清单"; }
    std::string UnitQuery(const std::string& fund) const override {
        return reportqueries::PlannedUnits(Projects(fund));
    }
    std::string ProjectQuery(const std::string& fund, const std::string& unit) const override {
        return reportqueries::PlannedListRows(Projects(fund), unit);
    }
    reports::PlanTableLine ReadLine(CAdoRecordSet& project) override {
        reports::PlanTableLine line;
        line.number = reports::Text(project, "XMBH");
        line.name = reports::Text(project, "XMMC");
        line.leader = reports::Text(project, "SQRXM");
        line.unit = dialog_.GetUnitName(projectnumber::UnitCodeOf(line.number));
        line.funds = dialog_.GetApprovedFundText(line.number);
        CAdoRecordSet plan;
        if (reports::OpenQuery(plan, dialog_.m_pConnection, reportqueries::PlanRow(line.number)) &&
            !plan.IsEOF()) {
            line.period = reports::Text(plan, "JDYQ");
            if (reports::LoadRichColumn(plan, "BZ", reports::TempPath("备注.rtf"), dialog_.m_richEdit, dialog_))
                line.remark = dialog_.m_strRichText;
        }
        return line;
    }
    std::string FundHeading(const std::string& fund) override { return dialog_.FundHeading(fund, year_, 0); }

private:
    reportqueries::FundProjects Projects(const std::string& fund) const { return {fund, reports::kGroupKey, year_}; }

    CDlgPlanOutput& dialog_;
    std::string year_;
};

}  // namespace

CDlgPlanOutput::CDlgPlanOutput(ui::Wnd* parent) : CPlanOutputDialog(Template(), parent) {}

CDlgPlanOutput::~CDlgPlanOutput() = default;

const ui::DialogTemplate& CDlgPlanOutput::Template() {
    using ui::Kind;
    constexpr DWORD kList = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    static const ui::DialogTemplate tpl{IDD, "输出项目计划", {0, 0, 304, 393}, {
        {Kind::Static, IDC_STATIC, "选择年份:", {14, 15, 40, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {58, 13, 76, 80}, kList | CBS_SORT},
        {Kind::Static, IDC_STATIC, "选择项目类别:", {146, 15, 56, 10}},
        {Kind::ComboBox, IDC_CATEGORY, "", {204, 13, 90, 60}, kList, {"专业组", "重点实验室"}},
        {Kind::GroupBox, IDC_STATIC, "类别选择", {7, 34, 290, 92}},
        {Kind::RadioButton, IDC_KIND, "项目计划表", {16, 50, 70, 10}, WS_GROUP | WS_TABSTOP},
        {Kind::RadioButton, IDC_KIND_SECOND, "项目计划清单", {16, 86, 70, 10}},
        {Kind::CheckBox, IDC_PER_UNIT_DRAFTS, "按单位输出", {36, 66, 70, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_PER_UNIT, "按单位输出", {36, 102, 70, 10}, WS_TABSTOP},
        {Kind::Static, IDC_STATIC, "选择纸型:", {150, 50, 40, 10}},
        {Kind::ComboBox, IDC_PAPER, "", {192, 48, 60, 60}, kList, {"A3", "A4", "B4"}},
        {Kind::GroupBox, IDC_STATIC, "输出项目选择", {7, 132, 290, 228}},
        {Kind::Static, IDC_GRID_PLACE, "", {16, 146, 190, 206}, SS_BLACKFRAME, {}, true},
        {Kind::GroupBox, IDC_STATIC, "基金编号", {212, 146, 78, 60}},
        {Kind::PushButton, IDC_SELECT_ALL, "全选", {221, 162, 60, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_INVERT, "反选", {221, 182, 60, 14}, WS_TABSTOP},
        {Kind::RichEdit, IDC_RICH, "", {221, 220, 40, 20}, 0, {}, true},
        {Kind::DefPushButton, IDOK, "确定", {172, 370, 56, 16}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {236, 370, 56, 16}, WS_TABSTOP},
    }};
    return tpl;
}

BOOL CDlgPlanOutput::OnInitDialog() {
    CPlanOutputDialog::OnInitDialog();
    EnablePlanListChoice();
    LoadFundList();
    return TRUE;
}

void CDlgPlanOutput::DoDataExchange(ui::DataExchange& dx) {
    ExchangeCommon(dx);
    dx.Check(IDC_PER_UNIT_DRAFTS, m_bPerUnitDrafts);
}

void CDlgPlanOutput::EnablePlanListChoice() {
    const BOOL enable = m_nCategory == 0;
    for (int id : {IDC_KIND_SECOND, IDC_PER_UNIT})
        if (ui::Wnd* control = GetDlgItem(id)) control->EnableWindow(enable);
}

void CDlgPlanOutput::OnCategoryChanged() {
    if (m_nCategory != 0) {
        m_nOutputKind = 0;
        UpdateData(FALSE);
    }
    EnablePlanListChoice();
}

std::string CDlgPlanOutput::FundListQuery(const std::string& year) const {
    return reportqueries::PlannedNumbers("XMLB = " + db::QuoteLiteral(CategoryOf(m_nCategory)), year);
}

std::string CDlgPlanOutput::CountQuery(const reportqueries::FundProjects& projects, const std::string& unit) const {
    return reportqueries::PlannedCount(projects, unit);
}

std::string CDlgPlanOutput::SumQuery(const reportqueries::FundProjects& projects, const std::string& unit) const {
    return reportqueries::PlannedSum(projects, unit);
}

const std::string& CDlgPlanOutput::CategoryOf(int category) const { return KeyCategory(category); }

void CDlgPlanOutput::OnOK() {
    UpdateData(TRUE);
    if (m_nOutputKind == 1) {
        OutputPlanList();
        EndDialog(IDOK);
    } else if (OutputPlanDrafts()) {
        EndDialog(IDOK);
    }
}

void CDlgPlanOutput::OutputPlanList() {
    const reports::PlanTableRequest request = PlanTables();
    PlannedProjects source(*this, request.year);
    reports::WritePlanTables(request, source);
}

bool CDlgPlanOutput::OutputPlanDrafts() {
    const reports::PlanDraftRequest request{
        *this, m_bPerUnitDrafts != FALSE, [this](const std::string& unit) { return GetUnitName(unit); },
        [this](const std::string& xmbh) { return GetApprovedFundText(xmbh); }};
    return reports::WritePlanDrafts(request) == reports::RunResult::Finished;
}

std::string CDlgPlanOutput::GetUnitName(const std::string& unit) {
    if (unit.empty()) return {};
    CAdoRecordSet rs;
    if (reports::OpenQuery(rs, m_pConnection, reportqueries::UnitName(unit)) &&
        rs.GetRecordCount() > 0)
        return reports::Text(rs, "DWMC");
    return {};
}

std::string CDlgPlanOutput::GetApprovedFundText(const std::string& xmbh) {
    if (xmbh.empty()) return {};
    CAdoRecordSet rs;
    float funds = 0;
    if (reports::OpenQuery(rs, m_pConnection, reportqueries::ApprovedFunds(xmbh)) &&
        rs.GetRecordCount() > 0 && rs.GetFloat("PFJF", funds))
        return text::Format("%g", double(funds));
    return {};
}
