// The page of the basis chapters (三、立论依据 and its three parts): one
// rich-text field that the form view fills with the chapter shown. It has no
// tab or tree node of its own in the writer, and nothing sets its heading.
#pragma once

#include "application/DlgAppPage.h"

class CDlgAppGoals : public CDlgAppChapterPage {
public:
    static constexpr int IDD = 5003;
    static constexpr int IDC_HEADING = 5502, IDC_RICHEDIT = 5183;

    CDlgAppGoals();
    static const ui::DialogTemplate& Template();
};
