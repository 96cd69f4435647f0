// The fund-office document and report dialogs that the review views open.
// Each view constructs the dialog, hands it its open connection and runs it
// modally; the result is not used. Every request is also recorded, so that
// the views' wiring can be checked.
#pragma once

#include <string>
#include <vector>

class CAdoConnection;

namespace ui {
class Wnd;
}

namespace officereports {

// One request of a view for a document dialog.
struct Request {
    std::string dialog;                   // class of the dialog asked for ("CDlgFirstExcel")
    ui::Wnd* parent = nullptr;            // the dialog's parent window, null for none
    CAdoConnection* connection = nullptr; // the caller's open connection
    int category = -1;                    // the category index handed over, -1 when none is
};

// Application list to Excel (dialog 7033), category index 0.
void RunFirstExcel(CAdoConnection* connection, int category);
// Key-laboratory statistics to Excel (dialog 6035).
void RunLabStatExcel(CAdoConnection* connection);
// Letter-review tables (dialog 6041), with the panel as parent.
void RunHanSExcel(ui::Wnd* parent, CAdoConnection* connection);
// Key-laboratory review table (dialog 6044); parent null or the panel.
void RunLabReviewExcel(ui::Wnd* parent, CAdoConnection* connection);
// Approval output (dialog 6043), category index 0.
void RunPFOutput(CAdoConnection* connection, int category);
// Plan output (dialog 6042), category index 0.
void RunPlanOutput(CAdoConnection* connection, int category);
// Achievement compilation (dialog 6051).
void RunCGXB(CAdoConnection* connection);

// The requests made since the last ClearRequests, oldest first.
const std::vector<Request>& Requests();
void ClearRequests();

}  // namespace officereports
