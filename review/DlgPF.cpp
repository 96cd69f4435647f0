#include "review/DlgPF.h"

IMPLEMENT_DYNCREATE(CDlgPF, ui::FormView)

void CDlgPFYearBar::OnCategoryChanged() {
    if (auto* view = dynamic_cast<CDlgPF*>(GetParent()))
        view->m_dlgProTree.UpdateProTree(GetYear(), GetCategory() == 0, false, false, true);
}

void CDlgPFProTree::OnProjectSelected(const ui::NotifyInfo&, LRESULT* result) {
    if (auto* view = dynamic_cast<CDlgPF*>(GetParent())) {
        const std::string xmbh = SelectedText();
        view->m_dlgPanel.m_dlgSummary.ShowProject(xmbh);
        view->m_dlgPanel.ShowApproval(xmbh);
    }
    if (result) *result = 0;
}

CDlgPF::CDlgPF() : CWorkflowView(Template()) {}

const ui::DialogTemplate& CDlgPF::Template() {
    static const ui::DialogTemplate t = LayoutTemplate(IDD, IDC_PANEL_PLACE);
    return t;
}

void CDlgPF::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgSummary.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}
