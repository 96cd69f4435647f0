#include "guide_annual/DlgOneGuideXF.h"

#include "guide_annual/DlgOneGuide.h"

IMPLEMENT_DYNCREATE(CDlgOneGuideXF, ui::PlaceholderView)

CDlgOneGuideXF::CDlgOneGuideXF() : ui::PlaceholderView(IDD, "指南下发") {}

void CDlgOneGuideXF::ReloadYear() { SetDetail("时期：" + CDlgOneGuide::m_strPublishYear); }
