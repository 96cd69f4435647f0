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
    static const ui::DialogTemplate t = LayoutTemplate(IDD, IDC_PANEL_PLACE);
    return t;
}

void CDlgPlan::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgSummary.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}
