#include "sysmanage/DlgModifyPassword.h"

#include "foundation/Transaction.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Password.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"
#include "sysmanage/ManageCommon.h"
#include "sysmanage/MasterDataStore.h"

const ui::DialogTemplate& CDlgModifyPassword::Template() {
    using ui::Kind;
    constexpr DWORD kPasswordBox = WS_TABSTOP | WS_BORDER | ES_PASSWORD | ES_AUTOHSCROLL;
    static const ui::DialogTemplate tpl{IDD, "登录密码修改", {0, 0, 200, 110}, {
        {Kind::GroupBox, IDC_STATIC, "设置新密码", {7, 7, 186, 72}},
        {Kind::Static, IDC_STATIC, "旧密码：", {18, 23, 52, 10}, SS_RIGHT},
        {Kind::Edit, IDC_OLD, "", {74, 21, 106, 13}, kPasswordBox},
        {Kind::Static, IDC_STATIC, "新密码：", {18, 41, 52, 10}, SS_RIGHT},
        {Kind::Edit, IDC_NEW, "", {74, 39, 106, 13}, kPasswordBox},
        {Kind::Static, IDC_STATIC, "确认新密码：", {18, 59, 52, 10}, SS_RIGHT},
        {Kind::Edit, IDC_CONFIRM, "", {74, 57, 106, 13}, kPasswordBox},
        {Kind::DefPushButton, IDOK, "确定", {42, 88, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {108, 88, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgModifyPassword::CDlgModifyPassword(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

BOOL CDlgModifyPassword::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    StandardDialogSetUp(*this);
    return TRUE;
}

void CDlgModifyPassword::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_OLD, m_strOld);
    dx.Text(IDC_NEW, m_strNew);
    dx.Text(IDC_CONFIRM, m_strConfirm);
}

void CDlgModifyPassword::OnOK() {
    if (!UpdateData(TRUE)) return;
    CAdoConnection connection;
    if (!ConnectDatabase(connection, kProjectDatabase)) {
        ui::AfxMessageBox(kConnectFailed);
        return;
    }
    CAdoRecordSet users;
    BindRecordset(users, connection);
    if (!masterstore::OpenUser(users, CurrentUserName()) ||
        users.IsEOF()) {
        Prompt("找不到当前登录用户，密码未修改！", MB_ICONSTOP);
        return;
    }
    std::string stored;
    users.GetString("YHMM", stored);
    if (!password::Matches(stored, m_strOld)) {
        Prompt("旧密码错误！");
        return;
    }
    if (m_strNew != m_strConfirm) {
        Prompt("新密码输入不一致！");
        return;
    }
    // An empty password would be stored as null, which no login can match.
    if (m_strNew.empty()) {
        Prompt("新密码不能为空！");
        return;
    }
    // The column held the password itself before passwords were hashed: a
    // longer one is still refused.
    const std::string hashed = password::IsTooLong(m_strNew) ? "" : password::Hash(m_strNew);
    db::Transaction transaction(connection);
    if (hashed.empty() || !transaction.Began() || !users.SetString("YHMM", hashed) || !users.Update() ||
        !transaction.Commit()) {
        users.CancelUpdate();
        transaction.Rollback();
        Prompt(db::FailureMessage(connection, "密码修改失败！"), MB_ICONSTOP);
        return;
    }
    Prompt("密码修改成功！");
    EndDialog(IDOK);
}
