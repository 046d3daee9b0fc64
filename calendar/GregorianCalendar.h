// The proleptic Gregorian calendar: the leap-year rule, month lengths and the
// civil day count (days since 1970-01-01) in both directions. The one home of
// this arithmetic for every layer above.
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

struct CivilDate {
    int year, month, day;
    friend constexpr bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Days since 1970-01-01 of year-month-day (month 1-12, day 1-31; a day past
// the month's end counts on into the next month). Hinnant's days_from_civil:
// years are counted from March, in 400-year eras; division truncates toward
// zero, which the era shift keeps away from negative operands.
constexpr int DaysFromCivil(int y, int m, int d) noexcept {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;                                   // [0, 399]
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365]
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
    return era * 146097 + doe - 719468;
}

// The inverse of DaysFromCivil (Hinnant's civil_from_days).
constexpr CivilDate CivilFromDays(int z) noexcept {
    z += 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;                                       // [0, 146096]
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const int mp = (5 * doy + 2) / 153;                                     // [0, 11]
    const int d = doy - (153 * mp + 2) / 5 + 1;                             // [1, 31]
    const int m = mp < 10 ? mp + 3 : mp - 9;                                // [1, 12]
    return {yoe + era * 400 + (m <= 2), m, d};
}

static_assert(DaysFromCivil(1970, 1, 1) == 0);
static_assert(DaysFromCivil(2000, 3, 1) - DaysFromCivil(2000, 2, 28) == 2, "2000 is a leap year");
static_assert(DaysFromCivil(1900, 3, 1) - DaysFromCivil(1900, 2, 28) == 1, "1900 is not");
static_assert(CivilFromDays(DaysFromCivil(2100, 12, 31)) == CivilDate{2100, 12, 31});

}  // namespace calendar
