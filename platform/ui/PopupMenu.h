// Menus in the manner of the system's menu handles: a menu is a list of
// items (text or owner-drawn item data, command id or pop-up sub-menu, state
// flags) reached through its handle; `Menu` is the class the business code
// derives from, attached to a handle, answering the measuring and drawing of
// its owner-drawn items. A pop-up menu is tracked through a service, like the
// message boxes: the program shows it as a Qt pop-up window; a test installs
// a PopupMenuDriver, which answers each tracked menu from its script without
// blocking.
#pragma once

#include <QFont>
#include <QImage>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/DC.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Image.h"
#include "platform/ui/WinDefs.h"

namespace ui {

class Wnd;

// Item flags: state, kind, and how an item is addressed.
constexpr UINT MF_STRING = 0x0, MF_ENABLED = 0x0, MF_UNCHECKED = 0x0, MF_BYCOMMAND = 0x0, MF_GRAYED = 0x1,
               MF_DISABLED = 0x2, MF_CHECKED = 0x8, MF_POPUP = 0x10, MF_END = 0x80, MF_OWNERDRAW = 0x100,
               MF_BYPOSITION = 0x400, MF_SEPARATOR = 0x800;
// States of an owner-drawn item being drawn.
constexpr UINT ODS_SELECTED = 0x1, ODS_GRAYED = 0x2, ODS_DISABLED = 0x4, ODS_CHECKED = 0x8;
// Tracking flags.
constexpr UINT TPM_LEFTALIGN = 0x0, TPM_RIGHTBUTTON = 0x2, TPM_NONOTIFY = 0x80, TPM_RETURNCMD = 0x100;
// Messages of menus, and the answers of WM_MENUCHAR (in the high word).
constexpr UINT WM_DRAWITEM = 0x002B, WM_MEASUREITEM = 0x002C, WM_MENUCHAR = 0x0120;
constexpr int MNC_IGNORE = 0, MNC_CLOSE = 1, MNC_EXECUTE = 2, MNC_SELECT = 3;
// The height of a menu bar line: the fixed system metric of this platform.
constexpr int kSystemMenuHeight = 20;

struct MenuData;
using HMENU = MenuData*;

HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the menu and every sub-menu it holds; FALSE for no menu.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
// The menu font of the system.
QFont MenuFont();

// An owner-drawn item's measuring request: the width and height to fill in.
struct MEASUREITEMSTRUCT {
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    DWORD_PTR itemData = 0;
};

// An owner-drawn item's drawing request.
struct DRAWITEMSTRUCT {
    UINT itemID = 0;
    UINT itemState = 0;  // ODS_*
    HMENU hMenu = nullptr;
    DC* dc = nullptr;
    Rect rcItem;
    DWORD_PTR itemData = 0;
};

class Menu {
public:
    Menu() = default;
    virtual ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // The object attached to a handle, or null.
    static Menu* FromHandlePermanent(HMENU menu);
    HMENU GetSafeHmenu() const { return m_hMenu; }

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();
    // Destroys the attached menu.
    virtual BOOL DestroyMenu();

    // A text item (or, with MF_POPUP, a sub-menu whose handle is `id`).
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const std::string& text = {});
    // An owner-drawn item (flags hold MF_OWNERDRAW): item data instead of a text.
    BOOL AppendMenu(UINT flags, UINT_PTR id, DWORD_PTR itemData);
    BOOL ModifyMenu(UINT item, UINT flags, UINT_PTR id, const std::string& text);
    BOOL ModifyMenu(UINT item, UINT flags, UINT_PTR id, DWORD_PTR itemData);

    // -1 without a menu.
    int GetMenuItemCount() const;
    // The command id at a position; 0 for a separator, -1 for a sub-menu or none.
    UINT GetMenuItemID(int position) const;
    // The item's flags; for a sub-menu its item count in the high byte; -1 when absent.
    UINT GetMenuState(UINT item, UINT flags) const;
    // The item's text; empty for owner-drawn items, separators and absent items.
    std::string GetMenuString(UINT item, UINT flags) const;
    HMENU GetSubMenu(int position) const;
    DWORD_PTR GetMenuItemData(UINT item, UINT flags) const;
    // The previous check or enable state, or -1 when the item is absent.
    UINT CheckMenuItem(UINT item, UINT check);
    UINT EnableMenuItem(UINT item, UINT enable);
    // The pictures shown for the item's unchecked and checked states.
    BOOL SetMenuItemBitmaps(UINT item, UINT flags, const Bitmap& unchecked, const Bitmap& checked);
    // The checked-state picture, or null.
    const Bitmap* GetMenuItemCheckedBitmap(UINT item, UINT flags) const;

    // Shows the menu at a screen point until an item is chosen or the menu
    // is dismissed. With TPM_RETURNCMD the chosen command (0: none) is
    // returned; otherwise it is sent to `owner` as WM_COMMAND and the result
    // is TRUE when an item was chosen.
    UINT TrackPopupMenu(UINT flags, int x, int y, Wnd* owner) const;

    // Owner-drawn items: the size of an item, and its picture.
    virtual void MeasureItem(MEASUREITEMSTRUCT& measure);
    virtual void DrawItem(DRAWITEMSTRUCT& draw);

    HMENU m_hMenu = nullptr;
};

// ---- menu resources ----

// A menu resource: its items in template order. A pop-up item (MF_POPUP,
// no id) is followed by its own items; MF_END marks the last item of a level.
struct MenuTemplateItem {
    UINT flags = 0;
    UINT id = 0;
    std::string text;
};
// Registered once per id, like the other resources; a second registration
// of an id is ignored.
void RegisterMenu(int id, std::vector<MenuTemplateItem> items);
// The resource, or null when the id is unknown.
const std::vector<MenuTemplateItem>* FindMenuResource(int id);

// ---- tracking service ----

struct PopupRequest {
    HMENU menu = nullptr;
    UINT flags = 0;
    Point at;
    Wnd* owner = nullptr;
};

class PopupMenuTracker {
public:
    virtual ~PopupMenuTracker() = default;
    // Shows the menu; the chosen command, 0 when dismissed.
    virtual UINT Track(const PopupRequest& request) = 0;
};

// Makes `tracker` answer from now on and returns the one it replaces; null
// puts back the Qt pop-up.
PopupMenuTracker* InstallPopupMenuTracker(PopupMenuTracker* tracker);
UINT TrackPopupMenu(HMENU menu, UINT flags, int x, int y, Wnd* owner);

// Whether the command is an item of the menu or its sub-menus that a person
// could choose (not grayed or disabled, in an enabled sub-menu).
bool IsChoosable(HMENU menu, UINT id);

// The pop-up as the program shows it, painted into an image: every item
// measured and drawn (owner-drawn ones by their menu object), `selected` the
// position under the pointer (-1: none).
QImage RenderPopupMenu(HMENU menu, int selected = -1);

// Answers tracked pop-up menus in tests: each tracked menu takes the next
// answer of the script. Choosing a command that is not in the menu, or is
// grayed, is reported and answered as a dismissal; a menu with no answer
// left, or answers left unused at the end, are reported too.
class PopupMenuDriver : public PopupMenuTracker {
public:
    using FailureHandler = std::function<void(const std::string&)>;
    // Without a handler failures are printed and end the process.
    explicit PopupMenuDriver(FailureHandler onFailure = {});
    ~PopupMenuDriver() override;
    PopupMenuDriver(const PopupMenuDriver&) = delete;
    PopupMenuDriver& operator=(const PopupMenuDriver&) = delete;

    // The next menu chooses this command.
    void Choose(UINT id);
    // The next menu is dismissed.
    void Dismiss();
    // The next menu is handed to the handler, which answers the command.
    void OnPopup(std::function<UINT(const PopupRequest&)> handler);

    const std::vector<PopupRequest>& Requests() const { return requests_; }
    UINT Track(const PopupRequest& request) override;

private:
    FailureHandler onFailure_;
    PopupMenuTracker* previous_;
    std::deque<std::function<UINT(const PopupRequest&)>> script_;
    std::vector<PopupRequest> requests_;
};

}  // namespace ui
