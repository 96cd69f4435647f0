// What the user customised in the customisation sheet: the commands of the
// user menu and the menu options. Kept between sessions in "usermenu.txt"
// beside the settings record; the file is read as untrusted text.
#pragma once

#include <string>
#include <vector>

struct Customization {
    std::vector<int> userMenu;  // command ids in menu order
    bool menuShadows = true;
    bool textLabels = true;
    bool menuAnimations = true;
};

// One category of the commands page: a menu of the role, or the exchange
// commands of the menu bar's context menu.
struct CommandCategory {
    std::string name;
    struct Command {
        int id;
        std::string text;
    };
    std::vector<Command> commands;
};

constexpr const char* kUserMenuTitle = "我的菜单";

// The menu text of an exchange command (its caption without the product name).
std::string ExchangeCommandText(int id);
// The categories for a role: its menus in order, then 数据交换.
std::vector<CommandCategory> CommandCategoriesForRole(int role);
// The text of a command of the role's categories; empty when it has none.
std::string CommandText(const std::vector<CommandCategory>& categories, int id);

std::string CustomizationPath();
// Defaults when the file is missing; unreadable lines are skipped, and
// commands that the categories do not offer, or offer twice, are dropped.
Customization LoadCustomization(const std::vector<CommandCategory>& categories);
bool SaveCustomization(const Customization& customization);
