#include "platform/sys/Sys.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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
    return ReadInputFile(path, bytes, UINT64_MAX) == InputStatus::Ok;
}

std::string SizeInWords(std::uint64_t bytes) {
    if (bytes >= (std::uint64_t(1) << 20) && bytes % (std::uint64_t(1) << 20) == 0)
        return std::to_string(bytes >> 20) + "MB";
    if (bytes >= 1024 && bytes % 1024 == 0) return std::to_string(bytes >> 10) + "KB";
    return std::to_string(bytes) + "字节";
}

std::string InputRefusalReason(InputStatus status, std::uint64_t maxBytes) {
    switch (status) {
    case InputStatus::Ok: return {};
    case InputStatus::Missing: return "不存在";
    case InputStatus::NotRegular: return "不是普通文件（文件夹、管道或设备）";
    case InputStatus::TooLarge: return "大于" + SizeInWords(maxBytes);
    case InputStatus::CannotRead: return "无法读取";
    }
    return {};
}

std::string InputRefusal(const std::string& path, InputStatus status, std::uint64_t maxBytes) {
    if (status == InputStatus::Ok) return {};
    // "无法读取" ends its sentence; the others are read no further.
    return "文件" + FileName(path) + InputRefusalReason(status, maxBytes) +
           (status == InputStatus::CannotRead ? "！" : "，未读取！");
}

InputFile::~InputFile() {
    if (fd_ >= 0) ::close(fd_);
}

InputStatus InputFile::Open(const std::string& path, std::uint64_t maxBytes) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    size_ = 0;
    // O_NONBLOCK: opening a pipe named like a file returns at once instead of
    // waiting for a writer; it is then refused as no regular file.
    const int fd = ::open(ExistingOrNativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? InputStatus::Missing : InputStatus::CannotRead;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return InputStatus::CannotRead;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return InputStatus::NotRegular;
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        ::close(fd);
        return InputStatus::TooLarge;
    }
    fd_ = fd;
    size_ = static_cast<std::uint64_t>(info.st_size);
    return InputStatus::Ok;
}

bool InputFile::ReadAt(std::uint64_t offset, std::size_t count, char* out) const {
    if (fd_ < 0) return false;
    while (count > 0) {
        const ssize_t n = ::pread(fd_, out, count, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        out += n;
        offset += static_cast<std::uint64_t>(n);
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

long InputFile::Read(char* out, std::size_t count) {
    if (fd_ < 0) return -1;
    for (;;) {
        const ssize_t n = ::read(fd_, out, count);
        if (n < 0 && errno == EINTR) continue;
        return n < 0 ? -1 : static_cast<long>(n);
    }
}

InputStatus ReadInputFile(const std::string& path, std::string& bytes, std::uint64_t maxBytes) {
    InputFile file;
    if (const InputStatus status = file.Open(path, maxBytes); status != InputStatus::Ok) return status;
    if (file.Size() > std::string().max_size()) return InputStatus::TooLarge;
    std::string data(static_cast<std::size_t>(file.Size()), '\0');
    if (!data.empty() && !file.ReadAt(0, data.size(), data.data())) return InputStatus::CannotRead;
    // A file that grew since it was measured is read as measured; the bound
    // still holds.
    bytes = std::move(data);
    return InputStatus::Ok;
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
