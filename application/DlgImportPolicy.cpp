#include "application/DlgImportPolicy.h"

const ui::DialogTemplate& CDlgImportPolicy::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "导入", {0, 0, 236, 111}, {
        {Kind::GroupBox, IDC_STATIC, "您希望如何处理已存在的记录？", {7, 7, 222, 65}},
        {Kind::RadioButton, IDC_RADIO_OVERWRITE, "覆盖更新", {25, 38, 48, 10}, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON},
        {Kind::RadioButton, IDC_RADIO_KEEP, "保留原纪录", {93, 38, 56, 10}, BS_AUTORADIOBUTTON},
        {Kind::RadioButton, IDC_RADIO_ASK, "询问后处理", {163, 38, 56, 10}, BS_AUTORADIOBUTTON},
        {Kind::PushButton, IDC_BTN_OK, "确定", {49, 90, 50, 14}, WS_TABSTOP | WS_GROUP},
        {Kind::PushButton, IDCANCEL, "取消", {135, 90, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgImportPolicy::CDlgImportPolicy(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapClicked(IDC_BTN_OK, [this] { OnBtnOk(); });
}

BOOL CDlgImportPolicy::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    const int selected = m_nPolicy == duplicate_policy::KeepExisting ? IDC_RADIO_KEEP
                         : m_nPolicy == duplicate_policy::AskEach    ? IDC_RADIO_ASK
                                                                     : IDC_RADIO_OVERWRITE;
    CheckDlgButton(selected, 1);
    return TRUE;
}

void CDlgImportPolicy::OnBtnOk() {
    m_nPolicy = IsDlgButtonChecked(IDC_RADIO_KEEP)  ? duplicate_policy::KeepExisting
                : IsDlgButtonChecked(IDC_RADIO_ASK) ? duplicate_policy::AskEach
                                                    : duplicate_policy::Overwrite;
    EndDialog(IDOK);
}
