// The 项目验收总结 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgProSum : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgProSum)
public:
    static constexpr int IDD = 5518;

    CDlgProSum();
};
