// The chapter tabs of the guide editor: three rich-text chapters (概述,
// 国内外研究情况, 年度目标和重点研究内容) and the topic scope (选题范围). A
// change of the selection in a chapter is reported to the parent as
// WM_USER+101, so that its tool bar can show the format there.
#pragma once

#include "widgets/OleRichEdit.h"
#include "guide_annual/DlgStudySubjectTree.h"
#include "platform/ui/TabWnd.h"

class CGuideTabWnd : public ui::TabWnd {
    DECLARE_DYNAMIC(CGuideTabWnd)
public:
    static constexpr int IDC_TABWND = 3135;
    static constexpr int kChapterIds[3] = {3130, 3131, 3132};
    static constexpr int kTopicTab = 3;
    static constexpr UINT WM_CHAPTER_SELCHANGE = WM_USER + 101;

    CGuideTabWnd();
    ~CGuideTabWnd() override;

    // Creates the window with the chapters and the topic-scope panel.
    BOOL CreateTabs(const ui::Rect& rect, ui::Wnd* parent);

    COleRichEdit& Chapter(int index) { return m_editors[index]; }
    // The topic-scope panel (the fourth tab's window).
    CDlgStudySubjectTree& SubjectTree() { return m_subjectTree; }
    // The background tab 3 had when the tabs were made.
    COLORREF InitialTabColor() const { return m_initialTabColor; }

    // Empties the three chapters and resets the topic scope.
    void ClearAll();

private:
    COleRichEdit m_editors[3];
    CDlgStudySubjectTree m_subjectTree;
    COLORREF m_initialTabColor = 0;
};
