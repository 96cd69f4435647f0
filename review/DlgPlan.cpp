#include "review/DlgPlan.h"

IMPLEMENT_DYNCREATE(CDlgPlan, ui::FormView)

void CDlgPlanYearBar::OnCategoryChanged() {
    if (auto* view = dynamic_cast<CDlgPlan*>(GetParent()))
        view->m_dlgProTree.UpdateProTree(GetYear(), GetCategory() == 0, true, false, true);
}

void CDlgPlanProTree::OnProjectSelected(const ui::NotifyInfo&, LRESULT* result) {
    if (auto* view = dynamic_cast<CDlgPlan*>(GetParent())) {
        const std::string xmbh = SelectedText();
        view->m_dlgPanel.m_dlgSummary.ShowProject(xmbh);
        view->m_dlgPanel.ShowApprovedTotal(xmbh);
        view->m_dlgPanel.ShowPlan(xmbh);
    }
    if (result) *result = 0;
}

CDlgPlan::CDlgPlan() : CWorkflowView(Template()) {}

const ui::DialogTemplate& CDlgPlan::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 749, 511}, {
        {Kind::Static, IDC_BAR_PLACE, "", {7, 4, 202, 53}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_TREE_PLACE, "", {7, 64, 202, 447}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_PANEL_PLACE, "", {216, 4, 531, 507}, SS_BLACKFRAME, {}, true},
    }, WS_CHILD};
    return t;
}

void CDlgPlan::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgSummary.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}
