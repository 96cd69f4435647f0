#include "platform/ado/Variant.h"

#include <cmath>

#include "platform/text/Saturate.h"

namespace ado {

Variant Variant::Raw(VarType type, std::uint64_t bits) {
    Variant v;
    v.type_ = type;
    v.int_ = static_cast<std::int64_t>(bits);
    return v;
}

Variant Variant::Null() { return Raw(VT_NULL, 0); }

#define ADO_INT_FACTORY(Name, Type, Vt)                  \
    Variant Variant::Name(Type value) {                  \
        Variant v;                                       \
        v.type_ = Vt;                                    \
        v.int_ = static_cast<std::int64_t>(value);       \
        return v;                                        \
    }
ADO_INT_FACTORY(I1, std::int8_t, VT_I1)
ADO_INT_FACTORY(UI1, std::uint8_t, VT_UI1)
ADO_INT_FACTORY(I2, std::int16_t, VT_I2)
ADO_INT_FACTORY(UI2, std::uint16_t, VT_UI2)
ADO_INT_FACTORY(I4, std::int32_t, VT_I4)
ADO_INT_FACTORY(UI4, std::uint32_t, VT_UI4)
ADO_INT_FACTORY(Int, std::int32_t, VT_INT)
ADO_INT_FACTORY(UInt, std::uint32_t, VT_UINT)
ADO_INT_FACTORY(I8, std::int64_t, VT_I8)
ADO_INT_FACTORY(UI8, std::uint64_t, VT_UI8)
ADO_INT_FACTORY(Currency, std::int64_t, VT_CY)
#undef ADO_INT_FACTORY

#define ADO_REAL_FACTORY(Name, Type, Vt)                 \
    Variant Variant::Name(Type value) {                  \
        Variant v;                                       \
        v.type_ = Vt;                                    \
        v.real_ = static_cast<double>(value);            \
        return v;                                        \
    }
ADO_REAL_FACTORY(R4, float, VT_R4)
ADO_REAL_FACTORY(R8, double, VT_R8)
ADO_REAL_FACTORY(Decimal, double, VT_DECIMAL)
ADO_REAL_FACTORY(Date, double, VT_DATE)
#undef ADO_REAL_FACTORY

Variant Variant::Bool(bool value) {
    Variant v;
    v.type_ = VT_BOOL;
    v.int_ = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::Text(std::string utf8) {
    Variant v;
    v.type_ = VT_BSTR;
    v.text_ = std::move(utf8);
    return v;
}

Variant Variant::Bytes(std::vector<std::uint8_t> bytes) {
    Variant v;
    v.type_ = VT_ARRAY_UI1;
    v.bytes_ = std::move(bytes);
    return v;
}

double Variant::ToDouble() const {
    switch (type_) {
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_DECIMAL:
        return real_;
    case VT_CY:
        return static_cast<double>(int_) / 10000.0;
    case VT_UI8:
        return static_cast<double>(static_cast<std::uint64_t>(int_));
    case VT_I1:
    case VT_UI1:
    case VT_I2:
    case VT_UI2:
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_I8:
    case VT_BOOL:
        return static_cast<double>(int_);
    default:
        return 0;
    }
}

std::int64_t Variant::CurrencyUnits(double amount) {
    return text::SaturatingCast<std::int64_t>(std::round(amount * 10000.0));
}

std::int64_t Variant::ToInt64() const {
    switch (type_) {
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_DECIMAL:
        return text::SaturatingCast<std::int64_t>(real_);
    case VT_CY:
        return int_ / 10000;
    case VT_I1:
    case VT_UI1:
    case VT_I2:
    case VT_UI2:
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_I8:
    case VT_UI8:
    case VT_BOOL:
        return int_;
    default:
        return 0;
    }
}

bool Variant::operator==(const Variant& other) const {
    return type_ == other.type_ && int_ == other.int_ &&
           (real_ == other.real_ || (std::isnan(real_) && std::isnan(other.real_))) &&
           text_ == other.text_ && bytes_ == other.bytes_;
}

}  // namespace ado
