#include "sysmanage/DlgSpecGroupInfo.h"

#include "platform/text/Text.h"
#include "platform/ui/Edit.h"

namespace {

using C = CDlgSpecGroupInfo;

const std::vector<EditorField>& Fields() {
    static const std::vector<EditorField> fields = {
        {C::IDC_JJBH, "JJBH", true, nullptr, 7},
        {C::IDC_ZYZMC, "ZYZMC", true},
        {C::IDC_YTDW, "YTDW", true},
        {C::IDC_LXR, "LXR", true},
        {C::IDC_DH, "DH", true, kTelephoneChars, 20},
        {C::IDC_SJ, "SJ", true, kDigits, 11},
    };
    return fields;
}

}  // namespace

const ui::DialogTemplate& CDlgSpecGroupInfo::Template() {
    using ui::Kind;
    constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL;
    static const ui::DialogTemplate tpl{IDD, "专业组信息管理", {0, 0, 250, 168}, {
        {Kind::GroupBox, IDC_STATIC, "专业组信息", {7, 7, 236, 128}},
        {Kind::Static, IDC_STATIC, "基金编号：", {20, 24, 60, 10}},
        {Kind::Edit, IDC_JJBH, "", {85, 22, 140, 13}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, "专业组名称：", {20, 42, 60, 10}},
        {Kind::Edit, IDC_ZYZMC, "", {85, 40, 140, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "挂靠单位：", {20, 60, 60, 10}},
        {Kind::Edit, IDC_YTDW, "", {85, 58, 140, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "联系人：", {20, 78, 60, 10}},
        {Kind::Edit, IDC_LXR, "", {85, 76, 140, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "电话：", {20, 96, 60, 10}},
        {Kind::Edit, IDC_DH, "", {85, 94, 140, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "手机：", {20, 114, 60, 10}},
        {Kind::Edit, IDC_SJ, "", {85, 112, 140, 13}, kEdit},
        {Kind::DefPushButton, IDOK, "保存", {70, 145, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {130, 145, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgSpecGroupInfo::CDlgSpecGroupInfo(ui::Wnd* parent) : CRecordEditor(Template(), "corvane_specgroup", Fields(), parent) {}

BOOL CDlgSpecGroupInfo::OnInitDialog() {
    CRecordEditor::OnInitDialog();
    if (m_strKey.empty()) Item<ui::Edit>(IDC_JJBH)->SetReadOnly(FALSE);
    else LoadSpecGroup();
    return TRUE;
}

void CDlgSpecGroupInfo::LoadSpecGroup() {
    LoadRecord("jjbh", m_strKey);
    m_pRecordSet->Close();
}

void CDlgSpecGroupInfo::OnOK() {
    SaveKeyed({"所有项都是必填项", "该专业组信息已存在，是否覆盖？", "专业组信息保存成功！",
               "专业组信息写入失败！", "专业组信息更新成功！", "专业组信息更新失败！"});
}
