// The pages of the application writer: child dialogs on the writer's tab
// window with the light-blue page background, on which Enter and Esc do
// nothing. Chapter pages give their rich-text fields the chapter format
// (仿宋_GB2312 14 pt, black, first line indented) and tell the writer every
// time the selection of one of them moves, so that its tool bar follows.
#pragma once

#include <string>

#include "widgets/OleRichEdit.h"
#include "platform/ui/Dialog.h"

// A chapter page tells the writer that the selection of one of its rich-text
// fields moved (lParam: the field; wParam: TRUE when that field becomes the
// one the formatting bar works on).
constexpr UINT WM_RICHSEL_CHANGED = WM_USER + 100;

class CDlgAppPage : public ui::Dialog {
public:
    static constexpr COLORREF kBackground = RGB(232, 241, 250);

    explicit CDlgAppPage(const ui::DialogTemplate& tpl) : ui::Dialog(tpl, nullptr) {}

    // Default character and paragraph format of every chapter field.
    static void SetChapterFormat(COleRichEdit& editor);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

    // Takes over the template's rich-text control `id`, gives it the chapter
    // format and reports its selection moves to the writer; with
    // `becomesCurrent` the field first becomes the writer's formatting target.
    void PrepareChapterEditor(COleRichEdit& editor, int id, bool becomesCurrent = false);

private:
    void OnEditorSelectionMoved(COleRichEdit& editor, bool becomesCurrent);
};

// A page with one chapter field under a heading. Its template is made by
// ChapterTemplate, to which a page can add controls of its own.
class CDlgAppChapterPage : public CDlgAppPage {
public:
    CDlgAppChapterPage(const ui::DialogTemplate& tpl, int headingId, int editorId)
        : CDlgAppPage(tpl), m_nHeadingId(headingId), m_nEditorId(editorId) {}

    COleRichEdit m_richEdit;

    std::string GetHeading() const { return GetDlgItemText(m_nHeadingId); }

protected:
    // The common layout: an etched line across the top, the heading at the
    // top left and the rich-text field below it.
    static ui::DialogTemplate ChapterTemplate(int idd, int headingId, const std::string& heading, int editorId);

    BOOL OnInitDialog() override;
    // Heading `first` when the chapter is the group `group` itself (its first
    // chapter is shown), else the chapter's own name.
    void ShowGroupTitle(const std::string& chapter, const std::string& group, const std::string& first);
    void SetHeading(const std::string& text) { SetDlgItemText(m_nHeadingId, text); }

private:
    int m_nHeadingId;
    int m_nEditorId;
};
