// The 项目初审 module view: the fund office checks the applications of one
// year formally. A selection bar (year, category, filter) at the top left,
// below it a tab window with the list pages of the category, and on the
// right the detail panel with the project-information editor.
#pragma once

#include <memory>
#include <string>

#include "foundation/AdoConnection.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TabWnd.h"
#include "review/DlgFirstList.h"
#include "review/DlgFirstPanel.h"
#include "review/DlgFirstSelect.h"

class CDlgFirstAPPR : public ui::FormView {
    DECLARE_DYNCREATE(CDlgFirstAPPR)
public:
    static constexpr int IDD = 6010;
    static constexpr int IDC_PANEL_FRAME = 6049;
    static constexpr int IDC_TAB_FRAME = 6050;
    static constexpr int IDC_SELECT_FRAME = 6052;
    static constexpr int IDC_TABWND = 6071;
    static constexpr COLORREF kActiveTabColor = RGB(63, 131, 240);

    CDlgFirstAPPR();
    ~CDlgFirstAPPR() override;
    static const ui::DialogTemplate& Template();

    // The current period's year range ("2006-2010"), assigned by the main
    // program; its first four characters give the first of the five years.
    // The same text as workflow::PublishYear(), where the panels read it.
    static std::string& m_strPublishYear;

    void OnInitialUpdate() override;
    // Shows the page set of the category: 0 the common-technology page, any
    // other value the two key-laboratory pages.
    void SetTab(int category);
    // Builds the pages of the current page set again from the database.
    void SetTab2();

    // The pages shown now: the common-technology page, or the key-laboratory
    // pages by category and by number (null when not shown).
    CDlgFirstList* CommonPage() const { return m_pListCommon.get(); }
    CDlgFirstList* LabPage() const { return m_pListLab.get(); }
    CDlgFirstList* LabNoPage() const { return m_pListLabNo.get(); }
    int PageSet() const { return m_nPageSet; }
    ui::TabWnd& TabWnd() { return m_wndTab; }
    CAdoConnection& Connection() { return m_connection; }

    CDlgFirstSelect m_dlgSelect;
    CDlgFirstPanel m_dlgPanel;

protected:
    std::optional<ui::CtlColor> OnCtlColor(ui::Wnd& control, UINT kind) override;

private:
    LRESULT OnChangeActiveTab(WPARAM tab, LPARAM);
    // Builds the pages of a page set and puts them under their tabs.
    void BuildPages(int pageSet);
    template <class Page>
    std::unique_ptr<CDlgFirstList> MakePage(const char* label);

    CAdoConnection m_connection;
    ui::TabWnd m_wndTab;
    std::unique_ptr<CDlgFirstList> m_pListCommon, m_pListLab, m_pListLabNo;
    int m_nPageSet = 0;
    COLORREF m_defaultTabColor = ui::TabWnd::DefaultTabColor();
};
