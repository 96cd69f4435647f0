// Every view the main frame shows, one row each, keyed by the command that
// opens it: the frame's caption for the command, the class the frame
// creates, where the module table places it (group and item of a module
// view, index of an exchange view) and the button each role's navigation bar
// gives it. The frame, the navigation bar, the module table and the
// customisation sheet all read this table, so a new view is one new row.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "platform/ui/RuntimeClass.h"

enum class ViewKind { Module, Exchange };

// A view's button on one role's navigation bar: its place among the buttons
// of its group (none: the role's bar does not carry it) and its image.
struct NavigationButton {
    static constexpr int kNone = -1;
    int place = kNone;
    int image = 0;
};

struct ViewRow {
    int command;
    ViewKind kind;
    const char* caption;                         // "Tessaly-项目管理-项目初审"
    const ui::RuntimeClass* (*viewClass)();      // the class the frame creates
    int group;                                   // module views: 0 指南管理, 1 项目申报, 2 项目管理
    int item;                                    // module views: item of the group; exchange views: index
    const char* navigationGroup;                 // the bar's group ("" for none)
    const char* buttonText;                      // the bar's button label
    std::array<NavigationButton, 3> byRole;      // indexed by role (0 guide management, 1 unit, 2 fund office)
    // The image of the view's button on the period pane's bar, which groups
    // the views by module group in item order (kNotOnLeftPane: no button).
    static constexpr int kNotOnLeftPane = -1;
    int leftPaneImage = kNotOnLeftPane;
};

// Every row, module views first, in command order within a kind.
std::span<const ViewRow> Views();
// The row of a command, or null.
const ViewRow* FindView(int command);
// A group of the navigation bar: its name and its own picture (an index of
// NavigationIcons).
struct NavigationGroup {
    const char* name;
    int image;
};
// The navigation bar's groups in the order a role's bar adds them.
std::span<const NavigationGroup> NavigationGroups();
// The icon resources of the navigation bar's image list, in index order.
std::span<const int> NavigationIcons();

// The module table: the row of a module command (null for 2014 and any other
// id), of an exchange command (its index is the row's item), and the row
// placed at a module group and item or at an exchange index.
const ViewRow* FindModuleCommand(int command);
const ViewRow* FindExchangeCommand(int command);
const ViewRow* FindModuleView(int group, int item);
const ViewRow* FindExchangeView(int index);
// The text of an exchange command in a menu: its caption without the
// product's name ("导入指南").
std::string ExchangeCommandText(int command);
// The exchange commands in the order of their index.
std::vector<int> ExchangeCommands();
