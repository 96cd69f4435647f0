// The page of the foundation chapters (五、项目基础 and its four parts): one
// rich-text field under the heading of the chapter shown.
#pragma once

#include <string>

#include "application/DlgAppPage.h"

class CDlgAppBasis : public CDlgAppChapterPage {
public:
    static constexpr int IDD = 5005;
    static constexpr int IDC_HEADING = 5506, IDC_RICHEDIT = 5188;

    CDlgAppBasis();
    static const ui::DialogTemplate& Template();

    // The heading for a chapter name; the group shows its first chapter.
    void SetTitle(const std::string& chapter);
};
