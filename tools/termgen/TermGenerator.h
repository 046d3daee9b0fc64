// Computes the tables that chart/ compiles in: the moments of the 24 solar
// terms of 1900-2100 with the Swiss Ephemeris, and China's summer-time periods
// from the system's time-zone database. Each table is returned as the full
// text of its .inc file, so a test can regenerate it and compare the bytes.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace termgen {

// The moment a term is reached, as a seconds count of China Standard Time
// (see calendar/CivilTime.h), rounded to the second. Swiss Ephemeris analytical
// (Moshier) ephemeris, apparent geocentric longitude of date; UT1 is taken
// for UTC (they differ by less than a second).
std::int64_t ComputeTermMoment(int year, int term);

// The moments of all 24 terms of a year, term 0 (小寒) first.
std::vector<std::int64_t> ComputeYear(int year);

// Text of calendar/SolarTermTable.inc.
std::string SolarTermTableText();

// The summer-time periods of Asia/Shanghai from 1900 to 1999 as the C
// library reads them from the time-zone database: pairs of UTC seconds counts
// (start, end). Throws std::runtime_error when the zone cannot be read.
std::vector<std::pair<std::int64_t, std::int64_t>> ChinaSummerTimePeriods();

// Text of chart/SummerTimeTable.inc.
std::string SummerTimeTableText();

}  // namespace termgen
