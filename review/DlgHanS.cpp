#include "review/DlgHanS.h"

#include "platform/ui/Lists.h"

IMPLEMENT_DYNCREATE(CDlgHanS, ui::FormView)

CDlgHanS::CDlgHanS() : CWorkflowView(Template()) {}

const ui::DialogTemplate& CDlgHanS::Template() {
    static const ui::DialogTemplate t = LayoutTemplate(IDD, IDC_PANEL_PLACE);
    return t;
}

void CDlgHanS::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgSummary.m_pConnection = &m_connection;
    m_dlgPanel.m_ctrlExpertGrid.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}

void CDlgHanS::OnBarCreated() {
    // The letter review works on the specialty groups only.
    if (auto* category = m_dlgYearBar.Item<ui::ComboBox>(CDlgYearBar::IDC_CATEGORY)) {
        category->EnableWindow(FALSE);
        category->SetCurSel(0);
    }
}

void CDlgHanSYearBar::OnCategoryChanged() {
    if (auto* view = dynamic_cast<CDlgHanS*>(GetParent()))
        view->m_dlgProTree.UpdateProTree(GetYear(), GetCategory() == 0, false, false, false);
}

void CDlgHanSProTree::OnProjectSelected(const ui::NotifyInfo&, LRESULT* result) {
    if (auto* view = dynamic_cast<CDlgHanS*>(GetParent())) {
        const std::string xmbh = SelectedText();
        view->m_dlgPanel.m_dlgSummary.ShowProject(xmbh);
        view->m_dlgPanel.LoadReview(xmbh);
    }
    if (result) *result = 0;
}
