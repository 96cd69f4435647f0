#include "exchange/import/DlgProjectImport.h"

IMPLEMENT_DYNCREATE(CDlgProjectImport, ui::PlaceholderView)

CDlgProjectImport::CDlgProjectImport() : ui::PlaceholderView(IDD, "导入项目") {}
