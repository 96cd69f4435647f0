// The 五年指南 module view. Until its business area is built it is a
// placeholder that names the module in its window.
#pragma once

#include <string>

#include "platform/ui/FramePlaceholderView.h"

class CDlgFiveGuide : public ui::PlaceholderView {
    DECLARE_DYNCREATE(CDlgFiveGuide)
public:
    static constexpr int IDD = 3031;

    CDlgFiveGuide();

    // The current period's year range ("2006-2010"), assigned by the main program.
    static std::string m_strPublishYear;

    // Empties the guide editor.
    void Clear();
    // Lists the guides of a period; the result is not used by callers.
    int ShowFundInfo(std::string period);
};
