// SYSTEMTIME: the date-and-time record that crosses every calendar interface.
// Eight unsigned 16-bit fields: year, month, day of week, day, hour, minute,
// second and millisecond; used for Gregorian and lunar dates alike.
#pragma once

#include <cstdint>

struct SYSTEMTIME {
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;
    std::uint16_t wDayOfWeek = 0;  // 0 = Sunday
    std::uint16_t wDay = 0;
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::uint16_t wMilliseconds = 0;

    friend bool operator==(const SYSTEMTIME&, const SYSTEMTIME&) = default;
};

static_assert(sizeof(SYSTEMTIME) == 16, "eight packed 16-bit fields");

// A date and time of day as a SYSTEMTIME; the weekday and milliseconds are 0.
// Values are stored as given (callers pass calendar fields, not validated).
constexpr SYSTEMTIME MakeSystemTime(int year, int month, int day, int hour = 0, int minute = 0,
                                    int second = 0) {
    SYSTEMTIME t;
    t.wYear = static_cast<std::uint16_t>(year);
    t.wMonth = static_cast<std::uint16_t>(month);
    t.wDay = static_cast<std::uint16_t>(day);
    t.wHour = static_cast<std::uint16_t>(hour);
    t.wMinute = static_cast<std::uint16_t>(minute);
    t.wSecond = static_cast<std::uint16_t>(second);
    return t;
}
