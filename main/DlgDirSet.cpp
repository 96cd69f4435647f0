#include "main/DlgDirSet.h"

#include "main/Folders.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace {

const DirSetKind kAppDir{CDlgAppDirSet::IDD, "请选择申请书保存目录：", "请选择项目申请书保存路径",
                         &COptions::GetAppDir, &COptions::SetAppDir};
const DirSetKind kProgressDir{CDlgProgressDirSet::IDD, "请选择阶段进展报告保存目录：",
                              "请选择项目阶段进展报告保存路径", &COptions::GetProgressDir,
                              &COptions::SetProgressDir};
const DirSetKind kAcceptDir{CDlgAcceptDirSet::IDD, "请选择验收总结报告保存目录：",
                            "请选择项目验收总结报告保存路径", &COptions::GetAcceptDir, &COptions::SetAcceptDir};

ui::DialogTemplate DirSetTemplate(const DirSetKind& kind) {
    using ui::Kind;
    return {kind.idd, "目录设置", {0, 0, 250, 80}, {
        {Kind::Static, IDC_STATIC, kind.label, {10, 10, 230, 10}},
        {Kind::Edit, CDlgDirSet::IDC_FOLDER, "", {10, 24, 180, 13}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::PushButton, CDlgDirSet::IDC_BROWSE, "浏览...", {195, 23, 45, 15}, WS_TABSTOP},
        {Kind::DefPushButton, IDOK, "确定", {130, 56, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {190, 56, 50, 14}, WS_TABSTOP},
    }};
}

}  // namespace

CDlgDirSet::CDlgDirSet(const DirSetKind& kind, ui::Wnd* parent)
    : ui::Dialog(DirSetTemplate(kind), parent), m_kind(kind) {
    MapClicked(IDC_BROWSE, [this] { OnBrowse(); });
}

BOOL CDlgDirSet::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    SetDlgItemText(IDC_FOLDER, (m_options.*m_kind.get)());
    return TRUE;
}

void CDlgDirSet::OnBrowse() {
    const std::string folder = ui::BrowseForFolder(m_kind.browseTitle);
    if (!folder.empty()) SetDlgItemText(IDC_FOLDER, WithTrailingSeparator(folder));
}

void CDlgDirSet::OnOK() {
    // An emptied edit gives the folder back to its default, never the root.
    const std::string folder = text::Trim(GetDlgItemText(IDC_FOLDER));
    (m_options.*m_kind.set)(folder.empty() ? std::string() : WithTrailingSeparator(folder));
    m_options.Save();
    ui::Dialog::OnOK();
}

CDlgAppDirSet::CDlgAppDirSet(ui::Wnd* parent) : CDlgDirSet(kAppDir, parent) {}
CDlgProgressDirSet::CDlgProgressDirSet(ui::Wnd* parent) : CDlgDirSet(kProgressDir, parent) {}
CDlgAcceptDirSet::CDlgAcceptDirSet(ui::Wnd* parent) : CDlgDirSet(kAcceptDir, parent) {}
