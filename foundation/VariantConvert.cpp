#include "foundation/VariantConvert.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/text/DateTime.h"
#include "platform/text/Saturate.h"
#include "platform/text/Text.h"

using namespace ado;

namespace {

// Rounds half to even into 32 bits, as the system's variant conversion does.
std::int32_t RoundToInt32(double d) { return text::SaturatingCast<std::int32_t>(std::nearbyint(d)); }

// Currency (scaled by 10000) with two decimals, independent of the locale.
std::string CurrencyText(std::int64_t scaled) {
    const bool negative = scaled < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(scaled) : scaled;
    const std::uint64_t cents = (magnitude + 50) / 100;
    return text::Format("%s%llu.%02llu", negative && cents > 0 ? "-" : "", static_cast<unsigned long long>(cents / 100),
                        static_cast<unsigned long long>(cents % 100));
}

}  // namespace

std::int32_t VariantToInt(const Variant& value) {
    switch (value.Type()) {
    case VT_I2:
    case VT_BOOL:
    case VT_UI2: return static_cast<std::int16_t>(value.IntBits());
    case VT_I4:
    case VT_UI4:
    case VT_INT: return static_cast<std::int32_t>(value.IntBits());
    case VT_R4:
    case VT_R8: return text::SaturatingCast<std::int32_t>(value.RealValue() + 0.5);
    case VT_CY:
    case VT_DECIMAL: return RoundToInt32(value.ToDouble());
    case VT_BSTR:
    case VT_LPSTR:
    case VT_LPWSTR:
        return static_cast<std::int32_t>(std::clamp<long>(text::Atol(value.TextValue()),
                                                          std::numeric_limits<std::int32_t>::min(),
                                                          std::numeric_limits<std::int32_t>::max()));
    case VT_I1:
    case VT_UI1: return static_cast<std::uint8_t>(value.IntBits());
    default: return 0;
    }
}

std::string VariantToText(const Variant& value) {
    const std::int64_t bits = value.IntBits();
    switch (value.Type()) {
    case VT_EMPTY:
    case VT_NULL: return "";
    case VT_I2: return text::Format("%d", static_cast<std::int16_t>(bits));
    case VT_I4:
    case VT_INT:
    case VT_UINT:
    case VT_UI4:
    case VT_I8:
    case VT_UI8: return text::Format("%d", static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)));
    case VT_UI2: return text::Format("%d", static_cast<std::uint16_t>(bits));
    case VT_I1:
    case VT_UI1: return text::Format("%d", static_cast<std::uint8_t>(bits));
    case VT_R4: return text::Format("%.4f", static_cast<double>(static_cast<float>(value.RealValue())));
    case VT_R8:
    case VT_DECIMAL: return text::Format("%.8f", value.RealValue());
    case VT_CY: return CurrencyText(bits);
    case VT_DATE: return text::DateTime::FromOleDate(value.RealValue()).Format("%Y-%m-%d %H:%M:%S");
    case VT_BSTR:
    case VT_LPSTR:
    case VT_LPWSTR: return value.TextValue();
    case VT_BOOL: return bits != 0 ? "TRUE" : "FALSE";
    case VT_VOID: return text::Format("%8x", static_cast<unsigned>(static_cast<std::uint32_t>(bits)));
    case VT_BLOB:
    case VT_BLOB_OBJECT:
    case VT_ARRAY_UI1: return "[BLOB]";
    default: return "UN_KNOW";
    }
}
