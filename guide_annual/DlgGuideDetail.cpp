#include "guide_annual/DlgGuideDetail.h"


namespace {
constexpr GuideDetailPanel::Layout kLayout{CDlgGuideDetail::IDC_HEADER_FRAME, CDlgGuideDetail::IDC_TOOLBAR_FRAME,
                                           CDlgGuideDetail::IDC_TAB_FRAME,    CDlgGuideDetail::IDC_ADD,
                                           CDlgGuideDetail::IDC_SAVE,         CDlgGuideDetail::IDC_WORD,
                                           0};
}  // namespace

const ui::DialogTemplate& CDlgGuideDetail::Template() {
    static const ui::DialogTemplate tpl = BuildTemplate(IDD, kLayout);
    return tpl;
}

CDlgGuideDetail::CDlgGuideDetail(const Commands& commands, CDlgGuideHeader::Events headerEvents)
    : GuideDetailPanel(Template(), kLayout, commands, CGuideTabWnd::WM_CHAPTER_SELCHANGE),
      m_dlgHeader(std::move(headerEvents)) {}

void CDlgGuideDetail::CreatePanels() {
    m_dlgHeader.CreateOver(this, IDC_HEADER_FRAME);
    m_tabWnd.CreateTabs(GetItemRect(IDC_TAB_FRAME), this);
}

COleRichEdit* CDlgGuideDetail::ChapterOfTab(int tab) {
    return tab < CGuideTabWnd::kTopicTab ? &m_tabWnd.Chapter(tab) : nullptr;
}
