// The five-year periods the system works in: each has a name (十一五 ...)
// and a year range ("2006-2010" ...); the range is what the rest of the
// system stores and passes around.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct Period {
    const char* name;
    const char* range;
};

// The periods in the order the period dialog offers them.
std::span<const Period> AllPeriods();

// The name of a range; a range that is not one of the five gives 十四五.
std::string PeriodNameForRange(std::string_view range);
// The range of a name, or an empty text for an unknown name.
std::string PeriodRangeForName(std::string_view name);
// The five years of a range as texts, from its first year (its first four
// characters) on.
std::vector<std::string> YearsOfRange(std::string_view range);
