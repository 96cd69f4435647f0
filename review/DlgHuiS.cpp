#include "review/DlgHuiS.h"

IMPLEMENT_DYNCREATE(CDlgHuiS, ui::FormView)

// The bar refills the tree, and shows the Excel button for 重点实验室 only;
// the tree hands the selected number to the summary and the review panel.
CDlgHuiS::CDlgHuiS() : CWorkflowView(Template()) {
    m_dlgYearBar.m_onChanged = [this](const std::string& year, int category) {
        m_dlgProTree.UpdateProTree(year, category == 0, true, category != 0, false);
        if (ui::Wnd* excel = m_dlgPanel.GetDlgItem(CDlgHuiSPanel::IDC_EXCEL))
            excel->ShowWindow(category == 1 ? SW_SHOW : SW_HIDE);
    };
    m_dlgProTree.m_onSelected = [this](const std::string& xmbh) {
        m_dlgPanel.m_dlgSummary.ShowProject(xmbh);
        m_dlgPanel.LoadReview(xmbh);
    };
}

const ui::DialogTemplate& CDlgHuiS::Template() {
    static const ui::DialogTemplate t = LayoutTemplate(IDD, IDC_PANEL_PLACE);
    return t;
}

void CDlgHuiS::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgSummary.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}
