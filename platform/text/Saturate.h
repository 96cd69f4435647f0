// Reals from files and databases as whole numbers. A plain cast of a real
// outside the integer type's range is undefined; every such conversion goes
// through here so all of them agree.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace text {

// The real truncated toward zero; beyond the type's range the nearest limit
// (infinities included); NaN gives 0.
template <typename Int>
Int SaturatingCast(double value) {
    static_assert(std::is_integral_v<Int> && std::is_signed_v<Int>);
    // 2^digits is exact as a double; max is 2^digits - 1.
    constexpr double kBeyondMax = static_cast<double>(std::uint64_t{1} << std::numeric_limits<Int>::digits);
    if (std::isnan(value)) return 0;
    if (value >= kBeyondMax) return std::numeric_limits<Int>::max();
    if (value <= -kBeyondMax - 1.0) return std::numeric_limits<Int>::min();
    return static_cast<Int>(value);
}

}  // namespace text
