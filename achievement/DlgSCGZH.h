// The 成果转化 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgSCGZH : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgSCGZH)
public:
    static constexpr int IDD = 5606;

    CDlgSCGZH();
};
