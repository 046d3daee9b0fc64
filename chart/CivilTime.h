// Wall-clock date and time without a time zone, and its count of seconds from
// 1970-01-01 00:00:00 of the same clock. The chart engine keeps every moment
// on China Standard Time (UTC+8) this way, so a difference of two counts is
// the time between two moments (the summer time of 1986-1991 is resolved
// before a clock time becomes a count). Proleptic Gregorian calendar.
#pragma once

#include <cstdint>
#include <string>

namespace chart {

struct DateTime {
    int year = 1970, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

inline constexpr std::int64_t kSecondsPerMinute = 60;
inline constexpr std::int64_t kSecondsPerHour = 3600;
inline constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 1970-01-01 to year-month-day (month 1-12, day 1-31).
constexpr std::int64_t DaysFromCivil(int year, int month, int day) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInMonth(int year, int month) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The seconds count of a date and time (fields in their ordinary ranges).
constexpr std::int64_t ToSeconds(const DateTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * kSecondsPerDay + t.hour * kSecondsPerHour +
           t.minute * kSecondsPerMinute + t.second;
}

// The date and time of a seconds count.
DateTime FromSeconds(std::int64_t seconds);

// The date moved by whole days, months and years: years and months first, the
// day cut to the last of the month when that month is shorter, then the days.
DateTime AddCalendar(DateTime t, int years, int months, int days);

// "YYYY-MM-DD HH:MM:SS", "YYYY-MM-DD HH:MM" and "YYYY-MM-DD".
std::string FormatSeconds(const DateTime& t);
std::string FormatMinutes(const DateTime& t);
std::string FormatDate(const DateTime& t);

}  // namespace chart
