#include "platform/office/Office.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <mutex>

#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"

namespace office {

namespace {

std::mutex hookMutex;
StartHook startHook;
ShellOpenHook shellOpenHook;
HandOverFailureHook handOverFailureHook;

// Runs xdg-open in a grandchild that belongs to its own session, so the
// desktop program outlives us and never becomes our zombie.
void OpenDetached(const std::string& path) {
    pid_t child = fork();
    if (child < 0) return;
    if (child == 0) {
        setsid();
        if (fork() == 0) {
            execlp("xdg-open", "xdg-open", path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

bool EndsWithNoCase(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && text::EqualsNoCase(s.substr(s.size() - suffix.size()), suffix);
}

}  // namespace

void SetStartHook(StartHook hook) {
    std::lock_guard lock(hookMutex);
    startHook = std::move(hook);
}

bool CanStart(std::string_view progId) {
    StartHook hook;
    {
        std::lock_guard lock(hookMutex);
        hook = startHook;
    }
    return hook ? hook(progId) : true;
}

void SetShellOpenHook(ShellOpenHook hook) {
    std::lock_guard lock(hookMutex);
    shellOpenHook = std::move(hook);
}

void ShellOpen(const std::string& path) {
    ShellOpenHook hook;
    {
        std::lock_guard lock(hookMutex);
        hook = shellOpenHook;
    }
    if (hook) hook(path);
    else OpenDetached(path);
}

std::string OoxmlPath(std::string_view path) {
    std::string native = sys::NativePath(path);
    if (EndsWithNoCase(native, ".xls") || EndsWithNoCase(native, ".doc")) native += 'x';
    return native;
}

std::string ScratchPath(std::string_view title, std::string_view templateStem, std::string_view fallback,
                        std::string_view extension) {
    std::string folder = sys::JoinPath(sys::ProgramFolder(), "output");
    sys::MakeDirs(folder);
    std::string base(title);
    if (base.empty()) {
        base = text::ReplaceAll(templateStem, "模板", "");
        const bool saysNothing = std::all_of(base.begin(), base.end(), [](char c) { return (c & 0x80) == 0; });
        if (saysNothing) base = std::string(fallback);
    }
    base = sys::SafeFileName(base) + "-" + text::DateTime::Now().Format("%Y-%m-%d");
    const std::string dot = "." + std::string(extension);
    for (int n = 1;; ++n) {
        std::string path = sys::JoinPath(folder, n == 1 ? base + dot : base + "-" + std::to_string(n) + dot);
        if (!sys::FileExists(path) && !sys::FolderExists(path)) return path;
    }
}

void SetHandOverFailureHook(HandOverFailureHook hook) {
    std::lock_guard lock(hookMutex);
    handOverFailureHook = std::move(hook);
}

void HandOverFailed(const std::string& path, const std::string& reason) {
    HandOverFailureHook hook;
    {
        std::lock_guard lock(hookMutex);
        hook = handOverFailureHook;
    }
    if (hook) hook(path, reason);
}

}  // namespace office
