// RTF: any bytes give a document; that document writes as RTF that reads
// back without fault.
#include <cstdint>
#include <string_view>

#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const richtext::Document doc = richtext::ReadRtf(std::string_view(reinterpret_cast<const char*>(data), size));
    richtext::ReadRtf(richtext::WriteRtf(doc));
    return 0;
}
