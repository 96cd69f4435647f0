#include "guide_fiveyear/GuideTabWnd.h"

namespace fiveyear {

IMPLEMENT_DYNAMIC(CGuideTabWnd, ui::TabWnd)

CGuideTabWnd::CGuideTabWnd()
    : GuideChapterTabs({IDC_TABWND,
                        {std::begin(kChapterIds), std::end(kChapterIds)},
                        {std::begin(kChapterTabs), std::end(kChapterTabs)},
                        {"概述", "国内外研究情况", "五年总目标和重点研究内容", "选题范围", "与相关计划指南的关系",
                         "效益分析"},
                        WM_CHAPTER_SELCHANGE,
                        COleRichEdit::Variant::Standard},
                       std::make_unique<CDlgStudySubjectTree>()) {}

int CGuideTabWnd::ChapterOfTab(int tab) {
    for (int i = 0; i < kChapterCount; ++i)
        if (kChapterTabs[i] == tab) return i;
    return -1;
}

}  // namespace fiveyear
