#include "review/DlgHanS.h"

IMPLEMENT_DYNCREATE(CDlgHanS, ui::PlaceholderView)

CDlgHanS::CDlgHanS() : ui::PlaceholderView(IDD, "项目函审") {}
