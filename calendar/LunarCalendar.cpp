// Gregorian <-> lunar conversion, the day count and the solar-term lookup
// over 1900-01-31 .. 2100-12-31. All arithmetic is on plain ints.
#include "LunarCalendar.h"

#include <algorithm>

#include "CalendarTables.h"
#include "CivilTime.h"
#include "GregorianCalendar.h"
#include "SolarTerms.h"

using namespace calendar;

namespace {

// How far the literal Gregorian-day search of LunarToSolar looks: the start
// day and the 99 days after it.
constexpr int kSearchWindowDays = 100;

// A lunar date located in the table: year index, 1-based month position in
// the year, day.
struct LunarPosition {
    int yearIndex;
    int position;
    int day;
};

// Locates day number c (1 .. kLastDayNumber) in the table.
LunarPosition Locate(int c) noexcept {
    const auto next = std::upper_bound(kLunarYearStart.begin(), kLunarYearStart.end(), c);
    const int yearIndex = static_cast<int>(next - kLunarYearStart.begin()) - 1;
    const std::uint32_t code = kLunarYearTable[yearIndex];
    int rest = c - kLunarYearStart[yearIndex] + 1;
    int position = 1;
    for (int length = MonthLength(code, position); rest > length; length = MonthLength(code, position)) {
        rest -= length;
        ++position;
    }
    return {yearIndex, position, rest};
}

// Gregorian date of day number c.
CivilDate CivilFromDayNumber(int c) noexcept {
    return CivilFromDays(kFirstDayCivil + c - 1);
}

// Days since 1970-01-01 of year-month-day, where the month carries into the
// year when outside 1-12 and the day counts on from the first of the month.
long long LenientDays(int year, int month, int day) noexcept {
    const int m0 = month - 1;
    const int carry = m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
    return static_cast<long long>(DaysFromCivil(year + carry, m0 - carry * 12 + 1, 1)) + day - 1;
}

}  // namespace

bool CLunarCalendar::SolarToLunar(const SYSTEMTIME& solar, SYSTEMTIME& lunar, int& leap) const {
    const int month = solar.wMonth;
    if (month < 1 || month > 12) return false;
    const int c = LunarDayNumber(solar.wYear, month, solar.wDay);
    if (c < 1 || c > kLastDayNumber) return false;

    const LunarPosition at = Locate(c);
    const std::uint32_t code = kLunarYearTable[at.yearIndex];
    const int leapMonth = LeapMonthOf(code);
    int lunarMonth = at.position;
    int isLeap = 0;
    if (MonthCount(code) == 13) {
        if (at.position == leapMonth + 1) {
            lunarMonth = leapMonth;
            isLeap = 1;
        } else if (at.position > leapMonth + 1) {
            lunarMonth = at.position - 1;
        }
    }
    lunar = SYSTEMTIME{static_cast<std::uint16_t>(kFirstLunarYear + at.yearIndex),
                       static_cast<std::uint16_t>(lunarMonth),
                       0,
                       static_cast<std::uint16_t>(at.day),
                       solar.wHour,
                       0,
                       0,
                       0};
    leap = isLeap;
    return true;
}

// The result is that of a forward search through the Gregorian days from the
// date with the lunar numbers (or the last day of that month when the day
// does not exist; or 1900-01-31 when that date is earlier) over 100 days,
// testing each with SolarToLunar. Instead of walking, the lunar date's day
// number is computed directly and accepted only if it lies in that window.
bool CLunarCalendar::LunarToSolar(const SYSTEMTIME& lunar, int leap, SYSTEMTIME& solar) const {
    const int year = lunar.wYear;
    const int month = lunar.wMonth;
    const int day = lunar.wDay;
    if (month < 1 || month > 12) return false;
    if (leap != 0 && leap != 1) return false;
    const int yearIndex = year - kFirstLunarYear;
    if (yearIndex < 0 || yearIndex >= kLunarYearCount) return false;

    const std::uint32_t code = kLunarYearTable[yearIndex];
    const int leapMonth = LeapMonthOf(code);
    if (leap == 1 && (leapMonth != month || MonthCount(code) != 13)) return false;
    const int position = month + ((leap == 1 || (leapMonth != 0 && month > leapMonth)) ? 1 : 0);
    if (day < 1 || day > MonthLength(code, position)) return false;

    int target = kLunarYearStart[yearIndex] + day - 1;
    for (int p = 1; p < position; ++p) target += MonthLength(code, p);

    const int startDay = std::min(day, calendar::DaysInGregorianMonth(year, month));
    const int start = std::max(LunarDayNumber(year, month, startDay), 1);
    if (target < start || target >= start + kSearchWindowDays || target > kLastDayNumber) return false;

    const CivilDate date = CivilFromDayNumber(target);
    solar = SYSTEMTIME{static_cast<std::uint16_t>(date.year),
                       static_cast<std::uint16_t>(date.month),
                       0,
                       static_cast<std::uint16_t>(date.day),
                       lunar.wHour,
                       0,
                       0,
                       0};
    return true;
}

int CLunarCalendar::DaysBetween(const SYSTEMTIME& from, const SYSTEMTIME& to) const {
    return static_cast<int>(LenientDays(to.wYear, to.wMonth, to.wDay) -
                            LenientDays(from.wYear, from.wMonth, from.wDay));
}

bool CLunarCalendar::GetMonthTermDate(const SYSTEMTIME& date, SYSTEMTIME& term) const {
    const int year = date.wYear;
    const int month = date.wMonth;
    if (year < kFirstTermYear || year > kLastTermYear || month < 1 || month > 12) return false;
    const DateTime t = FromSeconds(SectionMoment(year, month));
    term = SYSTEMTIME{date.wYear,
                      date.wMonth,
                      0,
                      static_cast<std::uint16_t>(t.day),
                      static_cast<std::uint16_t>(t.hour),
                      static_cast<std::uint16_t>(t.minute),
                      static_cast<std::uint16_t>(t.second),
                      0};
    return true;
}
