// The exchange bundle container. The first byte chooses the reading (marker
// expected or not, how many parts); the rest is the file. A container that
// reads packs back to the bytes it was read from.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/LengthPrefixedContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t partCount = data[0] & 0x0F;
    const std::optional<char> marker = (data[0] & 0x10) ? std::optional<char>('A') : std::nullopt;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<std::string> parts;
    if (LengthPrefixedContainer::Unpack(bytes, marker, partCount, parts) != LengthPrefixedContainer::ReadResult::Ok) {
        return 0;
    }
    if (parts.size() != partCount) std::abort();
    const std::string packed = LengthPrefixedContainer::Pack(marker, parts);
    if (bytes.substr(0, packed.size()) != packed) std::abort();
    return 0;
}
