// XML documents: any bytes are loaded or refused; a loaded document writes
// out and loads again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/xmldom/Document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    xmldom::Document doc;
    if (!doc.LoadXml(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
    const std::string written = doc.Xml();
    xmldom::Document again;
    if (!written.empty() && !again.LoadXml(written)) std::abort();
    return 0;
}
