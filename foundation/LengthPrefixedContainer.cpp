#include "foundation/LengthPrefixedContainer.h"

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

LengthPrefixedContainer::ReadResult LengthPrefixedContainer::Unpack(std::string_view bytes, std::optional<char> marker,
                                                                    std::size_t partCount,
                                                                    std::vector<std::string>& parts) {
    std::size_t at = 0;
    if (marker) {
        // An empty file is no bundle of another kind but one cut short.
        if (bytes.empty()) return ReadResult::Truncated;
        if (bytes[0] != *marker) return ReadResult::OtherMarker;
        at = 1;
    }
    std::vector<std::string> read;
    for (std::size_t i = 0; i < partCount; ++i) {
        if (bytes.size() - at < 4) return ReadResult::Truncated;
        std::uint32_t n = 0;
        for (int k = 0; k < 4; ++k) n |= std::uint32_t(static_cast<unsigned char>(bytes[at + k])) << (8 * k);
        at += 4;
        if (bytes.size() - at < n) return ReadResult::Truncated;
        read.emplace_back(bytes.substr(at, n));
        at += n;
    }
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
    std::string bytes;
    if (!sys::ReadFile(path, bytes)) return ReadResult::CannotOpen;
    return Unpack(bytes, marker, partCount, parts);
}
