// The 项目会审 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgHuiS : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgHuiS)
public:
    static constexpr int IDD = 6027;

    CDlgHuiS();
};
