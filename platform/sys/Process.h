// What belongs to the running process: the host and login it runs under, a
// lock of the operating system on a file (gone when the process ends, however
// it ends), and the folder of its scratch files.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sys {

// The name of this computer and the login of the user running the program.
std::string HostName();
std::string LoginName();
// True when a process of this id runs on this computer.
bool ProcessRuns(long id);

// A file held under an exclusive lock of the operating system (flock) while
// the object holds it. The lock is not inherited by programs this one starts.
class LockedFile {
public:
    enum class Result { Taken, HeldElsewhere, Failed };

    LockedFile() = default;
    ~LockedFile() { Release(false); }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&& other) noexcept;

    // Opens the file at `path` (made when missing) and takes its lock without
    // waiting: Taken, HeldElsewhere when another holder has it (another
    // process, or another object of this one), Failed when the file cannot be
    // opened.
    Result Take(const std::string& path);
    bool IsHeld() const { return fd_ >= 0; }
    // Replaces the content of the held file.
    bool Write(std::string_view text);
    // Gives the lock up; with `remove`, the file is removed first, while it is
    // still held.
    void Release(bool remove);

private:
    int fd_ = -1;
    std::string path_;
};

// The scratch folder of this process under the program folder's "temp"
// (made on first use): files written only to be read back by this process
// (a chapter's text being edited, the parts of a file being imported) live
// there, so two programs on one program folder never read each other's. It
// is removed when the process ends.
std::string ScratchFolder();
// `name` in the scratch folder of this process.
std::string ScratchPath(std::string_view name);
// The scratch folders under the program folder's "temp" of processes that
// have ended (killed, or ended without removing theirs).
std::vector<std::string> LeftoverScratchFolders();
// Removes those folders, and the hidden files of unfinished writes that ended
// processes left in "temp" and in the program folder.
void RemoveLeftoverScratch();

// The steps of a write that spans files and the database (StagedFile:
// "staged", "committed", "placed") report here; the tests of a kill at each
// step set a hook that ends the process there. Without a hook nothing happens.
void StepReached(const char* step);
void SetStepHook(std::function<void(const char* step)> hook);

}  // namespace sys
