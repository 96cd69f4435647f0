#include "guide_annual/DlgStudySubject.h"

#include <algorithm>

#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/TopicLookup.h"
#include "guide_annual/TopicScopeDocument.h"
#include "platform/sys/Sys.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"

ui::CharFormat PurposeCharFormat() {
    ui::CharFormat format;
    format.dwMask = ui::CFM_SIZE | ui::CFM_COLOR | ui::CFM_FACE | ui::CFM_BOLD;
    format.yHeight = 280;
    format.crTextColor = RGB(0, 0, 0);
    format.szFaceName = "仿宋_GB2312";
    return format;
}

ui::ParaFormat PurposeParaFormat() {
    ui::ParaFormat format;
    format.dwMask = ui::PFM_STARTINDENT | ui::PFM_OFFSET;
    format.dxStartIndent = 580;
    format.dxOffset = -580;
    return format;
}

namespace {
const SubjectEditorLayout kAnnualLayout{CDlgStudySubject::IDD,        CDlgStudySubject::IDC_JJBH,
                                        CDlgStudySubject::IDC_ZNMC,   CDlgStudySubject::IDC_CODEHEAD,
                                        CDlgStudySubject::IDC_SUFFIX, CDlgStudySubject::IDC_ZTMC,
                                        CDlgStudySubject::IDC_PURPOSE, "指南名称：",
                                        COleRichEdit::Variant::AnnualGuide};
}  // namespace

ui::DialogTemplate CDlgStudySubject::BuildTemplate(const SubjectEditorLayout& layout) {
    using ui::Kind;
    constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL | WS_BORDER;
    return {layout.dialog, "专题编辑", {0, 0, 344, 297}, {
        {Kind::GroupBox, IDC_STATIC, "基本信息", {7, 7, 330, 80}},
        {Kind::Static, IDC_STATIC, "基金编号：", {18, 22, 50, 10}},
        {Kind::Edit, layout.jjbh, "", {70, 20, 100, 13}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, layout.guideNameCaption, {18, 40, 50, 10}},
        {Kind::Edit, layout.znmc, "", {70, 38, 258, 13}, kEdit | ES_READONLY},
        {Kind::Static, IDC_STATIC, "专题编号：", {18, 58, 50, 10}},
        {Kind::Static, layout.codeHead, "", {70, 58, 50, 10}, SS_RIGHT},
        {Kind::Edit, layout.suffix, "", {122, 56, 30, 13}, kEdit},
        {Kind::Static, IDC_STATIC, "专题名称：", {160, 58, 45, 10}},
        {Kind::Edit, layout.ztmc, "", {205, 56, 123, 13}, kEdit},
        {Kind::GroupBox, IDC_STATIC, "研究目的", {7, 92, 330, 178}},
        {Kind::RichEdit, layout.purpose, "", {14, 104, 316, 160},
         WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_WANTRETURN},
        {Kind::DefPushButton, IDOK, "确定", {100, 276, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {194, 276, 50, 14}, WS_TABSTOP},
    }};
}

const ui::DialogTemplate& CDlgStudySubject::Template() {
    static const ui::DialogTemplate tpl = BuildTemplate(kAnnualLayout);
    return tpl;
}

CDlgStudySubject::CDlgStudySubject(ui::Wnd* parent) : CDlgStudySubject(kAnnualLayout, parent) {}

CDlgStudySubject::CDlgStudySubject(const SubjectEditorLayout& layout, ui::Wnd* parent)
    : ui::Dialog(BuildTemplate(layout), parent), m_layout(layout), m_richPurpose(layout.purposeVariant) {}

CDlgStudySubject::~CDlgStudySubject() = default;

void CDlgStudySubject::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(m_layout.suffix, m_editSuffix);
    dx.Control(m_layout.purpose, m_richPurpose);
    dx.Text(m_layout.jjbh, m_strJJBH);
    dx.Text(m_layout.znmc, m_strZNMC);
    dx.Text(m_layout.codeHead, m_strJJBH);
    dx.Text(m_layout.suffix, m_strSuffix);
    dx.Text(m_layout.ztmc, m_strZTMC);
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
    m_editSuffix.SetCharHook([this](ui::Edit&, UINT) { LookUpName(); });
    return TRUE;
}

void CDlgStudySubject::LookUpName() {
    if (m_strFBNF.empty()) return;
    UpdateData(TRUE);
    m_strZTMC.clear();
    SetDlgItemText(m_layout.ztmc, m_strZTMC);
    m_strZTMC = topiclookup::FiveYearSubjectName(m_strJJBH + m_strSuffix, m_strFBNF);
    if (!m_strZTMC.empty()) SetDlgItemText(m_layout.ztmc, m_strZTMC);
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

BOOL CDlgStudySubject::AddSubject() {
    if (!CheckFields()) return FALSE;
    const std::string code = m_strJJBH + m_strSuffix;
    if (!SavePurpose(topic::PurposeFile(m_strTopicFolder, code))) return FALSE;
    TopicScopeDocument document;
    if (document.Load(m_strTopicFile) && document.AddSubject(code, m_strZTMC) && document.Save()) return TRUE;
    topiclookup::ShowDocumentFailure(document.LastError());
    return FALSE;
}

// The new purpose file is written before the document changes, and the old
// one is deleted only once the document names the new one, so that a failed
// step never leaves a subject without its purpose.
BOOL CDlgStudySubject::ModifySubject() {
    if (!CheckFields()) return FALSE;
    const std::string code = m_strJJBH + m_strSuffix;
    const std::string purposeFile = topic::PurposeFile(m_strTopicFolder, code);
    const bool renamedFile = sys::NativePath(purposeFile) != sys::NativePath(m_strOldPurposeFile);
    if (!SavePurpose(purposeFile)) return FALSE;
    TopicScopeDocument document;
    if (!document.Load(m_strTopicFile) || !document.ModifySubject(m_strOldCode, code, m_strZTMC) || !document.Save()) {
        if (renamedFile) sys::RemoveFile(purposeFile);
        topiclookup::ShowDocumentFailure(document.LastError());
        return FALSE;
    }
    if (renamedFile && !m_strOldPurposeFile.empty()) sys::RemoveFile(m_strOldPurposeFile);
    if (m_onPurposeChanged) m_onPurposeChanged(purposeFile);
    return TRUE;
}

void CDlgStudySubject::OnOK() {
    m_richPurpose.SetSel(0, -1);
    m_richPurpose.SetSelectionCharFormat(PurposeCharFormat());
    m_richPurpose.SetParaFormat(PurposeParaFormat());
    if (m_nMode == kAdd ? AddSubject() : m_nMode == kModify ? ModifySubject() : TRUE) EndDialog(IDOK);
}
