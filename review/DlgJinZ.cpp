#include "review/DlgJinZ.h"

IMPLEMENT_DYNCREATE(CDlgJinZ, ui::PlaceholderView)

CDlgJinZ::CDlgJinZ() : ui::PlaceholderView(IDD, "项目进展") {}
