// The navigation commands that open module views: each command's group and
// item (which pick the view class) and the caption text the frame builds for
// it; and the four exchange-view commands with their index.
#pragma once

#include <string>

struct ModuleCommandSpec {
    int command;
    int group;  // 0 指南管理, 1 项目申报, 2 项目管理
    int item;
    const char* caption;
};

struct ExchangeCommandSpec {
    int command;
    int index;
    const char* caption;
};

// The row of a module command, or null (2014 and any other id).
const ModuleCommandSpec* FindModuleCommand(int command);
// The row of an exchange command, or null.
const ExchangeCommandSpec* FindExchangeCommand(int command);
// The text of an exchange command in a menu: its caption without the
// product's name ("导入指南").
std::string ExchangeCommandText(int command);
