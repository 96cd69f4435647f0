// The 项目进展 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgJinZ : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgJinZ)
public:
    static constexpr int IDD = 7087;

    CDlgJinZ();
};
