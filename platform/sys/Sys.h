// The program folder and file-system helpers. Paths may arrive in the
// system's own form with "\" separators ("<folder>\project.mdb"); every
// function here accepts them and works on the native form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sys {

// Folder of the running program, without a trailing separator. Tests point it
// elsewhere with SetProgramFolder; an empty text restores the real one.
std::string ProgramFolder();
void SetProgramFolder(const std::string& folder);

// "\" separators become "/"; repeated separators collapse.
std::string NativePath(std::string_view path);
// Joins with one separator between the parts, in native form.
std::string JoinPath(std::string_view folder, std::string_view name);
// Joins a name listed from a folder (ListFiles) as it stands: a "\" in it is
// part of the name on this system, not a separator.
std::string JoinListedName(std::string_view folder, std::string_view name);
// The path as it stands when a file or folder is there, otherwise its native
// form: a listed name keeps its "\", a path written the old system's way
// still finds its file.
std::string ExistingOrNativePath(std::string_view path);
// Final component of a path, and the folder before it.
std::string FileName(std::string_view path);
std::string ParentFolder(std::string_view path);

// A name taken from a file or a record made safe to use as one file name in
// a folder: path separators become "_" and ".." becomes "__", so the file
// never lands outside the folder it is written to; a name longer than the
// file system takes is shortened to its start, a mark of the whole name and
// its extension (the same long name always gives the same file name).
inline constexpr std::size_t kMaxFileNameBytes = 255;
std::string SafeFileName(std::string_view name);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// One level; true when the folder exists afterwards.
bool MakeDir(const std::string& path);
// Every missing level; true when the folder exists afterwards.
bool MakeDirs(const std::string& path);
// Removes a file or a folder with everything below it; true when nothing is left.
bool RemoveAll(const std::string& path);
bool RemoveFile(const std::string& path);
// Makes the file exist with length zero.
bool TruncateFile(const std::string& path);
// Whole file as bytes; false when it cannot be read. Only a regular file is
// read: a folder, a pipe or a device is refused without blocking.
bool ReadFile(const std::string& path, std::string& bytes);

// Files that come from outside the program (another office's bundles and
// saved recordsets, text files a user picks) are read through InputFile or
// ReadInputFile: only a regular file is opened (never blocking on a pipe, never
// reading a device), and its size is checked against a bound before a byte is
// read.
enum class InputStatus {
    Ok,
    Missing,     // nothing by that name
    NotRegular,  // a folder, a pipe, a device
    TooLarge,    // larger than the bound
    CannotRead,  // no permission, or a read failed
};

// The bound on one such file and on each part of a container: the largest an
// office sends (a bundle with its documents, a year of saved records) is a
// few tens of megabytes, so this leaves ample room and still refuses a runaway
// file before it fills memory.
inline constexpr std::uint64_t kMaxInputFileBytes = std::uint64_t(256) << 20;

// A sentence naming the file (its name, not its folder) and why it was not
// read; the bound is named for a file that is too large. Empty for Ok.
std::string InputRefusal(const std::string& path, InputStatus status, std::uint64_t maxBytes = kMaxInputFileBytes);
// The reason alone, to stand in a sentence of the caller's: "不是普通文件（文件夹、
// 管道或设备）", "大于256MB" ... Empty for Ok.
std::string InputRefusalReason(InputStatus status, std::uint64_t maxBytes = kMaxInputFileBytes);
// The bound in words: "256MB".
std::string SizeInWords(std::uint64_t bytes);

// An open regular file read in pieces; closed with the object.
class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    InputStatus Open(const std::string& path, std::uint64_t maxBytes = kMaxInputFileBytes);
    std::uint64_t Size() const { return size_; }
    // Exactly `count` bytes at `offset`; false when the file holds fewer.
    bool ReadAt(std::uint64_t offset, std::size_t count, char* out) const;
    // Up to `count` bytes from where the last Read ended; 0 at the end, -1 on failure.
    long Read(char* out, std::size_t count);

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// The whole of a file from outside, bounded as above; `bytes` is changed only on Ok.
InputStatus ReadInputFile(const std::string& path, std::string& bytes, std::uint64_t maxBytes = kMaxInputFileBytes);
// A short hidden path of a file not yet there in `folder` ("" for the current
// one): "." + `stem` + process id and a random number + `suffix`. Short, so a
// target whose name is as long as the file system takes still has room.
std::string NewHiddenPath(const std::string& folder, const std::string& stem, const std::string& suffix = "");
// Writes through a temporary file in the same folder renamed over the target,
// so a failed write never leaves the old file half-replaced.
bool WriteFileAtomic(const std::string& path, std::string_view bytes);
bool CopyFile(const std::string& from, const std::string& to);
// Renames a file over another of the same file system (replacing it).
bool RenameFile(const std::string& from, const std::string& to);
// Why the last MakeDir, MakeDirs, WriteFileAtomic, CopyFile or RenameFile of
// this thread that failed did so, in words a user reads ("没有写入权限").
std::string LastFailureReason();
// Names (not paths) of the files in the folder whose extension matches, without
// regard to case ("uif" or ".uif"), sorted by name; empty extension: all files.
std::vector<std::string> ListFiles(const std::string& folder, std::string_view extension);
// The names with the extension that ListFiles leaves out: folders, pipes,
// devices and links to nothing, sorted by name.
std::vector<std::string> ListNonFiles(const std::string& folder, std::string_view extension);

}  // namespace sys
