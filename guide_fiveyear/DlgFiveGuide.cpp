#include "guide_fiveyear/DlgFiveGuide.h"

IMPLEMENT_DYNCREATE(CDlgFiveGuide, ui::PlaceholderView)

std::string CDlgFiveGuide::m_strPublishYear;

CDlgFiveGuide::CDlgFiveGuide() : ui::PlaceholderView(IDD, "五年指南") {}

void CDlgFiveGuide::Clear() { SetDetail(""); }

int CDlgFiveGuide::ShowFundInfo(std::string period) {
    SetDetail("时期：" + period);
    return 0;
}
