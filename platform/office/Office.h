// What the Excel and Word models share with the rest of the system: starting
// an automation server (a test can make it fail), handing a finished document
// to the desktop's default program, and the path rules for OOXML files.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace office {

// Decides whether the server of a program identifier ("Excel.Application",
// "word.Application") starts. The default always starts; tests install a hook
// that refuses to exercise the "启动失败" paths. An empty hook restores the
// default.
using StartHook = std::function<bool(std::string_view progId)>;
void SetStartHook(StartHook hook);
bool CanStart(std::string_view progId);

// Opens a file with the desktop's default program. The default runs
// `xdg-open` detached from this process; the UI services and tests replace
// it (tests record the path instead of opening). An empty hook restores the
// default.
using ShellOpenHook = std::function<void(const std::string& path)>;
void SetShellOpenHook(ShellOpenHook hook);
void ShellOpen(const std::string& path);

// The native form of a path the system names, with ".xls" stored as ".xlsx"
// and ".doc" as ".docx" (extensions compared without regard to case).
std::string OoxmlPath(std::string_view path);

// A new file name under the program folder's "output" folder for a document
// that is left open for the user, named by what it is: "<title>-<date>.<ext>"
// (date yyyy-mm-dd), then "<title>-<date>-2.<ext>", ... never an existing
// file. The title is the document's own (SetTitle), else its template's name
// without "模板" (a name in Latin letters only, "template", says nothing and
// gives `fallback`). The folder is created when missing.
std::string ScratchPath(std::string_view title, std::string_view templateStem, std::string_view fallback,
                        std::string_view extension);

// Tells the user that a document left open for them could not be written
// (its path and the reason). The default does nothing; the program installs
// its message, tests a recorder. An empty hook restores the default.
using HandOverFailureHook = std::function<void(const std::string& path, const std::string& reason)>;
void SetHandOverFailureHook(HandOverFailureHook hook);
void HandOverFailed(const std::string& path, const std::string& reason);

}  // namespace office
