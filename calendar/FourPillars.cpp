// The sexagenary cycle and the four pillars of a Gregorian birth date.
#include "CalendarNames.h"
#include "CalendarTables.h"
#include "LunarCalendar.h"

using namespace calendar;

namespace {

// Sexagenary index offsets. 1864 is a 甲子 year: the year index is Y - 1864
// from 立春 on, Y - 1865 before it.
constexpr int kJiaziYear = 1864;
// Month index 12 * Y + M - 22788 is the month that starts at month M's 节; its
// branch is M mod 12 (February after 立春 is 寅) and its stem advances by two
// a year (a 甲 or 己 year starts with 丙寅).
constexpr int kMonthIndexOffset = 22788;
// 1949-10-01 is a 甲子 day, so 1970-01-01 (7397 days later) is index 17 (辛巳).
constexpr int kDayIndexOf1970 = 17;
static_assert((DaysFromCivil(1970, 1, 1) - DaysFromCivil(1949, 10, 1)) % 60 == kDayIndexOf1970);

constexpr int Reduce60(int index) noexcept {
    return (index % 60 + 60) % 60;
}

}  // namespace

std::string CLunarCalendar::StemBranchName(int index) const {
    const int i = Reduce60(index);
    const CalendarNames& names = Names();
    return names.stems[i % 10] + names.branches[i % 12];
}

// The year changes on the day of 立春 and each month on the day of its 节, at
// any hour of that day. The day does not change at 23:00: hour 23 is the 子
// hour of the same calendar day (the other school moves it to the next day).
std::array<int, 4> CLunarCalendar::GetFourPillarIndices(const SYSTEMTIME& birth) const {
    const int year = birth.wYear;
    const int month = birth.wMonth;
    const int hour = birth.wHour;

    int yearIndex = month >= 3 ? year - kJiaziYear : year - kJiaziYear - 1;
    int monthIndex = 12 * year + month - kMonthIndexOffset - 1;

    const SYSTEMTIME epoch{1970, 1, 0, 1, 0, 0, 0, 0};
    const int dayIndex = Reduce60(DaysBetween(epoch, birth) + kDayIndexOf1970);

    SYSTEMTIME term = epoch;
    GetMonthTermDate(birth, term);
    const bool onOrAfterTerm = birth.wYear != term.wYear     ? birth.wYear > term.wYear
                               : birth.wMonth != term.wMonth ? birth.wMonth > term.wMonth
                                                             : birth.wDay >= term.wDay;
    if (onOrAfterTerm) {
        if (month == 2) yearIndex = year - kJiaziYear;
        monthIndex = 12 * year + month - kMonthIndexOffset;
    }

    int hourIndex = -1;
    if (hour >= 0 && hour <= 23) {
        // A 甲 or 己 day starts with 甲子, every later day class two stems on.
        const int branch = (hour + 1) / 2 % 12;
        const int stem = (dayIndex % 10 % 5 * 2 + branch) % 10;
        hourIndex = Reduce60(6 * stem - 5 * branch);  // i % 10 == stem, i % 12 == branch
    }
    return {Reduce60(yearIndex), Reduce60(monthIndex), dayIndex, hourIndex};
}

// Built in one string of the final size: no temporaries per pillar.
std::string CLunarCalendar::GetFourPillars(const SYSTEMTIME& birth) const {
    const CalendarNames& names = Names();
    std::string pillars;
    pillars.reserve(4 * (names.stems[0].size() + names.branches[0].size()));
    for (const int index : GetFourPillarIndices(birth)) {
        if (index < 0) continue;
        pillars += names.stems[index % 10];
        pillars += names.branches[index % 12];
    }
    return pillars;
}
