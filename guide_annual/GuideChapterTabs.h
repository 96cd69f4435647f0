// The chapter tabs of a guide editor: rich-text chapters and the topic-scope
// panel, each on its tab. A change of the selection in a chapter is reported
// to the parent window, so that its tool bar can show the format there. The
// annual and five-year guides differ in the chapters, their ids, the tab of
// each, the message and the editors' variant.
#pragma once

#include <memory>
#include <vector>

#include "widgets/OleRichEdit.h"
#include "guide_annual/DlgStudySubjectTree.h"
#include "platform/ui/TabWnd.h"

class GuideChapterTabs : public ui::TabWnd {
public:
    struct Layout {
        int tabWindowId;
        std::vector<int> chapterIds;           // the chapter editors' ids, in chapter order
        std::vector<int> chapterTabs;          // the tab of each chapter; the remaining tab is the topic scope
        std::vector<const char*> tabLabels;    // every tab's label, in tab order
        UINT selectionMessage;                 // sent to the parent on a selection change in a chapter
        COleRichEdit::Variant editorVariant;
    };

    ~GuideChapterTabs() override;

    // Creates the window with the chapters and the topic-scope panel.
    BOOL CreateTabs(const ui::Rect& rect, ui::Wnd* parent);

    COleRichEdit& Chapter(int index) { return *m_editors[index]; }
    // The background the last tab had when the tabs were made.
    COLORREF InitialTabColor() const { return m_initialTabColor; }

    // Empties the chapters and resets the topic scope.
    void ClearAll();

protected:
    GuideChapterTabs(Layout layout, std::unique_ptr<CDlgStudySubjectTree> subjectTree);
    CDlgStudySubjectTree& Tree() { return *m_subjectTree; }

private:
    const Layout m_layout;
    std::vector<std::unique_ptr<COleRichEdit>> m_editors;
    std::unique_ptr<CDlgStudySubjectTree> m_subjectTree;
    COLORREF m_initialTabColor = 0;
};
