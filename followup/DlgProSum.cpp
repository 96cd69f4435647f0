#include "followup/DlgProSum.h"

IMPLEMENT_DYNCREATE(CDlgProSum, ui::PlaceholderView)

CDlgProSum::CDlgProSum() : ui::PlaceholderView(IDD, "项目验收总结") {}
