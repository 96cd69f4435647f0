// The guide detail panel of the five-year guide view: the header bar, the
// formatting tool bar of the active chapter, the chapter tabs, and the
// buttons new, save and Word output, which the panel hands to the view.
#pragma once

#include "widgets/FormatToolBar.h"
#include "foundation/ButtonST.h"
#include "guide_fiveyear/DlgGuideHeader.h"
#include "guide_fiveyear/GuideTabWnd.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ToolBar.h"

class CDlgFiveGuide;

namespace fiveyear {

class CDlgGuideDetail : public ui::Dialog {
public:
    static constexpr int IDD = 6032;
    static constexpr int IDC_HEADER_FRAME = 6050;
    static constexpr int IDC_TOOLBAR_FRAME = 6049;
    static constexpr int IDC_TAB_FRAME = 6048;
    static constexpr int IDC_ADD = 6043;
    static constexpr int IDC_SAVE = 6044;
    static constexpr int IDC_WORD = 6045;
    static constexpr int IDR_FORMATBAR = 139;
    // Tool bar commands.
    static constexpr int ID_FONTNAME = formatbar::ID_FONTNAME, ID_CHAR_COLOR = formatbar::ID_CHAR_COLOR,
                         ID_CHAR_BOLD = formatbar::ID_CHAR_BOLD, ID_CHAR_ITALIC = formatbar::ID_CHAR_ITALIC,
                         ID_CHAR_UNDERLINE = formatbar::ID_CHAR_UNDERLINE, ID_PARA_LEFT = formatbar::ID_PARA_LEFT,
                         ID_PARA_CENTER = formatbar::ID_PARA_CENTER, ID_PARA_RIGHT = formatbar::ID_PARA_RIGHT;
    static constexpr COLORREF kActiveTabColor = RGB(63, 131, 240);

    explicit CDlgGuideDetail(CDlgFiveGuide& view);
    static const ui::DialogTemplate& Template();

    CDlgGuideHeader m_dlgHeader;
    CGuideTabWnd m_tabWnd;
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
    BOOL OnInitDialog() override;

private:
    void OnChangeActiveTab(int tab);
    void ReadSelectionFormat();
    void SetAlignmentFlags(int alignment);

    COleRichEdit* m_pActiveEditor = nullptr;
};

}  // namespace fiveyear
