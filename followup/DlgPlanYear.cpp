#include "followup/DlgPlanYear.h"

namespace {

constexpr COLORREF kPageBackground = RGB(242, 246, 255);
constexpr DWORD kRichStyle = WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

}  // namespace

ui::DialogTemplate CDlgPlanYear::MakeTemplate(const Ids& ids) {
    using ui::Kind;
    return ui::DialogTemplate{ids.idd, "", {0, 0, 590, 200}, {
        {Kind::Static, IDC_STATIC, "年度经费：", {5, 7, 42, 10}},
        {Kind::Edit, ids.funding, "", {48, 5, 60, 12}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "万元", {111, 7, 20, 10}},
        {Kind::Static, IDC_STATIC, "进度要求：", {140, 7, 42, 10}},
        {Kind::Edit, ids.schedule, "", {183, 5, 400, 12}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "年度研究目标与内容：", {5, 23, 100, 10}},
        {Kind::RichEdit, ids.goals, "", {5, 34, 286, 112}, kRichStyle},
        {Kind::Static, IDC_STATIC, "年度完成形式：", {297, 23, 100, 10}},
        {Kind::RichEdit, ids.completion, "", {297, 34, 286, 112}, kRichStyle},
        {Kind::Static, IDC_STATIC, "备注：", {5, 152, 40, 10}},
        {Kind::RichEdit, ids.remark, "", {5, 163, 578, 32}, kRichStyle},
    }, WS_CHILD};
}

CDlgPlanYear::CDlgPlanYear(const Ids& ids) : ui::Dialog(MakeTemplate(ids), nullptr), m_ids(ids) {}

BOOL CDlgPlanYear::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kPageBackground);
    m_editFunding.SubclassDlgItem(m_ids.funding, this);
    m_editFunding.DisableMask();
    m_editFunding.SetValidChars(kFundingChars);
    m_editFunding.LimitText(kFundingLength);
    m_richGoals.SubclassDlgItem(m_ids.goals, this);
    m_richCompletion.SubclassDlgItem(m_ids.completion, this);
    return TRUE;
}

void CDlgPlanYear::Clear() {
    SetDlgItemText(m_ids.funding, "");
    SetDlgItemText(m_ids.schedule, "");
    m_richGoals.SetWindowText("");
    m_richCompletion.SetWindowText("");
}
