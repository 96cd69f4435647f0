#include "review/DlgYearBar.h"

#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"
#include "review/WorkflowSupport.h"

CDlgYearBar::CDlgYearBar() : ui::Dialog(Template()) {
    MapCommand(IDC_CATEGORY, CBN_SELCHANGE, [this] { OnCategoryChanged(); });
    MapCommand(IDC_YEAR, CBN_SELCHANGE, [this] { OnSelchangeYear(); });
}

const ui::DialogTemplate& CDlgYearBar::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 220, 53}, {
        {Kind::Static, IDC_STATIC, "选择年份：", {7, 10, 62, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {72, 8, 120, 100}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT},
        {Kind::Static, IDC_STATIC, "选择项目类别：", {7, 32, 62, 10}},
        {Kind::ComboBox, IDC_CATEGORY, "", {72, 30, 120, 60}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
         {"专业组", "重点实验室"}},
    }, WS_CHILD};
    return t;
}

BOOL CDlgYearBar::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(workflow::kPanelBackground);
    m_nCategory = m_options.GetCategory();
    UpdateData(FALSE);

    auto* years = Item<ui::ComboBox>(IDC_YEAR);
    years->ResetContent();
    const int first = int(text::Atol(workflow::PublishYear().substr(0, 4)));
    for (int year = first; year < first + 5; ++year) years->AddString(text::Format("%d", year));
    years->SetCurSel(years->FindStringExact(-1, m_options.GetYear()));
    return TRUE;
}

void CDlgYearBar::DoDataExchange(ui::DataExchange& dx) { dx.CBIndex(IDC_CATEGORY, m_nCategory); }

std::string CDlgYearBar::GetYear() {
    auto* years = Item<ui::ComboBox>(IDC_YEAR);
    if (!years) return {};
    const int selected = years->GetCurSel();
    return selected < 0 ? std::string() : years->GetLBText(selected);
}

void CDlgYearBar::OnCategoryChanged() {
    // Before the bar's window exists there is no tree beside it to fill.
    if (m_onChanged && IsWindow()) m_onChanged(GetYear(), GetCategory());
}

int CDlgYearBar::GetCategory() {
    if (IsWindow()) UpdateData(TRUE);
    return m_nCategory;
}
