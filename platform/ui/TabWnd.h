// The tab window: pages (windows made by the caller) under labelled tabs at
// the top or the bottom, each tab with its own background colour.
//
// A change of the active tab, by the user or by SetActiveTab, sends the
// parent the message BCGM_CHANGE_ACTIVE_TAB with the new tab index as wParam.
// Adding the first tab (which becomes active) and removing tabs do not.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Wnd.h"

namespace ui {

// The tab window's change-of-tab message to its parent (wParam: tab index).
constexpr UINT BCGM_CHANGE_ACTIVE_TAB = 0xC0A1;

class TabWnd : public Wnd {
    DECLARE_DYNAMIC(TabWnd)
public:
    enum Location { LOCATION_BOTTOM = 0, LOCATION_TOP = 1 };
    // Looks of the tabs; kept for the callers, drawn alike here.
    enum Style { STYLE_3D = 0, STYLE_FLAT = 1, STYLE_3D_ROUNDED = 6 };

    // Creates the window inside `parent` with the rectangle in pixels.
    BOOL Create(int style, const Rect& rect, Wnd* parent, int id, Location location = LOCATION_BOTTOM,
                BOOL closeButton = FALSE);

    // Puts the page window (created as a child of anything) under a new tab
    // at the end; the first tab becomes the active one.
    void AddTab(Wnd* page, const std::string& label, UINT image = UINT(-1), BOOL detachable = TRUE);
    // Takes the tab away; its window is hidden and stays its owner's.
    BOOL RemoveTab(int tab);
    void RemoveAllTabs();
    int GetTabsNum() const { return int(pages_.size()); }
    Wnd* GetTabWnd(int tab) const;
    BOOL GetTabLabel(int tab, std::string& label) const;
    BOOL SetTabLabel(int tab, const std::string& label);

    int GetActiveTab() const;  // -1 without tabs
    Wnd* GetActiveWnd() const { return GetTabWnd(GetActiveTab()); }
    BOOL SetActiveTab(int tab);

    void SetLocation(Location location);
    Location GetLocation() const { return location_; }

    // Background colour of a tab; (COLORREF)-1 gives back the default colour.
    BOOL SetTabBkColor(int tab, COLORREF color = COLORREF(-1));
    COLORREF GetTabBkColor(int tab) const;  // (COLORREF)-1 for no tab
    static constexpr COLORREF DefaultTabColor() { return RGB(212, 208, 200); }

    // The rectangle of a tab in this window's client coordinates (tests,
    // hit testing); empty for no tab.
    Rect GetTabRect(int tab) const;

private:
    void Arrange();
    void OnCurrentChanged(int tab);
    std::vector<Wnd*> pages_;
    Location location_ = LOCATION_BOTTOM;
    int tabStyle_ = STYLE_3D;
    bool silent_ = false;
    int shown_ = -1;
};

}  // namespace ui
