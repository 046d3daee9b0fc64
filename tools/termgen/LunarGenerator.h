// Computes the lunar calendar's table for 1900-2100 with the Swiss Ephemeris:
// new moons start the months (the day that holds the new moon, on the
// calendar's meridian), the month that holds 冬至 is month 11, and in a year of
// 13 months from one 冬至 month to the next the first month without a 中气 is
// the leap month. Returned as the full text of calendar/LunarYearTable.inc so
// a test can regenerate it and compare the bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace termgen {

// ΔT = TT - UT in seconds at a decimal year, by the polynomials of Espenak and
// Meeus (NASA Five Millennium Canon of Solar Eclipses, 2006), 1860-2150 and on.
double DeltaTSeconds(double decimalYear);

// Seconds east of UTC of the calendar's meridian at a UTC moment (seconds
// since 1970-01-01 UTC): Beijing mean time (UTC+7:45:40) for 1912-1928, China
// Standard Time (UTC+8) otherwise.
std::int64_t MeridianOffsetSeconds(std::int64_t utcSeconds);

// A new moon: its moment (UTC seconds since 1970-01-01, rounded) and the
// civil day (days since 1970-01-01) that holds it on the calendar's meridian.
struct NewMoon {
    std::int64_t utcSeconds;
    int day;
};
// Every new moon whose moment lies in [fromUtc, toUtc).
std::vector<NewMoon> ComputeNewMoons(std::int64_t fromUtc, std::int64_t toUtc);

// One month of the lunar calendar.
struct LunarMonth {
    int firstDay;  // civil day of its first day (days since 1970-01-01)
    int number;    // 1-12
    bool leap;
};
// The months from the 冬至 month before lunar year `firstYear` to the 冬至
// month after lunar year `lastYear` (which closes that year's last month).
std::vector<LunarMonth> ComputeLunarMonths(int firstYear, int lastYear);

// The year codes of lunar years firstYear..lastYear in the calendar's format:
// bits 16 and up the month followed by the leap month (0 = none), low 12 or 13
// bits the month lengths from the first month in the highest bit, 1 = 30 days.
// firstDay receives the civil day of firstYear's 正月初一.
std::vector<std::uint32_t> ComputeLunarYearCodes(int firstYear, int lastYear, int& firstDay);

// Text of calendar/LunarYearTable.inc.
std::string LunarYearTableText();

}  // namespace termgen
