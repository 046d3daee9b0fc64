// The luck pillars (大运): their direction, the moment they start (the time
// from the birth to the bounding 节 at three days to a year, added to the birth
// moment), the ten pillars with the years (流年) each one covers, and the 小运
// of the years before the first; and the twelve months (流月) of a year.
//
// Ages follow one rule throughout the program: the nominal age (虚岁) in a
// Gregorian year is that year - the year of birth + 1.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "CalendarTime.h"
#include "Theory.h"

namespace chart {

enum class Sex { Male, Female };

// Forward for a male born in a 阳 year stem or a female born in a 阴 one.
bool LuckRunsForward(Sex sex, int yearStem);

// The nominal age (虚岁) in a Gregorian year of someone born in birthYear.
constexpr int NominalAge(int year, int birthYear) {
    return year - birthYear + 1;
}
// The sentence that states the age rule where ages appear (UTF-8).
inline constexpr std::string_view kAgeRuleNote = "岁数为虚岁：公历年份减出生年份加一";

// The start after the birth: three days of life before the 节 are one year,
// so a day is four months (of 30 days), an hour five days and a minute two
// hours.
struct LuckStart {
    int years = 0, months = 0, days = 0, hours = 0;
};
LuckStart LuckStartOf(std::int64_t minutesToTerm);

struct LuckPillar {
    int pillar = 0;                     // sexagenary index
    TenGod tenGod = TenGod::Companion;  // of its stem, to the day stem
    int startAge = 0;                   // nominal age in startYear
    int startYear = 0;                  // Gregorian year it starts in
    std::array<int, 10> years{};        // the pillars of its ten years startYear … startYear + 9
};

// One year of 小运, before the first luck pillar.
struct XiaoYun {
    int year = 0;    // Gregorian year
    int age = 0;     // nominal age in that year
    int pillar = 0;  // sexagenary index
};

struct Luck {
    bool forward = true;
    std::int64_t minutesToTerm = 0;  // from the birth to the 节 it is counted to
    LuckStart start;
    DateTime startMoment;             // the moment the first luck pillar begins (China Standard Time)
    std::vector<LuckPillar> pillars;  // ten
    std::vector<XiaoYun> xiaoyun;     // each year from the birth's to the one before pillars[0]'s
};

// What the luck of a chart is computed from.
struct LuckInput {
    Sex sex = Sex::Male;
    int yearPillar = 0;  // sexagenary indices of the chart's pillars
    int monthPillar = 0;
    int hourPillar = 0;
    int dayStem = 0;
    DateTime birth;                  // the birth moment (China Standard Time)
    std::int64_t minutesToTerm = 0;  // whole minutes to the next 节 (forward) or from the previous (backward)
};
Luck ComputeLuck(const LuckInput& input);

// The sexagenary index of a Gregorian year's pillar (from its 立春 on).
int YearPillarOfYear(int year);

// One month of a year by the 节: its pillar and the 节 that begins it.
struct MonthStart {
    int pillar = 0;   // sexagenary index
    int term = 0;     // the 节 that begins it, 0 小寒 … 22 大雪
    DateTime begins;  // that 节's moment, China Standard Time
};
// 流月: the twelve months of the year that begins at 立春 of Gregorian year
// `year` (寅 first, 丑 last, which begins at 小寒 of the next year); nullopt
// outside 1900-2100.
std::optional<std::array<MonthStart, 12>> MonthsOfYear(int year);

}  // namespace chart
