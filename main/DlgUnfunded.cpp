#include "main/DlgUnfunded.h"

#include "foundation/Options.h"
#include "main/ReportCommon.h"
#include "main/UnfundedReport.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"

CDlgUnfunded::CDlgUnfunded(ui::Wnd* parent) : CReportDialog(Template(), parent) {
    MapClicked(IDC_SELECT_ALL, [this] { OnSelectAll(); });
    MapClicked(IDC_INVERT, [this] { OnInvertSelection(); });
    MapCommand(IDC_YEAR, CBN_SELCHANGE, [this] { FillUnits(); });
    MapCommand(IDC_CATEGORY, CBN_SELCHANGE, [this] { FillUnits(); });
}

const ui::DialogTemplate& CDlgUnfunded::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "未资助项目表", {0, 0, 334, 303}, {
        {Kind::Static, IDC_STATIC, "选择年份:", {14, 14, 40, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {56, 12, 80, 80}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST},
        {Kind::Static, IDC_STATIC, "选择项目类别:", {156, 14, 56, 10}},
        {Kind::ComboBox, IDC_CATEGORY, "", {214, 12, 90, 60}, WS_TABSTOP | CBS_DROPDOWNLIST, {"专业组", "重点实验室"}},
        {Kind::GroupBox, IDC_STATIC, "下发单位选择", {7, 32, 320, 242}},
        {Kind::Static, IDC_GRID_PLACE, "", {18, 56, 252, 210}, SS_BLACKFRAME, {}, true},
        {Kind::GroupBox, IDC_STATIC, "单位代码", {13, 44, 262, 226}},
        {Kind::PushButton, IDC_SELECT_ALL, "全选", {280, 60, 40, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_INVERT, "反选", {280, 80, 40, 14}, WS_TABSTOP},
        {Kind::DefPushButton, IDOK, "确定", {106, 282, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {178, 282, 50, 14}, WS_TABSTOP},
    }};
    return t;
}

BOOL CDlgUnfunded::OnInitDialog() {
    CReportDialog::OnInitDialog();
    const COptions options;
    m_nCategory = options.GetCategory();
    UpdateData(FALSE);
    m_wndGrid.CreateOver(*this, IDC_GRID_PLACE, {{"单位代码", 80}, {"单位名称", 160}});
    FillYears(IDC_YEAR);
    if (auto* years = Item<ui::ComboBox>(IDC_YEAR)) years->SetCurSel(years->FindStringExact(-1, options.GetYear()));
    FillUnits();
    return TRUE;
}

void CDlgUnfunded::DoDataExchange(ui::DataExchange& dx) { dx.CBIndex(IDC_CATEGORY, m_nCategory); }

void CDlgUnfunded::FillUnits() {
    m_wndGrid.RemoveAll();
    UpdateData(TRUE);
    std::vector<UnfundedUnit> units;
    if (!ListUnfundedUnits(m_pConnection, m_nCategory, SelectedText(IDC_YEAR), units))
        ShowReportQueryFailure(m_pConnection);
    for (const UnfundedUnit& unit : units) m_wndGrid.AddEntry({unit.code, unit.name});
}

void CDlgUnfunded::OutputWord() {
    if (m_wndGrid.CheckedRows().empty()) {  // a notice to nobody helps nobody
        ui::MessageBox("请选择要输出的单位！", "提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    UpdateData(TRUE);
    const std::string templatePath = ReportTemplatePath("未获资助通知.doc");
    const std::string year = SelectedText(IDC_YEAR);

    auto word = office::word::Application::Create();
    if (!word) {
        ui::MessageBox("Word服务程序启动失败！", "提示", MB_OK | MB_ICONERROR);
        return;
    }
    std::vector<UnfundedNotice> notices;
    for (int row : m_wndGrid.CheckedRows()) {
        const std::string unit = m_wndGrid.Text(row, 1);
        UnfundedNotice notice{GetUnitName(m_pConnection, unit), {}};
        if (!ListUnfundedProjects(m_pConnection, unit, m_nCategory, year, notice.projects)) {
            ShowReportQueryFailure(m_pConnection);
            return;
        }
        notices.push_back(std::move(notice));
    }
    if (!word->Documents().Add(templatePath, false, 0, true).IsValid()) {
        ShowTemplateFailure(templatePath);
        return;
    }
    TypeUnfundedNotices(*word, templatePath, notices);
    word->SetVisible(true);
    EndDialog(IDOK);
}
