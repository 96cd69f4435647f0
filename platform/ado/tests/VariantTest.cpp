#include "platform/ado/Variant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

using ado::Variant;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTwo63 = 9223372036854775808.0;

TEST(VariantToInt64, RealsBeyondTheRangeAreHeldAtItsLimits) {
    struct Case { double real; std::int64_t expected; } cases[] = {
        {kNaN, 0},
        {kInf, kMax},
        {-kInf, kMin},
        {1e300, kMax},
        {-1e300, kMin},
        {kTwo63, kMax},                                   // first real beyond the range
        {-kTwo63, kMin},                                  // the lowest value itself
        {std::nextafter(kTwo63, 0.0), 9223372036854774784},  // largest real within it
        {-2.9, -2},
        {2.9, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.real);
        EXPECT_EQ(Variant::R8(c.real).ToInt64(), c.expected);
        EXPECT_EQ(Variant::Decimal(c.real).ToInt64(), c.expected);
        EXPECT_EQ(Variant::Date(c.real).ToInt64(), c.expected);
    }
}

TEST(VariantToInt64, CurrencyFromARealRoundsAndIsHeldAtTheLimits) {
    struct Case { double amount; std::int64_t expected; } cases[] = {
        {kNaN, 0},       {kInf, kMax},    {-kInf, kMin},   {1e300, kMax},
        {-1e300, kMin},  {1e15, kMax},    {-1e15, kMin},   {12.5, 125000},
        {0.00005, 1},    {-0.00005, -1},  {-12.34, -123400},
    };
    for (const Case& c : cases) EXPECT_EQ(Variant::CurrencyUnits(c.amount), c.expected) << c.amount;
}

}  // namespace
