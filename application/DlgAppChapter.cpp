#include "application/DlgAppChapter.h"

#include "platform/ui/DataExchange.h"

const ui::DialogTemplate& CDlgAppChapter::Template() {
    static const ui::DialogTemplate tpl = ChapterTemplate(IDD, IDC_HEADING, "研究目标及研究内容：", IDC_RICHEDIT);
    return tpl;
}

CDlgAppChapter::CDlgAppChapter() : CDlgAppChapterPage(Template(), IDC_HEADING, IDC_RICHEDIT) {}

void CDlgAppChapter::DoDataExchange(ui::DataExchange& dx) { dx.Text(IDC_RICHEDIT, m_strText); }
