#include "review/DlgHanS.h"

#include "platform/ui/Lists.h"

IMPLEMENT_DYNCREATE(CDlgHanS, ui::FormView)

// The bar refills the tree; the tree hands the selected number to the
// summary and the letter-review panel.
CDlgHanS::CDlgHanS() : CWorkflowView(Template()) {
    m_dlgYearBar.m_onChanged = [this](const std::string& year, int category) {
        m_dlgProTree.UpdateProTree(year, category == 0, false, false, false);
    };
    m_dlgProTree.m_onSelected = [this](const std::string& xmbh) {
        m_dlgPanel.m_dlgSummary.ShowProject(xmbh);
        m_dlgPanel.LoadReview(xmbh);
    };
}

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
