// Calendar date and time with the conversions the system needs: OLE
// automation dates (days since 1899-12-30, the value of a VT_DATE), strftime
// formatting and the ISO text of saved recordsets.
#pragma once

#include <string>
#include <string_view>

namespace text {

struct DateTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;

    static DateTime Now();  // local time
    // Held within the years 100-9999; NaN gives 1899-12-30.
    static DateTime FromOleDate(double oleDate);
    double ToOleDate() const;

    // strftime-style: %Y %m %d %H %M %S %y %B %b %A %a %j %p %% and the rest
    // of the C library's set, in the C locale.
    std::string Format(std::string_view fmt) const;

    // Reads "yyyy-mm-dd", "yyyy-mm-ddThh:mm:ss", "yyyy-mm-dd hh:mm:ss" and
    // "yyyy/mm/dd" forms (fractional seconds ignored). False on anything else
    // or on an impossible date.
    static bool Parse(std::string_view s, DateTime& out);

    bool IsValid() const;
    bool operator==(const DateTime&) const = default;
};

}  // namespace text
