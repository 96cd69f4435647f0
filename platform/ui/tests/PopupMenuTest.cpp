// Menu handles and pop-up tracking: item states reached by position or by
// command through sub-menus, destruction of a menu with its sub-menus, the
// test driver's answers, the Qt pop-up chosen by keyboard and by mnemonic,
// and owner-drawn items measured and drawn by their menu object.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "platform/ui/App.h"
#include "platform/ui/PopupMenu.h"
#include "platform/ui/Wnd.h"

using namespace ui;

namespace {

// A window that records the commands and menu characters it receives.
class Owner : public Wnd {
public:
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
        if (message == WM_COMMAND) commands.push_back(LOWORD(w));
        if (message == WM_MENUCHAR) {
            characters.push_back(LOWORD(w));
            return menuCharAnswer;
        }
        return 0;
    }
    std::vector<int> commands, characters;
    LRESULT menuCharAnswer = 0;
};

// 拷贝 | 粘贴 (grayed) | separator | 格式 > { 加粗 (checked), 倾斜 }
struct EditMenu {
    EditMenu() {
        sub.CreatePopupMenu();
        sub.AppendMenu(MF_STRING | MF_CHECKED, 301, "加粗(&B)");
        sub.AppendMenu(MF_STRING, 302, "倾斜(&I)");
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, 201, "拷贝(&C)\tCtrl+C");
        menu.AppendMenu(MF_STRING | MF_GRAYED, 202, "粘贴(&V)");
        menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_POPUP, UINT_PTR(sub.GetSafeHmenu()), "格式(&F)");
    }
    Menu menu, sub;
};

std::vector<std::string> failures;
PopupMenuDriver::FailureHandler Record() {
    failures.clear();
    return [](const std::string& m) { failures.push_back(m); };
}

TEST(PopupMenuTest, ItemsAreReachedByPositionOrByCommandThroughSubMenus) {
    EditMenu m;
    EXPECT_EQ(m.menu.GetMenuItemCount(), 4);
    EXPECT_EQ(m.menu.GetMenuItemID(0), 201u);
    EXPECT_EQ(m.menu.GetMenuItemID(2), 0u);          // separator
    EXPECT_EQ(m.menu.GetMenuItemID(3), UINT(-1));    // sub-menu
    EXPECT_EQ(m.menu.GetMenuItemID(9), UINT(-1));
    EXPECT_EQ(m.menu.GetSubMenu(3), m.sub.GetSafeHmenu());
    EXPECT_EQ(m.menu.GetMenuState(3, MF_BYPOSITION), (2u << 8) | MF_POPUP);
    EXPECT_EQ(m.menu.GetMenuState(202, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(m.menu.GetMenuState(301, MF_BYCOMMAND), MF_CHECKED);  // found in the sub-menu
    EXPECT_EQ(m.menu.GetMenuState(999, MF_BYCOMMAND), UINT(-1));
    EXPECT_EQ(m.menu.GetMenuString(0, MF_BYPOSITION), "拷贝(&C)\tCtrl+C");

    EXPECT_EQ(m.menu.CheckMenuItem(301, MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(m.menu.EnableMenuItem(202, MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(m.menu.GetMenuState(301, MF_BYCOMMAND) | m.menu.GetMenuState(202, MF_BYCOMMAND), 0u);
    EXPECT_EQ(m.menu.EnableMenuItem(999, MF_GRAYED), UINT(-1));

    EXPECT_TRUE(m.menu.ModifyMenu(0, MF_BYPOSITION | MF_OWNERDRAW, 203, DWORD_PTR(77)));
    EXPECT_EQ(m.menu.GetMenuItemData(203, MF_BYCOMMAND), DWORD_PTR(77));
    EXPECT_EQ(m.menu.GetMenuString(203, MF_BYCOMMAND), "");  // owner-drawn items keep no text
}

TEST(PopupMenuTest, DestroyingAMenuDestroysItsSubMenusAndHandlesAreNeverReused) {
    auto m = std::make_unique<EditMenu>();
    const HMENU outer = m->menu.GetSafeHmenu(), inner = m->sub.GetSafeHmenu();
    EXPECT_EQ(Menu::FromHandlePermanent(inner), &m->sub);
    EXPECT_TRUE(m->menu.DestroyMenu());
    EXPECT_FALSE(IsMenu(outer));
    EXPECT_FALSE(IsMenu(inner));
    EXPECT_EQ(m->sub.GetSafeHmenu(), nullptr);  // its object lets go of the handle
    EXPECT_EQ(Menu::FromHandlePermanent(inner), nullptr);
    EXPECT_FALSE(m->sub.DestroyMenu());
    m.reset();  // destructors find nothing left to destroy

    const HMENU fresh = CreatePopupMenu();
    EXPECT_NE(fresh, outer);
    EXPECT_NE(fresh, inner);
    EXPECT_TRUE(DestroyMenu(fresh));
    EXPECT_FALSE(DestroyMenu(fresh));
}

TEST(PopupMenuTest, DriverAnswersTrackedMenusAndReportsImpossibleChoices) {
    EditMenu m;
    Owner owner;
    {
        PopupMenuDriver driver(Record());
        driver.Choose(302);
        driver.Choose(201);
        driver.Dismiss();
        driver.Choose(202);  // grayed: no person could choose it
        driver.Choose(999);
        EXPECT_EQ(m.menu.TrackPopupMenu(TPM_RETURNCMD, 5, 6, &owner), 302u);
        EXPECT_EQ(m.menu.TrackPopupMenu(0, 5, 6, &owner), UINT(TRUE));
        EXPECT_EQ(m.menu.TrackPopupMenu(TPM_RETURNCMD, 5, 6, &owner), 0u);
        EXPECT_EQ(m.menu.TrackPopupMenu(TPM_RETURNCMD, 5, 6, &owner), 0u);
        ASSERT_EQ(driver.Requests().size(), 4u);
        EXPECT_EQ(driver.Requests()[0].at, (Point{5, 6}));
        EXPECT_EQ(driver.Requests()[1].flags, 0u);
        EXPECT_EQ(failures.size(), 1u);
        EXPECT_TRUE(owner.commands.empty());  // posted, not sent
        PumpMessages();
        EXPECT_EQ(owner.commands, std::vector<int>{201});
    }
    ASSERT_EQ(failures.size(), 2u);  // the unused answer
    EXPECT_NE(failures[1].find("not used"), std::string::npos);

    PopupMenuDriver empty(Record());
    EXPECT_EQ(TrackPopupMenu(m.menu.GetSafeHmenu(), TPM_RETURNCMD, 0, 0, nullptr), 0u);
    EXPECT_EQ(failures.size(), 1u);
    EXPECT_EQ(TrackPopupMenu(nullptr, TPM_RETURNCMD, 0, 0, nullptr), 0u);  // no menu: nothing shown
    EXPECT_EQ(empty.Requests().size(), 1u);
}

// Types keys into the pop-up once it is up; a guard closes every pop-up
// should the menu not end by itself.
UINT TrackWithKeys(const Menu& menu, std::vector<int> keys, Owner* owner = nullptr, QString text = {}) {
    QTimer::singleShot(0, [keys, text] {
        for (int key : keys) {
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup) return;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == 0 ? text : QString());
            QApplication::sendEvent(popup, &press);
        }
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    guard.start(3000);
    return menu.TrackPopupMenu(TPM_RETURNCMD, 20, 20, owner);
}

TEST(PopupMenuTest, QtPopupIsChosenByKeyboardSkippingSeparatorsAndGrayedItems) {
    EnsureApplication();
    EditMenu m;
    // Down to 拷贝, Down to 粘贴 (grayed: Return does nothing), Down past the
    // separator to 格式, Right into the sub-menu, Down to 倾斜, Return.
    EXPECT_EQ(TrackWithKeys(m.menu, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return, Qt::Key_Down, Qt::Key_Right,
                                     Qt::Key_Down, Qt::Key_Return}),
              302u);
    EXPECT_EQ(TrackWithKeys(m.menu, {Qt::Key_Down, Qt::Key_Escape}), 0u);
    // Up wraps round to 格式; Return opens it at its first item.
    EXPECT_EQ(TrackWithKeys(m.menu, {Qt::Key_Up, Qt::Key_Return, Qt::Key_Return}), 301u);
    EXPECT_EQ(TrackWithKeys(m.menu, {0}, nullptr, "c"), 201u);           // the "&C" mnemonic
}

// Items the menu object measures and draws itself: blue at rest, red when
// selected, each 100 by 20.
class Painted : public Menu {
public:
    void MeasureItem(MEASUREITEMSTRUCT& m) override {
        measured.push_back(UINT(m.itemData));
        m.itemWidth = 100;
        m.itemHeight = 20;
    }
    void DrawItem(DRAWITEMSTRUCT& d) override {
        d.dc->FillSolidRect(d.rcItem, (d.itemState & ODS_SELECTED) ? RGB(255, 0, 0) : RGB(0, 0, 255));
        states.push_back(d.itemState);
    }
    std::vector<UINT> measured, states;
};

TEST(PopupMenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheirMenuObject) {
    Painted menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_OWNERDRAW, 11, DWORD_PTR(1));
    menu.AppendMenu(MF_OWNERDRAW | MF_GRAYED | MF_CHECKED, 12, DWORD_PTR(2));
    const QImage image = RenderPopupMenu(menu.GetSafeHmenu(), 1);
    EXPECT_EQ(menu.measured, (std::vector<UINT>{1, 2}));
    EXPECT_EQ(menu.states, (std::vector<UINT>{0, ODS_SELECTED | ODS_GRAYED | ODS_CHECKED}));
    EXPECT_EQ(image.size(), QSize(104, 44));  // the items inside a 2-pixel border
    EXPECT_EQ(ToColorRef(image.pixel(50, 10)), RGB(0, 0, 255));
    EXPECT_EQ(ToColorRef(image.pixel(50, 30)), RGB(255, 0, 0));
    EXPECT_EQ(ToColorRef(image.pixel(50, 42)), ToColorRef(image.pixel(50, 1)));  // border, not item

    // A typed character goes to the owner, whose answer chooses the item.
    Owner owner;
    owner.menuCharAnswer = LRESULT(MAKEWPARAM(0, MNC_EXECUTE));
    EXPECT_EQ(TrackWithKeys(menu, {0}, &owner, "x"), 11u);
    EXPECT_EQ(owner.characters, std::vector<int>{'x'});
}

}  // namespace
