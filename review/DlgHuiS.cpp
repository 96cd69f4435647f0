#include "review/DlgHuiS.h"

IMPLEMENT_DYNCREATE(CDlgHuiS, ui::FormView)

CDlgHuiS::CDlgHuiS() : CWorkflowView(Template()) {}

const ui::DialogTemplate& CDlgHuiS::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 749, 511}, {
        {Kind::Static, IDC_BAR_PLACE, "", {7, 4, 202, 53}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_TREE_PLACE, "", {7, 64, 202, 447}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_PANEL_PLACE, "", {216, 4, 531, 507}, SS_BLACKFRAME, {}, true},
    }, WS_CHILD};
    return t;
}

void CDlgHuiS::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgSummary.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}

void CDlgHuiSYearBar::OnCategoryChanged() {
    auto* view = dynamic_cast<CDlgHuiS*>(GetParent());
    if (!view) return;
    const int category = GetCategory();
    view->m_dlgProTree.UpdateProTree(GetYear(), category == 0, true, category != 0, false);
    if (ui::Wnd* excel = view->m_dlgPanel.GetDlgItem(CDlgHuiSPanel::IDC_EXCEL))
        excel->ShowWindow(category == 1 ? SW_SHOW : SW_HIDE);
}

void CDlgHuiSProTree::OnProjectSelected(const ui::NotifyInfo&, LRESULT* result) {
    if (auto* view = dynamic_cast<CDlgHuiS*>(GetParent())) {
        const std::string xmbh = SelectedText();
        view->m_dlgPanel.m_dlgSummary.ShowProject(xmbh);
        view->m_dlgPanel.LoadReview(xmbh);
    }
    if (result) *result = 0;
}
