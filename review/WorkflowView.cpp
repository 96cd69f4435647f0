#include "review/WorkflowView.h"

#include "foundation/ButtonST.h"
#include "foundation/ProjectDatabase.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Services.h"
#include "review/DlgProTree.h"
#include "review/DlgYearBar.h"
#include "review/ReviewArtwork.h"

namespace workflow {

std::string& PublishYear() {
    static std::string range;
    return range;
}

bool ConnectProjectDatabase(CAdoConnection& connection) {
    return ::ConnectProjectDatabase(connection);
}

bool OpenQuery(CAdoRecordSet& recordset, CAdoConnection* connection, const std::string& sql) {
    if (!connection) return false;
    recordset.SetConnection(connection);
    recordset.SetCursorLocation(adUseClient);
    return recordset.Open(sql, adCmdText, adOpenStatic, adLockOptimistic) != FALSE;
}

void StyleButton(CButtonST& button, int iconId, const std::string& tooltip) {
    reviewart::EnsureArtwork();
    button.SetIcon(iconId);
    button.SetHandCursor(kHandCursor);
    for (int state : {CButtonST::BTNST_COLOR_BK_IN, CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BTNST_COLOR_BK_FOCUS})
        button.SetColor(state, kPanelBackground, TRUE);
    button.SetTooltipText(tooltip.c_str(), TRUE);
}

void Prompt(const std::string& text) { ui::MessageBox(text, "提示", MB_OK | MB_ICONINFORMATION); }

float TextAsFloat(CAdoRecordSet& recordset, const std::string& column) {
    std::string value;
    recordset.GetString(column, value);
    return float(text::Atof(value));
}

}  // namespace workflow

ui::DialogTemplate CWorkflowView::LayoutTemplate(int idd, int panelPlace) {
    using ui::Kind;
    return {idd, "", {0, 0, 741, 511}, {
        {Kind::Static, IDC_BAR_PLACE, "", {7, 4, 194, 53}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_TREE_PLACE, "", {7, 64, 194, 447}, SS_BLACKFRAME, {}, true},
        {Kind::Static, panelPlace, "", {208, 4, 531, 507}, SS_BLACKFRAME, {}, true},
    }, WS_CHILD};
}

void CWorkflowView::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    if (!workflow::ConnectProjectDatabase(m_connection)) {
        ui::AfxMessageBox("数据库连接失败");
        return;
    }
    ProTree().m_pConnection = &m_connection;
    CreateStepPanels();
    YearBar().CreateOver(this, IDC_BAR_PLACE);
    ProTree().CreateOver(this, IDC_TREE_PLACE);
    OnBarCreated();
    YearBar().OnCategoryChanged();
}

std::optional<ui::CtlColor> CWorkflowView::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_DLG) return ui::CtlColor{RGB(255, 255, 255)};
    return ui::FormView::OnCtlColor(control, kind);
}
