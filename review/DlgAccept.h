// The 项目验收 module view: the year bar and the tree of the year's approved
// projects (both fund kinds) on the left, the acceptance result page with
// its information page on the right.
#pragma once

#include "review/DlgAcceptPanel.h"
#include "review/DlgProTree.h"
#include "review/DlgYearBar.h"
#include "review/WorkflowView.h"

class CDlgAccept : public CWorkflowView {
    DECLARE_DYNCREATE(CDlgAccept)
public:
    static constexpr int IDD = 6047;
    static constexpr int IDC_PANEL_PLACE = 6096;

    CDlgAccept();
    static const ui::DialogTemplate& Template();

    CDlgYearBar& YearBar() override { return m_dlgYearBar; }
    CDlgProTree& ProTree() override { return m_dlgProTree; }

    CDlgYearBar m_dlgYearBar;
    CDlgProTree m_dlgProTree;
    CDlgAcceptPanel m_dlgPanel;

protected:
    void CreateStepPanels() override;
};
