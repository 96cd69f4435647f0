#include "guide_fiveyear/DlgGuideDetail.h"


namespace fiveyear {

namespace {
constexpr GuideDetailPanel::Layout kLayout{CDlgGuideDetail::IDC_HEADER_FRAME, CDlgGuideDetail::IDC_TOOLBAR_FRAME,
                                           CDlgGuideDetail::IDC_TAB_FRAME,    CDlgGuideDetail::IDC_ADD,
                                           CDlgGuideDetail::IDC_SAVE,         CDlgGuideDetail::IDC_WORD,
                                           1};
}  // namespace

const ui::DialogTemplate& CDlgGuideDetail::Template() {
    static const ui::DialogTemplate tpl = BuildTemplate(IDD, kLayout);
    return tpl;
}

CDlgGuideDetail::CDlgGuideDetail(const Commands& commands, std::function<void()> nameLeft)
    : GuideDetailPanel(Template(), kLayout, commands, CGuideTabWnd::WM_CHAPTER_SELCHANGE),
      m_dlgHeader(std::move(nameLeft)) {}

void CDlgGuideDetail::CreatePanels() {
    m_dlgHeader.CreateOver(this, IDC_HEADER_FRAME);
    m_tabWnd.CreateTabs(GetItemRect(IDC_TAB_FRAME), this);
}

COleRichEdit* CDlgGuideDetail::ChapterOfTab(int tab) {
    const int chapter = CGuideTabWnd::ChapterOfTab(tab);
    return chapter < 0 ? nullptr : &m_tabWnd.Chapter(chapter);
}

}  // namespace fiveyear
