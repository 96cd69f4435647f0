// The page of the unit opinions (六、单位意见 and its two parts): one
// rich-text field under the heading of the opinion shown.
#pragma once

#include <string>

#include "application/DlgAppPage.h"

class CDlgAppOpinion : public CDlgAppChapterPage {
public:
    static constexpr int IDD = 5006;
    static constexpr int IDC_HEADING = 5505, IDC_RICHEDIT = 5511;

    CDlgAppOpinion();
    static const ui::DialogTemplate& Template();

    // The heading for a chapter name; the group shows its first opinion.
    void SetTitle(const std::string& chapter);
};
