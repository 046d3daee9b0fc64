// The conversions written exactly as the calendar's algorithms read, step by
// step and without shortcuts: the oracle the engine's faster code is compared
// with. Test code only.
#pragma once

#include "CalendarTables.h"
#include "LunarCalendar.h"

namespace reference {

// Gregorian -> lunar by walking the table month by month from 1900-01-31,
// refusing days after 2100-12-31.
inline bool SolarToLunar(const SYSTEMTIME& solar, SYSTEMTIME& lunar, int& leap) {
    const int y = solar.wYear, m = solar.wMonth, d = solar.wDay;
    if (m < 1 || m > 12) return false;
    int c = calendar::DaysFromCivil(y, m, 1) + d - calendar::DaysFromCivil(1900, 1, 31);
    if (c < 1 || c > calendar::DaysFromCivil(2100, 12, 31) - calendar::DaysFromCivil(1900, 1, 30))
        return false;
    for (int i = 0; i < calendar::kLunarYearCount; ++i) {
        const std::uint32_t code = calendar::kLunarYearTable[i];
        const int n = code > 4094 ? 12 : 11;
        for (int bit = n; bit >= 0; --bit) {
            const int length = 29 + static_cast<int>((code >> bit) & 1u);
            if (c <= length) {
                const int p = n - bit + 1;
                int month = p, isLeap = 0;
                if (n == 12) {
                    const int l = static_cast<int>(code >> 16);
                    if (p == l + 1) {
                        month = l;
                        isLeap = 1;
                    } else if (p > l + 1) {
                        month = p - 1;
                    }
                }
                lunar = SYSTEMTIME{static_cast<std::uint16_t>(1900 + i),
                                   static_cast<std::uint16_t>(month),
                                   0,
                                   static_cast<std::uint16_t>(c),
                                   solar.wHour,
                                   0,
                                   0,
                                   0};
                leap = isLeap;
                return true;
            }
            c -= length;
        }
    }
    return false;
}

inline int GregorianMonthDays(int y, int m) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leapYear = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leapYear ? 29 : kDays[m - 1];
}

// Lunar -> Gregorian by searching 100 Gregorian days forward with the given
// Gregorian -> lunar test, starting at 1900-01-31 when the start is earlier.
template <typename SolarToLunarFn>
bool LunarToSolar(const SYSTEMTIME& lunar, int leap, SYSTEMTIME& solar, SolarToLunarFn toLunar) {
    const int m = lunar.wMonth;
    if (m < 1 || m > 12) return false;
    int y = lunar.wYear, d = lunar.wDay;
    if (d > GregorianMonthDays(y, m) || d < 1) d = GregorianMonthDays(y, m);
    int z = calendar::DaysFromCivil(y, m, d);
    z = std::max(z, calendar::kFirstDayCivil);
    for (int k = 0; k < 100; ++k, ++z) {
        const calendar::CivilDate date = calendar::CivilFromDays(z);
        const SYSTEMTIME candidate{static_cast<std::uint16_t>(date.year),
                                   static_cast<std::uint16_t>(date.month),
                                   0,
                                   static_cast<std::uint16_t>(date.day),
                                   lunar.wHour,
                                   0,
                                   0,
                                   0};
        SYSTEMTIME found;
        int foundLeap = 0;
        if (!toLunar(candidate, found, foundLeap)) return false;
        if (found.wYear == lunar.wYear && found.wMonth == lunar.wMonth && found.wDay == lunar.wDay &&
            foundLeap == leap) {
            solar = candidate;
            return true;
        }
    }
    return false;
}

}  // namespace reference
