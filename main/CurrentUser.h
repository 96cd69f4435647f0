// The user of this run, set once by a successful login: the name as typed
// (shown in the status bar, passed to the management library) and the role
// from the user row. Neither changes while the program runs.
#pragma once

#include <string>

extern std::string g_strUserName;
extern int UserRole;  // 0, 1 or 2 after a login; -1 before
