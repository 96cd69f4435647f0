#include "main/DlgLogin.h"

#include <QWidget>

#include "foundation/Options.h"
#include "main/Artwork.h"
#include "main/CurrentUser.h"
#include "main/DlgDbSetting.h"
#include "main/FrameLayout.h"
#include "main/Login.h"
#include "platform/ui/DC.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Services.h"

CDlgLogin::CDlgLogin(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapClicked(IDC_SETTINGS, [this] { OnSettings(); });
}

const ui::DialogTemplate& CDlgLogin::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 284, 186}, {
        {Kind::Static, IDC_STATIC, "用户名称：", {62, 96, 45, 10}},
        {Kind::Edit, IDC_USER, "", {110, 94, 110, 13}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "用户密码：", {62, 116, 45, 10}},
        {Kind::Edit, IDC_PASSWORD, "", {110, 114, 110, 13}, WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD},
        {Kind::DefPushButton, IDOK, "登录", {88, 142, 50, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_SETTINGS, "设置", {148, 142, 50, 16}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "×", {266, 3, 14, 12}, WS_TABSTOP},
    }, WS_POPUP, "宋体", 10};
    return t;
}

BOOL CDlgLogin::OnInitDialog() {
    artwork::RegisterMainArtwork();
    ui::Dialog::OnInitDialog();
    if (QWidget* window = GetWidget()) window->setWindowFlag(Qt::FramelessWindowHint);
    SetOwnerDraw(true);  // the background picture
    if (ui::Wnd* user = GetDlgItem(IDC_USER)) user->SetFocus();
    return FALSE;  // the focus is set
}

void CDlgLogin::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_USER, m_strUser);
    dx.Text(IDC_PASSWORD, m_strPassword);
}

void CDlgLogin::OnPaint(ui::DC& dc) { dc.StretchBitmap(ui::LoadBitmap(artwork::kLoginBackground), GetClientRect()); }

std::optional<ui::CtlColor> CDlgLogin::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_STATIC) return ui::CtlColor{std::nullopt, std::nullopt, true};
    return std::nullopt;
}

void CDlgLogin::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (m_strUser.empty()) {
        ui::MessageBox("请输入用户名！", kProductTitle);
        GetDlgItem(IDC_USER)->SetFocus();
        return;
    }
    if (m_strPassword.empty()) {
        ui::MessageBox("请输入密码！", kProductTitle);
        GetDlgItem(IDC_PASSWORD)->SetFocus();
        return;
    }
    const int role = CheckUser(m_strUser, m_strPassword);
    if (role == -1) {
        ui::MessageBox("用户名或密码错误!", kProductTitle);
        return;
    }
    UserRole = role;
    RememberLogin(m_strUser, role);
    ui::Dialog::OnOK();
}

int CDlgLogin::CheckUser(const std::string& user, const std::string& password) {
    const LoginMatch match = LookUpUser(user, password);
    if (match.outcome == LoginLookup::NoDatabase) {
        ui::AfxMessageBox("连接数据库失败！");
        return -1;
    }
    if (match.outcome != LoginLookup::Found) return -1;
    g_strUserName = user;
    return match.role;
}

void CDlgLogin::OnSettings() {
    CDlgDbSetting settings(this);
    {
        const COptions options;
        settings.m_strDataSource = options.GetDataSource();
        settings.m_strPassword = options.GetDbPassword();
        settings.m_strUserId = options.GetUserId();
    }
    settings.DoModal();
}
