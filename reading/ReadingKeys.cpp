// Key enumeration over the calendar engine: the names of every lunar month,
// day and hour it writes, the pillars of 60 consecutive days (one whole cycle
// of day pillars) at every clock hour, and the lunar dates of its years.
#include "ReadingKeys.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "GbkCodec.h"
#include "LunarCalendar.h"

namespace reading {
namespace {

constexpr int kCycle = 60;  // stem-branch pairs
constexpr int kMonths = 12;
constexpr int kLongestMonth = 30;
constexpr int kHoursPerDay = 24;
// Lunar years tried for the dates a birth can give; the engine refuses those
// outside its table, so the range only has to hold it.
constexpr int kFirstYearTried = 1900;
constexpr int kLastYearTried = 2100;

constexpr auto Date = [](int y, int m, int d, int h = 0) { return MakeSystemTime(y, m, d, h); };

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

// The names the engine writes, in UTF-8, converted once.
struct Utf8Names {
    std::array<std::string, kCycle> pairs;            // by sexagenary index
    std::array<std::string, kMonths + 1> months;      // by month number, [0] unused
    std::array<std::string, kLongestMonth + 1> days;  // by day number, [0] unused
    std::array<std::string, kHoursPerDay> hours;      // by clock hour
};

const Utf8Names& Names() {
    static const Utf8Names names = [] {
        const CLunarCalendar cal;
        Utf8Names n;
        for (int i = 0; i < kCycle; ++i) n.pairs[i] = platform::Utf8(cal.StemBranchName(i));
        for (int m = 1; m <= kMonths; ++m)
            n.months[m] = platform::Utf8(cal.GetLunarMonthName(Date(2000, m, 1)));
        for (int d = 1; d <= kLongestMonth; ++d)
            n.days[d] = platform::Utf8(cal.GetLunarDayName(Date(2000, 1, d)));
        for (int h = 0; h < kHoursPerDay; ++h)
            n.hours[h] = platform::Utf8(cal.GetHourName(Date(2000, 1, 1, h)));
        return n;
    }();
    return names;
}

// The first UTF-8 character of a pillar: its stem.
std::string StemOf(const std::string& pillar) {
    char32_t cp = 0;
    return pillar.substr(0, platform::Utf8SequenceLength(pillar, cp));
}

ReadingKeys Enumerate() {
    const CLunarCalendar cal;
    const Utf8Names& n = Names();
    ReadingKeys k;
    for (int i = 0; i < kCycle; ++i) k.years.insert(n.pairs[i]);
    for (int m = 1; m <= kMonths; ++m) k.months.insert(n.months[m]);
    for (int d = 1; d <= kLongestMonth; ++d) k.days.insert(n.days[d]);
    for (int h = 0; h < kHoursPerDay; ++h) k.hours.insert(n.hours[h]);
    SYSTEMTIME day = Date(2000, 3, 1);
    for (int i = 0; i < kCycle; ++i, day = NextDay(day))
        for (int h = 0; h < kHoursPerDay; ++h) {
            SYSTEMTIME birth = day;
            birth.wHour = static_cast<std::uint16_t>(h);
            const auto [year, month, dayPillar, hourPillar] = cal.GetFourPillarIndices(birth);
            k.years.insert(n.pairs[year]);
            k.stemHours.insert({StemOf(n.pairs[dayPillar]), n.pairs[hourPillar]});
            k.pillarHours.insert({n.pairs[dayPillar], n.pairs[hourPillar]});
        }
    return k;
}

// A lunar date as the bone weight names it: year pair, month and day numbers.
struct LunarNameDate {
    int yearPair, month, day;
};

// Every (year name, month, day) a convertible lunar date has. Days 1-29
// exist in every month; day 30 only in a long one; a year's name is its
// pair, the same for each of its months.
const std::vector<LunarNameDate>& LunarNameDates() {
    static const std::vector<LunarNameDate> dates = [] {
        const CLunarCalendar cal;
        std::map<std::string, int> pairOfName;  // GBK
        for (int i = 0; i < kCycle; ++i) pairOfName[cal.StemBranchName(i)] = i;
        std::array<std::array<std::array<bool, kLongestMonth + 1>, kMonths + 1>, kCycle> seen{};
        for (int y = kFirstYearTried; y <= kLastYearTried; ++y) {
            const auto name = pairOfName.find(cal.GetYearStemBranch(Date(y, 1, 1)));
            if (name == pairOfName.end()) continue;
            const int pair = name->second;
            for (int m = 1; m <= kMonths; ++m)
                for (int leap = 0; leap <= 1; ++leap) {
                    SYSTEMTIME solar{};
                    if (!cal.LunarToSolar(Date(y, m, 1), leap, solar)) continue;
                    for (int d = 1; d <= kLongestMonth; ++d)
                        if (d < kLongestMonth || cal.LunarToSolar(Date(y, m, d), leap, solar))
                            seen[pair][m][d] = true;
                }
        }
        std::vector<LunarNameDate> out;
        for (int p = 0; p < kCycle; ++p)
            for (int m = 1; m <= kMonths; ++m)
                for (int d = 1; d <= kLongestMonth; ++d)
                    if (seen[p][m][d]) out.push_back({p, m, d});
        return out;
    }();
    return dates;
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
    constexpr std::size_t kPillarBytes = 6;  // two ideographs of three UTF-8 bytes
    const std::string pillars = platform::Utf8(cal.GetFourPillars(birth));
    out.yearPillar = pillars.substr(0, kPillarBytes);
    out.dayPillar = pillars.substr(2 * kPillarBytes, kPillarBytes);
    out.hourPillar = pillars.substr(3 * kPillarBytes, kPillarBytes);
    return true;
}

std::set<int> ReachableTotals(const std::map<std::string, int>& weights,
                              const std::set<std::string>& unreadable) {
    const Utf8Names& n = Names();
    // A name's weight, or nothing for an unreadable one.
    auto weight = [&](const std::string& name) -> std::optional<std::uint32_t> {
        if (unreadable.contains(name)) return std::nullopt;
        const auto it = weights.find(name);
        return static_cast<std::uint32_t>(it == weights.end() ? 0 : it->second);
    };
    // Weights by name index, then the distinct sums of year, month and day.
    std::array<std::optional<std::uint32_t>, kCycle> year{};
    std::array<std::optional<std::uint32_t>, kMonths + 1> month{};
    std::array<std::optional<std::uint32_t>, kLongestMonth + 1> day{};
    for (int i = 0; i < kCycle; ++i) year[i] = weight(n.pairs[i]);
    for (int m = 1; m <= kMonths; ++m) month[m] = weight(n.months[m]);
    for (int d = 1; d <= kLongestMonth; ++d) day[d] = weight(n.days[d]);
    std::vector<std::uint32_t> partial;
    partial.reserve(LunarNameDates().size());
    for (const LunarNameDate& date : LunarNameDates()) {
        const auto y = year[date.yearPair], m = month[date.month], d = day[date.day];
        if (y && m && d) partial.push_back(*y + *m + *d);
    }
    std::sort(partial.begin(), partial.end());
    partial.erase(std::unique(partial.begin(), partial.end()), partial.end());

    std::set<std::uint32_t> hour;
    for (int h = 0; h < kHoursPerDay; ++h)
        if (const auto w = weight(n.hours[h])) hour.insert(*w);
    std::set<int> totals;
    for (const std::uint32_t p : partial)
        for (const std::uint32_t h : hour) totals.insert(static_cast<int>(p + h));
    return totals;
}

}  // namespace reading
