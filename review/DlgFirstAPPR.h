// The 项目初审 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include <string>

#include "platform/ui/FramePlaceholderView.h"

class CDlgFirstAPPR : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgFirstAPPR)
public:
    static constexpr int IDD = 6010;

    CDlgFirstAPPR();

    // The current period's year range ("2006-2010"), assigned by the main program.
    static std::string m_strPublishYear;
};
