// The 项目会审 module view: the year and category bar, the tree of the key
// projects of the specialty groups (专业组) or of all key-laboratory
// projects (重点实验室), and the meeting-review panel.
#pragma once

#include "review/DlgHuiSPanel.h"
#include "review/DlgProTree.h"
#include "review/DlgYearBar.h"
#include "review/WorkflowView.h"

class CDlgHuiS : public CWorkflowView {
    DECLARE_DYNCREATE(CDlgHuiS)
public:
    static constexpr int IDD = 6027;
    static constexpr int IDC_PANEL_PLACE = 6074;

    CDlgHuiS();
    static const ui::DialogTemplate& Template();

    CDlgYearBar& YearBar() override { return m_dlgYearBar; }
    CDlgProTree& ProTree() override { return m_dlgProTree; }

    CDlgYearBar m_dlgYearBar;
    CDlgProTree m_dlgProTree;
    CDlgHuiSPanel m_dlgPanel;

protected:
    void CreateStepPanels() override;
};
