#include "review/DlgAccept.h"

IMPLEMENT_DYNCREATE(CDlgAccept, ui::FormView)

// The bar refills the tree; the tree hands the selected number to the
// detail and the result page.
CDlgAccept::CDlgAccept() : CWorkflowView(Template()) {
    // Both fund kinds, only projects whose review passed.
    m_dlgYearBar.m_onChanged = [this](const std::string& year, int category) {
        m_dlgProTree.UpdateProTree(year, category == 0, true, true, true);
    };
    m_dlgProTree.m_onSelected = [this](const std::string& number) {
        m_dlgPanel.m_dlgDetail.LoadProject(number);
        m_dlgPanel.LoadResult(number);
    };
}

const ui::DialogTemplate& CDlgAccept::Template() {
    static const ui::DialogTemplate t = LayoutTemplate(IDD, IDC_PANEL_PLACE);
    return t;
}

void CDlgAccept::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgDetail.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}
