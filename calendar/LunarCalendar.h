// CLunarCalendar: the Chinese lunisolar calendar engine. Converts between
// Gregorian and lunar dates over 1900-01-31 .. 2100-12-31 (lunar 1900/1/1 ..
// 2100/11/x), computes the four pillars at the exact moment of the solar terms
// over the same span, and writes the Chinese names of years, months, days,
// hours and signs.
// Stateless: every operation is a pure function of its arguments.
// Every text result is a GBK string.
#pragma once

#include <array>
#include <string>

#include "BirthRecord.h"
#include "SystemTime.h"
#include "ZiHour.h"

class CLunarCalendar {
public:
    virtual ~CLunarCalendar() = default;

    // Gregorian -> lunar. On success fills lunar = {year, month, 0, day,
    // solar.wHour, 0, 0, 0} and leap = 0/1. Fails (outputs untouched) outside
    // 1900-01-31 .. 2100-12-31 or for a month outside 1-12. A day past the end
    // of its month counts on into the next month (1975-02-31 is 1975-03-03).
    bool SolarToLunar(const SYSTEMTIME& solar, SYSTEMTIME& lunar, int& leap) const;

    // Lunar (with leap flag 0/1) -> Gregorian. On success fills solar =
    // {year, month, 0, day, lunar.wHour, 0, 0, 0}; fails, solar untouched,
    // when no such lunar date exists (a day past the month's length, a leap
    // flag for a month that is not the year's leap month, a year outside the
    // table, a leap flag other than 0 or 1) or its day lies after 2100-12-31.
    bool LunarToSolar(const SYSTEMTIME& lunar, int leap, SYSTEMTIME& solar) const;

    // Stem (index mod 10) + branch (index mod 12); a negative index is
    // reduced into 0-59 first.
    std::string StemBranchName(int index) const;

    // Days from the calendar date of `from` to that of `to` (negative when
    // `to` is earlier); hours play no part. A day past the end of its month
    // counts on into the next month, a month past 12 into the next year.
    int DaysBetween(const SYSTEMTIME& from, const SYSTEMTIME& to) const;

    // The moment of the month's first solar term (节) for years 1900-2101:
    // term = {year, month, 0, day, hour, minute, second, 0}, China Standard
    // Time. Fails, term untouched, for other years and months outside 1-12.
    bool GetMonthTermDate(const SYSTEMTIME& date, SYSTEMTIME& term) const;

    // Eight characters (16 GBK bytes) of the Gregorian birth moment (date,
    // hour, minute and second, China Standard Time): year, month, day and hour
    // pillars. The year changes at the moment of 立春 and the month at the
    // moment of its 节; 23:00-23:59 follows the 子 school `zi` (晚子时 unless
    // asked). The hour pillar is left off for an hour outside 0-23. Empty for
    // a moment outside 1900-01-31 .. 2100-12-31, a month outside 1-12 or a
    // minute or second above 59: the calendar refuses rather than guesses.
    std::string GetFourPillars(const SYSTEMTIME& birth, calendar::ZiHour zi = calendar::ZiHour::Late) const;
    // The same pillars as sexagenary indices 0-59 (0 = 甲子): year, month,
    // day, hour; the hour is -1 for an hour outside 0-23, and all four are -1
    // where GetFourPillars is empty. Never allocates.
    std::array<int, 4> GetFourPillarIndices(const SYSTEMTIME& birth,
                                            calendar::ZiHour zi = calendar::ZiHour::Late) const;

    std::string GetYearStemBranch(const SYSTEMTIME& date) const;  // "庚辰" or "错误年份"
    std::string GetLunarMonthName(const SYSTEMTIME& date) const;  // "正月".."腊月", "*", "Error Month"
    std::string GetLunarDayName(const SYSTEMTIME& date) const;    // "初一".."三十" or "错误天数"
    std::string GetHourName(const SYSTEMTIME& date) const;        // "子时".."亥时" or "错误时辰"
    std::string GetZodiacSign(const SYSTEMTIME& date) const;      // Western sign, "" when no range fits
    // The full lunar-date line, "兔(己卯)年   十一月廿五" or with 闰 before the
    // month; "错误年份", "错误月份" or "错误天数" for a year below 4, a month
    // above 12 or a day above 30.
    std::string FormatLunarDate(const SYSTEMTIME& lunar, int leap) const;
    std::string GetWeekdayName(int dayOfWeek) const;  // 0 = "星期天" ... 6 = "星期六"; "" otherwise
};
