#include "guide_annual/GuideTabWnd.h"

IMPLEMENT_DYNAMIC(CGuideTabWnd, ui::TabWnd)

CGuideTabWnd::CGuideTabWnd()
    : GuideChapterTabs({IDC_TABWND,
                        {std::begin(kChapterIds), std::end(kChapterIds)},
                        {0, 1, 2},
                        {"概述", "国内外研究情况", "年度目标和重点研究内容", "选题范围"},
                        WM_CHAPTER_SELCHANGE,
                        COleRichEdit::Variant::AnnualGuide},
                       std::make_unique<CDlgStudySubjectTree>()) {}
