#include "review/DlgPlan.h"

IMPLEMENT_DYNCREATE(CDlgPlan, ui::PlaceholderView)

CDlgPlan::CDlgPlan() : ui::PlaceholderView(IDD, "项目计划") {}
