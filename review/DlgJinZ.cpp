#include "review/DlgJinZ.h"

IMPLEMENT_DYNCREATE(CDlgJinZ, ui::FormView)

// The bar lists the projects of the year and fund kind, and offers the
// laboratory review table for the key laboratories only; the tree hands the
// selected number to the detail and the progress panel.
CDlgJinZ::CDlgJinZ() : CWorkflowView(Template()) {
    m_dlgYearBar.m_onChanged = [this](const std::string& year, int category) {
        m_dlgProTree.UpdateProTree(year, category == 0, true, category != 0, false);
        m_dlgPanel.ShowOutputButton(category == 1);
    };
    m_dlgProTree.m_onSelected = [this](const std::string& xmbh) {
        m_dlgPanel.m_dlgDetail.ShowProgressInfo(xmbh);
        m_dlgPanel.ShowProgress(xmbh);
    };
}

const ui::DialogTemplate& CDlgJinZ::Template() {
    static const ui::DialogTemplate t = LayoutTemplate(IDD, IDC_PANEL_PLACE);
    return t;
}

void CDlgJinZ::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgDetail.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}
