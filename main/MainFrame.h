// The main window: menus and navigation by role, the status bar with the
// period, user and clock, one module view at a time, the period dialog, the
// management, folder and help commands, and the exit question.
#pragma once

#include <memory>
#include <string>

#include "main/DlgPeriodSet.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/OutlookBar.h"
#include "platform/ui/StatusBar.h"

class CCustomizeSheet;
struct CustomizeSettings;
struct ViewRow;
struct ManagementCommandSpec;

enum CommandKind { kCommandManagement = 0, kCommandModule = 1, kCommandExchange = 2 };

class CMainFrame : public ui::FrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    static constexpr int kOutlookBarId = 108;
    static constexpr UINT_PTR kClockTimer = 1;

    // For the role of the current user (UserRole).
    CMainFrame();
    ~CMainFrame() override;

    // A navigation command 2000-2014 opens its module view.
    void OnModuleCommand(int id);
    // Opens the view of the group and item (kind 1) or of the exchange index
    // (kind 2); kind 0 changes no view.
    void ShowModule(int group, int item);
    // Makes a view of the class the current one; FALSE when it cannot be created.
    BOOL SwitchView(const ui::RuntimeClass* cls);

    // The current period's range into the module libraries' period texts.
    void SetPublishYears();
    LRESULT OnPeriodChanged(WPARAM wParam, LPARAM lParam);

    // Asks before closing; Cancel keeps the program running.
    void OnClose() override;
    BOOL DestroyWindow() override;

    int m_nCommandKind = kCommandManagement;
    int m_nCommandIndex = 0;

    ui::MenuBar& GetMenuBar() { return m_wndMenuBar; }
    ui::StatusBar& GetStatusBar() { return m_wndStatusBar; }
    ui::OutlookBar& GetOutlookBar() { return m_wndOutlookBar; }
    CDlgPeriodSet& GetPeriodDialog() { return m_dlgPeriod; }

    // 自定义 (32770): shows the modeless customisation sheet, made when it is
    // not open; the sheet is freed when the user closes it.
    void OnViewCustomize();
    // The customisation sheet while it is open.
    CCustomizeSheet* GetCustomizeSheet() const { return m_pCustomize.get(); }
    // Puts the user menu on the menu bar (after the role's menus, only while
    // it has commands) and applies the menu and navigation-bar options.
    void ApplyCustomization(const CustomizeSettings& settings);
    // The caption text built for the last command; the window keeps the
    // product title.
    const std::string& GetCommandCaption() const { return m_strCommandCaption; }

protected:
    void PreCreateWindow(ui::Rect& rect) override;
    int OnCreate() override;
    void OnTimer(UINT_PTR id) override;

private:
    void MapHandlers();
    bool CreateMenuBar();
    bool CreateStatusBar();
    bool CreateOutlookBar();
    void CreateStartView();

    void OnExchangeCommand(const ViewRow& command);
    void OnManagementCommand(const ManagementCommandSpec& command);
    void OnPeriodSet();
    template <class Dialog>
    void OnDirSet();
    // A statistics report: its dialog on a connection of its own with the
    // current period's range.
    template <class Dialog>
    void OnReport();
    void OnFundingListUnit();
    void OnFundingListFund();
    void OnFundingListYear();
    void OnOpenDocument(int command);

    std::unique_ptr<CCustomizeSheet> m_pCustomize;
    ui::MenuBar m_wndMenuBar;
    ui::StatusBar m_wndStatusBar;
    ui::OutlookBar m_wndOutlookBar;
    bool m_bOutlookBar = false;
    CDlgPeriodSet m_dlgPeriod;
    std::string m_strCommandCaption;
};
