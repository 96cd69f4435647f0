#include "application/DlgAppBasis.h"

const ui::DialogTemplate& CDlgAppBasis::Template() {
    static const ui::DialogTemplate tpl = ChapterTemplate(IDD, IDC_HEADING, "", IDC_RICHEDIT);
    return tpl;
}

CDlgAppBasis::CDlgAppBasis() : CDlgAppChapterPage(Template(), IDC_HEADING, IDC_RICHEDIT) {}

void CDlgAppBasis::SetTitle(const std::string& chapter) {
    ShowGroupTitle(chapter, "五、项目基础", "（一）研究工作基础及成绩");
}
