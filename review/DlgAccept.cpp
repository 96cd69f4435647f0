#include "review/DlgAccept.h"

IMPLEMENT_DYNCREATE(CDlgAccept, ui::PlaceholderView)

CDlgAccept::CDlgAccept() : ui::PlaceholderView(IDD, "项目验收") {}
