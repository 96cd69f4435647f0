// The 项目计划 module view: the year bar and the tree of the key projects that
// passed review, and the plan panel of the selected project.
#pragma once

#include "review/DlgPlanPanel.h"
#include "review/DlgProTree.h"
#include "review/DlgYearBar.h"
#include "review/WorkflowView.h"

class CDlgPlan : public CWorkflowView {
    DECLARE_DYNCREATE(CDlgPlan)
public:
    static constexpr int IDD = 6039;
    static constexpr int IDC_PANEL_PLACE = 6049;

    CDlgPlan();
    static const ui::DialogTemplate& Template();

    CDlgYearBar& YearBar() override { return m_dlgYearBar; }
    CDlgProTree& ProTree() override { return m_dlgProTree; }

    CDlgYearBar m_dlgYearBar;
    CDlgProTree m_dlgProTree;
    CDlgPlanPanel m_dlgPanel;

protected:
    void CreateStepPanels() override;
};
