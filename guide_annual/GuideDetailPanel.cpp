#include "guide_annual/GuideDetailPanel.h"

#include "guide_annual/AnnualGuideData.h"

ui::DialogTemplate GuideDetailPanel::BuildTemplate(int dialogId, const Layout& layout) {
    using ui::Kind;
    return {dialogId, "", {0, 0, 743, 311}, {
        {Kind::Static, layout.headerFrame, "", {5, 5, 690, 20}, SS_BLACKFRAME, {}, true},
        {Kind::Static, layout.toolbarFrame, "", {5, 25, 690, 21}, SS_BLACKFRAME},
        {Kind::Static, layout.tabFrame, "", {5, 46, 690, 260}, SS_BLACKFRAME, {}, true},
        {Kind::PushButton, layout.add, "新增", {699, 50, 40, 22}, WS_TABSTOP},
        {Kind::PushButton, layout.save, "保存", {699, 78, 40, 22}, WS_TABSTOP},
        {Kind::PushButton, layout.word, "导出成word文档", {699, 106, 40, 36}, WS_TABSTOP},
    }, WS_CHILD};
}

GuideDetailPanel::GuideDetailPanel(const ui::DialogTemplate& tpl, const Layout& layout, const Commands& commands,
                                   UINT chapterSelectionMessage)
    : ui::Dialog(tpl, nullptr), m_layout(layout) {
    static const bool registered = (ui::RegisterToolBar(IDR_FORMATBAR, formatbar::Resource()), true);
    (void)registered;
    MapClicked(layout.add, commands.add);
    MapClicked(layout.save, commands.save);
    MapClicked(layout.word, commands.word);

    MapClicked(ID_FONTNAME, [this] { Font(); });
    MapClicked(ID_CHAR_COLOR, [this] { CharColor(); });
    MapClicked(ID_CHAR_BOLD, [this] { CharBold(); });
    MapClicked(ID_CHAR_ITALIC, [this] { CharItalic(); });
    MapClicked(ID_CHAR_UNDERLINE, [this] { CharUnderline(); });
    MapClicked(ID_PARA_LEFT, [this] { ParaAlign(ui::PFA_LEFT); });
    MapClicked(ID_PARA_CENTER, [this] { ParaAlign(ui::PFA_CENTER); });
    MapClicked(ID_PARA_RIGHT, [this] { ParaAlign(ui::PFA_RIGHT); });
    const std::pair<int, const bool*> toggles[] = {{ID_CHAR_BOLD, &m_bBold},     {ID_CHAR_ITALIC, &m_bItalic},
                                                   {ID_CHAR_UNDERLINE, &m_bUnderline}, {ID_PARA_LEFT, &m_bLeft},
                                                   {ID_PARA_CENTER, &m_bCenter}, {ID_PARA_RIGHT, &m_bRight}};
    for (const auto& [id, flag] : toggles) MapUpdateUI(id, [flag](ui::CmdUI& cmd) { cmd.SetCheck(*flag ? 1 : 0); });

    MapMessage(ui::BCGM_CHANGE_ACTIVE_TAB, [this](WPARAM tab, LPARAM) {
        OnChangeActiveTab(int(tab));
        return LRESULT(0);
    });
    MapMessage(chapterSelectionMessage, [this](WPARAM, LPARAM) {
        ReadSelectionFormat();
        return LRESULT(0);
    });
}

BOOL GuideDetailPanel::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuidePanelBackground);
    m_btnAdd.SubclassDlgItem(m_layout.add, this);
    m_btnSave.SubclassDlgItem(m_layout.save, this);
    m_btnWord.SubclassDlgItem(m_layout.word, this);

    m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | ui::CBRS_ALIGN_TOP | ui::CBRS_BORDER_BOTTOM);
    m_wndToolBar.LoadToolBar(IDR_FORMATBAR);
    m_wndToolBar.SetOwner(this);
    const ui::Rect bar = GetItemRect(m_layout.toolbarFrame);
    m_wndToolBar.MoveWindow({bar.left + 1, bar.top + m_layout.toolbarTopInset, bar.right - 1, bar.bottom - 1});

    CreatePanels();
    m_pActiveEditor = ChapterOfTab(0);
    m_bBold = m_bItalic = m_bUnderline = m_bCenter = m_bRight = false;
    m_bLeft = true;
    return TRUE;
}

// A chapter tab makes its editor the target of the formatting commands and
// shows the tool bar; the topic tab hides it and keeps the target.
void GuideDetailPanel::OnChangeActiveTab(int tab) {
    ui::TabWnd& tabs = Tabs();
    const bool known = tab >= 0 && tab < tabs.GetTabsNum();
    if (!known && IgnoresUnknownTabs()) return;
    COleRichEdit* chapter = known ? ChapterOfTab(tab) : nullptr;
    if (chapter) m_pActiveEditor = chapter;
    m_wndToolBar.ShowWindow(chapter ? SW_SHOW : SW_HIDE);
    GetDlgItem(m_layout.toolbarFrame)->ShowWindow(chapter ? SW_SHOW : SW_HIDE);
    for (int i = 0; i < tabs.GetTabsNum(); ++i) tabs.SetTabBkColor(i, i == tab ? kActiveTabColor : InitialTabColor());
    tabs.Invalidate();
}

void GuideDetailPanel::ReadSelectionFormat() {
    ui::CharFormat chars;
    ActiveEditor().GetSelectionCharFormat(chars);
    m_bBold = (chars.dwEffects & ui::CFE_BOLD) != 0;
    m_bItalic = (chars.dwEffects & ui::CFE_ITALIC) != 0;
    m_bUnderline = (chars.dwEffects & ui::CFE_UNDERLINE) != 0;
    ui::ParaFormat para;
    ActiveEditor().GetParaFormat(para);
    SetAlignmentFlags(para.wAlignment);
    m_wndToolBar.OnUpdateCmdUI(this);
}

void GuideDetailPanel::SetAlignmentFlags(int alignment) {
    m_bLeft = alignment == ui::PFA_LEFT;
    m_bCenter = alignment == ui::PFA_CENTER;
    m_bRight = alignment == ui::PFA_RIGHT;
}

void GuideDetailPanel::Font() { ActiveEditor().ChooseFont(); }
void GuideDetailPanel::CharColor() { ActiveEditor().ChooseColor(); }
void GuideDetailPanel::CharBold() { ActiveEditor().ToggleBold(); }
void GuideDetailPanel::CharItalic() { ActiveEditor().ToggleItalic(); }
void GuideDetailPanel::CharUnderline() { ActiveEditor().ToggleUnderline(); }

void GuideDetailPanel::ParaAlign(int alignment) {
    if (alignment == ui::PFA_CENTER) ActiveEditor().AlignCenter();
    else if (alignment == ui::PFA_RIGHT) ActiveEditor().AlignRight();
    else ActiveEditor().AlignLeft();
    SetAlignmentFlags(alignment);
}
