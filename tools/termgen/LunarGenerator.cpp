// The lunar calendar's generator: new moons and 中气 with the Swiss Ephemeris
// in Terrestrial Time, taken to UT with the Espenak-Meeus ΔT, and the month
// rules on the calendar's meridian.
#include "LunarGenerator.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "CivilTime.h"
#include "SolarTerms.h"

namespace termgen {
namespace {

using calendar::kSecondsPerDay;
using calendar::kSecondsPerHour;

constexpr double kUnixEpochJd = 2440587.5;  // 1970-01-01 00:00 UT
constexpr int kEphemerisFlags = SEFLG_MOSEPH | SEFLG_SPEED;
// Mean new moon (Meeus, Astronomical Algorithms, ch. 49): k = 0 on 2000-01-06.
constexpr double kMeanNewMoonEpochJd = 2451550.09766;
constexpr double kSynodicMonthDays = 29.530588861;
// Newton steps stop below this correction (about a millisecond).
constexpr double kNewMoonToleranceDays = 1e-8;
constexpr int kMaxNewtonSteps = 30;

constexpr std::int64_t kChinaStandardOffset = 8 * kSecondsPerHour;
constexpr std::int64_t kBeijingMeanTimeOffset = 7 * kSecondsPerHour + 45 * 60 + 40;  // 116°25'E
constexpr int kFirstMeanTimeYear = 1912;
constexpr int kLastMeanTimeYear = 1928;

constexpr int kWinterSolstice = 23;  // term index of 冬至
constexpr int kShortMonth = 29, kLongMonth = 30;
constexpr int kLeapShift = 16;

double JdOfUtcSeconds(double utc) {
    return utc / kSecondsPerDay + kUnixEpochJd;
}
double UtcSecondsOfJd(double jd) {
    return (jd - kUnixEpochJd) * kSecondsPerDay;
}

// The Espenak-Meeus decimal year of a moment: year + (month - 0.5) / 12.
double DecimalYearOf(double utcSeconds) {
    const calendar::DateTime t = calendar::FromSeconds(static_cast<std::int64_t>(std::floor(utcSeconds)));
    return t.year + (t.month - 0.5) / 12.0;
}

// UT of a moment given in TT (Julian days).
double UtcSecondsOfTt(double jdTt) {
    const double approximate = UtcSecondsOfJd(jdTt);
    return approximate - DeltaTSeconds(DecimalYearOf(approximate));
}

struct LongitudeAndSpeed {
    double longitude, speed;  // degrees, degrees per day
};
LongitudeAndSpeed Apparent(int body, double jdTt) {
    double xx[6] = {};
    char error[AS_MAXCH] = {};
    if (swe_calc(jdTt, body, kEphemerisFlags, xx, error) < 0)
        throw std::runtime_error(std::string("swe_calc failed: ") + error);
    return {xx[0], xx[3]};
}

// The new moon nearest a first guess, in TT: the Moon's apparent longitude
// minus the Sun's is brought to zero by Newton's method.
double NewMoonTt(double guessJd) {
    double jd = guessJd;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const LongitudeAndSpeed sun = Apparent(SE_SUN, jd);
        const LongitudeAndSpeed moon = Apparent(SE_MOON, jd);
        double elongation = std::fmod(moon.longitude - sun.longitude, 360.0);
        if (elongation > 180) elongation -= 360;
        if (elongation <= -180) elongation += 360;
        const double correction = elongation / (moon.speed - sun.speed);
        jd -= correction;
        if (std::abs(correction) < kNewMoonToleranceDays) return jd;
    }
    throw std::runtime_error("the new moon search did not converge");
}

int LocalDay(std::int64_t utcSeconds) {
    const std::int64_t local = utcSeconds + MeridianOffsetSeconds(utcSeconds);
    return static_cast<int>((local - ((local % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay) /
                            kSecondsPerDay);
}

// The civil day (on the meridian) of a term's moment in a year: TT crossing
// found from a week before the term's earliest date, as the term table does.
int TermDay(int year, int term) {
    const double start = swe_julday(year, 1, 1, 0.0, SE_GREG_CAL) + term * 15.2 - 7.0;
    char error[AS_MAXCH] = {};
    const double jd = swe_solcross(calendar::TermLongitude(term), start, SEFLG_MOSEPH, error);
    if (jd < start) throw std::runtime_error(std::string("swe_solcross failed: ") + error);
    return LocalDay(std::llround(UtcSecondsOfTt(jd)));
}

std::string Hex(std::uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%05X", code);
    return text;
}

}  // namespace

double DeltaTSeconds(double y) {
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * std::pow(t, 3) -
               0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * std::pow(t, 3) -
               0.000197 * std::pow(t, 4);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * std::pow(t, 3);
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + std::pow(t, 3) / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - std::pow(t, 3) / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * std::pow(t, 3) +
               0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    if (y < 2150) return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

std::int64_t MeridianOffsetSeconds(std::int64_t utcSeconds) {
    const int year = calendar::FromSeconds(utcSeconds + kChinaStandardOffset).year;
    return year >= kFirstMeanTimeYear && year <= kLastMeanTimeYear ? kBeijingMeanTimeOffset
                                                                   : kChinaStandardOffset;
}

std::vector<NewMoon> ComputeNewMoons(std::int64_t fromUtc, std::int64_t toUtc) {
    std::vector<NewMoon> moons;
    const double firstK =
        std::floor((JdOfUtcSeconds(static_cast<double>(fromUtc)) - kMeanNewMoonEpochJd) / kSynodicMonthDays) -
        1;
    for (double k = firstK;; ++k) {
        const double jdTt = NewMoonTt(kMeanNewMoonEpochJd + k * kSynodicMonthDays);
        const std::int64_t utc = std::llround(UtcSecondsOfTt(jdTt));
        if (utc >= toUtc) break;
        if (utc >= fromUtc) moons.push_back({utc, LocalDay(utc)});
    }
    return moons;
}

std::vector<LunarMonth> ComputeLunarMonths(int firstYear, int lastYear) {
    using calendar::DaysFromCivil;
    // From two months before the 冬至 that precedes firstYear to two months
    // after the 冬至 that follows the 正月 after lastYear.
    const std::vector<NewMoon> moons =
        ComputeNewMoons(std::int64_t{DaysFromCivil(firstYear - 1, 10, 1)} * kSecondsPerDay,
                        std::int64_t{DaysFromCivil(lastYear + 2, 3, 1)} * kSecondsPerDay);
    std::vector<int> starts;
    for (const NewMoon& m : moons) starts.push_back(m.day);
    std::vector<int> zhongqi;  // days of the 中气 (the odd terms)
    for (int year = firstYear - 1; year <= lastYear + 1; ++year)
        for (int term = 1; term < calendar::kTermsPerYear; term += 2) zhongqi.push_back(TermDay(year, term));
    std::sort(zhongqi.begin(), zhongqi.end());

    auto monthHolding = [&starts](int day) {
        const auto next = std::upper_bound(starts.begin(), starts.end(), day);
        if (next == starts.begin() || next == starts.end())
            throw std::runtime_error("a 冬至 lies outside the computed new moons");
        return static_cast<int>(next - starts.begin()) - 1;
    };
    auto hasZhongqi = [&](int month) {
        const auto at = std::lower_bound(zhongqi.begin(), zhongqi.end(), starts[month]);
        return at != zhongqi.end() && *at < starts[month + 1];
    };

    std::vector<LunarMonth> months;
    for (int year = firstYear; year <= lastYear + 1; ++year) {
        const int from = monthHolding(TermDay(year - 1, kWinterSolstice));
        const int to = monthHolding(TermDay(year, kWinterSolstice));
        if (to - from != 12 && to - from != 13) throw std::runtime_error("a year without 12 or 13 months");
        int leapMonth = -1;
        if (to - from == 13)
            for (int k = from + 1; k < to && leapMonth < 0; ++k)
                if (!hasZhongqi(k)) leapMonth = k;
        int number = 11;
        for (int k = from; k < to; ++k) {
            const bool leap = k == leapMonth;
            if (k > from && !leap) number = number % 12 + 1;
            months.push_back({starts[k], number, leap});
        }
    }
    months.push_back({starts[monthHolding(TermDay(lastYear + 1, kWinterSolstice))], 11, false});
    return months;
}

std::vector<std::uint32_t> ComputeLunarYearCodes(int firstYear, int lastYear, int& firstDay) {
    const std::vector<LunarMonth> months = ComputeLunarMonths(firstYear, lastYear);
    std::vector<std::size_t> newYears;  // indices of the 正月 of each year
    for (std::size_t i = 0; i + 1 < months.size(); ++i)
        if (months[i].number == 1 && !months[i].leap) newYears.push_back(i);
    if (newYears.size() < static_cast<std::size_t>(lastYear - firstYear + 2))
        throw std::runtime_error("too few lunar new years");
    std::vector<std::uint32_t> codes;
    for (int year = firstYear; year <= lastYear; ++year) {
        const std::size_t first = newYears[year - firstYear];
        const std::size_t end = newYears[year - firstYear + 1];
        if (calendar::CivilFromDays(months[first].firstDay).year != year)
            throw std::runtime_error("lunar year " + std::to_string(year) + " begins in another year");
        const int count = static_cast<int>(end - first);
        std::uint32_t code = 0;
        for (std::size_t k = first; k < end; ++k) {
            const int length = months[k + 1].firstDay - months[k].firstDay;
            if (length != kShortMonth && length != kLongMonth)
                throw std::runtime_error("a month of odd length");
            if (length == kLongMonth) code |= 1u << (count - 1 - static_cast<int>(k - first));
            if (months[k].leap) code |= static_cast<std::uint32_t>(months[k].number) << kLeapShift;
        }
        codes.push_back(code);
    }
    firstDay = months[newYears[0]].firstDay;
    return codes;
}

std::string LunarYearTableText() {
    constexpr int kFirstYear = 1900, kLastYear = 2100, kPerLine = 10;
    int firstDay = 0;
    const std::vector<std::uint32_t> codes = ComputeLunarYearCodes(kFirstYear, kLastYear, firstDay);
    std::string text =
        "// Generated by karvuto-termgen (tools/termgen); do not edit. Rewrite it with\n"
        "//   cmake --build <build-dir> --target karvuto_termgen_tables\n"
        "// Lunar years 1900-2100: new moons and 中气 by the Swiss Ephemeris (analytical\n"
        "// ephemeris) with the ΔT of Espenak and Meeus, days on the meridian of\n"
        "// UTC+7:45:40 for 1912-1928 and UTC+8 otherwise. kLunarYearTable[year - 1900]:\n"
        "// bits 16 and up the month followed by the leap month (0 = none); low 12 or 13\n"
        "// bits the month lengths, the first month in the highest bit, 1 = 30 days.\n";
    text += "inline constexpr int kFirstLunarNewYearDay = " + std::to_string(firstDay) + ";  // " +
            calendar::FormatDate(calendar::FromSeconds(std::int64_t{firstDay} * kSecondsPerDay)) +
            ", days since 1970-01-01\n";
    text += "inline constexpr std::array<std::uint32_t, " + std::to_string(codes.size()) +
            "> kLunarYearTable = {\n";
    for (std::size_t i = 0; i < codes.size(); i += kPerLine) {
        text += "   ";
        const std::size_t end = std::min(codes.size(), i + kPerLine);
        for (std::size_t k = i; k < end; ++k) text += " " + Hex(codes[k]) + ",";
        text += "  // " + std::to_string(kFirstYear + i) + "-" + std::to_string(kFirstYear + end - 1) + "\n";
    }
    text += "};\n";
    return text;
}

}  // namespace termgen
