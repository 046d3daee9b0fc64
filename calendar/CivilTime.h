// Wall-clock date and time without a time zone, and its count of seconds from
// 1970-01-01 00:00:00 of the same clock. The engines keep every moment on
// China Standard Time (UTC+8) this way, so a difference of two counts is the
// time between two moments (summer time is resolved before a clock time
// becomes a count). Proleptic Gregorian calendar.
#pragma once

#include <cstdint>
#include <string>

#include "GregorianCalendar.h"

namespace calendar {

struct DateTime {
    int year = 1970, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

inline constexpr std::int64_t kSecondsPerMinute = 60;
inline constexpr std::int64_t kSecondsPerHour = 3600;
inline constexpr std::int64_t kSecondsPerDay = 86400;

// The seconds count of a date and time (fields in their ordinary ranges).
constexpr std::int64_t ToSeconds(const DateTime& t) {
    return std::int64_t{DaysFromCivil(t.year, t.month, t.day)} * kSecondsPerDay + t.hour * kSecondsPerHour +
           t.minute * kSecondsPerMinute + t.second;
}

// The date and time of a seconds count.
DateTime FromSeconds(std::int64_t seconds);

// The moment moved by whole years and months (the day cut to the last of the
// month when that month is shorter), then by a duration in seconds.
DateTime AddCalendar(DateTime t, int years, int months, std::int64_t seconds);

// "YYYY-MM-DD HH:MM:SS", "YYYY-MM-DD HH:MM" and "YYYY-MM-DD".
std::string FormatSeconds(const DateTime& t);
std::string FormatMinutes(const DateTime& t);
std::string FormatDate(const DateTime& t);

}  // namespace calendar
