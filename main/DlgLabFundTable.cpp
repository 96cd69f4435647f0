#include "main/DlgLabFundTable.h"

#include "main/LabFundReport.h"
#include "main/ReportCommon.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"

CDlgLabFundTable::CDlgLabFundTable(ui::Wnd* parent) : CReportDialog(Template(), parent) {
    MapClicked(IDC_SELECT_ALL, [this] { OnSelectAll(); });
    MapClicked(IDC_INVERT, [this] { OnInvertSelection(); });
    MapCommand(IDC_YEAR, CBN_SELCHANGE, [this] { FillLabList(); });
}

const ui::DialogTemplate& CDlgLabFundTable::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "重点实验室经费表", {0, 0, 228, 261}, {
        {Kind::Static, IDC_STATIC, "选择年份：", {14, 14, 42, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {58, 12, 80, 80}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT},
        {Kind::GroupBox, IDC_STATIC, "输出实验室选择", {7, 32, 214, 200}},
        {Kind::Static, IDC_GRID_PLACE, "", {18, 56, 144, 168}, SS_BLACKFRAME, {}, true},
        {Kind::GroupBox, IDC_STATIC, "实验室代码", {13, 44, 154, 184}},
        {Kind::PushButton, IDC_SELECT_ALL, "全选", {173, 60, 42, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_INVERT, "反选", {173, 80, 42, 14}, WS_TABSTOP},
        {Kind::DefPushButton, IDOK, "确定", {56, 240, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {122, 240, 50, 14}, WS_TABSTOP},
    }};
    return t;
}

BOOL CDlgLabFundTable::OnInitDialog() {
    CReportDialog::OnInitDialog();
    m_wndGrid.CreateOver(*this, IDC_GRID_PLACE, {{"实验室代码", 110}});
    FillYears(IDC_YEAR);
    if (auto* years = Item<ui::ComboBox>(IDC_YEAR)) years->SetCurSel(0);
    FillLabList();
    return TRUE;
}

void CDlgLabFundTable::FillLabList() {
    m_wndGrid.RemoveAll();
    CLabFundQueries queries(m_pConnection, SelectedText(IDC_YEAR));
    for (const std::string& code : queries.ListFundNumbers()) m_wndGrid.AddEntry({code});
    if (queries.Failed()) ShowReportQueryFailure(m_pConnection);
}

void CDlgLabFundTable::OutputExcel() {
    if (m_wndGrid.CheckedRows().empty()) {  // an empty table helps nobody
        ui::MessageBox("请选择要输出的实验室！", "提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    auto excel = StartReportExcel();
    if (!excel) return;

    CLabFundQueries queries(m_pConnection, SelectedText(IDC_YEAR));
    std::vector<LabFundRow> rows;
    for (int row : m_wndGrid.CheckedRows()) rows.push_back(ReadLabFundRow(queries, m_wndGrid.Text(row, 1)));
    if (queries.Failed()) {
        ShowReportQueryFailure(m_pConnection);
        return;
    }

    office::excel::Worksheet sheet = AddReportWorkbook(*excel, "重点实验室经费表.xls");
    if (!sheet.IsValid()) return;
    WriteLabFundSheet(sheet, rows);
    excel->SetVisible(true);
    EndDialog(IDOK);
}
