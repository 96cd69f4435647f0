// The 项目函审 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgHanS : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgHanS)
public:
    static constexpr int IDD = 6021;

    CDlgHanS();
};
