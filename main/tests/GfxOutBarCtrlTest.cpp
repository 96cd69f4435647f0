// The outlook-bar control: folders and items, geometry and hit testing,
// clicks, folder presses, dragging items, scrolling, renaming in place, the
// notifications to the parent with their accept or refuse answers, and the
// picture it paints.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <string>
#include <vector>

#include "main/GfxLabelEdit.h"
#include "main/GfxOutBarCtrl.h"
#include "platform/ui/App.h"
#include "platform/ui/DC.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Simulate.h"
#include "platform/ui/TestDriverGTest.h"

namespace {

using ui::Point;
using ui::Rect;
namespace sim = ui::sim;

// A shown window holding the control; it records the control's
// notifications and answers them with `answer`.
class Host : public ui::Dialog {
public:
    struct Heard {
        int code = 0;
        LPARAM value = 0;  // the lParam of codes 1 and 5
        OutBarNotifyInfo info;
        std::string text;
    };

    Host() : ui::Dialog(Template()) {
        Create();
        ShowWindow(SW_SHOW);
        MapMessage(CGfxOutBarCtrl::kNotifyMessage, [this](WPARAM code, LPARAM lParam) {
            Heard h{int(code), lParam, {}, {}};
            if (code >= 2 && code <= 4) {
                h.info = *reinterpret_cast<const OutBarNotifyInfo*>(lParam);
                if (h.info.text) h.text = h.info.text;
            }
            heard.push_back(h);
            return LRESULT(answer);
        });
    }

    std::vector<int> Codes() const {
        std::vector<int> codes;
        for (const Heard& h : heard) codes.push_back(h.code);
        return codes;
    }

    std::vector<Heard> heard;
    int answer = 1;

private:
    static const ui::DialogTemplate& Template() {
        static const ui::DialogTemplate t{900, "host", {0, 0, 200, 250}, {}};
        return t;
    }
};

OutBarImageList MakeImages(int size, int count) {
    OutBarImageList list{{size, size}, {}};
    for (int i = 0; i < count; ++i) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(QColor(200, 20 * i, 40));
        list.images.push_back(ui::Icon{image});
    }
    return list;
}

void SendMouse(ui::Wnd& wnd, QEvent::Type type, Point p, Qt::MouseButtons held) {
    QWidget* widget = wnd.GetWidget();
    const QPointF local(p.x, p.y);
    QMouseEvent e(type, local, widget->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  held, Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
}
void Press(ui::Wnd& w, Point p) { SendMouse(w, QEvent::MouseButtonPress, p, Qt::LeftButton); }
void DragTo(ui::Wnd& w, Point p) { SendMouse(w, QEvent::MouseMove, p, Qt::LeftButton); }
void Release(ui::Wnd& w, Point p) { SendMouse(w, QEvent::MouseButtonRelease, p, Qt::NoButton); }

COLORREF PixelOf(const QImage& image, int x, int y) { return ui::ToColorRef(image.pixel(x, y)); }

std::vector<std::string> ItemTexts(const CGfxOutBarCtrl& ctrl, int folder) {
    std::vector<std::string> texts;
    for (const OutBarItem& item : ctrl.GetFolder(folder)->items) texts.push_back(item.text);
    return texts;
}

class OutBar : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE, {0, 0, 150, 300}, &host, 100));
        ctrl.ModifyFlags(CGfxOutBarCtrl::kAnimateFoldersFlag, 0);  // no slide unless a test wants it
    }

    // Three folders, the middle one selected, holding items a..e.
    void Fill(int items = 5) {
        ctrl.AddFolder("甲", 10);
        ctrl.AddFolder("乙", 11);
        ctrl.AddFolder("丙", 12);
        for (int i = 0; i < items; ++i) ctrl.InsertItem(1, -1, std::string(1, char('a' + i)), 0, DWORD(i));
        ctrl.SelectFolder(1);
        host.heard.clear();
    }

    Point ItemCentre(int item) const { return ctrl.GetItemRect(item).CenterPoint(); }
    Point FolderCentre(int folder) const {
        Rect r;
        ctrl.GetFolderRect(folder, r);
        return r.CenterPoint();
    }
    // A point of the item area below every item.
    Point BelowItems() const {
        return {20, (ctrl.GetItemRect(ctrl.GetItemCount() - 1).bottom + ctrl.GetInsideRect().bottom) / 2};
    }

    void Drag(int item, Point to) {
        Press(ctrl, ItemCentre(item));
        DragTo(ctrl, {2, ctrl.GetInsideRect().top + 2});  // off every item: the drag starts
        DragTo(ctrl, to);
        Release(ctrl, to);
    }

    ui::TestDriver driver;
    Host host;
    OutBarImageList large = MakeImages(32, 4), small = MakeImages(16, 4);
    CGfxOutBarCtrl ctrl;
};

TEST_F(OutBar, StartsWithTheDocumentedState) {
    EXPECT_EQ(ctrl.GetFolderCount(), 0);
    EXPECT_EQ(ctrl.GetSelectedFolder(), 1);
    EXPECT_EQ(ctrl.GetSelectedItem(), -1);
    EXPECT_EQ(ctrl.GetBackColor(), RGB(241, 243, 239));
    EXPECT_EQ(CGfxOutBarCtrl().GetFlags(), 0x3FCu);
    EXPECT_FALSE(ctrl.IsSmallIcons());
    EXPECT_EQ(ctrl.GetFolderAnimationDelay(), 10);
    EXPECT_EQ(ctrl.FolderChild(), nullptr);
    EXPECT_EQ(ctrl.GetItemCount(), 0);  // the selected index names no folder yet
    ASSERT_NE(ui::RuntimeClass::FromName("CGfxOutBarCtrl"), nullptr);
}

TEST_F(OutBar, WithoutFoldersTheClientIsTheItemAreaAndNothingIsHit) {
    EXPECT_EQ(ctrl.GetInsideRect(), (Rect{0, 0, 150, 300}));
    EXPECT_EQ(ctrl.HitTest({75, 10}).kind, CGfxOutBarCtrl::kHitNothing);
    Rect r;
    EXPECT_FALSE(ctrl.GetFolderRect(0, r));
}

TEST_F(OutBar, FolderButtonsStandAboveAndBelowTheSelectedFolder) {
    Fill();
    struct Case {
        int folder;
        bool exists;
        Rect rect;
    } cases[] = {
        {0, true, {0, -1, 150, 21}}, {1, true, {0, 21, 150, 43}}, {2, true, {0, 278, 150, 300}},
        {-1, false, {}},             {3, false, {}},
    };
    for (const Case& c : cases) {
        Rect r;
        EXPECT_EQ(ctrl.GetFolderRect(c.folder, r), c.exists) << c.folder;
        if (c.exists) {
            EXPECT_EQ(r, c.rect) << c.folder;
            EXPECT_EQ(ctrl.HitTest(r.CenterPoint()).kind, CGfxOutBarCtrl::kHitFolder);
            EXPECT_EQ(ctrl.HitTest(r.CenterPoint()).index, c.folder);
        }
    }
    EXPECT_EQ(ctrl.GetInsideRect(), (Rect{0, 43, 150, 278}));
}

TEST_F(OutBar, ItemsAreInsertedAppendedAndRemoved) {
    Fill(0);
    EXPECT_EQ(ctrl.InsertItem(1, -1, "b"), 0);
    EXPECT_EQ(ctrl.InsertItem(1, 7, "c"), 1);  // past the end appends
    EXPECT_EQ(ctrl.InsertItem(1, 0, "a"), 0);
    EXPECT_EQ(ctrl.InsertItem(5, 0, "x"), -1);  // no such folder
    EXPECT_EQ(ItemTexts(ctrl, 1), (std::vector<std::string>{"a", "b", "c"}));

    ctrl.RemoveItem(3);  // outside the folder: nothing
    ctrl.RemoveItem(-1);
    EXPECT_EQ(ctrl.GetItemCount(), 3);
    ctrl.RemoveItem(1);
    EXPECT_EQ(ItemTexts(ctrl, 1), (std::vector<std::string>{"a", "c"}));

    ctrl.SetItemText(1, "z");
    ctrl.SetFolderText(0, "新名");
    EXPECT_EQ(ItemTexts(ctrl, 1), (std::vector<std::string>{"a", "z"}));
    EXPECT_EQ(ctrl.GetFolder(0)->name, "新名");
    EXPECT_EQ(ctrl.AddFolder(nullptr, 0), 3);
    EXPECT_EQ(ctrl.GetFolder(3)->name, "");
}

TEST_F(OutBar, RemovingAnItemKeepsTheSelectionOnTheSameItem) {
    Fill();
    sim::Click(ctrl, ItemCentre(3));
    ASSERT_EQ(ctrl.GetSelectedItem(), 3);
    ctrl.RemoveItem(1);
    EXPECT_EQ(ctrl.GetSelectedItem(), 2);  // "d" moved up
    ctrl.RemoveItem(2);
    EXPECT_EQ(ctrl.GetSelectedItem(), -1);
}

TEST_F(OutBar, RemovingFoldersMovesTheSelection) {
    struct Case {
        int selected, removed;
        int expectedSelected;
        const char* expectedName;
    } cases[] = {
        {0, 0, 0, "乙"},  // the selected first folder: folder 0 of the rest
        {2, 0, 1, "丙"},  // a folder above the selected one: the same folder stays selected
        {0, 2, 0, "甲"},
        {1, 1, 0, "甲"},
        {1, 5, 1, "乙"},  // no such folder: nothing
    };
    for (const Case& c : cases) {
        CGfxOutBarCtrl bar;
        for (const char* name : {"甲", "乙", "丙"}) bar.AddFolder(name, 0);
        bar.SelectFolder(c.selected);
        bar.RemoveFolder(c.removed);
        EXPECT_EQ(bar.GetSelectedFolder(), c.expectedSelected) << c.selected << "/" << c.removed;
        EXPECT_EQ(bar.GetFolder(bar.GetSelectedFolder())->name, c.expectedName);
    }
    CGfxOutBarCtrl one;
    one.AddFolder("only", 0);
    one.SelectFolder(0);
    one.RemoveFolder(0);
    EXPECT_EQ(one.GetSelectedFolder(), -1);
    EXPECT_EQ(one.GetFolderCount(), 0);
}

TEST_F(OutBar, SelectingAFolderResetsItsStatesAndTellsTheParent) {
    Fill();
    sim::Click(ctrl, ItemCentre(2));
    host.heard.clear();
    ctrl.SelectFolder(2);
    EXPECT_EQ(host.Codes(), std::vector<int>{5});
    EXPECT_EQ(host.heard[0].value, 2);
    EXPECT_EQ(ctrl.GetSelectedItem(), -1);
    EXPECT_EQ(ctrl.GetFirstVisibleItem(), 0);
    EXPECT_EQ(ctrl.GetItemCount(), 0);
    ctrl.SelectFolder(9);  // no such folder: nothing
    EXPECT_EQ(ctrl.GetSelectedFolder(), 2);
    EXPECT_EQ(host.heard.size(), 1u);
}

TEST_F(OutBar, SmallLayoutHitsTheWholeItemRectangle) {
    Fill();
    ctrl.SetDefaultImageLists(&large, &small);
    ctrl.SetSmallIcons(true);
    const Rect r = ctrl.GetItemRect(1);
    EXPECT_EQ(r.left, ctrl.GetInsideRect().left + 5);
    EXPECT_EQ(r.Height(), std::max(16, ctrl.GetLabelRect(1).Height()));
    for (Point p : {Point{r.left, r.top}, Point{r.right - 1, r.bottom - 1}}) {
        EXPECT_EQ(ctrl.HitTest(p).kind, CGfxOutBarCtrl::kHitItem);
        EXPECT_EQ(ctrl.HitTest(p).index, 1);
    }
    EXPECT_EQ(ctrl.HitTest({r.right + 2, r.top + 2}).kind, CGfxOutBarCtrl::kHitNothing);
}

TEST_F(OutBar, LargeLayoutHitsTheIconAndTheLabelWithThreePixelsAboveIt) {
    Fill();
    ctrl.SetDefaultImageLists(&large, &small);
    ctrl.SetItemText(0, "一个较长的名称");  // a label wider than the icon
    const Rect icon = ctrl.GetIconRect(0), label = ctrl.GetLabelRect(0);
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.left, (150 - 32) / 2);
    ASSERT_LT(label.left + 2, icon.left);
    EXPECT_EQ(ctrl.HitTest(icon.CenterPoint()).index, 0);
    EXPECT_EQ(ctrl.HitTest({label.left + 2, label.top - 3}).index, 0);
    EXPECT_EQ(ctrl.HitTest({label.left + 2, label.top - 4}).kind, CGfxOutBarCtrl::kHitNothing);
    // Beside the icon, above the label: inside the item's rectangle, but no hit.
    const Point beside{icon.right + 10, icon.top + 5};
    EXPECT_TRUE(ctrl.GetItemRect(0).PtInRect(beside));
    EXPECT_EQ(ctrl.HitTest(beside).kind, CGfxOutBarCtrl::kHitNothing);
}

TEST_F(OutBar, ItemsWithoutAnImageListTakeSpaceAndCanBeHitButAreNotDrawn) {
    Fill(1);
    ctrl.SetItemText(0, "很长的项目名称");
    const Rect label = ctrl.GetLabelRect(0);
    EXPECT_GT(label.Height(), 0);
    EXPECT_EQ(ctrl.HitTest(label.CenterPoint()).index, 0);
    const QImage picture = ctrl.GetWidget()->grab().toImage();
    const Rect area = ctrl.GetInsideRect();
    for (int y = area.top + 1; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            ASSERT_EQ(PixelOf(picture, x, y), RGB(241, 243, 239)) << x << "," << y;
}

TEST_F(OutBar, PaintsButtonsItemsIconsAndTheSelectedFrame) {
    Fill();
    ctrl.SetDefaultImageLists(&large, &small);
    sim::Click(ctrl, ItemCentre(1));
    const QImage picture = ctrl.GetWidget()->grab().toImage();
    Rect button;
    ctrl.GetFolderRect(2, button);
    EXPECT_EQ(PixelOf(picture, 3, button.top + 3), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PixelOf(picture, 1, button.top + 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(PixelOf(picture, 2, ctrl.GetInsideRect().top + 2), RGB(241, 243, 239));
    const Rect icon = ctrl.GetIconRect(0);
    const Rect drawn{icon.left, ctrl.GetItemRect(0).top, icon.right, ctrl.GetItemRect(0).top + 32};
    EXPECT_EQ(PixelOf(picture, drawn.left + 10, drawn.top + 10), ui::ToColorRef(large.images[0].image.pixel(0, 0)));
    // The selected item's icon is framed sunken: dark shadow on its top-left.
    const Rect frame = ctrl.GetIconRect(1);
    EXPECT_EQ(PixelOf(picture, frame.left - 1, frame.top - 1), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(PixelOf(picture, frame.right, frame.bottom), GetSysColor(COLOR_BTNFACE));
    // The item label is drawn in black somewhere inside its rectangle.
    const Rect label = ctrl.GetLabelRect(0);
    int dark = 0;
    for (int y = label.top - 3; y < label.bottom + 3; ++y)
        for (int x = 0; x < 150; ++x) dark += qGray(picture.pixel(x, y)) < 100;
    EXPECT_GT(dark, 0);
}

TEST_F(OutBar, HoverMakesFoldersAndItemsHotUntilTheCursorLeaves) {
    Fill();
    ctrl.SetDefaultImageLists(&large, &small);
    sim::MoveMouse(ctrl, FolderCentre(2));
    EXPECT_EQ(ctrl.GetHotFolder(), 2);
    EXPECT_EQ(ctrl.GetWidget()->cursor().shape(), Qt::PointingHandCursor);
    Rect button;
    ctrl.GetFolderRect(2, button);
    QImage picture = ctrl.GetWidget()->grab().toImage();
    EXPECT_EQ(PixelOf(picture, 10, button.bottom - 1), GetSysColor(COLOR_3DDKSHADOW));

    sim::MoveMouse(ctrl, ItemCentre(0));
    EXPECT_EQ(ctrl.GetHotFolder(), -1);
    EXPECT_EQ(ctrl.GetHotItem(), 0);
    EXPECT_FALSE(ctrl.IsHotItemPressed());
    EXPECT_NE(ctrl.GetWidget()->cursor().shape(), Qt::PointingHandCursor);
    picture = ctrl.GetWidget()->grab().toImage();
    const Rect icon = ctrl.GetIconRect(0);
    EXPECT_EQ(PixelOf(picture, icon.right, icon.bottom), GetSysColor(COLOR_3DDKSHADOW));  // raised

    sim::LeaveMouse(ctrl);
    EXPECT_EQ(ctrl.GetHotItem(), -1);

    // The selected item is never hot while its icon is framed.
    sim::Click(ctrl, ItemCentre(0));
    sim::MoveMouse(ctrl, ItemCentre(0));
    EXPECT_EQ(ctrl.GetHotItem(), -1);
}

TEST_F(OutBar, ClickingAnItemSelectsItAndSendsItsIndex) {
    Fill();
    sim::Click(ctrl, ItemCentre(3));
    EXPECT_EQ(ctrl.GetSelectedItem(), 3);
    ASSERT_EQ(host.Codes(), std::vector<int>{1});
    EXPECT_EQ(host.heard[0].value, 3);

    // Pressed on one item and released on another: nothing.
    host.heard.clear();
    Press(ctrl, ItemCentre(0));
    DragTo(ctrl, ItemCentre(1));
    EXPECT_FALSE(ctrl.IsHotItemPressed());
    Release(ctrl, ItemCentre(1));
    EXPECT_TRUE(host.heard.empty());
    EXPECT_EQ(ctrl.GetSelectedItem(), 3);
}

TEST_F(OutBar, ReleasingAFolderPressOverAnotherFolderSelectsIt) {
    Fill();
    Press(ctrl, FolderCentre(0));
    DragTo(ctrl, FolderCentre(2));
    Release(ctrl, FolderCentre(2));  // pressed on one button, released on another
    EXPECT_EQ(ctrl.GetSelectedFolder(), 2);
    EXPECT_EQ(host.Codes(), std::vector<int>{5});

    host.heard.clear();
    sim::Click(ctrl, FolderCentre(2));  // the selected folder: nothing changes
    EXPECT_EQ(ctrl.GetSelectedFolder(), 2);
    EXPECT_TRUE(host.heard.empty());

    Press(ctrl, FolderCentre(0));
    Release(ctrl, ctrl.GetInsideRect().CenterPoint());  // released off the buttons
    EXPECT_EQ(ctrl.GetSelectedFolder(), 2);
}

TEST_F(OutBar, APressedFolderButtonIsDrawnPressedWhileTheCursorIsOnIt) {
    Fill();
    Press(ctrl, FolderCentre(2));
    Rect button;
    ctrl.GetFolderRect(2, button);
    QImage picture = ctrl.GetWidget()->grab().toImage();
    EXPECT_EQ(PixelOf(picture, 0, button.top + 1), GetSysColor(COLOR_3DDKSHADOW));
    DragTo(ctrl, ItemCentre(0));
    picture = ctrl.GetWidget()->grab().toImage();
    EXPECT_EQ(PixelOf(picture, 0, button.top + 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    Release(ctrl, ItemCentre(0));
}

TEST_F(OutBar, DraggingMovesItemsWhenTheParentAgrees) {
    struct Case {
        const char* name;
        int dragged;
        int target;  // an item, or -1 below the last item
        int answer;
        std::vector<std::string> order;
    } cases[] = {
        {"onto an earlier item", 3, 1, 1, {"a", "d", "b", "c", "e"}},
        {"onto a later item", 0, 3, 1, {"b", "c", "a", "d", "e"}},
        {"onto the next item", 1, 2, 1, {"a", "b", "c", "d", "e"}},
        {"below the last item", 1, -1, 1, {"a", "c", "d", "e", "b"}},
        {"refused", 3, 0, 0, {"a", "b", "c", "d", "e"}},
    };
    for (const Case& c : cases) {
        CGfxOutBarCtrl bar;
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, {0, 0, 150, 400}, &host, 101));
        bar.AddFolder("f", 0);
        for (const char* text : {"a", "b", "c", "d", "e"}) bar.InsertItem(0, -1, text);
        bar.SelectFolder(0);
        host.heard.clear();
        host.answer = c.answer;
        const Point to = c.target >= 0 ? bar.GetItemRect(c.target).CenterPoint()
                                       : Point{20, (bar.GetItemRect(4).bottom + bar.GetInsideRect().bottom) / 2};
        Press(bar, bar.GetItemRect(c.dragged).CenterPoint());
        DragTo(bar, {2, bar.GetInsideRect().top + 2});
        EXPECT_TRUE(bar.IsDragging()) << c.name;
        DragTo(bar, to);
        EXPECT_EQ(bar.GetDropMarker(), c.target >= 0 ? c.target : 5) << c.name;
        Release(bar, to);
        EXPECT_FALSE(bar.IsDragging());
        EXPECT_EQ(ItemTexts(bar, 0), c.order) << c.name;
        ASSERT_EQ(host.Codes(), std::vector<int>{4}) << c.name;
        EXPECT_EQ(host.heard[0].info.folder, 0);
        EXPECT_EQ(host.heard[0].info.item, c.dragged);
    }
}

TEST_F(OutBar, DroppingAnItemOnItselfOrNowhereSendsNothing) {
    Fill();
    Drag(2, ItemCentre(2));
    Drag(2, {2, ctrl.GetInsideRect().top + 2});
    EXPECT_TRUE(host.heard.empty());
    EXPECT_EQ(ItemTexts(ctrl, 1), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
}

TEST_F(OutBar, DraggingNeedsItsStyleBit) {
    Fill();
    ctrl.ModifyFlags(CGfxOutBarCtrl::kDragItemsFlag, 0);
    Press(ctrl, ItemCentre(0));
    DragTo(ctrl, {2, ctrl.GetInsideRect().top + 2});
    EXPECT_FALSE(ctrl.IsDragging());
    DragTo(ctrl, BelowItems());
    Release(ctrl, BelowItems());
    EXPECT_TRUE(host.heard.empty());
    EXPECT_EQ(ItemTexts(ctrl, 1).front(), "a");
}

TEST_F(OutBar, TheDropMarkerIsDrawnAtTheDropPosition) {
    Fill();
    Press(ctrl, ItemCentre(0));
    DragTo(ctrl, {2, ctrl.GetInsideRect().top + 2});
    DragTo(ctrl, ItemCentre(2));
    EXPECT_EQ(ctrl.GetWidget()->cursor().shape(), Qt::DragMoveCursor);
    const QImage picture = ctrl.GetWidget()->grab().toImage();
    const int line = ctrl.GetItemRect(2).top - 4 - 9;  // between items: nine rows above the gap
    EXPECT_EQ(PixelOf(picture, 75, line), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(picture, 2, line - 1), RGB(0, 0, 0));   // arrow stroke above the line
    EXPECT_EQ(PixelOf(picture, 75, line - 1), RGB(241, 243, 239));
    DragTo(ctrl, {2, ctrl.GetInsideRect().top + 2});
    EXPECT_EQ(ctrl.GetDropMarker(), -1);
    EXPECT_EQ(ctrl.GetWidget()->cursor().shape(), Qt::ForbiddenCursor);
    Release(ctrl, {2, ctrl.GetInsideRect().top + 2});
}

TEST_F(OutBar, HoldingTheDownArrowScrollsUntilTheLastItemFits) {
    Fill(12);
    int first = 0, last = 0;
    ctrl.GetVisibleRange(first, last);
    ASSERT_LT(last, 11);
    EXPECT_TRUE(ctrl.IsDownArrowShown());
    EXPECT_FALSE(ctrl.IsUpArrowShown());
    const Point arrow = ctrl.GetDownArrowRect().CenterPoint();
    ASSERT_EQ(ctrl.HitTest(arrow).kind, CGfxOutBarCtrl::kHitDownArrow);

    Press(ctrl, arrow);
    EXPECT_TRUE(ctrl.IsScrolling());
    int ticks = 0;
    while (ctrl.IsScrolling() && ticks < 20) {
        ctrl.SendMessage(WM_TIMER, CGfxOutBarCtrl::kScrollTimer);
        ++ticks;
    }
    EXPECT_FALSE(ctrl.IsScrolling());  // the press ended by itself
    EXPECT_EQ(ctrl.GetFirstVisibleItem(), ticks - 1);
    EXPECT_EQ(ctrl.GetItemRect(11).bottom <= ctrl.GetInsideRect().bottom, true);
    EXPECT_GT(ctrl.GetItemRect(11).bottom + ctrl.GetItemRect(11).Height() + 8, ctrl.GetInsideRect().bottom);
    Release(ctrl, arrow);
    EXPECT_FALSE(ctrl.IsDownArrowShown());
    EXPECT_TRUE(ctrl.IsUpArrowShown());

    // A click on the up arrow scrolls one item back.
    const int before = ctrl.GetFirstVisibleItem();
    sim::Click(ctrl, ctrl.GetUpArrowRect().CenterPoint());
    EXPECT_EQ(ctrl.GetFirstVisibleItem(), before - 1);

    // Off the arrow the timer does not scroll.
    Press(ctrl, ctrl.GetUpArrowRect().CenterPoint());
    DragTo(ctrl, ItemCentre(before));
    ctrl.SendMessage(WM_TIMER, CGfxOutBarCtrl::kScrollTimer);
    EXPECT_EQ(ctrl.GetFirstVisibleItem(), before - 1);
    Release(ctrl, ItemCentre(before));
    EXPECT_FALSE(ctrl.IsScrolling());
}

TEST_F(OutBar, ScrollArrowsArePaintedOnlyWhenShown) {
    Fill(12);
    const Rect down = ctrl.GetDownArrowRect(), up = ctrl.GetUpArrowRect();
    QImage picture = ctrl.GetWidget()->grab().toImage();
    EXPECT_EQ(PixelOf(picture, down.left + 3, down.top + 3), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PixelOf(picture, up.left + 3, up.top + 3), RGB(241, 243, 239));
    sim::Click(ctrl, down.CenterPoint());
    picture = ctrl.GetWidget()->grab().toImage();
    EXPECT_EQ(PixelOf(picture, up.left + 3, up.top + 3), GetSysColor(COLOR_BTNFACE));
}

TEST_F(OutBar, SwitchingLayoutsThroughItsCommands) {
    Fill();
    ui::CmdUI smallCmd(CGfxOutBarCtrl::kCmdSmallIcons), largeCmd(CGfxOutBarCtrl::kCmdLargeIcons);
    ASSERT_TRUE(ctrl.OnUpdateCmdUI(smallCmd));
    ASSERT_TRUE(ctrl.OnUpdateCmdUI(largeCmd));
    EXPECT_TRUE(smallCmd.IsEnabled());
    EXPECT_FALSE(largeCmd.IsEnabled());
    ctrl.SendMessage(WM_COMMAND, MAKEWPARAM(CGfxOutBarCtrl::kCmdSmallIcons, 0));
    EXPECT_TRUE(ctrl.IsSmallIcons());
    ui::CmdUI again(CGfxOutBarCtrl::kCmdSmallIcons);
    ctrl.OnUpdateCmdUI(again);
    EXPECT_FALSE(again.IsEnabled());
    ctrl.SendMessage(WM_COMMAND, MAKEWPARAM(CGfxOutBarCtrl::kCmdLargeIcons, 0));
    EXPECT_FALSE(ctrl.IsSmallIcons());
}

TEST_F(OutBar, RemoveCommandActsOnTheContextTarget) {
    Fill();
    ctrl.SendMessage(WM_COMMAND, MAKEWPARAM(CGfxOutBarCtrl::kCmdRemove, 0));  // no target: nothing
    EXPECT_EQ(ctrl.GetItemCount(), 5);
    ctrl.SetContextTarget(CGfxOutBarCtrl::kHitItem, 0);
    ctrl.SendMessage(WM_COMMAND, MAKEWPARAM(CGfxOutBarCtrl::kCmdRemove, 0));
    EXPECT_EQ(ItemTexts(ctrl, 1).front(), "b");
    ctrl.SetContextTarget(CGfxOutBarCtrl::kHitFolder, 2);
    ctrl.SendMessage(WM_COMMAND, MAKEWPARAM(CGfxOutBarCtrl::kCmdRemove, 0));
    EXPECT_EQ(ctrl.GetFolderCount(), 2);
}

// The rename edit the control opened, or null.
CGfxLabelEdit* RenameEdit(CGfxOutBarCtrl& ctrl) { return ctrl.Item<CGfxLabelEdit>(1); }

void Retype(CGfxLabelEdit& edit, const std::string& text) {
    edit.SetWindowText("");
    ui::sim::Type(edit, text);
}

TEST_F(OutBar, AnItemRenameEndedByEnterAsksTheParent) {
    Fill();
    for (int answer : {1, 0}) {
        host.heard.clear();
        host.answer = answer;
        ctrl.BeginItemRename(1);
        CGfxLabelEdit* edit = RenameEdit(ctrl);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->GetWindowText(), "b");
        Retype(*edit, "新名称");
        ui::sim::PressKey(*edit, VK_RETURN);
        ui::PumpMessages();
        EXPECT_EQ(RenameEdit(ctrl), nullptr);  // the edit is gone
        ASSERT_EQ(host.Codes(), std::vector<int>{2});
        EXPECT_EQ(host.heard[0].info.index, 1);
        EXPECT_EQ(host.heard[0].text, "新名称");
        EXPECT_EQ(ItemTexts(ctrl, 1)[1], answer ? "新名称" : "b");
        ctrl.SetItemText(1, "b");
    }
}

TEST_F(OutBar, EscapeOrAnEmptyTextEndsARenameWithoutAsking) {
    Fill();
    ctrl.BeginItemRename(0);
    Retype(*RenameEdit(ctrl), "xyz");
    ui::sim::PressKey(*RenameEdit(ctrl), VK_ESCAPE);
    ui::PumpMessages();
    EXPECT_EQ(RenameEdit(ctrl), nullptr);

    ctrl.BeginFolderRename(0);
    RenameEdit(ctrl)->SetWindowText("");
    ui::sim::PressKey(*RenameEdit(ctrl), VK_RETURN);
    ui::PumpMessages();
    EXPECT_EQ(RenameEdit(ctrl), nullptr);
    EXPECT_TRUE(host.heard.empty());
    EXPECT_EQ(ItemTexts(ctrl, 0).size(), 0u);
    EXPECT_EQ(ctrl.GetFolder(0)->name, "甲");
    EXPECT_EQ(ItemTexts(ctrl, 1)[0], "a");
}

TEST_F(OutBar, ClickingElsewhereEndsAnItemRenameWithTheTypedText) {
    Fill();
    ctrl.BeginItemRename(2);
    Retype(*RenameEdit(ctrl), "改");
    Press(ctrl, {2, ctrl.GetInsideRect().bottom - 2});
    Release(ctrl, {2, ctrl.GetInsideRect().bottom - 2});
    ASSERT_EQ(host.Codes(), std::vector<int>{2});
    EXPECT_EQ(host.heard[0].text, "改");
    EXPECT_EQ(ItemTexts(ctrl, 1)[2], "改");
    ui::PumpMessages();
    EXPECT_EQ(RenameEdit(ctrl), nullptr);
}

TEST_F(OutBar, AFolderRenameSendsCodeThreeAndTheButtonTakesTheName) {
    Fill();
    ctrl.BeginFolderRename(2);
    CGfxLabelEdit* edit = RenameEdit(ctrl);
    ASSERT_NE(edit, nullptr);
    Rect button;
    ctrl.GetFolderRect(2, button);
    button.DeflateRect(2, 2);
    EXPECT_EQ(ctrl.ScreenToClient(edit->GetWindowRect()), button);
    EXPECT_TRUE(edit->IsMultiLine());
    Retype(*edit, "新文件夹");
    ui::sim::PressKey(*edit, VK_RETURN);
    ui::PumpMessages();
    ASSERT_EQ(host.Codes(), std::vector<int>{3});
    EXPECT_EQ(host.heard[0].info.index, 2);
    EXPECT_EQ(ctrl.GetFolder(2)->name, "新文件夹");
}

TEST_F(OutBar, ASmallLayoutItemEditWidensWithItsText) {
    Fill();
    ctrl.SetDefaultImageLists(&large, &small);
    ctrl.SetSmallIcons(true);
    ctrl.BeginItemRename(0);
    CGfxLabelEdit* edit = RenameEdit(ctrl);
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(edit->IsMultiLine());
    const Rect label = ctrl.GetLabelRect(0);
    const Rect before = ctrl.ScreenToClient(edit->GetWindowRect());
    EXPECT_EQ(before.left, label.left + 16 + 1);
    EXPECT_EQ(before.top, label.top - 6);
    ui::sim::Type(*edit, "一个很长很长的名称");
    const Rect after = ctrl.ScreenToClient(edit->GetWindowRect());
    EXPECT_GT(after.Width(), before.Width());
    EXPECT_LE(after.right, 149);  // never past the control
    EXPECT_EQ(after.Height(), before.Height());
    ui::sim::PressKey(*edit, VK_ESCAPE);
    ui::PumpMessages();
}

TEST_F(OutBar, AFolderCanShowAChildWindowInsteadOfItems) {
    Fill();
    ui::Dialog child(ui::DialogTemplate{901, "", {0, 0, 20, 20}, {}, WS_CHILD});
    child.Create(&ctrl);
    ctrl.SetFolderChild(2, &child);
    EXPECT_FALSE(child.IsWindowVisible());
    EXPECT_EQ(ctrl.FolderChild(2), &child);
    EXPECT_EQ(ctrl.FolderChild(), nullptr);
    ctrl.SelectFolder(2);
    EXPECT_EQ(ctrl.FolderChild(), &child);
    EXPECT_TRUE(child.IsWindowVisible());
    EXPECT_EQ(ctrl.ScreenToClient(child.GetWindowRect()), ctrl.GetInsideRect());
    EXPECT_FALSE(ctrl.IsDownArrowShown());
    ctrl.SelectFolder(0);
    EXPECT_FALSE(child.IsWindowVisible());
    ctrl.RemoveFolder(2);  // closes the child's window
    EXPECT_FALSE(child.IsWindow());
}

TEST_F(OutBar, TheFolderSlideEndsOnTheNewFolder) {
    Fill();
    ctrl.ModifyFlags(0, CGfxOutBarCtrl::kAnimateFoldersFlag);
    ctrl.SetFolderAnimationDelay(0);
    const QImage still = ctrl.Render();
    ctrl.SelectFolder(2);
    ctrl.SelectFolder(0);
    ctrl.SelectFolder(1);
    EXPECT_EQ(ctrl.GetSelectedFolder(), 1);
    EXPECT_EQ(ctrl.Render(), still);
    EXPECT_EQ(ctrl.GetWidget()->grab().toImage().convertToFormat(QImage::Format_ARGB32), still);
}

TEST_F(OutBar, TheSelectedIconHopsWithTheIconAnimation) {
    Fill();
    ctrl.SetDefaultImageLists(&large, &small);
    ctrl.SetIconAnimation(1000);
    sim::Click(ctrl, ItemCentre(0));
    const Rect item = ctrl.GetItemRect(0);
    const int left = item.left + (item.Width() - 32) / 2;
    const COLORREF icon = ui::ToColorRef(large.images[0].image.pixel(0, 0));
    ctrl.SendMessage(WM_TIMER, CGfxOutBarCtrl::kIconTimer);  // tick 1: at rest
    QImage picture = ctrl.GetWidget()->grab().toImage();
    EXPECT_EQ(PixelOf(picture, left + 5, item.top), icon);
    EXPECT_NE(PixelOf(picture, left + 32, item.top + 1), icon);
    // Tick 2 moves the icon one pixel right and one down; its old top row is background.
    ctrl.SendMessage(WM_TIMER, CGfxOutBarCtrl::kIconTimer);
    picture = ctrl.GetWidget()->grab().toImage();
    EXPECT_EQ(PixelOf(picture, left + 5, item.top), RGB(241, 243, 239));
    EXPECT_EQ(PixelOf(picture, left + 32, item.top + 1), icon);
    ctrl.SendMessage(WM_TIMER, CGfxOutBarCtrl::kIconTimer);  // tick 3: at rest again
    picture = ctrl.GetWidget()->grab().toImage();
    EXPECT_EQ(PixelOf(picture, left + 5, item.top), icon);
    ctrl.SetIconAnimation(0);
    EXPECT_EQ(ctrl.GetIconAnimation(), 0);
}

}  // namespace
