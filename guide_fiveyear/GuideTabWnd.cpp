#include "guide_fiveyear/GuideTabWnd.h"

#include "guide_annual/DlgStudySubject.h"

namespace fiveyear {

IMPLEMENT_DYNAMIC(CGuideTabWnd, ui::TabWnd)

namespace {
constexpr const char* kTabLabels[CGuideTabWnd::kTabCount] = {
    "概述", "国内外研究情况", "五年总目标和重点研究内容", "选题范围", "与相关计划指南的关系", "效益分析"};
}  // namespace

CGuideTabWnd::CGuideTabWnd() {
    for (int id : kChapterIds)
        MapNotify(id, ui::EN_SELCHANGE, [this](const ui::NotifyInfo&) {
            if (ui::Wnd* parent = GetParent()) parent->SendMessage(WM_CHAPTER_SELCHANGE);
        });
}

CGuideTabWnd::~CGuideTabWnd() = default;

int CGuideTabWnd::ChapterOfTab(int tab) {
    for (int i = 0; i < kChapterCount; ++i)
        if (kChapterTabs[i] == tab) return i;
    return -1;
}

// The chapters' own format (that of the research purposes): 仿宋_GB2312, 14
// points, black; the first line indented.
BOOL CGuideTabWnd::CreateTabs(const ui::Rect& rect, ui::Wnd* parent) {
    if (!Create(STYLE_3D_ROUNDED, rect, parent, IDC_TABWND, LOCATION_BOTTOM)) return FALSE;
    constexpr DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                            ES_AUTOVSCROLL | ui::ES_NOHIDESEL | ES_WANTRETURN;
    for (int i = 0; i < kChapterCount; ++i) {
        COleRichEdit& editor = m_editors[i];
        editor.Create(style, {0, 0, 100, 100}, this, kChapterIds[i]);
        editor.SetDefaultCharFormat(PurposeCharFormat());
        editor.SetParaFormat(PurposeParaFormat());
        editor.SetEventMask(editor.GetEventMask() | ui::ENM_SELCHANGE);
    }
    m_subjectTree.Create(this);
    for (int tab = 0; tab < kTabCount; ++tab) {
        const int chapter = ChapterOfTab(tab);
        AddTab(chapter < 0 ? static_cast<ui::Wnd*>(&m_subjectTree) : &m_editors[chapter], kTabLabels[tab]);
    }
    m_initialTabColor = GetTabBkColor(kTabCount - 1);
    return TRUE;
}

void CGuideTabWnd::ClearAll() {
    for (COleRichEdit& editor : m_editors) editor.SetWindowText("");
    m_subjectTree.ResetTree();
}

}  // namespace fiveyear
