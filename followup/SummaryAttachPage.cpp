#include "followup/SummaryAttachPage.h"

#include <filesystem>
#include <system_error>

#include "followup/SummaryStore.h"
#include "foundation/FileMessages.h"
#include "foundation/Options.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Services.h"

namespace {

constexpr int kFundOfficeRole = 2;
constexpr const char* kCaption = "系统提示";
constexpr const char* kAnyFile = "附件(*.*)|*.*||";

}  // namespace

CSummaryAttachPage::CSummaryAttachPage(followup::SummaryKind kind, ui::Wnd* parent)
    : ui::Dialog(Template(kind), parent), m_kind(kind) {
    MapClicked(IDC_BTN_ADD, [this] { OnBtnAdd(); });
    MapClicked(IDC_BTN_EXTRACT, [this] { OnBtnExtract(); });
    MapClicked(IDC_BTN_DELETE, [this] { OnBtnDelete(); });
    MapClicked(IDC_BTN_OPEN_FOLDER, [this] { OnBtnOpenFolder(); });
    MapClicked(IDC_BTN_ADD_TO_FOLDER, [this] { OnBtnAddToFolder(); });
}

const ui::DialogTemplate& CSummaryAttachPage::Template(followup::SummaryKind kind) {
    using ui::Kind;
    auto make = [](followup::SummaryKind kind) {
        const followup::SummaryTraits& traits = followup::Traits(kind);
        ui::DialogTemplate t{traits.attachId, "", {0, 0, 673, traits.hasIndicators ? 156 : 148}, {
            {Kind::Static, IDC_STATIC, "项目编号：", {10, 10, 48, 10}},
            {Kind::Edit, IDC_XMBH, "", {60, 8, 200, 14}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY},
            {Kind::Static, IDC_STATIC, "项目名称：", {275, 10, 48, 10}},
            {Kind::Edit, IDC_XMMC, "", {325, 8, 340, 14}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
            {Kind::Static, IDC_STATIC, traits.personLabel, {10, 30, 48, 10}},
            {Kind::Edit, IDC_SJWCR, "", {60, 28, 200, 14}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
            {Kind::Static, IDC_STATIC, "附件：", {275, 30, 48, 10}},
            {Kind::Edit, IDC_ATTACHNAME, "", {325, 28, 240, 14}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY},
            {Kind::PushButton, IDC_BTN_ADD, "添加", {570, 28, 30, 14}, WS_TABSTOP},
            {Kind::PushButton, IDC_BTN_EXTRACT, "提取", {602, 28, 30, 14}, WS_TABSTOP},
            {Kind::PushButton, IDC_BTN_DELETE, "删除", {634, 28, 30, 14}, WS_TABSTOP},
            {Kind::PushButton, IDC_BTN_OPEN_FOLDER, "打开附件所在文件夹", {570, 46, 94, 14}, WS_TABSTOP, {}, true},
            {Kind::PushButton, IDC_BTN_ADD_TO_FOLDER, "添加附件", {570, 28, 94, 14}, WS_TABSTOP, {}, true},
        }, WS_CHILD};
        if (traits.hasIndicators) {
            t.controls.push_back({Kind::Static, IDC_STATIC,
                                  "技术指标实现情况(不含GF报告、论文、专利等数量描述，300字左右)：", {10, 50, 400, 10}});
            t.controls.push_back({Kind::Edit, IDC_ZBSXQK, "", {10, 62, 655, 88},
                                  WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN});
        }
        return t;
    };
    static const ui::DialogTemplate acceptance = make(followup::SummaryKind::Acceptance);
    static const ui::DialogTemplate progress = make(followup::SummaryKind::Progress);
    return kind == followup::SummaryKind::Acceptance ? acceptance : progress;
}

BOOL CSummaryAttachPage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    if (COptions().GetRole() == kFundOfficeRole) {
        for (int id : {IDC_BTN_ADD, IDC_BTN_EXTRACT, IDC_BTN_DELETE}) GetDlgItem(id)->ShowWindow(SW_HIDE);
        for (int id : {IDC_BTN_OPEN_FOLDER, IDC_BTN_ADD_TO_FOLDER}) GetDlgItem(id)->ShowWindow(SW_SHOW);
        Item<ui::Edit>(IDC_XMBH)->SetReadOnly(FALSE);
    }
    return TRUE;
}

void CSummaryAttachPage::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_XMBH, m_strXMBH);
    dx.Text(IDC_XMMC, m_strXMMC);
    dx.Text(IDC_SJWCR, m_strSJWCR);
    dx.Text(IDC_ATTACHNAME, m_strAttachName);
    if (followup::Traits(m_kind).hasIndicators) {
        dx.Text(IDC_ZBSXQK, m_strZBSXQK);
        dx.MaxChars(m_strZBSXQK, kIndicatorLimit);
    }
}

void CSummaryAttachPage::Clear() {
    for (std::string* field : {&m_strXMBH, &m_strXMMC, &m_strSJWCR, &m_strAttachName, &m_strZBSXQK}) field->clear();
    m_bNameMarked = false;
    UpdateData(FALSE);
}

std::string CSummaryAttachPage::NameToStore() const {
    const std::string mark = kNameMark;
    if (m_bNameMarked && m_strXMMC.size() >= mark.size() &&
        m_strXMMC.compare(m_strXMMC.size() - mark.size(), mark.size(), mark) == 0)
        return m_strXMMC.substr(0, m_strXMMC.size() - mark.size());
    return m_strXMMC;
}

bool CSummaryAttachPage::ProjectOpen() {
    if (!m_strXMBH.empty()) return true;
    ui::MessageBox("请先打开一个项目！", kCaption, MB_OK | MB_ICONWARNING);
    return false;
}

void CSummaryAttachPage::OnBtnAdd() {
    if (!ProjectOpen()) return;
    if (!m_strAttachName.empty() &&
        ui::MessageBox("该项目附件已存在，确定覆盖吗？", kCaption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    if (!UpdateData(TRUE)) return;
    ui::FileDialog chooser(TRUE, {}, {}, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kAnyFile, this);
    if (chooser.DoModal() != IDOK) return;
    const std::string path = chooser.GetPathName();
    std::error_code error;
    const auto size = std::filesystem::file_size(sys::NativePath(path), error);
    if (error) return;  // a file that cannot be read: nothing happens
    if (size > std::uintmax_t(kMaxAttachmentBytes)) {
        ui::AfxMessageBox("文件大小超过50M,请直接刻盘上交");
        return;
    }
    std::string bytes;
    if (!sys::ReadFile(path, bytes)) return;

    const std::string name = chooser.GetFileName();
    if (!summarystore::StoreAttachment(*m_pConnection, m_kind, m_strXMBH, name, bytes)) {
        // The row keeps what it held; the user is told rather than shown success.
        ui::MessageBox(db::FailureMessage(*m_pConnection, "附件添加失败！"), kCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    ui::MessageBox("附件添加成功！", kCaption, MB_OK | MB_ICONINFORMATION);
    m_strAttachName = name;
    UpdateData(FALSE);
}

void CSummaryAttachPage::OnBtnExtract() {
    if (!ProjectOpen()) return;
    if (m_strAttachName.empty()) {
        ui::MessageBox("该项目尚未添加附件！", kCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    ui::FileDialog chooser(FALSE, {}, sys::SafeFileName(m_strAttachName), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                           "(*.*)|*.*||", this);
    if (chooser.DoModal() != IDOK) return;
    std::string bytes;
    if (!summarystore::ReadAttachment(*m_pConnection, m_kind, m_strXMBH, bytes)) return;  // nothing stored to write
    WriteFileOrSay(chooser.GetPathName(), bytes);
}

void CSummaryAttachPage::OnBtnDelete() {
    if (!ProjectOpen()) return;
    if (m_strAttachName.empty()) {
        ui::MessageBox("该项目尚未添加附件！", kCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    if (ui::MessageBox("确定删除附件吗？", kCaption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
    if (!summarystore::ClearAttachmentName(*m_pConnection, m_kind, m_strXMBH)) {
        ui::MessageBox(db::FailureMessage(*m_pConnection, "附件删除失败！"), kCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    m_strAttachName.clear();
    UpdateData(FALSE);
}

void CSummaryAttachPage::OnBtnOpenFolder() {
    if (!ProjectOpen()) return;
    if (m_strAttachName.empty()) {
        ui::MessageBox("该项目未添加附件！", kCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    const std::string folder = followup::AttachmentFolder(*m_pConnection, m_kind, m_strXMBH);
    if (!folder.empty()) ui::ShellOpen(folder, "open");
}

void CSummaryAttachPage::OnBtnAddToFolder() {
    if (!ProjectOpen()) return;
    const std::string folder = followup::AttachmentFolder(*m_pConnection, m_kind, m_strXMBH);
    if (!folder.empty()) sys::MakeDirs(folder);
    ui::FileDialog chooser(TRUE, {}, {}, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kAnyFile, this);
    if (chooser.DoModal() != IDOK) return;
    if (!folder.empty()) {
        const std::string target = sys::JoinPath(folder, sys::SafeFileName(chooser.GetFileName()));
        if (!sys::FileExists(target) ||
            ui::MessageBox("文件已存在，确定覆盖吗？", "提示", MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
            sys::CopyFile(chooser.GetPathName(), target);
    }
    m_strFileList.clear();
    ListFolder(folder);
    m_strAttachName = m_strFileList;
    UpdateData(FALSE);
}

void CSummaryAttachPage::ListFolder(const std::string& folder) {
    const std::string names = followup::ListFolderNames(folder);
    if (names.empty()) return;
    m_strFileList += (m_strFileList.empty() ? "" : ", ") + names;
}
