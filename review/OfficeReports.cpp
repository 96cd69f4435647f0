#include "review/OfficeReports.h"

namespace officereports {

namespace {

std::vector<Request>& Log() {
    static std::vector<Request> requests;
    return requests;
}

void Record(const char* dialog, ui::Wnd* parent, CAdoConnection* connection, int category) {
    Log().push_back({dialog, parent, connection, category});
}

}  // namespace

void RunFirstExcelPlaceholder(CAdoConnection* connection, int category) {
    Record("CDlgFirstExcel", nullptr, connection, category);
}

void RunLabStatExcelPlaceholder(CAdoConnection* connection) { Record("CDlgLabStatExcel", nullptr, connection, -1); }

void RunHanSExcelPlaceholder(ui::Wnd* parent, CAdoConnection* connection) {
    Record("CDlgHanSExcel", parent, connection, -1);
}

void RunLabReviewExcelPlaceholder(ui::Wnd* parent, CAdoConnection* connection) {
    Record("CDlgLabReviewExcel", parent, connection, -1);
}

void RunPFOutputPlaceholder(CAdoConnection* connection, int category) {
    Record("CDlgPFOutput", nullptr, connection, category);
}

void RunPlanOutputPlaceholder(CAdoConnection* connection, int category) {
    Record("CDlgPlanOutput", nullptr, connection, category);
}

void RunCGXBPlaceholder(CAdoConnection* connection) { Record("CDlgCGXB", nullptr, connection, -1); }

const std::vector<Request>& Requests() { return Log(); }

void ClearRequests() { Log().clear(); }

}  // namespace officereports
