#include "guide_annual/DlgOneGuide.h"

IMPLEMENT_DYNCREATE(CDlgOneGuide, ui::PlaceholderView)

std::string CDlgOneGuide::m_strPublishYear;

CDlgOneGuide::CDlgOneGuide() : ui::PlaceholderView(IDD, "年度指南") {}

void CDlgOneGuide::Clear() { SetDetail(""); }

int CDlgOneGuide::ShowFundInfo(std::string period) {
    SetDetail("时期：" + period);
    return 0;
}
