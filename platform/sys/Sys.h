// The program folder and file-system helpers. Paths may arrive in the
// system's own form with "\" separators ("<folder>\project.mdb"); every
// function here accepts them and works on the native form.
#pragma once

#include <cstddef>
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
// Whole file as bytes; false when it cannot be read.
bool ReadFile(const std::string& path, std::string& bytes);
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
