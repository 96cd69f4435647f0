#include "guide_fiveyear/DlgStudySubject.h"

#include <algorithm>

#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/DlgStudySubject.h"
#include "guide_annual/TopicLookup.h"
#include "guide_annual/TopicScopeDocument.h"
#include "guide_fiveyear/DlgStudySubjectTree.h"
#include "platform/sys/Sys.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"

namespace fiveyear {

const ui::DialogTemplate& CDlgStudySubject::Template() {
    using ui::Kind;
    constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL | WS_BORDER;
    static const ui::DialogTemplate tpl{IDD, "专题编辑", {0, 0, 344, 297}, {
        {Kind::GroupBox, IDC_STATIC, "基本信息", {7, 7, 330, 80}},
        {Kind::Static, IDC_STATIC, "基金编号：", {18, 22, 50, 10}},
        {Kind::Edit, IDC_JJBH, "", {70, 20, 100, 13}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, "基金名称：", {18, 40, 50, 10}},
        {Kind::Edit, IDC_ZNMC, "", {70, 38, 258, 13}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, "专题编号：", {18, 58, 50, 10}},
        {Kind::Static, IDC_CODEHEAD, "", {70, 58, 50, 10}, SS_RIGHT},
        {Kind::Edit, IDC_SUFFIX, "", {122, 56, 30, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "专题名称：", {160, 58, 45, 10}},
        {Kind::Edit, IDC_ZTMC, "", {205, 56, 123, 13}, kEdit},
        {Kind::GroupBox, IDC_STATIC, "研究目的", {7, 92, 330, 178}},
        {Kind::RichEdit, IDC_PURPOSE, "", {14, 104, 316, 160},
         WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_WANTRETURN},
        {Kind::DefPushButton, IDOK, "确定", {100, 276, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {194, 276, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgStudySubject::CDlgStudySubject(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

CDlgStudySubject::~CDlgStudySubject() = default;

void CDlgStudySubject::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_SUFFIX, m_editSuffix);
    dx.Control(IDC_PURPOSE, m_richPurpose);
    dx.Text(IDC_JJBH, m_strJJBH);
    dx.Text(IDC_ZNMC, m_strZNMC);
    dx.Text(IDC_CODEHEAD, m_strJJBH);
    dx.Text(IDC_SUFFIX, m_strSuffix);
    dx.Text(IDC_ZTMC, m_strZTMC);
}

BOOL CDlgStudySubject::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    UpdateData(FALSE);
    m_richPurpose.SetDefaultCharFormat(PurposeCharFormat());
    m_richPurpose.SetParaFormat(PurposeParaFormat());
    m_strOldCode = m_strJJBH + m_strSuffix;
    if (m_nMode == kModify) {
        TopicScopeDocument document;
        if (document.Load(m_strTopicFile)) {
            const xmldom::Node subject = document.Subject(m_strOldCode);
            m_strZTMC = subject.GetAttribute(topic::kSubjectName);
            const std::string purpose = subject.GetAttribute(topic::kPurposeFile);
            if (!purpose.empty()) {
                m_strOldPurposeFile = topic::FileInFolder(m_strTopicFolder, purpose);
                m_richPurpose.LoadRtfFile(m_strOldPurposeFile);
            }
        } else {
            topiclookup::ShowDocumentFailure(document.LastError());
        }
        UpdateData(FALSE);
    }
    m_editSuffix.ApplySuffixRule();
    return TRUE;
}

bool CDlgStudySubject::CheckFields() {
    if (!UpdateData(TRUE)) return false;
    if (m_strSuffix.empty() || m_strZTMC.empty()) {
        GuidePrompt("专题名称和专题编号不可为空!", 0);
        return false;
    }
    const std::string code = m_strJJBH + m_strSuffix;
    const bool shown = std::find(m_arrSubjectCodes.begin(), m_arrSubjectCodes.end(), code) != m_arrSubjectCodes.end();
    if (shown && !(m_nMode == kModify && code == m_strOldCode)) {
        ui::AfxMessageBox("该专题编号已存在！");
        m_editSuffix.SetFocus();
        return false;
    }
    return true;
}

bool CDlgStudySubject::SavePurpose(const std::string& path) {
    if (m_richPurpose.SaveRtfFile(path) > 0) return true;
    topiclookup::ShowDocumentFailure(path);
    return false;
}

bool CDlgStudySubject::AddSubject() {
    const std::string code = m_strJJBH + m_strSuffix;
    if (!SavePurpose(topic::PurposeFile(m_strTopicFolder, code))) return false;
    TopicScopeDocument document;
    if (document.Load(m_strTopicFile) && document.AddSubject(code, m_strZTMC) && document.Save()) return true;
    topiclookup::ShowDocumentFailure(document.LastError());
    return false;
}

// The new purpose file is written before the document changes, and the old
// one is deleted only once the document names the new one, so that a failed
// step never leaves a topic without its purpose.
bool CDlgStudySubject::ModifySubject() {
    const std::string code = m_strJJBH + m_strSuffix;
    const std::string purposeFile = topic::PurposeFile(m_strTopicFolder, code);
    const bool renamedFile = sys::NativePath(purposeFile) != sys::NativePath(m_strOldPurposeFile);
    if (!SavePurpose(purposeFile)) return false;
    TopicScopeDocument document;
    if (!document.Load(m_strTopicFile) || !document.ModifySubject(m_strOldCode, code, m_strZTMC) || !document.Save()) {
        if (renamedFile) sys::RemoveFile(purposeFile);
        topiclookup::ShowDocumentFailure(document.LastError());
        return false;
    }
    if (renamedFile && !m_strOldPurposeFile.empty()) sys::RemoveFile(m_strOldPurposeFile);
    if (m_pTree) m_pTree->ShowPurpose(purposeFile);
    return true;
}

void CDlgStudySubject::OnOK() {
    m_richPurpose.SetSel(0, -1);
    m_richPurpose.SetSelectionCharFormat(PurposeCharFormat());
    m_richPurpose.SetParaFormat(PurposeParaFormat());
    if (!CheckFields()) return;
    if (m_nMode == kModify ? ModifySubject() : AddSubject()) EndDialog(IDOK);
}

}  // namespace fiveyear
