// Seconds counts back to dates, calendar arithmetic and formatting.
#include "CivilTime.h"

#include <cstdio>

namespace calendar {

DateTime FromSeconds(std::int64_t seconds) {
    std::int64_t days = seconds / kSecondsPerDay;
    std::int64_t rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    const CivilDate d = CivilFromDays(static_cast<int>(days));
    return {d.year,
            d.month,
            d.day,
            static_cast<int>(rest / kSecondsPerHour),
            static_cast<int>(rest % kSecondsPerHour / kSecondsPerMinute),
            static_cast<int>(rest % kSecondsPerMinute)};
}

DateTime AddCalendar(DateTime t, int years, int months, std::int64_t seconds) {
    constexpr int kMonthsPerYear = 12;
    const int monthIndex = t.year * kMonthsPerYear + (t.month - 1) + years * kMonthsPerYear + months;
    t.year = monthIndex / kMonthsPerYear;
    t.month = monthIndex % kMonthsPerYear + 1;
    if (t.day > DaysInGregorianMonth(t.year, t.month)) t.day = DaysInGregorianMonth(t.year, t.month);
    return FromSeconds(ToSeconds(t) + seconds);
}

std::string FormatSeconds(const DateTime& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

std::string FormatMinutes(const DateTime& t) {
    return FormatSeconds(t).substr(0, 16);
}

std::string FormatDate(const DateTime& t) {
    return FormatSeconds(t).substr(0, 10);
}

}  // namespace calendar
