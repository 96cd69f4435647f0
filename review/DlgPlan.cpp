#include "review/DlgPlan.h"

#include "review/ApprovalReorder.h"

IMPLEMENT_DYNCREATE(CDlgPlan, ui::FormView)

// The bar lists the passed key projects of the year and fund kind; the tree
// hands the selected number to the summary, the approved total and the plan.
CDlgPlan::CDlgPlan() : CWorkflowView(Template()) {
    m_dlgYearBar.m_onChanged = [this](const std::string& year, int category) {
        m_dlgProTree.UpdateProTree(year, category == 0, true, false, true);
    };
    m_dlgProTree.m_onSelected = [this](const std::string& xmbh) {
        m_dlgPanel.m_dlgSummary.ShowProject(xmbh);
        m_dlgPanel.ShowApprovedTotal(xmbh);
        m_dlgPanel.ShowPlan(xmbh);
    };
    m_dlgPanel.m_onReorder = [this] { return approval::ReorderProjects(*this, true); };
}

const ui::DialogTemplate& CDlgPlan::Template() {
    static const ui::DialogTemplate t = LayoutTemplate(IDD, IDC_PANEL_PLACE);
    return t;
}

void CDlgPlan::CreateStepPanels() {
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgSummary.m_pConnection = &m_connection;
    m_dlgPanel.CreateOver(this, IDC_PANEL_PLACE);
}
