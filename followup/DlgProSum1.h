// The 阶段进展报告 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgProSum1 : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgProSum1)
public:
    static constexpr int IDD = 5601;

    CDlgProSum1();
};
