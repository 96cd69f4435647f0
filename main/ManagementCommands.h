// The system-management commands: each opens one dialog of the management
// library, which is loaded by name for the single call of its export
// ShowDialog and freed afterwards, so no state survives between commands.
#pragma once

#include <string>

#include "sysmanage/ShowDialog.h"

struct ManagementCommandSpec {
    int command;
    int index;       // recorded by the frame as the last management command
    int dialogCode;  // passed to ShowDialog
    const char* caption;
};

// The row of a management command, or null.
const ManagementCommandSpec* FindManagementCommand(int command);

enum class ManagementCall {
    Called,        // ShowDialog ran
    NotLoaded,     // the library could not be loaded
    MissingExport  // the library has no ShowDialog
};

// Loads the management library, calls ShowDialog with the code and a copy of
// the user name, and frees the library.
ManagementCall CallManagementDialog(int dialogCode, const std::string& userName);
