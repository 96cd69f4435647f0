#include "exchange/export/DlgProjectExport.h"

IMPLEMENT_DYNCREATE(CDlgProjectExport, ui::PlaceholderView)

CDlgProjectExport::CDlgProjectExport() : ui::PlaceholderView(IDD, "导出项目") {}
