#include "review/DlgHuiS.h"

IMPLEMENT_DYNCREATE(CDlgHuiS, ui::PlaceholderView)

CDlgHuiS::CDlgHuiS() : ui::PlaceholderView(IDD, "项目会审") {}
