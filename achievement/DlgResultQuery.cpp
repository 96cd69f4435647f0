#include "achievement/DlgResultQuery.h"

#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"

CDlgResultQuery::CDlgResultQuery(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

const ui::DialogTemplate& CDlgResultQuery::Template() {
    using ui::Kind;
    const DWORD edit = WS_TABSTOP | ES_AUTOHSCROLL;
    static const ui::DialogTemplate t{IDD, "Dialog", {0, 0, 219, 196}, {
        {Kind::GroupBox, IDC_STATIC, "查询条件：", {7, 7, 205, 158}},
        {Kind::Static, IDC_STATIC, "项目类别：", {18, 24, 60, 10}},
        {Kind::ComboBox, IDC_CATEGORY, "", {82, 22, 120, 100}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
         {"全部基金", "一般项目", "重点项目"}},
        {Kind::Static, IDC_STATIC, "项目名称：", {18, 46, 60, 10}},
        {Kind::Edit, IDC_NAME, "", {82, 44, 120, 14}, edit},
        {Kind::Static, IDC_STATIC, "项目编号：", {18, 68, 60, 10}},
        {Kind::Edit, IDC_NUMBER, "", {82, 66, 120, 14}, edit},
        {Kind::Static, IDC_STATIC, "负责人：", {18, 90, 60, 10}},
        {Kind::Edit, IDC_LEADER, "", {82, 88, 120, 14}, edit},
        {Kind::Static, IDC_STATIC, "承研单位：", {18, 112, 60, 10}},
        {Kind::Edit, IDC_UNIT, "", {82, 110, 120, 14}, edit},
        {Kind::Static, IDC_STATIC, "联合承研单位：", {18, 134, 60, 10}},
        {Kind::Edit, IDC_JOINT_UNIT, "", {82, 132, 120, 14}, edit},
        {Kind::DefPushButton, IDOK, "确定", {46, 174, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {124, 174, 50, 14}, WS_TABSTOP},
    }};
    return t;
}

BOOL CDlgResultQuery::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    Item<ui::ComboBox>(IDC_CATEGORY)->SetCurSel(0);
    return TRUE;
}

void CDlgResultQuery::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_NAME, m_fields.name);
    dx.Text(IDC_NUMBER, m_fields.number);
    dx.Text(IDC_LEADER, m_fields.leader);
    dx.Text(IDC_UNIT, m_fields.unit);
    dx.Text(IDC_JOINT_UNIT, m_fields.jointUnit);
}

void CDlgResultQuery::OnOK() {
    if (!UpdateData(TRUE)) return;
    m_fields.category = Item<ui::ComboBox>(IDC_CATEGORY)->GetWindowText();
    m_strSQL = BuildResultQuery(m_fields);
    ui::Dialog::OnOK();
}
