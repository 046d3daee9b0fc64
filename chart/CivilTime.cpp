// Seconds counts back to dates, calendar arithmetic and formatting.
#include "CivilTime.h"

#include <cstdio>

namespace chart {

DateTime FromSeconds(std::int64_t seconds) {
    std::int64_t days = seconds / kSecondsPerDay;
    std::int64_t rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    // The inverse of DaysFromCivil, over 400-year eras.
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    DateTime t;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2 ? 1 : 0));
    t.hour = static_cast<int>(rest / kSecondsPerHour);
    t.minute = static_cast<int>(rest % kSecondsPerHour / kSecondsPerMinute);
    t.second = static_cast<int>(rest % kSecondsPerMinute);
    return t;
}

DateTime AddCalendar(DateTime t, int years, int months, int days) {
    const int monthIndex = t.year * 12 + (t.month - 1) + years * 12 + months;
    t.year = monthIndex / 12;
    t.month = monthIndex % 12 + 1;
    if (t.day > DaysInMonth(t.year, t.month)) t.day = DaysInMonth(t.year, t.month);
    return FromSeconds(ToSeconds(t) + days * kSecondsPerDay);
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

}  // namespace chart
