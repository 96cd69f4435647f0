// The plan drafts of the key projects in Word: the plan table of the ticked
// funds filled into the template chosen by paper size, two table rows per
// project (number, name, overall goals and form of completion, schedule,
// unit, approved funds and their halves per year, remark; then the annual
// goals and form of completion), the subtotal below. The stored rich texts
// keep their formatting, re-set to 10.5-point 宋体. Either one document left
// open for the user with a merged heading row before each fund, or one saved
// document per undertaking unit under "项目计划".
#pragma once

#include <functional>
#include <string>

#include "office_reports/PlanOutputRun.h"

class CPlanOutputDialog;

namespace reports {

// What the drafts take from the plan output dialog: its year, category, paper
// size, ticked funds, hidden rich-text control and connection, and beside
// them the per-unit flag (6092) and its two look-ups.
struct PlanDraftRequest {
    CPlanOutputDialog& dialog;
    bool perUnit = false;
    std::function<std::string(const std::string& unit)> unitName;       // "" for none
    std::function<std::string(const std::string& xmbh)> approvedFunds;  // the approved amount's text
};

RunResult WritePlanDrafts(const PlanDraftRequest& request);

// "<program folder>\模板\计划草案模板A3.doc" (A4, B4) by paper size.
std::string PlanDraftTemplate(int paperSize);

}  // namespace reports
