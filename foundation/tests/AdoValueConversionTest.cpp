#include <gtest/gtest.h>

#include <limits>

#include "foundation/VariantConvert.h"
#include "platform/text/DateTime.h"

using ado::Variant;

namespace {

struct IntCase {
    Variant value;
    std::int32_t expected;
};

TEST(VariantToInt, FollowsTheValueTypeTable) {
    const IntCase cases[] = {
        {Variant(), 0},
        {Variant::Null(), 0},
        {Variant::I2(-5), -5},
        {Variant::Bool(true), -1},
        {Variant::UI2(40000), 40000 - 65536},  // read as signed 16 bits
        {Variant::I4(-123456), -123456},
        {Variant::UI4(0xFFFFFFFFu), -1},
        {Variant::Int(42), 42},
        {Variant::R8(2.5), 3},
        {Variant::R8(-0.4), 0},
        {Variant::R8(-2.7), -2},
        {Variant::R4(1.49f), 1},
        {Variant::Currency(125000), 12},  // 12.5 rounds to even
        {Variant::Currency(135000), 14},
        {Variant::Decimal(7.6), 8},
        {Variant::Text("12ab"), 12},
        {Variant::Text("abc"), 0},
        {Variant::Text(" -17"), -17},
        {Variant::I1(-1), 255},  // bytes read as unsigned
        {Variant::UI1(200), 200},
        {Variant::Date(40000.75), 0},
        {Variant::I8(5), 0},
        {Variant::Bytes({1, 2}), 0},
    };
    for (const IntCase& c : cases) EXPECT_EQ(VariantToInt(c.value), c.expected) << "type " << c.value.Type();
}

TEST(VariantToInt, ValuesBeyondThe32BitRangeAreHeldAtItsLimits) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const IntCase cases[] = {
        {Variant::R8(kNaN), 0},
        {Variant::R8(kInf), kMax},
        {Variant::R8(-kInf), kMin},
        {Variant::R8(1e300), kMax},
        {Variant::R8(-1e300), kMin},
        {Variant::R8(2147483647.4), kMax},
        {Variant::R8(2147483647.5), kMax},  // rounds to 2^31
        {Variant::R8(-2147483648.4), -2147483647},  // adding 0.5 truncates toward zero
        {Variant::R8(-2147483649.0), kMin},
        {Variant::R4(3e38f), kMax},
        {Variant::Decimal(kNaN), 0},
        {Variant::Decimal(1e300), kMax},
        {Variant::Decimal(-1e300), kMin},
        {Variant::Decimal(2147483647.5), kMax},  // half to even gives 2^31
        {Variant::Decimal(-2147483648.5), kMin},
        {Variant::Currency(std::numeric_limits<std::int64_t>::max()), kMax},
        {Variant::Currency(std::numeric_limits<std::int64_t>::min()), kMin},
        {Variant::Text("3000000000"), kMax},
        {Variant::Text("-3000000000"), kMin},
        {Variant::Text("99999999999999999999999"), kMax},
        {Variant::Text("2147483647"), kMax},
        {Variant::Text("-2147483648"), kMin},
    };
    for (const IntCase& c : cases) {
        EXPECT_EQ(VariantToInt(c.value), c.expected) << "type " << c.value.Type() << " " << VariantToText(c.value);
    }
}

struct TextCase {
    Variant value;
    const char* expected;
};

TEST(VariantToText, FollowsTheValueTypeTable) {
    text::DateTime when{2008, 3, 4, 5, 6, 7};
    const TextCase cases[] = {
        {Variant(), ""},
        {Variant::Null(), ""},
        {Variant::I2(-5), "-5"},
        {Variant::I4(123), "123"},
        {Variant::UI4(0x80000000u), "-2147483648"},
        {Variant::UInt(0xFFFFFFFFu), "-1"},
        {Variant::I8(0x100000005LL), "5"},  // low 32 bits
        {Variant::UI2(40000), "40000"},
        {Variant::I1(-1), "255"},
        {Variant::UI1(7), "7"},
        {Variant::R4(1.5f), "1.5000"},
        {Variant::R8(1.5), "1.50000000"},
        {Variant::Decimal(2.25), "2.25000000"},
        {Variant::Currency(125000), "12.50"},
        {Variant::Currency(-5), "0.00"},
        {Variant::Currency(-12345678), "-1234.57"},
        {Variant::Date(when.ToOleDate()), "2008-03-04 05:06:07"},
        {Variant::Text("中文"), "中文"},
        {Variant::Bool(true), "TRUE"},
        {Variant::Bool(false), "FALSE"},
        {Variant::Raw(ado::VT_VOID, 0xab), "      ab"},
        {Variant::Bytes({1, 2, 3}), "[BLOB]"},
        {Variant::Raw(ado::VT_BLOB, 0), "[BLOB]"},
        {Variant::Raw(ado::VT_ERROR, 0), "UN_KNOW"},
        {Variant::Raw(ado::VT_DISPATCH, 0), "UN_KNOW"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(VariantToText(c.value), c.expected) << "type " << c.value.Type();
}

}  // namespace
