#include "application/DlgAppGoals.h"

const ui::DialogTemplate& CDlgAppGoals::Template() {
    static const ui::DialogTemplate tpl = ChapterTemplate(IDD, IDC_HEADING, "title", IDC_RICHEDIT);
    return tpl;
}

CDlgAppGoals::CDlgAppGoals() : CDlgAppChapterPage(Template(), IDC_HEADING, IDC_RICHEDIT) {}
