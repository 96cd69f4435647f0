#include "main/Customization.h"

#include <algorithm>

#include "main/Commands.h"
#include "main/ViewTable.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace {

constexpr const char* kFileName = "customize.ini";
constexpr const char* kExchangeCategory = "数据交换";

std::string FilePath() { return sys::JoinPath(sys::ProgramFolder(), kFileName); }

bool IsKnownCommand(int command) {
    for (int role = 0; role <= 2; ++role)
        if (!CommandText(role, command).empty()) return true;
    return false;
}

}  // namespace

std::vector<MenuSpec> CustomizableCommands(int role) {
    std::vector<MenuSpec> categories;
    for (const MenuSpec& menu : MenusForRole(role)) {
        MenuSpec category{menu.title, {}};
        for (const MenuItemSpec& item : menu.items)
            if (item.command) category.items.push_back(item);
        categories.push_back(std::move(category));
    }
    if (categories.empty()) return categories;  // a role without menus
    MenuSpec exchange{kExchangeCategory, {}};
    for (int command : ExchangeCommands()) exchange.items.push_back({ExchangeCommandText(command), command});
    categories.push_back(std::move(exchange));
    return categories;
}

std::string CommandText(int role, int command) {
    for (const MenuSpec& category : CustomizableCommands(role))
        for (const MenuItemSpec& item : category.items)
            if (item.command == command) return item.text;
    return {};
}

std::vector<int> UserMenuForRole(const CustomizeSettings& settings, int role) {
    std::vector<int> commands;
    for (int command : settings.userMenu)
        if (!CommandText(role, command).empty()) commands.push_back(command);
    return commands;
}

std::string FormatCustomizeSettings(const CustomizeSettings& settings) {
    std::string text = "[menu]\n";
    for (int command : settings.userMenu) text += text::Format("%d\n", command);
    text += "[options]\n";
    text += text::Format("shadows=%d\nlabels=%d\nanimations=%d\n", int(settings.menuShadows),
                         int(settings.textLabels), int(settings.menuAnimations));
    return text;
}

CustomizeSettings ParseCustomizeSettings(const std::string& text) {
    CustomizeSettings settings;
    std::string section;
    for (const std::string& raw : text::Split(text, "\n")) {
        const std::string line = text::Trim(raw);
        if (line.empty()) continue;
        if (line.front() == '[') {
            section = line;
            continue;
        }
        if (section == "[menu]") {
            const bool digits = line.size() <= 6 && std::all_of(line.begin(), line.end(), ::isdigit);
            const int command = digits ? int(text::Atol(line)) : 0;
            if (command && IsKnownCommand(command) &&
                std::find(settings.userMenu.begin(), settings.userMenu.end(), command) == settings.userMenu.end())
                settings.userMenu.push_back(command);
        } else if (section == "[options]") {
            const std::size_t equals = line.find('=');
            if (equals == std::string::npos) continue;
            const std::string key = line.substr(0, equals);
            const bool on = line.substr(equals + 1) != "0";
            if (key == "shadows") settings.menuShadows = on;
            else if (key == "labels") settings.textLabels = on;
            else if (key == "animations") settings.menuAnimations = on;
        }
    }
    return settings;
}

CustomizeSettings LoadCustomizeSettings() {
    std::string text;
    if (!sys::ReadFile(FilePath(), text)) return {};
    return ParseCustomizeSettings(text);
}

bool SaveCustomizeSettings(const CustomizeSettings& settings) {
    return sys::WriteFileAtomic(FilePath(), FormatCustomizeSettings(settings));
}
