#include "review/DlgFirstSelect.h"

#include "review/WorkflowSupport.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"

const ui::DialogTemplate& CDlgFirstSelect::Template() {
    using ui::Kind;
    constexpr DWORD kList = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 220, 79}, {
        {Kind::Static, IDC_STATIC, "选择年份：", {8, 10, 64, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {76, 8, 136, 100}, kList | CBS_SORT},
        {Kind::Static, IDC_STATIC, "选择项目类别：", {8, 33, 64, 10}},
        {Kind::ComboBox, IDC_CATEGORY, "", {76, 31, 136, 100}, kList, {"专业组", "重点实验室"}},
        {Kind::Static, IDC_STATIC, "筛选条件：", {8, 56, 64, 10}},
        {Kind::ComboBox, IDC_FILTER, "", {76, 54, 136, 100}, kList,
         {"所有项目", "所有正确项目", "指南代码错误", "项目类别错误", "不在发布单位之列"}},
    }, WS_CHILD};
    return tpl;
}

CDlgFirstSelect::CDlgFirstSelect() : ui::Dialog(Template(), nullptr) {
    MapCommand(IDC_CATEGORY, CBN_SELCHANGE, [this] { OnSelchangeCategory(); });
    MapCommand(IDC_YEAR, CBN_SELCHANGE, [this] { RefreshLists(); });
    MapCommand(IDC_FILTER, CBN_SELCHANGE, [this] { OnSelchangeFilter(); });
}

void CDlgFirstSelect::DoDataExchange(ui::DataExchange& dx) {
    dx.CBIndex(IDC_CATEGORY, m_nCategory);
    dx.CBIndex(IDC_FILTER, m_nFilter);
}

BOOL CDlgFirstSelect::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(workflow::kPanelBackground);
    m_nCategory = m_options.GetCategory();
    m_nFilter = 0;
    UpdateData(FALSE);
    auto* years = Item<ui::ComboBox>(IDC_YEAR);
    years->ResetContent();
    const long first = text::Atol(workflow::PublishYear().substr(0, 4));
    for (long year = first; year < first + 5; ++year) years->AddString(text::Format("%ld", year));
    years->SetCurSel(years->FindStringExact(-1, m_options.GetYear()));
    return TRUE;
}

std::string CDlgFirstSelect::GetYear() const { return GetDlgItemText(IDC_YEAR); }

void CDlgFirstSelect::RefreshLists() {
    if (m_onRefresh) m_onRefresh();
}

void CDlgFirstSelect::OnSelchangeCategory() {
    UpdateData(TRUE);
    if (m_onCategoryChanged) m_onCategoryChanged(m_nCategory != 0 ? 1 : 0);
}

void CDlgFirstSelect::OnSelchangeFilter() {
    UpdateData(TRUE);
    RefreshLists();
}
