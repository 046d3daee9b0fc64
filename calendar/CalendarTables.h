// The calendar engine's data: the lunar-year codes of 1900-2100 (generated
// from the Swiss Ephemeris by tools/termgen into LunarYearTable.inc) and the
// facts derived from them at compile time. Included by the engine's own
// sources and its tests only.
#pragma once

#include <array>
#include <cstdint>

#include "GregorianCalendar.h"

namespace calendar {

#include "LunarYearTable.inc"

inline constexpr int kFirstLunarYear = 1900;  // lunar year of the table's first entry
inline constexpr int kLastLunarYear = 2100;   // lunar year of the table's last entry
inline constexpr int kLunarYearCount = kLastLunarYear - kFirstLunarYear + 1;

// The span the calendar answers for: from 正月初一 of lunar year 1900 to the
// last day of Gregorian 2100 (lunar year 2100 runs on into 2101, past the
// solar terms the pillars need).
inline constexpr CivilDate kFirstSpanDate{1900, 1, 31};
inline constexpr CivilDate kLastSpanDate{2100, 12, 31};

// A code above this value describes a year of 13 months (bits 12..0), any
// other a year of 12 months (bits 11..0).
inline constexpr std::uint32_t kMaxTwelveMonthCode = 4094;
inline constexpr int kLeapMonthShift = 16;  // bits 16 and up: month followed by the leap month
inline constexpr int kShortMonthDays = 29;  // a month bit adds one day to this

// Day number of the table walk: c = 1 on 1900-01-31, 正月初一 of lunar year
// 1900, the first day of the table (kFirstLunarNewYearDay). The day is not
// checked against the month's length: a day past the end of a month counts on
// into the next one (1975-02-31 is 1975-03-03). Month 1-12.
inline constexpr int kFirstDayCivil = kFirstLunarNewYearDay;  // day number 1
constexpr int LunarDayNumber(int year, int month, int day) noexcept {
    return DaysFromCivil(year, month, 1) + day - 1 - kFirstDayCivil + 1;
}

constexpr int MonthCount(std::uint32_t code) noexcept {
    return code > kMaxTwelveMonthCode ? 13 : 12;
}
constexpr int LeapMonthOf(std::uint32_t code) noexcept {
    return static_cast<int>(code >> kLeapMonthShift);
}

// Length of the month in 1-based position p of the year (the leap month has
// its own position, right after the month it repeats).
constexpr int MonthLength(std::uint32_t code, int position) noexcept {
    return kShortMonthDays + static_cast<int>((code >> (MonthCount(code) - position)) & 1u);
}

constexpr int YearLength(std::uint32_t code) noexcept {
    int days = 0;
    for (int p = 1; p <= MonthCount(code); ++p) days += MonthLength(code, p);
    return days;
}

// kLunarYearStart[i]: day number of the first day of lunar year 1900 + i; the
// last entry is one past the table's last day (in January 2101).
inline constexpr std::array<int, kLunarYearCount + 1> kLunarYearStart = [] {
    std::array<int, kLunarYearCount + 1> start{};
    start[0] = 1;
    for (int i = 0; i < kLunarYearCount; ++i) start[i + 1] = start[i] + YearLength(kLunarYearTable[i]);
    return start;
}();
// The day number of the span's last day, 2100-12-31.
inline constexpr int kLastDayNumber =
    LunarDayNumber(kLastSpanDate.year, kLastSpanDate.month, kLastSpanDate.day);

namespace detail {
constexpr bool CodesAreWellFormed() {
    for (std::uint32_t code : kLunarYearTable) {
        const int leap = LeapMonthOf(code);
        if (leap != 0 && (code < 0x10000 || leap > 12)) return false;
        if (leap == 0 && code >= 0x1000) return false;
    }
    return true;
}
}  // namespace detail

static_assert(kLunarYearTable.size() == 2100 - 1900 + 1);
static_assert(detail::CodesAreWellFormed(), "leap years use 0x10000 and up, the others stay below 0x1000");
static_assert(kFirstLunarNewYearDay == DaysFromCivil(1900, 1, 31), "lunar year 1900 begins on 1900-01-31");
static_assert(LunarDayNumber(1900, 1, 31) == 1);
// The span ends inside lunar year 2100, which the table holds in full.
static_assert(kLunarYearStart[kLunarYearCount - 1] <= kLastDayNumber &&
              kLastDayNumber < kLunarYearStart.back());
// Lunar year 1921 begins on 1921-02-08 and 2021 on 2021-02-12, as the published codes have it.
static_assert(kLunarYearStart[1921 - 1900] == LunarDayNumber(1921, 2, 8));
static_assert(kLunarYearStart[2021 - 1900] == LunarDayNumber(2021, 2, 12));

}  // namespace calendar
