#include "guide_annual/DlgGuideDetail.h"

#include "widgets/FormatToolBar.h"

#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/DlgOneGuide.h"

const ui::DialogTemplate& CDlgGuideDetail::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 743, 379}, {
        {Kind::Static, IDC_HEADER_FRAME, "", {5, 5, 690, 20}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_TOOLBAR_FRAME, "", {5, 25, 690, 21}, SS_BLACKFRAME},
        {Kind::Static, IDC_TAB_FRAME, "", {5, 46, 690, 328}, SS_BLACKFRAME, {}, true},
        {Kind::PushButton, IDC_ADD, "新增", {699, 50, 40, 22}, WS_TABSTOP},
        {Kind::PushButton, IDC_SAVE, "保存", {699, 78, 40, 22}, WS_TABSTOP},
        {Kind::PushButton, IDC_WORD, "导出成word文档", {699, 106, 40, 36}, WS_TABSTOP},
    }, WS_CHILD};
    return tpl;
}

CDlgGuideDetail::CDlgGuideDetail(CDlgOneGuide& view) : ui::Dialog(Template(), nullptr), m_dlgHeader(view) {
    static const bool registered = (ui::RegisterToolBar(IDR_FORMATBAR, formatbar::Resource()), true);
    (void)registered;
    MapClicked(IDC_ADD, [&view] { view.OnBtnAdd(); });
    MapClicked(IDC_SAVE, [&view] { view.OnButtonSave(); });
    MapClicked(IDC_WORD, [&view] { view.OnBtnExportToWord(); });

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
    MapMessage(CGuideTabWnd::WM_CHAPTER_SELCHANGE, [this](WPARAM, LPARAM) {
        ReadSelectionFormat();
        return LRESULT(0);
    });
}

BOOL CDlgGuideDetail::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuidePanelBackground);
    m_btnAdd.SubclassDlgItem(IDC_ADD, this);
    m_btnSave.SubclassDlgItem(IDC_SAVE, this);
    m_btnWord.SubclassDlgItem(IDC_WORD, this);

    m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | ui::CBRS_ALIGN_TOP | ui::CBRS_BORDER_BOTTOM);
    m_wndToolBar.LoadToolBar(IDR_FORMATBAR);
    m_wndToolBar.SetOwner(this);
    const ui::Rect bar = GetItemRect(IDC_TOOLBAR_FRAME);
    m_wndToolBar.MoveWindow({bar.left + 1, bar.top, bar.right - 1, bar.bottom - 1});

    m_dlgHeader.CreateOver(this, IDC_HEADER_FRAME);
    m_tabWnd.CreateTabs(GetItemRect(IDC_TAB_FRAME), this);
    m_pActiveEditor = &m_tabWnd.Chapter(0);
    m_bBold = m_bItalic = m_bUnderline = m_bCenter = m_bRight = false;
    m_bLeft = true;
    return TRUE;
}

void CDlgGuideDetail::OnChangeActiveTab(int tab) {
    const bool chapter = tab >= 0 && tab < CGuideTabWnd::kTopicTab;
    if (chapter) m_pActiveEditor = &m_tabWnd.Chapter(tab);
    m_wndToolBar.ShowWindow(chapter ? SW_SHOW : SW_HIDE);
    GetDlgItem(IDC_TOOLBAR_FRAME)->ShowWindow(chapter ? SW_SHOW : SW_HIDE);
    for (int i = 0; i < 6; ++i)
        m_tabWnd.SetTabBkColor(i, i == tab ? kActiveTabColor : m_tabWnd.InitialTabColor());
    m_tabWnd.Invalidate();
}

void CDlgGuideDetail::ReadSelectionFormat() {
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

void CDlgGuideDetail::SetAlignmentFlags(int alignment) {
    m_bLeft = alignment == ui::PFA_LEFT;
    m_bCenter = alignment == ui::PFA_CENTER;
    m_bRight = alignment == ui::PFA_RIGHT;
}

void CDlgGuideDetail::Font() { ActiveEditor().ChooseFont(); }
void CDlgGuideDetail::CharColor() { ActiveEditor().ChooseColor(); }
void CDlgGuideDetail::CharBold() { ActiveEditor().ToggleBold(); }
void CDlgGuideDetail::CharItalic() { ActiveEditor().ToggleItalic(); }
void CDlgGuideDetail::CharUnderline() { ActiveEditor().ToggleUnderline(); }

void CDlgGuideDetail::ParaAlign(int alignment) {
    if (alignment == ui::PFA_CENTER) ActiveEditor().AlignCenter();
    else if (alignment == ui::PFA_RIGHT) ActiveEditor().AlignRight();
    else ActiveEditor().AlignLeft();
    SetAlignmentFlags(alignment);
}
