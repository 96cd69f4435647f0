#include "foundation/LengthPrefixedContainer.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

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
        if (n > LengthPrefixedContainer::kMaxPartBytes) return ReadResult::PartTooLarge;
        spans.push_back({at, n});
        at += n;
    }
    if (size - at > LengthPrefixedContainer::kTrailingAllowance) return ReadResult::Oversized;
    return ReadResult::Ok;
}

// Opens the file and lays out its parts; `file` stays open for reading them.
ReadResult OpenLayout(const std::string& path, std::optional<char> marker, std::size_t partCount, sys::InputFile& file,
                      std::vector<Span>& spans) {
    // A container is as large as its parts and the slack after them; the
    // file's own size is checked against that as its lengths are read.
    if (file.Open(path, UINT64_MAX) != sys::InputStatus::Ok) return ReadResult::CannotOpen;
    auto readAt = [&](std::uint64_t offset, std::size_t count, char* out) { return file.ReadAt(offset, count, out); };
    return Layout(file.Size(), marker, partCount, readAt, spans);
}

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
    sys::InputFile file;
    std::vector<Span> spans;
    if (ReadResult r = OpenLayout(path, marker, partCount, file, spans); r != ReadResult::Ok) return r;
    std::vector<std::string> read;
    for (const Span& span : spans) {
        std::string part(span.length, '\0');
        if (!file.ReadAt(span.offset, span.length, part.data())) return ReadResult::Truncated;
        read.push_back(std::move(part));
    }
    parts = std::move(read);
    return ReadResult::Ok;
}

LengthPrefixedContainer::ReadResult LengthPrefixedContainer::Extract(const std::string& path,
                                                                     std::optional<char> marker,
                                                                     const std::vector<std::string>& files) {
    sys::InputFile file;
    std::vector<Span> spans;
    if (ReadResult r = OpenLayout(path, marker, files.size(), file, spans); r != ReadResult::Ok) return r;
    std::string piece(std::size_t(1) << 20, '\0');
    for (std::size_t i = 0; i < spans.size(); ++i) {
        std::ofstream out(sys::NativePath(files[i]), std::ios::binary | std::ios::trunc);
        if (!out) return ReadResult::CannotOpen;
        for (std::uint64_t done = 0; done < spans[i].length;) {
            const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), spans[i].length - done));
            if (!file.ReadAt(spans[i].offset + done, count, piece.data())) return ReadResult::Truncated;
            out.write(piece.data(), static_cast<std::streamsize>(count));
            done += count;
        }
        if (!out.flush()) return ReadResult::CannotOpen;
    }
    return ReadResult::Ok;
}

std::string LengthPrefixedContainer::Reason(ReadResult result) {
    switch (result) {
    case ReadResult::Ok:
    case ReadResult::OtherMarker: return {};
    case ReadResult::CannotOpen: return "无法读取（不存在，或不是普通文件）";
    case ReadResult::Truncated: return "不完整";
    case ReadResult::Oversized: return "在数据之后还有多余的内容";
    case ReadResult::PartTooLarge: return "中有一部分大于" + sys::SizeInWords(kMaxPartBytes);
    }
    return {};
}

std::string LengthPrefixedContainer::Refusal(const std::string& path, ReadResult result) {
    const std::string reason = Reason(result);
    return reason.empty() ? reason : "文件" + sys::FileName(path) + reason + "，未导入！";
}
