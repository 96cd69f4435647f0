// The tab window: pages under tabs, the active tab and its message to the
// parent, removal, location and per-tab colours.
#include <gtest/gtest.h>

#include <QTabBar>

#include "platform/ui/Image.h"
#include "platform/ui/TabWnd.h"
#include "platform/ui/tests/ControlHost.h"

using namespace ui;
using ui::testing::ControlHost;

namespace {

// A page: a child dialog with nothing on it.
class Page : public Dialog {
public:
    explicit Page(Wnd* parent) : Dialog(Template(), parent) { Create(parent); }
    static const DialogTemplate& Template() {
        static const DialogTemplate t{5001, "", {0, 0, 100, 60}, {}, WS_CHILD};
        return t;
    }
};

class TabTest : public ::testing::Test {
protected:
    TabTest() : a(&host), b(&host), c(&host) {
        tabs.Create(TabWnd::STYLE_3D_ROUNDED, {5, 5, 380, 280}, &host, 5007, TabWnd::LOCATION_BOTTOM);
        host.ListenMessage(BCGM_CHANGE_ACTIVE_TAB, [this](WPARAM tab) { changes.push_back(int(tab)); });
        tabs.AddTab(&a, "申请书基本信息");
        tabs.AddTab(&b, "申请人及成员");
        tabs.AddTab(&c, "经费预算");
    }
    ControlHost host;
    Page a, b, c;
    TabWnd tabs;
    std::vector<int> changes;
};

TEST_F(TabTest, FirstTabIsActiveAndShowsItsPage) {
    EXPECT_EQ(tabs.GetTabsNum(), 3);
    EXPECT_EQ(tabs.GetActiveTab(), 0);
    EXPECT_EQ(tabs.GetActiveWnd(), &a);
    EXPECT_TRUE(a.IsWindowVisible());
    EXPECT_FALSE(b.IsWindowVisible());
    std::string label;
    EXPECT_TRUE(tabs.GetTabLabel(1, label));
    EXPECT_EQ(label, "申请人及成员");
    EXPECT_TRUE(changes.empty());  // adding the first tab sends nothing
}

TEST_F(TabTest, ChangingTheTabFromCodeOrByClickTellsTheParentTheIndex) {
    EXPECT_TRUE(tabs.SetActiveTab(2));
    EXPECT_TRUE(c.IsWindowVisible());
    EXPECT_FALSE(a.IsWindowVisible());
    tabs.SetActiveTab(2);  // already active: nothing
    ui::testing::ClickChild(tabs, tabs.GetTabRect(1).CenterPoint());
    EXPECT_EQ(tabs.GetActiveTab(), 1);
    EXPECT_EQ(tabs.GetActiveWnd(), &b);
    EXPECT_EQ(changes, (std::vector<int>{2, 1}));
    EXPECT_FALSE(tabs.SetActiveTab(3));
}

TEST_F(TabTest, TabsSitAtTheBottomOrTheTop) {
    EXPECT_GT(tabs.GetTabRect(0).top, tabs.GetClientRect().Height() / 2);
    tabs.SetLocation(TabWnd::LOCATION_TOP);
    PumpMessages();
    EXPECT_EQ(tabs.GetLocation(), TabWnd::LOCATION_TOP);
    EXPECT_LT(tabs.GetTabRect(0).top, tabs.GetClientRect().Height() / 2);
}

TEST_F(TabTest, RemovingTabsKeepsThePagesAndSendsNothing) {
    tabs.SetActiveTab(1);
    changes.clear();
    EXPECT_TRUE(tabs.RemoveTab(1));
    EXPECT_EQ(tabs.GetTabsNum(), 2);
    EXPECT_EQ(tabs.GetTabWnd(1), &c);
    EXPECT_TRUE(b.IsWindow());
    EXPECT_FALSE(b.IsWindowVisible());
    tabs.RemoveAllTabs();
    EXPECT_EQ(tabs.GetTabsNum(), 0);
    EXPECT_EQ(tabs.GetActiveTab(), -1);
    EXPECT_EQ(tabs.GetActiveWnd(), nullptr);
    EXPECT_TRUE(changes.empty());
    EXPECT_FALSE(tabs.RemoveTab(0));
}

TEST_F(TabTest, EachTabKeepsItsBackgroundColour) {
    const COLORREF standard = tabs.GetTabBkColor(1);
    EXPECT_EQ(standard, TabWnd::DefaultTabColor());
    // The active tab in blue, every other tab back to the standard colour.
    tabs.SetActiveTab(2);
    for (int i = 0; i < 6; ++i) tabs.SetTabBkColor(i, i == tabs.GetActiveTab() ? RGB(63, 131, 240) : standard);
    EXPECT_EQ(tabs.GetTabBkColor(2), RGB(63, 131, 240));
    EXPECT_EQ(tabs.GetTabBkColor(0), standard);
    EXPECT_EQ(tabs.GetTabBkColor(5), COLORREF(-1));  // no such tab

    // The colour is what the tab shows.
    const QImage shot = tabs.GetWidget()->grab().toImage();
    const Rect r = tabs.GetTabRect(2);
    EXPECT_EQ(ToColorRef(shot.pixel(r.left + 4, r.top + 4)), RGB(63, 131, 240));
    tabs.SetTabBkColor(2);
    EXPECT_EQ(tabs.GetTabBkColor(2), TabWnd::DefaultTabColor());
}

// A dialog fills its tab window in OnInitDialog, before it is shown: once
// shown, the tabs must have their height inside the window, under the page.
TEST(TabWndBuiltHidden, TabsShowOnceTheDialogIsShown) {
    static const DialogTemplate hostTemplate{901, "host", {0, 0, 400, 300}, {}};
    Dialog host(hostTemplate);
    host.Create();
    TabWnd tabs;
    tabs.Create(TabWnd::STYLE_3D_ROUNDED, {5, 5, 380, 280}, &host, 5007);
    Page a(&host), b(&host);
    tabs.AddTab(&a, "申请书基本信息");
    tabs.AddTab(&b, "申请人及成员");
    host.ShowWindow(SW_SHOW);
    PumpMessages();

    const Rect tab = tabs.GetTabRect(0);
    const Rect client = tabs.GetClientRect();
    EXPECT_GT(tab.Height(), 0);
    EXPECT_LE(tab.bottom, client.bottom);
    const QRect page = a.GetWidget()->geometry();
    EXPECT_LE(a.GetWidget()->mapTo(tabs.GetWidget(), QPoint(0, page.height())).y(), tab.top);
    // The bar itself is as tall as its tabs, or nothing of them is drawn.
    const QRect bar = tabs.GetWidget()->findChild<QTabBar*>()->geometry();
    EXPECT_GE(bar.height(), tab.Height());
}

}  // namespace
