// The 项目批复 module view: the year bar and the tree of the general projects
// that passed review, and the approval panel of the selected project.
#pragma once

#include "review/DlgPFPanel.h"
#include "review/DlgProTree.h"
#include "review/DlgYearBar.h"
#include "review/WorkflowView.h"

class CDlgPF : public CWorkflowView {
    DECLARE_DYNCREATE(CDlgPF)
public:
    static constexpr int IDD = 6200;
    static constexpr int IDC_PANEL_PLACE = 6049;

    CDlgPF();
    static const ui::DialogTemplate& Template();

    CDlgYearBar& YearBar() override { return m_dlgYearBar; }
    CDlgProTree& ProTree() override { return m_dlgProTree; }

    CDlgYearBar m_dlgYearBar;
    CDlgProTree m_dlgProTree;
    CDlgPFPanel m_dlgPanel;

protected:
    void CreateStepPanels() override;
};
