// Names of years, lunar months and days, hours, signs and weekdays, and the
// full lunar-date line. Out-of-range input gives a fixed error text, never a
// read outside a table.
#include "CalendarNames.h"
#include "LunarCalendar.h"

using namespace calendar;

namespace {

// Year 4 is a 甲子 year; the remainder truncates toward zero, so the years
// 0-3 give a negative s and an error text.
constexpr int kJiaziYearOfEra = 4;
constexpr int kLastLunarMonth = 12;
constexpr int kLastLunarDay = 30;

int CycleOfYear(int year) noexcept {
    return (year - kJiaziYearOfEra) % 60;
}

}  // namespace

std::string CLunarCalendar::GetYearStemBranch(const SYSTEMTIME& date) const {
    const int s = CycleOfYear(date.wYear);
    if (s < 0) return Names().yearError;
    return Names().stems[s % 10] + Names().branches[s % 12];
}

std::string CLunarCalendar::GetLunarMonthName(const SYSTEMTIME& date) const {
    if (date.wMonth > kLastLunarMonth) return "Error Month";
    return Names().monthNames[date.wMonth];
}

std::string CLunarCalendar::GetLunarDayName(const SYSTEMTIME& date) const {
    if (date.wDay < 1 || date.wDay > kLastLunarDay) return Names().dayError;
    return Names().dayNames[date.wDay];
}

std::string CLunarCalendar::GetHourName(const SYSTEMTIME& date) const {
    if (date.wHour > 23) return Names().hourError;
    return Names().hourNames[(date.wHour + 1) / 2 % 12];
}

std::string CLunarCalendar::GetZodiacSign(const SYSTEMTIME& date) const {
    return ZodiacSignForKey(100 * date.wMonth + date.wDay);
}

// "兔(己卯)年   十一月廿五": animal(stem branch)年, a space, then 闰 or two
// spaces as wide as it, the month numeral, 月 and the day name.
std::string CLunarCalendar::FormatLunarDate(const SYSTEMTIME& lunar, int leap) const {
    const CalendarNames& names = Names();
    const int s = CycleOfYear(lunar.wYear);
    if (s < 0) return names.yearError;
    if (lunar.wMonth > kLastLunarMonth) return names.monthError;
    if (lunar.wDay > kLastLunarDay) return names.dayError;

    std::string line = names.animals[s % 12] + "(" + names.stems[s % 10] + names.branches[s % 12] + ")" +
                       names.yearMark + " ";
    line += leap != 0 ? names.leapMark : std::string("  ");
    line += names.monthNumerals[lunar.wMonth] + names.monthMark + names.dayNames[lunar.wDay];
    return line;
}

std::string CLunarCalendar::GetWeekdayName(int dayOfWeek) const {
    if (dayOfWeek < 0 || dayOfWeek > 6) return {};
    return Names().weekdays[dayOfWeek];
}
