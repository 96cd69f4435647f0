#include "review/DlgFirstAPPR.h"

#include "review/DlgFirstListCommon.h"
#include "review/DlgFirstListLab.h"
#include "review/DlgFirstListLabNo.h"
#include "review/WorkflowSupport.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNCREATE(CDlgFirstAPPR, ui::FormView)

std::string& CDlgFirstAPPR::m_strPublishYear = workflow::PublishYear();

const ui::DialogTemplate& CDlgFirstAPPR::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 741, 511}, {
        {Kind::Static, IDC_SELECT_FRAME, "", {0, 0, 212, 79}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_TAB_FRAME, "", {0, 82, 212, 429}, SS_BLACKFRAME, {}, true},
        {Kind::Static, IDC_PANEL_FRAME, "", {216, 0, 525, 511}, SS_BLACKFRAME, {}, true},
    }, WS_CHILD};
    return tpl;
}

CDlgFirstAPPR::CDlgFirstAPPR() : ui::FormView(Template()) {
    // The selection bar switches the page set or rebuilds the pages; a save
    // in the editor rebuilds them too, so that the pages show the project
    // under its number.
    m_dlgSelect.m_onCategoryChanged = [this](int pageSet) { SetTab(pageSet); };
    m_dlgSelect.m_onRefresh = [this] { SetTab2(); };
    m_dlgPanel.m_dlgProEdit.m_onSaved = [this] { SetTab2(); };
    MapMessage(ui::BCGM_CHANGE_ACTIVE_TAB, [this](WPARAM tab, LPARAM lParam) { return OnChangeActiveTab(tab, lParam); });
}

// The pages go before the tab window that shows them.
CDlgFirstAPPR::~CDlgFirstAPPR() {
    m_pListCommon.reset();
    m_pListLab.reset();
    m_pListLabNo.reset();
}

void CDlgFirstAPPR::OnInitialUpdate() {
    ui::FormView::OnInitialUpdate();
    m_dlgPanel.CreateOver(this, IDC_PANEL_FRAME);
    m_dlgPanel.m_pConnection = &m_connection;
    m_dlgPanel.m_dlgProEdit.m_pConnection = &m_connection;
    m_dlgSelect.CreateOver(this, IDC_SELECT_FRAME);
    m_dlgSelect.UpdateData(TRUE);
    if (m_dlgSelect.m_nCategory == 1) m_dlgPanel.ShowLabStatButton(true);
    if (!workflow::ConnectProjectDatabase(m_connection)) {
        ui::AfxMessageBox("数据库连接失败");
        return;
    }
    m_dlgPanel.m_dlgProEdit.InitCodeLists();
    if (m_wndTab.IsWindow()) return;
    m_wndTab.Create(ui::TabWnd::STYLE_3D_ROUNDED, GetItemRect(IDC_TAB_FRAME), this, IDC_TABWND,
                    ui::TabWnd::LOCATION_TOP, FALSE);
    BuildPages(0);
    m_defaultTabColor = m_wndTab.GetTabBkColor(0);
    if (m_dlgSelect.m_nCategory == 1) SetTab(1);
}

template <class Page>
std::unique_ptr<CDlgFirstList> CDlgFirstAPPR::MakePage(const char* label) {
    auto page = std::make_unique<Page>(FirstReviewLinks{
        [this] { return m_dlgSelect.GetYear(); }, [this] { return m_dlgSelect.m_nFilter; },
        [this](const std::string& xmbh) { m_dlgPanel.m_dlgProEdit.LoadProject(xmbh); }});
    page->m_pConnection = &m_connection;
    page->Create(&m_wndTab);
    m_wndTab.AddTab(page.get(), label);
    return page;
}

void CDlgFirstAPPR::BuildPages(int pageSet) {
    m_wndTab.RemoveAllTabs();
    m_pListCommon.reset();
    m_pListLab.reset();
    m_pListLabNo.reset();
    if (pageSet == 0) {
        m_pListCommon = MakePage<CDlgFirstListCommon>("按类别");
    } else {
        m_pListLab = MakePage<CDlgFirstListLab>("按类别");
        m_pListLabNo = MakePage<CDlgFirstListLabNo>("按编号");
    }
    m_nPageSet = pageSet;
}

void CDlgFirstAPPR::SetTab(int category) {
    m_dlgPanel.ShowLabStatButton(category != 0);
    const int pageSet = category != 0 ? 1 : 0;
    // Without a database there is no tab window and nothing to show in it.
    if (pageSet == m_nPageSet || !m_wndTab.IsWindow()) return;
    BuildPages(pageSet);
}

void CDlgFirstAPPR::SetTab2() {
    if (m_wndTab.IsWindow()) BuildPages(m_nPageSet);
}

LRESULT CDlgFirstAPPR::OnChangeActiveTab(WPARAM tab, LPARAM) {
    const int active = int(tab);
    m_wndTab.SetTabBkColor(active, kActiveTabColor);
    for (int other : {0, 1})
        if (other != active && other < m_wndTab.GetTabsNum()) m_wndTab.SetTabBkColor(other, m_defaultTabColor);
    m_wndTab.Invalidate(TRUE);
    return 0;
}

std::optional<ui::CtlColor> CDlgFirstAPPR::OnCtlColor(ui::Wnd& control, UINT kind) {
    if (kind == CTLCOLOR_DLG) return ui::CtlColor{RGB(255, 255, 255)};
    return ui::FormView::OnCtlColor(control, kind);
}
