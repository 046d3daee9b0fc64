// The conventions a chart is cast under, and the clock arithmetic behind them:
// which day and hour pillar 23:00-24:00 takes, clock time or true solar time
// for a birthplace, and China's summer time (1919, 1940-1949, 1986-1991).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "CalendarTime.h"

namespace chart {

// The three schools of the 子 hour that starts at 23:00 (calendar::ZiHour):
// 晚子时 (the default), 子初换日, and the same day's 子 stem.
std::string_view ZiHourKey(ZiHour zi);   // "late", "next-day", "same-day"
std::string_view ZiHourName(ZiHour zi);  // "晚子时", "子初换日", "子时取当日干"
std::optional<ZiHour> ParseZiHour(std::string_view key);

struct Conventions {
    ZiHour zi = ZiHour::Late;
    // Set: true solar time for a birthplace at this longitude (east positive,
    // -180 … 180), reckoned from standard time; unset: standard time.
    std::optional<double> longitude;
    // A birth in China's summer time is cast for the standard time an hour
    // earlier (the default); otherwise the clock time stands and the chart
    // says so.
    bool dstCorrect = true;
};
std::string_view TimeBasisKey(const Conventions& c);  // "clock" or "true-solar"

// The equation of time (apparent minus mean solar time) in minutes at a
// moment given as a seconds count of China Standard Time; Smart's formula as
// given by Meeus, Astronomical Algorithms, ch. 28 (a few seconds' error).
double EquationOfTimeMinutes(std::int64_t chinaSeconds);
// The minutes a place's local mean time runs ahead of China Standard Time:
// 4 minutes a degree east of 120°E.
double LongitudeCorrectionMinutes(double longitude);
// True solar time at a longitude for a moment of China Standard Time, to the
// second (the same kind of seconds count, read on the sundial's clock).
std::int64_t TrueSolarSeconds(std::int64_t chinaSeconds, double longitude);

// A provincial capital (or the seat of a municipality or special region).
struct Place {
    std::string_view name;
    double longitude;  // degrees east
};
// China's 34 provincial-level capitals, north-east to south-west roughly as
// the provinces are listed.
const std::array<Place, 34>& ProvincialCapitals();
// The capital of this name ("北京", "广州", …), if any.
std::optional<Place> FindCapital(std::string_view name);

// How a clock time in China stands to its summer time.
enum class SummerClock {
    Standard,  // standard time
    Summer,    // summer time (standard time is an hour earlier)
    Repeated,  // the hour that came twice when the clocks went back; read as summer time
    Skipped,   // the hour the clocks skipped going forward: no such clock time
};
struct SummerTimeInfo {
    SummerClock clock = SummerClock::Standard;
    std::int64_t start = 0, end = 0;  // the period's clock change moments, China Standard Time
};
// The summer-time standing of a clock-time seconds count, from the system's
// time-zone database at generation (SummerTimeTable.inc).
SummerTimeInfo ChinaSummerTime(std::int64_t clockSeconds);

// Every period of China's summer time: the clock changes as seconds counts
// of China Standard Time (forward: the standard clock's reading when it was
// put forward; back: the standard clock's reading after it was put back).
struct SummerPeriod {
    std::int64_t forward, back;
};
std::vector<SummerPeriod> ChinaSummerPeriods();

}  // namespace chart
