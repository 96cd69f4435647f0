// The 项目进展 module view: the year bar, the tree of the projects whose first
// review passed (key projects of the specialty groups, both kinds of the key
// laboratories), and the progress panel of the selected project.
#pragma once

#include "review/DlgJinZPanel.h"
#include "review/DlgProTree.h"
#include "review/DlgYearBar.h"
#include "review/WorkflowView.h"

// Lists the projects of the year and fund kind, and offers the laboratory
// review table for the key laboratories only.
class CDlgJinZYearBar : public CDlgYearBar {
public:
    void OnCategoryChanged() override;
    void OnYearChanged() override { OnCategoryChanged(); }
};

// Hands the selected number to the detail and the progress panel.
class CDlgJinZProTree : public CDlgProTree {
protected:
    void OnProjectSelected(const ui::NotifyInfo& notification, LRESULT* result) override;
};

class CDlgJinZ : public CWorkflowView {
    DECLARE_DYNCREATE(CDlgJinZ)
public:
    static constexpr int IDD = 7087;
    static constexpr int IDC_PANEL_PLACE = 6074;

    CDlgJinZ();
    static const ui::DialogTemplate& Template();

    CDlgYearBar& YearBar() override { return m_dlgYearBar; }
    CDlgProTree& ProTree() override { return m_dlgProTree; }

    CDlgJinZYearBar m_dlgYearBar;
    CDlgJinZProTree m_dlgProTree;
    CDlgJinZPanel m_dlgPanel;

protected:
    void CreateStepPanels() override;
};
