#include "guide_annual/DlgImportPolicy.h"

#include "guide_annual/AnnualGuideData.h"

namespace annualguide {

const ui::DialogTemplate& CDlgImportPolicy::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "导入提示", {0, 0, 200, 112}, {
        {Kind::GroupBox, IDC_STATIC, "您希望如何处理已存在的记录？", {7, 7, 186, 72}},
        {Kind::RadioButton, IDC_OVERWRITE, "覆盖", {22, 24, 120, 10}, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON},
        {Kind::RadioButton, IDC_KEEP, "保留原纪录", {22, 40, 120, 10}, BS_AUTORADIOBUTTON},
        {Kind::RadioButton, IDC_ASK, "询问后处理", {22, 56, 120, 10}, BS_AUTORADIOBUTTON},
        {Kind::DefPushButton, IDOK, "确定", {40, 88, 50, 14}, WS_TABSTOP | WS_GROUP},
        {Kind::PushButton, IDCANCEL, "取消", {110, 88, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgImportPolicy::CDlgImportPolicy(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

BOOL CDlgImportPolicy::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    const int checked = m_nPolicy == 1 ? IDC_KEEP : m_nPolicy == 2 ? IDC_ASK : IDC_OVERWRITE;
    CheckDlgButton(checked, 1);
    return TRUE;
}

void CDlgImportPolicy::OnOK() {
    m_nPolicy = IsDlgButtonChecked(IDC_KEEP) ? 1 : IsDlgButtonChecked(IDC_ASK) ? 2 : 0;
    ui::Dialog::OnOK();
}

}  // namespace annualguide
