#include "achievement/DlgSelectResult.h"

#include "achievement/ResultChangeRecord.h"

#include "application/ApplicationDb.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/RecordTexts.h"
#include "foundation/Sql.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

CDlgSelectResult::CDlgSelectResult(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapNotify(IDC_LIST, NM_CLICK, [this](const ui::NotifyInfo&) { OnClickList(List().GetSelectionMark()); });
}

const ui::DialogTemplate& CDlgSelectResult::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "新增", {0, 0, 280, 262}, {
        {Kind::Static, IDC_STATIC, "选择一个项目：", {7, 7, 80, 10}},
        {Kind::ListCtrl, IDC_LIST, "", {7, 19, 266, 170}, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                                                           LVS_SHOWSELALWAYS},
        {Kind::Static, IDC_STATIC, "或输入项目编号：", {7, 199, 70, 10}},
        {Kind::Edit, IDC_XMBH, "", {80, 197, 193, 14}, WS_TABSTOP | ES_AUTOHSCROLL | ES_UPPERCASE},
        {Kind::Static, IDC_STATIC, "项目名称：", {7, 219, 70, 10}},
        {Kind::Edit, IDC_XMMC, "", {80, 217, 193, 14}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::DefPushButton, IDOK, "确定", {80, 241, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {150, 241, 50, 14}, WS_TABSTOP},
    }};
    return t;
}

ui::ListCtrl& CDlgSelectResult::List() const { return *Item<ui::ListCtrl>(IDC_LIST); }

BOOL CDlgSelectResult::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    ui::ListCtrl& list = List();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    // A first column cannot be centred: a dummy one goes first and is removed.
    list.InsertColumn(0, "dummy", LVCFMT_CENTER, 50);
    list.InsertColumn(1, "序号", LVCFMT_CENTER, 40);
    list.InsertColumn(2, "项目名称", LVCFMT_CENTER, 150);
    list.InsertColumn(3, "项目编号", LVCFMT_CENTER, 180);
    list.DeleteColumn(0);
    m_strSQL = resultchange::ChooserQuery();
    FillList();
    return TRUE;
}

void CDlgSelectResult::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_XMBH, m_strXMBH);
    dx.Text(IDC_XMMC, m_strXMMC);
}

void CDlgSelectResult::FillList() {
    if (!m_pConnection) return;
    CAdoRecordSet rs;
    appdb::Bind(rs, *m_pConnection);
    if (!rs.Open(m_strSQL)) return;
    RowTexts rows = ReadRowTexts(rs, {"xmmc", "xmbh"});
    NumberRows(rows);
    List().AppendRows(rows);
}

void CDlgSelectResult::OnClickList(int item) {
    if (item < 0) return;
    m_strXMBH = List().GetItemText(item, 2);
    // A failed lookup keeps the name shown before.
    if (m_pConnection) resultchange::ProjectName(*m_pConnection, m_strXMBH, m_strXMMC);
    SetDlgItemText(IDC_XMBH, m_strXMBH);
    SetDlgItemText(IDC_XMMC, m_strXMMC);
}

void CDlgSelectResult::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (m_strXMBH.empty()) {
        ui::MessageBox("尚未选择或输入单位代码！", "系统提示", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (m_strXMMC.empty()) {
        ui::MessageBox("尚未输入单位名称！", "系统提示", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ui::Dialog::OnOK();
}
