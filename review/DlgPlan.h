// The 项目计划 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgPlan : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgPlan)
public:
    static constexpr int IDD = 6039;

    CDlgPlan();
};
