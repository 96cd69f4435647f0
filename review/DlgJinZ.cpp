#include "review/DlgJinZ.h"

IMPLEMENT_DYNCREATE(CDlgJinZ, ui::FormView)

void CDlgJinZYearBar::OnCategoryChanged() {
    auto* view = dynamic_cast<CDlgJinZ*>(GetParent());
    if (!view) return;
    const int category = GetCategory();
    view->m_dlgProTree.UpdateProTree(GetYear(), category == 0, true, category != 0, false);
    view->m_dlgPanel.ShowOutputButton(category == 1);
}

void CDlgJinZProTree::OnProjectSelected(const ui::NotifyInfo&, LRESULT* result) {
    if (auto* view = dynamic_cast<CDlgJinZ*>(GetParent())) {
        const std::string xmbh = SelectedText();
        view->m_dlgPanel.m_dlgDetail.ShowProgressInfo(xmbh);
        view->m_dlgPanel.ShowProgress(xmbh);
    }
    if (result) *result = 0;
}

CDlgJinZ::CDlgJinZ() : CWorkflowView(Template()) {}

const ui::DialogTemplate& CDlgJinZ::Template() {
    static const ui::DialogTemplate t = LayoutTemplate(IDD, IDC_PANEL_PLACE);
    return t;
}

void CDlgJinZ::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgDetail.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}
