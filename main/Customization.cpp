#include "main/Customization.h"

#include <algorithm>
#include <sstream>

#include "main/MenuLayout.h"
#include "main/ModuleTable.h"
#include "main/Commands.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

std::string ExchangeCommandText(int id) {
    const ExchangeCommandSpec* command = FindExchangeCommand(id);
    return command ? std::string(command->caption).substr(sizeof("Tessaly-") - 1) : std::string();
}

std::vector<CommandCategory> CommandCategoriesForRole(int role) {
    std::vector<CommandCategory> categories;
    for (const MenuSpec& menu : MenusForRole(role)) {
        CommandCategory category{menu.title, {}};
        for (const MenuItemSpec& item : menu.items)
            if (item.command) category.commands.push_back({item.command, item.text});
        categories.push_back(std::move(category));
    }
    CommandCategory exchange{"数据交换", {}};
    for (int id : {cmd::kGuideImport, cmd::kGuideExport, cmd::kProjectImport, cmd::kProjectExport})
        exchange.commands.push_back({id, ExchangeCommandText(id)});
    categories.push_back(std::move(exchange));
    return categories;
}

std::string CommandText(const std::vector<CommandCategory>& categories, int id) {
    for (const CommandCategory& category : categories)
        for (const CommandCategory::Command& command : category.commands)
            if (command.id == id) return command.text;
    return {};
}

std::string CustomizationPath() { return sys::JoinPath(sys::ProgramFolder(), "usermenu.txt"); }

Customization LoadCustomization(const std::vector<CommandCategory>& categories) {
    Customization result;
    std::string bytes;
    if (!sys::ReadFile(CustomizationPath(), bytes)) return result;
    std::istringstream lines(bytes);
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "command") {
            const int id = int(text::Atol(value));
            if (!CommandText(categories, id).empty() &&
                std::find(result.userMenu.begin(), result.userMenu.end(), id) == result.userMenu.end())
                result.userMenu.push_back(id);
        } else if (key == "shadows") {
            result.menuShadows = value != "0";
        } else if (key == "labels") {
            result.textLabels = value != "0";
        } else if (key == "animations") {
            result.menuAnimations = value != "0";
        }
    }
    return result;
}

bool SaveCustomization(const Customization& customization) {
    std::string bytes = "shadows=" + std::to_string(int(customization.menuShadows)) +
                        "\nlabels=" + std::to_string(int(customization.textLabels)) +
                        "\nanimations=" + std::to_string(int(customization.menuAnimations)) + "\n";
    for (int id : customization.userMenu) bytes += "command=" + std::to_string(id) + "\n";
    return sys::WriteFileAtomic(CustomizationPath(), bytes);
}
