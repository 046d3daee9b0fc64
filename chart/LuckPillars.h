// The luck pillars (大运): their direction, the age they start at (the time
// from the birth to the bounding 节 at three days to a year) and the ten
// pillars with the years (流年) each one covers.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "CivilTime.h"
#include "Theory.h"

namespace chart {

enum class Sex { Male, Female };

// Forward for a male born in a 阳 year stem or a female born in a 阴 one.
bool LuckRunsForward(Sex sex, int yearStem);

// The start after the birth: three days of life before the 节 are one year,
// so a day is four months (of 30 days), two hours are ten days, 12 minutes a
// day and a minute two hours.
struct LuckStart {
    int years = 0, months = 0, days = 0, hours = 0;
};
LuckStart LuckStartOf(std::int64_t minutesToTerm);

struct LuckPillar {
    int pillar = 0;                     // sexagenary index
    TenGod tenGod = TenGod::Companion;  // of its stem, to the day stem
    int startAge = 0;                   // 虚岁 in the year startYear (1 in the year of the birth by 立春)
    int startYear = 0;                  // Gregorian year it starts in
    std::array<int, 10> years{};        // the pillars of its ten years startYear … startYear + 9
};

struct Luck {
    bool forward = true;
    std::int64_t minutesToTerm = 0;  // from the birth to the 节 it is counted to
    LuckStart start;
    DateTime startDate;               // the day the first luck pillar begins
    std::vector<LuckPillar> pillars;  // ten
};

// The sexagenary index of a Gregorian year's pillar (from its 立春 on).
int YearPillarOfYear(int year);

// The luck of a chart: month pillar, day stem and the year by 立春 that the
// birth falls in; birthDate is the day counted from; minutesToTerm as above.
Luck ComputeLuck(Sex sex, int yearPillar, int monthPillar, int dayStem, int birthPillarYear,
                 const DateTime& birthDate, std::int64_t minutesToTerm);

}  // namespace chart
