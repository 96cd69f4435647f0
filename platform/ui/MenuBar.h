// The menu bar of a frame: drop-down menus of items with command ids. A
// chosen item sends its command to the frame (later, from the event loop);
// before a menu opens, each item asks the frame whether it is enabled.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Wnd.h"

class QAction;
class QMenu;

namespace ui {

class FrameWnd;

class MenuBar : public Wnd {
    DECLARE_DYNAMIC(MenuBar)
public:
    struct Item {
        int id = 0;  // 0: separator
        std::string text;
    };

    // Creates the bar at the top of the frame.
    BOOL Create(FrameWnd* frame);

    int AddMenu(const std::string& title);  // the menu's index
    // Takes a menu with its items off the bar; later menus move up one index.
    void RemoveMenu(int menu);
    // Drop shadows under the menus when they open (on by default).
    void SetMenuShadows(bool shadows);
    void AppendItem(int menu, int id, const std::string& text);
    void AppendSeparator(int menu);
    // An item of the bar's own context menu (right click on the bar).
    void AppendContextItem(int id, const std::string& text);

    int GetMenuCount() const { return int(menus_.size()); }
    std::string GetMenuTitle(int menu) const;
    std::vector<Item> GetItems(int menu) const;
    std::vector<Item> GetContextItems() const { return contextItems_; }

    // Asks the frame for the state of every item.
    void UpdateItems();
    // Whether the item (of a menu or the context menu) is enabled now, after
    // asking the frame; false when absent.
    bool IsItemEnabled(int id);
    // Chooses the item as the user would and handles its command at once;
    // false when it is absent or disabled.
    bool ChooseItem(int id);

private:
    QAction* NewAction(QWidget* owner, int id, const std::string& text);
    // The menus and the context menu.
    std::vector<QWidget*> ActionOwners() const;

    struct Menu {
        std::string title;
        QMenu* menu = nullptr;
        std::vector<Item> items;
    };
    FrameWnd* frame_ = nullptr;
    std::vector<Menu> menus_;
    QMenu* contextMenu_ = nullptr;
    bool shadows_ = true;
    std::vector<Item> contextItems_;
};

}  // namespace ui
