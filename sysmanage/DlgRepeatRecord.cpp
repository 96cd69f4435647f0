#include "sysmanage/DlgRepeatRecord.h"

#include "platform/ui/DataExchange.h"
#include "sysmanage/ManageCommon.h"

const ui::DialogTemplate& CDlgRepeatRecord::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "重复记录", {0, 0, 200, 106}, {
        {Kind::GroupBox, IDC_STATIC, "请选择出现重复记录时的解决方案：", {7, 7, 186, 66}},
        {Kind::RadioButton, IDC_OVERWRITE, "覆盖原记录", {24, 22, 120, 12}, WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON},
        {Kind::RadioButton, IDC_KEEP, "保留原记录", {24, 38, 120, 12}, BS_AUTORADIOBUTTON},
        {Kind::RadioButton, IDC_ASK, "询问后处理", {24, 54, 120, 12}, BS_AUTORADIOBUTTON},
        {Kind::DefPushButton, IDOK, "确定", {42, 83, 50, 14}, WS_GROUP | WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {108, 83, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgRepeatRecord::CDlgRepeatRecord(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

BOOL CDlgRepeatRecord::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    StandardDialogSetUp(*this);
    return TRUE;
}

void CDlgRepeatRecord::DoDataExchange(ui::DataExchange& dx) { dx.Radio(IDC_OVERWRITE, m_nPolicy); }

namespace sysmanage {

bool ChooseDuplicatePolicy(DuplicatePolicy& policy, ui::Wnd* parent) {
    CDlgRepeatRecord prompt(parent);
    prompt.m_nPolicy = Overwrite;
    if (prompt.DoModal() != IDOK) return false;
    if (prompt.m_nPolicy < Overwrite || prompt.m_nPolicy > AskEach) return false;
    policy = DuplicatePolicy(prompt.m_nPolicy);
    return true;
}

bool ShouldOverwrite(DuplicatePolicy policy, const std::string& question, UINT icon) {
    switch (policy) {
    case Overwrite: return true;
    case KeepExisting: return false;
    case AskEach: return Prompt(question, icon, MB_YESNO) == IDYES;
    }
    return false;
}

}  // namespace sysmanage
