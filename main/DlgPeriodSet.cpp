#include "main/DlgPeriodSet.h"

#include "foundation/Options.h"
#include "main/Period.h"
#include "platform/ui/App.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"

CDlgPeriodSet::CDlgPeriodSet(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    const COptions options;
    m_nCategory = options.GetCategory();
    m_strPeriodRange = options.GetPeriod();
    m_strPeriodName = PeriodNameForRange(m_strPeriodRange);
    MapCommand(IDC_PERIOD, CBN_SELCHANGE, [this] { FillYears(); });
}

const ui::DialogTemplate& CDlgPeriodSet::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "时期设置", {0, 0, 186, 100}, {
        {Kind::Static, IDC_STATIC, "选择时期：", {15, 14, 45, 10}},
        {Kind::ComboBox, IDC_PERIOD, "", {62, 12, 110, 80}, WS_TABSTOP | CBS_DROPDOWNLIST},
        {Kind::Static, IDC_STATIC, "选择年份：", {15, 34, 45, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {62, 32, 110, 80}, WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT},
        {Kind::Static, IDC_STATIC, "选择类别：", {15, 54, 45, 10}},
        {Kind::ComboBox, IDC_CATEGORY, "", {62, 52, 110, 60}, WS_TABSTOP | CBS_DROPDOWNLIST, {"领域基金", "重点实验室"}},
        {Kind::DefPushButton, IDOK, "确定", {62, 78, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {122, 78, 50, 14}, WS_TABSTOP},
    }};
    return t;
}

BOOL CDlgPeriodSet::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    auto* periods = Item<ui::ComboBox>(IDC_PERIOD);
    auto* years = Item<ui::ComboBox>(IDC_YEAR);
    if (!periods || !years) return TRUE;
    m_periodRanges.clear();
    for (const Period& period : AllPeriods()) {
        periods->AddString(period.name);
        m_periodRanges[period.name] = period.range;
    }
    periods->SetCurSel(periods->FindStringExact(-1, m_strPeriodName));
    FillYears();
    m_strStoredYear = COptions().GetYear();
    years->SetCurSel(years->FindStringExact(-1, m_strStoredYear));
    return TRUE;
}

void CDlgPeriodSet::DoDataExchange(ui::DataExchange& dx) { dx.CBIndex(IDC_CATEGORY, m_nCategory); }

void CDlgPeriodSet::FillYears() {
    auto* periods = Item<ui::ComboBox>(IDC_PERIOD);
    auto* years = Item<ui::ComboBox>(IDC_YEAR);
    if (!periods || !years) return;
    years->ResetContent();
    for (const std::string& year : YearsOfRange(m_periodRanges[periods->GetWindowText()])) years->AddString(year);
    years->SetCurSel(0);
}

void CDlgPeriodSet::OnOK() {
    auto* periods = Item<ui::ComboBox>(IDC_PERIOD);
    const int index = periods->GetCurSel();
    m_strPeriodName = periods->GetLBText(index);
    m_strPeriodRange = m_periodRanges[m_strPeriodName];
    if (!UpdateData(TRUE)) return;

    COptions options;  // the record as stored now: other changes are kept
    options.SetPeriod(m_strPeriodRange);
    options.SetYear(GetDlgItemText(IDC_YEAR));
    options.SetCategory(m_nCategory);
    options.Save();

    if (ui::Wnd* main = ui::AfxGetMainWnd()) main->SendMessage(WM_PERIOD_CHANGED, WPARAM(index), 0);
    ui::Dialog::OnOK();
}
