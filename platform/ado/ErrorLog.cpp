#include "platform/ado/ErrorLog.h"

#include <cstdio>
#include <ctime>
#include <mutex>
#include <sys/stat.h>

#include "platform/sys/Sys.h"

namespace ado {

namespace {

constexpr long kRotateAtBytes = 1L << 20;

std::mutex& LogMutex() {
    static std::mutex mutex;
    return mutex;
}

std::string& LogUser() {
    static std::string user;
    return user;
}

// One line per failure: newlines of a statement or a message become spaces.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

std::string Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

}  // namespace

void SetErrorLogUser(const std::string& user) {
    std::lock_guard<std::mutex> lock(LogMutex());
    LogUser() = user;
}

std::string ErrorLogPath() { return sys::JoinPath(sys::ProgramFolder(), "error.log"); }

void LogDatabaseFailure(const std::string& operation, const std::string& reason) {
    std::lock_guard<std::mutex> lock(LogMutex());
    const std::string path = ErrorLogPath();
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && info.st_size >= kRotateAtBytes)
        std::rename(path.c_str(), (path + ".1").c_str());
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (!file) return;  // a read-only program folder: the failure is still reported to the user
    const std::string line = Now() + "\t" + OneLine(LogUser()) + "\t" + OneLine(operation) + "\t" + OneLine(reason) + "\n";
    std::fputs(line.c_str(), file);
    std::fclose(file);
}

}  // namespace ado
