// The single export of the system-management library: runs the dialog of a
// code modally and returns when it closes. The main program loads the
// library by name for each call; the user name travels by value.
//
// Codes: 1 units, 2 specialty groups, 3 experts, 4 scoring indexes,
// 5 password change, 6 specialty groups and laboratories, 7 laboratories.
// The result is always 1; a code outside 1 to 7 shows nothing.
#pragma once

#include <string>

constexpr const char* kManagementLibraryName = "Dunmere.dll";
constexpr const char* kShowDialogExport = "ShowDialog";

using ShowDialogFunction = int (*)(int code, std::string userName);

extern "C" int ShowDialog(int code, std::string userName);
