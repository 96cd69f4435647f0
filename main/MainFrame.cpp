#include "main/MainFrame.h"

#include <QApplication>

#include "application/Dlgproappl.h"
#include "guide_annual/DlgOneGuide.h"
#include "guide_annual/DlgOneGuideXF.h"
#include "guide_fiveyear/DlgFiveGuide.h"
#include "main/Artwork.h"
#include "main/Commands.h"
#include "main/CorvaneView.h"
#include "main/CurrentUser.h"
#include "main/DlgDirSet.h"
#include "main/DlgExpertReview.h"
#include "main/DlgLabFundTable.h"
#include "main/DlgUnfunded.h"
#include "main/DlgUnitInfoTable.h"
#include "main/Folders.h"
#include "main/FrameLayout.h"
#include "main/FundingListReport.h"
#include "main/ManagementCommands.h"
#include "main/MenuLayout.h"
#include "main/CustomizeSheet.h"
#include "main/OutlookLayout.h"
#include "main/ReportCommon.h"
#include "main/Roles.h"
#include "main/ViewTable.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Services.h"
#include "review/DlgFirstAPPR.h"

IMPLEMENT_DYNAMIC(CMainFrame, ui::FrameWnd)

namespace {

// Control id of a view that is not (or no longer) in the slot.
constexpr int kStandbyViewId = 0;

// A guide editor that is the open view lists the guides of the new period.
template <class Guide>
void RefreshGuide(ui::Wnd* view, const std::string& range) {
    auto* guide = static_cast<Guide*>(view);
    Guide::m_strPublishYear = range;
    guide->Clear();
    guide->ShowFundInfo(Guide::m_strPublishYear);
}

}  // namespace

CMainFrame::CMainFrame() : m_dlgPeriod(this) { MapHandlers(); }

CMainFrame::~CMainFrame() {
    m_pCustomize.reset();
    if (IsWindow()) ui::FrameWnd::DestroyWindow();
}

BOOL CMainFrame::DestroyWindow() {
    m_pCustomize.reset();  // its window lies inside the frame's
    return ui::FrameWnd::DestroyWindow();
}

void CMainFrame::MapHandlers() {
    MapCommandRange(cmd::kModuleFirst, cmd::kModuleLast, [this](int id) { OnModuleCommand(id); });
    for (int id : ExchangeCommands()) MapClicked(id, [this, id] { OnExchangeCommand(*FindExchangeCommand(id)); });
    for (int id : {cmd::kUnitManage, cmd::kUnitManageGuideRole, cmd::kSpecGroupManage, cmd::kExpertManage,
                   cmd::kScoreIndexManage, cmd::kPasswordChange, cmd::kSpecGroupEdit, cmd::kLabManage})
        MapClicked(id, [this, id] { OnManagementCommand(*FindManagementCommand(id)); });
    // Commands whose use depends on the role.
    for (int id : {cmd::kSpecGroupManage, cmd::kLabManage, cmd::kUnitManage, cmd::kExpertManage,
                   cmd::kScoreIndexManage, cmd::kGuideImport, cmd::kGuideExport, cmd::kProjectImport,
                   cmd::kProjectExport})
        MapUpdateUI(id, [id](ui::CmdUI& state) { state.Enable(IsCommandEnabledForRole(id, UserRole)); });

    MapClicked(cmd::kPeriodSet, [this] { OnPeriodSet(); });
    MapMessage(WM_PERIOD_CHANGED, [this](WPARAM w, LPARAM l) { return OnPeriodChanged(w, l); });
    MapClicked(cmd::kAppDirSet, [this] { OnDirSet<CDlgAppDirSet>(); });
    MapClicked(cmd::kProgressDirSet, [this] { OnDirSet<CDlgProgressDirSet>(); });
    MapClicked(cmd::kAcceptDirSet, [this] { OnDirSet<CDlgAcceptDirSet>(); });
    for (int id : {cmd::kHelpManual, cmd::kApplicationTemplate, cmd::kResearchTemplate})
        MapClicked(id, [this, id] { OnOpenDocument(id); });
    MapClicked(cmd::kExpertReviewTable, [this] { OnReport<CDlgExpertReview>(); });
    MapClicked(cmd::kLabFundTable, [this] { OnReport<CDlgLabFundTable>(); });
    MapClicked(cmd::kUnfundedTable, [this] { OnReport<CDlgUnfunded>(); });
    MapClicked(cmd::kUnitPlanTable, [this] { OnReport<CDlgUnitPlanTable>(); });
    MapClicked(cmd::kUnitFundTable, [this] { OnReport<CDlgUnitFundTable>(); });
    MapClicked(cmd::kFundingListUnit, [this] { OnFundingListUnit(); });
    MapClicked(cmd::kFundingListFund, [this] { OnFundingListFund(); });
    MapClicked(cmd::kFundingListYear, [this] { OnFundingListYear(); });
    MapClicked(cmd::kAppExit, [this] { OnClose(); });
    MapClicked(cmd::kViewCustomize, [this] { OnViewCustomize(); });
    MapMessage(WM_CUSTOMIZE_CLOSED, [this](WPARAM, LPARAM) {
        m_pCustomize.reset();
        return LRESULT(0);
    });
}

void CMainFrame::PreCreateWindow(ui::Rect& rect) { rect = {0, 0, kMainWindowWidth - 1, kMainWindowHeight - 1}; }

int CMainFrame::OnCreate() {
    artwork::RegisterMainArtwork();
    if (!CreateMenuBar() || !CreateStatusBar()) return -1;
    SetTimer(kClockTimer, 1000);
    CreateStartView();
    m_bOutlookBar = CreateOutlookBar();
    ApplyCustomization(LoadCustomizeSettings());
    if (!m_bOutlookBar) return 0;  // runs without navigation; the next period change copies the period
    SetPublishYears();
    m_wndStatusBar.SetPaneText(kPanePeriod, PeriodPaneText(m_dlgPeriod.PeriodName()));
    return 0;
}

bool CMainFrame::CreateMenuBar() {
    if (!m_wndMenuBar.Create(this)) return false;
    for (const MenuSpec& entry : MenusForRole(UserRole)) {
        const int menu = m_wndMenuBar.AddMenu(entry.title);
        for (const MenuItemSpec& item : entry.items) {
            if (item.command) m_wndMenuBar.AppendItem(menu, item.command, item.text);
            else m_wndMenuBar.AppendSeparator(menu);
        }
    }
    // No menu carries the exchange views; the menu bar's own context menu
    // (the place of the customisation commands) offers them.
    for (int id : ExchangeCommands()) m_wndMenuBar.AppendContextItem(id, ExchangeCommandText(id));
    m_wndMenuBar.AppendContextItem(cmd::kViewCustomize, "自定义...");
    m_wndMenuBar.UpdateItems();
    return true;
}

bool CMainFrame::CreateStatusBar() {
    if (!m_wndStatusBar.Create(this)) return false;
    if (!m_wndStatusBar.SetIndicators({kStatusIndicators.begin(), kStatusIndicators.end()})) return false;
    const auto widths = StatusPaneWidths(GetClientRect().Width());
    for (int pane = 0; pane < kStatusPaneCount; ++pane) {
        m_wndStatusBar.SetPaneWidth(pane, widths[pane]);
        m_wndStatusBar.SetPaneText(pane, kStatusInitialTexts[pane]);
    }
    m_wndStatusBar.SetPaneText(kPaneUser, UserPaneText(g_strUserName));
    m_wndStatusBar.SetPaneText(kPaneClock, ClockPaneText(text::DateTime::Now()));
    return true;
}

bool CMainFrame::CreateOutlookBar() {
    if (!m_wndOutlookBar.Create(this, "Shortcuts", 130, kOutlookBarId)) {
        ui::AfxMessageBox("无法创建导航栏！");
        return false;
    }
    std::vector<ui::Icon> icons;
    for (int id : OutlookIconResources()) icons.push_back(ui::LoadIcon(id));
    m_wndOutlookBar.SetImageList(std::move(icons));
    for (const OutlookGroupSpec& group : OutlookGroupsForRole(UserRole)) {
        const int page = m_wndOutlookBar.AddPage(group.paneId, group.name, group.pageImage);
        for (const OutlookButtonSpec& button : group.buttons)
            m_wndOutlookBar.AddButton(page, button.image, button.text, button.command);
    }
    m_wndOutlookBar.SetActivePage(0);
    return true;
}

void CMainFrame::OnViewCustomize() {
    if (!m_pCustomize) {
        auto sheet = std::make_unique<CCustomizeSheet>(this, UserRole);
        sheet->m_onChanged = [this](const CustomizeSettings& settings) { ApplyCustomization(settings); };
        // Freed from the frame's queue, after the sheet's own handler returned.
        sheet->m_onClosed = [this] { PostMessage(WM_CUSTOMIZE_CLOSED); };
        if (!sheet->Create(this)) return;
        m_pCustomize = std::move(sheet);
    }
    m_pCustomize->ShowWindow(SW_SHOW);
}

void CMainFrame::ApplyCustomization(const CustomizeSettings& settings) {
    const int roleMenus = int(MenusForRole(UserRole).size());
    while (m_wndMenuBar.GetMenuCount() > roleMenus) m_wndMenuBar.RemoveMenu(m_wndMenuBar.GetMenuCount() - 1);
    const std::vector<int> commands = UserMenuForRole(settings, UserRole);
    if (!commands.empty()) {
        const int menu = m_wndMenuBar.AddMenu(kUserMenuTitle);
        for (int command : commands) m_wndMenuBar.AppendItem(menu, command, CommandText(UserRole, command));
    }
    m_wndMenuBar.SetMenuEffects(settings.menuShadows, settings.menuAnimations);
    if (m_bOutlookBar) m_wndOutlookBar.SetTextLabels(settings.textLabels);
    m_wndMenuBar.UpdateItems();
}

void CMainFrame::CreateStartView() {
    auto view = std::make_unique<CCorvaneView>();
    if (!view->Create(GetViewParent(), kPaneFirstId)) return;
    SetActiveView(view.get());
    AdoptView(std::move(view));
    RecalcLayout();
}

void CMainFrame::OnTimer(UINT_PTR) {
    m_wndStatusBar.SetPaneText(kPaneClock, ClockPaneText(text::DateTime::Now()));
}

void CMainFrame::OnModuleCommand(int id) {
    const ViewRow* module = FindModuleCommand(id);
    if (!module) return;
    m_nCommandKind = kCommandModule;
    m_strCommandCaption = module->caption;
    ShowModule(module->group, module->item);
}

void CMainFrame::OnExchangeCommand(const ViewRow& command) {
    m_nCommandKind = kCommandExchange;
    m_nCommandIndex = command.item;
    m_strCommandCaption = command.caption;
    ShowModule(0, 0);
}

void CMainFrame::ShowModule(int group, int item) {
    const ViewRow* view = nullptr;
    switch (m_nCommandKind) {
    case kCommandModule: view = FindModuleView(group, item); break;
    case kCommandExchange: view = FindExchangeView(m_nCommandIndex); break;
    default: break;  // a management command only records itself
    }
    if (view) SwitchView(view->viewClass());
}

BOOL CMainFrame::SwitchView(const ui::RuntimeClass* cls) {
    if (!cls) return FALSE;
    ui::Wnd* oldView = GetPaneView();
    if (oldView && oldView->GetRuntimeClass() == cls) return TRUE;

    std::unique_ptr<ui::Object> object(cls->CreateObject());
    auto* view = dynamic_cast<ui::FormView*>(object.get());
    if (!view || !view->CreateView(GetViewParent(), ui::Rect{})) {
        ui::AfxMessageBox("无法创建视图！");
        return FALSE;
    }
    object.release();
    AdoptView(std::unique_ptr<ui::Wnd>(view));
    view->ShowWindow(SW_HIDE);
    view->SetDlgCtrlID(kStandbyViewId);
    view->OnInitialUpdate();

    if (oldView) {
        oldView->SetDlgCtrlID(kStandbyViewId);
        oldView->EnableWindow(FALSE);
    }
    view->SetDlgCtrlID(kPaneFirstId);
    SetActiveView(view);
    view->EnableWindow(TRUE);
    RecalcLayout();
    if (oldView) oldView->ShowWindow(SW_HIDE);
    view->ShowWindow(SW_SHOW);
    DestroyView(oldView);
    return TRUE;
}

void CMainFrame::OnManagementCommand(const ManagementCommandSpec& command) {
    m_nCommandKind = kCommandManagement;
    m_nCommandIndex = command.index;
    m_strCommandCaption = command.caption;
    ShowModule(0, 0);
    if (CallManagementDialog(command.dialogCode, g_strUserName) != ManagementCall::Called)
        ui::AfxMessageBox("加载DLL失败!");
}

void CMainFrame::OnPeriodSet() { m_dlgPeriod.DoModal(); }

void CMainFrame::SetPublishYears() {
    const std::string& range = m_dlgPeriod.PeriodRange();
    CDlgOneGuide::m_strPublishYear = range;
    CDlgFiveGuide::m_strPublishYear = range;
    CDlgproappl::m_strPublishYear = range;
    CDlgFirstAPPR::m_strPublishYear = range;
}

LRESULT CMainFrame::OnPeriodChanged(WPARAM, LPARAM) {
    m_wndStatusBar.SetPaneText(kPanePeriod, PeriodPaneText(m_dlgPeriod.PeriodName()));
    SetPublishYears();
    ui::Wnd* view = GetPaneView();
    const ui::RuntimeClass* cls = view ? view->GetRuntimeClass() : nullptr;
    if (cls == RUNTIME_CLASS(CDlgFiveGuide)) RefreshGuide<CDlgFiveGuide>(view, m_dlgPeriod.PeriodRange());
    else if (cls == RUNTIME_CLASS(CDlgOneGuide)) RefreshGuide<CDlgOneGuide>(view, m_dlgPeriod.PeriodRange());
    else if (cls == RUNTIME_CLASS(CDlgOneGuideXF)) static_cast<CDlgOneGuideXF*>(view)->ReloadYear();
    return 0;
}

template <class Dialog>
void CMainFrame::OnDirSet() {
    Dialog dialog(this);
    dialog.DoModal();
}

template <class Dialog>
void CMainFrame::OnReport() {
    CAdoConnection connection;
    if (!OpenReportDatabase(connection)) return;
    Dialog dialog(this);
    dialog.SetConnection(&connection);
    dialog.SetPeriod(m_dlgPeriod.PeriodRange());
    dialog.DoModal();
    connection.Close();
}

void CMainFrame::OnFundingListUnit() { RunFundingList(FundingListKind::Unit); }
void CMainFrame::OnFundingListFund() { RunFundingList(FundingListKind::FundNumber); }
void CMainFrame::OnFundingListYear() { RunFundingList(FundingListKind::Year); }

void CMainFrame::OnOpenDocument(int command) { ui::OpenFileOrTellWhere(HelpDocumentPath(command)); }

void CMainFrame::OnClose() {
    if (ui::MessageBox("未保存的信息将会丢失，确定退出吗？", "提示", MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
        ui::FrameWnd::OnClose();
}
