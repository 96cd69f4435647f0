// The 导出项目 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgProjectExport : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgProjectExport)
public:
    static constexpr int IDD = 4054;

    CDlgProjectExport();
};
