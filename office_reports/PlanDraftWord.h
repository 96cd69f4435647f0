// The plan drafts of the key projects in Word: the plan table of the ticked
// funds filled into the template chosen by paper size, two table rows per
// project (number, name, overall goals and form of completion, schedule,
// unit, approved funds and their halves per year, remark; then the annual
// goals and form of completion), the subtotal below. The stored rich texts
// keep their formatting, re-set to 10.5-point 宋体. Either one document left
// open for the user with a merged heading row before each fund, or one saved
// document per undertaking unit under "项目计划".
#pragma once

#include "office_reports/PlanOutputRun.h"

class CDlgPlanOutput;

namespace reports {

// Runs with the dialog's year, category, paper size, per-unit flag (6092),
// ticked funds, hidden rich-text control and connection.
RunResult WritePlanDrafts(CDlgPlanOutput& dialog);

// "<program folder>\模板\计划草案模板A3.doc" (A4, B4) by paper size.
std::string PlanDraftTemplate(int paperSize);

}  // namespace reports
