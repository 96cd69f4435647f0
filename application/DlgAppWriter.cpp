#include "application/DlgAppWriter.h"

#include "widgets/FormatToolBar.h"
#include <QWidget>

#include "platform/ui/DataExchange.h"

const ui::DialogTemplate& CDlgAppWriter::Template() {
    using ui::Kind;
    constexpr DWORD kTree = WS_TABSTOP | WS_BORDER | ui::TVS_HASBUTTONS | ui::TVS_HASLINES | ui::TVS_LINESATROOT |
                            ui::TVS_SHOWSELALWAYS;
    constexpr DWORD kButton = WS_TABSTOP | BS_OWNERDRAW;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 753, 402}, {
        {Kind::PushButton, IDC_BTN_SORT, "", {709, 154, 23, 21}, kButton},
        {Kind::PushButton, IDC_BTN_EXDOC, "", {709, 125, 23, 21}, kButton},
        {Kind::PushButton, IDC_BTN_IMPORTDOC, "", {709, 95, 23, 21}, kButton},
        {Kind::PushButton, IDC_BTN_SAVEDOC, "", {709, 95, 23, 21}, kButton},
        {Kind::PushButton, IDC_BTN_READ, "", {709, 125, 23, 21}, kButton},
        {Kind::PushButton, IDC_BTN_IMPORTPARTIAL, "", {709, 202, 23, 21}, kButton},
        {Kind::TreeCtrl, IDC_TREE, "", {5, 5, 152, 369}, kTree},
        {Kind::PushButton, IDC_BTN_WORD, "", {709, 237, 23, 21}, kButton},
        {Kind::PushButton, IDC_BTN_SAVE, "", {709, 64, 23, 21}, kButton},
        {Kind::PushButton, IDC_BTN_PROADD, "", {709, 34, 23, 21}, kButton},
        {Kind::Static, IDC_PLACEHOLDER, "", {162, 5, 533, 369}, SS_BLACKFRAME, {}, true},
    }, WS_CHILD};
    return tpl;
}

CDlgAppWriter::CDlgAppWriter(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    static const bool registered = (ui::RegisterToolBar(IDR_FORMATBAR, formatbar::Resource()), true);
    (void)registered;

    MapClicked(ID_FONTNAME, [this] { OnFontname(); });
    MapClicked(ID_CHAR_COLOR, [this] { OnCharColor(); });
    MapClicked(ID_CHAR_BOLD, [this] { OnCharBold(); });
    MapClicked(ID_CHAR_ITALIC, [this] { OnCharItalic(); });
    MapClicked(ID_CHAR_UNDERLINE, [this] { OnCharUnderline(); });
    MapClicked(ID_PARA_LEFT, [this] { OnParaLeft(); });
    MapClicked(ID_PARA_CENTER, [this] { OnParaCenter(); });
    MapClicked(ID_PARA_RIGHT, [this] { OnParaRight(); });
    MapUpdateUI(ID_CHAR_BOLD, [this](ui::CmdUI& cmd) { OnUpdateCharBold(&cmd); });
    MapUpdateUI(ID_CHAR_ITALIC, [this](ui::CmdUI& cmd) { OnUpdateCharItalic(&cmd); });
    MapUpdateUI(ID_CHAR_UNDERLINE, [this](ui::CmdUI& cmd) { OnUpdateCharUnderline(&cmd); });
    MapUpdateUI(ID_PARA_LEFT, [this](ui::CmdUI& cmd) { OnUpdateParaLeft(&cmd); });
    MapUpdateUI(ID_PARA_CENTER, [this](ui::CmdUI& cmd) { OnUpdateParaCenter(&cmd); });
    MapUpdateUI(ID_PARA_RIGHT, [this](ui::CmdUI& cmd) { OnUpdateParaRight(&cmd); });
    MapMessage(WM_RICHSEL_CHANGED, [this](WPARAM w, LPARAM l) { return OnRichSelChanged(w, l); });

    // Buttons, tree and tabs report to the form view through its handlers.
    for (int id : {IDC_BTN_PROADD, IDC_BTN_SAVE, IDC_BTN_WORD, IDC_BTN_IMPORTDOC, IDC_BTN_EXDOC,
                   IDC_BTN_IMPORTPARTIAL, IDC_BTN_SAVEDOC, IDC_BTN_READ, IDC_BTN_SORT})
        MapClicked(id, [this, id] {
            if (m_onCommand) m_onCommand(id);
        });
    MapNotify(IDC_TREE, ui::TVN_SELCHANGING, [this](const ui::NotifyInfo& info) {
        if (m_onTreeSelection) m_onTreeSelection(info, true);
    });
    MapNotify(IDC_TREE, ui::TVN_SELCHANGED, [this](const ui::NotifyInfo& info) {
        if (m_onTreeSelection) m_onTreeSelection(info, false);
    });
    MapMessage(ui::BCGM_CHANGE_ACTIVE_TAB, [this](WPARAM tab, LPARAM l) {
        return m_onChangeActiveTab ? m_onChangeActiveTab(tab, l) : LRESULT(0);
    });
}

void CDlgAppWriter::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_BTN_SORT, m_btnSort);
    dx.Control(IDC_BTN_EXDOC, m_btnExDoc);
    dx.Control(IDC_BTN_IMPORTDOC, m_btnImportDoc);
    dx.Control(IDC_BTN_SAVEDOC, m_btnSaveDoc);
    dx.Control(IDC_BTN_READ, m_btnRead);
    dx.Control(IDC_BTN_IMPORTPARTIAL, m_btnImportPartial);
    dx.Control(IDC_TREE, m_tree);
    dx.Control(IDC_BTN_WORD, m_btnWord);
    dx.Control(IDC_BTN_SAVE, m_btnSave);
    dx.Control(IDC_BTN_PROADD, m_btnProadd);
}

BOOL CDlgAppWriter::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kBackground);
    BuildTree();

    const ui::Rect place = GetItemRect(IDC_PLACEHOLDER);
    m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | ui::CBRS_ALIGN_TOP | ui::CBRS_BORDER_BOTTOM, ui::AFX_IDW_TOOLBAR);
    m_wndToolBar.LoadToolBar(IDR_FORMATBAR);
    m_wndToolBar.SetOwner(this);

    if (!m_wndTab.IsWindow()) CreatePages();
    // The bar lies over the top of the pages, under the tabs: the pages leave
    // that band free.
    const int tabs = m_wndTab.GetTabRect(0).bottom;
    m_wndToolBar.MoveWindow(place.left + 3, place.top + tabs + 2, place.Width() - 6, 31);
    m_wndToolBar.GetWidget()->raise();
    m_pCurRichEdit = &m_dlgChapter.m_richEdit;
    return TRUE;
}

void CDlgAppWriter::BuildTree() {
    const ui::HTREEITEM root = m_tree.InsertItem("基金申请书编写");
    const ui::HTREEITEM summary = m_tree.InsertItem("一、项目申请简表", root);
    m_tree.InsertItem("（一）申请书基本信息", summary);
    m_tree.InsertItem("（二）申请人及成员", summary);
    m_tree.InsertItem("二、经费预算", root);
    m_tree.InsertItem("三、研究目标及研究内容", root);
    m_tree.Expand(root, ui::TVE_EXPAND);
}

void CDlgAppWriter::CreatePages() {
    m_wndTab.Create(ui::TabWnd::STYLE_3D_ROUNDED, GetItemRect(IDC_PLACEHOLDER), this, IDC_TABWND,
                    ui::TabWnd::LOCATION_TOP, FALSE);
    CDlgAppPage* const pages[] = {&m_dlgBasicInfo, &m_dlgMembers, &m_dlgBudget, &m_dlgChapter, &m_dlgGoals,
                                  &m_dlgPlan,      &m_dlgBasis,   &m_dlgOpinion, &m_dlgRecommend};
    for (CDlgAppPage* page : pages) page->Create(&m_wndTab);
    // Only the first four pages have a tab; the others serve the form view hidden.
    m_wndTab.AddTab(&m_dlgBasicInfo, "申请书基本信息", UINT(-1), TRUE);
    m_wndTab.AddTab(&m_dlgMembers, "申请人及成员", UINT(-1), TRUE);
    m_wndTab.AddTab(&m_dlgBudget, "经费预算", UINT(-1), TRUE);
    m_wndTab.AddTab(&m_dlgChapter, "研究目标及研究内容", UINT(-1), TRUE);
    for (size_t i = kTabChapter + 1; i < std::size(pages); ++i) pages[i]->ShowWindow(SW_HIDE);
}

// ---- formatting ----

void CDlgAppWriter::OnFontname() { m_pCurRichEdit->ChooseFont(); }
void CDlgAppWriter::OnCharColor() { m_pCurRichEdit->ChooseColor(); }
void CDlgAppWriter::OnCharBold() { m_pCurRichEdit->ToggleBold(); }
void CDlgAppWriter::OnCharItalic() { m_pCurRichEdit->ToggleItalic(); }
void CDlgAppWriter::OnCharUnderline() { m_pCurRichEdit->ToggleUnderline(); }

void CDlgAppWriter::OnParaLeft() {
    m_pCurRichEdit->AlignLeft();
    SetAlignmentFlags(ui::PFA_LEFT);
}

void CDlgAppWriter::OnParaCenter() {
    m_pCurRichEdit->AlignCenter();
    SetAlignmentFlags(ui::PFA_CENTER);
}

void CDlgAppWriter::OnParaRight() {
    m_pCurRichEdit->AlignRight();
    SetAlignmentFlags(ui::PFA_RIGHT);
}

void CDlgAppWriter::OnUpdateCharBold(ui::CmdUI* cmdUI) { cmdUI->SetCheck(m_bBold); }
void CDlgAppWriter::OnUpdateCharItalic(ui::CmdUI* cmdUI) { cmdUI->SetCheck(m_bItalic); }
void CDlgAppWriter::OnUpdateCharUnderline(ui::CmdUI* cmdUI) { cmdUI->SetCheck(m_bUnderline); }
void CDlgAppWriter::OnUpdateParaLeft(ui::CmdUI* cmdUI) { cmdUI->SetCheck(m_bLeft); }
void CDlgAppWriter::OnUpdateParaCenter(ui::CmdUI* cmdUI) { cmdUI->SetCheck(m_bCenter); }
void CDlgAppWriter::OnUpdateParaRight(ui::CmdUI* cmdUI) { cmdUI->SetCheck(m_bRight); }

LRESULT CDlgAppWriter::OnRichSelChanged(WPARAM becomesCurrent, LPARAM editor) {
    if (becomesCurrent && editor) m_pCurRichEdit = reinterpret_cast<COleRichEdit*>(editor);
    if (!m_pCurRichEdit) return 0;
    ui::CharFormat chars;
    m_pCurRichEdit->GetSelectionCharFormat(chars);
    m_bBold = (chars.dwEffects & ui::CFE_BOLD) != 0;
    m_bItalic = (chars.dwEffects & ui::CFE_ITALIC) != 0;
    m_bUnderline = (chars.dwEffects & ui::CFE_UNDERLINE) != 0;
    ui::ParaFormat para;
    m_pCurRichEdit->GetParaFormat(para);
    SetAlignmentFlags(para.wAlignment);  // a justified paragraph leaves the flags alone
    m_wndToolBar.OnUpdateCmdUI(this);
    return 0;
}

void CDlgAppWriter::SetAlignmentFlags(int alignment) {
    if (alignment != ui::PFA_LEFT && alignment != ui::PFA_CENTER && alignment != ui::PFA_RIGHT) return;
    m_bLeft = alignment == ui::PFA_LEFT;
    m_bCenter = alignment == ui::PFA_CENTER;
    m_bRight = alignment == ui::PFA_RIGHT;
}
