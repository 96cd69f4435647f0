#include "sysmanage/DlgLabInfo.h"

#include "platform/text/Text.h"
#include "platform/ui/Edit.h"

namespace {

using C = CDlgLabInfo;

// In the order the columns are written.
const std::vector<EditorField>& Fields() {
    static const std::vector<EditorField> fields = {
        {C::IDC_SYSDM, "sysdm", true, kLettersAndDigits, 7},
        {C::IDC_SYSQC, "sysqc", true},
        {C::IDC_SYSDWMC, "sysdwmc"},
        {C::IDC_YTDW, "ytdw", true},
        {C::IDC_LXR, "lxr", true},
        {C::IDC_DH, "dh", true, kTelephoneChars, 20},
        {C::IDC_SJ, "sj", false, kDigits, 11},
        {C::IDC_TXDZ, "txdz"},
        {C::IDC_YB, "yb", false, kDigits, 6},
        {C::IDC_SF, "sf"},
        {C::IDC_S, "s"},
        {C::IDC_KHDW, "khdw"},
        {C::IDC_KHH, "khh"},
        {C::IDC_ZH, "zh", false, "1234567890-", 30},
    };
    return fields;
}

}  // namespace

const ui::DialogTemplate& CDlgLabInfo::Template() {
    using ui::Kind;
    constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL;
    // Two columns of seven rows; x of the labels and boxes, y of the rows.
    constexpr int kLeftLabel = 15, kLeftBox = 90, kRightLabel = 200, kRightBox = 262;
    auto y = [](int row) { return 22 + 18 * row; };
    static const ui::DialogTemplate tpl{IDD, "实验室信息管理", {0, 0, 380, 177}, {
        {Kind::GroupBox, IDC_STATIC, "实验室详细信息", {7, 7, 366, 140}},
        {Kind::Static, IDC_STATIC, "实验室代码(必填)：", {kLeftLabel, y(0) + 2, 72, 10}},
        {Kind::Edit, IDC_SYSDM, "", {kLeftBox, y(0), 100, 13}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, "实验室全称(必填)：", {kLeftLabel, y(1) + 2, 72, 10}},
        {Kind::Edit, IDC_SYSQC, "", {kLeftBox, y(1), 100, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "实验室对外名称：", {kLeftLabel, y(2) + 2, 72, 10}},
        {Kind::Edit, IDC_SYSDWMC, "", {kLeftBox, y(2), 100, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "主依托单位(必填)：", {kLeftLabel, y(3) + 2, 72, 10}},
        {Kind::Edit, IDC_YTDW, "", {kLeftBox, y(3), 100, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "联系人(必填)：", {kLeftLabel, y(4) + 2, 72, 10}},
        {Kind::Edit, IDC_LXR, "", {kLeftBox, y(4), 100, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "固定电话(必填)：", {kLeftLabel, y(5) + 2, 72, 10}},
        {Kind::Edit, IDC_DH, "", {kLeftBox, y(5), 100, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "手机：", {kLeftLabel, y(6) + 2, 72, 10}},
        {Kind::Edit, IDC_SJ, "", {kLeftBox, y(6), 100, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "邮编：", {kRightLabel, y(0) + 2, 60, 10}},
        {Kind::Edit, IDC_YB, "", {kRightBox, y(0), 100, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "通信地址：", {kRightLabel, y(1) + 2, 60, 10}},
        {Kind::Edit, IDC_TXDZ, "", {kRightBox, y(1), 100, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "省：", {kRightLabel, y(2) + 2, 60, 10}},
        {Kind::Edit, IDC_SF, "", {kRightBox, y(2), 100, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "市：", {kRightLabel, y(3) + 2, 60, 10}},
        {Kind::Edit, IDC_S, "", {kRightBox, y(3), 100, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "开户单位：", {kRightLabel, y(4) + 2, 60, 10}},
        {Kind::Edit, IDC_KHDW, "", {kRightBox, y(4), 100, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "开户行：", {kRightLabel, y(5) + 2, 60, 10}},
        {Kind::Edit, IDC_KHH, "", {kRightBox, y(5), 100, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "开户账号：", {kRightLabel, y(6) + 2, 60, 10}},
        {Kind::Edit, IDC_ZH, "", {kRightBox, y(6), 100, 13}, kEdit},
        {Kind::DefPushButton, IDOK, "保存", {130, 156, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {200, 156, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgLabInfo::CDlgLabInfo(ui::Wnd* parent) : CRecordEditor(Template(), "corvane_lab", Fields(), parent) {}

BOOL CDlgLabInfo::OnInitDialog() {
    CRecordEditor::OnInitDialog();
    if (m_strKey.empty()) Item<ui::Edit>(IDC_SYSDM)->SetReadOnly(FALSE);
    else LoadLab();
    return TRUE;
}

void CDlgLabInfo::LoadLab() {
    LoadRecord("sysdm", m_strKey);
    m_pRecordSet->Close();
}

void CDlgLabInfo::OnOK() {
    SaveKeyed({"请将必填项填写完整", "该实验室信息已存在，是否覆盖？", "实验室信息保存成功！",
               "实验室信息插入失败！", "实验室信息更新成功！", "实验室信息更新失败！"});
}
