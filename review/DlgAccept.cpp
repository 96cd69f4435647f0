#include "review/DlgAccept.h"

IMPLEMENT_DYNCREATE(CDlgAccept, ui::FormView)

CDlgAccept::CDlgAccept() : CWorkflowView(Template()) {}

const ui::DialogTemplate& CDlgAccept::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 749, 511}, {
        {Kind::Static, IDC_BAR_PLACE, "", {7, 4, 202, 53}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_TREE_PLACE, "", {7, 64, 202, 447}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_PANEL_PLACE, "", {216, 4, 531, 507}, SS_BLACKFRAME, {}, true},
    }, WS_CHILD};
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
