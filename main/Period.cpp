#include "main/Period.h"

#include <array>

#include "platform/text/Text.h"

namespace {

constexpr std::array<Period, 5> kPeriods{{
    {"十一五", "2006-2010"},
    {"十二五", "2011-2015"},
    {"十三五", "2016-2020"},
    {"十四五", "2021-2025"},
    {"十五五", "2026-2030"},
}};

constexpr const char* kFallbackName = "十四五";
constexpr int kYearsPerPeriod = 5;

}  // namespace

std::span<const Period> AllPeriods() { return kPeriods; }

std::string PeriodNameForRange(std::string_view range) {
    for (const Period& period : kPeriods)
        if (range == period.range) return period.name;
    return kFallbackName;
}

std::string PeriodRangeForName(std::string_view name) {
    for (const Period& period : kPeriods)
        if (name == period.name) return period.range;
    return {};
}

std::vector<std::string> YearsOfRange(std::string_view range) {
    const long first = text::Atol(range.substr(0, 4));
    std::vector<std::string> years;
    for (int i = 0; i < kYearsPerPeriod; ++i) years.push_back(std::to_string(first + i));
    return years;
}
