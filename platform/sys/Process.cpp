#include "platform/sys/Process.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "platform/sys/Sys.h"

namespace sys {

std::string HostName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return "";
    return name;
}

std::string LoginName() {
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name) return entry->pw_name;
    for (const char* variable : {"LOGNAME", "USER"})
        if (const char* value = std::getenv(variable); value && *value) return value;
    return std::to_string(geteuid());
}

bool ProcessRuns(long id) { return id > 0 && (kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM); }

LockedFile::LockedFile(LockedFile&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_)) { other.fd_ = -1; }

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept {
    if (this != &other) {
        Release(false);
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        other.fd_ = -1;
    }
    return *this;
}

LockedFile::Result LockedFile::Take(const std::string& path) {
    Release(false);
    const std::string file = NativePath(path);
    // A holder that ends removes the file while it still holds it: the lock
    // taken on a file no longer at the path is given up, and the path's new
    // file tried.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) return Result::Failed;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            close(fd);
            return error == EWOULDBLOCK ? Result::HeldElsewhere : Result::Failed;
        }
        struct stat held {}, named {};
        if (fstat(fd, &held) == 0 && stat(file.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            fd_ = fd;
            path_ = file;
            return Result::Taken;
        }
        close(fd);
    }
    return Result::Failed;
}

bool LockedFile::Write(std::string_view text) {
    if (fd_ < 0 || ftruncate(fd_, 0) != 0) return false;
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = pwrite(fd_, text.data() + written, text.size() - written, static_cast<off_t>(written));
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

void LockedFile::Release(bool remove) {
    if (fd_ < 0) return;
    if (remove) unlink(path_.c_str());
    close(fd_);
    fd_ = -1;
    path_.clear();
}

namespace {

constexpr const char* kScratchStem = "run";
constexpr const char* kLockSuffix = ".lock";

std::string TempFolder() { return JoinPath(ProgramFolder(), "temp"); }

// The scratch folders this process made, by program folder (tests change
// it), removed when the process ends.
class ScratchFolders {
public:
    ~ScratchFolders() {
        if (owner_ != getpid()) return;  // a child's copy: the folders are its parent's
        for (auto& [programFolder, scratch] : folders_) {
            RemoveAll(scratch.folder);
            scratch.lock.Release(true);
        }
    }

    std::string For(const std::string& programFolder) {
        if (owner_ != getpid()) {
            // A child process (fork) makes folders of its own; closing its
            // copies of the parent's locks leaves the parent holding them.
            for (auto& [folder, scratch] : folders_) scratch.lock.Release(false);
            folders_.clear();
            owner_ = getpid();
        }
        const std::string temp = JoinPath(programFolder, "temp");
        auto found = folders_.find(programFolder);
        // Without the folder temp, scratch files cannot be written, as
        // before there was a folder of each program's own.
        if (found != folders_.end() && (FolderExists(found->second.folder) || !FolderExists(temp)))
            return found->second.folder;
        if (found != folders_.end()) {
            found->second.lock.Release(true);
            folders_.erase(found);
        }
        MakeDirs(temp);
        Scratch scratch;
        scratch.folder = NewHiddenPath(temp, kScratchStem);
        // The lock first: a folder without its lock file is a leftover.
        if (scratch.lock.Take(scratch.folder + kLockSuffix) != LockedFile::Result::Taken || !MakeDir(scratch.folder))
            return temp;  // scratch files are then shared, as they were
        return folders_.emplace(programFolder, std::move(scratch)).first->second.folder;
    }

private:
    struct Scratch {
        std::string folder;
        LockedFile lock;
    };
    std::map<std::string, Scratch> folders_;
    pid_t owner_ = getpid();
};

ScratchFolders& Folders() {
    static ScratchFolders folders;
    return folders;
}

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Every name in the folder, files and folders alike.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    return names;
}

// The hidden files of WriteFileAtomic (".tmp<process id>-<number>") whose
// process has ended.
void RemoveUnfinishedWrites(const std::string& folder) {
    for (const std::string& name : ListFiles(folder, "")) {
        if (!StartsWith(name, ".tmp")) continue;
        const long id = std::strtol(name.c_str() + 4, nullptr, 10);
        if (id > 0 && !ProcessRuns(id)) RemoveFile(JoinPath(folder, name));
    }
}

std::function<void(const char*)>& StepHook() {
    static std::function<void(const char*)> hook;
    return hook;
}

}  // namespace

void StepReached(const char* step) {
    if (StepHook()) StepHook()(step);
}

void SetStepHook(std::function<void(const char* step)> hook) { StepHook() = std::move(hook); }

std::string ScratchFolder() { return Folders().For(ProgramFolder()); }

std::string ScratchPath(std::string_view name) { return JoinPath(ScratchFolder(), name); }

std::vector<std::string> LeftoverScratchFolders() {
    const std::string temp = TempFolder();
    const std::string stem = std::string(".") + kScratchStem;
    std::vector<std::string> leftovers;
    for (const std::string& name : Names(temp)) {
        if (!StartsWith(name, stem) || EndsWith(name, kLockSuffix)) continue;
        const std::string folder = JoinPath(temp, name);
        if (!FolderExists(folder)) continue;
        LockedFile lock;
        // No lock file: its process ended before it made one, or after it removed it.
        if (!FileExists(folder + kLockSuffix) || lock.Take(folder + kLockSuffix) == LockedFile::Result::Taken)
            leftovers.push_back(folder);
    }
    return leftovers;
}

void RemoveLeftoverScratch() {
    const std::string temp = TempFolder();
    for (const std::string& folder : LeftoverScratchFolders()) {
        RemoveAll(folder);
        LockedFile lock;
        if (lock.Take(folder + kLockSuffix) == LockedFile::Result::Taken) lock.Release(true);
    }
    // Lock files whose folder is gone.
    const std::string stem = std::string(".") + kScratchStem;
    for (const std::string& name : ListFiles(temp, "")) {
        if (!StartsWith(name, stem) || !EndsWith(name, kLockSuffix)) continue;
        const std::string path = JoinPath(temp, name);
        LockedFile lock;
        if (!FolderExists(path.substr(0, path.size() - 5)) && lock.Take(path) == LockedFile::Result::Taken)
            lock.Release(true);
    }
    RemoveUnfinishedWrites(temp);
    RemoveUnfinishedWrites(ProgramFolder());
}

}  // namespace sys
