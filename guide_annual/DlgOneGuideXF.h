// The 指南下发 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include "platform/ui/FramePlaceholderView.h"

class CDlgOneGuideXF : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgOneGuideXF)
public:
    static constexpr int IDD = 7010;

    CDlgOneGuideXF();

    // Rebuilds the year choice from the annual guide's period.
    void ReloadYear();
};
