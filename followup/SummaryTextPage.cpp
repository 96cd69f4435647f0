#include "followup/SummaryTextPage.h"

#include "application/DlgAppPage.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/ui/DataExchange.h"

CSummaryTextPage::CSummaryTextPage(followup::SummaryKind kind, std::unique_ptr<CSummaryAttachPage> attach)
    : ui::Dialog(Template(kind), nullptr), m_kind(kind), m_pAttach(std::move(attach)) {}

const ui::DialogTemplate& CSummaryTextPage::Template(followup::SummaryKind kind) {
    using ui::Kind;
    auto make = [](followup::SummaryKind kind) {
        const followup::SummaryTraits& traits = followup::Traits(kind);
        const bool acceptance = kind == followup::SummaryKind::Acceptance;
        return ui::DialogTemplate{traits.textId, "", {0, 0, 683, 360}, {
            {Kind::Static, IDC_ATTACH_PLACE, "", {5, 5, 673, acceptance ? 156 : 148}, SS_BLACKFRAME, {}, true},
            {Kind::Static, IDC_STATIC, traits.textLabel, {5, acceptance ? 168 : 162, 300, 10}},
            {Kind::Static, IDC_TOOLBAR_PLACE, "", {5, acceptance ? 184 : 186, 673, 22}, SS_ETCHEDFRAME},
            {Kind::RichEdit, IDC_RICHEDIT, "", {5, acceptance ? 205 : 207, 673, acceptance ? 141 : 145},
             WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL},
        }, WS_CHILD};
    };
    static const ui::DialogTemplate acceptance = make(followup::SummaryKind::Acceptance);
    static const ui::DialogTemplate progress = make(followup::SummaryKind::Progress);
    return kind == followup::SummaryKind::Acceptance ? acceptance : progress;
}

BOOL CSummaryTextPage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(242, 246, 255));
    m_pAttach->CreateOver(this, IDC_ATTACH_PLACE);
    m_pAttach->ShowWindow(SW_SHOW);
    // 仿宋_GB2312 14 pt in black, paragraphs with a hanging first line.
    CDlgAppPage::SetChapterFormat(m_richEdit);
    m_richEdit.SetEventMask(m_richEdit.GetEventMask() | ui::ENM_SELCHANGE);
    m_pRichEdit = &m_richEdit;
    return TRUE;
}

void CSummaryTextPage::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_RICHEDIT, m_richEdit);
    dx.Text(IDC_RICHEDIT, m_strText);
    dx.MaxChars(m_strText, kTextLimit);
}

void CSummaryTextPage::ShowProject(const std::string& number, const std::string& name) {
    m_pAttach->m_strXMBH = number;
    m_pAttach->m_strXMMC = name;
    m_pAttach->UpdateData(FALSE);
}

void CSummaryTextPage::ShowDetails(const std::string& person, const std::string& attachName,
                                   const std::string& indicators) {
    m_pAttach->m_strSJWCR = person;
    m_pAttach->m_strAttachName = attachName;
    if (followup::Traits(m_kind).hasIndicators) m_pAttach->m_strZBSXQK = indicators;
    m_pAttach->UpdateData(FALSE);
}

void CSummaryTextPage::LoadDefaultText() { m_richEdit.LoadRtfFile(followup::TempFile(followup::Traits(m_kind).defaultRtf)); }

void CSummaryTextPage::ShowStoredText(const std::string& rtf) {
    const std::string scratch = sys::ScratchPath("wcqkjj.rtf");
    sys::MakeDirs(sys::ParentFolder(scratch));
    ClearText();
    if (!rtf.empty() && sys::WriteFileAtomic(scratch, rtf)) m_richEdit.LoadRtfFile(scratch);
}

void CSummaryTextPage::ClearText() {
    m_strText.clear();
    UpdateData(FALSE);
}

void CSummaryTextPage::ChooseFont() { m_pRichEdit->ChooseFont(); }
void CSummaryTextPage::ChooseColor() { m_pRichEdit->ChooseColor(); }
void CSummaryTextPage::ToggleBold() { m_pRichEdit->ToggleBold(); }
void CSummaryTextPage::ToggleItalic() { m_pRichEdit->ToggleItalic(); }
void CSummaryTextPage::ToggleUnderline() { m_pRichEdit->ToggleUnderline(); }

void CSummaryTextPage::SetAlignment(int& flag) {
    m_bLeft = m_bCenter = m_bRight = 0;
    flag = 1;
}

void CSummaryTextPage::AlignLeft() {
    m_pRichEdit->AlignLeft();
    SetAlignment(m_bLeft);
}

void CSummaryTextPage::AlignCenter() {
    m_pRichEdit->AlignCenter();
    SetAlignment(m_bCenter);
}

void CSummaryTextPage::AlignRight() {
    m_pRichEdit->AlignRight();
    SetAlignment(m_bRight);
}
