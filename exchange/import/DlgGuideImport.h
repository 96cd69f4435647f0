// The 导入指南 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgGuideImport : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgGuideImport)
public:
    static constexpr int IDD = 4031;

    CDlgGuideImport();
};
