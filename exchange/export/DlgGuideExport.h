// The 导出指南 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgGuideExport : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgGuideExport)
public:
    static constexpr int IDD = 4053;

    CDlgGuideExport();
};
