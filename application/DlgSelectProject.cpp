#include "application/DlgSelectProject.h"

#include "application/ApplicationStore.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/RecordTexts.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

CDlgSelectProject::CDlgSelectProject(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapNotify(IDC_LIST, NM_CLICK, [this](const ui::NotifyInfo& info) { OnClickList(info.item); });
}

const ui::DialogTemplate& CDlgSelectProject::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "新增", {0, 0, 260, 240}, {
        {Kind::Static, IDC_STATIC, "选择一个项目：", {7, 7, 80, 10}},
        {Kind::ListCtrl, IDC_LIST, "", {7, 19, 246, 150}, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                                                           LVS_SHOWSELALWAYS},
        {Kind::Static, IDC_STATIC, "或输入项目编号：", {7, 179, 70, 10}},
        {Kind::Edit, IDC_XMBH, "", {80, 177, 173, 14}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "项目名称：", {7, 199, 70, 10}},
        {Kind::Edit, IDC_XMMC, "", {80, 197, 173, 14}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::DefPushButton, IDOK, "确定", {70, 219, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {140, 219, 50, 14}, WS_TABSTOP},
    }};
    return t;
}

ui::ListCtrl& CDlgSelectProject::List() const { return *Item<ui::ListCtrl>(IDC_LIST); }

BOOL CDlgSelectProject::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    ui::ListCtrl& list = List();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    // A first column cannot be centred: a dummy one goes first and is removed.
    list.InsertColumn(0, "", LVCFMT_LEFT, 10);
    list.InsertColumn(1, "序号", LVCFMT_CENTER, 40);
    list.InsertColumn(2, "项目编号", LVCFMT_LEFT, 150);
    list.InsertColumn(3, "项目类别", LVCFMT_LEFT, 180);
    list.DeleteColumn(0);
    m_strSQL = appstore::ChooserQuery();
    FillList();
    return TRUE;
}

void CDlgSelectProject::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_XMBH, m_strXMBH);
    dx.Text(IDC_XMMC, m_strXMMC);
}

void CDlgSelectProject::FillList() {
    CAdoRecordSet rs;
    rs.SetConnection(m_pConnection);
    rs.SetCursorLocation(adUseClient);
    if (!rs.Open(m_strSQL)) return;
    RowTexts rows = ReadRowTexts(rs, {"xmbh", "xmlb"});
    NumberRows(rows);
    List().AppendRows(rows);
}

void CDlgSelectProject::OnClickList(int item) {
    if (item < 0) return;
    m_strXMBH = List().GetItemText(item, 1);
    m_strXMMC.clear();
    if (m_pConnection) appstore::ReadName(*m_pConnection, m_strXMBH, m_strXMMC);
    SetDlgItemText(IDC_XMBH, m_strXMBH);
    SetDlgItemText(IDC_XMMC, m_strXMMC);
}

void CDlgSelectProject::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (m_strXMBH.empty()) {
        ui::MessageBox("尚未选择或输入项目编号！", "系统提示", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (m_strXMMC.empty()) {
        ui::MessageBox("尚未输入项目名称！", "系统提示", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ui::Dialog::OnOK();
}
