// The 导入项目 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgProjectImport : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgProjectImport)
public:
    static constexpr int IDD = 4032;

    CDlgProjectImport();
};
