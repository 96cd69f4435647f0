#include "application/DlgAppPage.h"


void CDlgAppPage::SetChapterFormat(COleRichEdit& editor) {
    ui::CharFormat chars;
    chars.dwMask = ui::CFM_SIZE | ui::CFM_COLOR | ui::CFM_FACE;
    chars.dwEffects = 0;  // no effects, and not the automatic colour
    chars.yHeight = 280;
    chars.crTextColor = RGB(0, 0, 0);
    chars.szFaceName = "仿宋_GB2312";
    editor.SetDefaultCharFormat(chars);

    ui::ParaFormat para;
    para.dwMask = ui::PFM_STARTINDENT | ui::PFM_OFFSET;
    para.dxStartIndent = 580;
    para.dxOffset = -580;
    editor.SetParaFormat(para);
}

BOOL CDlgAppPage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kBackground);
    return TRUE;
}

void CDlgAppPage::PrepareChapterEditor(COleRichEdit& editor, int id, bool becomesCurrent) {
    if (!editor.IsWindow()) editor.SubclassDlgItem(id, this);
    SetChapterFormat(editor);
    editor.SetEventMask(editor.GetEventMask() | ui::ENM_SELCHANGE);
    MapNotify(id, ui::EN_SELCHANGE,
              [this, &editor, becomesCurrent](const ui::NotifyInfo&) { OnEditorSelectionMoved(editor, becomesCurrent); });
}

void CDlgAppPage::OnEditorSelectionMoved(COleRichEdit& editor, bool becomesCurrent) {
    // page -> tab window -> writer
    ui::Wnd* tabs = GetParent();
    ui::Wnd* writer = tabs ? tabs->GetParent() : nullptr;
    if (!writer) return;
    writer->SendMessage(WM_RICHSEL_CHANGED, WPARAM(becomesCurrent), LPARAM(&editor));
}

// ---- pages with one chapter field ----

ui::DialogTemplate CDlgAppChapterPage::ChapterTemplate(int idd, int headingId, const std::string& heading,
                                                       int editorId) {
    using ui::Kind;
    constexpr DWORD kEditorStyle = WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                   ES_WANTRETURN | ui::ES_NOHIDESEL;
    return ui::DialogTemplate{idd, "", {0, 0, 529, 352}, {
        {Kind::Static, IDC_STATIC, "", {0, 22, 529, 1}, SS_ETCHEDFRAME},
        {Kind::Static, headingId, heading, {4, 27, 520, 10}},
        {Kind::RichEdit, editorId, "", {0, 39, 529, 313}, kEditorStyle},
    }, WS_CHILD};
}

BOOL CDlgAppChapterPage::OnInitDialog() {
    CDlgAppPage::OnInitDialog();
    PrepareChapterEditor(m_richEdit, m_nEditorId);
    return TRUE;
}

void CDlgAppChapterPage::ShowGroupTitle(const std::string& chapter, const std::string& group,
                                        const std::string& first) {
    SetHeading(chapter == group ? first : chapter);
}
