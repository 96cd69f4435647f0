// The 项目申请 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include <string>

#include "platform/ui/FramePlaceholderView.h"

class CDlgproappl : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgproappl)
public:
    static constexpr int IDD = 5000;

    CDlgproappl();

    // The current period's year range ("2006-2010"), assigned by the main program.
    static std::string m_strPublishYear;
};
