#include "main/DlgDbSetting.h"

#include "foundation/Options.h"
#include "platform/ui/DataExchange.h"

namespace {
constexpr int kDataSource = 1044, kUserId = 1045, kPassword = 1047;
}

CDlgDbSetting::CDlgDbSetting(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

const ui::DialogTemplate& CDlgDbSetting::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "设置", {0, 0, 200, 110}, {
        {Kind::GroupBox, IDC_STATIC, "Oracle数据库", {7, 7, 186, 74}},
        {Kind::Static, IDC_STATIC, "Data Source:", {15, 22, 50, 10}},
        {Kind::Edit, kDataSource, "", {70, 20, 115, 13}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "User ID:", {15, 42, 50, 10}},
        {Kind::Edit, kUserId, "", {70, 40, 115, 13}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "Password:", {15, 62, 50, 10}},
        {Kind::Edit, kPassword, "", {70, 60, 115, 13}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::DefPushButton, IDOK, "确定", {85, 89, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {143, 89, 50, 14}, WS_TABSTOP},
    }};
    return t;
}

void CDlgDbSetting::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(kDataSource, m_strDataSource);
    dx.Text(kUserId, m_strUserId);
    dx.Text(kPassword, m_strPassword);
}

void CDlgDbSetting::OnOK() {
    if (!UpdateData(TRUE)) return;
    COptions options;
    options.SetDataSource(m_strDataSource);
    options.SetDbPassword(m_strPassword);
    options.SetUserId(m_strUserId);
    options.Save();
    ui::Dialog::OnOK();
}
