// Key enumeration over the calendar engine: the names of every lunar month,
// day and hour it writes, and each day pillar (and its stem) with the hour
// pillars the engine gives a day of that stem.
#include "ReadingKeys.h"

#include <array>

#include "GbkCodec.h"
#include "HourPillars.h"
#include "LunarCalendar.h"

namespace textgen {
namespace {

// The Gregorian day after d (d valid, years 1901-2099 where every fourth year is leap).
SYSTEMTIME NextDay(SYSTEMTIME d) {
    constexpr std::array<int, 13> kDays = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int length = d.wMonth == 2 && d.wYear % 4 == 0 ? 29 : kDays[d.wMonth];
    if (++d.wDay > length) {
        d.wDay = 1;
        if (++d.wMonth > 12) {
            d.wMonth = 1;
            ++d.wYear;
        }
    }
    return d;
}

constexpr auto Date = [](int y, int m, int d, int h = 0) { return MakeSystemTime(y, m, d, h); };

ReadingKeys Enumerate() {
    const CLunarCalendar cal;
    ReadingKeys k;
    for (int i = 0; i < 60; ++i) k.years.insert(platform::Utf8(cal.StemBranchName(i)));
    for (int m = 1; m <= 12; ++m) k.months.insert(platform::Utf8(cal.GetLunarMonthName(Date(2000, m, 1))));
    for (int d = 1; d <= 30; ++d) k.days.insert(platform::Utf8(cal.GetLunarDayName(Date(2000, 1, d))));
    for (int h = 0; h < 24; ++h) k.hours.insert(platform::Utf8(cal.GetHourName(Date(2000, 1, 1, h))));
    // Each day pillar with the 13 hour pillars a day of its stem shows (晚子时 at 23:00).
    for (int day = 0; day < calendar::kCycleLength; ++day)
        for (const int hour : calendar::HourPillarsOfDayStem(day % calendar::kStemCount)) {
            const std::string hourPillar = calendar::PillarNameUtf8(hour);
            k.stemHours.insert(
                {std::string(calendar::kStemNamesUtf8[day % calendar::kStemCount]), hourPillar});
            k.pillarHours.insert({calendar::PillarNameUtf8(day), hourPillar});
        }
    return k;
}

}  // namespace

const ReadingKeys& EngineKeys() {
    static const ReadingKeys keys = Enumerate();
    return keys;
}

bool KeysOfBirth(int year, int month, int day, int hour, BirthKeys& out) {
    const CLunarCalendar cal;
    const SYSTEMTIME birth = Date(year, month, day, hour);
    SYSTEMTIME lunar;
    int leap = 0;
    if (!cal.SolarToLunar(birth, lunar, leap)) return false;
    out.yearName = platform::Utf8(cal.GetYearStemBranch(lunar));
    out.monthName = platform::Utf8(cal.GetLunarMonthName(lunar));
    out.dayName = platform::Utf8(cal.GetLunarDayName(lunar));
    out.hourName = platform::Utf8(cal.GetHourName(birth));
    const std::string pillars = platform::Utf8(cal.GetFourPillars(birth));
    out.yearPillar = pillars.substr(0, 6);
    out.dayPillar = pillars.substr(12, 6);
    out.hourPillar = pillars.substr(18, 6);
    return true;
}

std::set<int> ReachableTotals(const std::map<std::string, int>& weights) {
    const CLunarCalendar cal;
    std::map<std::string, int> gbk;  // the same weights under the engine's GBK names
    for (const auto& [name, w] : weights) gbk[platform::Gbk(name)] = w;
    auto weight = [&gbk](const std::string& name) {
        const auto it = gbk.find(name);
        return it == gbk.end() ? 0 : it->second;
    };
    std::set<int> hourWeights;
    for (int h = 0; h < 24; h += 2) hourWeights.insert(weight(cal.GetHourName(Date(2000, 1, 1, h))));
    std::set<int> totals;
    // Every day of the engine's lunar years, 1921-02-08 to 2050-01-22.
    for (SYSTEMTIME d = Date(1921, 2, 8); !(d == Date(2050, 1, 23)); d = NextDay(d)) {
        SYSTEMTIME lunar;
        int leap = 0;
        if (!cal.SolarToLunar(d, lunar, leap)) continue;
        const int w = weight(cal.GetYearStemBranch(lunar)) + weight(cal.GetLunarMonthName(lunar)) +
                      weight(cal.GetLunarDayName(lunar));
        for (int hw : hourWeights) totals.insert(w + hw);
    }
    return totals;
}

}  // namespace textgen
