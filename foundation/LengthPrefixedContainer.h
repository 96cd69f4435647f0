// The container of the exchange bundles: an optional marker byte, then each
// part as a 32-bit little-endian length and that many bytes. The reader knows
// how many parts to expect; lengths are checked against what the file holds
// and each against the bound on a part, and a file is read part by part, never
// more than its lengths announce.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class LengthPrefixedContainer {
public:
    enum class ReadResult {
        Ok,
        CannotOpen,   // the file cannot be read, or is no regular file (a folder, a pipe, a device)
        OtherMarker,  // another kind of bundle
        Truncated,    // an empty file, or a length announces more bytes than the file holds
        Oversized,    // far more bytes after the last part than a writer leaves there
        PartTooLarge, // a part larger than kMaxPartBytes
    };

    // The bound on one part (a saved recordset with its documents).
    static constexpr std::uint64_t kMaxPartBytes = std::uint64_t(256) << 20;

    // Bytes after the last part that are still taken as slack of the writer.
    static constexpr std::uint64_t kTrailingAllowance = 1024 * 1024;

    // The bytes of a container.
    static std::string Pack(std::optional<char> marker, const std::vector<std::string>& parts);
    // Reads `partCount` parts after the marker (when one is expected); up to
    // kTrailingAllowance bytes after the last part are ignored. `parts` is
    // filled only on Ok.
    static ReadResult Unpack(std::string_view bytes, std::optional<char> marker, std::size_t partCount,
                             std::vector<std::string>& parts);

    // Replaces the file by the container as a whole; false when it cannot be written.
    static bool Write(const std::string& path, std::optional<char> marker, const std::vector<std::string>& parts);
    // The same from a file: only the lengths are read until the layout is
    // known to fit the file, then each part; anything but a regular file
    // cannot be opened.
    static ReadResult Read(const std::string& path, std::optional<char> marker, std::size_t partCount,
                           std::vector<std::string>& parts);
    // As Read, each part copied piece by piece into its file of `files` (one
    // per part, replaced), so that no part is held in memory; the files are
    // written only once the layout is known to fit.
    static ReadResult Extract(const std::string& path, std::optional<char> marker,
                              const std::vector<std::string>& files);

    // A sentence naming the file and why it was not read (the bound for a
    // part too large); empty for Ok and for OtherMarker, which each importer
    // names in its own words.
    static std::string Refusal(const std::string& path, ReadResult result);
    // The reason alone ("不完整" ...), to stand after the file's name.
    static std::string Reason(ReadResult result);
};
