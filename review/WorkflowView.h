// What the six workflow views of the fund office share: the base view that
// opens the database and places the year bar, the project tree and the step
// panels over their placeholders, and the helpers of their panels (panel
// colour, button styling, query opening, the prompt box).
#pragma once

#include <optional>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/Dialog.h"

class CButtonST;
class CDlgProTree;
class CDlgYearBar;

namespace workflow {

// Background of the fund office's panels and bars.
constexpr COLORREF kPanelBackground = RGB(242, 246, 255);
// Resource ids of the panels' button artwork and hand cursor.
constexpr int kSaveIcon = 32160;
constexpr int kExcelIcon = 6032;
constexpr int kReorderIcon = 6045;
constexpr int kHandCursor = 32004;

// Opens project.mdb of the program folder with the database password.
bool ConnectProjectDatabase(CAdoConnection& connection);
// Opens a query on the connection with a client-side static cursor and
// optimistic locking; false (recordset closed) without a connection.
bool OpenQuery(CAdoRecordSet& recordset, CAdoConnection* connection, const std::string& sql);
// The icon, the hand cursor, the panel colour as background of the states
// in, out and focus, and the tool tip.
void StyleButton(CButtonST& button, int iconId, const std::string& tooltip);
// Message box with caption "提示" and the information icon.
void Prompt(const std::string& text);
// A text column read as a number as the C library reads it (empty or not a
// number: 0).
float TextAsFloat(CAdoRecordSet& recordset, const std::string& column);

}  // namespace workflow

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
    // The frame every workflow view has: the year bar's and the tree's
    // placeholders at the left, the step panel's at the right.
    static ui::DialogTemplate FrameTemplate(int dialogId, int panelPlace);
    // Hands the connection to the step panels and creates them over their
    // placeholders (called before the bar and the tree are made).
    virtual void CreateStepPanels() = 0;
    // After the bar's window exists, before the tree is filled.
    virtual void OnBarCreated() {}
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

    CAdoConnection m_connection;
};
