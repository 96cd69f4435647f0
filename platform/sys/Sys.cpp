#include "platform/sys/Sys.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/text/Text.h"

namespace fs = std::filesystem;

namespace sys {
namespace {

std::string& ProgramFolderOverride() {
    static std::string folder;
    return folder;
}

// The error of the last failed write or folder creation of this thread.
thread_local int lastFailure = 0;

// Keeps the error of a failed step and hands back false, so a failure reads
// `return Failed(errno);`.
bool Failed(int error) {
    lastFailure = error != 0 ? error : EIO;
    return false;
}

std::string ExecutableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

}  // namespace

std::string ProgramFolder() {
    const std::string& forced = ProgramFolderOverride();
    if (!forced.empty()) return forced;
    static const std::string real = ExecutableFolder();
    return real;
}

void SetProgramFolder(const std::string& folder) {
    std::string native = NativePath(folder);
    while (native.size() > 1 && native.back() == '/') native.pop_back();
    ProgramFolderOverride() = native;
}

std::string NativePath(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        char d = c == '\\' ? '/' : c;
        if (d == '/' && !out.empty() && out.back() == '/') continue;
        out.push_back(d);
    }
    return out;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    if (folder.empty()) return NativePath(name);
    return NativePath(std::string(folder) + "/" + std::string(name));
}

std::string JoinListedName(std::string_view folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    std::string out = NativePath(folder);
    if (out.back() != '/') out += '/';
    return out.append(name);
}

std::string ExistingOrNativePath(std::string_view path) {
    std::error_code ec;
    std::string literal(path);
    if (fs::symlink_status(literal, ec).type() != fs::file_type::not_found && !ec) return literal;
    return NativePath(path);
}

std::string FileName(std::string_view path) {
    std::string native = NativePath(path);
    std::size_t slash = native.find_last_of('/');
    return slash == std::string::npos ? native : native.substr(slash + 1);
}

std::string ParentFolder(std::string_view path) {
    std::string native = NativePath(path);
    std::size_t slash = native.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : native.substr(0, slash);
}

std::string SafeFileName(std::string_view name) {
    std::string safe(name);
    for (char& c : safe)
        if (c == '/' || c == '\\') c = '_';
    safe = text::ReplaceAll(safe, "..", "__");
    if (safe.size() <= kMaxFileNameBytes) return safe;
    // Too long for the file system (a name of 200 Chinese characters is 600
    // bytes here): the start of the name, a mark of the whole name so that
    // two long names sharing a start stay apart, and the extension.
    const std::size_t dot = safe.rfind('.');
    const std::string extension = dot != std::string::npos && safe.size() - dot <= 16 ? safe.substr(dot) : "";
    std::uint32_t hash = 2166136261u;  // FNV-1a of the whole name
    for (char c : safe) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    const std::string mark = text::Format("~%08x", hash);
    std::size_t keep = kMaxFileNameBytes - mark.size() - extension.size();
    while (keep > 0 && (static_cast<unsigned char>(safe[keep]) & 0xC0) == 0x80) --keep;  // whole characters only
    return safe.substr(0, keep) + mark + extension;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(NativePath(path), ec);
}

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(NativePath(path), ec);
}

bool MakeDir(const std::string& path) {
    std::error_code ec;
    fs::create_directory(NativePath(path), ec);
    if (FolderExists(path)) return true;
    return Failed(ec ? ec.value() : EEXIST);
}

bool MakeDirs(const std::string& path) {
    std::error_code ec;
    fs::create_directories(NativePath(path), ec);
    if (FolderExists(path)) return true;
    return Failed(ec ? ec.value() : EEXIST);
}

bool RemoveAll(const std::string& path) {
    std::error_code ec;
    const std::string target = ExistingOrNativePath(path);
    fs::remove_all(target, ec);
    return !fs::exists(fs::symlink_status(target, ec));
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    fs::remove(NativePath(path), ec);
    return !FileExists(path);
}

bool TruncateFile(const std::string& path) {
    std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out);
}

bool ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream in(ExistingOrNativePath(path), std::ios::binary | std::ios::ate);
    if (!in) return false;
    std::streamoff size = in.tellg();
    if (size < 0) return false;
    std::string data(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(data.data(), size)) return false;
    bytes = std::move(data);
    return true;
}

std::string NewHiddenPath(const std::string& folder, const std::string& stem, const std::string& suffix) {
    std::random_device random;
    std::string path;
    do {
        path = (folder.empty() ? std::string() : folder + "/") + "." + stem + std::to_string(getpid()) + "-" +
               std::to_string(random()) + suffix;
    } while (FileExists(path));
    return path;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes) {
    std::string target = NativePath(path);
    std::string folder = ParentFolder(target);
    if (!folder.empty() && !FolderExists(folder)) return Failed(FileExists(folder) ? ENOTDIR : ENOENT);
    const std::string temp = NewHiddenPath(folder, "tmp");
    {
        errno = 0;
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return Failed(errno);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const int error = errno;
            out.close();
            std::remove(temp.c_str());
            return Failed(error);
        }
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        std::remove(temp.c_str());
        return Failed(error);
    }
    return true;
}

bool RenameFile(const std::string& from, const std::string& to) {
    if (std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0) return true;
    return Failed(errno);
}

bool CopyFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::copy_file(NativePath(from), NativePath(to), fs::copy_options::overwrite_existing, ec);
    return !ec || Failed(ec.value());
}

std::string LastFailureReason() {
    switch (lastFailure) {
    case EACCES:
    case EPERM: return "没有写入权限";
    case ENOSPC:
    case EDQUOT: return "磁盘空间不足";
    case EROFS: return "所在磁盘只能读取";
    case ENOENT: return "所在文件夹不存在";
    case ENOTDIR:
    case EEXIST: return "路径中已有同名的文件，不能作为文件夹";
    case EISDIR: return "已有同名的文件夹";
    case ENAMETOOLONG: return "文件名或路径过长";
    case EBUSY:
    case ETXTBSY: return "文件正被其他程序使用";
    case EIO: return "读写磁盘出错";
    default: return "系统错误（代码" + std::to_string(lastFailure) + "）";
    }
}

namespace {

std::vector<std::string> ListByKind(const std::string& folder, std::string_view extension, bool regularFiles) {
    std::vector<std::string> names;
    std::string wanted = text::ToLowerAscii(extension);
    if (!wanted.empty() && wanted[0] != '.') wanted.insert(wanted.begin(), '.');
    std::error_code ec;
    for (fs::directory_iterator it(NativePath(folder), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (it->is_regular_file(kind) != regularFiles) continue;
        std::string name = it->path().filename().string();
        if (!wanted.empty() && text::ToLowerAscii(it->path().extension().string()) != wanted) continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::vector<std::string> ListFiles(const std::string& folder, std::string_view extension) {
    return ListByKind(folder, extension, true);
}

std::vector<std::string> ListNonFiles(const std::string& folder, std::string_view extension) {
    return ListByKind(folder, extension, false);
}

}  // namespace sys
