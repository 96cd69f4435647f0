#include "exchange/export/DlgGuideExport.h"

IMPLEMENT_DYNCREATE(CDlgGuideExport, ui::PlaceholderView)

CDlgGuideExport::CDlgGuideExport() : ui::PlaceholderView(IDD, "导出指南") {}
