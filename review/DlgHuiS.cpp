#include "review/DlgHuiS.h"

IMPLEMENT_DYNCREATE(CDlgHuiS, ui::FormView)

CDlgHuiS::CDlgHuiS() : CWorkflowView(Template()) {}

const ui::DialogTemplate& CDlgHuiS::Template() {
    static const ui::DialogTemplate t = LayoutTemplate(IDD, IDC_PANEL_PLACE);
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
