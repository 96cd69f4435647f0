#include "followup/SummaryView.h"

#include "application/ApplicationDb.h"
#include "widgets/FormatToolBar.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNAMIC(CSummaryView, ui::FormView)

CSummaryView::CSummaryView(followup::SummaryKind kind, std::unique_ptr<CSummaryListPage> list,
                           std::unique_ptr<CSummaryEditPage> edit)
    : ui::FormView(Template(kind)), m_kind(kind), m_pList(std::move(list)), m_pEdit(std::move(edit)) {
    using namespace formatbar;
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
}

CSummaryView::~CSummaryView() = default;

const ui::DialogTemplate& CSummaryView::Template(followup::SummaryKind kind) {
    using ui::Kind;
    auto make = [](followup::SummaryKind kind) {
        const bool acceptance = kind == followup::SummaryKind::Acceptance;
        return ui::DialogTemplate{followup::Traits(kind).viewId, "", {0, 0, 741, 515}, {
            // The acceptance list's page needs 118 units; its edit page follows it.
            {Kind::Static, IDC_LIST_PLACE, "", {4, 4, 735, acceptance ? 118 : 124}, SS_BLACKFRAME, {}, true},
            {Kind::Static, IDC_EDIT_PLACE, "", {4, acceptance ? 124 : 132, 735, acceptance ? 343 : 379}, SS_BLACKFRAME,
             {}, true},
        }, WS_CHILD};
    };
    static const ui::DialogTemplate acceptance = make(followup::SummaryKind::Acceptance);
    static const ui::DialogTemplate progress = make(followup::SummaryKind::Progress);
    return kind == followup::SummaryKind::Acceptance ? acceptance : progress;
}

std::optional<ui::CtlColor> CSummaryView::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_DLG) return ui::CtlColor{RGB(255, 255, 255)};
    return ui::FormView::OnCtlColor(control, kind);
}

void CSummaryView::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    if (!appdb::Connect(m_connection)) {
        ui::AfxMessageBox("数据库连接失败");
        return;
    }
    m_pList->m_pConnection = &m_connection;
    m_pList->m_pEditor = m_pEdit.get();
    CSummaryListPage* list = m_pList.get();
    m_pEdit->m_onOpenProject = [list](const std::string& xmbh, const std::string& xmmc) {
        list->OpenDocument(xmbh, xmmc);
    };
    m_pEdit->m_onSaved = [list] { list->FillList(); };
    m_pEdit->SetConnection(&m_connection);
    m_pList->CreateOver(this, IDC_LIST_PLACE);
    m_pList->ShowWindow(SW_SHOW);
    m_pEdit->CreateOver(this, IDC_EDIT_PLACE);
    m_pEdit->ShowWindow(SW_SHOW);
}

void CSummaryView::OnFontname() { Text().ChooseFont(); }
void CSummaryView::OnCharColor() { Text().ChooseColor(); }
void CSummaryView::OnCharBold() { Text().ToggleBold(); }
void CSummaryView::OnCharItalic() { Text().ToggleItalic(); }
void CSummaryView::OnCharUnderline() { Text().ToggleUnderline(); }
void CSummaryView::OnParaLeft() { Text().AlignLeft(); }
void CSummaryView::OnParaCenter() { Text().AlignCenter(); }
void CSummaryView::OnParaRight() { Text().AlignRight(); }
void CSummaryView::OnUpdateCharBold(ui::CmdUI* cmd) { Text().UpdateCharBold(cmd); }
void CSummaryView::OnUpdateCharItalic(ui::CmdUI* cmd) { Text().UpdateCharItalic(cmd); }
void CSummaryView::OnUpdateCharUnderline(ui::CmdUI* cmd) { Text().UpdateCharUnderline(cmd); }
void CSummaryView::OnUpdateParaLeft(ui::CmdUI* cmd) { Text().UpdateParaLeft(cmd); }
void CSummaryView::OnUpdateParaCenter(ui::CmdUI* cmd) { Text().UpdateParaCenter(cmd); }
void CSummaryView::OnUpdateParaRight(ui::CmdUI* cmd) { Text().UpdateParaRight(cmd); }
