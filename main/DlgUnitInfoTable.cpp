#include "main/DlgUnitInfoTable.h"

#include "foundation/Options.h"
#include "main/ReportCommon.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"

namespace {

ui::DialogTemplate UnitInfoTemplate(UnitTableKind kind) {
    using ui::Kind;
    const bool plan = kind == UnitTableKind::AnnualPlan;
    return {plan ? CDlgUnitPlanTable::IDD : CDlgUnitFundTable::IDD, UnitTableTitle(kind), {0, 0, 180, 97}, {
        {Kind::Static, IDC_STATIC, "选择年份：", {15, 16, 45, 10}},
        {Kind::ComboBox, CDlgUnitInfoTable::IDC_YEAR, "", {62, 14, 100, 80},
         WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT},
        {Kind::Static, IDC_STATIC, "选择类别：", {15, 38, 45, 10}},
        {Kind::ComboBox, CDlgUnitInfoTable::IDC_CATEGORY, "", {62, 36, 100, 60}, WS_TABSTOP | CBS_DROPDOWNLIST,
         {"专业组", "重点实验室"}},
        {Kind::DefPushButton, IDOK, "确定", {35, 70, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {95, 70, 50, 14}, WS_TABSTOP},
    }};
}

}  // namespace

CDlgUnitInfoTable::CDlgUnitInfoTable(UnitTableKind kind, ui::Wnd* parent)
    : CReportDialog(UnitInfoTemplate(kind), parent), m_kind(kind) {}

BOOL CDlgUnitInfoTable::OnInitDialog() {
    CReportDialog::OnInitDialog();
    const COptions options;
    m_nCategory = options.GetCategory();
    UpdateData(FALSE);
    FillYears(IDC_YEAR);
    if (auto* years = Item<ui::ComboBox>(IDC_YEAR)) years->SetCurSel(years->FindStringExact(-1, options.GetYear()));
    return TRUE;
}

void CDlgUnitInfoTable::DoDataExchange(ui::DataExchange& dx) { dx.CBIndex(IDC_CATEGORY, m_nCategory); }

void CDlgUnitInfoTable::OutputExcel() {
    if (!UpdateData(TRUE)) return;
    const std::string year = SelectedText(IDC_YEAR);
    if (year.empty()) {
        // The stored year lies outside the period: nothing is chosen yet.
        ui::MessageBox("请选择年份。", "提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    auto excel = StartReportExcel();
    if (!excel) return;

    std::vector<std::vector<std::string>> rows;
    if (!ReadUnitTableRows(m_pConnection, UnitTableQuery(m_kind, year, m_nCategory), UnitTableColumns(m_kind),
                           rows)) {
        ShowReportQueryFailure(m_pConnection);
        return;
    }
    office::excel::Worksheet sheet = AddReportWorkbook(*excel, "单位信息表.xls");
    if (!sheet.IsValid()) return;
    WriteUnitTableSheet(sheet, m_kind, rows);
    excel->SetVisible(true);
    EndDialog(IDOK);
}
