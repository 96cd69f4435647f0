// What the six workflow views of the fund office share: the base view that
// opens the database and places the year bar, the project tree and the step
// panels over their placeholders. The panels' helpers are in WorkflowSupport.h.
#pragma once

#include <optional>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/Dialog.h"
#include "review/WorkflowSupport.h"

class CDlgProTree;
class CDlgYearBar;

// The base of the workflow views: a white form holding the year bar over
// placeholder 6052, the project tree over 6050 and the view's step panels.
class CWorkflowView : public ui::FormView {
public:
    static constexpr int IDC_BAR_PLACE = 6052;
    static constexpr int IDC_TREE_PLACE = 6050;

    // Connects, creates the step panels, the bar and the tree, and fills the
    // tree through the bar's category handler. Without a database the view
    // shows "数据库连接失败" and stays empty.
    void OnInitialUpdate() override;

    CAdoConnection& Connection() { return m_connection; }
    virtual CDlgYearBar& YearBar() = 0;
    virtual CDlgProTree& ProTree() = 0;

protected:
    explicit CWorkflowView(const ui::DialogTemplate& tpl) : ui::FormView(tpl) {}
    // The layout every workflow view shares: the year bar's and the tree's
    // placeholders on the left, the step panels' placeholder on the right.
    static ui::DialogTemplate LayoutTemplate(int idd, int panelPlace);
    // Hands the connection to the step panels and creates them over their
    // placeholders (called before the bar and the tree are made).
    virtual void CreateStepPanels() = 0;
    // After the bar's window exists, before the tree is filled.
    virtual void OnBarCreated() {}
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

    CAdoConnection m_connection;
};
