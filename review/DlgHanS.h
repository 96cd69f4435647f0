// The 项目函审 module view: the year bar (category fixed to 专业组), the
// tree of the year's general projects of the specialty groups, and the
// letter-review panel.
#pragma once

#include "review/DlgHanSPanel.h"
#include "review/DlgProTree.h"
#include "review/DlgYearBar.h"
#include "review/WorkflowView.h"

class CDlgHanS : public CWorkflowView {
    DECLARE_DYNCREATE(CDlgHanS)
public:
    static constexpr int IDD = 6021;
    static constexpr int IDC_PANEL_PLACE = 6064;

    CDlgHanS();
    static const ui::DialogTemplate& Template();

    CDlgYearBar& YearBar() override { return m_dlgYearBar; }
    CDlgProTree& ProTree() override { return m_dlgProTree; }

    CDlgYearBar m_dlgYearBar;
    CDlgProTree m_dlgProTree;
    CDlgHanSPanel m_dlgPanel;

protected:
    void CreateStepPanels() override;
    void OnBarCreated() override;
};
