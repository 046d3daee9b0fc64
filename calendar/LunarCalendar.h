// CLunarCalendar: the Chinese lunisolar calendar engine. Converts between
// Gregorian and lunar dates (lunar years 1921-2049, Gregorian 1921-02-08 to
// 2050-01-22), computes the four pillars from the solar terms of 1901-2050,
// and writes the Chinese names of years, months, days, hours and signs.
// Stateless: every operation is a pure function of its arguments.
// Every text result is a GBK string.
#pragma once

#include <string>

#include "BirthRecord.h"
#include "SystemTime.h"

class CLunarCalendar {
public:
    virtual ~CLunarCalendar() = default;

    // Gregorian -> lunar. On success fills lunar = {year, month, 0, day,
    // solar.wHour, 0, 0, 0} and leap = 0/1. Fails (outputs untouched) outside
    // the table's span or for a month outside 1-12. A day past the end of its
    // month counts on into the next month (1975-02-31 is 1975-03-03).
    bool SolarToLunar(const SYSTEMTIME& solar, SYSTEMTIME& lunar, int& leap) const;

    // Lunar (with leap flag 0/1) -> Gregorian; fails, solar untouched, when no
    // such lunar date exists.
    bool LunarToSolar(const SYSTEMTIME& lunar, int leap, SYSTEMTIME& solar) const;

    // Stem (index mod 10) + branch (index mod 12); a negative index is
    // reduced into 0-59 first.
    std::string StemBranchName(int index) const;

    // Days from the calendar date of `from` to that of `to` (negative when
    // `to` is earlier).
    int DaysBetween(const SYSTEMTIME& from, const SYSTEMTIME& to) const;

    // The day of the month's first solar term (节) for years 1901-2050.
    bool GetMonthTermDate(const SYSTEMTIME& date, SYSTEMTIME& term) const;

    // Eight characters (16 GBK bytes): year, month, day and hour pillars.
    std::string GetFourPillars(const SYSTEMTIME& birth) const;

    std::string GetYearStemBranch(const SYSTEMTIME& date) const;  // "庚辰" or "错误年份"
    std::string GetLunarMonthName(const SYSTEMTIME& date) const;  // "正月".."腊月", "*", "Error Month"
    std::string GetLunarDayName(const SYSTEMTIME& date) const;    // "初一".."三十" or "错误天数"
    std::string GetHourName(const SYSTEMTIME& date) const;        // "子时".."亥时" or "错误时辰"
    std::string GetZodiacSign(const SYSTEMTIME& date) const;      // Western sign, "" when no range fits
    std::string FormatLunarDate(const SYSTEMTIME& lunar, int leap) const;
    std::string GetWeekdayName(int dayOfWeek) const;  // 0 = "星期天" ... 6 = "星期六"
};
