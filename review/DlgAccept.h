// The 项目验收 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgAccept : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgAccept)
public:
    static constexpr int IDD = 6047;

    CDlgAccept();
};
