// The database failures of a run, kept for a person or a test to read: every
// failed open, statement, row write and commit of any connection adds one
// line (time, user, what was tried, the engine's own text) to "error.log" in
// the program folder. The user's message box says what failed; this file says
// why. At 1 MiB the file moves to "error.log.1" and a new one begins.
#pragma once

#include <string>

namespace ado {

// The name written with each failure (the user logged in); empty before login.
void SetErrorLogUser(const std::string& user);
// Full path of the log, in the program folder.
std::string ErrorLogPath();
// Adds one line: `operation` (e.g. the statement) and the engine's `reason`.
void LogDatabaseFailure(const std::string& operation, const std::string& reason);

}  // namespace ado
