// The 项目批复 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgPF : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgPF)
public:
    static constexpr int IDD = 6200;

    CDlgPF();
};
