// The left navigation pane: a period combo box on top and, below it, a
// navigation bar with the groups and buttons of the main frame's modules,
// plus an outlook-bar control filled with a folder of the user's role.
// Changing the period tells the main window (WM_USER+102). No frame hosts
// the pane; it can be created from its runtime class.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "main/GfxOutBarCtrl.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Image.h"
#include "platform/ui/Lists.h"
#include "platform/ui/OutlookBar.h"

class CViewLeft : public ui::FormView {
    DECLARE_DYNCREATE(CViewLeft)
public:
    enum { IDD = 170, IDC_PERIOD = 1043, IDC_BAR_PLACE = 1042, IDC_OUTLOOK_BAR = 108 };
    static constexpr UINT kPeriodMessage = WM_USER + 102;

    CViewLeft();
    ~CViewLeft() override;
    static const ui::DialogTemplate& Template();

    void OnInitialUpdate() override;

    // The period entry a year falls in: (year - 2006) / 5, kept within the
    // five periods.
    static int PeriodIndexForYear(int year);

    const std::string& GetPeriodText() const { return m_strPeriod; }
    CGfxOutBarCtrl& GetFolderControl() { return m_wndFolders; }
    ui::OutlookBar& GetOutlookBar() { return m_wndBar; }

protected:
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    class BarHost;

    bool CreateOutlookBar();
    void FillFolderControl(int role);
    void FillPeriods();
    void OnSelchangePeriod();

    ui::ComboBox m_comboPeriod;
    ui::Static m_stBarPlace;
    std::string m_strPeriod;
    std::map<std::string, std::string> m_mapPeriod;  // period name to year range
    ui::Wnd* m_pMainWnd = nullptr;
    std::vector<ui::Icon> m_icons;
    CGfxOutBarCtrl m_wndFolders;
    std::unique_ptr<BarHost> m_barHost;
    ui::OutlookBar m_wndBar;
};
