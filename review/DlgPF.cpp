#include "review/DlgPF.h"

IMPLEMENT_DYNCREATE(CDlgPF, ui::PlaceholderView)

CDlgPF::CDlgPF() : ui::PlaceholderView(IDD, "项目批复") {}
