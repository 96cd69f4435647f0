#include "application/DlgAppOpinion.h"

const ui::DialogTemplate& CDlgAppOpinion::Template() {
    static const ui::DialogTemplate tpl = ChapterTemplate(IDD, IDC_HEADING, "", IDC_RICHEDIT);
    return tpl;
}

CDlgAppOpinion::CDlgAppOpinion() : CDlgAppChapterPage(Template(), IDC_HEADING, IDC_RICHEDIT) {}

void CDlgAppOpinion::SetTitle(const std::string& chapter) {
    ShowGroupTitle(chapter, "六、单位意见", "（一）单位学术委员会审查意见");
}
