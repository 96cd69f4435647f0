// The menus of the main window by role: titles and items with their
// command ids; an item with id 0 is a separator.
#pragma once

#include <string>
#include <vector>

struct MenuItemSpec {
    std::string text;
    int command = 0;  // 0: separator
};

struct MenuSpec {
    std::string title;
    std::vector<MenuItemSpec> items;
};

// The menu bar of a role (empty for a role outside 0-2).
const std::vector<MenuSpec>& MenusForRole(int role);
