// A value of the ADO field kinds: the variant types of an ADO recordset field
// (empty, NULL, integers of every width, single and double reals, currency,
// date, text, boolean, decimal, byte arrays). Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ado {

enum VarType : std::uint16_t {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_VOID = 24,
    VT_LPSTR = 30,
    VT_LPWSTR = 31,
    VT_BLOB = 65,
    VT_BLOB_OBJECT = 70,
    VT_ARRAY = 0x2000,
    VT_ARRAY_UI1 = VT_ARRAY | VT_UI1,  // 8209: a long binary value
};

constexpr std::int16_t VARIANT_TRUE = -1;
constexpr std::int16_t VARIANT_FALSE = 0;

class Variant {
public:
    Variant() = default;  // VT_EMPTY

    static Variant Null();
    static Variant I1(std::int8_t v);
    static Variant UI1(std::uint8_t v);
    static Variant I2(std::int16_t v);
    static Variant UI2(std::uint16_t v);
    static Variant I4(std::int32_t v);
    static Variant UI4(std::uint32_t v);
    static Variant Int(std::int32_t v);
    static Variant UInt(std::uint32_t v);
    static Variant I8(std::int64_t v);
    static Variant UI8(std::uint64_t v);
    static Variant R4(float v);
    static Variant R8(double v);
    static Variant Currency(std::int64_t scaledBy10000);  // VT_CY: value * 10000
    // An amount scaled by 10000, rounded half away from zero and held at
    // the 64-bit limits (NaN gives 0): currency from a real.
    static std::int64_t CurrencyUnits(double amount);
    static Variant Decimal(double v);
    static Variant Date(double oleDate);                  // VT_DATE: days since 1899-12-30
    static Variant Bool(bool v);                          // stored as VARIANT_TRUE / VARIANT_FALSE
    static Variant Text(std::string utf8);                // VT_BSTR
    static Variant Bytes(std::vector<std::uint8_t> bytes);  // VT_ARRAY | VT_UI1
    // Any other variant type with a raw 64-bit payload (VT_ERROR, VT_VOID, ...),
    // for values that only need to carry their type.
    static Variant Raw(VarType type, std::uint64_t bits);

    VarType Type() const { return type_; }
    bool IsNull() const { return type_ == VT_NULL; }
    bool IsEmpty() const { return type_ == VT_EMPTY; }
    bool IsNullOrEmpty() const { return type_ == VT_EMPTY || type_ == VT_NULL; }

    // Raw payload access. Integers and booleans keep their value in a 64-bit
    // slot (booleans as -1/0); reals, dates and decimals in a double; currency
    // as the integer scaled by 10000.
    std::int64_t IntBits() const { return int_; }
    double RealValue() const { return real_; }
    const std::string& TextValue() const { return text_; }
    const std::vector<std::uint8_t>& BytesValue() const { return bytes_; }

    // Numeric value of any numeric, boolean, date or currency variant; 0 for others.
    double ToDouble() const;
    // Whole-number value truncated toward zero, held at the 64-bit limits
    // beyond them (NaN gives 0); 0 for non-numeric variants.
    std::int64_t ToInt64() const;

    bool operator==(const Variant& other) const;

private:
    VarType type_ = VT_EMPTY;
    std::int64_t int_ = 0;
    double real_ = 0;
    std::string text_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace ado
