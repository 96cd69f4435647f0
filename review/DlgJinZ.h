// The 项目进展 module view: the year bar, the tree of the projects whose first
// review passed (key projects of the specialty groups, both kinds of the key
// laboratories), and the progress panel of the selected project.
#pragma once

#include "review/DlgJinZPanel.h"
#include "review/DlgProTree.h"
#include "review/DlgYearBar.h"
#include "review/WorkflowView.h"

class CDlgJinZ : public CWorkflowView {
    DECLARE_DYNCREATE(CDlgJinZ)
public:
    static constexpr int IDD = 7087;
    static constexpr int IDC_PANEL_PLACE = 6074;

    CDlgJinZ();
    static const ui::DialogTemplate& Template();

    CDlgYearBar& YearBar() override { return m_dlgYearBar; }
    CDlgProTree& ProTree() override { return m_dlgProTree; }

    CDlgYearBar m_dlgYearBar;
    CDlgProTree m_dlgProTree;
    CDlgJinZPanel m_dlgPanel;

protected:
    void CreateStepPanels() override;
};
