// The guide detail panel of the annual-guide view: the header bar, the
// formatting tool bar of the active chapter, the chapter tabs (three
// chapters, then the topic scope), and the buttons new, save and Word
// output, which the panel hands to the view.
#pragma once

#include "guide_annual/DlgGuideHeader.h"
#include "guide_annual/GuideDetailPanel.h"
#include "guide_annual/GuideTabWnd.h"

class CDlgGuideDetail : public GuideDetailPanel {
public:
    static constexpr int IDD = 7009;
    static constexpr int IDC_HEADER_FRAME = 7024;
    static constexpr int IDC_TOOLBAR_FRAME = 7025;
    static constexpr int IDC_TAB_FRAME = 7019;
    static constexpr int IDC_ADD = 7020;
    static constexpr int IDC_SAVE = 7021;
    static constexpr int IDC_WORD = 7022;

    CDlgGuideDetail(const Commands& commands, CDlgGuideHeader::Events headerEvents);
    static const ui::DialogTemplate& Template();

    CDlgGuideHeader m_dlgHeader;
    CGuideTabWnd m_tabWnd;

protected:
    void CreatePanels() override;
    ui::TabWnd& Tabs() override { return m_tabWnd; }
    COLORREF InitialTabColor() const override { return m_tabWnd.InitialTabColor(); }
    COleRichEdit* ChapterOfTab(int tab) override;
    bool IgnoresUnknownTabs() const override { return false; }
};
