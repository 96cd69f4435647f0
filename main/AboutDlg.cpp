#include "main/AboutDlg.h"

#include "main/Artwork.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Resources.h"

namespace {
constexpr int kIcon = 1001;
}

CAboutDlg::CAboutDlg(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

const ui::DialogTemplate& CAboutDlg::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "About Corvane", {0, 0, 235, 55}, {
        {Kind::Picture, kIcon, "", {11, 17, 20, 20}, SS_ICON},
        {Kind::Static, IDC_STATIC, "Corvane Version 2.0", {40, 17, 119, 8}},
        {Kind::DefPushButton, IDOK, "确定", {178, 7, 50, 14}, WS_TABSTOP | WS_GROUP},
    }};
    return t;
}

BOOL CAboutDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    artwork::RegisterLoginArtwork();
    if (auto* icon = Item<ui::Static>(kIcon)) icon->SetIcon(ui::LoadIcon(artwork::kApplicationIcon));
    return TRUE;
}
