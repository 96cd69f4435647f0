#include "foundation/LengthPrefixedContainer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/sys/Sys.h"

std::string LengthPrefixedContainer::Pack(std::optional<char> marker, const std::vector<std::string>& parts) {
    std::string bytes;
    if (marker) bytes.push_back(*marker);
    for (const std::string& part : parts) {
        const auto n = static_cast<std::uint32_t>(part.size());
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>((n >> shift) & 0xFF));
        bytes += part;
    }
    return bytes;
}

namespace {

using ReadResult = LengthPrefixedContainer::ReadResult;

struct Span {
    std::uint64_t offset;
    std::uint32_t length;
};

// Where each part lies in a container of `size` bytes whose bytes are read
// through `readAt(offset, count, out)` (false when they cannot be read).
template <typename ReadAt>
ReadResult Layout(std::uint64_t size, std::optional<char> marker, std::size_t partCount, ReadAt readAt,
                  std::vector<Span>& spans) {
    std::uint64_t at = 0;
    if (marker) {
        // An empty file is no bundle of another kind but one cut short.
        if (size == 0) return ReadResult::Truncated;
        char first = 0;
        if (!readAt(0, 1, &first)) return ReadResult::CannotOpen;
        if (first != *marker) return ReadResult::OtherMarker;
        at = 1;
    }
    for (std::size_t i = 0; i < partCount; ++i) {
        if (size - at < 4) return ReadResult::Truncated;
        unsigned char length[4];
        if (!readAt(at, 4, reinterpret_cast<char*>(length))) return ReadResult::CannotOpen;
        std::uint32_t n = 0;
        for (int k = 0; k < 4; ++k) n |= std::uint32_t(length[k]) << (8 * k);
        at += 4;
        if (size - at < n) return ReadResult::Truncated;
        spans.push_back({at, n});
        at += n;
    }
    if (size - at > LengthPrefixedContainer::kTrailingAllowance) return ReadResult::Oversized;
    return ReadResult::Ok;
}

struct FileCloser {
    int fd;
    ~FileCloser() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

LengthPrefixedContainer::ReadResult LengthPrefixedContainer::Unpack(std::string_view bytes, std::optional<char> marker,
                                                                    std::size_t partCount,
                                                                    std::vector<std::string>& parts) {
    auto readAt = [&](std::uint64_t offset, std::size_t count, char* out) {
        bytes.copy(out, count, offset);
        return true;
    };
    std::vector<Span> spans;
    if (ReadResult r = Layout(bytes.size(), marker, partCount, readAt, spans); r != ReadResult::Ok) return r;
    std::vector<std::string> read;
    for (const Span& span : spans) read.emplace_back(bytes.substr(span.offset, span.length));
    parts = std::move(read);
    return ReadResult::Ok;
}

bool LengthPrefixedContainer::Write(const std::string& path, std::optional<char> marker,
                                    const std::vector<std::string>& parts) {
    return sys::WriteFileAtomic(path, Pack(marker, parts));
}

LengthPrefixedContainer::ReadResult LengthPrefixedContainer::Read(const std::string& path, std::optional<char> marker,
                                                                  std::size_t partCount,
                                                                  std::vector<std::string>& parts) {
    // Not blocking on a pipe named like a bundle; only a regular file is read.
    FileCloser file{::open(sys::ExistingOrNativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return ReadResult::CannotOpen;
    auto readAt = [&](std::uint64_t offset, std::size_t count, char* out) {
        while (count > 0) {
            const ssize_t n = ::pread(file.fd, out, count, static_cast<off_t>(offset));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            out += n;
            offset += static_cast<std::uint64_t>(n);
            count -= static_cast<std::size_t>(n);
        }
        return true;
    };
    const auto size = static_cast<std::uint64_t>(info.st_size);
    std::vector<Span> spans;
    if (ReadResult r = Layout(size, marker, partCount, readAt, spans); r != ReadResult::Ok) return r;
    std::vector<std::string> read;
    for (const Span& span : spans) {
        std::string part(span.length, '\0');
        if (!readAt(span.offset, span.length, part.data())) return ReadResult::Truncated;
        read.push_back(std::move(part));
    }
    parts = std::move(read);
    return ReadResult::Ok;
}
