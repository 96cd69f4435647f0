#include "platform/text/DateTime.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace text {
namespace {

// Days from 1970-01-01 to the civil date (proleptic Gregorian).
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

const long long kOleEpochDays = DaysFromCivil(1899, 12, 30);

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) return 29;
    return days[m - 1];
}

}  // namespace

DateTime DateTime::Now() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

DateTime DateTime::FromOleDate(double oleDate) {
    // OLE dates count days from 1899-12-30; before it, the fraction still
    // runs forward from the day's start (-1.25 is 1899-12-29 06:00). Values
    // from files may be anything: dates are held within the years 100-9999,
    // the range of OLE dates, and NaN is the epoch.
    constexpr double kFirst = -657434.0;                         // 0100-01-01 00:00:00
    constexpr double kLast = 2958465.0 + 86399.0 / 86400.0;     // 9999-12-31 23:59:59
    oleDate = std::isnan(oleDate) ? 0.0 : std::clamp(oleDate, kFirst, kLast);
    double wholeDays = std::trunc(oleDate);
    double fraction = std::fabs(oleDate - wholeDays);
    long long seconds = std::llround(fraction * 86400.0);
    long long days = static_cast<long long>(wholeDays);
    if (seconds >= 86400) {
        seconds -= 86400;
        days += oleDate < 0 ? -1 : 1;
    }
    DateTime dt;
    CivilFromDays(kOleEpochDays + days, dt.year, dt.month, dt.day);
    dt.hour = static_cast<int>(seconds / 3600);
    dt.minute = static_cast<int>(seconds / 60 % 60);
    dt.second = static_cast<int>(seconds % 60);
    return dt;
}

double DateTime::ToOleDate() const {
    double days = static_cast<double>(DaysFromCivil(year, month, day) - kOleEpochDays);
    double fraction = (hour * 3600 + minute * 60 + second) / 86400.0;
    return days >= 0 ? days + fraction : days - fraction;
}

std::string DateTime::Format(std::string_view fmt) const {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    long long days = DaysFromCivil(year, month, day);
    tm.tm_wday = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
    tm.tm_yday = static_cast<int>(days - DaysFromCivil(year, 1, 1));
    tm.tm_isdst = -1;
    std::string f(fmt);
    if (f.empty()) return {};
    std::string out(f.size() * 4 + 64, '\0');
    for (;;) {
        std::size_t n = std::strftime(out.data(), out.size(), f.c_str(), &tm);
        if (n > 0 || out.size() > 4096) {
            out.resize(n);
            return out;
        }
        out.resize(out.size() * 2);
    }
}

bool DateTime::Parse(std::string_view s, DateTime& out) {
    std::string copy(s);
    DateTime dt{};
    dt.hour = dt.minute = dt.second = 0;
    char sep1 = 0, sep2 = 0;
    int consumed = 0;
    if (std::sscanf(copy.c_str(), "%4d%c%2d%c%2d%n", &dt.year, &sep1, &dt.month, &sep2, &dt.day, &consumed) != 5)
        return false;
    if (sep1 != sep2 || (sep1 != '-' && sep1 != '/')) return false;
    std::string_view rest = std::string_view(copy).substr(static_cast<std::size_t>(consumed));
    if (!rest.empty()) {
        if (rest[0] != 'T' && rest[0] != ' ') return false;
        std::string time(rest.substr(1));
        int used = 0;
        if (std::sscanf(time.c_str(), "%2d:%2d:%2d%n", &dt.hour, &dt.minute, &dt.second, &used) != 3) return false;
        std::string_view tail = std::string_view(time).substr(static_cast<std::size_t>(used));
        if (!tail.empty() && tail[0] == '.') {
            tail.remove_prefix(1);
            while (!tail.empty() && tail[0] >= '0' && tail[0] <= '9') tail.remove_prefix(1);
        }
        if (!tail.empty()) return false;
    }
    if (!dt.IsValid()) return false;
    out = dt;
    return true;
}

bool DateTime::IsValid() const {
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month) &&
           hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

}  // namespace text
