#include "exchange/import/DlgGuideImport.h"

IMPLEMENT_DYNCREATE(CDlgGuideImport, ui::PlaceholderView)

CDlgGuideImport::CDlgGuideImport() : ui::PlaceholderView(IDD, "导入指南") {}
