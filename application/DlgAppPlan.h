// The page of the research-plan chapters (四、研究方案 and its five parts):
// one rich-text field under the long heading of the chapter shown, and the
// count of "GF报告", shown only with the results chapter.
#pragma once

#include <string>

#include "application/DlgAppPage.h"

class CDlgAppPlan : public CDlgAppChapterPage {
public:
    static constexpr int IDD = 5004;
    static constexpr int IDC_HEADING = 5507, IDC_RICHEDIT = 5207, IDC_GF_LABEL = 5508, IDC_GF_COUNT = 5228;

    CDlgAppPlan();
    static const ui::DialogTemplate& Template();

    // Heading and count for a chapter name; an unknown name empties the
    // heading and leaves the count as it is.
    void SetTitle(const std::string& chapter);
};
