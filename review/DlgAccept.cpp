#include "review/DlgAccept.h"

IMPLEMENT_DYNCREATE(CDlgAccept, ui::FormView)

CDlgAccept::CDlgAccept() : CWorkflowView(Template()) {}

const ui::DialogTemplate& CDlgAccept::Template() {
    static const ui::DialogTemplate t = LayoutTemplate(IDD, IDC_PANEL_PLACE);
    return t;
}

void CDlgAccept::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgDetail.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}

void CDlgAcceptYearBar::OnCategoryChanged() {
    // Both fund kinds, only projects whose review passed.
    if (auto* view = dynamic_cast<CDlgAccept*>(GetParent()))
        view->m_dlgProTree.UpdateProTree(GetYear(), GetCategory() == 0, true, true, true);
}

void CDlgAcceptProTree::OnProjectSelected(const ui::NotifyInfo&, LRESULT* result) {
    if (auto* view = dynamic_cast<CDlgAccept*>(GetParent())) {
        const std::string number = SelectedText();
        view->m_dlgPanel.m_dlgDetail.LoadProject(number);
        view->m_dlgPanel.LoadResult(number);
    }
    if (result) *result = 0;
}
