// What a user has customised in the main window: the commands put on the user
// menu and the look of the menus and the navigation bar. Kept in
// "customize.ini" beside the settings record in the program folder.
#pragma once

#include <string>
#include <vector>

#include "main/MenuLayout.h"

struct CustomizeSettings {
    std::vector<int> userMenu;  // command ids, in the order they were added
    bool menuShadows = true;
    bool textLabels = true;
    bool menuAnimations = true;
};

// The title of the user menu on the menu bar (shown while it has commands).
constexpr const char* kUserMenuTitle = "自定义菜单";

// The settings from the program folder; the defaults when there is no file.
// Lines that cannot be read, and unknown or repeated commands, are skipped.
CustomizeSettings LoadCustomizeSettings();
// Writes the settings (the old file stays whole when the write fails).
bool SaveCustomizeSettings(const CustomizeSettings& settings);
// The file's text, and the settings read from such a text.
std::string FormatCustomizeSettings(const CustomizeSettings& settings);
CustomizeSettings ParseCustomizeSettings(const std::string& text);

// The commands a user of the role can put on the user menu, by category: the
// role's menus in order (separators left out), then 数据交换 with the four
// exchange commands of the menu bar's context menu.
std::vector<MenuSpec> CustomizableCommands(int role);
// The menu text of a command of the role; empty when the role has none.
std::string CommandText(int role, int command);
// The user menu without the commands the role does not have.
std::vector<int> UserMenuForRole(const CustomizeSettings& settings, int role);
