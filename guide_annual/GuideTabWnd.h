// The chapter tabs of the annual guide editor: three rich-text chapters (概述,
// 国内外研究情况, 年度目标和重点研究内容) and the topic scope (选题范围). A
// change of the selection in a chapter is reported to the parent as
// WM_USER+101.
#pragma once

#include "guide_annual/GuideChapterTabs.h"

class CGuideTabWnd : public GuideChapterTabs {
    DECLARE_DYNAMIC(CGuideTabWnd)
public:
    static constexpr int IDC_TABWND = 3135;
    static constexpr int kChapterIds[3] = {3130, 3131, 3132};
    static constexpr int kTopicTab = 3;
    static constexpr UINT WM_CHAPTER_SELCHANGE = WM_USER + 101;

    CGuideTabWnd();

    // The topic-scope panel (the fourth tab's window).
    CDlgStudySubjectTree& SubjectTree() { return Tree(); }
};
