// The chapter tabs of the five-year guide editor: 概述, 国内外研究情况,
// 五年总目标和重点研究内容, the topic scope (选题范围), 与相关计划指南的关系 and
// 效益分析. A change of the selection in a chapter is reported to the parent
// as WM_USER+100.
#pragma once

#include "guide_annual/GuideChapterTabs.h"
#include "guide_fiveyear/DlgStudySubjectTree.h"

namespace fiveyear {

class CGuideTabWnd : public GuideChapterTabs {
    DECLARE_DYNAMIC(CGuideTabWnd)
public:
    static constexpr int IDC_TABWND = 3023;
    static constexpr int kChapterCount = 5;
    static constexpr int kChapterIds[kChapterCount] = {3007, 3010, 3013, 3017, 3020};
    // The tab of each chapter editor; the topic scope is tab 3.
    static constexpr int kChapterTabs[kChapterCount] = {0, 1, 2, 4, 5};
    static constexpr int kTopicTab = 3;
    static constexpr int kTabCount = 6;
    static constexpr UINT WM_CHAPTER_SELCHANGE = WM_USER + 100;

    CGuideTabWnd();

    // The chapter editor of a tab; -1 for the topic tab or no tab.
    static int ChapterOfTab(int tab);
    // The topic-scope panel (the fourth tab's window).
    CDlgStudySubjectTree& SubjectTree() { return static_cast<CDlgStudySubjectTree&>(Tree()); }
};

}  // namespace fiveyear
