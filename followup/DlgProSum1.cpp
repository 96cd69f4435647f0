#include "followup/DlgProSum1.h"

IMPLEMENT_DYNCREATE(CDlgProSum1, ui::PlaceholderView)

CDlgProSum1::CDlgProSum1() : ui::PlaceholderView(IDD, "阶段进展报告") {}
