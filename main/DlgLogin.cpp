#include "main/DlgLogin.h"

#include <QWidget>

#include "foundation/Options.h"
#include "main/Artwork.h"
#include "main/CurrentUser.h"
#include "main/DlgDbSetting.h"
#include "main/FrameLayout.h"
#include "main/Login.h"
#include "platform/ado/ErrorLog.h"
#include "platform/ui/DC.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Services.h"

namespace {
// The faces have their own transparency; no colour of them is keyed out.
constexpr COLORREF kNoTransparentColour = RGB(255, 0, 255);
}  // namespace

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
        // The button faces carry their labels.
        {Kind::DefPushButton, IDOK, "", {88, 142, 50, 16}, WS_TABSTOP | BS_OWNERDRAW},
        {Kind::PushButton, IDC_SETTINGS, "", {148, 142, 50, 16}, WS_TABSTOP | BS_OWNERDRAW},
        {Kind::PushButton, IDCANCEL, "", {266, 3, 12, 10}, WS_TABSTOP | BS_OWNERDRAW},
    }, WS_POPUP, "宋体", 10};
    return t;
}

BOOL CDlgLogin::OnInitDialog() {
    artwork::RegisterLoginArtwork();
    ui::Dialog::OnInitDialog();
    if (QWidget* window = GetWidget()) window->setWindowFlag(Qt::FramelessWindowHint);
    SetOwnerDraw(true);  // the background picture
    // Each face: pressed (pointer over it) and normal, on a transparent ground.
    const struct {
        CButtonST& button;
        int pressed, normal;
    } faces[] = {{m_btnOK, 198, 195}, {m_btnCancel, 196, 197}, {m_btnSettings, 201, 202}};
    for (const auto& face : faces) {
        face.button.SetBitmaps(face.pressed, kNoTransparentColour, face.normal, kNoTransparentColour);
        face.button.DrawBorder(FALSE);
        face.button.DrawTransparent();
    }
    if (ui::Wnd* user = GetDlgItem(IDC_USER)) user->SetFocus();
    return FALSE;  // the focus is set
}

void CDlgLogin::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDOK, m_btnOK);
    dx.Control(IDCANCEL, m_btnCancel);
    dx.Control(IDC_SETTINGS, m_btnSettings);
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
    ado::SetErrorLogUser(user);
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
