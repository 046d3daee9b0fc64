// The Gregorian calendar's month lengths, by the full leap-year rule: every
// fourth year, but not the hundredth unless also the four-hundredth.
#pragma once

namespace calendar {

constexpr bool IsGregorianLeapYear(int year) noexcept {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days in month 1-12 of `year`; 0 for a month outside 1-12.
constexpr int DaysInGregorianMonth(int year, int month) noexcept {
    constexpr int kCommonYear[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsGregorianLeapYear(year) ? 29 : kCommonYear[month - 1];
}

}  // namespace calendar
