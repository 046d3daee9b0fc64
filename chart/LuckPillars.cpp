// Direction, start and the ten luck pillars.
#include "LuckPillars.h"

namespace chart {
namespace {

constexpr int kLuckPillars = 10;
constexpr int kYearsPerPillar = 10;
constexpr int kMinutesPerLifeDay = 12;  // 3 days = 360 days of life
constexpr int kLifeDaysPerMonth = 30;
constexpr int kLifeDaysPerYear = 360;
constexpr int kJiaziYear = 1864;  // a 甲子 year

int Reduce60(int i) {
    return (i % 60 + 60) % 60;
}

}  // namespace

bool LuckRunsForward(Sex sex, int yearStem) {
    return (sex == Sex::Male) == StemIsYang(yearStem);
}

LuckStart LuckStartOf(std::int64_t minutesToTerm) {
    const std::int64_t lifeDays = minutesToTerm / kMinutesPerLifeDay;
    LuckStart s;
    s.years = static_cast<int>(lifeDays / kLifeDaysPerYear);
    s.months = static_cast<int>(lifeDays % kLifeDaysPerYear / kLifeDaysPerMonth);
    s.days = static_cast<int>(lifeDays % kLifeDaysPerMonth);
    s.hours = static_cast<int>(minutesToTerm % kMinutesPerLifeDay * 2);
    return s;
}

int YearPillarOfYear(int year) {
    return Reduce60(year - kJiaziYear);
}

Luck ComputeLuck(Sex sex, int yearPillar, int monthPillar, int dayStem, int birthPillarYear,
                 const DateTime& birthDate, std::int64_t minutesToTerm) {
    Luck luck;
    luck.forward = LuckRunsForward(sex, yearPillar % 10);
    luck.minutesToTerm = minutesToTerm;
    luck.start = LuckStartOf(minutesToTerm);
    DateTime day = birthDate;
    day.hour = day.minute = day.second = 0;
    luck.startDate = AddCalendar(day, luck.start.years, luck.start.months, luck.start.days);
    // 虚岁 counts 1 in the year (by 立春) of the birth and one more each year after.
    const int firstAge = luck.startDate.year - birthPillarYear + 1;
    const int step = luck.forward ? 1 : -1;
    for (int i = 0; i < kLuckPillars; ++i) {
        LuckPillar p;
        p.pillar = Reduce60(monthPillar + step * (i + 1));
        p.tenGod = TenGodOf(dayStem, p.pillar % 10);
        p.startAge = firstAge + kYearsPerPillar * i;
        p.startYear = luck.startDate.year + kYearsPerPillar * i;
        for (int y = 0; y < kYearsPerPillar; ++y) p.years[y] = YearPillarOfYear(p.startYear + y);
        luck.pillars.push_back(p);
    }
    return luck;
}

}  // namespace chart
