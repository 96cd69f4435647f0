#include "review/DlgPF.h"

#include "review/ApprovalReorder.h"

IMPLEMENT_DYNCREATE(CDlgPF, ui::FormView)

// The bar lists the passed general projects of the year and fund kind; the
// tree hands the selected number to the summary and the approval panel.
CDlgPF::CDlgPF() : CWorkflowView(Template()) {
    m_dlgYearBar.m_onChanged = [this](const std::string& year, int category) {
        m_dlgProTree.UpdateProTree(year, category == 0, false, false, true);
    };
    m_dlgProTree.m_onSelected = [this](const std::string& xmbh) {
        m_dlgPanel.m_dlgSummary.ShowProject(xmbh);
        m_dlgPanel.ShowApproval(xmbh);
    };
    m_dlgPanel.m_onReorder = [this] { return approval::ReorderProjects(*this, false); };
}

const ui::DialogTemplate& CDlgPF::Template() {
    static const ui::DialogTemplate t = LayoutTemplate(IDD, IDC_PANEL_PLACE);
    return t;
}

void CDlgPF::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgSummary.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}
