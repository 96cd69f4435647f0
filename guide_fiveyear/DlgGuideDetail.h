// The guide detail panel of the five-year guide view: the header bar, the
// formatting tool bar of the active chapter, the chapter tabs (six, the
// topic scope fourth), and the buttons new, save and Word output, which the
// panel hands to the view.
#pragma once

#include <functional>

#include "guide_annual/GuideDetailPanel.h"
#include "guide_fiveyear/DlgGuideHeader.h"
#include "guide_fiveyear/GuideTabWnd.h"

namespace fiveyear {

class CDlgGuideDetail : public GuideDetailPanel {
public:
    static constexpr int IDD = 6032;
    static constexpr int IDC_HEADER_FRAME = 6050;
    static constexpr int IDC_TOOLBAR_FRAME = 6049;
    static constexpr int IDC_TAB_FRAME = 6048;
    static constexpr int IDC_ADD = 6043;
    static constexpr int IDC_SAVE = 6044;
    static constexpr int IDC_WORD = 6045;

    CDlgGuideDetail(const Commands& commands, std::function<void()> nameLeft);
    static const ui::DialogTemplate& Template();

    CDlgGuideHeader m_dlgHeader;
    CGuideTabWnd m_tabWnd;

protected:
    void CreatePanels() override;
    ui::TabWnd& Tabs() override { return m_tabWnd; }
    COLORREF InitialTabColor() const override { return m_tabWnd.InitialTabColor(); }
    COleRichEdit* ChapterOfTab(int tab) override;
    bool IgnoresUnknownTabs() const override { return true; }
};

}  // namespace fiveyear
