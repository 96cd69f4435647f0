#include "review/OfficeReports.h"

#include "office_reports/DlgCGXB.h"
#include "office_reports/DlgFirstExcel.h"
#include "office_reports/DlgHanSExcel.h"
#include "office_reports/DlgLabReviewExcel.h"
#include "office_reports/DlgLabStatExcel.h"
#include "office_reports/DlgPFOutput.h"
#include "office_reports/DlgPlanOutput.h"

namespace officereports {

namespace {

std::vector<Request>& Log() {
    static std::vector<Request> requests;
    return requests;
}

void Record(const char* dialog, ui::Wnd* parent, CAdoConnection* connection, int category) {
    Log().push_back({dialog, parent, connection, category});
}

// Runs a report dialog on the opener's connection; the result is not used.
template <class Dialog>
void RunModal(Dialog& dialog, CAdoConnection* connection) {
    dialog.m_pConnection = connection;
    dialog.DoModal();
}

}  // namespace

void RunFirstExcel(CAdoConnection* connection, int category) {
    Record("CDlgFirstExcel", nullptr, connection, category);
    CDlgFirstExcel dialog;
    dialog.m_nCategory = category;
    RunModal(dialog, connection);
}

void RunLabStatExcel(CAdoConnection* connection) {
    Record("CDlgLabStatExcel", nullptr, connection, -1);
    CDlgLabStatExcel dialog;
    RunModal(dialog, connection);
}

void RunHanSExcel(ui::Wnd* parent, CAdoConnection* connection) {
    Record("CDlgHanSExcel", parent, connection, -1);
    CDlgHanSExcel dialog(parent);
    RunModal(dialog, connection);
}

void RunLabReviewExcel(ui::Wnd* parent, CAdoConnection* connection) {
    Record("CDlgLabReviewExcel", parent, connection, -1);
    CDlgLabReviewExcel dialog(parent);
    RunModal(dialog, connection);
}

void RunPFOutput(CAdoConnection* connection, int category) {
    Record("CDlgPFOutput", nullptr, connection, category);
    CDlgPFOutput dialog;
    dialog.m_nCategory = category;
    RunModal(dialog, connection);
}

void RunPlanOutput(CAdoConnection* connection, int category) {
    Record("CDlgPlanOutput", nullptr, connection, category);
    CDlgPlanOutput dialog;
    dialog.m_nCategory = category;
    RunModal(dialog, connection);
}

void RunCGXB(CAdoConnection* connection) {
    Record("CDlgCGXB", nullptr, connection, -1);
    CDlgCGXB dialog;
    RunModal(dialog, connection);
}

const std::vector<Request>& Requests() { return Log(); }

void ClearRequests() { Log().clear(); }

}  // namespace officereports
