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
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 749, 511}, {
        {Kind::Static, IDC_BAR_PLACE, "", {7, 4, 202, 53}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_TREE_PLACE, "", {7, 64, 202, 447}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_PANEL_PLACE, "", {216, 4, 531, 507}, SS_BLACKFRAME, {}, true},
    }, WS_CHILD};
    return t;
}

void CDlgJinZ::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgDetail.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}
