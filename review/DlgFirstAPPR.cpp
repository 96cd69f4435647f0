#include "review/DlgFirstAPPR.h"

IMPLEMENT_DYNCREATE(CDlgFirstAPPR, ui::PlaceholderView)

std::string CDlgFirstAPPR::m_strPublishYear;

CDlgFirstAPPR::CDlgFirstAPPR() : ui::PlaceholderView(IDD, "项目初审") {}
