// What the detail panels of the annual and five-year guide views share: the
// formatting tool bar over the active chapter with its toggles, the buttons
// new, save and Word output, and the tab colours. Each guide gives its ids,
// its header bar and chapter tabs, and which tab shows which chapter.
#pragma once

#include <functional>

#include "widgets/FormatToolBar.h"
#include "widgets/OleRichEdit.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TabWnd.h"
#include "platform/ui/ToolBar.h"

class GuideDetailPanel : public ui::Dialog {
public:
    static constexpr int IDR_FORMATBAR = 139;
    // Tool bar commands.
    static constexpr int ID_FONTNAME = formatbar::ID_FONTNAME, ID_CHAR_COLOR = formatbar::ID_CHAR_COLOR,
                         ID_CHAR_BOLD = formatbar::ID_CHAR_BOLD, ID_CHAR_ITALIC = formatbar::ID_CHAR_ITALIC,
                         ID_CHAR_UNDERLINE = formatbar::ID_CHAR_UNDERLINE, ID_PARA_LEFT = formatbar::ID_PARA_LEFT,
                         ID_PARA_CENTER = formatbar::ID_PARA_CENTER, ID_PARA_RIGHT = formatbar::ID_PARA_RIGHT;
    static constexpr COLORREF kActiveTabColor = RGB(63, 131, 240);

    // The panel's ids, and the inset of the tool bar from the top of its frame.
    struct Layout {
        int headerFrame, toolbarFrame, tabFrame, add, save, word;
        int toolbarTopInset;
    };
    // The view's commands behind the buttons.
    struct Commands {
        std::function<void()> add, save, word;
    };
    // The commands of a guide view: OnBtnAdd, OnButtonSave, OnBtnExportToWord.
    template <class View>
    static Commands CommandsOf(View& view) {
        return {[&view] { view.OnBtnAdd(); }, [&view] { view.OnButtonSave(); }, [&view] { view.OnBtnExportToWord(); }};
    }

    ui::ToolBar m_wndToolBar;
    CButtonST m_btnAdd, m_btnSave, m_btnWord;

    // The chapter the formatting commands act on.
    COleRichEdit& ActiveEditor() { return *m_pActiveEditor; }

    // The formatting commands on the active chapter.
    void Font();
    void CharColor();
    void CharBold();
    void CharItalic();
    void CharUnderline();
    void ParaAlign(int alignment);  // ui::PFA_LEFT, PFA_CENTER, PFA_RIGHT

    // The tool bar's toggles: bold, italic, underline, left, centre, right.
    bool m_bBold = false, m_bItalic = false, m_bUnderline = false;
    bool m_bLeft = true, m_bCenter = false, m_bRight = false;

protected:
    // `chapterSelectionMessage`: what the chapter tabs send when the
    // selection in a chapter changes.
    GuideDetailPanel(const ui::DialogTemplate& tpl, const Layout& layout, const Commands& commands,
                     UINT chapterSelectionMessage);
    // The panel: the header, tool bar and tab frames and the three buttons.
    static ui::DialogTemplate BuildTemplate(int dialogId, const Layout& layout);

    // Creates the header bar over its frame and the chapter tabs in theirs.
    virtual void CreatePanels() = 0;
    virtual ui::TabWnd& Tabs() = 0;
    virtual COLORREF InitialTabColor() const = 0;
    // The chapter editor a tab shows; nullptr for the topic tab. Only called
    // for a tab that exists.
    virtual COleRichEdit* ChapterOfTab(int tab) = 0;
    // Whether a change to no tab (or an unknown one) is ignored, or hides the
    // tool bar and uncolours every tab.
    virtual bool IgnoresUnknownTabs() const = 0;

    BOOL OnInitDialog() override;

private:
    void OnChangeActiveTab(int tab);
    void ReadSelectionFormat();
    void SetAlignmentFlags(int alignment);

    const Layout m_layout;
    COleRichEdit* m_pActiveEditor = nullptr;
};
