#include "application/Dlgproappl.h"

IMPLEMENT_DYNCREATE(CDlgproappl, ui::PlaceholderView)

std::string CDlgproappl::m_strPublishYear;

CDlgproappl::CDlgproappl() : ui::PlaceholderView(IDD, "项目申请") {}
