#include "achievement/DlgSCGZH.h"

IMPLEMENT_DYNCREATE(CDlgSCGZH, ui::PlaceholderView)

CDlgSCGZH::CDlgSCGZH() : ui::PlaceholderView(IDD, "成果转化") {}
